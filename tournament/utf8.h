#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tiebreak {

// The number of code points in text when it is valid UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF), nothing otherwise: a Latin-1 or code-page text counts one character
// a byte, and its callers fall back to bytes.
[[nodiscard]] std::optional<std::size_t> utf8Length(std::string_view text) noexcept;

// The byte length of the first count code points of valid UTF-8 text (all of it when it is
// shorter).
[[nodiscard]] std::size_t utf8Prefix(std::string_view text, std::size_t count) noexcept;

}  // namespace tiebreak
