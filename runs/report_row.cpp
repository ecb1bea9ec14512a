#include "runs/report_row.h"

#include <algorithm>
#include <cmath>

namespace tiebreak {

int compareReportRows(const ReportRow& a, const ReportRow& b) noexcept {
    if (a.points > b.points) return -1;
    if (a.points < b.points) return 1;
    // A player without games has no value: below every number, so that the order stays a
    // strict weak ordering.
    const bool aMissing = std::isnan(a.value);
    const bool bMissing = std::isnan(b.value);
    if (aMissing != bMissing) return aMissing ? 1 : -1;
    if (a.value > b.value) return -1;
    if (a.value < b.value) return 1;
    return 0;
}

void sortReportRows(std::vector<ReportRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const ReportRow& a, const ReportRow& b) {
        return compareReportRows(a, b) < 0;
    });
}

std::vector<ReportRow> reportRows(const std::vector<double>& points,
                                  const std::vector<double>& values) {
    std::vector<ReportRow> rows(points.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = {static_cast<double>(i), points[i], values[i]};
    }
    return rows;
}

}  // namespace tiebreak
