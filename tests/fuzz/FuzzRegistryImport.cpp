// SPDX-License-Identifier: GPL-3.0-or-later
// A registry file handed to "korvane5-settings import": any bytes, into a store in memory.
#include "store/RegistryFile.h"
#include "store/SettingsStore.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static store::TSettingsStore store(QStringLiteral(":memory:"));
    store::regfile::Import(store, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
