#include "runs/report_row.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tiebreak {
namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

struct CompareCase {
    const char* name;
    ReportRow a;
    ReportRow b;
    int expected;
};

void PrintTo(const CompareCase& row, std::ostream* os) {
    *os << row.name;
}

class CompareReportRows : public ::testing::TestWithParam<CompareCase> {};

// Points decide first, the value only among equal points; a player without games (not a number)
// stands below every number, minus infinity included, and two of them are equal.
TEST_P(CompareReportRows, OrdersByPointsThenValue) {
    const CompareCase& row = GetParam();
    EXPECT_EQ(compareReportRows(row.a, row.b), row.expected);
    EXPECT_EQ(compareReportRows(row.b, row.a), -row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CompareReportRows,
    ::testing::Values(CompareCase{"MorePointsFirst", {0, 3.0, 1500}, {1, 2.5, 2500}, -1},
                      CompareCase{"HigherValueAmongEqualPoints", {0, 2.5, 2000}, {1, 2.5, 1999}, -1},
                      CompareCase{"EqualInBoth", {0, 2.5, 2000}, {1, 2.5, 2000}, 0},
                      CompareCase{"NanBelowANumber", {0, 1.0, Nan}, {1, 1.0, 1200}, 1},
                      CompareCase{"NanBelowMinusInfinity", {0, 1.0, Nan}, {1, 1.0, -Inf}, 1},
                      CompareCase{"TwoNans", {0, 1.0, Nan}, {1, 1.0, Nan}, 0},
                      CompareCase{"PointsBeforeNan", {0, 2.0, Nan}, {1, 1.0, 2400}, -1}),
    [](const ::testing::TestParamInfo<CompareCase>& row) { return std::string(row.param.name); });

// Regression: not-a-number values among equal points broke the sort's ordering. Rows equal in
// both keys keep their table order.
TEST(SortReportRows, NanValuesSortBelowAndTiesKeepTableOrder) {
    std::vector<ReportRow> rows =
        reportRows({1.0, 1.0, 2.0, 1.0, 1.0, 1.0}, {Nan, 1800, 1700, Nan, 1900, 1800});
    sortReportRows(rows);
    std::vector<double> order;
    for (const ReportRow& row : rows)
        order.push_back(row.player);
    EXPECT_EQ(order, (std::vector<double>{2, 4, 1, 5, 0, 3}));
}

}  // namespace
}  // namespace tiebreak
