// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Environment.h"
#include "platform/ZoneWatch.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <mutex>

namespace platform {

namespace {

std::function<TDateTime()>& NowSource() {
    static std::function<TDateTime()> source;
    return source;
}

QString& PathOverride() {
    static QString path;
    return path;
}

std::function<std::uint32_t()>& CounterSource() {
    static std::function<std::uint32_t()> source;
    return source;
}

std::function<void(const QString&)>& UrlOpener() {
    static std::function<void(const QString&)> opener;
    return opener;
}

std::function<void()>& Quitter() {
    static std::function<void()> quitter;
    return quitter;
}

QString RealExecutablePath() {
    // /proc/self/exe resolves links, so a clock started through a symbolic link still
    // finds the skins beside the real binary.
    const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!path.isEmpty())
        return path;
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
}

} // namespace

TDateTime Now() {
    if (NowSource())
        return NowSource()();
    // The wall clock read once and broken down in local time, as QDateTime would give it but
    // without building one every second; the zone read again first when it may have
    // changed, so a change of time zone is seen at the next reading.
    timespec wall{};
    clock_gettime(CLOCK_REALTIME, &wall);
    {
        static std::mutex guard;
        static TZoneWatch zone;
        const std::lock_guard lock(guard);
        if (zone.Changed())
            tzset();
    }
    tm local{};
    if (!localtime_r(&wall.tv_sec, &local))
        return common::FromQDateTime(QDateTime::currentDateTime());
    const QDate date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // A leap second shows as the last second of its minute.
    const QTime time(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                     int(wall.tv_nsec / 1000000));
    return common::CombineDateTime(common::FromQDate(date), common::FromQTime(time));
}

void SetNowSource(std::function<TDateTime()> source) {
    NowSource() = std::move(source);
}

QString ProgramPath() {
    if (!PathOverride().isEmpty())
        return PathOverride();
    static const QString real = RealExecutablePath();
    return real;
}

QString ProgramDir() {
    const QString path = ProgramPath();
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString StartupProgram() {
    const QString installed = QStringLiteral(KORVANE5_INSTALLED_PROGRAM);
    if (PathOverride().isEmpty() && QFileInfo(installed).canonicalFilePath() == ProgramPath())
        return installed;
    return ProgramPath();
}

void SetProgramPath(const QString& path) {
    PathOverride() = path;
}

std::uint32_t MillisecondCounter() {
    if (CounterSource())
        return CounterSource()();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return std::uint32_t(ms.count());
}

void SetMillisecondCounter(std::function<std::uint32_t()> counter) {
    CounterSource() = std::move(counter);
}

void OpenUrl(const QString& url) {
    if (UrlOpener()) {
        UrlOpener()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

void SetUrlOpener(std::function<void(const QString&)> opener) {
    UrlOpener() = std::move(opener);
}

void QuitApplication() {
    if (Quitter()) {
        Quitter()();
        return;
    }
    QCoreApplication::exit(0);
}

void SetApplicationQuitter(std::function<void()> quitter) {
    Quitter() = std::move(quitter);
}

QString DataHome() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(xdg);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString ConfigHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (xdg.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(xdg);
    return QDir::homePath() + QStringLiteral("/.config");
}

} // namespace platform
