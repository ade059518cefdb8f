// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11Window.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

xcb_connection_t* Connection() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t RootOf(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    return it.data ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The X window the widget has now. The QWindow is asked, not the widget: the widget keeps
// the first id it was given even after Qt replaced the native window.
xcb_window_t NativeWindow(const QWidget* widget) {
    if (!widget || !widget->testAttribute(Qt::WA_WState_Created))
        return XCB_WINDOW_NONE;
    const QWindow* handle = widget->windowHandle();
    return handle ? xcb_window_t(handle->winId()) : xcb_window_t(XCB_WINDOW_NONE);
}

bool IsMapped(xcb_connection_t* c, xcb_window_t win) {
    const Reply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, win), nullptr));
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

void ApplySkipTaskbar(QWidget* window) {
    xcb_connection_t* c = Connection();
    const xcb_window_t win = NativeWindow(window);
    if (!c || win == XCB_WINDOW_NONE)
        return;
    const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
    const xcb_atom_t skip = Atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;

    if (!IsMapped(c, win)) {
        // Not managed yet: merge into the property, which Qt also merges into when it maps.
        std::vector<xcb_atom_t> atoms;
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, win, state, XCB_ATOM_ATOM, 0, 1024), nullptr));
        if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
            atoms.assign(data, data + xcb_get_property_value_length(reply.get()) / 4);
        }
        for (xcb_atom_t a : atoms)
            if (a == skip)
                return;
        atoms.push_back(skip);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, win, state, XCB_ATOM_ATOM, 32,
                            std::uint32_t(atoms.size()), atoms.data());
    } else {
        // Managed: the window manager owns the property and takes requests.
        xcb_client_message_event_t ev;
        std::memset(&ev, 0, sizeof ev);
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = win;
        ev.type = state;
        ev.data.data32[0] = 1; // _NET_WM_STATE_ADD
        ev.data.data32[1] = skip;
        ev.data.data32[3] = 1; // normal application
        xcb_send_event(c, 0, RootOf(c),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&ev));
    }
    xcb_flush(c);
}

// Re-applies the state to each native window the widget is given.
class TSkipTaskbarKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WinIdChange)
            ApplySkipTaskbar(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

bool IsX11() {
    return Connection() != nullptr;
}

void SetSkipTaskbar(QWidget* window) {
    if (!window)
        return;
    static const QString keeperName = QStringLiteral("korvane5-skip-taskbar");
    if (!window->findChild<QObject*>(keeperName, Qt::FindDirectChildrenOnly)) {
        auto* keeper = new TSkipTaskbarKeeper(window);
        keeper->setObjectName(keeperName);
        window->installEventFilter(keeper);
    }
    ApplySkipTaskbar(window);
}

void SetStaysOnTop(QWidget* window, bool onTop) {
    QWindow* handle = window->windowHandle();
    if (window->isVisible() && handle) {
        handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
        return;
    }
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

namespace {
// Qt keeps each screen's origin where the X server has it and scales from there.
QPoint ScreenOrigin(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->geometry().topLeft() : QPoint();
}
} // namespace

QPoint ToDevice(const QWidget* window, QPointF layout) {
    const QPointF origin = ScreenOrigin(window);
    return (origin + (layout - origin) * window->devicePixelRatioF()).toPoint();
}

QPoint ToLayout(const QWidget* window, QPoint device) {
    const QPointF origin = ScreenOrigin(window);
    return (origin + (QPointF(device) - origin) / window->devicePixelRatioF()).toPoint();
}

QRect DeviceAvailableGeometry(const QScreen* screen) {
    const QRect whole = screen->geometry(), area = screen->availableGeometry();
    const qreal ratio = screen->devicePixelRatio();
    const QPointF topLeft =
        QPointF(whole.topLeft()) + QPointF(area.topLeft() - whole.topLeft()) * ratio;
    return QRect(topLeft.toPoint(), (QSizeF(area.size()) * ratio).toSize());
}

common::TLayout ScreenLayout() {
    std::vector<common::TScreen> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        // Qt keeps a screen's origin where the X server has it and scales its size.
        const QRect whole = screen->geometry();
        screens.push_back(
            {{screen->name(), screen->manufacturer(), screen->model(), screen->serialNumber()},
             QRect(whole.topLeft(), (QSizeF(whole.size()) * screen->devicePixelRatio()).toSize()),
             DeviceAvailableGeometry(screen)});
    }
    return common::MakeLayout(std::move(screens));
}

std::optional<QPoint> ServerOrigin(const QWidget* window) {
    xcb_connection_t* c = Connection();
    const xcb_window_t win = NativeWindow(window);
    if (c && win != XCB_WINDOW_NONE) {
        const Reply<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, win, RootOf(c), 0, 0), nullptr));
        if (reply)
            return QPoint(reply->dst_x, reply->dst_y);
    }
    return std::nullopt;
}

QPoint ClientOrigin(const QWidget* window) {
    return ServerOrigin(window).value_or(ToDevice(window, window->geometry().topLeft()));
}

std::optional<QPoint> PointerPosition() {
    xcb_connection_t* c = Connection();
    if (!c)
        return std::nullopt;
    const Reply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(c, xcb_query_pointer(c, RootOf(c)), nullptr));
    if (!reply)
        return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

