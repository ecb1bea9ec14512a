#include "tests/engine/fide_values.h"

#include <gtest/gtest.h>

namespace tiebreak {

namespace {

FideTieBreak parsed(const std::string& code) {
    FideTieBreak tieBreak;
    std::string error;
    EXPECT_EQ(parseFideTieBreak(code, tieBreak, &error), StatusOk) << error;
    return tieBreak;
}

}  // namespace

std::vector<double> fideValues(const TournamentTable& table, const std::string& code,
                               FideRules rules) {
    std::vector<double> out(table.playerCount());
    EXPECT_EQ(computeFideTieBreak(table, parsed(code), rules, out), StatusOk) << code;
    return out;
}

std::vector<double> encounterValues(const TournamentTable& table, const std::string& code,
                                    const std::vector<std::uint32_t>& numbers) {
    std::vector<std::uint32_t> group;
    for (const std::uint32_t number : numbers)
        group.push_back(number - 1);
    std::vector<double> out(group.size());
    EXPECT_EQ(directEncounter(table, parsed(code), FideRules2026, group, out), StatusOk) << code;
    return out;
}

}  // namespace tiebreak
