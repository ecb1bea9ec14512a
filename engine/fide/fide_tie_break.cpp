#include "engine/fide/fide_tie_break.h"

#include "engine/fide/fide_families.h"
#include "engine/fide/fide_rounds.h"
#include "tournament/memory_guard.h"
#include "tournament/status_codes.h"

namespace tiebreak {

int computeFideTieBreak(const TournamentTable& table, const FideTieBreak& tieBreak, FideRules rules,
                        std::span<double> out, std::vector<FideBreakdown>* breakdowns) noexcept {
    const bool knownRules = rules == FideRules2024 || rules == FideRules2026;
    if (tieBreak.code == FideDe || !knownRules || !isValidFideTieBreak(tieBreak) ||
        out.size() != table.playerCount()) {
        return StatusInvalidArgument;
    }
    return guardMemory(StatusNoMemory, [&] {
        const FideRounds rounds(table, false);
        std::vector<FideBreakdown> made;
        if (breakdowns != nullptr) {
            made.resize(rounds.playerCount());
            for (std::uint32_t i = 0; i < rounds.playerCount(); ++i) {
                made[i].player = i;
                made[i].roundCount = rounds.roundCount();
                made[i].roundRobin = rounds.roundRobin();
                made[i].score = rounds.score(i);
            }
        }
        std::vector<FideBreakdown>* filled = breakdowns != nullptr ? &made : nullptr;
        switch (tieBreak.code) {
            case FidePts:
            case FideWin:
            case FideWon:
            case FideBpg:
            case FideBwg:
            case FideRep:
            case FideVur:
            case FidePs:
            case FideStd:
            case FideTpn:
            case FideRtng:
                ownResults(table, rounds, tieBreak, out, filled);
                break;
            case FideBh:
            case FideFb:
            case FideSb:
            case FideAob:
            case FideKs:
                opponentScores(table, rounds, tieBreak, rules, out, filled);
                break;
            case FideAro:
            case FideTpr:
            case FidePtp:
            case FideApro:
            case FideAppo:
                ratingTieBreaks(table, rounds, tieBreak, out, filled);
                break;
            case FideDe:
                return static_cast<int>(StatusInvalidArgument);  // refused above
        }
        if (breakdowns != nullptr) *breakdowns = std::move(made);
        return static_cast<int>(StatusOk);
    });
}

}  // namespace tiebreak
