// SPDX-License-Identifier: GPL-3.0-or-later
// korvane5-settings: looks into and repairs the clocks' settings store.

#include "events/CalendarFile.h"
#include "events/EventStore.h"
#include "events/Schedule.h"
#include "platform/Environment.h"
#include "platform/RegularFile.h"
#include "store/Keys.h"
#include "store/Registry.h"
#include "store/RegistryFile.h"
#include "store/SettingsStore.h"

#include "platform/Locale.h"
#include "platform/Translations.h"
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <unistd.h>

using namespace store;

namespace {

// The tool's texts go through Qt's translation system under this name.
class TSettingsTool {
    Q_DECLARE_TR_FUNCTIONS(TSettingsTool)
};

const char* const Usage = QT_TRANSLATE_NOOP(
    "TSettingsTool",
    "usage: korvane5-settings export [KEY]\n"
    "       korvane5-settings import FILE          (- reads standard input)\n"
    "       korvane5-settings get KEY NAME\n"
    "       korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT\n"
    "       korvane5-settings delete KEY [NAME]\n"
    "       korvane5-settings event N\n"
    "       korvane5-settings occurrences N [--from \"YYYY-MM-DD HH:MM:SS\"] [--count K]\n"
    "       korvane5-settings import-event N FILE.ics [--uid UID]\n"
    "       korvane5-settings --help | --version\n"
    "Looks into and repairs the settings of the Korvane5 clocks ($XDG_CONFIG_HOME/korvane5/\n"
    "settings.db), in the text form of registry exports.\n"
    "KEY is a path such as Software\\Korvane5\\0\\ (HKEY_CURRENT_USER\\ in front is allowed).\n"
    "NAME @ stands for the key's unnamed value. N is a clock's number, 0 to 4.\n");

int Fail(const QString& message) {
    std::fprintf(stderr, "korvane5-settings: %s\n", message.toLocal8Bit().constData());
    return 1;
}

int UsageError(const QString& message) {
    std::fprintf(stderr, "korvane5-settings: %s\n%s", message.toLocal8Bit().constData(),
                 TSettingsTool::tr(Usage).toLocal8Bit().constData());
    return 2;
}

void Print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

QString ValueName(const QString& arg) {
    return arg == QLatin1String("@") ? QString() : arg;
}

std::optional<QString> KeyArg(const QString& arg) {
    return regfile::NormaliseKeyPath(arg);
}

std::optional<TStoredValue> ValueFromOptions(const QStringList& args, QString* error) {
    if (args.size() != 2) {
        *error = TSettingsTool::tr("set needs exactly one of --dword, --binary, --string");
        return std::nullopt;
    }
    const QString& kind = args[0];
    const QString& text = args[1];
    if (kind == QLatin1String("--string"))
        return TStoredValue{{}, vtString, text.toUtf8()};
    if (kind == QLatin1String("--dword")) {
        bool ok = false;
        qint64 n = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                       ? text.mid(2).toLongLong(&ok, 16)
                       : text.toLongLong(&ok, 10);
        if (!ok || n < -2147483648LL || n > 4294967295LL) {
            *error = TSettingsTool::tr("--dword takes a 32-bit number, decimal or 0x hexadecimal");
            return std::nullopt;
        }
        return regfile::ParseData(
            QStringLiteral("dword:%1").arg(quint32(n), 8, 16, QLatin1Char('0')), true, error);
    }
    if (kind == QLatin1String("--binary")) {
        QString digits = text;
        digits.remove(QRegularExpression(QStringLiteral("[\\s,:]")));
        if (digits.size() % 2 != 0 ||
            !QRegularExpression(QStringLiteral("^[0-9A-Fa-f]*$")).match(digits).hasMatch()) {
            *error = TSettingsTool::tr("--binary takes pairs of hexadecimal digits");
            return std::nullopt;
        }
        TStoredValue v{{}, vtBinary, QByteArray::fromHex(digits.toLatin1())};
        return v;
    }
    *error = TSettingsTool::tr("unknown option %1").arg(kind);
    return std::nullopt;
}

// A registry file is text of a few kilobytes and a calendar rarely holds more than a few
// megabytes; more than this is neither.
constexpr qint64 MaxImportFile = 16 * 1024 * 1024;

// The whole file, or all of standard input for "-" (a pipe may bring it in pieces); only a
// regular file is read, and no more than the limit.
std::optional<QByteArray> ReadImportFile(const QString& name, QString* why) {
    if (name == QLatin1String("-"))
        return platform::ReadToEnd(STDIN_FILENO, MaxImportFile, why);
    platform::TRegularFile file(QFile::encodeName(name), MaxImportFile);
    if (!file.IsOpen()) {
        *why = file.Error();
        return std::nullopt;
    }
    return file.Read();
}

// The commands. args: the command line after the command's name.
int Export(TSettingsStore& store, const QStringList& args) {
    if (args.size() > 1)
        return UsageError(TSettingsTool::tr("export takes at most one key"));
    const QString key = args.value(0);
    if (!KeyArg(key))
        return Fail(TSettingsTool::tr("only keys of HKEY_CURRENT_USER are kept here"));
    const std::optional<QString> text = regfile::Export(store, key);
    if (!text)
        return Fail(TSettingsTool::tr("no key %1").arg(key));
    Print(*text);
    return 0;
}

int Import(TSettingsStore& store, const QStringList& args) {
    if (args.size() != 1)
        return UsageError(TSettingsTool::tr("import takes one file"));
    QString why;
    const std::optional<QByteArray> bytes = ReadImportFile(args[0], &why);
    if (!bytes)
        return Fail(
            TSettingsTool::tr("cannot read %1: %2 (nothing was changed)").arg(args[0], why));
    const std::optional<regfile::TImportError> error = regfile::Import(store, *bytes);
    if (!error)
        return 0;
    const QString where = error->Line > 0 ? QStringLiteral("%1:%2: ").arg(args[0]).arg(error->Line)
                                          : args[0] + QStringLiteral(": ");
    return Fail(where + error->Message + TSettingsTool::tr(" (nothing was changed)"));
}

int Get(TSettingsStore& store, const QString& key, const QStringList& args) {
    if (args.size() != 2)
        return UsageError(TSettingsTool::tr("get takes a key and a value name"));
    const std::optional<TKeyId> id = store.FindKey(key);
    const std::optional<TStoredValue> v = id ? store.Value(*id, ValueName(args[1])) : std::nullopt;
    if (!v)
        return Fail(TSettingsTool::tr("no value %1 in %2").arg(args[1], args[0]));
    Print(regfile::FormatData(*v) + QLatin1Char('\n'));
    return 0;
}

int Set(TSettingsStore& store, const QString& key, const QStringList& args) {
    if (args.size() < 2)
        return UsageError(TSettingsTool::tr("set takes a key, a value name and the data"));
    QString error;
    std::optional<TStoredValue> v = ValueFromOptions(args.mid(2), &error);
    if (!v)
        return UsageError(error);
    v->Name = ValueName(args[1]);
    TRegistry reg(store);
    TSettingsStore::TTransaction t(store);
    reg.OpenKey(key, true);
    reg.WriteValue(*v);
    t.Commit();
    return 0;
}

int Delete(TSettingsStore& store, const QString& key, const QStringList& args) {
    if (args.size() > 2)
        return UsageError(TSettingsTool::tr("delete takes a key and at most one value name"));
    TRegistry reg(store);
    if (args.size() == 1) {
        if (key.isEmpty())
            return Fail(TSettingsTool::tr("the whole store cannot be deleted"));
        if (!reg.DeleteKey(key))
            return Fail(TSettingsTool::tr("no key %1").arg(args[0]));
        return 0;
    }
    if (!reg.OpenKey(key, false) || !reg.DeleteValue(ValueName(args[1])))
        return Fail(TSettingsTool::tr("no value %1 in %2").arg(args[1], args[0]));
    return 0;
}

// The event commands name a clock by its number.
std::optional<int> ClockArg(const QString& arg) {
    bool ok = false;
    const int clock = arg.toInt(&ok);
    return ok && clock >= 0 && clock <= 4 ? std::optional<int>(clock) : std::nullopt;
}

// The clock's stored event; without a first moment none at all.
std::optional<events::TEvent> StoredEvent(TSettingsStore& store, int clock) {
    TRegistry reg(store);
    if (!reg.OpenKeyReadOnly(keys::Clock(clock)) ||
        !reg.ValueExists(events::TEventStore::StartValue))
        return std::nullopt;
    return events::TEventStore::Read(reg);
}

QString Moment(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The labels stay English whatever the language: scripts read them.
int Event(TSettingsStore& store, const QStringList& args) {
    const std::optional<int> clock = args.size() == 1 ? ClockArg(args[0]) : std::nullopt;
    if (!clock)
        return UsageError(TSettingsTool::tr("event takes a clock number, 0 to 4"));
    const std::optional<events::TEvent> event = StoredEvent(store, *clock);
    const events::TEvent e = event.value_or(events::TEvent{});
    QString out = QStringLiteral("name: %1\n").arg(e.Name);
    out += QStringLiteral("first moment: %1\n")
               .arg(event ? Moment(common::ToQDateTime(e.Start)) : QStringLiteral("none"));
    int depth = 0; // the lines of a zone's definition are not the rule's
    QStringList rule;
    for (const QString& line : e.Repeat.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString upper = line.trimmed().toUpper();
        if (upper.startsWith(QLatin1String("BEGIN:")))
            ++depth;
        else if (depth > 0 && upper.startsWith(QLatin1String("END:")))
            --depth;
        else if (depth == 0)
            rule << line.trimmed();
    }
    if (rule.isEmpty())
        rule << QStringLiteral("none");
    for (const QString& line : rule)
        out += QStringLiteral("rule: %1\n").arg(line);
    out +=
        QStringLiteral("zone: %1\n").arg(e.Zone.isEmpty() ? QStringLiteral("local time") : e.Zone);
    static const char* const afterEnd[] = {"as designed", "count up", "the next occurrence"};
    out += QStringLiteral("after the end: %1\n")
               .arg(QLatin1String(afterEnd[std::int32_t(e.AfterEnd)]));
    Print(out);
    return 0;
}

int Occurrences(TSettingsStore& store, const QStringList& args) {
    const std::optional<int> clock = args.isEmpty() ? std::nullopt : ClockArg(args[0]);
    if (!clock)
        return UsageError(TSettingsTool::tr("occurrences takes a clock number, 0 to 4"));
    QDateTime from = common::ToQDateTime(platform::Now());
    int count = 5;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        const QString value = args.value(i + 1);
        if (args[i] == QLatin1String("--from") && i + 1 < args.size()) {
            from = QDateTime::fromString(value, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!from.isValid())
                return UsageError(
                    TSettingsTool::tr("--from takes a local time as \"YYYY-MM-DD HH:MM:SS\""));
        } else if (args[i] == QLatin1String("--count") && i + 1 < args.size()) {
            bool ok = false;
            count = value.toInt(&ok);
            if (!ok || count < 1 || count > 100000)
                return UsageError(TSettingsTool::tr("--count takes a number from 1 to 100000"));
        } else {
            return UsageError(TSettingsTool::tr("occurrences takes --from and --count"));
        }
    }
    const std::optional<events::TEvent> event = StoredEvent(store, *clock);
    if (!event)
        return 0;
    QString out;
    for (const QDateTime& moment : events::TSchedule(*event).Occurrences(from, count))
        out += Moment(moment.toLocalTime()) + QLatin1Char('\n');
    Print(out);
    return 0;
}

int ImportEvent(TSettingsStore& store, const QStringList& args) {
    const std::optional<int> clock = args.isEmpty() ? std::nullopt : ClockArg(args[0]);
    const bool byUid = args.size() == 4 && args[2] == QLatin1String("--uid");
    if (!clock || (args.size() != 2 && !byUid))
        return UsageError(
            TSettingsTool::tr("import-event takes a clock number, 0 to 4, a file and --uid UID"));
    events::TEvent event;
    try {
        // Standard input here; a named file is read as the clock reads one.
        std::optional<events::TCalendarFile> file;
        if (args[1] == QLatin1String("-")) {
            QString why;
            const std::optional<QByteArray> bytes = ReadImportFile(args[1], &why);
            if (!bytes)
                return Fail(TSettingsTool::tr("cannot read %1: %2 (nothing was changed)")
                                .arg(args[1], why));
            file.emplace(*bytes);
        } else {
            file.emplace(events::ReadCalendarFile(args[1]));
        }
        event = file->Pick(byUid ? args[3] : QString()).Event;
    } catch (const events::ECalendarUnreadable& e) {
        return Fail(e.Message() + TSettingsTool::tr(" (nothing was changed)"));
    } catch (const events::EEventError& e) {
        return Fail(args[1] + QStringLiteral(": ") + e.Message() +
                    TSettingsTool::tr(" (nothing was changed)"));
    }
    TRegistry reg(store);
    TSettingsStore::TTransaction t(store);
    // The clock keeps what it does after the end.
    if (reg.OpenKeyReadOnly(keys::Clock(*clock)))
        event.AfterEnd = events::TEventStore::Read(reg).AfterEnd;
    reg.CloseKey();
    reg.OpenKey(keys::Clock(*clock), true);
    events::TEventStore::Write(reg, event);
    t.Commit();
    return 0;
}

// The commands that name a key first, after the key is checked.
int KeyCommand(TSettingsStore& store, const QString& command, const QStringList& args) {
    using TKeyCommand = int (*)(TSettingsStore&, const QString&, const QStringList&);
    static const std::pair<const char*, TKeyCommand> commands[] = {
        {"get", Get}, {"set", Set}, {"delete", Delete}};
    const auto it = std::find_if(std::begin(commands), std::end(commands),
                                 [&](const auto& c) { return command == QLatin1String(c.first); });
    if (it == std::end(commands))
        return UsageError(TSettingsTool::tr("unknown command %1").arg(command));
    if (args.isEmpty())
        return UsageError(TSettingsTool::tr("%1 needs a key").arg(command));
    const std::optional<QString> key = KeyArg(args[0]);
    if (!key)
        return Fail(TSettingsTool::tr("only keys of HKEY_CURRENT_USER are kept here"));
    const QStringList parts = TSettingsStore::SplitPath(*key);
    if (!std::all_of(parts.begin(), parts.end(), TSettingsStore::ValidKeyName))
        return Fail(TSettingsTool::tr("a key name cannot hold line breaks or other control "
                                      "characters"));
    return it->second(store, *key, args);
}

int Run(const QStringList& args) {
    if (args.isEmpty())
        return UsageError(TSettingsTool::tr("no command given"));
    const QString command = args[0];
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(TSettingsTool::tr(Usage).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        std::puts("korvane5-settings " KORVANE5_VERSION);
        return 0;
    }
    TSettingsStore& store = TSettingsStore::User();
    // A clock saving at this moment holds the store for a few milliseconds; another program
    // may hold it longer.
    const TSettingsStore::TWait wait(store, 5000);
    store.Require();
    const bool changes = command == QLatin1String("import") || command == QLatin1String("set") ||
                         command == QLatin1String("delete") ||
                         command == QLatin1String("import-event");
    // A command that only reads has nothing to lose to a store that cannot be written.
    const QString notice = store.TakeNotice(changes);
    if (!notice.isEmpty())
        std::fprintf(stderr, "korvane5-settings: %s\n", notice.toLocal8Bit().constData());
    if (changes && store.IsReadOnly())
        return Fail(TSettingsTool::tr("the settings store %1 can only be read (%2); nothing was "
                                      "changed")
                        .arg(store.FilePath(), store.ReadOnlyReason()));
    if (command == QLatin1String("export"))
        return Export(store, args.mid(1));
    if (command == QLatin1String("import"))
        return Import(store, args.mid(1));
    if (command == QLatin1String("event"))
        return Event(store, args.mid(1));
    if (command == QLatin1String("occurrences"))
        return Occurrences(store, args.mid(1));
    if (command == QLatin1String("import-event"))
        return ImportEvent(store, args.mid(1));
    return KeyCommand(store, command, args.mid(1));
}

} // namespace

int main(int argc, char** argv) {
    platform::PrepareLocale();
    QCoreApplication app(argc, argv);
    platform::LoadTranslations();
    try {
        return Run(QCoreApplication::arguments().mid(1));
    } catch (const std::exception& e) {
        return Fail(QString::fromUtf8(e.what()));
    }
}
