#include "app/advanced_rules.h"

#include <vector>

#include <gtest/gtest.h>

namespace tiebreak {
namespace {

enum Choice : int { ChooseMethod, ChooseModification };

struct RuleCase {
    const char* name;
    int row;
    int method;
    int modification;
    std::vector<std::pair<Choice, int>> choices;
    MethodRowState expected;
};

void PrintTo(const RuleCase& row, std::ostream* out) {
    *out << row.name;
}

class AdvancedRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(AdvancedRules, LeaveTheRowInItsState) {
    const RuleCase& c = GetParam();
    MethodRowState state = openedRow(c.row, c.method, c.modification);
    for (const auto& [choice, index] : c.choices) {
        if (choice == ChooseMethod)
            chooseMethod(state, index);
        else
            chooseModification(state, index);
    }
    EXPECT_EQ(state.methodIndex, c.expected.methodIndex);
    EXPECT_EQ(state.modificationIndex, c.expected.modificationIndex);
    EXPECT_EQ(state.modificationEnabled, c.expected.modificationEnabled);
    EXPECT_EQ(state.averageEnabled, c.expected.averageEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AdvancedRules,
    ::testing::Values(
        RuleCase{"FirstRowOpensEnabled", 0, 0, 0, {}, {0, 0, true, false}},
        RuleCase{"EmptyRowOpensWithModificationDisabled", 2, -1, -1, {}, {-1, -1, false, false}},
        RuleCase{"RivalsAverageOpensAverageControls", 3, 1, 1, {}, {1, 1, true, true}},
        RuleCase{"RivalsAverageThenNoModification",
                 0,
                 0,
                 0,
                 {{ChooseModification, 1}, {ChooseModification, 0}},
                 {0, 0, true, false}},
        RuleCase{"MethodInEmptyRowSelectsNoModification",
                 2,
                 -1,
                 -1,
                 {{ChooseMethod, 1}},
                 {1, 0, true, false}},
        RuleCase{
            "DeleteEmptiesTheRow", 1, 0, 1, {{ChooseMethod, ItemDelete}}, {-1, -1, false, false}},
        RuleCase{"SwitchingMethodsKeepsTheModification",
                 1,
                 0,
                 1,
                 {{ChooseMethod, 1}},
                 {1, 1, true, true}},
        RuleCase{"MethodAfterDeleteStartsAfresh",
                 1,
                 1,
                 1,
                 {{ChooseMethod, ItemDelete}, {ChooseMethod, 0}},
                 {0, 0, true, false}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tiebreak
