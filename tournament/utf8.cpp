#include "tournament/utf8.h"

namespace tiebreak {

namespace {

// The length of the sequence a lead byte opens, 0 for a byte that cannot lead one.
std::size_t sequenceLength(unsigned char lead) noexcept {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isContinuation(unsigned char byte) noexcept {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::optional<std::size_t> utf8Length(std::string_view text) noexcept {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || i + length > text.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return std::nullopt;
        }
        if (length > 2) {
            // The second byte rules out overlong forms, surrogates and values above U+10FFFF.
            const auto second = static_cast<unsigned char>(text[i + 1]);
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
                (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
                return std::nullopt;
            }
        }
        i += length;
    }
    return count;
}

std::size_t utf8Prefix(std::string_view text, std::size_t count) noexcept {
    std::size_t i = 0;
    for (; i < text.size() && count > 0; --count) {
        const std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
        i += length == 0 ? 1 : length;
    }
    return i < text.size() ? i : text.size();
}

}  // namespace tiebreak
