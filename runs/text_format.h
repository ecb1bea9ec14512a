#pragma once

#include <string>
#include <string_view>

namespace tiebreak {

// The printf conversions of the reports and logs, independent of the process locale:
// fixed(v, 17, 12) is "%17.12f", general(v, 17) is "%.17g". Non-finite values are written as the
// C library writes them ("nan", "-nan", "inf", "-inf").
[[nodiscard]] std::string fixed(double value, int width, int precision);
[[nodiscard]] std::string general(double value, int precision);

// text padded with spaces to width characters, after it ("%-30s") or before it ("%17s"); a
// longer text is returned whole. padRight counts the code points of a valid UTF-8 text and the
// bytes of any other, so that names line up on screen in either encoding.
[[nodiscard]] std::string padRight(std::string_view text, std::size_t width);
[[nodiscard]] std::string padLeft(std::string_view text, std::size_t width);

}  // namespace tiebreak
