// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Placement.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace common {

namespace {

// Coordinates beyond this are no screen's: a stored text with such numbers is not taken,
// and nothing computed from the ones taken can overflow.
constexpr int Limit = 1 << 20;

bool IsRight(TCorner corner) {
    return corner == TCorner::TopRight || corner == TCorner::BottomRight;
}
bool IsBottom(TCorner corner) {
    return corner == TCorner::BottomLeft || corner == TCorner::BottomRight;
}

QPoint CornerOf(const QRect& rect, TCorner corner) {
    return {IsRight(corner) ? rect.x() + rect.width() : rect.x(),
            IsBottom(corner) ? rect.y() + rect.height() : rect.y()};
}

QPoint TopLeftFrom(QPoint corner, TCorner which, QSize window) {
    return corner -
           QPoint(IsRight(which) ? window.width() : 0, IsBottom(which) ? window.height() : 0);
}

// Doubled, so that halves stay whole numbers.
QPoint Centre2(const QRect& rect) {
    return {2 * rect.x() + rect.width(), 2 * rect.y() + rect.height()};
}

long long Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : (long long)rect.width() * rect.height();
}

long long Distance2(const QRect& rect, QPoint centre2) {
    const auto gap = [](int from, int to, int at) {
        return at < from ? from - at : at > to ? at - to : 0;
    };
    const long long dx = gap(2 * rect.x(), 2 * (rect.x() + rect.width()), centre2.x());
    const long long dy = gap(2 * rect.y(), 2 * (rect.y() + rect.height()), centre2.y());
    return dx * dx + dy * dy;
}

// The screen the window is on: the one holding its centre, else the one it overlaps most,
// else the nearest. -1 without screens.
int ScreenOf(const TLayout& layout, const QRect& window, bool usable) {
    int best = -1;
    long long bestArea = 0, bestDistance = 0;
    const QPoint centre2 = Centre2(window);
    for (int i = 0; i < int(layout.size()); ++i) {
        const QRect screen = usable ? layout[i].Usable() : layout[i].Geometry;
        const long long area = Area(screen & window);
        const long long distance = Distance2(screen, centre2);
        if (best < 0 || (distance == 0) > (bestDistance == 0) ||
            ((distance == 0) == (bestDistance == 0) &&
             (area > bestArea || (area == bestArea && distance < bestDistance)))) {
            best = i;
            bestArea = area;
            bestDistance = distance;
        }
    }
    return best;
}

QPoint Inside(const QRect& screen, QRect window) {
    const auto clamp = [](int at, int from, int room) {
        return room <= 0 ? from : std::clamp(at, from, from + room);
    };
    return {clamp(window.x(), screen.x(), screen.width() - window.width()),
            clamp(window.y(), screen.y(), screen.height() - window.height())};
}

bool OnSomeScreen(const TLayout& layout, const QRect& window) {
    return std::any_of(layout.begin(), layout.end(),
                       [&](const TScreen& screen) { return screen.Usable().intersects(window); });
}

const std::array<std::pair<TCorner, const char*>, 4> CornerNames = {{
    {TCorner::TopLeft, "top-left"},
    {TCorner::TopRight, "top-right"},
    {TCorner::BottomLeft, "bottom-left"},
    {TCorner::BottomRight, "bottom-right"},
}};

// A whole number within the limit, or nullopt.
std::optional<int> Number(const QJsonValue& value, int low = -Limit) {
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!(d >= low && d <= Limit) || d != std::floor(d))
        return std::nullopt;
    return int(d);
}

std::optional<TScreen> ScreenFromJson(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    for (const char* key : {"name", "manufacturer", "model", "serial"})
        if (!o.value(QLatin1String(key)).isString())
            return std::nullopt;
    const std::optional<int> x = Number(o.value(QLatin1String("x"))),
                             y = Number(o.value(QLatin1String("y"))),
                             w = Number(o.value(QLatin1String("width")), 1),
                             h = Number(o.value(QLatin1String("height")), 1);
    if (!x || !y || !w || !h)
        return std::nullopt;
    TScreen screen;
    screen.Id = {o.value(QLatin1String("name")).toString(),
                 o.value(QLatin1String("manufacturer")).toString(),
                 o.value(QLatin1String("model")).toString(),
                 o.value(QLatin1String("serial")).toString()};
    screen.Geometry = QRect(*x, *y, *w, *h);
    return screen;
}

std::optional<TPlace> PlaceFromJson(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    const QJsonValue screens = o.value(QLatin1String("screens"));
    if (!screens.isArray() || screens.toArray().isEmpty())
        return std::nullopt;
    std::vector<TScreen> layout;
    for (const QJsonValue& s : screens.toArray()) {
        const std::optional<TScreen> screen = ScreenFromJson(s);
        if (!screen)
            return std::nullopt;
        layout.push_back(*screen);
    }
    const std::optional<int> index = Number(o.value(QLatin1String("screen")), 0);
    const std::optional<int> x = Number(o.value(QLatin1String("x"))),
                             y = Number(o.value(QLatin1String("y")));
    const QString corner = o.value(QLatin1String("corner")).toString();
    const auto named = std::find_if(CornerNames.begin(), CornerNames.end(), [&](const auto& c) {
        return corner == QLatin1String(c.second);
    });
    if (!index || *index >= int(layout.size()) || !x || !y || named == CornerNames.end())
        return std::nullopt;
    // The index names a screen of the layout as written; sorting may move it.
    const TScreen on = layout[std::size_t(*index)];
    TPlace place;
    place.Layout = MakeLayout(std::move(layout));
    place.Screen = int(
        std::find_if(place.Layout.begin(), place.Layout.end(),
                     [&](const TScreen& s) { return s.Id == on.Id && s.Geometry == on.Geometry; }) -
        place.Layout.begin());
    place.Corner = named->first;
    place.Offset = QPoint(*x, *y);
    return place;
}

} // namespace

