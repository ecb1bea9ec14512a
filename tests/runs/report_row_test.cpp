#include "runs/report_row.h"

#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace tiebreak {
namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// Points first, the value among equal points. Regression: not-a-number values (players without
// games) among equal points broke the sort's ordering; they now stand below every number, minus
// infinity included. Rows equal in both keys keep their table order.
TEST(SortReportRows, NanValuesSortBelowAndTiesKeepTableOrder) {
    std::vector<ReportRow> rows =
        reportRows({1.0, 1.0, 2.0, 1.0, 1.0, 1.0, 1.0}, {Nan, 1800, 1700, Nan, 1900, 1800, -Inf});
    sortReportRows(rows);
    std::vector<double> order;
    for (const ReportRow& row : rows)
        order.push_back(row.player);
    EXPECT_EQ(order, (std::vector<double>{2, 4, 1, 5, 6, 0, 3}));
}

}  // namespace
}  // namespace tiebreak
