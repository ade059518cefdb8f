// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TrayIcon.h"

#include "widgets/ErrorGuard.h"
#include "widgets/Resources.h"

#include "platform/SessionBus.h"
#include "platform/X11Window.h"
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <algorithm>

namespace {

// Qt's own window for an icon docked in an XEmbed tray.
const QLatin1String XEmbedIconName("QSystemTrayIconSys");

bool XEmbedIconShown() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget* w) { return w->objectName() == XEmbedIconName; });
}

// The desktop's notification area, through Qt's system tray icon. Qt docks the icon by
// itself when a tray comes up after it was shown, so an add that finds no tray still
// leaves the icon on its way. Qt's icon asks the session bus for a StatusNotifierItem host
// when it is made, and waits for the answer: it is made only once the bus has answered (or
// is known to be missing), and until then the icon is on its way as well.
class TDesktopTrayShell final : public QObject, public ITrayShell {
public:
    explicit TDesktopTrayShell(TTrayIcon& owner) : Owner(owner) {
        platform::TSessionBus::WhenSettled(this, [this](bool) { MakeIcon(); });
        platform::WatchTrayManager(this, [this] { Owner.TrayGone(); });
    }

    void MakeIcon() {
        Icon = std::make_unique<QSystemTrayIcon>();
        // A StatusNotifierItem host reports whole clicks. An XEmbed icon reports them on
        // the press, so its mouse events are read below instead, where the right button
        // counts on its release.
        connect(Icon.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (XEmbedIconShown())
                        return;
                    switch (reason) {
                    case QSystemTrayIcon::Trigger:
                        Report(TTrayMouse::LeftUp);
                        break;
                    case QSystemTrayIcon::DoubleClick:
                        Report(TTrayMouse::LeftDouble);
                        break;
                    case QSystemTrayIcon::Context:
                        Report(TTrayMouse::RightUp);
                        break;
                    case QSystemTrayIcon::MiddleClick:
                        Report(TTrayMouse::MiddleUp);
                        break;
                    default:
                        break;
                    }
                });
        QCoreApplication::instance()->installEventFilter(this);
        Apply(Data);
        if (Shown)
            Icon->show();
    }

    bool Add(const TNotifyIconData& data) override {
        Shown = true;
        Apply(data);
        if (!Icon)
            return true; // on its way
        Icon->show();
        return QSystemTrayIcon::isSystemTrayAvailable();
    }
    bool Modify(const TNotifyIconData& data) override {
        Apply(data);
        return true;
    }
    bool Delete() override {
        Shown = false;
        if (Icon)
            Icon->hide();
        return true;
    }
    bool Present() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    bool ShowMessage(const QString& title, const QString& text) override {
        if (!Icon || !QSystemTrayIcon::isSystemTrayAvailable() ||
            !QSystemTrayIcon::supportsMessages())
            return false;
        Icon->showMessage(title, text, Icon->icon());
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        int offset;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            offset = 0;
            break;
        case QEvent::MouseButtonRelease:
            offset = 1;
            break;
        case QEvent::MouseButtonDblClick:
            offset = 2;
            break;
        default:
            return false;
        }
        if (!watched->isWidgetType() || watched->objectName() != XEmbedIconName)
            return false;
        int base;
        switch (static_cast<QMouseEvent*>(event)->button()) {
        case Qt::LeftButton:
            base = int(TTrayMouse::LeftDown);
            break;
        case Qt::RightButton:
            base = int(TTrayMouse::RightDown);
            break;
        case Qt::MiddleButton:
            base = int(TTrayMouse::MiddleDown);
            break;
        default:
            return false;
        }
        Report(TTrayMouse(base + offset));
        return false;
    }

private:
    void Apply(const TNotifyIconData& data) {
        Data = data;
        if (!Icon)
            return;
        Icon->setIcon(data.Image);
        Icon->setToolTip(data.Flags & TNotifyIconData::Tip ? data.TipText : QString());
    }
    void Report(TTrayMouse message) {
        widgets::Guarded([&] { Owner.MouseMessage(message); });
    }

    TTrayIcon& Owner;
    std::unique_ptr<QSystemTrayIcon> Icon; // made once the session bus is settled
    TNotifyIconData Data;                  // what it shows, also before it is made
    bool Shown = false;
};

TTrayIcon::TShellFactory& Factory() {
    static TTrayIcon::TShellFactory factory;
    return factory;
}

} // namespace

QIcon ProgramIcon() {
    return widgets::ResourceIcon(QStringLiteral(":/images/icon%1.png"), {16, 32, 48, 64, 128});
}

void TTrayIcon::SetShellFactory(TShellFactory factory) {
    Factory() = std::move(factory);
}

TTrayIcon::TTrayIcon(QWidget* window) : QObject(window), Window(window) {
    Data.Image = ProgramIcon();
    FShell = Factory() ? Factory()(*this) : std::make_unique<TDesktopTrayShell>(*this);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { EndSession(); });
    RefreshShellEntry();
}

TTrayIcon::~TTrayIcon() {
    InstallHook(false);
    FShell->Delete(); // leaving anyway: a refusal changes nothing
}

