#pragma once

#include <ostream>

#include "engine/fide/fide_breakdown.h"
#include "engine/fide/fide_codes.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// Writes a player's breakdown of a FIDE tie-break (what computeFideTieBreak or directEncounter
// gave for him, and value, his value) as plain lines a player can follow: a heading with the
// value, one line a round that counts saying why it counts as it does, the cuts, and the sum or
// mean that gives the value. Numbers are written without the process locale.
void writeFideBreakdown(std::ostream& out, const TournamentTable& table,
                        const FideTieBreak& tieBreak, FideRules rules,
                        const FideBreakdown& breakdown, double value);

}  // namespace tiebreak
