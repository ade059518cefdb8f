// The clock's settings: where they live in the store, how they are read and applied
// (through the menu handlers, so menu and window never disagree) and how they are saved.

#include "app/MainUnit.h"

#include "platform/Autostart.h"
#include "platform/Environment.h"
#include "platform/Registry.h"
#include "shell/TrayIcon.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace {

const QString SettingsRoot = QStringLiteral("Software\\Korvane5\\");
constexpr std::int32_t NoInterval = -1; // matches the tag of no minute item

QString StartupEntryName(int clock) {
    return QStringLiteral("Korvane5%1").arg(clock);
}

} // namespace

bool TMainForm::OnSomeScreen(const QPoint& topLeft) const {
    const QRect window(topLeft, size());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(window))
            return true;
    return false;
}

void TMainForm::LoadSettings() {
    bool stick = false, onTop = false, hideTray = false;
    const QPoint current = SyncPosition();
    std::int32_t left = current.x(), top = current.y();
    TargetDateTime = 0;
    std::int32_t interval = NoInterval;
    std::int32_t opacity = 255;

    platform::TRegistry reg;
    if (reg.OpenKeyReadOnly(SettingsRoot + ClockKey)) {
        ReadBoolIfPresent(reg, QStringLiteral("StickToDesktop"), stick);
        ReadBoolIfPresent(reg, QStringLiteral("AlwaysOnTop"), onTop);
        ReadBoolIfPresent(reg, QStringLiteral("HideTray"), hideTray);
        ReadIntegerIfPresent(reg, QStringLiteral("Left"), left);
        ReadIntegerIfPresent(reg, QStringLiteral("Top"), top);
        ReadFloatIfPresent(reg, QStringLiteral("CustomDateTime"), TargetDateTime);
        ReadIntegerIfPresent(reg, QStringLiteral("RandomTime"), interval);
        ReadIntegerIfPresent(reg, QStringLiteral("Opacity"), opacity);
        reg.CloseKey();
    }

    if (AlwaysOnTop->isChecked() != onTop)
        AlwaysOnTopClick();
    if (StickToDesktop->isChecked() != stick)
        StickToDesktopClick();
    if (HideTrayIcon->isChecked() != hideTray) {
        // A missing or restarting notification area never stops a clock from loading;
        // only the user's own command reports it.
        try {
            HideTrayIconClick();
        } catch (const ETrayIconError&) {
        }
    }
    // A position on no screen any more (a monitor was removed) would lose the window:
    // it then stays where it is, centred at start-up.
    if ((left != current.x() || top != current.y()) && OnSomeScreen(QPoint(left, top))) {
        CentreOnShow = false;
        move(left, y());
        move(left, top);
    }
    for (QAction* item : RandomSkinChangeTime->actions())
        if (item->data().toInt() == interval) {
            RandomTimeChange(item);
            break;
        }
    for (QAction* item : Opacity->actions())
        if (item->data().toInt() == opacity) {
            OpacityChange(item);
            break;
        }
    RunStartup->setChecked(platform::autostart::Exists(StartupEntryName(ClockIndex)));
}

void TMainForm::SaveSettings() {
    // Each group lands whole or not at all; a failure is not reported.
    try {
        platform::TRegistry reg;
        platform::TSettingsStore::Transaction group(reg.Store());
        if (reg.OpenKey(SettingsRoot + ClockKey, true)) {
            reg.WriteBool(QStringLiteral("StickToDesktop"), StickToDesktop->isChecked());
            reg.WriteBool(QStringLiteral("AlwaysOnTop"), AlwaysOnTop->isChecked());
            reg.WriteBool(QStringLiteral("HideTray"), HideTrayIcon->isChecked());
            const QPoint position = WindowPosition();
            reg.WriteInteger(QStringLiteral("Left"), position.x());
            reg.WriteInteger(QStringLiteral("Top"), position.y());
            reg.WriteFloat(QStringLiteral("CustomDateTime"), TargetDateTime);
            reg.WriteInteger(QStringLiteral("RandomTime"), RandomTimer->interval() / 60000);
            reg.WriteInteger(QStringLiteral("Opacity"), AlphaBlendValue());
            reg.CloseKey();
            group.Commit();
        }
    } catch (...) {
    }
    try {
        const QString entry = StartupEntryName(ClockIndex);
        if (RunStartup->isChecked())
            platform::autostart::Write(entry,
                                       QStringLiteral("Korvane5 Clock %1").arg(ClockIndex + 1),
                                       platform::ProgramPath(), {QString::number(ClockIndex)});
        else
            platform::autostart::Remove(entry);
    } catch (...) {
    }
}
