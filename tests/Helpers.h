#pragma once
// Shared test scaffolding: a controlled clock, captured error boxes, moments by fields.

#include "platform/DateTime.h"
#include "platform/Environment.h"
#include "platform/Errors.h"

#include "platform/SettingsStore.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

inline TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(platform::TryEncodeDate(y, mo, d, date));
    EXPECT_TRUE(platform::TryEncodeTime(h, mi, s, ms, time));
    return platform::CombineDateTime(date, time);
}

constexpr double Second = 1.0 / 86400.0;

// Time stands still unless the test moves it; error boxes are collected, not shown; each
// test has a configuration folder (settings store, autostart entries) of its own.
class ClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Config.path()));
        platform::TSettingsStore::SetUserStorePath({});
        platform::SetNowSource([this] { return Now; });
        platform::SetExceptionReporter([this](const QString& m) { Errors << m; });
        platform::SetMessageReporter([this](const QString& m) { Messages << m; });
        platform::SetUrlOpener([this](const QString& url) { OpenedUrls << url; });
    }
    void TearDown() override {
        platform::SetNowSource({});
        platform::SetExceptionReporter({});
        platform::SetMessageReporter({});
        platform::SetUrlOpener({});
        platform::SetProgramPath({});
        platform::SetMillisecondCounter({});
        platform::TSettingsStore::SetUserStorePath({});
    }

    QString ConfigPath(const QString& relative) const { return Config.filePath(relative); }

    QTemporaryDir Config;
    TDateTime Now = At(2026, 3, 14, 10, 0, 0);
    QStringList Errors;
    QStringList Messages;
    QStringList OpenedUrls;
};
