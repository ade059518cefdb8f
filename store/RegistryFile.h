// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Registry export files: the text a registry editor writes ("Windows Registry Editor
// Version 5.00" or "REGEDIT4"), read into and written from the settings store, so users
// can look into their settings, repair them and bring them over from another machine.

#include "store/SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace store::regfile {

// A key path as users write it: with or without "HKEY_CURRENT_USER\" (or "HKCU\") in
// front and a trailing backslash. Empty when it names another hive.
std::optional<QString> NormaliseKeyPath(const QString& path);

// The export text (version 5.00) of a key with its sub-keys, or of the whole store when
// the path is empty; nullopt when the key does not exist.
std::optional<QString> Export(TSettingsStore& store, const QString& keyPath = {});

// The data part of a value line: dword:0000002a, hex:01,02, "text", hex(2):...
QString FormatData(const TStoredValue& value);

struct TImportError {
    int Line = 0; // 1-based; 0 when the file as a whole is wrong
    QString Message;
};

// Reads an export file (UTF-16LE with its byte-order mark, or UTF-8) and applies it in
// one transaction: on any error nothing is changed.
std::optional<TImportError> Import(TSettingsStore& store, const QByteArray& file);

// Parses the data part of a value line into a value (the name is left empty).
std::optional<TStoredValue> ParseData(const QString& data, bool unicode, QString* error);

} // namespace store::regfile
