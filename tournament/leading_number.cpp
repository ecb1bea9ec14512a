#include "tournament/leading_number.h"

#include <charconv>
#include <limits>

namespace tiebreak {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Text after leading blanks, with an optional sign taken off; negative tells which sign it was.
std::string_view unsignedPart(std::string_view text, bool& negative) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    return text.substr(pos);
}

}  // namespace

std::int32_t leadingInt(std::string_view text) noexcept {
    bool negative = false;
    const std::string_view digits = unsignedPart(text, negative);
    constexpr std::int64_t Limit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : digits) {
        if (!isDigit(c)) break;
        value = value * 10 + (c - '0');
        if (value > Limit + 1) break;  // already clamped whatever follows
    }
    if (negative) value = -value;
    if (value > Limit) return std::numeric_limits<std::int32_t>::max();
    if (value < -Limit - 1) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

double leadingDouble(std::string_view text) noexcept {
    bool negative = false;
    const std::string_view rest = unsignedPart(text, negative);
    const bool startsNumber =
        !rest.empty() &&
        (isDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && isDigit(rest[1])));
    if (!startsNumber) return 0.0;
    double value = 0.0;
    const auto result =
        std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
    if (result.ec != std::errc()) return 0.0;  // beyond the range of a double
    return negative ? -value : value;
}

}  // namespace tiebreak
