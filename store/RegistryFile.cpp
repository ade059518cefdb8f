// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RegistryFile.h"

#include "common/Errors.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <variant>
#include <vector>

namespace store::regfile {

namespace {

const QString Hive = QStringLiteral("HKEY_CURRENT_USER");
const QString Header5 = QStringLiteral("Windows Registry Editor Version 5.00");
const QString Header4 = QStringLiteral("REGEDIT4");

// A quoted name or text. Beyond the escapes of registry editors (a backslash before a
// backslash or a quote), control characters are written as \n, \r, \t or \xHH, so that
// a name with a line break still fits on its line and reads back.
QString Quote(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        if (u == '\n')
            out += QStringLiteral("\\n");
        else if (u == '\r')
            out += QStringLiteral("\\r");
        else if (u == '\t')
            out += QStringLiteral("\\t");
        else if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QByteArray Utf16Le(const QString& text, bool terminate) {
    QByteArray out;
    for (const QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    if (terminate)
        out.append(2, '\0');
    return out;
}

QString FromUtf16Le(const QByteArray& bytes) {
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8)));
    return text;
}

// Text data ends in one terminating zero; zeros before it are the value's own.
QString WithoutTerminator(QString text) {
    if (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

// Bytes that are valid UTF-8 are read as such; others as single-byte Latin-1 text.
QString FromBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

// Bytes as "01,02,ff". With a start column the list is folded before column 80, as the
// registry editor folds it; without one it stays on one line.
QString HexList(const QByteArray& data, int startColumn = -1) {
    QString out;
    int column = startColumn;
    for (qsizetype i = 0; i < data.size(); ++i) {
        out += QStringLiteral("%1").arg(quint8(data[i]), 2, 16, QLatin1Char('0'));
        column += 2;
        if (i + 1 == data.size())
            break;
        out += QLatin1Char(',');
        ++column;
        if (startColumn >= 0 && column > 76) {
            out += QStringLiteral("\\\n  ");
            column = 2;
        }
    }
    return out;
}

// The data part of a value line, folded for a line that starts at column startColumn.
QString DataText(const TStoredValue& v, int startColumn) {
    auto hex = [&](const QString& prefix, const QByteArray& bytes) {
        return prefix + HexList(bytes, startColumn < 0 ? -1 : startColumn + int(prefix.size()));
    };
    switch (v.Type) {
    case vtString:
        if (v.Data.contains('\n') || v.Data.contains('\r') || v.Data.contains('\0'))
            return hex(QStringLiteral("hex(1):"), Utf16Le(QString::fromUtf8(v.Data), true));
        return Quote(QString::fromUtf8(v.Data));
    case vtInteger:
        if (v.Data.size() == 4)
            return QStringLiteral("dword:%1")
                .arg(qFromLittleEndian<quint32>(v.Data.constData()), 8, 16, QLatin1Char('0'));
        break;
    case vtBinary:
        return hex(QStringLiteral("hex:"), v.Data);
    case vtExpandString:
        return hex(QStringLiteral("hex(2):"), Utf16Le(QString::fromUtf8(v.Data), true));
    default:
        break;
    }
    return hex(QStringLiteral("hex(%1):").arg(v.Type, 0, 16), v.Data);
}

QString ValueLine(const TStoredValue& v) {
    const QString name =
        (v.Name.isEmpty() ? QStringLiteral("@") : Quote(v.Name)) + QLatin1Char('=');
    return name + DataText(v, int(name.size()));
}

void ExportKey(TSettingsStore& store, TKeyId key, const QString& path, QString& out) {
    out += QLatin1Char('[') + path + QStringLiteral("]\n");
    for (const TStoredValue& v : store.Values(key))
        out += ValueLine(v) + QLatin1Char('\n');
    out += QLatin1Char('\n');
    for (const QString& child : store.SubKeyNames(key)) {
        const QString childPath = path + QLatin1Char('\\') + child;
        const QString relative = childPath.mid(Hive.size() + 1);
        if (const std::optional<TKeyId> id = store.FindKey(relative))
            ExportKey(store, *id, childPath, out);
    }
}

// One step of an import, applied after the whole file has been read.
struct TKeyOp {
    QString Path;
    bool Delete;
};
struct TValueOp {
    TStoredValue Value;
    bool Delete;
};
using TOp = std::variant<TKeyOp, TValueOp>;

// Reads a quoted string starting at text[pos] (a double quote); on success pos is just
// past the closing quote.
std::optional<QString> ReadQuoted(const QString& text, qsizetype& pos) {
    if (pos >= text.size() || text[pos] != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (qsizetype i = pos + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar e = text[++i];
            bool hex = false;
            const uint code = e == QLatin1Char('x') ? text.mid(i + 1, 2).toUInt(&hex, 16) : 0;
            if (e == QLatin1Char('n'))
                out += QLatin1Char('\n');
            else if (e == QLatin1Char('r'))
                out += QLatin1Char('\r');
            else if (e == QLatin1Char('t'))
                out += QLatin1Char('\t');
            else if (hex && text.mid(i + 1, 2).size() == 2) {
                out += QChar(char16_t(code));
                i += 2;
            } else
                out += e;
        } else if (c == QLatin1Char('"')) {
            pos = i + 1;
            return out;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> ParseHexBytes(const QString& list) {
    QByteArray bytes;
    for (QString part : list.split(QLatin1Char(','))) {
        part = part.trimmed();
        if (part.isEmpty())
            continue;
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2 || value > 0xff)
            return std::nullopt;
        bytes.append(char(value));
    }
    return bytes;
}

} // namespace

std::optional<QString> NormaliseKeyPath(const QString& path) {
    QStringList parts = TSettingsStore::SplitPath(path.trimmed());
    if (!parts.isEmpty()) {
        const QString first = parts.first();
        if (first.compare(Hive, Qt::CaseInsensitive) == 0 ||
            first.compare(QLatin1String("HKCU"), Qt::CaseInsensitive) == 0)
            parts.removeFirst();
        else if (first.startsWith(QLatin1String("HKEY_"), Qt::CaseInsensitive))
            return std::nullopt;
    }
    return parts.join(QLatin1Char('\\'));
}

QString FormatData(const TStoredValue& v) {
    return DataText(v, -1);
}

std::optional<QString> Export(TSettingsStore& store, const QString& keyPath) {
    const std::optional<QString> path = NormaliseKeyPath(keyPath);
    if (!path)
        return std::nullopt;
    const std::optional<TKeyId> key = store.FindKey(*path);
    if (!key)
        return std::nullopt;
    QString out = Header5 + QStringLiteral("\n\n");
    if (path->isEmpty()) {
        // The hive itself is listed only when it holds values of its own.
        if (!store.Values(*key).empty())
            ExportKey(store, *key, Hive, out);
        else
            for (const QString& child : store.SubKeyNames(*key))
                if (const std::optional<TKeyId> id = store.FindKey(child))
                    ExportKey(store, *id, Hive + QLatin1Char('\\') + child, out);
    } else {
        ExportKey(store, *key, Hive + QLatin1Char('\\') + *path, out);
    }
    return out;
}

std::optional<TStoredValue> ParseData(const QString& data, bool unicode, QString* error) {
    TStoredValue v;
    const QString d = data.trimmed();
    if (d.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        const std::optional<QString> text = ReadQuoted(d, pos);
        if (!text || pos != d.size()) {
            *error = QCoreApplication::translate("regfile", "unterminated string");
            return std::nullopt;
        }
        v.Type = vtString;
        v.Data = text->toUtf8();
        return v;
    }
    if (d.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString digits = d.mid(6);
        bool ok = false;
        const quint32 value = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8 || digits.startsWith(QLatin1Char('+'))) {
            *error =
                QCoreApplication::translate("regfile", "a dword needs 1 to 8 hexadecimal digits");
            return std::nullopt;
        }
        v.Type = vtInteger;
        v.Data = QByteArray(4, '\0');
        qToLittleEndian(value, v.Data.data());
        return v;
    }
    if (d.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        const qsizetype colon = d.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            *error = QCoreApplication::translate("regfile", "hex data needs a colon");
            return std::nullopt;
        }
        const QString kind = d.left(colon).mid(3);
        int type = vtBinary;
        if (!kind.isEmpty()) {
            bool ok = false;
            if (kind.size() < 3 || !kind.startsWith(QLatin1Char('(')) ||
                !kind.endsWith(QLatin1Char(')')) ||
                (type = kind.mid(1, kind.size() - 2).toInt(&ok, 16), !ok) || type < 0) {
                *error = QCoreApplication::translate("regfile", "unknown value type \"%1\"")
                             .arg(d.left(colon));
                return std::nullopt;
            }
        }
        const std::optional<QByteArray> bytes = ParseHexBytes(d.mid(colon + 1));
        if (!bytes) {
            *error = QCoreApplication::translate(
                "regfile", "hex data must be bytes of two hexadecimal digits");
            return std::nullopt;
        }
        v.Type = type;
        v.Data = *bytes;
        if (type == vtString || type == vtExpandString) {
            // Text values hold UTF-16 in version 5 files and single-byte text in REGEDIT4.
            v.Data = WithoutTerminator(unicode ? FromUtf16Le(v.Data) : FromBytes(v.Data)).toUtf8();
        } else if (type == vtMultiString && !unicode) {
            v.Data = Utf16Le(QString::fromLatin1(v.Data), false);
        }
        return v;
    }
    *error = QCoreApplication::translate("regfile", "unknown value data \"%1\"").arg(d.left(20));
    return std::nullopt;
}

namespace {

// The text of an export file: UTF-16LE after its byte-order mark, UTF-8 after its own, else
// UTF-8 where it is valid and single-byte text where not.
QString DecodeFile(const QByteArray& file) {
    if (file.startsWith("\xff\xfe")) {
        QString text = FromUtf16Le(file.mid(2));
        while (text.endsWith(QChar(0))) // padding after the last line
            text.chop(1);
        return text;
    }
    if (file.startsWith("\xef\xbb\xbf"))
        return QString::fromUtf8(file.mid(3));
    return FromBytes(file);
}

struct TLine {
    int Number; // of its first line in the file
    QString Text;
};

// Logical lines: a line ending in a backslash goes on in the next one.
std::vector<TLine> LogicalLines(const QString& text) {
    const QStringList raw = text.split(QLatin1Char('\n'));
    std::vector<TLine> lines;
    for (int i = 0; i < raw.size(); ++i) {
        QString line = raw[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int number = i + 1;
        while (line.endsWith(QLatin1Char('\\')) && i + 1 < raw.size()) {
            line.chop(1);
            QString next = raw[++i];
            if (next.endsWith(QLatin1Char('\r')))
                next.chop(1);
            line += next.trimmed();
        }
        lines.push_back({number, line});
    }
    return lines;
}

TImportError Error(int line, const QString& message) {
    return TImportError{line, message};
}

// A key line, "[HKEY_CURRENT_USER\path]" or "[-HKEY_CURRENT_USER\path]".
std::variant<TKeyOp, TImportError> ParseKeyLine(const TLine& line, const QString& text) {
    if (!text.endsWith(QLatin1Char(']')))
        return Error(line.Number,
                     QCoreApplication::translate("regfile", "a key line must end with \"]\""));
    QString path = text.mid(1, text.size() - 2);
    const bool remove = path.startsWith(QLatin1Char('-'));
    if (remove)
        path.remove(0, 1);
    const QStringList parts = TSettingsStore::SplitPath(path);
    if (parts.isEmpty() || parts.first().compare(Hive, Qt::CaseInsensitive) != 0)
        return Error(line.Number,
                     QCoreApplication::translate(
                         "regfile", "only keys below HKEY_CURRENT_USER can be imported"));
    if (!std::all_of(parts.begin(), parts.end(), TSettingsStore::ValidKeyName))
        return Error(line.Number, QCoreApplication::translate(
                                      "regfile", "a key name cannot hold control characters"));
    const QString relative = parts.mid(1).join(QLatin1Char('\\'));
    if (remove && relative.isEmpty())
        return Error(line.Number,
                     QCoreApplication::translate("regfile", "the whole hive cannot be deleted"));
    return TKeyOp{relative, remove};
}

// A value line, "name"=data, @=data or "name"=- (a deletion).
std::variant<TValueOp, TImportError> ParseValueLine(const TLine& line, const QString& text,
                                                    bool inKey, bool unicode) {
    QString name;
    qsizetype pos = 0;
    if (text.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else {
        const std::optional<QString> quoted = ReadQuoted(text, pos);
        if (!quoted)
            return Error(line.Number, QCoreApplication::translate(
                                          "regfile", "expected a key in brackets or a value "
                                                     "name in double quotes"));
        name = *quoted;
    }
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    if (pos >= text.size() || text[pos] != QLatin1Char('='))
        return Error(line.Number,
                     QCoreApplication::translate("regfile", "expected \"=\" after the value name"));
    if (!inKey)
        return Error(line.Number,
                     QCoreApplication::translate("regfile", "a value must follow a key line"));
    const QString data = text.mid(pos + 1).trimmed();
    if (data == QLatin1String("-"))
        return TValueOp{TStoredValue{name, vtNone, {}}, true};
    QString error;
    std::optional<TStoredValue> value = ParseData(data, unicode, &error);
    if (!value)
        return Error(line.Number, error);
    value->Name = name;
    return TValueOp{*value, false};
}

// Every step the file asks for, in its order; nothing is applied yet.
std::variant<std::vector<TOp>, TImportError> ParseFile(const std::vector<TLine>& lines) {
    std::size_t at = 0;
    while (at < lines.size() && lines[at].Text.trimmed().isEmpty())
        ++at;
    if (at == lines.size())
        return Error(0, QCoreApplication::translate("regfile", "the file is empty"));
    const QString header = lines[at].Text.trimmed();
    if (header != Header5 && header != Header4)
        return Error(lines[at].Number,
                     QCoreApplication::translate("regfile", "not a registry export: the first line "
                                                            "must be \"%1\" or \"%2\"")
                         .arg(Header5, Header4));
    const bool unicode = header == Header5;

    std::vector<TOp> ops;
    bool inKey = false;
    for (++at; at < lines.size(); ++at) {
        const QString text = lines[at].Text.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char(';')))
            continue;
        if (text.startsWith(QLatin1Char('['))) {
            auto key = ParseKeyLine(lines[at], text);
            if (const auto* error = std::get_if<TImportError>(&key))
                return *error;
            inKey = !std::get<TKeyOp>(key).Delete;
            ops.push_back(std::get<TKeyOp>(std::move(key)));
            continue;
        }
        auto value = ParseValueLine(lines[at], text, inKey, unicode);
        if (const auto* error = std::get_if<TImportError>(&value))
            return *error;
        ops.push_back(std::get<TValueOp>(std::move(value)));
    }
    return ops;
}

// The steps in one transaction: on any failure nothing is changed.
std::optional<TImportError> Apply(TSettingsStore& store, const std::vector<TOp>& ops) {
    try {
        TSettingsStore::TTransaction t(store);
        std::optional<TKeyId> current; // none: the parser lets no value stand outside a key
        for (const TOp& op : ops) {
            if (const auto* k = std::get_if<TKeyOp>(&op)) {
                if (k->Delete) {
                    store.DeleteKey(k->Path);
                    current.reset();
                } else {
                    current = store.CreateKey(k->Path);
                }
            } else if (const auto& v = std::get<TValueOp>(op); current && v.Delete) {
                store.DeleteValue(*current, v.Value.Name);
            } else if (current) {
                store.SetValue(*current, v.Value);
            }
        }
        t.Commit();
    } catch (const std::exception& e) {
        return Error(0, QString::fromUtf8(e.what()));
    }
    return std::nullopt;
}

} // namespace

std::optional<TImportError> Import(TSettingsStore& store, const QByteArray& file) {
    auto parsed = ParseFile(LogicalLines(DecodeFile(file)));
    if (const auto* error = std::get_if<TImportError>(&parsed))
        return *error;
    return Apply(store, std::get<std::vector<TOp>>(parsed));
}

} // namespace store::regfile
