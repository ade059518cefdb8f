// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Errors.h"

namespace common {

EException::EException(const QString& message) : std::runtime_error(message.toStdString()) {}

QString CurrentExceptionMessage() {
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return {};
    }
}

} // namespace common
