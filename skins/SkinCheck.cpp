// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinCheck.h"

#include "platform/RegularFile.h"
#include "skins/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <functional>
#include <sys/stat.h>

namespace {

using TLevel = TSkinMessage::TLevel;

// What each of the twelve numbers of a Custom.txt is.
const char* const ItemNames[TCustomTextReport::Count] = {
    "the font size",          "the colour's red",       "the colour's green",
    "the colour's blue",      "the days centre's x",    "the days centre's y",
    "the hours centre's x",   "the hours centre's y",   "the minutes centre's x",
    "the minutes centre's y", "the seconds centre's x", "the seconds centre's y"};

using TCentreOf = QPoint TSkin::*; // which centre of the skin
struct TField {
    const char* Name;
    TCentreOf Centre;
    QSize Size;
    const char* Widest; // the widest number it shows: 999 days, 23 hours, 59 minutes
    int Item;           // its x among the twelve numbers
};
const TField Fields[] = {{"days", &TSkin::DaysPos, TSkin::DaysFieldSize, "999", 4},
                         {"hours", &TSkin::HoursPos, TSkin::FieldSize, "23", 6},
                         {"minutes", &TSkin::MinutesPos, TSkin::FieldSize, "59", 8},
                         {"seconds", &TSkin::SecondsPos, TSkin::FieldSize, "59", 10}};

const QRect Window(QPoint(0, 0), pictures::ShownSize);

// Faces Debian replaces by ones of the same metrics (fontconfig's aliases of the
// Liberation fonts): the numbers take the same room.
bool MetricCompatible(const QString& asked, const QString& drawn) {
    static const std::pair<const char*, const char*> pairs[] = {
        {"Times New Roman", "Liberation Serif"},
        {"Times", "Liberation Serif"},
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
        {"Arial Narrow", "Liberation Sans Narrow"}};
    return std::any_of(std::begin(pairs), std::end(pairs), [&](const auto& p) {
        return asked.compare(QLatin1String(p.first), Qt::CaseInsensitive) == 0 &&
               drawn.compare(QLatin1String(p.second), Qt::CaseInsensitive) == 0;
    });
}

QString SizeText(QSize size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

QString RectText(const QRect& r) {
    return QStringLiteral("%1 x %2 at (%3, %4)")
        .arg(r.width())
        .arg(r.height())
        .arg(r.left())
        .arg(r.top());
}

// What the picture's size means on the 250 x 90 window.
QString SizeWarning(QSize size) {
    QStringList parts;
    if (size.width() > Window.width() || size.height() > Window.height())
        parts << QStringLiteral("the clock shows its top-left 250 x 90 and cuts the rest");
    if (size.width() < Window.width() || size.height() < Window.height())
        parts << QStringLiteral("right of x %1 and below y %2 the window keeps what an earlier "
                                "skin left there")
                     .arg(std::min(size.width(), Window.width()))
                     .arg(std::min(size.height(), Window.height()));
    return QStringLiteral("the picture is %1, not 250 x 90: %2")
        .arg(SizeText(size), parts.join(QStringLiteral("; ")));
}

} // namespace

QString TSkinMessage::Format() const {
    static const char* const levels[] = {"note", "warning", "error"};
    const QString where = Line > 0 ? QStringLiteral("%1:%2").arg(File).arg(Line) : File;
    return QStringLiteral("%1: %2: %3").arg(where, QLatin1String(levels[int(Level)]), Text);
}

double TSkinCheck::Luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double TSkinCheck::Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double TSkinCheck::MeanLuminance(const QImage& picture, const QRect& rect) {
    const QRect area = rect & picture.rect();
    if (area.isEmpty())
        return -1;
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += Luminance(picture.pixel(x, y));
    return sum / (double(area.width()) * area.height());
}

std::vector<TSkinMessage> TSkinCheck::CheckCustomText(const QString& file, const QByteArray& text,
                                                      TSkin& skin) {
    std::vector<TSkinMessage> out;
    const auto add = [&](TLevel level, int line, const QString& message) {
        out.push_back({level, file, line, message});
    };
    TCustomTextReport report;
    ParseCustomText(text, skin, &report);
    if (text.isEmpty()) {
        add(TLevel::Error, 0,
            QStringLiteral("empty: the face and the twelve numbers are missing, and the clock "
                           "marks the skin broken"));
        return out;
    }
    if (report.FirstLineCut)
        add(TLevel::Warning, 1,
            QStringLiteral("the face line is longer than 255 bytes: the rest of it is read as "
                           "the numbers"));
    if (report.Numbers < TCustomTextReport::Count) {
        const QString found =
            report.StopText.isEmpty()
                ? QStringLiteral("the file ends")
                : QStringLiteral("found \"%1\"").arg(QString::fromLatin1(report.StopText));
        add(TLevel::Error, report.StopLine,
            QStringLiteral("%1 is missing (%2): twelve numbers must follow the face, and the "
                           "clock marks the skin broken")
                .arg(QLatin1String(ItemNames[report.Numbers]), found));
    }
    for (int i = 1; i <= 3 && i < report.Numbers; ++i) {
        const std::int32_t v = report.Values[size_t(i)];
        if (v < 0 || v > 255)
            add(TLevel::Warning, report.Lines[size_t(i)],
                QStringLiteral("%1 %2 is outside 0 to 255: the clock takes %3")
                    .arg(QLatin1String(ItemNames[i]))
                    .arg(v)
                    .arg(std::clamp(v, 0, 255)));
    }
    if (report.TrailingLine > 0)
        add(TLevel::Note, report.TrailingLine,
            QStringLiteral("text after the twelfth number is ignored"));
    return out;
}

std::vector<TSkinMessage> TSkinCheck::Check(const QString& given) {
    std::vector<TSkinMessage> out;
    QString folder = given;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const QByteArray dir = QFile::encodeName(folder);
    const auto add = [&](TLevel level, const QString& file, int line, const QString& text) {
        out.push_back({level, file, line, text});
    };
    struct stat st;
    if (::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        add(TLevel::Error, folder, 0, QStringLiteral("not a folder"));
        return out;
    }

    // The picture, and the double-size one, as the clock reads them.
    TSkinPictureInfo info;
    const QImage back = LoadSkinPicture(dir + "/Back", pictures::ShownSize, &info);
    const QString backFile = QFile::decodeName(info.File);
    if (info.File.isEmpty())
        add(TLevel::Error, folder, 0,
            QStringLiteral("no Back.bmp or Back.jpg: the clock marks the skin broken"));
    else if (back.isNull())
        add(TLevel::Error, backFile, 0,
            QStringLiteral("the picture cannot be shown: %1").arg(info.Problem));
    if (info.BothFormats)
        add(TLevel::Note, backFile, 0,
            QStringLiteral("Back.bmp and Back.jpg are both here: the clock shows the bitmap"));
    if (!back.isNull() && info.Declared != pictures::ShownSize)
        add(TLevel::Warning, backFile, 0, SizeWarning(info.Declared));

    TSkinPictureInfo twice;
    const QImage back2x = LoadSkinPicture(dir + "/Back@2x", pictures::ShownSize2x, &twice);
    const QString twiceFile = QFile::decodeName(twice.File);
    if (twice.BothFormats)
        add(TLevel::Note, twiceFile, 0,
            QStringLiteral("Back@2x.bmp and Back@2x.jpg are both here: the clock reads the "
                           "bitmap"));
    if (!twice.File.isEmpty() && back2x.isNull())
        add(TLevel::Warning, twiceFile, 0,
            QStringLiteral("the double-size picture cannot be shown (%1): the clock leaves it "
                           "out and enlarges Back on scaled screens")
                .arg(twice.Problem));
    else if (!twice.File.isEmpty() && !back.isNull() && twice.Declared != info.Declared * 2)
        add(TLevel::Warning, twiceFile, 0,
            QStringLiteral("the double-size picture is %1, not twice the picture's %2 (%3): the "
                           "clock leaves it out")
                .arg(SizeText(twice.Declared), SizeText(info.Declared),
                     SizeText(info.Declared * 2)));

    // The settings, and where each number of them stands.
    TSkin skin;
    TCustomTextReport report;
    const QByteArray custom = FindSkinFile(dir + '/', "Custom.txt");
    const QString customFile = QFile::decodeName(custom);
    bool numbersRead = false;
    if (custom.isEmpty()) {
        add(TLevel::Note, folder, 0,
            QStringLiteral("no Custom.txt: the numbers take the defaults (Times New Roman, 18 "
                           "points, white, at the design positions)"));
    } else {
        platform::TRegularFile file(custom, std::numeric_limits<qint64>::max());
        if (!file.IsOpen() && file.Refusal() != platform::TRegularFile::TRefusal::CannotOpen) {
            add(TLevel::Error, customFile, 0,
                QStringLiteral("%1: the clock marks the skin broken").arg(file.Error()));
        } else if (!file.IsOpen()) {
            add(TLevel::Warning, customFile, 0,
                QStringLiteral("cannot be opened (%1): the numbers take the defaults")
                    .arg(file.Error()));
        } else {
            const QByteArray text = file.Read(MaxCustomText);
            for (TSkinMessage& m : CheckCustomText(customFile, text, skin))
                out.push_back(std::move(m));
            ParseCustomText(text, skin, &report);
            numbersRead = true;
        }
    }
    // Where a message about a setting points: its line, or the folder without Custom.txt.
    const auto place = [&](int item) -> std::pair<QString, int> {
        if (!numbersRead)
            return {folder, 0};
        return {customFile, item >= 0 && item < report.Numbers ? report.Lines[size_t(item)] : 0};
    };

    for (const TField& f : Fields) {
        const QRect box = TSkin::FieldAt(skin.*f.Centre, f.Size);
        if (!Window.contains(box)) {
            const auto [file, line] = place(f.Item);
            add(TLevel::Warning, file, line,
                QStringLiteral("the %1 box, %2, lies partly off the 250 x 90 window: its "
                               "numbers are cut there")
                    .arg(QLatin1String(f.Name), RectText(box)));
        }
    }

    // The face and the room the numbers take need the fonts, as fontconfig resolves them.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QFont font = skin.NumberFont();
        const QString drawn = QFontInfo(font).family();
        const QString file = numbersRead ? customFile : folder;
        const int faceLine = numbersRead ? 1 : 0;
        if (drawn.compare(skin.FontName, Qt::CaseInsensitive) != 0) {
            if (MetricCompatible(skin.FontName, drawn))
                add(TLevel::Note, file, faceLine,
                    QStringLiteral("\"%1\" is drawn in \"%2\", a face of the same metrics")
                        .arg(skin.FontName, drawn));
            else
                add(TLevel::Warning, file, faceLine,
                    QStringLiteral("\"%1\" is not installed: the numbers are drawn in \"%2\"")
                        .arg(skin.FontName, drawn));
        }
        const QFontMetrics metrics(font);
        bool tooHigh = false;
        for (const TField& f : Fields) {
            const int width = metrics.horizontalAdvance(QLatin1String(f.Widest));
            const auto [where, at] = place(f.Item);
            if (width > f.Size.width())
                add(TLevel::Warning, where, at,
                    QStringLiteral("the %1 at their widest (%2) are %3 pixels wide, %4 over "
                                   "their %5-pixel box: the clock cuts them on both sides")
                        .arg(QLatin1String(f.Name), QLatin1String(f.Widest))
                        .arg(width)
                        .arg(width - f.Size.width())
                        .arg(f.Size.width()));
            if (metrics.height() > f.Size.height() && !tooHigh) {
                tooHigh = true;
                add(TLevel::Warning, file, numbersRead && report.Numbers > 0 ? report.Lines[0] : 0,
                    QStringLiteral("the numbers are %1 pixels high, %2 over their %3-pixel boxes: "
                                   "the clock cuts them at the top and bottom")
                        .arg(metrics.height())
                        .arg(metrics.height() - f.Size.height())
                        .arg(f.Size.height()));
            }
        }
    }

