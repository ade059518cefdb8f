// SPDX-License-Identifier: GPL-3.0-or-later
// Custom.txt of a skin, any bytes, as the skin kit's check reads and reports it.
#include "skins/SkinCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkin skin;
    for (const TSkinMessage& m : TSkinCheck::CheckCustomText(
             QStringLiteral("Custom.txt"),
             QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), skin))
        (void)m.Format();
    return 0;
}
