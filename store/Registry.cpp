// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Registry.h"

#include "common/Errors.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>

namespace store {

TRegistry::TRegistry(TSettingsStore& store) : Db(&store) {}

bool TRegistry::OpenKey(const QString& path, bool canCreate) {
    CloseKey();
    if (canCreate)
        Current = Db->CreateKey(path);
    else
        Current = Db->FindKey(path);
    return Current.has_value();
}

bool TRegistry::OpenKeyReadOnly(const QString& path) {
    const bool ok = OpenKey(path, false);
    ReadOnly = true;
    return ok;
}

void TRegistry::CloseKey() {
    Current.reset();
    ReadOnly = false;
}

bool TRegistry::ValueExists(const QString& name) {
    return Current && Db->Value(*Current, name).has_value();
}

QStringList TRegistry::GetValueNames() {
    QStringList names;
    if (Current)
        for (const TStoredValue& v : Db->Values(*Current))
            names << v.Name;
    return names;
}

void TRegistry::ReadError(const QString& name) {
    throw common::EException(
        QCoreApplication::translate("TRegistry", "Invalid data type for '%1'").arg(name));
}

TStoredValue TRegistry::Fetch(const QString& name, qsizetype bufferSize) {
    std::optional<TStoredValue> v;
    if (Current)
        v = Db->Value(*Current, name);
    if (!v || v->DataSize() > bufferSize)
        throw common::EException(
            QCoreApplication::translate("TRegistry", "Failed to get data for '%1'").arg(name));
    return *v;
}

std::int32_t TRegistry::ReadInteger(const QString& name) {
    const TStoredValue v = Fetch(name, 4);
    if (v.Type != vtInteger || v.Data.size() != 4)
        ReadError(name);
    return qFromLittleEndian<std::int32_t>(v.Data.constData());
}

double TRegistry::ReadFloat(const QString& name) {
    const TStoredValue v = Fetch(name, 8);
    if (v.Type != vtBinary || v.Data.size() != 8)
        ReadError(name);
    const auto bits = qFromLittleEndian<std::uint64_t>(v.Data.constData());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString TRegistry::ReadString(const QString& name) {
    const TStoredValue v = Fetch(name, std::numeric_limits<qsizetype>::max());
    if (v.DataSize() == 0)
        return {};
    if (!v.IsText())
        ReadError(name);
    // Text ends at its first zero, as a C string would.
    const qsizetype end = v.Data.indexOf('\0');
    return QString::fromUtf8(end < 0 ? v.Data : v.Data.left(end));
}

void TRegistry::RequireWritable(const QString& name) {
    if (!Current || ReadOnly)
        throw common::EException(
            QCoreApplication::translate("TRegistry", "Failed to set data for '%1'").arg(name));
}

void TRegistry::WriteValue(const TStoredValue& value) {
    RequireWritable(value.Name);
    Db->SetValue(*Current, value);
}

void TRegistry::WriteInteger(const QString& name, std::int32_t value) {
    QByteArray data(4, '\0');
    qToLittleEndian(value, data.data());
    WriteValue({name, vtInteger, data});
}

void TRegistry::WriteFloat(const QString& name, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray data(8, '\0');
    qToLittleEndian(bits, data.data());
    WriteValue({name, vtBinary, data});
}

void TRegistry::WriteString(const QString& name, const QString& value) {
    WriteValue({name, vtString, value.toUtf8()});
}

bool TRegistry::DeleteValue(const QString& name) {
    RequireWritable(name);
    return Db->DeleteValue(*Current, name);
}

bool TRegistry::DeleteKey(const QString& path) {
    return Db->DeleteKey(path);
}

void ReadBoolIfPresent(TRegistry& reg, const QString& name, bool& value) {
    if (reg.ValueExists(name))
        value = reg.ReadBool(name);
}

void ReadIntegerIfPresent(TRegistry& reg, const QString& name, std::int32_t& value) {
    if (reg.ValueExists(name))
        value = reg.ReadInteger(name);
}

void ReadFloatIfPresent(TRegistry& reg, const QString& name, double& value) {
    if (reg.ValueExists(name))
        value = reg.ReadFloat(name);
}

void ReadStringIfPresent(TRegistry& reg, const QString& name, QString& value) {
    if (reg.ValueExists(name))
        value = reg.ReadString(name);
}

} // namespace store