TLayout MakeLayout(std::vector<TScreen> screens) {
    std::sort(screens.begin(), screens.end(), [](const TScreen& a, const TScreen& b) {
        const auto key = [](const TScreen& s) {
            return std::make_tuple(s.Geometry.x(), s.Geometry.y(), s.Geometry.width(),
                                   s.Geometry.height(), s.Id.Name, s.Id.Manufacturer, s.Id.Model,
                                   s.Id.Serial);
        };
        return key(a) < key(b);
    });
    return screens;
}

bool SameLayout(const TLayout& a, const TLayout& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const TScreen& x, const TScreen& y) {
                          return x.Id == y.Id && x.Geometry == y.Geometry;
                      });
}

bool TPlace::operator==(const TPlace& other) const {
    return SameLayout(Layout, other.Layout) && Screen == other.Screen && Corner == other.Corner &&
           Offset == other.Offset;
}

QPoint PositionOf(const TPlace& place, QSize window) {
    if (place.Screen < 0 || place.Screen >= int(place.Layout.size()))
        return place.Offset;
    return TopLeftFrom(CornerOf(place.Layout[std::size_t(place.Screen)].Geometry, place.Corner) +
                           place.Offset,
                       place.Corner, window);
}

TPlaces Remember(const TPlaces& places, const TLayout& layout, QPoint position, QSize window) {
    if (layout.empty())
        return places;
    const QRect rect(position, window);
    TPlace place;
    place.Layout = layout;
    place.Screen = ScreenOf(layout, rect, false);
    const QRect screen = layout[std::size_t(place.Screen)].Geometry;
    const QPoint centre2 = Centre2(rect), screen2 = Centre2(screen);
    const bool right = centre2.x() > screen2.x(), bottom = centre2.y() > screen2.y();
    place.Corner = right ? (bottom ? TCorner::BottomRight : TCorner::TopRight)
                         : (bottom ? TCorner::BottomLeft : TCorner::TopLeft);
    place.Offset = CornerOf(rect, place.Corner) - CornerOf(screen, place.Corner);
    TPlaces result{place};
    for (const TPlace& other : places)
        if (!SameLayout(other.Layout, layout) && int(result.size()) < MaxPlaces)
            result.push_back(other);
    return result;
}

std::optional<QPoint> Place(const TLayout& layout, const TPlaces& places,
                            std::optional<QPoint> stored, QSize window) {
    const bool storedShows = stored && OnSomeScreen(layout, QRect(*stored, window));
    // Left/Top written with the last place recorded say nothing new; otherwise they were
    // set without one, and are where the user wants the window now.
    if (storedShows && (places.empty() || PositionOf(places.front(), window) != *stored))
        return stored;
    for (const TPlace& place : places)
        if (SameLayout(place.Layout, layout))
            return PositionOf(place, window);
    for (const TPlace& place : places) {
        const TScreenId& id = place.Layout[std::size_t(place.Screen)].Id;
        const auto same = std::find_if(layout.begin(), layout.end(),
                                       [&](const TScreen& screen) { return screen.Id == id; });
        if (same == layout.end())
            continue;
        const QPoint at = TopLeftFrom(CornerOf(same->Geometry, place.Corner) + place.Offset,
                                      place.Corner, window);
        return Inside(same->Usable(), QRect(at, window));
    }
    if (storedShows)
        return stored;
    return std::nullopt;
}

QPoint KeepVisible(const TLayout& layout, QRect window) {
    const int screen = ScreenOf(layout, window, true);
    if (screen < 0)
        return window.topLeft();
    return Inside(layout[std::size_t(screen)].Usable(), window);
}

QString PlacesToText(const TPlaces& places) {
    QJsonArray list;
    for (const TPlace& place : places) {
        QJsonArray screens;
        for (const TScreen& screen : place.Layout)
            screens.append(QJsonObject{{"name", screen.Id.Name},
                                       {"manufacturer", screen.Id.Manufacturer},
                                       {"model", screen.Id.Model},
                                       {"serial", screen.Id.Serial},
                                       {"x", screen.Geometry.x()},
                                       {"y", screen.Geometry.y()},
                                       {"width", screen.Geometry.width()},
                                       {"height", screen.Geometry.height()}});
        const auto corner = std::find_if(CornerNames.begin(), CornerNames.end(),
                                         [&](const auto& c) { return c.first == place.Corner; });
        list.append(QJsonObject{{"screens", screens},
                                {"screen", place.Screen},
                                {"corner", QLatin1String(corner->second)},
                                {"x", place.Offset.x()},
                                {"y", place.Offset.y()}});
    }
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

TPlaces PlacesFromText(const QString& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    TPlaces places;
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return places;
    for (const QJsonValue& value : document.array()) {
        const std::optional<TPlace> place = PlaceFromJson(value);
        // One place per layout, the first (most recent) counting; within the bound.
        if (!place || int(places.size()) >= MaxPlaces ||
            std::any_of(places.begin(), places.end(),
                        [&](const TPlace& p) { return SameLayout(p.Layout, place->Layout); }))
            continue;
        places.push_back(*place);
    }
    return places;
}

} // namespace common
