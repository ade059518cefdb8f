// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's settings: where they live in the store, how they are read and applied
// (through the menu handlers, so menu and window never disagree) and how they are saved.

#include "app/MainUnit.h"

#include "platform/Autostart.h"
#include "platform/Environment.h"
#include "platform/X11Window.h"
#include "shell/ClockNotifier.h"
#include "shell/TrayIcon.h"
#include "store/Keys.h"
#include "store/Registry.h"
#include "store/SettingsStore.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

void TMainForm::LoadSettings() {
    store::TClockSettings& settings = Settings();
    const QPoint current = Placement->Sync();
    settings.SetDefault(store::TSetting::Left, current.x());
    settings.SetDefault(store::TSetting::Top, current.y());
    TargetDateTime = 0;
    Countdown.Restart();
    FirstStart = false;
    // A store that fails puts the defaults on screen: the values are read by the retry.
    FirstStart = settings.Load(store::TGroup::Clock) && settings.Absent(store::TGroup::Clock);
    ApplyValues();
    RunStartup->setChecked(Store->StartsAtLogOn());
}

const std::array<std::pair<store::TSetting, TMainForm::TApplyStep>, 8> TMainForm::ApplySteps = {{
    {store::TSetting::AlwaysOnTop, &TMainForm::ApplyAlwaysOnTop},
    {store::TSetting::StickToDesktop, &TMainForm::ApplyStickToDesktop},
    {store::TSetting::HideTray, &TMainForm::ApplyHideTray},
    {store::TSetting::Top, &TMainForm::ApplyPosition},
    {store::TSetting::RandomTime, &TMainForm::ApplyRandomTime},
    {store::TSetting::Opacity, &TMainForm::ApplyOpacity},
    {store::TSetting::NotifyAtEnd, &TMainForm::ApplyNotifyAtEnd},
    {store::TSetting::ClickThrough, &TMainForm::ApplyClickThrough},
}};

void TMainForm::ApplyValues() {
    static const std::vector<TApplyStep> order =
        store::InApplyOrder(std::span<const std::pair<store::TSetting, TApplyStep>>(ApplySteps));
    // The handlers run as for a command, but what they set is the store's, not the user's.
    const store::TClockSettings::TApplying applying(Settings());
    Countdown.Event.Load(Settings());
    TargetDateTime = Countdown.Event.TargetAt(platform::Now());
    ShowTitle();
    for (const TApplyStep step : order)
        (this->*step)();
}

void TMainForm::ApplyAlwaysOnTop() {
    if (AlwaysOnTop->isChecked() != Settings().Flag(store::TSetting::AlwaysOnTop))
        AlwaysOnTopClick();
}

void TMainForm::ApplyStickToDesktop() {
    if (StickToDesktop->isChecked() != Settings().Flag(store::TSetting::StickToDesktop))
        StickToDesktopClick();
}

void TMainForm::ApplyHideTray() {
    if (HideTrayIcon->isChecked() == Settings().Flag(store::TSetting::HideTray))
        return;
    // The clock before let clicks through: it takes them again before its icon goes.
    if (ClickThrough->isChecked())
        SetClickThrough(false);
    // A missing or restarting notification area never stops a clock from loading; only
    // the user's own command reports it.
    try {
        HideTrayIconClick();
    } catch (const ETrayIconError&) {
    }
}

void TMainForm::ApplyClickThrough() {
    // Not without a tray icon to turn it off again.
    if (ClickThrough->isChecked() != Settings().Flag(store::TSetting::ClickThrough))
        ClickThroughClick();
}

void TMainForm::ApplyPosition() {
    Placement->Apply(Settings());
}

// The first item of the menu whose tag is the value; none when no item has it.
static QAction* ItemTagged(QMenu* menu, int value) {
    for (QAction* item : menu->actions())
        if (item->data().toInt() == value)
            return item;
    return nullptr;
}

void TMainForm::ApplyRandomTime() {
    if (QAction* item =
            ItemTagged(RandomSkinChangeTime, Settings().Integer(store::TSetting::RandomTime)))
        RandomTimeChange(item);
}

void TMainForm::ApplyNotifyAtEnd() {
    Notices->NotifyAtEnd = Settings().Flag(store::TSetting::NotifyAtEnd);
}

void TMainForm::ApplyOpacity() {
    if (QAction* item = ItemTagged(Opacity, Settings().Integer(store::TSetting::Opacity)))
        OpacityChange(item);
}

void TMainForm::ObserveWindow() {
    using enum store::TSetting;
    store::TClockSettings& settings = Settings();
    settings.Observe(StickToDesktop, this->StickToDesktop->isChecked());
    settings.Observe(AlwaysOnTop, this->AlwaysOnTop->isChecked());
    settings.Observe(HideTray, HideTrayIcon->isChecked());
    settings.Observe(ClickThrough, this->ClickThrough->isChecked());
    Placement->Observe(settings);
    Countdown.Event.Observe(settings, TargetDateTime);
    settings.Observe(RandomTime, std::int32_t(RandomTimer->interval() / 60000));
    settings.Observe(Opacity, std::int32_t(AlphaBlendValue()));
    settings.Observe(NotifyAtEnd, Notices->NotifyAtEnd);
}

TMainForm::TSaved TMainForm::SaveSettings() {
    ObserveWindow();
    return Store->Save(RunStartup->isChecked());
}
