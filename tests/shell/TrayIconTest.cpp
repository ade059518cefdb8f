// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TrayIcon.h"
#include "app/MainUnit.h"
#include "shell/AboutUnit.h"
#include "skins/SkinChooserUnit.h"
#include "store/Registry.h"
#include "support/ClockTest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtEndian>

namespace {

QString Chars(int n) {
    return QString(n, QLatin1Char('x'));
}

} // namespace

// The icon on its own, over the recording notification area.
class TrayIconTest : public ClockTest {
protected:
    void SetUp() override {
        ClockTest::SetUp();
        Window = std::make_unique<QWidget>();
        Icon = new TTrayIcon(Window.get());
    }
    void TearDown() override {
        Window.reset();
        ClockTest::TearDown();
    }
    std::unique_ptr<QWidget> Window;
    TTrayIcon* Icon;
};

// The program icon decodes its pictures only when asked; it must draw every size and look
// exactly as an icon holding all its pictures decoded would.
TEST_F(TrayIconTest, ProgramIconDrawsAsAnIconHoldingItsPictures) {
    QIcon held;
    for (int size : {16, 32, 48, 64, 128})
        held.addPixmap(QPixmap(QStringLiteral(":/images/icon%1.png").arg(size), "PNG"));
    const QIcon icon = ProgramIcon();
    EXPECT_EQ(icon.availableSizes(), held.availableSizes());
    for (int side : {8, 16, 22, 24, 32, 40, 48, 64, 100, 128, 256})
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
            SCOPED_TRACE(testing::Message() << side << " px, mode " << mode);
            const QImage mine = icon.pixmap(QSize(side, side), mode).toImage();
            EXPECT_EQ(mine, held.pixmap(QSize(side, side), mode).toImage());
            EXPECT_EQ(icon.actualSize(QSize(side, side)), mine.size());
            QImage painted(side, side, QImage::Format_ARGB32_Premultiplied);
            painted.fill(Qt::transparent);
            QImage expected = painted;
            {
                QPainter painter(&painted);
                icon.paint(&painter, painted.rect(), Qt::AlignCenter, mode);
            }
            {
                QPainter painter(&expected);
                held.paint(&painter, expected.rect(), Qt::AlignCenter, mode);
            }
            EXPECT_EQ(painted, expected);
        }
}

TEST_F(TrayIconTest, HintIsTakenOnlyWhenItChangesAndIsShorterThan64) {
    EXPECT_EQ(Tray->Adds, 0);
    EXPECT_FALSE(Icon->Visible());
    Icon->SetHint("Clock 1"); // stored; nothing reaches the area while the icon is not shown
    EXPECT_EQ(Tray->Modifies, 0);
    Icon->SetVisible(true);
    EXPECT_TRUE(Tray->Shown);
    EXPECT_EQ(Tray->Tip, "Clock 1");
    EXPECT_FALSE(Tray->Image.isNull());

    const int modifies = Tray->Modifies;
    Icon->SetHint("Clock 1");
    EXPECT_EQ(Tray->Modifies, modifies) << "an unchanged hint is ignored";
    Icon->SetHint(Chars(64));
    EXPECT_EQ(Icon->Hint(), "Clock 1") << "64 characters are too many";
    EXPECT_EQ(Tray->Modifies, modifies);
    Icon->SetHint(Chars(63));
    EXPECT_EQ(Tray->Tip, Chars(63));
    Icon->SetHint("");
    EXPECT_EQ(Tray->Tip, "");
    EXPECT_FALSE(Icon->Record().Flags & TNotifyIconData::Tip);
}

TEST_F(TrayIconTest, RefusalsAreErrorsAndVisibleKeepsTheValueWritten) {
    Tray->RefuseAdd = true;
    try {
        Icon->SetVisible(true);
        ADD_FAILURE() << "no error";
    } catch (const ETrayIconError& e) {
        EXPECT_EQ(e.Message(), "Cannot Create System Shell Notification Icon");
    }
    EXPECT_TRUE(Icon->Visible());
    Tray->RefuseAdd = false;
    Icon->SetVisible(true);
    EXPECT_TRUE(Icon->Hide);

    Tray->RefuseDelete = true;
    try {
        Icon->SetVisible(false);
        ADD_FAILURE() << "no error";
    } catch (const ETrayIconError& e) {
        EXPECT_EQ(e.Message(), "Cannot Remove System Shell Notification Icon");
    }
    EXPECT_FALSE(Icon->Visible());
    EXPECT_TRUE(Icon->Hide) << "Hide mirrors only a successful delete";
}

TEST_F(TrayIconTest, OnlyTheConfiguredTriggerActs) {
    auto* menu = new QMenu(Window.get());
    menu->addAction("Item");
    Icon->PopupMenu = menu;
    Icon->RestoreOn = imNone;
    Icon->PopupMenuOn = imRightClickUp;
    Window->show();
    for (TTrayMouse m : {TTrayMouse::Move, TTrayMouse::LeftDown, TTrayMouse::LeftUp,
                         TTrayMouse::LeftDouble, TTrayMouse::RightDown, TTrayMouse::RightDouble,
                         TTrayMouse::MiddleDown, TTrayMouse::MiddleUp, TTrayMouse::MiddleDouble}) {
        Icon->MouseMessage(m);
        EXPECT_FALSE(menu->isVisible()) << std::hex << int(m);
    }
    Icon->MouseMessage(TTrayMouse::RightUp);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    // A minimised window comes back only for the restoring trigger.
    Icon->RestoreOn = imLeftDoubleClick;
    Window->showMinimized();
    Icon->MouseMessage(TTrayMouse::LeftUp);
    EXPECT_TRUE(Window->isMinimized());
    Icon->MouseMessage(TTrayMouse::LeftDouble);
    EXPECT_FALSE(Window->isMinimized());
}

