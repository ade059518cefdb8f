// SPDX-License-Identifier: GPL-3.0-or-later
// A skin's Back.jpg: any bytes, whatever they declare.
#include "skins/Pictures.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::TMemoryBytes source(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    pictures::DecodeJpeg(source);
    return 0;
}
