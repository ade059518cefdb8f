// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the clock window is: placed to the device pixel at any scale, centred on its first
// show until a stored place moves it, put back where each monitor layout had it, kept on a
// screen when its monitor goes. It owns what the store keeps of the window's place ("Left",
// "Top" and the places of the layouts) and reads the pointer for a drag.

#include "common/Placement.h"
#include "store/ClockSettings.h"

#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

class QMouseEvent;
class QTimer;
class QWidget;

class TWindowPlacement : public QObject {
public:
    using TSettings = std::function<store::TClockSettings&()>;
    // Follows the monitors from now on; settings gives the active clock's settings.
    TWindowPlacement(QWidget* window, TSettings settings);

    // Where the window really is on the screen: the top-left corner of its client area, in
    // the X server's pixels (as stored in "Left" and "Top", the same point at any scale).
    QPoint Position() const;
    // Position, with Qt's own record of it brought in line when they differ.
    QPoint Sync();
    // Places the window's client area at a point in device pixels (the X server's), exactly
    // at any scale; before the first show the native window takes it when it is made.
    void PlaceAt(QPoint device);
    // Placed by the user (a drag): the place the store keeps from now on.
    void MoveTo(QPoint device);
    // Where the window is now stands for the place of a clock that has none stored.
    void SetDefault(store::TClockSettings& settings);
    // The window's size in device pixels.
    QSize DeviceSize() const;

    // The native window exists now: the first placement is made exact.
    void Shown();
    // The stored place in effect: the place this monitor layout had, or Left/Top.
    void Apply(const store::TClockSettings& settings);
    // Hands the window's place to the settings before a save.
    void Observe(store::TClockSettings& settings) const;

    // Where a mouse press or a move of a drag is, in device pixels from the window's
    // top-left corner.
    QPoint PressedAt(const QMouseEvent* event) const;
    QPoint DraggedTo(const QMouseEvent* event) const;

private:
    // Where the pointer of a mouse event is on the screen, in device pixels.
    QPoint Pointer(const QMouseEvent* event) const;
    void CentreOnScreen();
    // A monitor came or went or changed: the window goes to the place the new layout had,
    // or is kept wholly on a screen. The place on the layout before is remembered first.
    void ScreensChanged();

    QWidget* Window;
    TSettings Settings;
    common::TLayout Layout; // the layout last seen
    QTimer* Settle;         // the changes of one plug or xrandr call come as several
    bool CentreOnShow = true;
    bool WasShown = false;
    // Where the clock last placed or found its window, in device pixels, and Qt's record of
    // the place then (layout pixels): the first show places the native window exactly.
    struct TPlace {
        QPoint Device, Layout;
    };
    std::optional<TPlace> Placed;
};
