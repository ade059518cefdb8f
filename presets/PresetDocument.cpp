// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/PresetDocument.h"

#include <QCollator>
#include <QDate>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <numeric>
#include <tinyxml.h>

namespace presets {

namespace {

// A cursor over the text with the scanning steps of a moment's reading: blanks are spaces
// only, numbers stop before they reach 1000, separators and AM/PM markers compare without
// regard to letter case.
class TScan {
public:
    TScan(QStringView text, const TDateTimeContext& context) : Text(text), Ctx(context) {}

    bool AtEnd() const { return Pos >= Text.size(); }

    // Only the space character counts as a blank.
    void Blanks() {
        while (Pos < Text.size() && Text[Pos] == QLatin1Char(' '))
            ++Pos;
    }

    // Digits, read while the value is below 1000: "20061" leaves the "1" behind.
    bool Number(int& value, int& digits) {
        Blanks();
        qsizetype i = Pos;
        int n = 0;
        while (i < Text.size() && Text[i] >= QLatin1Char('0') && Text[i] <= QLatin1Char('9') &&
               n < 1000) {
            n = n * 10 + (Text[i].unicode() - '0');
            ++i;
        }
        if (i == Pos)
            return false;
        digits = int(i - Pos);
        Pos = i;
        value = n;
        return true;
    }
    bool Number(int& value) {
        int digits = 0;
        return Number(value, digits);
    }

    bool Char(QChar c) {
        Blanks();
        if (Pos < Text.size() && Text[Pos] == c) {
            ++Pos;
            return true;
        }
        return false;
    }

    // A symbol compared without regard to letter case; an empty one never matches.
    bool Symbol(const QString& symbol) {
        if (symbol.isEmpty())
            return false;
        Blanks();
        if (Text.mid(Pos, symbol.size()).compare(symbol, Qt::CaseInsensitive) == 0) {
            Pos += symbol.size();
            return true;
        }
        return false;
    }

    bool Separator(const QString& sep) { return sep.size() == 1 ? Char(sep[0]) : Symbol(sep); }

    // -1 when no marker stands here, else the base hour 0 (morning) or 12 (afternoon).
    int Marker() {
        if (Symbol(Ctx.AmMarker) || Symbol(QStringLiteral("AM")))
            return 0;
        if (Symbol(Ctx.PmMarker) || Symbol(QStringLiteral("PM")))
            return 12;
        return -1;
    }

    bool Date(TDateTime& date) {
        int n1 = 0, n2 = 0, n3 = 0, l1 = 0;
        if (!(Number(n1, l1) && Char(QLatin1Char('-')) && Number(n2)))
            return false;
        int y, m, d;
        if (Char(QLatin1Char('-'))) {
            if (!Number(n3))
                return false;
            y = n1;
            m = n2;
            d = n3;
            if (l1 <= 2) {
                // The hundred years from 50 before the current year to 49 after it.
                const int base = Ctx.CurrentYear - 50;
                y += base / 100 * 100;
                if (y < base)
                    y += 100;
            }
        } else {
            y = Ctx.CurrentYear;
            m = n1;
            d = n2;
        }
        Char(QLatin1Char('-'));
        Blanks();
        return common::TryEncodeDate(y, m, d, date);
    }

    bool Time(TDateTime& time) {
        int base = Marker();
        int hour = 0, minute = 0, second = 0, msec = 0;
        if (!Number(hour))
            return false;
        if (!Separator(Ctx.TimeSeparator) || !Number(minute))
            return false;
        if (Separator(Ctx.TimeSeparator)) {
            if (!Number(second))
                return false;
            if (Separator(Ctx.DecimalSeparator) && !Number(msec))
                return false;
        }
        if (base < 0)
            base = Marker();
        if (base >= 0) {
            if (hour == 0 || hour > 12)
                return false;
            hour = (hour == 12 ? 0 : hour) + base;
        }
        Blanks();
        return common::TryEncodeTime(hour, minute, second, msec, time);
    }

private:
    QStringView Text;
    const TDateTimeContext& Ctx;
    qsizetype Pos = 0;
};

// A document is UTF-8 unless its declaration names another encoding; the parser then
// reads it byte by byte, and so do we.
bool DeclaresSingleByteEncoding(const std::string& text) {
    std::size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < text.size() && static_cast<unsigned char>(text[at]) <= 0x20)
        ++at;
    if (text.compare(at, 5, "<?xml") != 0)
        return false;
    const std::size_t end = text.find("?>", at);
    const std::string decl = text.substr(at, end == std::string::npos ? end : end - at);
    const std::size_t key = decl.find("encoding");
    if (key == std::string::npos)
        return false;
    const std::size_t open = decl.find_first_of("\"'", key);
    if (open == std::string::npos)
        return false;
    const std::size_t close = decl.find(decl[open], open + 1);
    QString name =
        QString::fromLatin1(decl.substr(open + 1, close == std::string::npos ? std::string::npos
                                                                             : close - open - 1))
            .trimmed()
            .toUpper();
    return !name.isEmpty() && name != QLatin1String("UTF-8") && name != QLatin1String("UTF8");
}

// Text of a UTF-8 document: UTF-8 where it is valid, else Latin-1.
QString TextOf(const std::string& bytes, bool singleByte) {
    if (singleByte)
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return utf8.hasError() ? QString::fromLatin1(bytes.data(), qsizetype(bytes.size())) : text;
}

// The version must begin, after white space, with a decimal number equal to 1; the
// reading does not depend on the process's numeric locale.
bool IsVersionOne(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        ++text;
    if (*text == '+')
        ++text;
    if (!((*text >= '0' && *text <= '9') || (*text == '.' && text[1] >= '0' && text[1] <= '9')))
        return false;
    double value = 0;
    const char* end = text + std::strlen(text);
    const auto result = std::from_chars(text, end, value, std::chars_format::general);
    return result.ec == std::errc() && value == 1.0;
}

} // namespace

