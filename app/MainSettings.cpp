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
#include <type_traits>
#include <variant>
#include <vector>

namespace {

QString StartupEntryName(int clock) {
    return QStringLiteral("Korvane5%1").arg(clock);
}

} // namespace

// In the order LoadSettings reads them and SaveSettings writes them.
const std::array<TClockValue, 9> TMainForm::StoredValues = {{
    {"StickToDesktop", &TClockValues::StickToDesktop, {}, &TMainForm::ApplyStickToDesktop, 1},
    {"AlwaysOnTop", &TClockValues::AlwaysOnTop, {}, &TMainForm::ApplyAlwaysOnTop, 0},
    {"HideTray", &TClockValues::HideTray, {}, &TMainForm::ApplyHideTray, 2},
    {"Left", &TClockValues::Left, {}, nullptr, -1},
    {"Top", &TClockValues::Top, {}, &TMainForm::ApplyPosition, 3},
    {"CustomDateTime", &TMainForm::TargetDateTime, {}, nullptr, -1},
    {"RandomTime", &TClockValues::RandomTime, RandomTimes, &TMainForm::ApplyRandomTime, 4},
    {"Opacity", &TClockValues::Opacity, Opacities, &TMainForm::ApplyOpacity, 5},
    {"NotifyAtEnd", &TClockValues::NotifyAtEnd, {}, &TMainForm::ApplyNotifyAtEnd, 6},
}};

bool TMainForm::OnSomeScreen(const QPoint& topLeft) const {
    const QRect window(topLeft, (QSizeF(size()) * devicePixelRatioF()).toSize());
    for (const QScreen* screen : QGuiApplication::screens())
        if (platform::DeviceAvailableGeometry(screen).intersects(window))
            return true;
    return false;
}

void TMainForm::LoadSettings() {
    TClockValues values;
    const QPoint current = SyncPosition();
    values.Left = current.x();
    values.Top = current.y();
    TargetDateTime = 0;
    Dragged = TargetPicked = false;
    ValuesUnread = false;
    CountingDown = false;
    FirstStart = false;
    try {
        FirstStart = !ReadStoredValues(values);
    } catch (const store::EStoreError&) {
        // The store itself failed, which says nothing about what it holds: the defaults go
        // on screen, and nothing is written over a value that could not be read until
        // ReadRetryTimer has read it.
        const TClockValues defaults;
        values = defaults;
        values.Left = current.x();
        values.Top = current.y();
        TargetDateTime = 0;
        ValuesUnread = true;
    }
    ApplyValues(values);
    AppliedValues = CurrentValues();
    RunStartup->setChecked(platform::autostart::Exists(StartupEntryName(ClockIndex)));
}

bool TMainForm::ReadStoredValues(TClockValues& values) {
    store::TRegistry reg;
    if (!reg.OpenKeyReadOnly(store::keys::Clocks + ClockKey))
        return false;
    for (const TClockValue& v : StoredValues)
        std::visit(
            [&](auto field) {
                using TField = decltype(field);
                if constexpr (std::is_same_v<TField, bool TClockValues::*>)
                    store::ReadBoolIfPresent(reg, QLatin1String(v.Name), values.*field);
                else if constexpr (std::is_same_v<TField, std::int32_t TClockValues::*>)
                    store::ReadIntegerIfPresent(reg, QLatin1String(v.Name), values.*field);
                else
                    store::ReadFloatIfPresent(reg, QLatin1String(v.Name), this->*field);
            },
            v.Field);
    reg.CloseKey();
    return true;
}

void TMainForm::ApplyValues(const TClockValues& values) {
    static const std::vector<const TClockValue*> applyOrder = [] {
        std::vector<const TClockValue*> order;
        for (const TClockValue& v : StoredValues)
            if (v.Apply)
                order.push_back(&v);
        std::sort(order.begin(), order.end(), [](const TClockValue* a, const TClockValue* b) {
            return a->ApplyRank < b->ApplyRank;
        });
        return order;
    }();
    for (const TClockValue* v : applyOrder)
        (this->*v->Apply)(values);
}

bool TMainForm::UserChanged(const TClockValue& v, const TClockValues& now) const {
    return std::visit(
        [&](auto field) {
            using TField = decltype(field);
            if constexpr (std::is_same_v<TField, TDateTime TMainForm::*>) {
                return TargetPicked;
            } else {
                // Placement moves the window too (centring at the first show): only a drag
                // is the user's.
                if constexpr (std::is_same_v<TField, std::int32_t TClockValues::*>)
                    if (field == &TClockValues::Left || field == &TClockValues::Top)
                        return Dragged;
                return now.*field != AppliedValues.*field;
            }
        },
        v.Field);
}

