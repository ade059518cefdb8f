// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification-area icon: a second way to the clock, whose window has no task-bar
// button. Its tool-tip names the clock; releasing the right button over it opens the
// clock's menu. Desktops speak to it through Qt's system tray icon (the XEmbed tray
// protocol or StatusNotifierItem); tests put a recording shell in its place.

#include "common/Errors.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

// Which mouse action restores the application or opens the menu.
enum TTrayIconMessage {
    imClick,
    imDoubleClick,
    imMouseDown,
    imMouseUp,
    imLeftClickUp,
    imLeftDoubleClick,
    imRightClickUp,
    imRightDoubleClick,
    imNone
};

// The mouse activity the notification area reports over the icon.
enum class TTrayMouse {
    Move = 0x200,
    LeftDown = 0x201,
    LeftUp = 0x202,
    LeftDouble = 0x203,
    RightDown = 0x204,
    RightUp = 0x205,
    RightDouble = 0x206,
    MiddleDown = 0x207,
    MiddleUp = 0x208,
    MiddleDouble = 0x209
};

// What the icon hands to the notification area.
struct TNotifyIconData {
    static constexpr unsigned Message = 1, Icon = 2, Tip = 4;
    static constexpr int TipLength = 127;
    unsigned Flags = Message | Icon;
    QIcon Image;
    QString TipText; // shown only while Flags holds Tip
};

// The notification area as the icon sees it: one entry, added, modified and deleted.
// Each call says whether the desktop took it.
class ITrayShell {
public:
    virtual ~ITrayShell() = default;
    virtual bool Add(const TNotifyIconData& data) = 0;
    virtual bool Modify(const TNotifyIconData& data) = 0;
    virtual bool Delete() = 0;
    // A message balloon beside the icon; false where the area shows none.
    virtual bool ShowMessage(const QString& title, const QString& text) = 0;
    // Whether a notification area is there to show the icon.
    virtual bool Present() const { return true; }
};

// The notification area refused to add or delete the icon.
class ETrayIconError : public common::EException {
public:
    using common::EException::EException;
};

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    // window: the application's main window, brought forward before the menu opens and
    // watched for minimising while the icon is shown.
    explicit TTrayIcon(QWidget* window);
    ~TTrayIcon() override;
    // The icon as the clock window's layout gives it: shown at once, the menu on the right
    // button's release, no mouse action restoring the window. A desktop without a
    // notification area does not stop the clock: Qt docks the icon when one comes up.
    static TTrayIcon* ForClock(QWidget* window);
    // The owner's menu, then behind a separator the items of the icon's menu only; gone:
    // called when the notification area goes away.
    void SetMenus(QMenu* menu, const QList<QAction*>& trayItems, std::function<void()> gone);

    // Stored first; then the icon is added (true) or deleted (false). Throws
    // ETrayIconError when the notification area refuses.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Ignored unless it differs and is shorter than 64 characters.
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& value);

    bool Hide = true; // mirrors the last successful add (true) or delete (false)
    TTrayIconMessage RestoreOn = imDoubleClick;
    TTrayIconMessage PopupMenuOn = imNone;
    QPointer<QMenu> PopupMenu;
    // Items of the icon's menu only, after the owner's: added while it is open from here.
    QList<QAction*> TrayItems;
    // Called when the notification area goes away (the panel quits).
    std::function<void()> OnGone;
    // The icon is shown and a notification area is there to show it.
    bool Present() const { return FVisible && FShell->Present(); }
    // The notification area went away.
    void TrayGone();

    // The owner's settings are all applied: the icon takes the program's picture again.
    void Loaded();
    void RefreshShellEntry();
    void PopupAtCursor();
    void HideApplication();
    void ShowApplication();
    // What the notification area reports over the icon.
    void MouseMessage(TTrayMouse message);
    // The session ends: the icon leaves the notification area; Visible stays.
    void EndSession();
    // A message balloon beside the icon, while it is shown; false when there is none.
    bool ShowMessage(const QString& title, const QString& text);

    const TNotifyIconData& Record() const { return Data; }
    ITrayShell& Shell() const { return *FShell; }

    // Replaces the desktop's notification area for the icons made from now on (tests);
    // an empty factory restores the desktop's own.
    using TShellFactory = std::function<std::unique_ptr<ITrayShell>(TTrayIcon&)>;
    static void SetShellFactory(TShellFactory factory);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InstallHook(bool on);
    void Trigger(TTrayIconMessage message);

    QWidget* Window;
    std::unique_ptr<ITrayShell> FShell;
    TNotifyIconData Data;
    bool FVisible = false;
    QString FHint;
    bool Hooked = false;
};

// The program's own icon, at every size the resources hold.
QIcon ProgramIcon();
