// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ClockTest.h"

#include <cmath>
#include <limits>

using namespace common;

TEST(DateTimeTest, EpochAndKnownDays) {
    TDateTime d = -1;
    ASSERT_TRUE(TryEncodeDate(1899, 12, 30, d));
    EXPECT_EQ(d, 0);
    ASSERT_TRUE(TryEncodeDate(2000, 1, 1, d));
    EXPECT_EQ(d, 36526);
    ASSERT_TRUE(TryEncodeDate(1899, 12, 29, d));
    EXPECT_EQ(d, -1);
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, d));
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, d));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, d));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, d));
    TDateTime t = 0;
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, t));
    EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, t));
    EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, t));
    ASSERT_TRUE(TryEncodeTime(18, 0, 0, 0, t));
    EXPECT_EQ(t, 0.75);
}

TEST(DateTimeTest, NegativeDaysCountTimeOfDayForwards) {
    // Before the epoch the fraction still runs forwards from midnight of that day.
    const TDateTime v = At(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(v, -1.25);
    const QDateTime q = ToQDateTime(v);
    EXPECT_EQ(q.date(), QDate(1899, 12, 29));
    EXPECT_EQ(q.time(), QTime(6, 0));
    EXPECT_DOUBLE_EQ(ReplaceTime(v, 0.5), -1.5);
}

TEST(DateTimeTest, QtRoundTripToTheMillisecond) {
    const QDateTime q(QDate(2031, 7, 9), QTime(23, 59, 59, 999));
    EXPECT_EQ(ToQDateTime(FromQDateTime(q)), q);
    EXPECT_FALSE(ToQDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(ToQDateTime(1e300).isValid());
}

TEST(DateTimeTest, ReplaceTimeKeepsDate) {
    const TDateTime v = ReplaceTime(At(2002, 10, 10, 15, 26, 50), At(2002, 10, 10, 19, 0, 0));
    EXPECT_DOUBLE_EQ(v, At(2002, 10, 10, 19, 0, 0));
    EXPECT_DOUBLE_EQ(DateOf(v), At(2002, 10, 10));
}
