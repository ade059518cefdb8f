// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Placement.h"

#include <gtest/gtest.h>

using namespace common;

namespace {

const QSize Window(250, 90);

TScreen Screen(const char* name, int x, int y, int w, int h) {
    return {{QString::fromLatin1(name), {}, {}, {}}, QRect(x, y, w, h), {}};
}

// A laptop's own screen, docked beside a larger monitor, and that monitor elsewhere.
const TLayout Laptop = MakeLayout({Screen("eDP", 0, 0, 1280, 800)});
const TLayout Docked =
    MakeLayout({Screen("eDP", 0, 0, 1280, 800), Screen("HDMI", 1280, 0, 1920, 1080)});
const TLayout DockedListedBackwards =
    MakeLayout({Screen("HDMI", 1280, 0, 1920, 1080), Screen("eDP", 0, 0, 1280, 800)});
const TLayout DockedLowRes =
    MakeLayout({Screen("eDP", 0, 0, 1280, 800), Screen("HDMI", 1280, 0, 1280, 1024)});
const TLayout MonitorAlone = MakeLayout({Screen("HDMI", 0, 0, 1920, 1080)});
const TLayout MonitorLeft =
    MakeLayout({Screen("HDMI", 0, 0, 1920, 1080), Screen("eDP", 1920, 0, 1280, 800)});
const TLayout Stranger = MakeLayout({Screen("DP", 0, 0, 2560, 1440)});

struct TVisit {
    TLayout Layout;
    QPoint Position;
};

// The places recorded by visits, oldest first.
TPlaces Visited(const std::vector<TVisit>& visits) {
    TPlaces places;
    for (const TVisit& visit : visits)
        places = Remember(places, visit.Layout, visit.Position, Window);
    return places;
}

struct TPlaceRow {
    const char* Name;
    TLayout Layout;
    std::vector<TVisit> Visits;
    std::optional<QPoint> Stored;
    std::optional<QPoint> Expected;
};

} // namespace

TEST(PlacementTest, TheWindowGoesWhereTheLayoutHadIt) {
    const TPlaceRow rows[] = {
        {"nothing stored: the guard", Laptop, {}, std::nullopt, std::nullopt},
        {"an older store on screen: Left/Top stand",
         Laptop,
         {},
         QPoint(100, 100),
         QPoint(100, 100)},
        {"an older store on no screen: the guard", Laptop, {}, QPoint(1500, 100), std::nullopt},
        {"undocked, only the docked place known: the guard",
         Laptop,
         {{Docked, {1500, 100}}},
         QPoint(1500, 100),
         std::nullopt},
        {"docked again after an undocked run: the first place",
         Docked,
         {{Docked, {1500, 100}}, {Laptop, {515, 355}}},
         QPoint(515, 355),
         QPoint(1500, 100)},
        {"the same layout listed in another order: the same pixel",
         DockedListedBackwards,
         {{Docked, {2900, 950}}, {Laptop, {515, 355}}},
         QPoint(515, 355),
         QPoint(2900, 950)},
        {"the monitor at another resolution: the same corner and offset",
         DockedLowRes,
         {{Docked, {2900, 950}}},
         QPoint(2900, 950),
         QPoint(2260, 894)},
        {"the monitor in another position: the same corner of it",
         MonitorLeft,
         {{Docked, {1500, 100}}},
         QPoint(1500, 100),
         QPoint(220, 100)},
        {"the monitor alone and smaller room: kept wholly on it",
         MonitorAlone,
         {{Docked, {3000, 500}}},
         QPoint(3000, 500),
         QPoint(1670, 500)},
        {"the most recent place on the monitor counts",
         MonitorAlone,
         {{Docked, {1500, 100}}, {DockedLowRes, {2300, 100}}},
         QPoint(2300, 100),
         QPoint(1660, 100)},
        {"Left/Top set by hand since the last place: they stand",
         Docked,
         {{Docked, {1500, 100}}},
         QPoint(300, 300),
         QPoint(300, 300)},
        {"set by hand on no screen: the layout's place",
         Docked,
         {{Docked, {1500, 100}}},
         QPoint(-5000, 300),
         QPoint(1500, 100)},
        {"no known monitor, Left/Top on a screen: they stand",
         Stranger,
         {{Docked, {1500, 100}}},
         QPoint(1500, 100),
         QPoint(1500, 100)},
        {"no known monitor, Left/Top on none: the guard",
         Stranger,
         {{Docked, {2900, 950}}},
         QPoint(2900, 950),
         std::nullopt},
    };
    for (const TPlaceRow& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(Place(row.Layout, Visited(row.Visits), row.Stored, Window), row.Expected);
    }
}

