// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar files (.ics) as the tests write them.

#include <QByteArray>

// A calendar around the given components.
inline QByteArray Calendar(const char* body) {
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n") + body +
           "END:VCALENDAR\r\n";
}

// A zone of the file's own, as a calendar program that has no IANA names writes it.
inline const char* const OwnZone = "BEGIN:VTIMEZONE\r\nTZID:Central Europe (own)\r\n"
                                   "BEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
                                   "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                                   "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                                   "BEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\n"
                                   "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                                   "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\n"
                                   "END:VTIMEZONE\r\n";
