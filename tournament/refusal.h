#pragma once

#include <cstddef>
#include <string>

namespace tiebreak {

// A reader's refusal: stores why in reason, when the caller asked for it, and returns code. The
// reason is one line for the user, naming the line of the file where there is one.
inline int refuse(std::string* reason, int code, std::string why) {
    if (reason != nullptr) *reason = std::move(why);
    return code;
}

// "line N: " for the line at 0-based index in the file.
[[nodiscard]] inline std::string atLine(std::size_t index) {
    return "line " + std::to_string(index + 1) + ": ";
}

}  // namespace tiebreak
