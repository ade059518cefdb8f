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
    Placement->SetDefault(settings);
    TargetDateTime = 0;
    Countdown.Restart();
    FirstStart = false;
    // A store that fails puts the defaults on screen: the values are read by the retry.
    FirstStart = settings.Load(store::TGroup::Clock) && settings.Absent(store::TGroup::Clock);
    ApplyValues();
    RunStartup->setChecked(Store->StartsAtLogOn());
}

// The options the store keeps as flags: each item's check, and the command that turns it.
static const struct {
    store::TSetting Row;
    TAction Item;
    void (TMainForm::*Click)();
} OptionRows[] = {
    {store::TSetting::StickToDesktop, &TMainForm::StickToDesktop, &TMainForm::StickToDesktopClick},
    {store::TSetting::AlwaysOnTop, &TMainForm::AlwaysOnTop, &TMainForm::AlwaysOnTopClick},
    {store::TSetting::HideTray, &TMainForm::HideTrayIcon, &TMainForm::HideTrayIconClick},
    {store::TSetting::ClickThrough, &TMainForm::ClickThrough, &TMainForm::ClickThroughClick}};

const std::array<std::pair<store::TSetting, TMainForm::TApplyStep>, 8> TMainForm::ApplySteps = {{
    {store::TSetting::AlwaysOnTop, &TMainForm::ApplyOption},
    {store::TSetting::StickToDesktop, &TMainForm::ApplyOption},
    {store::TSetting::HideTray, &TMainForm::ApplyHideTray},
    {store::TSetting::Top, &TMainForm::ApplyPosition},
    {store::TSetting::RandomTime, &TMainForm::ApplyRandomTime},
    {store::TSetting::Opacity, &TMainForm::ApplyOpacity},
    {store::TSetting::NotifyAtEnd, &TMainForm::ApplyNotifyAtEnd},
    {store::TSetting::ClickThrough, &TMainForm::ApplyOption},
}};

void TMainForm::ApplyValues() {
    static const auto order =
        store::InApplyOrder(std::span<const std::pair<store::TSetting, TApplyStep>>(ApplySteps));
    // The handlers run as for a command, but what they set is the store's, not the user's.
    const store::TClockSettings::TApplying applying(Settings());
    Countdown.Event.Load(Settings());
    if (const QString& why = Countdown.Event.Problem(); !why.isEmpty())
        Store->Tell(TClockEvent::ProblemNotice(ClockIndex, why));
    TargetDateTime = Countdown.Event.TargetAt(platform::Now());
    ShowTitle();
    for (const auto& [row, step] : order)
        (this->*step)(row);
}

void TMainForm::ApplyOption(store::TSetting row) {
    // Each through its command; click-through only while a tray icon can turn it off.
    for (const auto& option : OptionRows)
        if (option.Row == row && (this->*option.Item)->isChecked() != Settings().Flag(row))
            (this->*option.Click)();
}

void TMainForm::ApplyHideTray(store::TSetting) {
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

void TMainForm::ApplyPosition(store::TSetting) {
    Placement->Apply(Settings());
}

// The first item of the menu whose tag is the value; none when no item has it.
static QAction* ItemTagged(QMenu* menu, int value) {
    for (QAction* item : menu->actions())
        if (item->data().toInt() == value)
            return item;
    return nullptr;
}

void TMainForm::ApplyRandomTime(store::TSetting) {
    if (QAction* item =
            ItemTagged(RandomSkinChangeTime, Settings().Integer(store::TSetting::RandomTime)))
        RandomTimeChange(item);
}

void TMainForm::ApplyNotifyAtEnd(store::TSetting) {
    Notices->NotifyAtEnd = Settings().Flag(store::TSetting::NotifyAtEnd);
}

void TMainForm::ApplyOpacity(store::TSetting) {
    if (QAction* item = ItemTagged(Opacity, Settings().Integer(store::TSetting::Opacity)))
        OpacityChange(item);
}

void TMainForm::ObserveWindow() {
    using enum store::TSetting;
    store::TClockSettings& settings = Settings();
    for (const auto& option : OptionRows)
        settings.Observe(option.Row, (this->*option.Item)->isChecked());
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
