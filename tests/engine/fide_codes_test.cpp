// FIDE's writing of the tie-breaks read and refused, and the checks of the operations' inputs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/fide/fide_tie_break.h"
#include "tests/engine/fide_table.h"

namespace tiebreak {
namespace {

// The normalised label says every field the text set.
struct Accepted {
    const char* name;
    const char* text;
    const char* label;
    bool lowerFirst;
};

const Accepted AcceptedCases[] = {
    {"Cut", "BH/C1", "BH/C1", false},
    {"LowerCaseMedian", "bh/m2", "BH/M2", false},
    {"RatingMedian", "ARO/M1", "ARO/M1", false},
    {"KoyaLowered", "KS/L-1", "KS/L-1", false},
    {"KoyaRaised", "ks/l+2", "KS/L+2", false},
    {"EncounterWithForfeits", "DE/P", "DE/P", true},
    {"AobOfForeBuchholz", "AOB/F", "AOB/F", false},
    {"StartNumber", "tpn", "TPN", true},
    {"StartNumberReversed", "TPN/R", "TPN/R", false},
    {"RatingReversed", "Rtng/r", "RTNG/R", true},
    {"ModifiersInAnyOrder", " sb / p / c1 ", "SB/C1/P", false},
};

class FideCodesAccepted : public testing::TestWithParam<Accepted> {};

TEST_P(FideCodesAccepted, ReadAndNormalised) {
    const Accepted& c = GetParam();
    FideTieBreak read;
    std::string error;
    ASSERT_EQ(parseFideTieBreak(c.text, read, &error), StatusOk) << error;
    EXPECT_EQ(fideLabel(read), c.label);
    EXPECT_EQ(lowerIsBetter(read), c.lowerFirst);
}

INSTANTIATE_TEST_SUITE_P(Cases, FideCodesAccepted, testing::ValuesIn(AcceptedCases),
                         [](const testing::TestParamInfo<Accepted>& row) {
                             return std::string(row.param.name);
                         });

struct Refused {
    const char* name;
    const char* text;
    const char* error;
};

const Refused RefusedCases[] = {
    {"Nothing", "  ", "no tie-break given"},
    {"UnknownCode", "GE/C1",
     "\"GE\" is not a tie-break code; the codes are PTS, WIN, WON, BPG, BWG, REP, VUR, PS, STD, "
     "TPN, RTNG, BH, FB, SB, AOB, KS, ARO, TPR, PTP, APRO, APPO, DE"},
    {"ModifierNotTaken", "BH/F", "BH does not take /F; it takes /C1, /C2, /M1, /M2, /P"},
    {"MedianOfSonnebornBerger", "sb/m1", "SB does not take /M1; it takes /C1, /C2, /P"},
    {"CutBeyondTwo", "ARO/C3", "ARO does not take /C3; it takes /C1, /C2, /M1, /M2"},
    {"KoyaWithoutShift", "KS/L", "KS does not take /L; it takes /L+n, /L-n"},
    {"CodeWithoutModifiers", "TPR/C1", "TPR takes no modifier"},
    {"TwoCuts", "BH/C1/M1", "BH takes one cut, not a second /M1"},
    {"RepeatedFlag", "DE/P/P", "DE takes one /P, not a second /P"},
    {"EmptyModifier", "BH/", "a \"/\" without a modifier after it"},
};

class FideCodesRefused : public testing::TestWithParam<Refused> {};

TEST_P(FideCodesRefused, ErrorTextAndOutUntouched) {
    const Refused& c = GetParam();
    FideTieBreak read;
    read.code = FideWin;
    std::string error;
    EXPECT_EQ(parseFideTieBreak(c.text, read, &error), StatusInvalidArgument);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(read.code, FideWin);
}

INSTANTIATE_TEST_SUITE_P(Cases, FideCodesRefused, testing::ValuesIn(RefusedCases),
                         [](const testing::TestParamInfo<Refused>& row) {
                             return std::string(row.param.name);
                         });

// What the operations refuse, leaving out untouched.
TEST(FideOperations, RefuseWhatTheyCannotCompute) {
    const TournamentTable table = fideTable({"2000: w2", "2000: l1"});
    std::vector<double> out(2, -1.0), short_(1, -1.0);
    const FideTieBreak bh{FideBh}, de{FideDe}, medianSb{FideSb, 1, 1};
    const auto rules = static_cast<FideRules>(2025);
    EXPECT_EQ(computeFideTieBreak(table, de, FideRules2026, out), StatusInvalidArgument);
    EXPECT_EQ(computeFideTieBreak(table, medianSb, FideRules2026, out), StatusInvalidArgument);
    EXPECT_EQ(computeFideTieBreak(table, bh, rules, out), StatusInvalidArgument);
    EXPECT_EQ(computeFideTieBreak(table, bh, FideRules2026, short_), StatusInvalidArgument);
    const std::vector<std::uint32_t> twice = {0, 0}, outside = {0, 2}, pair = {0, 1};
    EXPECT_EQ(directEncounter(table, de, FideRules2026, twice, out), StatusInvalidArgument);
    EXPECT_EQ(directEncounter(table, de, FideRules2026, outside, out), StatusInvalidArgument);
    EXPECT_EQ(directEncounter(table, bh, FideRules2026, pair, out), StatusInvalidArgument);
    EXPECT_EQ(directEncounter(table, de, FideRules2026, pair, short_), StatusInvalidArgument);
    EXPECT_EQ(out, std::vector<double>(2, -1.0));
    EXPECT_EQ(short_, std::vector<double>(1, -1.0));
}

}  // namespace
}  // namespace tiebreak
