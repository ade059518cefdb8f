// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ZoneWatch.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

TZoneWatch::TZoneWatch(QByteArray zoneFile) : ZoneFile(std::move(zoneFile)) {}

TZoneWatch::~TZoneWatch() {
    if (Fd >= 0)
        ::close(Fd);
}

void TZoneWatch::Watch() {
    if (Fd >= 0)
        ::close(Fd);
    Fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (Fd < 0)
        return;
    // A zone is changed by replacing the link (or file) in its folder, or by replacing or
    // rewriting the file a link leads to: watching each folder on the way sees every one.
    constexpr std::uint32_t events = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                     IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF |
                                     IN_MOVE_SELF;
    QByteArray path = ZoneFile;
    for (int hop = 0; hop < 16; ++hop) {
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray folder =
            slash < 0 ? QByteArray(".") : path.left(std::max<qsizetype>(slash, 1));
        if (::inotify_add_watch(Fd, folder.constData(), events) < 0) {
            ::close(Fd);
            Fd = -1;
            return;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length <= 0 || length == sizeof target)
            return; // the file itself, or none yet: its folder is watched
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : path.left(slash + 1) + next;
    }
}

bool TZoneWatch::Changed() {
    const char* tz = std::getenv("TZ");
    const std::optional<QByteArray> now = tz ? std::optional<QByteArray>(tz) : std::nullopt;
    const bool changed = !Asked || now != LastTz;
    if (!Asked) {
        Asked = true;
        Watch();
    }
    LastTz = now;
    if (Fd < 0)
        return true;
    // Only whether something happened counts; the events themselves are dropped.
    alignas(inotify_event) char events[4096];
    bool happened = false;
    while (::read(Fd, events, sizeof events) > 0)
        happened = true;
    if (happened)
        Watch(); // a replaced link may lead somewhere else now
    return changed || happened || Fd < 0;
}

} // namespace platform
