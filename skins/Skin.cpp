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

// A settings file is a few lines; anything beyond this is not read.
constexpr qint64 MaxCustomText = 64 * 1024;

// Formatted input over a byte buffer, with the rules of the scanf family.
class TScanner {
public:
    explicit TScanner(const QByteArray& text) : Text(text) {}

    // The first line as a line reader with a 256-byte buffer returns it: at most 255
    // bytes, the line end included. False at the end of the input.
    bool ReadLine(QByteArray& line) {
        if (Pos >= Text.size())
            return false;
        const qsizetype start = Pos;
        while (Pos < Text.size() && Pos - start < 255) {
            if (Text[Pos++] == '\n')
                break;
        }
        line = Text.mid(start, Pos - start);
        return true;
    }

    // "%d": white space skipped, an optional sign, then decimal digits.
    bool ReadInt(std::int32_t& value) {
        while (Pos < Text.size() && IsSpace(Text[Pos]))
            ++Pos;
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

    // A format of n "%d" conversions separated by blanks: how many were converted
    // before the first that failed.
    int Scan(std::int32_t* values[], int n) {
        for (int i = 0; i < n; ++i)
            if (!ReadInt(*values[i]))
                return i;
        return n;
    }

private:
    static bool IsSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    const QByteArray& Text;
    qsizetype Pos = 0;
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

bool ParseCustomText(const QByteArray& raw, TSkin& skin) {
    // Read as a text file is: a CR LF pair is one line end.
    QByteArray text = raw;
    text.replace("\r\n", "\n");
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

    std::int32_t* size[] = {&skin.FontSize};
    failed = in.Scan(size, 1) != 1 || failed;

    std::int32_t r = 255, g = 255, b = 255;
    std::int32_t* colour[] = {&r, &g, &b};
    failed = in.Scan(colour, 3) != 3 || failed;
    skin.FontColor = std::uint32_t(std::clamp(r, 0, 255)) |
                     std::uint32_t(std::clamp(g, 0, 255)) << 8 |
                     std::uint32_t(std::clamp(b, 0, 255)) << 16;

    for (QPoint* p : {&skin.DaysPos, &skin.HoursPos, &skin.MinutesPos, &skin.SecondsPos}) {
        std::int32_t x = p->x(), y = p->y();
        std::int32_t* point[] = {&x, &y};
        failed = in.Scan(point, 2) != 2 || failed;
        *p = QPoint(x, y);
    }
    return !failed;
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

namespace {
// The picture base + ".bmp" or, when there is no bitmap, base + ".jpg", the part shown
// decoded; null when neither exists or it cannot be read. A bitmap that exists wins, even
// when it cannot be decoded.
QImage LoadPicture(const QByteArray& base, QSize shown, QSize* declared) {
    const qsizetype slash = base.lastIndexOf('/');
    const QByteArray folder = base.left(slash + 1);
    const QByteArray name = base.mid(slash + 1);
    const QByteArray bmp = FindSkinFile(folder, name + ".bmp");
    const QByteArray path = !bmp.isEmpty() ? bmp : FindSkinFile(folder, name + ".jpg");
    if (path.isEmpty())
        return {};
    platform::TRegularFile file(path, pictures::MaxFileSize);
    if (!file.IsOpen())
        return {};
    return !bmp.isEmpty() ? pictures::DecodeBitmap(file, shown, declared)
                          : pictures::DecodeJpeg(file, shown, declared);
}
} // namespace

bool TSkin::LoadBackground(const QByteArray& base) {
    Background = LoadPicture(base, pictures::ShownSize, &BackgroundSize);
    return !Background.isNull();
}

bool TSkin::LoadBackground2x(const QByteArray& base) {
    QSize declared;
    Background2x = LoadPicture(base, pictures::ShownSize2x, &declared);
    if (declared != BackgroundSize * 2)
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