    // The numbers' colour against the picture under each box.
    if (!back.isNull()) {
        const std::uint32_t c = skin.FontColor;
        const QRgb ink = qRgb(int(c & 0xff), int(c >> 8 & 0xff), int(c >> 16 & 0xff));
        for (const TField& f : Fields) {
            const QRect box = TSkin::FieldAt(skin.*f.Centre, f.Size) & Window;
            const double under = MeanLuminance(back, box);
            const double ratio = under < 0 ? 21 : Contrast(Luminance(ink), under);
            if (ratio < 3.0) {
                const auto [file, line] = place(1);
                add(TLevel::Warning, file, line,
                    QStringLiteral("the numbers' colour %1 %2 %3 has a contrast of %4:1 against "
                                   "the picture in the %5 box (%6); 3:1 or more reads well")
                        .arg(qRed(ink))
                        .arg(qGreen(ink))
                        .arg(qBlue(ink))
                        .arg(QString::number(ratio, 'f', 1), QLatin1String(f.Name), RectText(box)));
            }
        }
    }

    // The clock's own verdict stands: an error where it fails, whatever was found above.
    TSkin loaded;
    const bool loads = loaded.LoadFromFolder(dir);
    const bool error = std::any_of(out.begin(), out.end(),
                                   [](const TSkinMessage& m) { return m.Level == TLevel::Error; });
    if (!loads && !error)
        add(TLevel::Error, folder, 0, QStringLiteral("the clock cannot load this skin"));
    return out;
}

QStringList TSkinCheck::SkinFolders(const QString& given) {
    QString folder = given;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    QStringList skins;
    // Hidden folders are left out, as the catalogue leaves them out, and a folder reached
    // again through a link (a loop) is not entered again.
    QStringList visiting;
    const std::function<void(const QString&)> walk = [&](const QString& path) {
        const QString real = QFileInfo(path).canonicalFilePath();
        if (visiting.contains(real) || visiting.size() > 64)
            return;
        visiting << real;
        // Qt lists a link to a device among the folders: only real folders are entered.
        QStringList children;
        for (const QFileInfo& child : QDir(path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                               QDir::Name | QDir::IgnoreCase))
            if (child.isDir())
                children << child.fileName();
        if (children.isEmpty())
            skins << path;
        for (const QString& child : children)
            walk(path + QLatin1Char('/') + child);
        visiting.removeLast();
    };
    walk(folder);
    return skins;
}
