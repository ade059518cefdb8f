// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program takes from its surroundings: the clock, the program's own location,
// the millisecond counter, the desktop's URL handler and the end of the event loop. Each
// has a hook so that tests control time, the skins folder, what "opening a web page" does
// and what ending the program does.

#include "common/DateTime.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace platform {

// Current local date and time with millisecond resolution.
TDateTime Now();
void SetNowSource(std::function<TDateTime()> source); // empty: the real clock

// Full real path of the running executable, and its directory with a trailing '/'.
QString ProgramPath();
QString ProgramDir();
void SetProgramPath(const QString& path); // empty: the real one
// The program a start-up entry names: the path the program is installed at when this is
// the installed program (the entry then survives upgrades), else its real path.
QString StartupProgram();

// Millisecond count of the monotonic clock, as a 32-bit value (wraps).
std::uint32_t MillisecondCounter();
void SetMillisecondCounter(std::function<std::uint32_t()> counter);

// Hands a web address to the desktop's URL handler; the outcome is not reported.
void OpenUrl(const QString& url);
void SetUrlOpener(std::function<void(const QString&)> opener);

// Ends every event loop of the program, a modal dialog's included, with exit code 0.
void QuitApplication();
void SetApplicationQuitter(std::function<void()> quitter); // empty: the real one

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config (no trailing '/').
QString ConfigHome();
// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
QString DataHome();

} // namespace platform
