// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few window-manager requests Qt does not offer, and the window's real place as the X
// server has it. On a platform other than X11 (the offscreen platform of the tests, or
// Wayland) the requests do nothing and the place is Qt's own.

#include "common/Placement.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <cstdint>
#include <functional>
#include <optional>

class QObject;
class QScreen;
class QWidget;

namespace platform {

// True when the application runs on an X11 display.
bool IsX11();

// Keeps the window off task bars (_NET_WM_STATE_SKIP_TASKBAR) for the rest of its life:
// applied now, and again to every native window Qt makes for the widget later.
void SetSkipTaskbar(QWidget* window);

// Stay-on-top or normal stacking. A shown window is told through the window manager; a
// window not shown yet keeps the flag for the native window its first show makes. (Qt
// replaces a native window made earlier whose flag changed, at its show, and every state
// set on the old one is lost: so the clock makes its native window only when shown.)
void SetStaysOnTop(QWidget* window, bool onTop);

// Screen places in the X server's pixels (device pixels, what xwininfo reports) and in
// Qt's layout pixels, which are device pixels divided by the window's device pixel ratio
// (1 unless the desktop asks for scaling: Xft.dpi, QT_SCALE_FACTOR).
QPoint ToDevice(const QWidget* window, QPointF layout);
QPoint ToLayout(const QWidget* window, QPoint device);
// A screen's area free of panels, in device pixels.
QRect DeviceAvailableGeometry(const QScreen* screen);
// The screens in use as Qt reports them, in device pixels.
common::TLayout ScreenLayout();

// The top-left corner of the client area in root-window coordinates (device pixels), asked
// of the X server. Qt's record can be wrong under a window manager that reparents: it
// answers a late configure event with a position read while the window sat in a frame not
// yet placed, and the window manager says nothing when it then places the frame. Without
// a native window (closed, or not made yet) Qt's record is all there is.
QPoint ClientOrigin(const QWidget* window);
// The same asked of the X server only: nullopt without a native X window.
std::optional<QPoint> ServerOrigin(const QWidget* window);

// The pointer's place on the screen in device pixels, asked of the X server; nullopt
// without an X display.
std::optional<QPoint> PointerPosition();

// Places the client area's top-left corner at a point in device pixels. Qt's move() takes
// layout pixels, which at a ratio of 1.5 reach only two of every three device positions:
// the native window is placed exactly, and Qt's record set to the nearest layout point.
void PlaceWindow(QWidget* window, QPoint device);

// What the window manager may offer on a dialog's title bar (_MOTIF_WM_HINTS): moving
// always, closing only when asked, never resizing, minimising or maximising.
void SetDialogDecorations(QWidget* dialog, bool closeBox);

// Lets the mouse through the window to whatever lies below it (on), or takes it again:
// Qt's flag, which empties the input shape of the window itself, and an empty input shape
// (X Shape extension) on each window the window manager put around it, whose frame would
// take the clicks otherwise; made again when the window manager frames the window anew.
void SetTransparentForInput(QWidget* window, bool on);

// Calls gone, on the event loop, each time the system tray's manager (the XEmbed
// selection owner) goes away: the panel quit. Watches from now on, while owner lives.
void WatchTrayManager(QObject* owner, std::function<void()> gone);

// Sends queued requests to the X server now (window opacity waits for the next traffic).
void FlushDisplay();

} // namespace platform
