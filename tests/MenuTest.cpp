#include "Helpers.h"
#include "app/MainUnit.h"
#include "app/PaintBox.h"
#include "presets/DateTimePick.h"
#include "presets/Pickers.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

class MenuTest : public ClockTest {
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

TEST_F(MenuTest, ItemsAsDesigned) {
    QStringList captions;
    for (QAction* a : Form->PopupMenu->actions())
        captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions,
              (QStringList{"Select &Clock", "Choose &Date/Time...", "Choose &Skin...",
                           "R&andom Skin Change Time", "&Opacity", "-",
                           "&Run This Clock At Startup", "S&tick To Desktop", "A&lways On Top",
                           "&Hide Tray Icon", "-", "A&bout...", "E&xit"}));
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
}

TEST_F(MenuTest, RightClickAnywhereOpensTheMenuAtTheCursor) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 50),
                            Form->mapToGlobal(QPoint(200, 50)));
    QApplication::sendEvent(Form.get(), &event);
    EXPECT_TRUE(Form->PopupMenu->isVisible());
    EXPECT_EQ(Form->PopupMenu->pos(), Form->mapToGlobal(QPoint(200, 50)));
    Form->PopupMenu->hide();
}

TEST_F(MenuTest, OptionItemsToggleOncePerClick) {
    for (QAction* option :
         {Form->RunStartup, Form->StickToDesktop, Form->AlwaysOnTop, Form->HideTrayIcon}) {
        option->trigger();
        EXPECT_TRUE(option->isChecked()) << option->text().toStdString();
        option->trigger();
        EXPECT_FALSE(option->isChecked()) << option->text().toStdString();
    }
}

TEST_F(MenuTest, LeftDragMovesTheWindowUnlessStuck) {
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

TEST_F(MenuTest, StickingEndsADragUnderWay) {
    Form->FormMouseDown(Qt::LeftButton, 10, 10);
    Form->StickToDesktopClick();
    EXPECT_EQ(Form->DragX, -1);
    const QPoint at = Form->pos();
    Form->FormMouseMove(50, 50);
    EXPECT_EQ(Form->pos(), at);
}

TEST_F(MenuTest, RightButtonNeitherStartsNorEndsADrag) {
    Form->FormMouseDown(Qt::RightButton, 10, 10);
    EXPECT_EQ(Form->DragX, -1);
    Form->FormMouseDown(Qt::LeftButton, 10, 10);
    Form->FormMouseUp(Qt::RightButton, 10, 10);
    EXPECT_EQ(Form->DragX, 10);
    EXPECT_EQ(Form->DragY, 10);
}

TEST_F(MenuTest, OpacityItemsSetAlphaAndBlending) {
    Form->N80Opacity->trigger();
    EXPECT_EQ(Form->AlphaBlendValue(), 204);
    EXPECT_TRUE(Form->AlphaBlend());
    EXPECT_NEAR(Form->windowOpacity(), 0.8, 0.01);
    Form->N100Opacity->trigger();
    EXPECT_FALSE(Form->AlphaBlend());
    EXPECT_EQ(Form->windowOpacity(), 1.0);
    EXPECT_FALSE(Form->N80Opacity->isChecked());
}

TEST_F(MenuTest, ChoosingTheCheckedIntervalRestartsTheWait) {
    Form->N20Minutes->trigger();
    EXPECT_EQ(Form->RandomTimer->interval(), 20 * 60000);
    QTest::qWait(300);
    const int before = Form->RandomTimer->remainingTime();
    Form->N20Minutes->trigger();
    EXPECT_TRUE(Form->N20Minutes->isChecked());
    EXPECT_GT(Form->RandomTimer->remainingTime(), before + 200); // a new, full wait
    EXPECT_EQ(Form->RandomTimer->interval(), 20 * 60000);
}

TEST_F(MenuTest, AlwaysOnTopReachesTheWindowAndTheDateDialog) {
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

TEST_F(MenuTest, DateDialogIsSeededAndOkTakesThePickedMoment) {
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
    EXPECT_DOUBLE_EQ(platform::TimeOf(seededTime), platform::TimeOf(Now + 2.5));
    EXPECT_DOUBLE_EQ(Form->TargetDateTime, At(2026, 3, 16, 23, 0, 0));
    EXPECT_EQ(Form->DaysPaint->Tag, 2);
    EXPECT_EQ(Form->HoursPaint->Tag, 13);
}

TEST_F(MenuTest, OkOnAPastMomentStandsAtZero) {
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

TEST_F(MenuTest, CancelTakesNothingButTheChoiceCountsWhenTheTargetPasses) {
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
                     platform::DateOf(Now + 4) + platform::TimeOf(Now - 11 * Second + 10 * Second));
    EXPECT_EQ(Form->DaysPaint->Tag, 3);
}
