// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Autostart.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace platform::autostart {

QString Folder() {
    return ConfigHome() + QStringLiteral("/autostart");
}

QString EntryPath(const QString& name) {
    return Folder() + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

bool Exists(const QString& name) {
    return QFileInfo(EntryPath(name)).isFile();
}

QString QuoteExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        // Inside double quotes these four must be escaped by a backslash.
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        // A literal percent sign is written twice: single ones are field codes.
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

namespace {
// The escapes of a desktop entry's string values, applied after the Exec quoting.
QString EscapeValue(const QString& value) {
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}
} // namespace

QString ExecLine(const QString& program, const QStringList& arguments) {
    // The characters a desktop entry reserves, which a bare argument must not hold.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`%");
    QStringList parts{QuoteExecArgument(program)};
    for (const QString& a : arguments) {
        const bool plain = !a.isEmpty() && std::none_of(a.begin(), a.end(), [](QChar c) {
            return reserved.contains(c) || c.unicode() < 0x20;
        });
        parts << (plain ? a : QuoteExecArgument(a));
    }
    return EscapeValue(parts.join(QLatin1Char(' ')));
}

bool Write(const QString& name, const QString& title, const QString& program,
           const QStringList& arguments) {
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Comment=Desktop countdown clock\n"
                                        "Exec=%2\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(EscapeValue(title), ExecLine(program, arguments));
    const QByteArray bytes = text.toUtf8();
    // Saving runs often; an entry that is already right is left alone.
    QFile existing(EntryPath(name));
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    if (!QDir().mkpath(Folder()))
        return false;
    QSaveFile file(EntryPath(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

bool Remove(const QString& name) {
    const QString path = EntryPath(name);
    return !QFileInfo::exists(path) || QFile::remove(path);
}

} // namespace platform::autostart
