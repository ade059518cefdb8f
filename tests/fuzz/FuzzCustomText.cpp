// SPDX-License-Identifier: GPL-3.0-or-later
// Custom.txt of a skin: any bytes.
#include "skins/Skin.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkin skin;
    ParseCustomText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), skin);
    return 0;
}
