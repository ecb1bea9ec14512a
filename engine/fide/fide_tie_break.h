#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/engine_codes.h"
#include "engine/fide/fide_breakdown.h"
#include "engine/fide/fide_codes.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// FIDE's standard tie-breaks (Handbook C.07) as pure functions of the read table. The rounds are
// the table's rounds 1..R with their kinds (engine/fide/fide_rounds.h); the player's score is
// the points of those rounds' codes; ratings are the table's, unrated players holding the value
// chosen for them. Each operation costs a constant times the rounds of the field (ratings: times
// the logarithm of the rating range for PTP), never throws and never prints.

// out[i] = player i's value of tieBreak under rules, for every code but DE: not a number where
// the value is not defined (TPR without a game, ARO with every game cut). With breakdowns, also
// (*breakdowns)[i], what the value was made of. StatusOk; StatusInvalidArgument for DE, a code
// with a modifier it does not take, or out not of the table's size (out untouched);
// StatusNoMemory.
[[nodiscard]] int computeFideTieBreak(const TournamentTable& table, const FideTieBreak& tieBreak,
                                      FideRules rules, std::span<double> out,
                                      std::vector<FideBreakdown>* breakdowns = nullptr) noexcept;

// Direct encounter within one group of tied players (table indices, the ranking forms it): out[k]
// is group[k]'s place among them (1 first, equal places shared as 1, 2, 2, 4), or 0 for every
// member when the games between them separate nobody. With breakdowns, (*breakdowns)[k] holds
// group[k]'s games inside the group and the stages that placed him. StatusOk;
// StatusInvalidArgument for a code other than DE, a member outside the table or twice in the
// group, or out not of the group's size; StatusNoMemory.
[[nodiscard]] int directEncounter(const TournamentTable& table, const FideTieBreak& tieBreak,
                                  FideRules rules, std::span<const std::uint32_t> group,
                                  std::span<double> out,
                                  std::vector<FideBreakdown>* breakdowns = nullptr) noexcept;

}  // namespace tiebreak
