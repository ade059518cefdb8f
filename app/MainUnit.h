// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock window: a borderless 250 x 90 window that counts down once a second to the
// active clock's target, drawn in four fields over the skin's background.
//
// The class spans files:
//   MainUnit.cpp      construction, clock activation, the tick, ApplySkin, the popup menu
//                     and every window behaviour
//   MainSettings.cpp  the clock's stored values (store/ClockSettings.h holds their table and
//                     the rule for a held store): LoadSettings, SaveSettings and the retry
//   main.cpp          the program entry
// It hands the drawing to its face (skins/ClockFace.h) and the rules of the countdown to
// TCountdown (Countdown.h).

#include "app/ClockStore.h"
#include "app/Countdown.h"
#include "app/WindowPlacement.h"
#include "common/DateTime.h"
#include "skins/ClockFace.h"
#include "skins/SkinCatalogue.h"
#include "store/ClockSettings.h"
#include "widgets/PaintBox.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace Ui {
class TMainForm;
}
class TDateTimePickForm;
class TSkinChooserForm;
class TSkin;
class TTrayIcon;
class TClockNotifier;
class TEventCommands;
class QAction;
class QMenu;
class QMouseEvent;
class QTimer;

// The clock number the command line asks for: the first argument as a decimal integer
// with an optional sign, clamped to 0..4; anything unreadable means clock 0.
int ClockNumberFromArguments(const QStringList& arguments);

class TMainForm : public QWidget, public ISkinTarget {
    Q_OBJECT
public:
    static constexpr int ClockCount = 5;

    // arguments: the command line without the program name.
    explicit TMainForm(const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Members built from the layout.
    TImage* Back;
    TPaintBox* DaysPaint;
    TPaintBox* HoursPaint;
    TPaintBox* MinutesPaint;
    TPaintBox* SecondsPaint;
    QMenu* PopupMenu;
    QMenu* SelectClock;
    QAction* ChooseDateTime;
    QAction* ChooseSkin1;
    QMenu* RandomSkinChangeTime;
    QAction *N5Minutes, *N10Minutes, *N20Minutes, *N30Minutes, *N60Minutes;
    QMenu* Opacity;
    QAction *N20Opacity, *N40Opacity, *N60Opacity, *N80Opacity, *N100Opacity;
    QAction* RunStartup;
    QAction* StickToDesktop;
    QAction* AlwaysOnTop;
    QAction* HideTrayIcon;
    QAction* ClickThrough; // in the tray icon's menu only, after the designed items
    QAction* About1;
    QAction* Exit;
    QList<QIcon> ImageList; // the five menu images
    QTimer* SecTimer;
    QTimer* RandomTimer;
    TTrayIcon* TrayIcon;

    // Members the program adds.
    TSkinChooserForm* SkinChooser = nullptr;
    TDateTimePickForm* DateTimeDialog = nullptr; // made by EnsureDateTimeDialog
    std::int32_t DragX = -1, DragY = -1;
    TDateTime TargetDateTime = 0;
    TDateTime RemainingTime = 0;
    QString ClockKey;
    std::int32_t ClockIndex = 0;

    QAction* ClockItem(int index) const;
    // The date/time dialog, made at the first call.
    TDateTimePickForm* EnsureDateTimeDialog();
    // The window's alpha, 0 to 255, and whether blending is on (below 255).
    int AlphaBlendValue() const { return AlphaValue; }
    bool AlphaBlend() const { return AlphaValue < 255; }
    bool StaysOnTop() const;
    // Where the window really is on the screen: the top-left corner of its client area, in
    // the X server's pixels (as stored in "Left" and "Top", the same point at any scale).
    QPoint WindowPosition() const;

    // Handlers. Those a user command reaches run under the shared error guard; called
    // directly (as at start-up) they let errors through to the caller.
    void ClockItemClick(QAction* item);
    void FormShow();
    void ExitClick();
    void ApplicationEvents1Deactivate();
    void SecTimerTimer();
    void TakePickedTarget(TDateTime now);
    void PaintTimePaint(TPaintBox* sender);
    void RandomTimerTimer();

    void ChooseDateTimeClick();
    void ChooseSkin1Click();
    void RandomTimeChange(QAction* item);
    void OpacityChange(QAction* item);
    void RunStartupClick();
    void StickToDesktopClick();
    void AlwaysOnTopClick();
    void HideTrayIconClick();
    void ClickThroughClick();
    // The tray went away: the clock takes the mouse again, so that it can be reached.
    void TrayGone();
    void About1Click();
    // After the designed items: the clock's event in a dialog of its own, and an event
    // from a calendar file (also dropped on the clock).
    void EventClick();
    void ImportEventClick();
    void ImportEvent(const QString& path);

    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);

