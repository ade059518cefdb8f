#pragma once
// The addresses on the maker's web site. The host is "www.korvane5.example" unless
// KORVANE5_HOST names another ("host" or "host:port").

#include "platform/Environment.h"

#include <QString>

namespace site {

inline QString BaseUrl() {
    return QStringLiteral("http://") + platform::SiteHost() + QStringLiteral("/korvane5/");
}
inline const QString DatesFileName = QStringLiteral("korvane5dates.xml");
inline const QString SkinsPageName = QStringLiteral("skins.cfm");
// The about page has no trailing slash, unlike the base.
inline QString AboutUrl() {
    return QStringLiteral("http://") + platform::SiteHost() + QStringLiteral("/korvane5");
}

} // namespace site
