// SPDX-License-Identifier: GPL-3.0-or-later
// The preset list document as a server sends it: any bytes, the body exactly as received.
#include "presets/PresetDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const presets::TDateTimeContext context;
    presets::ReadPresetDocument(
        std::string(reinterpret_cast<const char*>(data), size), [] { return 45000.0; }, context);
    return 0;
}
