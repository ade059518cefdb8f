// A registry file handed to "korvane5-settings import": any bytes, into a store in memory.
#include "platform/RegistryFile.h"
#include "platform/SettingsStore.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform::TSettingsStore store(QStringLiteral(":memory:"));
    platform::regfile::Import(store,
                              QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