    void LoadSettings();
    // Whether the values landed: not when another process held the store (what the user
    // changed waits for the retry and the next saving moment) or it failed otherwise.
    // Never throws.
    using TSaved = store::TSaved;
    TSaved SaveSettings();
    // What the active clock keeps in the store; its skin catalogue shares it.
    store::TClockSettings& Settings() const { return *Store->Active(); }
    // How long a clock's activation, and the exit, wait in all for another process that
    // holds the store (ms): the window shows, and the program ends, whatever holds it.
    static constexpr int ActivationWaitMs = 700, ExitWaitMs = 2000;
    // Tells the user what the store has to say (a damaged file kept aside, a store that
    // cannot be written or read), each thing once.
    void ReportStoreNotice();

    // Puts a loaded skin on the window (through the face): background, font, field
    // positions; takes it.
    void ApplySkin(std::unique_ptr<TSkin> skin) override;
    bool WantsDoubleSize() const override { return Face->WantsDoubleSize(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildPopupMenu();
    void AddMenuRows(std::span<const struct TMenuRow> rows);
    void AddRadioMenu(const struct TRadioRow& row);
    // The event changed: counted to from now on.
    void TakeEvent(const events::TEvent& event);
    // The tray's tool-tip: the clock, its event, and "since" while counting up.
    void ShowTitle();
    // Values of the clock or its skin read late (the store was held): applied, the user's
    // changes stay.
    void StoreRead(store::TGroup group);

    // The steps of LoadSettings that apply the values in effect, each through the menu
    // command's own handler, in the rows' ApplyRank order (MainSettings.cpp).
    void ApplyOption(store::TSetting row); // a flag through its menu command
    void ApplyHideTray(store::TSetting);
    void SetClickThrough(bool on);
    void ApplyPosition(store::TSetting);
    void ApplyRandomTime(store::TSetting);
    void ApplyOpacity(store::TSetting);
    void ApplyNotifyAtEnd(store::TSetting);
    void ApplyValues();
    // Each value's step, by its row.
    using TApplyStep = void (TMainForm::*)(store::TSetting);
    static const std::array<std::pair<store::TSetting, TApplyStep>, 8> ApplySteps;
    // The window's own state that the store keeps, handed to the settings before a save:
    // where the window is, the target it counts to.
    void ObserveWindow();
    std::unique_ptr<Ui::TMainForm> ui;
    std::unique_ptr<TClockFace> Face; // draws the background and the four boxes
    TCountdown Countdown;             // the tick's rules
    TWindowPlacement* Placement;      // where the window is, and what the store keeps of it
    TClockStore* Store;
    // The end of a countdown and the first start, told the user.
    TClockNotifier* Notices;
    TEventCommands* Events;
    bool FirstStart = false; // the clock had no key in the store
    bool Since = false;      // counting up from the target that has come
    bool Shown = false;
    int AlphaValue = 255;
};

// A member of the form that names one of its menu's items (the menu's and the settings'
// tables name them so).
using TAction = QAction* TMainForm::*;
