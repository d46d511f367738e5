#include "profiles/TimeText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(FormatTime, PadsEachPartToTwoDigits) {
    EXPECT_EQ(FormatTime(0), "00:00:00");
    EXPECT_EQ(FormatTime(9), "00:00:09");
    EXPECT_EQ(FormatTime(10), "00:00:10");
    EXPECT_EQ(FormatTime(59), "00:00:59");
    EXPECT_EQ(FormatTime(60), "00:01:00");
    EXPECT_EQ(FormatTime(3599), "00:59:59");
    EXPECT_EQ(FormatTime(3725), "01:02:05");
    EXPECT_EQ(FormatTime(99 * 3600 + 59 * 60 + 59), "99:59:59");
}

TEST(FormatTime, HoursGrowToThreeDigitsFromOneHundred) {
    EXPECT_EQ(FormatTime(100 * 3600), "100:00:00");
    EXPECT_EQ(FormatTime(INT_MAX), "596523:14:07");
}

TEST(FormatTime, ANegativeLengthShowsAsZero) {
    EXPECT_EQ(FormatTime(-5), "00:00:00");
    EXPECT_EQ(FormatTime(INT_MIN), "00:00:00");
}

TEST(ParseTime, ReadsWhatFormatTimeWrites) {
    EXPECT_EQ(ParseTime("01:02:05"), 3725);
    EXPECT_EQ(ParseTime("00:00:00"), 0);
    for (int s : {0, 1, 59, 60, 61, 3599, 3600, 3725, 86399, 86400, 359999})
        EXPECT_EQ(ParseTime(FormatTime(s)), s) << s;
}

TEST(ParseTime, ReadsEachPartLikeAtoi) {
    EXPECT_EQ(ParseTime("1:2:3"), 3600 + 2 * 60 + 3);   // minutes "2:" -> 2
    EXPECT_EQ(ParseTime("00:5x:07"), 5 * 60 + 7);
    EXPECT_EQ(ParseTime("ab:cd:ef"), 0);
    EXPECT_EQ(ParseTime(" 2:00:00"), 7200);
    EXPECT_EQ(ParseTime("00:00:30s"), 30);
    EXPECT_EQ(ParseTime(""), 0);
}

TEST(ParseTime, MinutesAreTheTwoCharactersAfterTheFirstColon) {
    EXPECT_EQ(ParseTime("00:123:00"), 12 * 60);
    // Two colons only: the seconds come from after the last one.
    EXPECT_EQ(ParseTime("01:30"), 3600 + 30 * 60 + 30);
}

TEST(ParseTime, APlainNumberIsSeconds) {
    EXPECT_EQ(ParseTime("45"), 45);
    EXPECT_EQ(ParseTime("3725"), 3725);
}

TEST(ParseTime, HugeTextsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(ParseTime("999999999999:00:00"), INT_MAX);
    EXPECT_EQ(ParseTime("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseTime("-999999999999:00:00"), INT_MIN);
}

TEST(TimeTenths, WholeSecondsKeepTheOldTextAndTenthsAreAdded) {
    EXPECT_EQ(FormatTimeTenths(0.0), "00:00:00");
    EXPECT_EQ(FormatTimeTenths(65.0), "00:01:05");
    EXPECT_EQ(FormatTimeTenths(65.4), "00:01:05.4");
    EXPECT_EQ(FormatTimeTenths(65.49), "00:01:05.4") << "the tenth that holds the time";
    EXPECT_EQ(FormatTimeTenths(2.3999999), "00:00:02.4") << "a float a hair below a tenth";
    EXPECT_EQ(FormatTimeTenths(-1.0), "00:00:00");
}

TEST(TimeTenths, ReadsOldAndNewTexts) {
    for (int s : {0, 1, 59, 3725, 86400})
        EXPECT_DOUBLE_EQ(ParseTimeSeconds(FormatTime(s)), ParseTime(FormatTime(s))) << s;
    EXPECT_NEAR(ParseTimeSeconds("00:01:05.4"), 65.4, 1e-9);
    EXPECT_NEAR(ParseTimeSeconds("01:02:05.25"), 3725.25, 1e-9);
    EXPECT_NEAR(ParseTimeSeconds("12.5"), 12.5, 1e-9);
    EXPECT_EQ(ParseTime("00:01:05.4"), 65) << "whole seconds for readers that want them";
    for (int tenths : {1, 9, 10, 654, 37251})
        EXPECT_NEAR(ParseTimeSeconds(FormatTimeTenths(tenths / 10.0)), tenths / 10.0, 1e-9) << tenths;
}

TEST(TimeTenths, ThePlayersClockHasUnpaddedHoursAndTheGivenDecimalSign) {
    EXPECT_EQ(FormatClock(0.0), "0:00:00.0");
    EXPECT_EQ(FormatClock(62.57), "0:01:02.5");
    EXPECT_EQ(FormatClock(3725.0), "1:02:05.0");
    EXPECT_EQ(FormatClock(62.5, U','), "0:01:02,5");
    EXPECT_EQ(FormatClock(-3.0), "0:00:00.0");
    EXPECT_EQ(FormatClock(std::nan("")), "0:00:00.0");
}
