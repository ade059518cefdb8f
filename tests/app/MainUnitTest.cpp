// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainUnit.h"
#include "presets/DateTimePick.h"
#include "presets/Pickers.h"
#include "shell/TrayIcon.h"
#include "store/Registry.h"
#include "support/ClockTest.h"
#include "widgets/PaintBox.h"

#include <QLocale>
using store::TRegistry;

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

class MainUnitTest : public ClockTest {
protected:
    std::unique_ptr<TMainForm> Make(const QStringList& args = {}) {
        return std::make_unique<TMainForm>(args);
    }
    static std::vector<int> Tags(const TMainForm& f) {
        return {f.DaysPaint->Tag, f.HoursPaint->Tag, f.MinutesPaint->Tag, f.SecondsPaint->Tag};
    }
};

// The end of a countdown and a first start are told the user once; a screen reader hears
// the time left.
class MainUnitTest_Tell : public MainUnitTest {
protected:
    std::unique_ptr<TMainForm> Counting(double seconds, bool notify = true) {
        TRegistry reg;
        EXPECT_TRUE(reg.OpenKey("Software\\Korvane5\\0", true)); // no first-start hint
        reg.WriteFloat("CustomDateTime", Now + seconds * Second);
        if (!notify)
            reg.WriteInteger("NotifyAtEnd", 0);
        auto form = Make();
        form->show();
        return form;
    }
    void Run(TMainForm& form, int seconds) {
        for (int i = 0; i < seconds; ++i) {
            Now += Second;
            form.SecTimerTimer();
        }
    }
    QString Ended(double at) const {
        const QDateTime moment = common::ToQDateTime(at);
        return "Clock 1: The countdown to " +
               QLocale().toString(moment.date(), QLocale::LongFormat) + " " +
               QLocale().toString(moment.time(), QLocale::ShortFormat) + " has ended.";
    }
};

TEST_F(MainUnitTest_Tell, AReachedCountdownIsToldOnceAndOnlyThen) {
    const double target = Now + 3 * Second;
    auto form = Counting(3);
    Run(*form, 2);
    EXPECT_TRUE(Notifications.isEmpty());
    Run(*form, 5);
    EXPECT_EQ(Notifications, QStringList{Ended(target)}); // once, at the target
    // A new target taken from the pickers and reached later is a new end.
    form->EnsureDateTimeDialog()->DatePicker->SetDateTime(Now + 2 * Second);
    form->DateTimeDialog->TimePicker->SetTime(Now + 2 * Second);
    form->TargetDateTime = Now - Second;
    Run(*form, 4);
    EXPECT_EQ(Notifications.size(), 2);
    // A target between two ticks is named as it was, not as the tick that found it passed.
    const double between = Now + 1.5 * Second;
    form->TargetDateTime = between;
    Run(*form, 3);
    EXPECT_EQ(Notifications.size(), 3);
    EXPECT_EQ(Notifications.value(2), Ended(between));

    const struct {
        const char* Name;
        std::function<std::unique_ptr<TMainForm>()> Start;
    } silent[] = {{"a target passed before the start", [this] { return Counting(-5); }},
                  {"NotifyAtEnd 0", [this] { return Counting(3, false); }}};
    for (const auto& row : silent) {
        Notifications.clear();
        auto quiet = row.Start();
        Run(*quiet, 8);
        EXPECT_TRUE(Notifications.isEmpty()) << row.Name;
    }
}

TEST_F(MainUnitTest_Tell, WithoutANotificationServiceTheTrayIconSaysIt) {
    NotificationsRefused = true;
    auto form = Counting(1);
    Run(*form, 2);
    EXPECT_EQ(Tray->Balloons.size(), 1);
    form->HideTrayIconClick(); // no icon: nobody to say it
    form->TargetDateTime = Now + Second;
    Run(*form, 3);
    QApplication::processEvents();
    EXPECT_EQ(Tray->Balloons.size(), 1);
}

