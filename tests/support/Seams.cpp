// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Seams.h"

#include "platform/DesktopNotifier.h"
#include "platform/Environment.h"
#include "presets/HttpClient.h"
#include "store/SettingsStore.h"
#include "widgets/ErrorGuard.h"

namespace {

// The notification area of the tests.
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
    bool ShowMessage(const QString& title, const QString& text) override {
        R->Balloons << title + ": " + text;
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

} // namespace

TTestSeams::TTestSeams() {
    Reset();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(Config.filePath("data")));
    platform::SetNowSource([this] { return Now; });
    widgets::SetExceptionReporter([this](const QString& m) { Errors << m; });
    widgets::SetMessageReporter([this](const QString& m) { Messages << m; });
    platform::SetUrlOpener([this](const QString& url) { OpenedUrls << url; });
    platform::SetApplicationQuitter([this] { ++Quits; });
    platform::TDesktopNotifier::SetSink([this](const platform::TNotification& n) {
        if (NotificationsRefused)
            return false;
        Notifications << n.Summary + ": " + n.Body;
        return true;
    });
    TTrayIcon::SetShellFactory(
        [tray = Tray](TTrayIcon&) { return std::make_unique<TFakeTrayShell>(tray); });
    THttpClient::SetConnectTimeOut(ConnectTimeOut);
}

TTestSeams::~TTestSeams() {
    Reset();
}

void TTestSeams::Reset() {
    // The private folder TestMain made, whichever test changed it since.
    static const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    static const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("XDG_DATA_HOME", data);
    platform::SetNowSource({});
    platform::SetProgramPath({});
    platform::SetMillisecondCounter({});
    platform::SetUrlOpener({});
    platform::SetApplicationQuitter({});
    platform::TDesktopNotifier::SetSink({});
    widgets::SetExceptionReporter({});
    widgets::SetMessageReporter({});
    TTrayIcon::SetShellFactory({});
    store::TSettingsStore::SetUserStorePath({});
    store::TSettingsStore::SetVfs({});
    THttpClient::SetConnectTimeOut(0);
    qunsetenv("KORVANE5_HOST");
}
