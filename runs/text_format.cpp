#include "runs/text_format.h"

#include <array>
#include <charconv>

#include "tournament/utf8.h"

namespace tiebreak {

namespace {

// 1e308 in fixed notation with 17 decimals still fits.
using NumberBuffer = std::array<char, 400>;

std::string_view written(NumberBuffer& buffer, std::to_chars_result result) {
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

}  // namespace

std::string fixed(double value, int width, int precision) {
    NumberBuffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, precision);
    return padLeft(written(buffer, result), static_cast<std::size_t>(width));
}

std::string general(double value, int precision) {
    NumberBuffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, precision);
    return std::string(written(buffer, result));
}

std::string padRight(std::string_view text, std::size_t width) {
    // A screen shows one character a code point of UTF-8, and one a byte of any other text.
    const std::size_t shown = utf8Length(text).value_or(text.size());
    std::string padded(text);
    if (shown < width) padded.append(width - shown, ' ');
    return padded;
}

std::string padLeft(std::string_view text, std::size_t width) {
    std::string padded;
    if (text.size() < width) padded.assign(width - text.size(), ' ');
    padded += text;
    return padded;
}

}  // namespace tiebreak
