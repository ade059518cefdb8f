// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date/time dialog's controls: pickers that hold a full date-time value, and a
// drop-down list that reports when it is about to open.

#include "common/DateTime.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <functional>

// A time format without its time zone: a run of 't' at the end, then at the start, goes
// with the spaces around it.
QString WithoutTimeZone(QString format);

// Holds a whole date-time value and shows either its date or its time of day. The value
// is kept as the double itself, so seeding and reading back loses nothing.
class TDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    enum class TKind { Date, Time };

    explicit TDateTimePicker(QWidget* parent = nullptr);

    void SetKind(TKind kind);
    TDateTime DateTime() const { return Value; }
    void SetDateTime(TDateTime value);
    // Replaces only the time of day; the calendar date stays.
    void SetTime(TDateTime time);

private:
    void ShowValue();
    void UserChanged(const QDateTime& shown);

    TKind Kind = TKind::Date;
    TDateTime Value = 0;
    bool Showing = false;
};

// A list without a free-text field. OnDropDown runs before the list opens; when it
// returns false the list stays closed.
class TComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBox(QWidget* parent = nullptr);

    std::function<bool()> OnDropDown;

    void showPopup() override;
};
