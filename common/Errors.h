// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's error type. Errors that escape a handler reach the user in the standard
// error box (widgets/ErrorGuard.h); code without windows only raises them or types derived
// from them (the store's store::EStoreError, the download's NetworkError).

#include <QString>
#include <stdexcept>
#include <string>

namespace common {

class EException : public std::runtime_error {
public:
    explicit EException(const QString& message);
    explicit EException(const std::string& message) : std::runtime_error(message) {}
    explicit EException(const char* message) : std::runtime_error(message) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

// The message of the exception being handled; empty for one that is not std::exception.
QString CurrentExceptionMessage();

} // namespace common
