#pragma once

namespace tiebreak {

// Status of the table's own operations: 0 success, negative failure. The engine's statuses
// (engine/engine_codes.h) extend these, and its operations return them too.
enum TableStatus : int {
    StatusOk = 0,
    StatusNoMemory = -1,
    StatusOutOfRange = -2,
    StatusInvalidArgument = -3,
};

// Result codes of the crosstable readers, besides the table's statuses they pass on. The runs'
// codes (runs/run_codes.h) extend these. Every other negative code reaching the user is shown as
// an unknown error with its number.
enum ReaderError : int {
    ErrorNoMemory = -10,
    ErrorCannotOpenFile = -11,  // the file cannot be opened or read
    ErrorUnsuitableFile = -14,  // read, but refused for its content
    ErrorTooManyPlayers = -15,  // more players than the table takes
};

[[nodiscard]] constexpr bool failed(int code) noexcept {
    return code < 0;
}

}  // namespace tiebreak
