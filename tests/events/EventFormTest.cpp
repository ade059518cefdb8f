// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventForm.h"
#include "events/ImportEventForm.h"
#include "support/Calendars.h"
#include "support/ClockTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace events;

namespace {

// An event as a calendar file gives it: a rule the dialog cannot say in words.
TEvent FromCalendar(const char* body) {
    return TCalendarFile(Calendar(body)).Pick().Event;
}

const std::string OwnZoneEvent = std::string(OwnZone) +
                                 "BEGIN:VEVENT\r\nUID:own\r\nSUMMARY:Own zone\r\n"
                                 "DTSTART;TZID=Central Europe (own):20260329T023000\r\n"
                                 "END:VEVENT\r\n";

std::string Show(const TEvent& e) {
    return QStringLiteral("%1 | %2 | %3 | %4 | %5")
        .arg(common::ToQDateTime(e.Start).toString(Qt::ISODateWithMs), e.Repeat, e.Zone, e.Name)
        .arg(int(e.AfterEnd))
        .toStdString();
}

TEvent Event(TDateTime start, const char* repeat, const char* zone = "", const char* name = "",
             TAfterEnd afterEnd = TAfterEnd::AsDesigned) {
    return {start, QString::fromUtf8(repeat), QString::fromUtf8(zone), QString::fromUtf8(name),
            afterEnd};
}

// Runs a dialog modally while act is performed on it from inside its loop.
template <class TDialog> int RunWith(TDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        act();
    });
    return dialog.ShowModal();
}

} // namespace

class TEventFormTest : public ClockTest {
public:
    TEventForm Dialog{nullptr};

