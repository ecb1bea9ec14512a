#pragma once

#include <cstdint>
#include <string_view>

namespace tiebreak {

// The decimal integer at the start of text, read as the C library's atoi reads it (leading
// blanks skipped, an optional sign, then digits; 0 when there are none), independent of the
// process locale. Values beyond the 32-bit range are clamped to it instead of overflowing.
[[nodiscard]] std::int32_t leadingInt(std::string_view text) noexcept;

// The decimal number at the start of text (leading blanks, optional sign, digits, a point,
// an exponent), always with '.' as the decimal point; 0.0 when text does not start with one or
// the number lies beyond the range of a double.
// Unlike atof it reads neither hexadecimal nor "inf" and "nan": a rating is a plain number.
[[nodiscard]] double leadingDouble(std::string_view text) noexcept;

}  // namespace tiebreak