void TTrayIcon::SetVisible(bool value) {
    FVisible = value;
    if (value) {
        if (!FShell->Add(Data))
            throw ETrayIconError(tr("Cannot Create System Shell Notification Icon"));
        Hide = true;
        InstallHook(true);
    } else {
        if (!FShell->Delete())
            throw ETrayIconError(tr("Cannot Remove System Shell Notification Icon"));
        Hide = false;
        InstallHook(false);
    }
}

void TTrayIcon::SetHint(const QString& value) {
    if (value == FHint || value.size() >= 64)
        return;
    FHint = value;
    Data.TipText = value.left(TNotifyIconData::TipLength);
    if (value.isEmpty())
        Data.Flags &= ~TNotifyIconData::Tip;
    else
        Data.Flags |= TNotifyIconData::Tip;
    RefreshShellEntry();
}

void TTrayIcon::Loaded() {
    Data.Image = ProgramIcon();
    RefreshShellEntry();
}

void TTrayIcon::RefreshShellEntry() {
    if (FVisible)
        FShell->Modify(Data);
}

bool TTrayIcon::ShowMessage(const QString& title, const QString& text) {
    return FVisible && FShell && FShell->ShowMessage(title, text);
}

void TTrayIcon::EndSession() {
    FShell->Delete();
}

void TTrayIcon::TrayGone() {
    if (OnGone)
        widgets::Guarded(OnGone);
}

void TTrayIcon::MouseMessage(TTrayMouse message) {
    switch (message) {
    case TTrayMouse::LeftDown:
    case TTrayMouse::RightDown:
    case TTrayMouse::MiddleDown:
        Trigger(imMouseDown);
        break;
    case TTrayMouse::LeftUp:
        Trigger(imClick);
        Trigger(imMouseUp);
        Trigger(imLeftClickUp);
        break;
    case TTrayMouse::RightUp:
        Trigger(imMouseUp);
        Trigger(imRightClickUp);
        break;
    case TTrayMouse::MiddleUp:
        Trigger(imMouseUp);
        break;
    case TTrayMouse::LeftDouble:
        Trigger(imDoubleClick);
        Trigger(imLeftDoubleClick);
        break;
    case TTrayMouse::RightDouble:
        Trigger(imDoubleClick);
        Trigger(imRightDoubleClick);
        break;
    case TTrayMouse::MiddleDouble:
        Trigger(imDoubleClick);
        break;
    case TTrayMouse::Move:
        break;
    }
}

void TTrayIcon::Trigger(TTrayIconMessage message) {
    if (RestoreOn == message)
        ShowApplication();
    if (PopupMenuOn == message)
        PopupAtCursor();
}

void TTrayIcon::PopupAtCursor() {
    const QPoint at = QCursor::pos();
    // While a dialog runs modally the menu's commands would act under it (a clock switch
    // would replace the open skin chooser): the dialog comes forward instead.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    QWidget* form = QApplication::activeWindow();
    if (!form)
        form = Window;
    if (form) {
        form->raise();
        form->activateWindow();
    }
    if (!PopupMenu)
        return;
    if (!TrayItems.isEmpty()) {
        PopupMenu->addActions(TrayItems);
        // Taken out once the menu has run its command: the owner's own menu is as designed.
        connect(
            PopupMenu, &QMenu::aboutToHide, this,
            [this, menu = PopupMenu] {
                QTimer::singleShot(0, this, [this, menu] {
                    if (menu)
                        for (QAction* item : TrayItems)
                            menu->removeAction(item);
                });
            },
            Qt::SingleShotConnection);
    }
    PopupMenu->popup(at);
}

void TTrayIcon::HideApplication() {
    if (Window && !Window->isMinimized())
        Window->showMinimized();
}

void TTrayIcon::ShowApplication() {
    if (!Window)
        return;
    if (Window->isMinimized())
        Window->showNormal();
    Window->raise();
    Window->activateWindow();
}

void TTrayIcon::InstallHook(bool on) {
    if (!Window || on == Hooked)
        return;
    if (on)
        Window->installEventFilter(this);
    else
        Window->removeEventFilter(this);
    Hooked = on;
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    // Minimising and restoring the main window while the icon is shown; the window's own
    // handling follows either way.
    if (watched == Window && event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool was = change->oldState() & Qt::WindowMinimized;
        const bool now = Window->isMinimized();
        if (!was && now)
            widgets::Guarded([this] { HideApplication(); });
        else if (was && !now)
            widgets::Guarded([this] { ShowApplication(); });
    }
    return false;
}

TTrayIcon* TTrayIcon::ForClock(QWidget* window) {
    auto* icon = new TTrayIcon(window);
    try {
        icon->SetVisible(true);
    } catch (const ETrayIconError&) {
        // No notification area yet: the icon docks when one comes up.
    }
    icon->Hide = true;
    icon->RestoreOn = imNone;
    icon->PopupMenuOn = imRightClickUp;
    return icon;
}

void TTrayIcon::SetMenus(QMenu* menu, const QList<QAction*>& trayItems,
                         std::function<void()> gone) {
    PopupMenu = menu;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    TrayItems = QList<QAction*>{separator} + trayItems;
    OnGone = std::move(gone);
}
