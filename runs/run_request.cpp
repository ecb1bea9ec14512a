#include "runs/run_request.h"

namespace tiebreak {

RunRequest simpleRequest(SimpleSorting sorting, int eloForUnrated) {
    const TieBreakRow performance;
    const TieBreakRow withoutWorst{MethodRecursivePerformance, ModificationRivalsAverage, 1, 0};
    RunRequest request;
    request.style = StyleSimple;
    request.eloForUnrated = eloForUnrated;
    // The sorting column comes first.
    request.rows = sorting == SimpleSortingRivalsWithoutWorst
                       ? std::vector<TieBreakRow>{withoutWorst, performance}
                       : std::vector<TieBreakRow>{performance, withoutWorst};
    request.sorted = sorting != SimpleSortingNone;
    return request;
}

}  // namespace tiebreak
