#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tournament/tournament_table.h"

namespace tiebreak {

// Fills an empty table from the player records of a FIDE Tournament Report File at path; unrated
// players get eloForUnrated. Players are indexed by start number - 1. Returns StatusOk,
// ErrorCannotOpenFile (-11) for a file that cannot be opened, holds no player record, or whose
// start numbers are not exactly 1 to n, StatusNoMemory (-1) or ErrorNoMemory (-10).
[[nodiscard]] int readTrf(TournamentTable& table, const std::string& path,
                          int eloForUnrated) noexcept;

// readTrf on the lines of a file already read.
[[nodiscard]] int readTrfLines(TournamentTable& table, const std::vector<std::string_view>& lines,
                               int eloForUnrated);

// True when the lines are a TRF file: some line is a player record ("001" and a blank) and no
// line is a crosstable header, so a crosstable is never taken for one.
[[nodiscard]] bool isTrf(const std::vector<std::string_view>& lines);

}  // namespace tiebreak
