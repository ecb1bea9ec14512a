#include "tournament/leading_number.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace tiebreak {
namespace {

// The C library's atoi is the reference wherever its result is defined; beyond it the reader
// clamps instead of overflowing.
TEST(LeadingNumber, IntReadsAsAtoiDoesAndClamps) {
    for (const char* text : {"12", "  7;", "+3", "-4x", "x5", "", " ", "0012", "12.9", "\t-0",
                             "2147483647", "-2147483648"}) {
        EXPECT_EQ(leadingInt(text), std::atoi(text)) << '"' << text << '"';
    }
    EXPECT_EQ(leadingInt("2147483648"), 2147483647);
    EXPECT_EQ(leadingInt("-99999999999999999999"), -2147483647 - 1);
}

// A comma never counts as a decimal point.
TEST(LeadingNumber, DoubleReadsPlainNumbersOnly) {
    const std::pair<const char*, double> rows[] = {
        {" 2345.5 ", 2345.5}, {"+1.5e3x", 1500.0}, {"-12", -12.0}, {".5", 0.5},       {"-", 0.0},
        {"nan", 0.0},         {"0x1A", 0.0},       {"1e999", 0.0}, {"2000,5", 2000.0}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(leadingDouble(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace tiebreak
