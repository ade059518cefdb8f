// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells when the local time zone may have changed. The C library's tzset looks the zone
// file up by its path at every call, a walk through several folders and a link each
// second; a watch on the folders on the file's way lets the clock call it only when
// something there changed.

#include <QByteArray>
#include <optional>

namespace platform {

class TZoneWatch {
public:
    // zoneFile: the zone file the C library reads when TZ is not set.
    explicit TZoneWatch(QByteArray zoneFile = QByteArrayLiteral("/etc/localtime"));
    ~TZoneWatch();
    TZoneWatch(const TZoneWatch&) = delete;
    TZoneWatch& operator=(const TZoneWatch&) = delete;

    // True at the first call, after a change in a folder on the zone file's way (the file
    // and each link to it), after a change of TZ, and at every call when the folders
    // cannot be watched.
    bool Changed();

private:
    void Watch();

    QByteArray ZoneFile;
    int Fd = -1;
    bool Asked = false;
    std::optional<QByteArray> LastTz; // TZ at the last call; none when it was not set
};

} // namespace platform
