// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display the clock needs. It places its own window, keeps it on top and off task
// bars, which only X11 lets a client do; on a Wayland session it runs through XWayland.

#include <QString>

namespace platform {

// Chooses Qt's X11 platform unless the user chose another, then checks that the X11
// display answers, before Qt would abort on it. Returns the one line to print when it
// does not; empty when the program can go on.
QString PrepareDisplay();

} // namespace platform
