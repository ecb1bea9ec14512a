#pragma once

namespace tiebreak {

// Status of the table's and the engine's operations: 0 success, negative failure. The iterative
// operations return a sweep count >= 0 instead of StatusOk, so 1 doubles as a count.
enum EngineStatus : int {
    StatusOk = 0,
    StatusIterationLimit = 1,
    StatusNoMemory = -1,
    StatusOutOfRange = -2,
    StatusInvalidArgument = -3,
    StatusTooLarge = -4,  // a field too large for the dense decomposition: not attempted
};

// Result codes of the reader, the runs and the reports. Every other negative code reaching the
// user is shown as an unknown error with its number.
enum RunError : int {
    ErrorNoMemory = -10,
    ErrorCannotOpenFile = -11,
    ErrorCannotCreateOutput = -12,
};

[[nodiscard]] constexpr bool failed(int code) noexcept {
    return code < 0;
}

}  // namespace tiebreak
