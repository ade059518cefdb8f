// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every seam of the program a test controls, installed by one object for the length of a
// test and put back by its destructor, so that no test leaks one into the next: now, the
// program's directory, the settings store's file and SQLite layer, the tray's notification
// area, the message boxes, the URL handler, the end of the event loop, the millisecond
// counter, the web host, the user's configuration and data folders and the connect
// time-out. TestMain also puts every seam back before each test.

#include "common/DateTime.h"
#include "shell/TrayIcon.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// What the icon asked of the notification area, and whether the area refuses.
struct TTrayRecord {
    bool Shown = false;
    QString Tip;
    QIcon Image;
    int Adds = 0, Modifies = 0, Deletes = 0;
    QStringList Balloons; // "title: text"
    bool RefuseAdd = false, RefuseDelete = false;
};

class TTestSeams {
public:
    // Time stands still at Now; error and message boxes, opened pages, requests to end the
    // program and the tray are recorded; the store and autostart entries live in a folder of the
    // test's own; a connect gives up after a short time.
    TTestSeams();
    ~TTestSeams(); // not copied: it owns a folder

    // Every seam back to the program's own.
    static void Reset();

    QString ConfigPath(const QString& relative) const { return Config.filePath(relative); }

    QTemporaryDir Config;
    TDateTime Now = 0;
    QStringList Errors;
    QStringList Messages;
    QStringList OpenedUrls;
    int Quits = 0; // the event loop is never really ended: later tests still run theirs
    // What the desktop's notification service was sent, "summary: body"; it takes them
    // unless NotificationsRefused (then the tray's balloon shows them).
    QStringList Notifications;
    bool NotificationsRefused = false;
    std::shared_ptr<TTrayRecord> Tray = std::make_shared<TTrayRecord>();

    static constexpr int ConnectTimeOut = 400; // ms, instead of 5000
};