void TMainForm::ReadUnreadValues() {
    if (!ValuesUnread)
        return;
    TClockValues stored = AppliedValues; // what is absent stays as it is
    const TDateTime shown = TargetDateTime;
    TargetDateTime = 0;
    try {
        ReadStoredValues(stored);
    } catch (const store::EStoreError&) {
        TargetDateTime = shown; // still not to be had: tried again later
        return;
    } catch (...) {
        // A wrongly typed value stops the load as at a clock's activation, once.
        TargetDateTime = shown;
        ValuesUnread = false;
        throw;
    }
    ValuesUnread = false;
    CountingDown = false; // the target may be another one now
    // What the user changed meanwhile is the user's; the rest comes from the store.
    const TClockValues now = CurrentValues();
    for (const TClockValue& v : StoredValues)
        if (UserChanged(v, now))
            std::visit(
                [&](auto field) {
                    using TField = decltype(field);
                    if constexpr (std::is_same_v<TField, TDateTime TMainForm::*>)
                        TargetDateTime = shown;
                    else
                        stored.*field = now.*field;
                },
                v.Field);
    ApplyValues(stored);
    SecTimerTimer();
}

void TMainForm::ApplyAlwaysOnTop(const TClockValues& values) {
    if (AlwaysOnTop->isChecked() != values.AlwaysOnTop)
        AlwaysOnTopClick();
}

void TMainForm::ApplyStickToDesktop(const TClockValues& values) {
    if (StickToDesktop->isChecked() != values.StickToDesktop)
        StickToDesktopClick();
}

void TMainForm::ApplyHideTray(const TClockValues& values) {
    if (HideTrayIcon->isChecked() == values.HideTray)
        return;
    // A missing or restarting notification area never stops a clock from loading; only
    // the user's own command reports it.
    try {
        HideTrayIconClick();
    } catch (const ETrayIconError&) {
    }
}

void TMainForm::ApplyPosition(const TClockValues& values) {
    // A position on no screen any more (a monitor was removed) would lose the window: it
    // then stays where it is, centred at start-up.
    const QPoint current = platform::ToDevice(this, pos());
    if ((values.Left != current.x() || values.Top != current.y()) &&
        OnSomeScreen(QPoint(values.Left, values.Top))) {
        CentreOnShow = false;
        PlaceAt(QPoint(values.Left, current.y()));
        PlaceAt(QPoint(values.Left, values.Top));
    }
}

// The first item of the menu whose tag is the value; none when no item has it.
static QAction* ItemTagged(QMenu* menu, int value) {
    for (QAction* item : menu->actions())
        if (item->data().toInt() == value)
            return item;
    return nullptr;
}

void TMainForm::ApplyRandomTime(const TClockValues& values) {
    if (QAction* item = ItemTagged(RandomSkinChangeTime, values.RandomTime))
        RandomTimeChange(item);
}

void TMainForm::ApplyNotifyAtEnd(const TClockValues& values) {
    NotifyAtEnd = values.NotifyAtEnd;
}

void TMainForm::ApplyOpacity(const TClockValues& values) {
    if (QAction* item = ItemTagged(Opacity, values.Opacity))
        OpacityChange(item);
}

TClockValues TMainForm::CurrentValues() const {
    TClockValues values;
    values.StickToDesktop = StickToDesktop->isChecked();
    values.AlwaysOnTop = AlwaysOnTop->isChecked();
    values.HideTray = HideTrayIcon->isChecked();
    const QPoint position = WindowPosition();
    values.Left = position.x();
    values.Top = position.y();
    values.RandomTime = RandomTimer->interval() / 60000;
    values.Opacity = AlphaBlendValue();
    values.NotifyAtEnd = NotifyAtEnd;
    return values;
}

TMainForm::TSaved TMainForm::SaveSettings() {
    // Each group lands whole or not at all; a failure is not reported here (the store tells
    // the user of one that is not a moment's matter). While the clock's values could not be
    // read, only those the user changed are written.
    TSaved saved = TSaved::Failed;
    try {
        const TClockValues values = CurrentValues();
        std::vector<const TClockValue*> written;
        for (const TClockValue& v : StoredValues)
            if (!ValuesUnread || UserChanged(v, values))
                written.push_back(&v);
        if (!written.empty()) {
            store::TRegistry reg;
            store::TSettingsStore::TTransaction group(reg.Store());
            reg.OpenKey(store::keys::Clocks + ClockKey, true);
            for (const TClockValue* v : written)
                std::visit(
                    [&](auto field) {
                        using TField = decltype(field);
                        if constexpr (std::is_same_v<TField, bool TClockValues::*>)
                            reg.WriteBool(QLatin1String(v->Name), values.*field);
                        else if constexpr (std::is_same_v<TField, std::int32_t TClockValues::*>)
                            reg.WriteInteger(QLatin1String(v->Name), values.*field);
                        else
                            reg.WriteFloat(QLatin1String(v->Name), this->*field);
                    },
                    v->Field);
            reg.CloseKey();
            group.Commit();
        }
        saved = TSaved::Yes;
    } catch (const store::EStoreError& e) {
        saved = e.Held() ? TSaved::Held : TSaved::Failed;
    } catch (...) {
    }
    if (saved == TSaved::Yes)
        SavedThisRun = true;
    try {
        const QString entry = StartupEntryName(ClockIndex);
        if (RunStartup->isChecked())
            platform::autostart::Write(entry, tr("Korvane5 Clock %1").arg(ClockIndex + 1),
                                       platform::StartupProgram(), {QString::number(ClockIndex)});
        else
            platform::autostart::Remove(entry);
    } catch (...) {
    }
    return saved;
}
