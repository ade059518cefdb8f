// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Display.h"

#include <xcb/xcb.h>

namespace platform {

QString PrepareDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("xcb"))
        return {}; // the user's own choice (the tests run offscreen)
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("korvane5: needs an X11 display, and DISPLAY is not set");
    xcb_connection_t* c = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(c) != 0;
    xcb_disconnect(c);
    if (failed)
        return QStringLiteral("korvane5: needs an X11 display, and DISPLAY=%1 does not answer")
            .arg(QString::fromLocal8Bit(display));
    return {};
}

} // namespace platform
