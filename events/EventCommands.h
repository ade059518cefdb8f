// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that give a clock its event from the window: the Event dialog, and a
// calendar file picked or dropped on the clock. Each hands the new event on; Cancel changes
// nothing, and a file that cannot be taken throws its reason before anything changes.

#include "events/Event.h"

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

class TEventCommands : public QObject {
public:
    using TTake = std::function<void(const events::TEvent&)>;
    using TDropped = std::function<void(const QString&)>;
    // Takes the calendar files dropped on the owner, handing each to dropped (under the
    // shared guard).
    TEventCommands(QWidget* owner, TTake take, TDropped dropped);

    // current: the clock's event as it stands; onTop: the dialogs stay on top as the clock.
    void Edit(const events::TEvent& current, bool onTop) const;
    void PickFile(const events::TEvent& current, bool onTop) const;
    // The file's events listed, one picked: it keeps the clock's choice after the end.
    void Import(const QString& path, const events::TEvent& current, bool onTop) const;
    // The calendar file a drag brings: its first local file, when it is named as one.
    static QString DroppedCalendar(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Owner;
    TTake Take;
    TDropped Dropped;
};
