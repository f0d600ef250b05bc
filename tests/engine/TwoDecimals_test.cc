#include "engine/TwoDecimals.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FormatTwoDecimals, RoundsToNearestAndKeepsTrailingZeros) {
    EXPECT_EQ(FormatTwoDecimals(65.5), u"65.50");
    EXPECT_EQ(FormatTwoDecimals(89.996), u"90.00");
    EXPECT_EQ(FormatTwoDecimals(69.785), u"69.78");  // the double lies just below .785
    EXPECT_EQ(FormatTwoDecimals(-7.08), u"-7.08");
    EXPECT_EQ(FormatTwoDecimals(1e20), u"100000000000000000000.00");
}

TEST(FormatTwoDecimals, WritesSpecialValues) {
    EXPECT_EQ(FormatTwoDecimals(-0.0), u"0.00");
    EXPECT_EQ(FormatTwoDecimals(-0.001), u"0.00");
    EXPECT_EQ(FormatTwoDecimals(-0.005), u"-0.01");
    EXPECT_EQ(FormatTwoDecimals(std::numeric_limits<double>::infinity()), u"+Infinity");
    EXPECT_EQ(FormatTwoDecimals(-std::numeric_limits<double>::infinity()), u"-Infinity");
    EXPECT_EQ(FormatTwoDecimals(std::numeric_limits<double>::quiet_NaN()), u"NaN");
}

TEST(FormatCount, WritesPlainDecimalsAtTheEndsOfTheRange) {
    EXPECT_EQ(FormatCount(0), u"0");
    EXPECT_EQ(FormatCount(-12), u"-12");
    EXPECT_EQ(FormatCount(1234567), u"1234567");
    EXPECT_EQ(FormatCount(std::numeric_limits<std::int64_t>::max()), u"9223372036854775807");
    EXPECT_EQ(FormatCount(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808");
}
