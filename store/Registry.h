// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Access to the settings store the way the program thinks of it: open a key by its path,
// then read and write named values in it, with the registry's checks and messages. A
// missing key or value is an answer (false, or the read's message); a failure of the store
// itself throws store::EStoreError from every call.

#include "store/SettingsStore.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace store {

class TRegistry {
public:
    explicit TRegistry(TSettingsStore& store = TSettingsStore::User());

    TSettingsStore& Store() { return *Db; }

    // Opens the key; with canCreate it and its parents are created when missing. False:
    // the key does not exist.
    bool OpenKey(const QString& path, bool canCreate);
    // Opens an existing key for reading; fails when it is missing.
    bool OpenKeyReadOnly(const QString& path);
    void CloseKey();
    bool HasCurrentKey() const { return Current.has_value(); }

    bool ValueExists(const QString& name);
    QStringList GetValueNames();

    // Reads as the registry does: a value larger than the read expects fails with
    // "Failed to get data for '%s'", one of another type with "Invalid data type for '%s'".
    std::int32_t ReadInteger(const QString& name);
    bool ReadBool(const QString& name) { return ReadInteger(name) != 0; }
    double ReadFloat(const QString& name); // 8-byte binary, least significant byte first
    QString ReadString(const QString& name);

    void WriteInteger(const QString& name, std::int32_t value);
    void WriteBool(const QString& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    void WriteFloat(const QString& name, double value);
    void WriteString(const QString& name, const QString& value);
    void WriteValue(const TStoredValue& value);
    bool DeleteValue(const QString& name);

    // Deletes a key (an absolute path) with everything below it; false when there was none.
    bool DeleteKey(const QString& path);

private:
    TStoredValue Fetch(const QString& name, qsizetype bufferSize);
    [[noreturn]] static void ReadError(const QString& name);
    void RequireWritable(const QString& name);

    TSettingsStore* Db;
    std::optional<TKeyId> Current;
    bool ReadOnly = false;
};

// Each reads the value only when it exists; otherwise the destination keeps its value,
// which is how the callers give their defaults.
void ReadBoolIfPresent(TRegistry& reg, const QString& name, bool& value);
void ReadIntegerIfPresent(TRegistry& reg, const QString& name, std::int32_t& value);
void ReadFloatIfPresent(TRegistry& reg, const QString& name, double& value);
void ReadStringIfPresent(TRegistry& reg, const QString& name, QString& value);

} // namespace store
