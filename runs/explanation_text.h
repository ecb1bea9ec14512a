#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "runs/run_result.h"

namespace tiebreak {

// Why a round cell that counted no game does not enter the tie-breaks.
[[nodiscard]] std::string unplayedReason(const RecordedRound& cell);

// "2 Mazur, Krzysztof": the player's start number (the number round cells call him where the file
// gives none) and his name.
[[nodiscard]] std::string numberedName(const TournamentTable& table, std::uint32_t player);

// The breakdown of player's value in every row of a run computed with its explanations, as plain
// text: his rounds with the opponents' values and the reasons unplayed rounds do not count, the
// weighted mean, the score term, the centring constant, their sum against the table's value, and
// for a rivals average the rivals taken out and the mean of the rest; for a FIDE tie-break what
// each round gave it.
void writeExplanation(std::ostream& out, const RunResult& result, std::uint32_t player);

}  // namespace tiebreak
