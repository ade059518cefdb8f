// SPDX-License-Identifier: GPL-3.0-or-later
// A clock's stored "Places": any text, as korvane5-settings may set it. Whatever is read
// is placed and written back.
#include "common/Placement.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const common::TPlaces places = common::PlacesFromText(
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    const common::TLayout layout = common::MakeLayout({{{}, QRect(0, 0, 1280, 800), {}}});
    common::Place(layout, places, QPoint(10, 10), QSize(250, 90));
    common::PlacesFromText(common::PlacesToText(places));
    return 0;
}
