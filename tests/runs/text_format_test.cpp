#include "runs/text_format.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/named_rows.h"

namespace tiebreak {
namespace {

// The reports' and logs' conversions must give glibc's printf text in the C locale, byte for
// byte, rounding included. Non-finite values are written as glibc writes them on every platform
// (Windows' printf drops the sign of a negative not-a-number).
struct FormatCase {
    const char* name;
    double value;
    const char* nonFinite = nullptr;  // glibc's text for it
};

std::string printed(const char* format, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

class TextFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(TextFormat, MatchesPrintf) {
    const double v = GetParam().value;
    if (const char* text = GetParam().nonFinite) {
        EXPECT_EQ(fixed(v, 17, 12), padLeft(text, 17));
        EXPECT_EQ(fixed(v, 3, 1), text);
        EXPECT_EQ(general(v, 17), text);
        return;
    }
    EXPECT_EQ(fixed(v, 17, 12), printed("%17.12f", v));
    EXPECT_EQ(fixed(v, 3, 1), printed("%3.1f", v));
    EXPECT_EQ(fixed(v, 7, 2), printed("%7.2f", v));
    EXPECT_EQ(general(v, 17), printed("%.17g", v));
}

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, TextFormat,
    ::testing::Values(FormatCase{"NegativeZero", -0.0}, FormatCase{"Half", 987.5},
                      FormatCase{"TieAtFirstDecimal", 0.25}, FormatCase{"Third", 1.0 / 3.0},
                      FormatCase{"TinyResidual", 6.6187223269153959e-11},
                      FormatCase{"Denormal", 5e-324}, FormatCase{"Huge", 1.7976931348623157e308},
                      FormatCase{"Negative", -1998.5}, FormatCase{"Nan", Nan, "nan"},
                      FormatCase{"NegativeNan", -Nan, "-nan"}, FormatCase{"Infinity", Inf, "inf"}),
    RowName{});

// Names line up on screen: a valid UTF-8 name takes a column per code point, any other text
// (Latin-1, a broken or overlong sequence, an encoded surrogate) a column per byte.
TEST(PadRight, CountsCodePointsOfUtf8AndBytesOfAnythingElse) {
    EXPECT_EQ(padRight("Bergstr\xC3\xB6m;", 12), "Bergstr\xC3\xB6m;  ");
    EXPECT_EQ(padRight("\xE2\x82\xAC\xF0\x9F\x98\x80", 4), "\xE2\x82\xAC\xF0\x9F\x98\x80  ");
    EXPECT_EQ(padRight("Bergstr\xF6m;", 12), "Bergstr\xF6m;  ");
    EXPECT_EQ(padRight("\xC3", 3), "\xC3  ");
    EXPECT_EQ(padRight("\xC0\xAF", 4), "\xC0\xAF  ");
    EXPECT_EQ(padRight("\xED\xA0\x80", 4), "\xED\xA0\x80 ");
    EXPECT_EQ(padRight("\xF4\x90\x80\x80", 5), "\xF4\x90\x80\x80 ");
    EXPECT_EQ(padRight("Hoffmann-Schulze, Maximilian;", 5), "Hoffmann-Schulze, Maximilian;");
}

}  // namespace
}  // namespace tiebreak
