#pragma once

#include <vector>

namespace tiebreak {

// Field separator of both results tables.
inline constexpr char ReportSeparator = ';';

// One player's line of a results table before sorting: his table index, his total points and
// his value in the sorting column.
struct ReportRow {
    double player = 0.0;
    double points = 0.0;
    double value = 0.0;
};

// -1 when a stands before b (more points; equal points and a higher value), 1 when b stands
// before a, 0 when neither. A not-a-number value ranks below every number.
[[nodiscard]] int compareReportRows(const ReportRow& a, const ReportRow& b) noexcept;

// Sorts rows by compareReportRows; rows equal in both keys keep their table order, so the order
// is the same on every platform.
void sortReportRows(std::vector<ReportRow>& rows);

// One row per player in table order. May throw std::bad_alloc.
[[nodiscard]] std::vector<ReportRow> reportRows(const std::vector<double>& points,
                                                const std::vector<double>& values);

}  // namespace tiebreak
