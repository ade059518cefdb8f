// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ZoneWatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

// The zone is read again after each way a zone changes, and not otherwise.
TEST(ZoneWatchTest, TellsEachWayTheZoneChanges) {
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    const auto write = [&](const char* name, const char* text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    QDir(dir.path()).mkpath("zones");
    write("zones/A", "a");
    write("zones/B", "b");
    ASSERT_EQ(::symlink("zones/A", root + "/localtime"), 0);
    const QByteArray savedTz = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");

    platform::TZoneWatch watch(root + "/localtime");
    EXPECT_TRUE(watch.Changed()); // the first reading
    EXPECT_FALSE(watch.Changed());
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"the link replaced",
         [&] {
             ASSERT_EQ(::symlink("zones/B", root + "/new"), 0);
             ASSERT_EQ(::rename(root + "/new", root + "/localtime"), 0);
         }},
        {"the file rewritten", [&] { write("zones/B", "bb"); }},
        {"the file replaced",
         [&] {
             write("zones/B.new", "b2");
             ASSERT_EQ(::rename(root + "/zones/B.new", root + "/zones/B"), 0);
         }},
        {"TZ set", [] { qputenv("TZ", "UTC0"); }},
        {"TZ changed", [] { qputenv("TZ", "IST-5:30"); }},
        {"TZ unset", [] { qunsetenv("TZ"); }},
        {"the link removed", [&] { ASSERT_EQ(::unlink(root + "/localtime"), 0); }},
        {"the link made again", [&] { ASSERT_EQ(::symlink("zones/A", root + "/localtime"), 0); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        EXPECT_TRUE(watch.Changed()) << name;
        EXPECT_FALSE(watch.Changed()) << name;
    }
    // A zone file whose folder cannot be watched is read at every call.
    platform::TZoneWatch unwatched(root + "/missing/localtime");
    EXPECT_TRUE(unwatched.Changed());
    EXPECT_TRUE(unwatched.Changed());
    if (hadTz)
        qputenv("TZ", savedTz);
    else
        qunsetenv("TZ");
    tzset();
}
