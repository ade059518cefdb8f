// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/Skin.h"

#include "platform/RegularFile.h"
#include "skins/Pictures.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <limits>
#include <memory>
#include <strings.h>
#include <sys/stat.h>

namespace {

// Formatted input over a byte buffer, with the rules of the scanf family.
class TScanner {
public:
    explicit TScanner(const QByteArray& text) : Text(text) {}

    // The first line as a line reader with a 256-byte buffer returns it: at most
    // MaxFaceLine bytes, the line end included. False at the end of the input.
    bool ReadLine(QByteArray& line) {
        if (Pos >= Text.size())
            return false;
        const qsizetype start = Pos;
        while (Pos < Text.size() && Pos - start < MaxFaceLine)
            if (Text[Pos++] == '\n')
                break;
        line = Text.mid(start, Pos - start);
        return true;
    }

    void SkipSpace() {
        while (Pos < Text.size() && IsSpace(Text[Pos]))
            ++Pos;
    }

    // "%d": white space skipped, an optional sign, then decimal digits.
    bool ReadInt(std::int32_t& value) {
        SkipSpace();
        bool negative = false;
        if (Pos < Text.size() && (Text[Pos] == '+' || Text[Pos] == '-'))
            negative = Text[Pos++] == '-';
        const qsizetype digits = Pos;
        qint64 n = 0;
        while (Pos < Text.size() && Text[Pos] >= '0' && Text[Pos] <= '9') {
            // Out-of-range numbers saturate rather than wrap.
            n = std::min<qint64>(n * 10 + (Text[Pos] - '0'), qint64(1) << 40);
            ++Pos;
        }
        if (Pos == digits)
            return false;
        n = negative ? -n : n;
        value = std::int32_t(std::clamp<qint64>(n, std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()));
        return true;
    }

    qsizetype Pos = 0;

private:
    static bool IsSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    const QByteArray& Text;
};

} // namespace

QByteArray FindSkinFile(const QByteArray& folder, const QByteArray& name) {
    const auto isEntry = [](const QByteArray& path) {
        struct stat st;
        return ::stat(path.constData(), &st) == 0 && !S_ISDIR(st.st_mode);
    };
    if (isEntry(folder + name))
        return folder + name;
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return {};
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(dir, ::closedir);
    while (const dirent* entry = ::readdir(dir))
        if (::strcasecmp(entry->d_name, name.constData()) == 0 && isEntry(folder + entry->d_name))
            return folder + entry->d_name;
    return {};
}

QByteArray CustomTextAsRead(const QByteArray& text) {
    QByteArray read = text;
    return read.replace("\r\n", "\n");
}

bool ParseCustomText(const QByteArray& raw, TSkin& skin, TCustomTextPlaces* places) {
    const QByteArray text = CustomTextAsRead(raw);
    TScanner in(text);
    bool failed = false;

    QByteArray line;
    if (in.ReadLine(line)) {
        qsizetype begin = 0, end = line.size();
        while (begin < end && quint8(line[begin]) <= 32)
            ++begin;
        while (end > begin && quint8(line[end - 1]) <= 32)
            --end;
        skin.FontName = platform::TextOfName(line.mid(begin, end - begin));
    } else {
        failed = true;
    }

    // The numbers in their groups, each group read as one format of "%d" conversions: a
    // group stops at its first failure, and the next group tries again from there.
    std::int32_t r = 255, g = 255, b = 255;
    std::int32_t x[4], y[4];
    QPoint* centres[] = {&skin.DaysPos, &skin.HoursPos, &skin.MinutesPos, &skin.SecondsPos};
    std::int32_t* numbers[12] = {&skin.FontSize, &r, &g, &b};
    for (int i = 0; i < 4; ++i) {
        x[i] = centres[i]->x();
        y[i] = centres[i]->y();
        numbers[4 + 2 * i] = &x[i];
        numbers[5 + 2 * i] = &y[i];
    }
    TCustomTextPlaces ignored;
    TCustomTextPlaces& at = places ? *places : ignored;
    at = {};
    const int groupStart[] = {0, 1, 4, 6, 8, 10, 12};
    for (int group = 0; group < 6; ++group)
        for (int i = groupStart[group]; i < groupStart[group + 1]; ++i) {
            in.SkipSpace();
            at[size_t(i)] = {in.Pos, in.ReadInt(*numbers[i])};
            if (!at[size_t(i)].Read) {
                failed = true;
                break;
            }
        }
    skin.FontColor = std::uint32_t(std::clamp(r, 0, 255)) |
                     std::uint32_t(std::clamp(g, 0, 255)) << 8 |
                     std::uint32_t(std::clamp(b, 0, 255)) << 16;
    for (int i = 0; i < 4; ++i)
        *centres[i] = QPoint(x[i], y[i]);
    return !failed;
}

