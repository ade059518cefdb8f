// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/Pickers.h"

#include "widgets/ErrorGuard.h"

#include <QLocale>

QString WithoutTimeZone(QString format) {
    // A run of 't' (the zone) at the end, then at the start, goes with the spaces around it.
    const auto isSpace = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    const auto isZone = [](QChar c) { return c == u't'; };
    auto skipBack = [&](qsizetype end, auto pred) {
        while (end > 0 && pred(format[end - 1]))
            --end;
        return end;
    };
    if (const qsizetype zone = skipBack(format.size(), isSpace), from = skipBack(zone, isZone);
        from < zone)
        format.truncate(skipBack(from, isSpace));
    auto skipFore = [&](qsizetype from, auto pred) {
        while (from < format.size() && pred(format[from]))
            ++from;
        return from;
    };
    if (const qsizetype zone = skipFore(0, isSpace), to = skipFore(zone, isZone); to > zone)
        format.remove(0, skipFore(to, isSpace));
    return format;
}

namespace {

// The system's long time format, without the time zone (a picker holds local time).
QString TimeFormat() {
    const QString format = WithoutTimeZone(QLocale::system().timeFormat(QLocale::LongFormat));
    return format.isEmpty() ? QStringLiteral("HH:mm:ss") : format;
}

} // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateTimeEdit(parent) {
    setMinimumDateTime(QDateTime(QDate(1, 1, 1), QTime(0, 0)));
    setMaximumDateTime(QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)));
    SetKind(TKind::Date);
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &TDateTimePicker::UserChanged);
}

void TDateTimePicker::SetKind(TKind kind) {
    Kind = kind;
    Showing = true;
    if (kind == TKind::Date) {
        setDisplayFormat(QLocale::system().dateFormat(QLocale::LongFormat));
        setCalendarPopup(true);
    } else {
        setDisplayFormat(TimeFormat());
        setCalendarPopup(false);
    }
    Showing = false;
    ShowValue();
}

void TDateTimePicker::SetDateTime(TDateTime value) {
    Value = value;
    ShowValue();
}

void TDateTimePicker::SetTime(TDateTime time) {
    Value = common::ReplaceTime(Value, time);
    ShowValue();
}

void TDateTimePicker::ShowValue() {
    const QDateTime shown = common::ToQDateTime(Value);
    if (!shown.isValid())
        return;
    Showing = true;
    setDateTime(shown);
    Showing = false;
}

void TDateTimePicker::UserChanged(const QDateTime& shown) {
    if (Showing)
        return;
    if (Kind == TKind::Date)
        Value = common::ReplaceTime(common::FromQDate(shown.date()), Value);
    else
        Value = common::ReplaceTime(Value, common::FromQTime(shown.time()));
}

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

void TComboBox::showPopup() {
    bool open = true;
    if (OnDropDown && !widgets::Guarded([&] { open = OnDropDown(); }))
        open = false;
    // The handler may have run the event loop; the dialog may be gone from the screen.
    if (open && isVisible())
        QComboBox::showPopup();
}
