// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock window's side of the per-user store: the settings of the clock on show, the
// retry each second while another process holds the store, what the user is told once about
// what is kept, and the clock's start-up entry.

#include "store/ClockSettings.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QTimer;

class TClockStore : public QObject {
    Q_OBJECT
public:
    struct THandlers {
        // Values of the group were read late (the retry): the window applies them.
        std::function<void(store::TGroup)> Read;
        // A value of the wrong type read late at start-up: the program ends, as it does
        // when it is read at once.
        std::function<void()> End;
    };
    TClockStore(QObject* parent, THandlers handlers);

    // The clock on show from now on; its settings keep what the one before could not save.
    void Activate(int clock);
    const std::shared_ptr<store::TClockSettings>& Active() const { return Keeper.Active(); }
    // Whether the clock starts at log-on (its start-up entry exists).
    bool StartsAtLogOn() const;

    // A saving moment: the clock's values land whole or wait (the settings decide what may
    // be written); the start-up entry, a file of its own, is written or removed.
    store::TSaved Save(bool startAtLogOn);
    // Runs the retry only while something is unread or waits: an idle clock wakes once a
    // second, no more.
    void UpdateRetry();
    // What the store has to say (a damaged file kept aside, a store that cannot be written
    // or read) and the clock's own notices, each once; empty when nothing is new.
    QString TakeNotices();
    // A notice of the clock's own, told with the store's.
    void Tell(const QString& notice) { Notices << notice; }
    // The changes that could not land in the whole run, for the exit: empty when none.
    QString NotKeptNotice() const;

    // The clock activated at start-up, until the user switches.
    bool StartupClock = true;

private:
    void RetryTimer();

    THandlers Handlers;
    store::TClockSettingsKeeper Keeper;
    QTimer* Retry;
    int ActiveClock = 0;
    QStringList Notices; // the clock's own notices, not told yet
    bool EntryFailed = false;
};
