#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tournament/tournament_table.h"

namespace tiebreak {

// How a file's round cells name the opponent: by the place of his line among the player lines
// (a crosstable's 1, 2, ...) or by his start number (a TRF file).
enum PlayerNumbers : int {
    NumberedByPlace = 0,
    NumberedByStartNumber = 1,
};

// A round that the two players' lines tell differently: the line (1 for the first) and the round
// where it is met first, and the reason a reader refuses the file for, one line naming both.
struct Contradiction {
    std::uint32_t line = 0;
    std::uint32_t round = 0;
    std::string reason;
};

// The first round, going through the lines in file order and each line's rounds in order, in
// which a player has an opponent whose line does not name him back in that round with the
// matching result: a win and a loss, two draws, a forfeit won and one lost, or two forfeits lost
// (a double forfeit); where both give colours, they must differ. Nothing when all rounds agree.
// The table's lines must be set; players are named by the numbers the file uses.
[[nodiscard]] std::optional<Contradiction> firstContradiction(const TournamentTable& table,
                                                              PlayerNumbers numbers);

}  // namespace tiebreak
