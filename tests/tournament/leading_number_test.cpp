#include "tournament/leading_number.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tiebreak {
namespace {

// The C library's atoi is the reference wherever its result is defined.
TEST(LeadingNumber, IntReadsAsAtoiDoes) {
    for (const char* text : {"12", "  7;", "+3", "-4x", "x5", "", " ", "0012", "12.9", "\t-0"}) {
        EXPECT_EQ(leadingInt(text), std::atoi(text)) << '"' << text << '"';
    }
}

TEST(LeadingNumber, IntClampsInsteadOfOverflowing) {
    EXPECT_EQ(leadingInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(leadingInt("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(leadingInt("2147483648"), 2147483647);
}

TEST(LeadingNumber, DoubleReadsPlainNumbersOnly) {
    EXPECT_EQ(leadingDouble("2150"), 2150.0);
    EXPECT_EQ(leadingDouble(" 2345.5 "), 2345.5);
    EXPECT_EQ(leadingDouble("+1.5e3x"), 1500.0);
    EXPECT_EQ(leadingDouble("-12"), -12.0);
    EXPECT_EQ(leadingDouble(".5"), 0.5);
    EXPECT_EQ(leadingDouble("-"), 0.0);
    EXPECT_EQ(leadingDouble("abc"), 0.0);
    EXPECT_EQ(leadingDouble("nan"), 0.0);
    EXPECT_EQ(leadingDouble("inf"), 0.0);
    EXPECT_EQ(leadingDouble("0x1A"), 0.0);
    EXPECT_EQ(leadingDouble("1e999"), 0.0);
    EXPECT_EQ(leadingDouble("2000,5"), 2000.0);  // a comma never counts as a decimal point
}

}  // namespace
}  // namespace tiebreak
