// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Environment.h"
#include "common/DateTime.h"
#include "platform/ZoneWatch.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

// The clock's own reading of now gives what Qt's local time gives, in any zone, and sees a
// change of zone at the next reading.
TEST(EnvironmentTest_Now, ReadsTheWallClockInTheZoneOfTheMoment) {
    const QByteArray saved = qgetenv("TZ");
    const bool had = qEnvironmentVariableIsSet("TZ");
    for (const char* zone : {"UTC0", "IST-5:30", "NST3:30NDT,M3.2.0,M11.1.0", "<+1345>-13:45"}) {
        qputenv("TZ", zone);
        const TDateTime ours = platform::Now();
        const TDateTime qts = common::FromQDateTime(QDateTime::currentDateTime());
        EXPECT_LT(std::abs(ours - qts) * 86400, 1.0) << zone;
    }
    if (had)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
    tzset();
}
