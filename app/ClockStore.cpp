// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClockStore.h"

#include "platform/Autostart.h"
#include "platform/Environment.h"
#include "store/SettingsStore.h"
#include "widgets/ErrorGuard.h"

#include <QTimer>

namespace {

QString StartupEntryName(int clock) {
    return QStringLiteral("Korvane5%1").arg(clock);
}

} // namespace

TClockStore::TClockStore(QObject* parent, THandlers handlers)
    : QObject(parent), Handlers(std::move(handlers)) {
    Retry = widgets::GuardedTimer(this, 1000, [this] { RetryTimer(); });
}

void TClockStore::Activate(int clock) {
    if (Keeper.Active())
        StartupClock = false;
    ActiveClock = clock;
    // What the clock left behind could not save waits with its settings, and is written by
    // the retry; its skin chooser still writes to them.
    Keeper.Activate(clock);
}

bool TClockStore::StartsAtLogOn() const {
    return platform::autostart::Exists(StartupEntryName(ActiveClock));
}

store::TSaved TClockStore::Save(bool startAtLogOn) {
    const store::TSaved saved = Keeper.Save();
    UpdateRetry();
    const QString entry = StartupEntryName(ActiveClock);
    const bool written =
        startAtLogOn
            ? platform::autostart::Write(entry, tr("Korvane5 Clock %1").arg(ActiveClock + 1),
                                         platform::StartupProgram(), {QString::number(ActiveClock)})
            : platform::autostart::Remove(entry);
    // Said once, as the store's failures are: the next saving moment tries again.
    if (!written && !EntryFailed) {
        EntryFailed = true;
        Notices << tr("The start-up entry %1 could not be written: the clock does not start at "
                      "log-on as chosen.")
                       .arg(platform::autostart::EntryPath(entry));
    }
    return saved;
}

void TClockStore::UpdateRetry() {
    if (!Keeper.NeedsRetry())
        Retry->stop();
    else if (!Retry->isActive())
        Retry->start();
}

void TClockStore::RetryTimer() {
    std::vector<store::TGroup> read;
    {
        const store::TSettingsStore::TWait noWait(store::TSettingsStore::User(), 0);
        try {
            read = Keeper.Retry();
        } catch (const store::EStoreError&) {
            throw;
        } catch (const common::EException& e) {
            // A value of the wrong type ends the load as it would have at once: at start-up
            // the program ends after the message, on a switch the clock runs on.
            UpdateRetry();
            if (!StartupClock)
                throw;
            widgets::ShowException(e.Message());
            Handlers.End();
            return;
        }
    }
    for (const store::TGroup group : read)
        Handlers.Read(group);
    UpdateRetry();
    if (const QString notices = TakeNotices(); !notices.isEmpty())
        widgets::ShowMessage(notices);
}

QString TClockStore::TakeNotices() {
    QStringList notices = Notices;
    Notices.clear();
    if (const QString notice = store::TSettingsStore::User().TakeNotice(); !notice.isEmpty())
        notices.prepend(notice);
    return notices.join(QStringLiteral("\n\n"));
}

QString TClockStore::NotKeptNotice() const {
    const QString lost = Keeper.NotKept();
    if (lost.isEmpty())
        return {};
    return tr("the settings store %1 could not be written: what was changed in this run is not "
              "kept (%2)")
        .arg(store::TSettingsStore::User().FilePath(), lost);
}
