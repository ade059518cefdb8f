// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a clock goes on the monitor layout in use. A clock remembers one place per layout
// (the set of screens, each known by what the desktop reports of it and its geometry): the
// screen it is on, the corner of that screen nearest to it and its offset from that corner.
// A layout seen before gets its place back to the pixel; a layout never seen puts the clock
// at the same corner of the same monitor, if that monitor is there. Everything here is in
// device pixels (the X server's).

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace common {

// What the desktop reports of a monitor, apart from where it is.
struct TScreenId {
    QString Name, Manufacturer, Model, Serial;
    bool operator==(const TScreenId&) const = default;
};

struct TScreen {
    TScreenId Id;
    QRect Geometry;
    // The part free of panels; not part of the layout's identity (panels come and go).
    // Empty: the whole screen.
    QRect Available;
    QRect Usable() const { return Available.isEmpty() ? Geometry : Available; }
};

// The screens in use, in a fixed order (MakeLayout sorts them), so that the same monitors
// in the same places are the same layout whatever order the desktop lists them in.
using TLayout = std::vector<TScreen>;
TLayout MakeLayout(std::vector<TScreen> screens);
bool SameLayout(const TLayout& a, const TLayout& b);

enum class TCorner { TopLeft, TopRight, BottomLeft, BottomRight };

// A remembered place: on the layout's screen of that index, the window's corner this far
// (x right, y down) from the same corner of the screen.
struct TPlace {
    TLayout Layout;
    int Screen = 0;
    TCorner Corner = TCorner::TopLeft;
    QPoint Offset;
    bool operator==(const TPlace& other) const;
};

// Most recently used first; at most MaxPlaces.
using TPlaces = std::vector<TPlace>;
inline constexpr int MaxPlaces = 8;

// The window's top-left corner that a place stands for on its own layout.
QPoint PositionOf(const TPlace& place, QSize window);

// The places with the window's place on the layout in use recorded, first; another
// layout's place is never changed, and the least recently used beyond MaxPlaces goes.
// A layout without screens records nothing.
TPlaces Remember(const TPlaces& places, const TLayout& layout, QPoint position, QSize window);

// Where the window goes on the layout in use. stored: "Left"/"Top" when the store has
// them; they stand for the layout in use when no place was recorded with them (an older
// store, or set by hand since), as long as the window is on some screen there. Then the
// place of this layout, else the same corner of the same monitor, kept wholly on it.
// nullopt: nowhere known (the caller centres the window).
std::optional<QPoint> Place(const TLayout& layout, const TPlaces& places,
                            std::optional<QPoint> stored, QSize window);

// The window moved the least distance that puts it wholly on the screen it overlaps most
// (or the nearest one); its top-left corner when it is larger than the screen.
QPoint KeepVisible(const TLayout& layout, QRect window);

// The text form of the places (JSON), as stored; a text that is not such a list, or the
// parts of it that are not places, read as no places.
QString PlacesToText(const TPlaces& places);
TPlaces PlacesFromText(const QString& text);

} // namespace common
