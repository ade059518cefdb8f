// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's settings: where they live in the store, how they are read and applied
// (through the menu handlers, so menu and window never disagree) and how they are saved.

#include "app/MainUnit.h"

#include "platform/Autostart.h"
#include "platform/Environment.h"
#include "platform/X11Window.h"
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

namespace {

QString StartupEntryName(int clock) {
    return QStringLiteral("Korvane5%1").arg(clock);
}

} // namespace

QSize TMainForm::DeviceSize() const {
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void TMainForm::LoadSettings() {
    store::TClockSettings& settings = Settings();
    const QPoint current = SyncPosition();
    settings.SetDefault(store::TSetting::Left, current.x());
    settings.SetDefault(store::TSetting::Top, current.y());
    TargetDateTime = 0;
    Countdown.Restart();
    FirstStart = false;
    // A store that fails puts the defaults on screen: the values are read by the retry.
    FirstStart = settings.Load(store::TGroup::Clock) && settings.Absent(store::TGroup::Clock);
    ApplyValues();
    RunStartup->setChecked(platform::autostart::Exists(StartupEntryName(ClockIndex)));
}

void TMainForm::ApplyValues() {
    using TStep = void (TMainForm::*)();
    static const std::array<std::pair<store::TSetting, TStep>, 8> steps = {{
        {store::TSetting::AlwaysOnTop, &TMainForm::ApplyAlwaysOnTop},
        {store::TSetting::StickToDesktop, &TMainForm::ApplyStickToDesktop},
        {store::TSetting::HideTray, &TMainForm::ApplyHideTray},
        {store::TSetting::Top, &TMainForm::ApplyPosition},
        {store::TSetting::RandomTime, &TMainForm::ApplyRandomTime},
        {store::TSetting::Opacity, &TMainForm::ApplyOpacity},
        {store::TSetting::NotifyAtEnd, &TMainForm::ApplyNotifyAtEnd},
        {store::TSetting::ClickThrough, &TMainForm::ApplyClickThrough},
    }};
    static const std::vector<TStep> order = [] {
        std::vector<std::pair<int, TStep>> ranked;
        for (const auto& [row, step] : steps)
            ranked.emplace_back(store::Row(row).ApplyRank, step);
        std::sort(ranked.begin(), ranked.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<TStep> result;
        for (const auto& entry : ranked)
            result.push_back(entry.second);
        return result;
    }();
    // The handlers run as for a command, but what they set is the store's, not the user's.
    const store::TClockSettings::TApplying applying(Settings());
    TargetDateTime = Settings().Moment(store::TSetting::CustomDateTime);
    for (const TStep step : order)
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
    // The place this monitor layout had, or Left/Top: a position on no screen any more (a
    // monitor was removed) would lose the window, which then stays where it is, centred at
    // start-up.
    using enum store::TSetting;
    const store::TClockSettings& settings = Settings();
    const QPoint current = platform::ToDevice(this, pos());
    const bool read = settings.State(Left) == store::TClockSettings::TState::Read ||
                      settings.State(Top) == store::TClockSettings::TState::Read;
    const std::optional<QPoint> stored =
        read ? std::optional(QPoint(settings.Integer(Left), settings.Integer(Top))) : std::nullopt;
    const std::optional<QPoint> target =
        common::Place(platform::ScreenLayout(), common::PlacesFromText(settings.Text(Places)),
                      stored, DeviceSize());
    if (target && *target != current) {
        CentreOnShow = false;
        PlaceAt(QPoint(target->x(), current.y()));
        PlaceAt(*target);
    }
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
    NotifyAtEnd = Settings().Flag(store::TSetting::NotifyAtEnd);
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
    const QPoint position = WindowPosition();
    settings.Observe(Left, position.x());
    settings.Observe(Top, position.y());
    // Where Left/Top are written, the layout in use gets its place; the others keep theirs.
    settings.Observe(Places, common::PlacesToText(common::Remember(
                                 common::PlacesFromText(settings.Text(Places)),
                                 platform::ScreenLayout(), position, DeviceSize())));
    settings.Observe(CustomDateTime, TargetDateTime);
    settings.Observe(RandomTime, std::int32_t(RandomTimer->interval() / 60000));
    settings.Observe(Opacity, std::int32_t(AlphaBlendValue()));
    settings.Observe(NotifyAtEnd, this->NotifyAtEnd);
}

TMainForm::TSaved TMainForm::SaveSettings() {
    // The clock's values land whole or wait (the settings decide what may be written); the
    // start-up entry is a file of its own.
    ObserveWindow();
    const TSaved saved = Stored.Save();
    UpdateStoreRetry();
    const QString entry = StartupEntryName(ClockIndex);
    const bool written =
        RunStartup->isChecked()
            ? platform::autostart::Write(entry, tr("Korvane5 Clock %1").arg(ClockIndex + 1),
                                         platform::StartupProgram(), {QString::number(ClockIndex)})
            : platform::autostart::Remove(entry);
    // Said once, as the store's failures are: the next saving moment tries again.
    if (!written && !StartupEntryFailed) {
        StartupEntryFailed = true;
        StoreNotices << tr("The start-up entry %1 could not be written: the clock does not "
                           "start at log-on as chosen.")
                            .arg(platform::autostart::EntryPath(entry));
    }
    return saved;
}