    template <class T> T* Get(const char* name) {
        T* control = Dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // As the user picks from a list: the choice, then the list's report of it.
    void Pick(const char* box, QVariant data) {
        auto* list = Get<QComboBox>(box);
        const int index = list->findData(data);
        ASSERT_GE(index, 0) << box;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
};

// What the dialog is seeded with comes back exactly, whatever its rule, zone and end.
TEST_F(TEventFormTest, AnEventComesBackAsItWasSeeded) {
    const struct {
        const char* Name;
        TEvent Seeded;
        const char* Words; // what the repeat list shows
    } rows[] = {
        {"a one-off moment", Event(At(2026, 12, 24, 18, 0, 5), ""), "does not repeat"},
        {"every year, counting up",
         Event(At(2026, 12, 24, 18), "RRULE:FREQ=YEARLY", "Europe/Berlin", "Christmas",
               TAfterEnd::CountUp),
         "every year"},
        {"every month on the day until a date",
         Event(At(2026, 3, 14, 9, 30), "RRULE:FREQ=MONTHLY;UNTIL=20271231T235959"),
         "every month on the same day"},
        {"every month on the second Tuesday, 12 times, to the next",
         Event(At(2026, 3, 10, 8), "RRULE:FREQ=MONTHLY;BYDAY=2TU;COUNT=12", "", "",
               TAfterEnd::NextOccurrence),
         nullptr},
        {"weekly on three days",
         Event(At(2026, 3, 16, 7), "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR", "America/New_York"),
         nullptr},
        {"daily three times in UTC", Event(At(2026, 3, 16, 7), "RRULE:FREQ=DAILY;COUNT=3", "UTC"),
         "every day"},
        {"a calendar's rule with an exception",
         FromCalendar("BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Stand-up\r\n"
                      "DTSTART;TZID=Europe/Berlin:20260105T093000\r\nRRULE:FREQ=DAILY;COUNT=4\r\n"
                      "EXDATE;TZID=Europe/Berlin:20260106T093000\r\nEND:VEVENT\r\n"),
         "custom"},
        {"a calendar's own zone", FromCalendar(OwnZoneEvent.c_str()), "custom"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Dialog.SetEvent(row.Seeded);
        EXPECT_TRUE(Dialog.Event() == row.Seeded) << Show(Dialog.Event()) << "\n"
                                                  << Show(row.Seeded);
        if (row.Words)
            EXPECT_EQ(Get<QComboBox>("RepeatBox")->currentText().toStdString(), row.Words);
        EXPECT_EQ(Get<QComboBox>("ZoneBox")->currentText(),
                  row.Seeded.Zone.isEmpty() ? QStringLiteral("Local time") : row.Seeded.Zone);
    }
}

// The user's choices write the rule the words say.
TEST_F(TEventFormTest, TheUsersChoicesWriteTheRule) {
    const TEvent ownZone = FromCalendar(OwnZoneEvent.c_str());
    const QString ownDefinition =
        ownZone.Repeat.left(ownZone.Repeat.indexOf(QLatin1String("END:VTIMEZONE")) + 13);
    const struct {
        const char* Name;
        TEvent Seeded;
        std::function<void(TEventFormTest&)> Act;
        QString Repeat;
        TAfterEnd AfterEnd;
    } rows[] = {
        {"every month on the same weekday", Event(At(2026, 3, 10, 8), ""),
         [](TEventFormTest& t) { t.Pick("RepeatBox", int(TRepeatKind::MonthlyOnWeekday)); },
         "RRULE:FREQ=MONTHLY;BYDAY=2TU", TAfterEnd::AsDesigned},
        {"weekly starts on the start's weekday, and one more", Event(At(2026, 3, 10, 8), ""),
         [](TEventFormTest& t) {
             t.Pick("RepeatBox", int(TRepeatKind::Weekly));
             t.Get<QCheckBox>("Weekday4")->setChecked(true);
         },
         "RRULE:FREQ=WEEKLY;BYDAY=TU,TH", TAfterEnd::AsDesigned},
        {"yearly, five times", Event(At(2026, 12, 24, 18), ""),
         [](TEventFormTest& t) {
             t.Pick("RepeatBox", int(TRepeatKind::Yearly));
             t.Get<QComboBox>("EndsBox")->setCurrentIndex(2);
             t.Get<QSpinBox>("CountEdit")->setValue(5);
         },
         "RRULE:FREQ=YEARLY;COUNT=5", TAfterEnd::AsDesigned},
        {"daily until a date", Event(At(2026, 3, 10, 8), "RRULE:FREQ=DAILY"),
         [](TEventFormTest& t) {
             t.Get<QComboBox>("EndsBox")->setCurrentIndex(1);
             t.Get<QDateEdit>("UntilEdit")->setDate(QDate(2026, 4, 1));
         },
         "RRULE:FREQ=DAILY;UNTIL=20260401T235959", TAfterEnd::AsDesigned},
        {"no repeat leaves no next occurrence to count to",
         Event(At(2026, 3, 10, 8), "RRULE:FREQ=DAILY", "", "", TAfterEnd::NextOccurrence),
         [](TEventFormTest& t) { t.Pick("RepeatBox", int(TRepeatKind::Once)); }, "",
         TAfterEnd::AsDesigned},
        {"a custom rule replaced keeps its own zone", ownZone,
         [](TEventFormTest& t) { t.Pick("RepeatBox", int(TRepeatKind::Yearly)); },
         ownDefinition + "\nRRULE:FREQ=YEARLY", TAfterEnd::AsDesigned},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Dialog.SetEvent(row.Seeded);
        row.Act(*this);
        EXPECT_EQ(Dialog.Event().Repeat.toStdString(), row.Repeat.toStdString());
        EXPECT_EQ(Dialog.Event().AfterEnd, row.AfterEnd);
        const auto* afterEnd =
            qobject_cast<QStandardItemModel*>(Get<QComboBox>("AfterEndBox")->model());
        EXPECT_EQ(afterEnd->item(int(TAfterEnd::NextOccurrence))->isEnabled(),
                  !row.Repeat.isEmpty());
    }
}

// OK takes only an event whose moments can be worked out; the dialog stays open otherwise.
TEST_F(TEventFormTest, OkIsRefusedForABadEvent) {
    const struct {
        const char* Name;
        TEvent Seeded;
        int Result;
    } rows[] = {
        {"a good event", Event(At(2026, 12, 24, 18), "RRULE:FREQ=YEARLY"), 1},
        {"a rule libical refuses", Event(At(2026, 12, 24, 18), "RRULE:FREQ=SOMETIMES"), 2},
        {"an unknown zone", Event(At(2026, 12, 24, 18), "", "Mars/Olympus"), 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Messages.clear();
        Dialog.SetEvent(row.Seeded);
        const int result = RunWith(Dialog, [this] {
            Get<QPushButton>("OKButton")->click();
            if (Dialog.isVisible())
                Get<QPushButton>("CancelButton")->click();
        });
        EXPECT_EQ(result, row.Result);
        EXPECT_EQ(Messages.size(), row.Result == 1 ? 0 : 1);
    }
    EXPECT_EQ(RunWith(Dialog, [this] { QTest::keyClick(&Dialog, Qt::Key_Escape); }), 2);
    EXPECT_EQ(RunWith(Dialog, [this] { Dialog.close(); }), 2);
}

class TImportEventFormTest : public ClockTest {};

// The file's coming events, soonest first; past one-offs left out, problems not pickable.
TEST_F(TImportEventFormTest, ComingEventsSoonestFirstProblemsShownDisabled) {
    const TCalendarFile file(
        Calendar("BEGIN:VEVENT\r\nUID:late\r\nSUMMARY:Late\r\nDTSTART:20270101T000000Z\r\n"
                 "END:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:past\r\nSUMMARY:Past\r\nDTSTART:20200101T000000Z\r\n"
                 "END:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:nostart\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:soon\r\nDTSTART:20260102T000000Z\r\nEND:VEVENT\r\n"));
    TImportEventForm dialog(nullptr, file,
                            QDateTime(QDate(2026, 1, 1), QTime(12, 0), QTimeZone::utc()));
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("EventList"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_TRUE(list && ok);
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0) +
                    (list->topLevelItem(i)->isDisabled() ? QStringLiteral(" (disabled)") : "");
    EXPECT_EQ(rows.join(", ").toStdString(), "(no name), Late, No start (disabled)");
    EXPECT_TRUE(list->topLevelItem(2)->text(1).contains("no start"));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(ok->isEnabled());
    list->clearSelection();
    EXPECT_FALSE(ok->isEnabled());

    EXPECT_EQ(RunWith(dialog,
                      [&] {
                          ok->click();
                          if (dialog.isVisible())
                              dialog.reject();
                      }),
              2)
        << "nothing picked";
    EXPECT_EQ(RunWith(dialog,
                      [&] {
                          list->setCurrentItem(list->topLevelItem(1));
                          ok->click();
                      }),
              1);
    ASSERT_TRUE(dialog.Picked());
    EXPECT_EQ(dialog.Picked()->Name, "Late");
    EXPECT_EQ(RunWith(dialog,
                      [&] {
                          emit list->itemDoubleClicked(list->topLevelItem(0), 0);
                          if (dialog.isVisible())
                              dialog.reject();
                      }),
              1);
    ASSERT_TRUE(dialog.Picked());
    EXPECT_EQ(dialog.Picked()->Start, file.Pick("soon").Event.Start);
    EXPECT_EQ(RunWith(dialog, [&] { dialog.reject(); }), 2);
    EXPECT_FALSE(dialog.Picked());
}