TDateTimeContext TDateTimeContext::System(TDateTime now) {
    const QLocale locale = QLocale::system();
    TDateTimeContext ctx;
    const QDate today = common::DecodeDate(now);
    ctx.CurrentYear = today.isValid() ? today.year() : QDate::currentDate().year();
    ctx.DecimalSeparator = locale.decimalPoint();
    ctx.AmMarker = locale.amText();
    ctx.PmMarker = locale.pmText();
    return ctx;
}

bool ParsePresetDateTime(QStringView text, const TDateTimeContext& context, TDateTime& out) {
    {
        TScan scan(text, context);
        TDateTime date = 0, time = 0;
        if (scan.Date(date) && (scan.AtEnd() || scan.Time(time))) {
            out = common::CombineDateTime(date, time);
            return true;
        }
    }
    // A time alone, on day zero of the scale.
    TScan scan(text, context);
    TDateTime time = 0;
    if (scan.Time(time) && scan.AtEnd()) {
        out = time;
        return true;
    }
    return false;
}

std::optional<TPresetList> ReadPresetDocument(const std::string& body,
                                              const std::function<TDateTime()>& now,
                                              const TDateTimeContext& context) {
    // The document is text: it ends at the first zero byte, as the parser reads it. The
    // parser takes a multi-byte sequence whole even where the text ends inside one, so it
    // gets zero bytes to spare beyond the end.
    std::string text = body.substr(0, body.find('\0'));
    const std::size_t length = text.size();
    text.append(8, '\0');
    const bool singleByte = DeclaresSingleByteEncoding(text.substr(0, length));
    TiXmlDocument doc;
    doc.Parse(text.c_str(), nullptr, singleByte ? TIXML_ENCODING_LEGACY : TIXML_ENCODING_UTF8);
    if (doc.Error())
        return std::nullopt;
    const TiXmlElement* root = doc.RootElement();
    if (!root || root->ValueStr() != "korvane5xml")
        return std::nullopt;
    double version = 0;
    if (root->QueryDoubleAttribute("version", &version) != TIXML_SUCCESS ||
        !IsVersionOne(root->Attribute("version")))
        return std::nullopt;

    QStringList labels;
    std::vector<TDateTime> dates;
    for (const TiXmlElement* item = root->FirstChildElement("item"); item;
         item = item->NextSiblingElement("item")) {
        const char* datetime = item->Attribute("datetime");
        if (!datetime)
            continue;
        const TiXmlNode* first = item->FirstChild();
        if (!first)
            continue;
        const QString label = TextOf(first->ValueStr(), singleByte);
        TDateTime moment = 0;
        if (!ParsePresetDateTime(TextOf(datetime, singleByte), context, moment))
            continue;
        if (label.isEmpty() || moment < now())
            continue;
        labels << label;
        dates.push_back(moment);
    }

    // Sorted by label as the locale orders text; equal labels keep document order.
    QCollator collator;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(labels.size()));
    for (const QString& label : labels)
        keys.push_back(collator.sortKey(label));
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a].compare(keys[b]) < 0; });
    TPresetList list;
    for (std::size_t i : order) {
        list.Labels << labels[qsizetype(i)];
        list.Dates.push_back(dates[i]);
    }
    return list;
}

} // namespace presets
