// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The C library's locale, as the programs set it before Qt starts.

namespace platform {

// Takes the locale the environment names, as Qt would, with characters in UTF-8. Qt reads
// and writes all text as UTF-8; since Qt 6.5 it switches a locale whose characters are not
// UTF-8 (none set, C, POSIX, or one the system lacks) to UTF-8 itself and says so on
// standard error, which scripts and cron jobs would mail or log at every run. Called
// first in main, before the application object: only the character class changes (the
// environment's LC_CTYPE becomes C.UTF-8), so dates, messages and the language choice
// keep following LC_TIME, LC_MESSAGES, LANGUAGE and LANG. An LC_ALL that would override
// the character class is handed to every other category instead.
void PrepareLocale();

} // namespace platform
