// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The addresses on the maker's web site, for the preset download, the skin chooser's
// "Get Skins..." and the about box. The host is "www.korvane5.example" unless
// KORVANE5_HOST names another ("host" or "host:port").

#include <QString>

namespace site {

// The web host, "host" or "host:port".
inline QString Host() {
    const QString host = qEnvironmentVariable("KORVANE5_HOST").trimmed();
    return host.isEmpty() ? QStringLiteral("www.korvane5.example") : host;
}
inline QString BaseUrl() {
    return QStringLiteral("http://") + Host() + QStringLiteral("/korvane5/");
}
inline const QString DatesFileName = QStringLiteral("korvane5dates.xml");
inline const QString SkinsPageName = QStringLiteral("skins.cfm");
// The about page has no trailing slash, unlike the base.
inline QString AboutUrl() {
    return QStringLiteral("http://") + Host() + QStringLiteral("/korvane5");
}

} // namespace site