int TSkin::PointsToPixels(std::int32_t points) {
    const qint64 scaled = qint64(points) * 96;
    const qint64 rounded = scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
    const qint64 pixels = rounded < 0 ? -rounded : rounded;
    return pixels == 0 ? 16 : int(std::min<qint64>(pixels, 2000));
}

QFont TSkin::NumberFont() const {
    QFont font(FontName);
    font.setPixelSize(PointsToPixels(FontSize));
    font.setBold(true);
    return font;
}

QRect TSkin::FieldAt(QPoint centre, QSize size) {
    // Skin coordinates may lie outside the window, but not beyond what widgets can hold.
    const auto clamp = [](qint64 v) { return int(std::clamp<qint64>(v, -100000, 100000)); };
    return QRect(clamp(qint64(centre.x()) - size.width() / 2),
                 clamp(qint64(centre.y()) - size.height() / 2), size.width(), size.height());
}

void TSkin::SetDefaults() {
    Background = QImage();
    BackgroundSize = QSize();
    Background2x = QImage();
    FontName = QStringLiteral("Times New Roman");
    FontSize = 18;
    FontColor = 0x00FFFFFF;
    DaysPos = QPoint(111, 52);
    HoursPos = QPoint(150, 52);
    MinutesPos = QPoint(186, 52);
    SecondsPos = QPoint(222, 52);
}

QImage LoadSkinPicture(const QByteArray& base, QSize shown, TSkinPictureInfo* info) {
    TSkinPictureInfo ignored;
    TSkinPictureInfo& found = info ? *info : ignored;
    found = TSkinPictureInfo();
    const qsizetype slash = base.lastIndexOf('/');
    const QByteArray folder = base.left(slash + 1);
    const QByteArray name = base.mid(slash + 1);
    const QByteArray bmp = FindSkinFile(folder, name + ".bmp");
    const QByteArray jpg = FindSkinFile(folder, name + ".jpg");
    found.File = !bmp.isEmpty() ? bmp : jpg;
    found.BothFormats = !bmp.isEmpty() && !jpg.isEmpty();
    if (found.File.isEmpty())
        return {};
    platform::TRegularFile file(found.File, pictures::MaxFileSize);
    if (!file.IsOpen()) {
        found.Problem = file.Error();
        return {};
    }
    return !bmp.isEmpty() ? pictures::DecodeBitmap(file, shown, &found)
                          : pictures::DecodeJpeg(file, shown, &found);
}

bool TSkin::LoadBackground(const QByteArray& base) {
    TSkinPictureInfo info;
    Background = LoadSkinPicture(base, pictures::ShownSize, &info);
    BackgroundSize = info.Declared;
    return !Background.isNull();
}

bool TSkin::LoadBackground2x(const QByteArray& base) {
    TSkinPictureInfo info;
    Background2x = LoadSkinPicture(base, pictures::ShownSize2x, &info);
    if (info.Declared != BackgroundSize * 2)
        Background2x = QImage();
    return !Background2x.isNull();
}

bool TSkin::LoadFromFolder(const QByteArray& folder, bool doubleSize) {
    SetDefaults();
    const QByteArray dir = folder + '/';
    struct stat st;
    if (::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    if (!LoadBackground(dir + "Back"))
        return false;
    if (doubleSize)
        LoadBackground2x(dir + "Back@2x");
    const QByteArray custom = FindSkinFile(dir, "Custom.txt");
    if (custom.isEmpty())
        return true;
    // A settings file that is a pipe or a device is no settings file: the skin is broken.
    platform::TRegularFile file(custom, std::numeric_limits<qint64>::max());
    if (!file.IsOpen())
        return file.Refusal() == platform::TRegularFile::TRefusal::CannotOpen;
    return ParseCustomText(file.Read(MaxCustomText), *this);
}

bool TSkin::LoadFromFolder(const QString& folder, bool doubleSize) {
    return LoadFromFolder(QFile::encodeName(folder), doubleSize);
}
