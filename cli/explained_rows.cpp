#include "cli/explained_rows.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

int explainRows(const TournamentTable& table, const AdvancedRunOptions& options,
                const AdvancedRunResult& result, std::vector<ExplainedRow>& rows) {
    return guardMemory(StatusNoMemory, [&]() -> int {
        rows.clear();
        for (int row = 0; row < AdvancedRowCount; ++row) {
            const bool bucholz = options.method[row] == MethodRecursiveBucholz;
            const std::optional<MethodOutcome>& outcome =
                bucholz ? result.bucholz : result.performance;
            if (options.method[row] == RowUnused || !outcome) continue;
            ExplainedRow& explained = rows.emplace_back();
            explained.row = row;
            explained.label = rowLabel(options, row);
            explained.method = bucholz ? MethodRecursiveBucholz : MethodRecursivePerformance;
            explained.modification = static_cast<Modification>(options.modification[row]);
            explained.worst = options.worst[row];
            explained.best = options.best[row];
            explained.outcome = &*outcome;
            explained.values = &result.rows[row];
            const int status =
                explainValues(table, outcome->values, bucholz ? scoreFraction : ratingDifference,
                              explained.players);
            if (failed(status)) return status;
            if (explained.modification != ModificationRivalsAverage) continue;
            const int trimmed = explainRivalsAverages(table, outcome->values, explained.worst,
                                                      explained.best, explained.rivals);
            if (failed(trimmed)) return trimmed;
        }
        return StatusOk;
    });
}

}  // namespace tiebreak