TEST_F(TrayIconTest, EndOfSessionAndDestructionTakeTheIconAway) {
    Icon->SetVisible(true);
    Icon->EndSession();
    EXPECT_FALSE(Tray->Shown);
    EXPECT_TRUE(Icon->Visible());
    Icon->SetVisible(true);
    Window.reset();
    EXPECT_FALSE(Tray->Shown);
}

// The icon as the clock window uses it.
class TrayIconTest_Form : public ClockTest {
protected:
    std::unique_ptr<TMainForm> Start(int clock = 0) {
        auto form = std::make_unique<TMainForm>(QStringList{QString::number(clock)});
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }
    void StoreHidden(int clock) {
        store::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Korvane5\\%1\\").arg(clock), true));
        reg.WriteBool("HideTray", true);
    }
};

TEST_F(TrayIconTest_Form, IconNamesTheClockAndOpensItsMenu) {
    auto form = Start();
    EXPECT_TRUE(Tray->Shown);
    EXPECT_EQ(Tray->Tip, "Clock 1");
    EXPECT_EQ(form->TrayIcon->RestoreOn, imNone);
    EXPECT_EQ(form->TrayIcon->PopupMenuOn, imRightClickUp);
    EXPECT_EQ(form->TrayIcon->PopupMenu, form->PopupMenu);
    EXPECT_FALSE(Tray->Image.isNull());
    EXPECT_FALSE(form->windowIcon().isNull());

    form->ClockItem(2)->trigger();
    EXPECT_EQ(Tray->Tip, "Clock 3");

    form->TrayIcon->MouseMessage(TTrayMouse::LeftUp);
    EXPECT_FALSE(form->PopupMenu->isVisible());
    form->TrayIcon->MouseMessage(TTrayMouse::RightUp);
    EXPECT_TRUE(form->PopupMenu->isVisible());
    form->PopupMenu->hide();
}

TEST_F(TrayIconTest_Form, HideTrayIconRemovesAndRestoresTheIcon) {
    auto form = Start(1);
    form->HideTrayIcon->trigger();
    EXPECT_TRUE(form->HideTrayIcon->isChecked());
    EXPECT_FALSE(Tray->Shown);
    EXPECT_TRUE(form->isVisible()) << "the clock window stays";
    form->HideTrayIcon->trigger();
    EXPECT_FALSE(form->HideTrayIcon->isChecked());
    EXPECT_TRUE(Tray->Shown);
    EXPECT_EQ(Tray->Tip, "Clock 2");
    EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(TrayIconTest_Form, StoredHiddenIconStartsWithoutOne) {
    StoreHidden(0);
    auto form = Start();
    EXPECT_TRUE(form->HideTrayIcon->isChecked());
    EXPECT_FALSE(Tray->Shown);
    EXPECT_FALSE(form->TrayIcon->Visible());
}

TEST_F(TrayIconTest_Form, NoNotificationAreaNeverStopsTheClock) {
    // At start-up: the clock runs on, its menu still on the window.
    Tray->RefuseAdd = true;
    auto form = Start();
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->TrayIcon->Visible()) << "the icon is still wanted";

    // Nor a switch to a clock that hides it while the area refuses to delete it.
    StoreHidden(3);
    Tray->RefuseDelete = true;
    form->ClockItem(3)->trigger();
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_EQ(form->ClockIndex, 3);
    EXPECT_TRUE(form->HideTrayIcon->isChecked());
    ASSERT_NE(form->SkinChooser, nullptr);

    // The user's own command reports it.
    form->HideTrayIcon->trigger();
    EXPECT_EQ(Errors, QStringList{"Cannot Create System Shell Notification Icon"});
    Tray->RefuseAdd = false;
    form->HideTrayIcon->trigger();
    form->HideTrayIcon->trigger();
    EXPECT_EQ(Errors.size(), 2);
    EXPECT_EQ(Errors.last(), "Cannot Remove System Shell Notification Icon");
}

TEST_F(TrayIconTest_Form, WhileADialogRunsTheIconBringsItForwardInsteadOfTheMenu) {
    auto form = Start();
    bool menuOpened = true;
    QTimer::singleShot(0, form.get(), [&] {
        form->TrayIcon->MouseMessage(TTrayMouse::RightUp);
        menuOpened = form->PopupMenu->isVisible();
        form->SkinChooser->reject();
    });
    form->ChooseSkin1->trigger();
    EXPECT_FALSE(menuOpened) << "a clock switch from the menu would replace the open chooser";
    form->TrayIcon->MouseMessage(TTrayMouse::RightUp);
    EXPECT_TRUE(form->PopupMenu->isVisible());
    form->PopupMenu->hide();
}
