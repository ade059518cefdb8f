#pragma once
// Shared test scaffolding: a controlled clock, captured error boxes, moments by fields.

#include "platform/DateTime.h"
#include "platform/Environment.h"
#include "platform/Errors.h"

#include "platform/SettingsStore.h"
#include "shell/TrayIcon.h"

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

// The notification area of the tests: what the icon asked of it, and whether it refuses.
struct TTrayRecord {
    bool Shown = false;
    QString Tip;
    QIcon Image;
    int Adds = 0, Modifies = 0, Deletes = 0;
    bool RefuseAdd = false, RefuseDelete = false;
};

class TFakeTrayShell : public ITrayShell {
public:
    explicit TFakeTrayShell(std::shared_ptr<TTrayRecord> record) : R(std::move(record)) {}
    bool Add(const TNotifyIconData& data) override {
        ++R->Adds;
        if (R->RefuseAdd)
            return false;
        R->Shown = true;
        Take(data);
        return true;
    }
    bool Modify(const TNotifyIconData& data) override {
        ++R->Modifies;
        Take(data);
        return R->Shown;
    }
    bool Delete() override {
        ++R->Deletes;
        if (R->RefuseDelete)
            return false;
        R->Shown = false;
        return true;
    }

private:
    void Take(const TNotifyIconData& data) {
        R->Tip = data.Flags & TNotifyIconData::Tip ? data.TipText : QString();
        R->Image = data.Image;
    }
    std::shared_ptr<TTrayRecord> R;
};

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
        TTrayIcon::SetShellFactory(
            [tray = Tray](TTrayIcon&) { return std::make_unique<TFakeTrayShell>(tray); });
    }
    void TearDown() override {
        platform::SetNowSource({});
        platform::SetExceptionReporter({});
        platform::SetMessageReporter({});
        platform::SetUrlOpener({});
        TTrayIcon::SetShellFactory({});
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
    std::shared_ptr<TTrayRecord> Tray = std::make_shared<TTrayRecord>();
};
