// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixture most tests use, and moments by their fields.

#include "common/DateTime.h"
#include "platform/Environment.h"
#include "store/SettingsStore.h"
#include "support/Seams.h"
#include "widgets/ErrorGuard.h"

#include <gtest/gtest.h>

inline TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(common::TryEncodeDate(y, mo, d, date));
    EXPECT_TRUE(common::TryEncodeTime(h, mi, s, ms, time));
    return common::CombineDateTime(date, time);
}

constexpr double Second = 1.0 / 86400.0;

// A test with every seam under its control (support/Seams.h): time stands still at Now
// unless the test moves it, error boxes are collected, not shown, and the store and
// autostart entries live in a folder of the test's own.
class ClockTest : public ::testing::Test, protected TTestSeams {
protected:
    ClockTest() {
        EXPECT_TRUE(Config.isValid());
        Now = At(2026, 3, 14, 10, 0, 0);
    }
};