void PlaceWindow(QWidget* window, QPoint device) {
    // setGeometry places the client area; move() would place the frame once Qt knows it.
    window->setGeometry(QRect(ToLayout(window, device), window->size()));
    xcb_connection_t* c = Connection();
    const xcb_window_t win = NativeWindow(window);
    if (!c || win == XCB_WINDOW_NONE || window->devicePixelRatioF() == 1.0)
        return; // Qt's own request is exact
    const std::uint32_t values[] = {std::uint32_t(device.x()), std::uint32_t(device.y())};
    xcb_configure_window(c, win, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(c);
}

void SetDialogDecorations(QWidget* dialog, bool closeBox) {
    xcb_connection_t* c = Connection();
    const xcb_window_t win = NativeWindow(dialog);
    if (!c || win == XCB_WINDOW_NONE)
        return;
    const xcb_atom_t hints = Atom(c, "_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE)
        return;
    enum : std::uint32_t {
        HintFunctions = 1,
        HintDecorations = 2,
        FuncMove = 4,
        FuncClose = 32,
        DecorBorder = 2,
        DecorTitle = 8,
    };
    const std::uint32_t data[5] = {HintFunctions | HintDecorations,
                                   FuncMove | (closeBox ? FuncClose : 0u), DecorBorder | DecorTitle,
                                   0, 0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, win, hints, hints, 32, 5, data);
    xcb_flush(c);
}

namespace {

// The input shape of the window and of each of its ancestors below the root: empty, or
// the window's own (unshaped).
void ShapeInput(xcb_connection_t* c, xcb_window_t win, bool empty) {
    for (xcb_window_t w = win; w != XCB_WINDOW_NONE;) {
        if (empty)
            xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                                 XCB_CLIP_ORDERING_UNSORTED, w, 0, 0, 0, nullptr);
        else
            xcb_shape_mask(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, w, 0, 0, XCB_PIXMAP_NONE);
        const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
        w = tree && tree->parent != tree->root ? tree->parent : xcb_window_t(XCB_WINDOW_NONE);
    }
    xcb_flush(c);
}

// Empties the input shapes again whenever the window manager reparents the window (it is
// shown for the first time, or the window manager restarts).
class TInputShapeKeeper : public QObject, public QAbstractNativeEventFilter {
public:
    explicit TInputShapeKeeper(QWidget* window) : QObject(window), Window(window) {
        QAbstractEventDispatcher::instance()->installNativeEventFilter(this);
    }
    ~TInputShapeKeeper() override {
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->removeNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_REPARENT_NOTIFY &&
            reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window ==
                NativeWindow(Window))
            // After Qt has seen it too, and outside its event handling.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (xcb_connection_t* c = Connection())
                        ShapeInput(c, NativeWindow(Window), true);
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    QWidget* Window;
};

const char* const ShapeKeeperName = "korvane5-input-shape";

} // namespace

void SetTransparentForInput(QWidget* window, bool on) {
    if (QWindow* handle = window->windowHandle())
        handle->setFlag(Qt::WindowTransparentForInput, on);
    else
        window->setWindowFlag(Qt::WindowTransparentForInput, on);
    // Found by its name: the keeper has no meta-object of its own to be found by type.
    delete window->findChild<QObject*>(QLatin1String(ShapeKeeperName), Qt::FindDirectChildrenOnly);
    xcb_connection_t* c = Connection();
    if (!c)
        return;
    if (on)
        (new TInputShapeKeeper(window))->setObjectName(QLatin1String(ShapeKeeperName));
    const xcb_window_t win = NativeWindow(window);
    if (win != XCB_WINDOW_NONE)
        ShapeInput(c, win, on);
}

namespace {

class TTrayManagerWatch : public QObject, public QAbstractNativeEventFilter {
public:
    TTrayManagerWatch(QObject* owner, std::function<void()> gone)
        : QObject(owner), Gone(std::move(gone)) {
        xcb_connection_t* c = Connection();
        if (!c)
            return;
        Selection = Atom(c, "_NET_SYSTEM_TRAY_S0");
        Manager = Atom(c, "MANAGER");
        Track(c);
        QAbstractEventDispatcher::instance()->installNativeEventFilter(this);
    }
    ~TTrayManagerWatch() override {
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->removeNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_DESTROY_NOTIFY:
            if (Owner != XCB_WINDOW_NONE &&
                reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == Owner) {
                Owner = XCB_WINDOW_NONE;
                const auto gone = [this] { Gone(); };
                QMetaObject::invokeMethod(this, gone, Qt::QueuedConnection);
            }
            break;
        case XCB_CLIENT_MESSAGE: {
            // A new tray announces itself on the root window.
            const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (m->type == Manager && m->data.data32[1] == Selection)
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (xcb_connection_t* c = Connection())
                            Track(c);
                    },
                    Qt::QueuedConnection);
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    void Track(xcb_connection_t* c) {
        const Reply<xcb_get_selection_owner_reply_t> reply(
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, Selection), nullptr));
        Owner = reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
        if (Owner == XCB_WINDOW_NONE)
            return;
        // Qt's own tray tracking asks the same of this window.
        const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, Owner, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
    }

    std::function<void()> Gone;
    xcb_atom_t Selection = XCB_ATOM_NONE, Manager = XCB_ATOM_NONE;
    xcb_window_t Owner = XCB_WINDOW_NONE;
};

} // namespace

void WatchTrayManager(QObject* owner, std::function<void()> gone) {
    new TTrayManagerWatch(owner, std::move(gone));
}

void FlushDisplay() {
    if (xcb_connection_t* c = Connection())
        xcb_flush(c);
}

} // namespace platform