TEST_F(MainUnitTest_Tell, AnEventsNameIsInTheEndsMessageAndTheToolTip) {
    {
        TRegistry reg;
        EXPECT_TRUE(reg.OpenKey("Software\\Korvane5\\0", true));
        reg.WriteString("EventName", "Christmas");
        reg.WriteInteger("AfterEnd", 1); // counting up
    }
    auto form = Counting(2);
    EXPECT_EQ(form->TrayIcon->Hint(), "Clock 1 — Christmas");
    Run(*form, 3);
    EXPECT_EQ(Notifications, QStringList{"Clock 1: Christmas — the countdown has ended"});
    EXPECT_EQ(form->TrayIcon->Hint(), "Clock 1 — since Christmas");
    EXPECT_EQ(Tags(*form), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(form->accessibleDescription(), "Less than a minute since the end");
}

TEST_F(MainUnitTest_Tell, AnEventThatCannotBeWorkedOutIsSaidAndCountsToItsFirstMoment) {
    {
        TRegistry reg;
        EXPECT_TRUE(reg.OpenKey("Software\\Korvane5\\0", true));
        reg.WriteString("Repeat", "RRULE:FREQ=SOMETIMES"); // written by hand
    }
    auto form = Counting(5);
    form->ReportStoreNotice(); // as at start-up, once the window shows
    ASSERT_FALSE(Messages.isEmpty());
    EXPECT_TRUE(Messages.last().startsWith("The event of clock 1 cannot be worked out ("))
        << Messages.last().toStdString();
    Run(*form, 2);
    EXPECT_EQ(Tags(*form), (std::vector<int>{0, 0, 0, 3}));
}

TEST_F(MainUnitTest, ACalendarFileDroppedOnTheClockIsTakenAndOnlyThat) {
    auto form = Make();
    const double target = form->TargetDateTime;
    QFile file(ConfigPath("notes.ics"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just notes");
    file.close();
    const struct {
        const char* Name;
        QList<QUrl> Urls;
        bool Taken;
    } rows[] = {
        {"a file named as a calendar", {QUrl::fromLocalFile(file.fileName())}, true},
        {"named in capitals, the first of two",
         {QUrl::fromLocalFile(ConfigPath("A.ICS")), QUrl::fromLocalFile("/b.ics")},
         true},
        {"another kind of file", {QUrl::fromLocalFile(ConfigPath("notes.txt"))}, false},
        {"not a local file", {QUrl("https://example.org/a.ics")}, false},
        {"no file at all", {}, false},
    };
    for (const auto& row : rows) {
        QMimeData data;
        data.setUrls(row.Urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), row.Taken) << row.Name;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &drop);
    }
    // Each file taken is read: one is no calendar, the other is not there; each is refused
    // with its reason, and nothing of the event changed.
    ASSERT_EQ(Errors.size(), 2);
    EXPECT_EQ(Errors[0], "this is not a calendar file (iCalendar, .ics)");
    EXPECT_TRUE(Errors[1].startsWith("cannot read ")) << Errors[1].toStdString();
    EXPECT_EQ(form->TargetDateTime, target);
}

TEST_F(MainUnitTest_Tell, AFirstStartExplainsItselfOnce) {
    {
        auto form = Make();
        EXPECT_TRUE(Notifications.isEmpty()); // not before the window shows
        form->show();
        EXPECT_EQ(
            Notifications,
            QStringList{"Clock 1: Right-click the clock to choose the moment to count down to."});
    }
    auto again = Make();
    again->show();
    EXPECT_EQ(Notifications.size(), 1);
    again->ClockItem(3)->trigger(); // a clock never saved explains itself too
    EXPECT_EQ(Notifications.size(), 2);
}

TEST_F(MainUnitTest_Tell, AScreenReaderHearsTheTimeLeftOnceAMinute) {
    auto form = Counting(2 * 3600 + 61);
    EXPECT_EQ(form->accessibleName(), "Korvane5, Clock 1");
    EXPECT_EQ(form->accessibleDescription(), "2 hours and 1 minute left");
    Run(*form, 1);
    EXPECT_EQ(form->accessibleDescription(), "2 hours and 1 minute left");
}

TEST(MainUnitTest_ClockNumber, CommandLineIsDecimalAndClamped) {
    EXPECT_EQ(ClockNumberFromArguments({}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"3"}), 3);
    EXPECT_EQ(ClockNumberFromArguments({"+3", "1"}), 3);
    EXPECT_EQ(ClockNumberFromArguments({"-2"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"abc"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"9"}), 4);
    EXPECT_EQ(ClockNumberFromArguments({"3x"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({" 3"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"0x3"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({""}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"+"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"3\n"}), 3);
    EXPECT_EQ(ClockNumberFromArguments({"\n"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({QString::fromUtf8("\u0663")}), 0); // a non-ASCII 3
    // Beyond 32 bits the conversion fails, so clock 0 rather than clock 4.
    EXPECT_EQ(ClockNumberFromArguments({"99999999999"}), 0);
}

TEST_F(MainUnitTest, StartsTheClockTheCommandLineNames) {
    for (const auto& [arg, clock] :
         std::vector<std::pair<QString, int>>{{"", 0}, {"3", 3}, {"-2", 0}, {"abc", 0}, {"9", 4}}) {
        auto form = Make(arg.isEmpty() ? QStringList{} : QStringList{arg});
        EXPECT_EQ(form->ClockIndex, clock) << arg.toStdString();
        EXPECT_EQ(form->ClockKey, QString::number(clock) + "\\");
        for (int i = 0; i < TMainForm::ClockCount; ++i) {
            EXPECT_EQ(form->ClockItem(i)->isChecked(), i == clock);
            EXPECT_EQ(form->ClockItem(i)->text(), QString("Clock %1").arg(i + 1));
        }
    }
}

TEST_F(MainUnitTest, WindowIsTheDesignedBorderlessClock) {
    auto form = Make();
    EXPECT_EQ(form->windowTitle(), "Korvane5");
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->size(), QSize(250, 90));
    EXPECT_EQ(form->Back->geometry(), QRect(0, 0, 250, 90));
    EXPECT_EQ(form->DaysPaint->geometry(), QRect(78, 29, 66, 46));
    EXPECT_EQ(form->HoursPaint->geometry(), QRect(124, 29, 52, 46));
    EXPECT_EQ(form->MinutesPaint->geometry(), QRect(160, 29, 52, 46));
    EXPECT_EQ(form->SecondsPaint->geometry(), QRect(196, 29, 52, 46));
    EXPECT_EQ(form->font().family(), "Times New Roman");
    EXPECT_EQ(form->font().pixelSize(), 24);
    EXPECT_TRUE(form->font().bold());
    EXPECT_TRUE(form->SecTimer->isActive());
    EXPECT_EQ(form->SecTimer->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(form->RandomTimer->interval(), 300000);
    // Mouse events anywhere on the window reach the window itself.
    EXPECT_EQ(form->childAt(100, 50), nullptr);
    EXPECT_EQ(form->childAt(5, 5), nullptr);
}

TEST_F(MainUnitTest, SecondsTurnJustAfterTheWallClocksSecond) {
    auto form = Make();
    const TDateTime second = Now;
    form->TargetDateTime = second + 20 * Second;
    // Each row: where the wall clock stands when a tick reads it (its own phase or a step
    // of the clock), the seconds shown and the wait the tick sets for the next one.
    struct Row {
        double At; // seconds after `second`
        int Shown, Wait;
    };
    const Row rows[] = {{0.300, 19, 702},  {1.002, 18, 1000}, {2.002, 17, 1000},
                        {2.999, 17, 3},    {3.002, 16, 1000}, // a tick a moment early
                        {4.452, 15, 550},  {5.002, 14, 1000}, // the clock stepped ahead
                        {4.900, 15, 102},  {5.002, 14, 1000}, // and back
                        {19.002, 0, 1000}, {20.000, 0, 1002}};
    for (const Row& row : rows) {
        Now = second + row.At * Second;
        form->SecTimerTimer();
        EXPECT_EQ(form->SecondsPaint->Tag, row.Shown) << row.At;
        EXPECT_EQ(form->SecTimer->interval(), row.Wait) << row.At;
        EXPECT_TRUE(form->SecTimer->isActive());
    }
}

// The dialog is made only when first needed; until then the pickers' initial moments count.
TEST_F(MainUnitTest, UntouchedPickersGiveTheirInitialMomentWithOrWithoutTheDialog) {
    for (bool made : {false, true}) {
        Now = At(2002, 10, 9, 12, 0, 0);
        auto form = Make();
        EXPECT_EQ(form->DateTimeDialog, nullptr) << "made before it was needed";
        if (made)
            form->EnsureDateTimeDialog();
        form->TargetDateTime = 0;
        form->SecTimerTimer();
        EXPECT_EQ(form->TargetDateTime, At(2002, 10, 10, 19, 0, 0)) << made;
        EXPECT_EQ(Tags(*form), (std::vector<int>{1, 7, 0, 0})) << made;
    }
}

TEST_F(MainUnitTest, PassedTargetTakesThePickersDateWithTheTimePickersTime) {
    auto form = Make();
    // What a cancelled dialog leaves behind: a later date in the date picker.
    form->EnsureDateTimeDialog()->DatePicker->SetDateTime(At(2026, 3, 20, 1, 0, 0));
    form->DateTimeDialog->TimePicker->SetDateTime(At(2001, 1, 1, 8, 30, 0));
    form->TargetDateTime = Now + 10 * Second;
    form->SecTimerTimer();
    EXPECT_EQ(form->SecondsPaint->Tag, 10); // unchanged until the target is reached
    Now += 11 * Second;
    form->SecTimerTimer();
    EXPECT_EQ(form->TargetDateTime, At(2026, 3, 20, 8, 30, 0));
    EXPECT_EQ(form->DaysPaint->Tag, 5);
    EXPECT_EQ(form->HoursPaint->Tag, 22);
    EXPECT_EQ(form->MinutesPaint->Tag, 29);
    EXPECT_EQ(form->SecondsPaint->Tag, 49);
}

class MainUnitTest_Menu : public ClockTest {
protected:
    void SetUp() override {
        ClockTest::SetUp();
        Form = std::make_unique<TMainForm>(QStringList{});
        Form->move(100, 100);
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }
    void TearDown() override {
        Form.reset();
        ClockTest::TearDown();
    }
    // Runs a menu command whose dialog is modal; act runs inside the dialog's loop.
    void WhileModal(const std::function<void()>& command, const std::function<void()>& act) {
        QTimer::singleShot(0, Form.get(), act);
        command();
    }
    std::unique_ptr<TMainForm> Form;
};

TEST_F(MainUnitTest_Menu, ItemsAsDesigned) {
    QStringList captions;
    for (QAction* a : Form->PopupMenu->actions())
        captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions, (QStringList{"Select &Clock", "Choose &Date/Time...", "Choose &Skin...",
                                     "R&andom Skin Change Time", "&Opacity", "-",
                                     "&Run This Clock At Startup", "S&tick To Desktop",
                                     "A&lways On Top", "&Hide Tray Icon", "-", "A&bout...", "E&xit",
                                     "-", "E&vent...", "&Import Event..."}));
    QStringList minutes;
    QList<int> minuteTags, alphaTags;
    for (QAction* a : Form->RandomSkinChangeTime->actions()) {
        minutes << a->text();
        minuteTags << a->data().toInt();
    }
    EXPECT_EQ(minutes, (QStringList{"&5 Minutes", "&10 Minutes", "&20 Minutes", "&30 Minutes",
                                    "&60 Minutes"}));
    EXPECT_EQ(minuteTags, (QList<int>{5, 10, 20, 30, 60}));
    for (QAction* a : Form->Opacity->actions())
        alphaTags << a->data().toInt();
    EXPECT_EQ(alphaTags, (QList<int>{51, 102, 153, 204, 255}));
    EXPECT_EQ(Form->N100Opacity->text(), "&100 Percent");
    EXPECT_TRUE(Form->N5Minutes->isChecked());
    EXPECT_TRUE(Form->N100Opacity->isChecked());
    EXPECT_EQ(Form->Exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    for (QAction* a : {Form->ChooseDateTime, Form->ChooseSkin1, Form->About1, Form->Exit,
                       Form->SelectClock->menuAction()})
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    EXPECT_EQ(Form->ChooseDateTime->icon().cacheKey(), Form->ImageList[0].cacheKey());
    EXPECT_EQ(Form->Exit->icon().cacheKey(), Form->ImageList[2].cacheKey());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(QImage(QString(":/images/menu%1.png").arg(i)).size(), QSize(16, 16));
    // The tray's item, taken from this menu, still runs its command: with no icon to turn
    // it off again, letting clicks through is refused.
    Form->HideTrayIconClick();
    Form->ClickThrough->trigger();
    EXPECT_FALSE(Form->ClickThrough->isChecked());
}

TEST_F(MainUnitTest_Menu, RightClickAnywhereOpensTheMenuAtTheCursor) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 50),
                            Form->mapToGlobal(QPoint(200, 50)));
    QApplication::sendEvent(Form.get(), &event);
    EXPECT_TRUE(Form->PopupMenu->isVisible());
    EXPECT_EQ(Form->PopupMenu->pos(), Form->mapToGlobal(QPoint(200, 50)));
    Form->PopupMenu->hide();
}

TEST_F(MainUnitTest_Menu, OptionItemsToggleOncePerClick) {
    for (QAction* option :
         {Form->RunStartup, Form->StickToDesktop, Form->AlwaysOnTop, Form->HideTrayIcon}) {
        option->trigger();
        EXPECT_TRUE(option->isChecked()) << option->text().toStdString();
        option->trigger();
        EXPECT_FALSE(option->isChecked()) << option->text().toStdString();
    }
}

TEST_F(MainUnitTest_Menu, LeftDragMovesTheWindowUnlessStuck) {
    const QPoint start = Form->pos();
    QTest::mousePress(Form.get(), Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseMove(Form.get(), QPoint(50, 45));
    EXPECT_EQ(Form->pos(), start + QPoint(20, 5));
    QTest::mouseRelease(Form.get(), Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(Form->DragX, -1);

    Form->StickToDesktop->trigger();
    QTest::mousePress(Form.get(), Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseMove(Form.get(), QPoint(80, 80));
    QTest::mouseRelease(Form.get(), Qt::LeftButton, {}, QPoint(80, 80));
    EXPECT_EQ(Form->pos(), start + QPoint(20, 5));

    Form->StickToDesktop->trigger();
    Form->FormMouseDown(Qt::LeftButton, 10, 10);
    Form->FormMouseMove(11, 12);
    EXPECT_EQ(Form->pos(), start + QPoint(21, 7));
}

TEST_F(MainUnitTest_Menu, StickingEndsADragUnderWay) {
    Form->FormMouseDown(Qt::LeftButton, 10, 10);
    Form->StickToDesktopClick();
    EXPECT_EQ(Form->DragX, -1);
    const QPoint at = Form->pos();
    Form->FormMouseMove(50, 50);
    EXPECT_EQ(Form->pos(), at);
}

TEST_F(MainUnitTest_Menu, RightButtonNeitherStartsNorEndsADrag) {
    Form->FormMouseDown(Qt::RightButton, 10, 10);
    EXPECT_EQ(Form->DragX, -1);
    Form->FormMouseDown(Qt::LeftButton, 10, 10);
    Form->FormMouseUp(Qt::RightButton, 10, 10);
    EXPECT_EQ(Form->DragX, 10);
    EXPECT_EQ(Form->DragY, 10);
}

TEST_F(MainUnitTest_Menu, OpacityItemsSetAlphaAndBlending) {
    Form->N80Opacity->trigger();
    EXPECT_EQ(Form->AlphaBlendValue(), 204);
    EXPECT_TRUE(Form->AlphaBlend());
    EXPECT_NEAR(Form->windowOpacity(), 0.8, 0.01);
    Form->N100Opacity->trigger();
    EXPECT_FALSE(Form->AlphaBlend());
    EXPECT_EQ(Form->windowOpacity(), 1.0);
    EXPECT_FALSE(Form->N80Opacity->isChecked());
}

TEST_F(MainUnitTest_Menu, ChoosingTheCheckedIntervalRestartsTheWait) {
    Form->N20Minutes->trigger();
    EXPECT_EQ(Form->RandomTimer->interval(), 20 * 60000);
    QTest::qWait(300);
    const int before = Form->RandomTimer->remainingTime();
    Form->N20Minutes->trigger();
    EXPECT_TRUE(Form->N20Minutes->isChecked());
    EXPECT_GT(Form->RandomTimer->remainingTime(), before + 200); // a new, full wait
    EXPECT_EQ(Form->RandomTimer->interval(), 20 * 60000);
}

TEST_F(MainUnitTest_Menu, AlwaysOnTopReachesTheWindowAndTheDateDialog) {
    Form->AlwaysOnTop->trigger();
    EXPECT_TRUE(Form->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Form->isVisible());
    bool dialogOnTop = false;
    WhileModal([&] { Form->ChooseDateTime->trigger(); },
               [&] {
                   dialogOnTop = Form->DateTimeDialog->windowFlags() & Qt::WindowStaysOnTopHint;
                   Form->DateTimeDialog->CancelButton->click();
               });
    EXPECT_TRUE(dialogOnTop);
    Form->AlwaysOnTop->trigger();
    EXPECT_FALSE(Form->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    WhileModal([&] { Form->ChooseDateTime->trigger(); },
               [&] {
                   dialogOnTop = Form->DateTimeDialog->windowFlags() & Qt::WindowStaysOnTopHint;
                   Form->DateTimeDialog->CancelButton->click();
               });
    EXPECT_FALSE(dialogOnTop);
}

TEST_F(MainUnitTest_Menu, DateDialogIsSeededAndOkTakesThePickedMoment) {
    Form->TargetDateTime = Now + 2.5;
    TDateTime seededDate = 0, seededTime = 0;
    WhileModal([&] { Form->ChooseDateTimeClick(); },
               [&] {
                   seededDate = Form->DateTimeDialog->DatePicker->DateTime();
                   seededTime = Form->DateTimeDialog->TimePicker->DateTime();
                   Form->DateTimeDialog->TimePicker->SetTime(At(2000, 1, 1, 23, 0, 0));
                   Form->DateTimeDialog->OKButton->click();
               });
    EXPECT_EQ(seededDate, Now + 2.5);
    EXPECT_DOUBLE_EQ(common::TimeOf(seededTime), common::TimeOf(Now + 2.5));
    EXPECT_DOUBLE_EQ(Form->TargetDateTime, At(2026, 3, 16, 23, 0, 0));
    EXPECT_EQ(Form->DaysPaint->Tag, 2);
    EXPECT_EQ(Form->HoursPaint->Tag, 13);
}

TEST_F(MainUnitTest_Menu, OkOnAPastMomentStandsAtZero) {
    Form->TargetDateTime = Now + 1;
    WhileModal([&] { Form->ChooseDateTimeClick(); },
               [&] {
                   Form->DateTimeDialog->DatePicker->SetDateTime(Now - 3);
                   Form->DateTimeDialog->OKButton->click();
               });
    EXPECT_EQ(Form->TargetDateTime, Now);
    EXPECT_EQ(Form->DaysPaint->Tag + Form->HoursPaint->Tag + Form->MinutesPaint->Tag +
                  Form->SecondsPaint->Tag,
              0);
}

TEST_F(MainUnitTest_Menu, CancelTakesNothingButTheChoiceCountsWhenTheTargetPasses) {
    Form->TargetDateTime = Now + 10 * Second;
    WhileModal([&] { Form->ChooseDateTimeClick(); },
               [&] {
                   Form->DateTimeDialog->DatePicker->SetDateTime(Now + 4);
                   Form->DateTimeDialog->CancelButton->click();
               });
    EXPECT_EQ(Form->TargetDateTime, Now + 10 * Second);
    Now += 11 * Second;
    Form->SecTimerTimer();
    EXPECT_DOUBLE_EQ(Form->TargetDateTime,
                     common::DateOf(Now + 4) + common::TimeOf(Now - 11 * Second + 10 * Second));
    EXPECT_EQ(Form->DaysPaint->Tag, 3);
}
