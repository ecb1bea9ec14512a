#pragma once

#include <string>
#include <vector>

#include "tournament/tournament_table.h"

namespace tiebreak {

// A table written one line a player, "rating: rounds", the rounds blank-separated from round 1
// on: "w3" "d3" "l3" a game won, drawn, lost against player 3 (numbers from 1), "/b" or "/w"
// after it the colour; "+3" "-3" a forfeit won, lost against player 3; "U" a pairing-allocated
// bye, "F" "H" "Z" a full-, half-, zero-point bye, "." a round not paired. A line stops where its
// record ends. Players are numbered from 1 as their start numbers; a bad line is a test failure.
[[nodiscard]] TournamentTable fideTable(const std::vector<std::string>& lines,
                                        DeclaredType type = DeclaredSwiss);

}  // namespace tiebreak
