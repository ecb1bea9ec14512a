#pragma once

#include <string>
#include <vector>

#include "engine/explanation.h"
#include "runs/advanced_run.h"

namespace tiebreak {

// One used row of a finished advanced run with the engine's breakdown of every player's value.
struct ExplainedRow {
    int row = 0;  // 0 for the first row
    std::string label;
    TieBreakMethod method = MethodRecursivePerformance;
    Modification modification = ModificationNone;
    int worst = 0;
    int best = 0;
    const MethodOutcome* outcome = nullptr;       // the row's method, owned by the run's result
    const std::vector<double>* values = nullptr;  // the row's value per player, likewise
    std::vector<ValueExplanation> players;        // each player's value under the method
    std::vector<RivalsExplanation> rivals;        // for a rivals average; empty otherwise
};

// The used rows in order. StatusOk or StatusNoMemory. The rows point into result, which must
// outlive them.
[[nodiscard]] int explainRows(const TournamentTable& table, const AdvancedRunOptions& options,
                              const AdvancedRunResult& result, std::vector<ExplainedRow>& rows);

}  // namespace tiebreak
