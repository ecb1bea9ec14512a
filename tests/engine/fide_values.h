#pragma once

#include <string>
#include <vector>

#include "engine/fide/fide_tie_break.h"

namespace tiebreak {

// Every player's value of the tie-break written as FIDE writes it; a refused code or a failed
// computation is a test failure.
[[nodiscard]] std::vector<double> fideValues(const TournamentTable& table, const std::string& code,
                                             FideRules rules = FideRules2026);

// The direct-encounter values of the group's members (numbers from 1), in its order.
[[nodiscard]] std::vector<double> encounterValues(const TournamentTable& table,
                                                  const std::string& code,
                                                  const std::vector<std::uint32_t>& numbers);

}  // namespace tiebreak
