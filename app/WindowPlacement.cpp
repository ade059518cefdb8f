// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlacement.h"

#include "platform/X11Window.h"
#include "widgets/ErrorGuard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

TWindowPlacement::TWindowPlacement(QWidget* window, TSettings settings)
    : QObject(window), Window(window), Settings(std::move(settings)) {
    // Monitors plugged in or out, or moved: the clock follows once the changes settle.
    Settle = new QTimer(this);
    Settle->setSingleShot(true);
    Settle->setInterval(100);
    connect(Settle, &QTimer::timeout, this,
            [this] { widgets::Guarded([this] { ScreensChanged(); }); });
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, Settle, qOverload<>(&QTimer::start));
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
        watch(screen);
        Settle->start();
    });
    connect(qApp, &QGuiApplication::screenRemoved, Settle, qOverload<>(&QTimer::start));
    Layout = platform::ScreenLayout();
}

QPoint TWindowPlacement::Position() const {
    if (const std::optional<QPoint> real = platform::ServerOrigin(Window))
        return *real;
    // Without a native window Qt's record in layout pixels is all there is, which at a
    // scale above 1 cannot name every device pixel: where the clock placed or found the
    // window stands for it while that record is unchanged.
    if (Placed && Placed->Layout == Window->pos())
        return Placed->Device;
    return platform::ClientOrigin(Window);
}

QPoint TWindowPlacement::Sync() {
    const QPoint real = Position();
    if (platform::ToLayout(Window, real) != Window->pos())
        platform::PlaceWindow(Window, real); // the window manager keeps it there, Qt records it
    Placed = TPlace{real, Window->pos()};
    return real;
}

void TWindowPlacement::PlaceAt(QPoint device) {
    platform::PlaceWindow(Window, device);
    Placed = TPlace{device, Window->pos()};
}

void TWindowPlacement::MoveTo(QPoint device) {
    PlaceAt(device);
    Settings().Change(store::TSetting::Left, device.x());
    Settings().Change(store::TSetting::Top, device.y());
}

void TWindowPlacement::SetDefault(store::TClockSettings& settings) {
    const QPoint current = Sync();
    settings.SetDefault(store::TSetting::Left, current.x());
    settings.SetDefault(store::TSetting::Top, current.y());
}

QSize TWindowPlacement::DeviceSize() const {
    return (QSizeF(Window->size()) * Window->devicePixelRatioF()).toSize();
}

void TWindowPlacement::Shown() {
    if (!WasShown && CentreOnShow)
        CentreOnScreen();
    else if (!WasShown && Placed && Placed->Layout == Window->pos())
        platform::PlaceWindow(Window, Placed->Device);
    WasShown = true;
}

void TWindowPlacement::Apply(const store::TClockSettings& settings) {
    // A position on no screen any more (a monitor was removed) would lose the window, which
    // then stays where it is, centred at start-up.
    using enum store::TSetting;
    const QPoint current = platform::ToDevice(Window, Window->pos());
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

void TWindowPlacement::Observe(store::TClockSettings& settings) const {
    using enum store::TSetting;
    const QPoint position = Position();
    settings.Observe(Left, position.x());
    settings.Observe(Top, position.y());
    // Where Left/Top are written, the layout in use gets its place; the others keep theirs.
    settings.Observe(Places, common::PlacesToText(common::Remember(
                                 common::PlacesFromText(settings.Text(Places)),
                                 platform::ScreenLayout(), position, DeviceSize())));
}

QPoint TWindowPlacement::PressedAt(const QMouseEvent* event) const {
    // In device pixels from where the window really is: Qt's place in the window is
    // measured from its record of the window, which at 1.5 may be a pixel off.
    return Window->devicePixelRatioF() == 1.0 ? event->position().toPoint()
                                              : Pointer(event) - Position();
}

QPoint TWindowPlacement::DraggedTo(const QMouseEvent* event) const {
    // Measured from the pointer's place on the screen and Qt's record of the window: the
    // place in the window the event carries is from where the X server had the window,
    // which in a fast drag is often before the last move reached it (the window then
    // ends off the pointer). mapFromGlobal would ask the server as well. In device pixels,
    // so that at any scale the pressed point stays under the pointer to the pixel.
    return Pointer(event) - platform::ToDevice(Window, Window->pos());
}

QPoint TWindowPlacement::Pointer(const QMouseEvent* event) const {
    // Qt gives the pointer's place in whole layout pixels: at 1.5 that is up to a device
    // pixel off, so the X server is asked.
    if (Window->devicePixelRatioF() != 1.0)
        if (const std::optional<QPoint> pointer = platform::PointerPosition())
            return *pointer;
    return platform::ToDevice(Window, event->globalPosition());
}

void TWindowPlacement::CentreOnScreen() {
    const QScreen* screen = Window->screen();
    if (!screen)
        return;
    const QRect area = platform::DeviceAvailableGeometry(screen);
    const QSize size = DeviceSize();
    PlaceAt(area.topLeft() +
            QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2));
}

void TWindowPlacement::ScreensChanged() {
    const common::TLayout layout = platform::ScreenLayout();
    if (layout.empty() || common::SameLayout(layout, Layout))
        return;
    // Where the clock last put the window counts for the layout before: the window manager
    // may have moved it already when its monitor went.
    using enum store::TSetting;
    store::TClockSettings& settings = Settings();
    common::TPlaces places = common::PlacesFromText(settings.Text(Places));
    if (!Layout.empty())
        places =
            common::Remember(places, Layout, Placed ? Placed->Device : Position(), DeviceSize());
    settings.Observe(Places, common::PlacesToText(places));
    Layout = layout;
    const QPoint now = Position();
    const QPoint target = common::Place(layout, places, std::nullopt, DeviceSize())
                              .value_or(common::KeepVisible(layout, QRect(now, DeviceSize())));
    if (target != now)
        PlaceAt(target);
}
