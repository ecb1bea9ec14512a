#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tournament/tournament_table.h"

namespace tiebreak {

// Fills an empty table from the player records of a FIDE Tournament Report File, given as its
// lines, each round with its kind, colour and points, and with the tournament's name and declared
// pairing system; unrated players are marked so and get eloForUnrated. Players are indexed in the
// order of their start numbers. Returns StatusOk, ErrorUnsuitableFile for a file that holds no
// player record, repeats a start number, refers to one that no record has, gives a score below
// the points of the games played or tells a round otherwise than the opponent's record (a round
// in which one names the other with a result that is not the other side of his),
// ErrorTooManyPlayers or ErrorNoMemory. A refused file's reason,
// one line naming the file's line where there is one, goes to reason when it is given.
[[nodiscard]] int readTrfLines(TournamentTable& table, const std::vector<std::string_view>& lines,
                               int eloForUnrated, std::string* reason = nullptr);

// True when the lines are a TRF file: no line is a crosstable header, so a crosstable is never
// taken for one, and some line is a player record ("001" and a blank) or the first line is the
// tournament's name record ("012").
[[nodiscard]] bool isTrf(const std::vector<std::string_view>& lines);

}  // namespace tiebreak
