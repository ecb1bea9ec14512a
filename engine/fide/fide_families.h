#pragma once

#include <span>
#include <vector>

#include "engine/fide/fide_breakdown.h"
#include "engine/fide/fide_codes.h"
#include "engine/fide/fide_rounds.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// The families behind computeFideTieBreak, each for the codes it names, on a checked tie-break
// and an out of the table's size. breakdowns, when given, holds one entry a player. They
// allocate, and std::bad_alloc propagates to computeFideTieBreak.

// PTS WIN WON BPG BWG REP VUR PS STD TPN RTNG.
void ownResults(const TournamentTable& table, const FideRounds& rounds,
                const FideTieBreak& tieBreak, std::span<double> out,
                std::vector<FideBreakdown>* breakdowns);

// BH FB SB AOB KS.
void opponentScores(const TournamentTable& table, const FideRounds& rounds,
                    const FideTieBreak& tieBreak, FideRules rules, std::span<double> out,
                    std::vector<FideBreakdown>* breakdowns);

// ARO TPR PTP APRO APPO.
void ratingTieBreaks(const TournamentTable& table, const FideRounds& rounds,
                     const FideTieBreak& tieBreak, std::span<double> out,
                     std::vector<FideBreakdown>* breakdowns);

// A value rounded to the nearest integer, halves up.
[[nodiscard]] double roundHalfUp(double value) noexcept;

}  // namespace tiebreak
