// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog in which the user sets a clock's event: its name, first moment, repeat rule in
// words, time zone and what the clock does after the end. It never changes a clock itself:
// the owner seeds it with SetEvent and reads Event() back after OK. A rule it cannot say in
// words (one from a calendar file) is "custom" and kept as it is unless the user picks
// another choice.

#include "events/EventWords.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TEventForm;
}
class QCheckBox;

class TEventForm : public QDialog {
    Q_OBJECT
public:
    explicit TEventForm(QWidget* owner);
    ~TEventForm() override;

    // Seeds every control; Event() gives the same event back until the user changes one.
    void SetEvent(const events::TEvent& event);
    events::TEvent Event() const;

    // Modal run: 1 for OK, 2 for Cancel, Esc or the close box. OK is refused, with a
    // message, for an event whose moments cannot be worked out.
    int ShowModal();
    void SetStayOnTop(bool onTop);

private:
    void Accept();
    void RepeatPicked();
    void ShowChoices();
    void Relayout();
    events::TRepeatKind Kind() const;
    events::TRepeatChoice Choice() const;
    QDate StartDate() const;

    std::unique_ptr<Ui::TEventForm> ui;
    QCheckBox* Weekdays[7] = {};
    // The event's own rule while it is "custom".
    QString CustomRepeat;
    // A zone of the event's calendar file without an IANA name, and its VTIMEZONE block,
    // which every rule in that zone carries.
    QString OwnZone, OwnZoneDefinition;
};