TEST(PlacementTest, ALayoutsPlaceIsItsOwnAndTheOldestGoFirst) {
    // Recording one layout's place never touches another's.
    const TPlaces before = Visited({{Docked, {1500, 100}}, {Laptop, {515, 355}}});
    const TPlaces after = Remember(before, Laptop, QPoint(20, 30), Window);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_TRUE(SameLayout(after[0].Layout, Laptop));
    EXPECT_EQ(PositionOf(after[0], Window), QPoint(20, 30));
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(PositionOf(after[1], Window), QPoint(1500, 100));
    // Bounded: the least recently used layout is forgotten first.
    TPlaces many;
    for (int i = 0; i <= MaxPlaces; ++i)
        many =
            Remember(many, MakeLayout({Screen("eDP", 0, 0, 1000 + i, 800)}), QPoint(i, i), Window);
    ASSERT_EQ(int(many.size()), MaxPlaces);
    EXPECT_EQ(many.front().Layout[0].Geometry.width(), 1000 + MaxPlaces);
    EXPECT_EQ(many.back().Layout[0].Geometry.width(), 1001);
}

TEST(PlacementTest, KeptVisibleOnTheScreenItOverlapsMost) {
    const struct {
        const char* Name;
        TLayout Layout;
        QPoint At, Expected;
    } rows[] = {
        {"wholly on a screen: it stays", Docked, {100, 100}, {100, 100}},
        {"its monitor gone: on the nearest screen", Laptop, {1500, 100}, {1030, 100}},
        {"hanging over an edge: pulled in", Laptop, {-40, 780}, {0, 710}},
        {"across two screens: on the one it overlaps most", Docked, {1200, 50}, {1280, 50}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(KeepVisible(row.Layout, QRect(row.At, Window)), row.Expected);
    }
}

TEST(PlacementTest, TheTextFormRoundTripsAndAnythingElseReadsAsNoPlaces) {
    const TPlaces places =
        Visited({{Docked, {2900, 950}}, {Laptop, {515, 355}}, {MonitorLeft, {10, 10}}});
    EXPECT_EQ(PlacesFromText(PlacesToText(places)), places);
    const struct {
        const char* Name;
        QString Text;
        std::size_t Places;
    } rows[] = {
        {"empty", QString(), 0},
        {"not JSON", QStringLiteral("1500,100"), 0},
        {"not a list", QStringLiteral("{}"), 0},
        {"a place without screens",
         QStringLiteral(R"([{"screens":[],"screen":0,"corner":"top-left","x":1,"y":2}])"), 0},
        {"a screen index beyond the layout",
         QStringLiteral(R"([{"screens":[{"name":"A","manufacturer":"","model":"","serial":"",)"
                        R"("x":0,"y":0,"width":10,"height":10}],"screen":1,"corner":"top-left",)"
                        R"("x":1,"y":2}])"),
         0},
        {"an unknown corner",
         QStringLiteral(R"([{"screens":[{"name":"A","manufacturer":"","model":"","serial":"",)"
                        R"("x":0,"y":0,"width":10,"height":10}],"screen":0,"corner":"middle",)"
                        R"("x":1,"y":2}])"),
         0},
        {"a number beyond any screen",
         QStringLiteral(R"([{"screens":[{"name":"A","manufacturer":"","model":"","serial":"",)"
                        R"("x":0,"y":0,"width":1e300,"height":10}],"screen":0,)"
                        R"("corner":"top-left","x":1,"y":2}])"),
         0},
        {"a good place beside a bad one",
         QStringLiteral(R"([7,{"screens":[{"name":"A","manufacturer":"","model":"","serial":"",)"
                        R"("x":0,"y":0,"width":10,"height":10}],"screen":0,)"
                        R"("corner":"bottom-right","x":-1,"y":-2}])"),
         1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(PlacesFromText(row.Text).size(), row.Places);
    }
}
