// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog in which the user picks one event of a calendar file: its coming events by
// name and next occurrence, soonest first; past one-off events are left out, and events
// that cannot become a clock's event are shown, not pickable, with the reason.

#include "events/CalendarFile.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class TImportEventForm;
}

class TImportEventForm : public QDialog {
    Q_OBJECT
public:
    // The file's events as they stand at now; the dialog keeps its own copies.
    TImportEventForm(QWidget* owner, const events::TCalendarFile& file, const QDateTime& now);
    ~TImportEventForm() override;

    // Modal run: 1 for OK (or a double-click on an event), 2 for Cancel, Esc or the close box.
    int ShowModal();
    void SetStayOnTop(bool onTop);
    // The event picked by the last OK; nullopt after Cancel.
    std::optional<events::TEvent> Picked() const { return Chosen; }

private:
    void Accept();
    void ShowPickable();
    std::optional<std::size_t> Current() const;

    std::unique_ptr<Ui::TImportEventForm> ui;
    std::vector<events::TEvent> Offered; // by the index each row holds
    std::optional<events::TEvent> Chosen;
};
