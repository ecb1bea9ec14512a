#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tournament/round_result.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// Fills an empty table from a Swiss Manager crosstable export at path, each round with its kind,
// colour and points, and each player with his start number; unrated players are marked so and
// get eloForUnrated. Returns StatusOk, ErrorCannotOpenFile for a file that cannot be opened,
// ErrorUnsuitableFile for one that is not a crosstable this reader takes (a player line not as
// wide as the header, two lines that tell a round differently included), ErrorTooManyPlayers
// above TournamentTable::MaxPlayers, ErrorNoMemory when memory runs out. After a failure the table
// may be partly filled; the caller owns and discards it. A refused file's reason, one line naming
// the file's line where there is one, goes to reason when it is given.
[[nodiscard]] int readCrosstable(TournamentTable& table, const std::string& path, int eloForUnrated,
                                 std::string* reason = nullptr) noexcept;

// readCrosstable on the lines of a file already read.
[[nodiscard]] int readCrosstableLines(TournamentTable& table,
                                      const std::vector<std::string_view>& lines, int eloForUnrated,
                                      std::string* reason = nullptr);

// True for the crosstable's header line: some field is exactly "1.Rd.".
[[nodiscard]] bool isCrosstableHeader(std::string_view line);

// The player index named by an opponent cell: number - 1, NoOpponent for a cell starting with '-'
// (and for an empty one, which reads as number 0).
[[nodiscard]] int decodeOpponent(std::string_view field) noexcept;

// The round result of a result code such as "w 1", "- +" or "b x".
[[nodiscard]] RoundResult decodeResult(std::string_view code) noexcept;

}  // namespace tiebreak
