// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinCheck.h"

#include "platform/RegularFile.h"
#include "skins/FolderWalk.h"
#include "skins/Pictures.h"
#include "skins/SkinCatalogue.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using TLevel = TSkinMessage::TLevel;

// What each of the twelve numbers of a Custom.txt is.
const char* const ItemNames[std::tuple_size_v<TCustomTextPlaces>] = {
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

// In a Custom.txt as read: the line of an offset, the number written at it (its sign and
// digits), and what stands there instead of a number (to the next blank, 20 bytes at most).
int LineAt(const QByteArray& text, qsizetype at) {
    return 1 + int(text.left(at).count('\n'));
}
QByteArray NumberAt(const QByteArray& text, qsizetype at) {
    qsizetype end = at;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    return text.mid(at, end - at);
}
QByteArray WordAt(const QByteArray& text, qsizetype at) {
    qsizetype end = at;
    while (end < text.size() && end - at < 20 && quint8(text[end]) > 32)
        ++end;
    return text.mid(at, end - at);
}
// How many of the twelve numbers were read before the first that was not.
int NumbersRead(const TCustomTextPlaces& places) {
    return int(std::find_if(places.begin(), places.end(),
                            [](const TCustomTextPlace& p) { return !p.Read; }) -
               places.begin());
}

// A folder without the separators at its end.
TSkinFolder Trimmed(TSkinFolder folder) {
    while (folder.Path.size() > 1 && folder.Path.endsWith('/')) {
        folder.Path.chop(1);
        if (folder.Shown.endsWith(QLatin1Char('/')))
            folder.Shown.chop(1);
    }
    return folder;
}

QString Strerror(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The checks of one skin folder, each named after what it looks at, run in the order
// their messages come.
class TFolderCheck {
public:
    explicit TFolderCheck(const TSkinFolder& folder);
    std::vector<TSkinMessage> Run();

private:
    bool Folder(); // false: no folder to look into
    void Picture();
    void DoubleSize();
    void Settings();
    void BoxesOnWindow();
    void Face();
    void Room();
    void Colour();
    void Verdict();

    void Add(TLevel level, const QString& file, int line, const QString& text) {
        Out.push_back({level, file, line, text});
    }
    // A file the clock reads in the folder, as it is shown.
    QString Shown(const QByteArray& path) const {
        return Dir.Shown + QLatin1Char('/') + platform::TextOfName(path.mid(Dir.Path.size() + 1));
    }
    // Where a message about a setting points: its line, or the folder without Custom.txt.
    std::pair<QString, int> Place(int item) const {
        if (!SettingsRead)
            return {Dir.Shown, 0};
        return {CustomFile, item < NumbersRead(Places) ? LineAt(Text, Places[size_t(item)].At) : 0};
    }

    TSkinFolder Dir; // without a trailing separator
    std::vector<TSkinMessage> Out;
    QImage Back;
    TSkinPictureInfo Info;
    TSkin Skin;
    bool SettingsRead = false; // Custom.txt was read: its numbers and their places
    QString CustomFile;
    QByteArray Text; // as read
    TCustomTextPlaces Places;
};

TFolderCheck::TFolderCheck(const TSkinFolder& folder) : Dir(Trimmed(folder)) {}

std::vector<TSkinMessage> TFolderCheck::Run() {
    if (!Folder())
        return Out;
    Picture();
    DoubleSize();
    Settings();
    BoxesOnWindow();
    // The face and the room the numbers take need the fonts, as fontconfig resolves them.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        Face();
        Room();
    }
    Colour();
    Verdict();
    return Out;
}

bool TFolderCheck::Folder() {
    struct stat st;
    if (::stat(Dir.Path.constData(), &st) != 0 && errno != ENOENT && errno != ENOTDIR) {
        Add(TLevel::Error, Dir.Shown, 0, QStringLiteral("cannot be read: %1").arg(Strerror(errno)));
        return false;
    }
    if (::stat(Dir.Path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        Add(TLevel::Error, Dir.Shown, 0, QStringLiteral("not a folder"));
        return false;
    }
    const int fd = ::open(Dir.Path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        Add(TLevel::Error, Dir.Shown, 0, QStringLiteral("cannot be read: %1").arg(Strerror(errno)));
        return false;
    }
    ::close(fd);
    return true;
}

// The picture as the clock reads it.
void TFolderCheck::Picture() {
    Back = LoadSkinPicture(Dir.Path + "/Back", pictures::ShownSize, &Info);
    const QString file = Shown(Info.File);
    if (Info.File.isEmpty())
        Add(TLevel::Error, Dir.Shown, 0,
            QStringLiteral("no Back.bmp or Back.jpg: the clock marks the skin broken"));
    else if (Back.isNull())
        Add(TLevel::Error, file, 0,
            QStringLiteral("the picture cannot be shown: %1").arg(Info.Problem));
    if (Info.BothFormats)
        Add(TLevel::Note, file, 0,
            QStringLiteral("Back.bmp and Back.jpg are both here: the clock shows the bitmap"));
    if (!Back.isNull() && Info.Declared != pictures::ShownSize)
        Add(TLevel::Warning, file, 0, SizeWarning(Info.Declared));
}

void TFolderCheck::DoubleSize() {
    TSkinPictureInfo twice;
    const QImage back2x = LoadSkinPicture(Dir.Path + "/Back@2x", pictures::ShownSize2x, &twice);
    const QString file = Shown(twice.File);
    if (twice.BothFormats)
        Add(TLevel::Note, file, 0,
            QStringLiteral("Back@2x.bmp and Back@2x.jpg are both here: the clock reads the "
                           "bitmap"));
    if (!twice.File.isEmpty() && back2x.isNull())
        Add(TLevel::Warning, file, 0,
            QStringLiteral("the double-size picture cannot be shown (%1): the clock leaves it "
                           "out and enlarges Back on scaled screens")
                .arg(twice.Problem));
    else if (!twice.File.isEmpty() && !Back.isNull() && twice.Declared != Info.Declared * 2)
        Add(TLevel::Warning, file, 0,
            QStringLiteral("the double-size picture is %1, not twice the picture's %2 (%3): the "
                           "clock leaves it out")
                .arg(SizeText(twice.Declared), SizeText(Info.Declared),
                     SizeText(Info.Declared * 2)));
}

// The settings, and where each number of them stands.
void TFolderCheck::Settings() {
    const QByteArray custom = FindSkinFile(Dir.Path + '/', "Custom.txt");
    if (custom.isEmpty()) {
        Add(TLevel::Note, Dir.Shown, 0,
            QStringLiteral("no Custom.txt: the numbers take the defaults (Times New Roman, 18 "
                           "points, white, at the design positions)"));
        return;
    }
    CustomFile = Shown(custom);
    platform::TRegularFile file(custom, std::numeric_limits<qint64>::max());
    if (!file.IsOpen() && file.Refusal() != platform::TRegularFile::TRefusal::CannotOpen) {
        Add(TLevel::Error, CustomFile, 0,
            QStringLiteral("%1: the clock marks the skin broken").arg(file.Error()));
    } else if (!file.IsOpen()) {
        Add(TLevel::Warning, CustomFile, 0,
            QStringLiteral("cannot be opened (%1): the numbers take the defaults")
                .arg(file.Error()));
    } else {
        const QByteArray text = file.Read(MaxCustomText);
        for (TSkinMessage& m : TSkinCheck::CheckCustomText(CustomFile, text, Skin))
            Out.push_back(std::move(m));
        ParseCustomText(text, Skin, &Places);
        Text = CustomTextAsRead(text);
        SettingsRead = true;
    }
}

void TFolderCheck::BoxesOnWindow() {
    for (const TField& f : Fields) {
        const QRect box = TSkin::FieldAt(Skin.*f.Centre, f.Size);
        if (!Window.contains(box)) {
            const auto [file, line] = Place(f.Item);
            Add(TLevel::Warning, file, line,
                QStringLiteral("the %1 box, %2, lies partly off the 250 x 90 window: its "
                               "numbers are cut there")
                    .arg(QLatin1String(f.Name), RectText(box)));
        }
    }
}

// The face the clock draws the numbers in.
void TFolderCheck::Face() {
    const QString drawn = QFontInfo(Skin.NumberFont()).family();
    if (drawn.compare(Skin.FontName, Qt::CaseInsensitive) == 0)
        return;
    const auto [file, line] = SettingsRead ? std::pair(CustomFile, 1) : std::pair(Dir.Shown, 0);
    if (MetricCompatible(Skin.FontName, drawn))
        Add(TLevel::Note, file, line,
            QStringLiteral("\"%1\" is drawn in \"%2\", a face of the same metrics")
                .arg(Skin.FontName, drawn));
    else
        Add(TLevel::Warning, file, line,
            QStringLiteral("\"%1\" is not installed: the numbers are drawn in \"%2\"")
                .arg(Skin.FontName, drawn));
}

// The room the numbers take in their boxes.
void TFolderCheck::Room() {
    const QFontMetrics metrics(Skin.NumberFont());
    bool tooHigh = false;
    for (const TField& f : Fields) {
        const int width = metrics.horizontalAdvance(QLatin1String(f.Widest));
        if (width > f.Size.width()) {
            const auto [file, line] = Place(f.Item);
            Add(TLevel::Warning, file, line,
                QStringLiteral("the %1 at their widest (%2) are %3 pixels wide, %4 over "
                               "their %5-pixel box: the clock cuts them on both sides")
                    .arg(QLatin1String(f.Name), QLatin1String(f.Widest))
                    .arg(width)
                    .arg(width - f.Size.width())
                    .arg(f.Size.width()));
        }
        if (metrics.height() > f.Size.height() && !tooHigh) {
            tooHigh = true;
            const auto [file, line] = Place(0);
            Add(TLevel::Warning, file, line,
                QStringLiteral("the numbers are %1 pixels high, %2 over their %3-pixel boxes: "
                               "the clock cuts them at the top and bottom")
                    .arg(metrics.height())
                    .arg(metrics.height() - f.Size.height())
                    .arg(f.Size.height()));
        }
    }
}

// The numbers' colour against the picture under each box.
void TFolderCheck::Colour() {
    if (Back.isNull())
        return;
    const std::uint32_t c = Skin.FontColor;
    const QRgb ink = qRgb(int(c & 0xff), int(c >> 8 & 0xff), int(c >> 16 & 0xff));
    for (const TField& f : Fields) {
        const QRect box = TSkin::FieldAt(Skin.*f.Centre, f.Size) & Window;
        const double under = TSkinCheck::MeanLuminance(Back, box);
        const double ratio =
            under < 0 ? 21 : TSkinCheck::Contrast(TSkinCheck::Luminance(ink), under);
        if (ratio < 3.0) {
            const auto [file, line] = Place(1);
            Add(TLevel::Warning, file, line,
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
void TFolderCheck::Verdict() {
    TSkin loaded;
    const bool loads = loaded.LoadFromFolder(Dir.Path);
    const bool error = std::any_of(Out.begin(), Out.end(),
                                   [](const TSkinMessage& m) { return m.Level == TLevel::Error; });
    if (!loads && !error)
        Add(TLevel::Error, Dir.Shown, 0, QStringLiteral("the clock cannot load this skin"));
}

// The skin folders below an open folder, into level, walked by the catalogue's rule.
void ListFolder(int fd, skins::TFolderWalk& walk, std::vector<std::unique_ptr<TSkinNode>>& level) {
    std::vector<char> buffer(8192);
    for (ssize_t length; (length = ::getdents64(fd, buffer.data(), buffer.size())) > 0;)
        for (ssize_t offset = 0; offset < length;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + offset);
            offset += entry->d_reclen;
            if (!skins::TFolderWalk::MayBeFolder(*entry))
                continue;
            skins::TFolderId id;
            int sub = -1;
            const skins::TFolderOpen folder = skins::OpenFolder(fd, entry->d_name, sub, id);
            const skins::TFd closer(sub);
            const skins::TFolderWalk::TTake take = folder == skins::TFolderOpen::Open
                                                       ? walk.Take(fd, *entry, sub, id)
                                                       : skins::TFolderWalk::TTake::Skin;
            if (folder == skins::TFolderOpen::None || take == skins::TFolderWalk::TTake::Leave)
                continue;
            auto node = std::make_unique<TSkinNode>();
            node->FileName = entry->d_name;
            node->Caption = platform::TextOfName(node->FileName);
            // One that cannot be listed stands as a skin: its check says why.
            if (take == skins::TFolderWalk::TTake::Enter)
                ListFolder(sub, walk, node->Children);
            node->Kind =
                node->Children.empty() ? TSkinNode::TKind::Skin : TSkinNode::TKind::Category;
            level.push_back(std::move(node));
        }
}

void AddSkins(const std::vector<std::unique_ptr<TSkinNode>>& level, const TSkinFolder& in,
              std::vector<TSkinFolder>& skins) {
    for (const auto& node : level) {
        const TSkinFolder folder{in.Path + '/' + node->FileName,
                                 in.Shown + QLatin1Char('/') + node->Caption};
        if (node->IsSkin())
            skins.push_back(folder);
        else
            AddSkins(node->Children, folder, skins);
    }
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

std::vector<TSkinMessage> TSkinCheck::CheckCustomText(const QString& file, const QByteArray& raw,
                                                      TSkin& skin) {
    std::vector<TSkinMessage> out;
    const auto add = [&](TLevel level, int line, const QString& message) {
        out.push_back({level, file, line, message});
    };
    TCustomTextPlaces places;
    ParseCustomText(raw, skin, &places);
    if (raw.isEmpty()) {
        add(TLevel::Error, 0,
            QStringLiteral("empty: the face and the twelve numbers are missing, and the clock "
                           "marks the skin broken"));
        return out;
    }
    const QByteArray text = CustomTextAsRead(raw);
    const qsizetype lineEnd = text.indexOf('\n');
    if ((lineEnd < 0 ? text.size() : lineEnd) >= MaxFaceLine && text.size() > MaxFaceLine)
        add(TLevel::Warning, 1,
            QStringLiteral("the face line is longer than %1 bytes: the rest of it is read as "
                           "the numbers")
                .arg(MaxFaceLine));
    const int read = NumbersRead(places);
    if (read < int(places.size())) {
        // The first number missing was looked for there.
        const qsizetype at = places[size_t(read)].At;
        const QByteArray word = WordAt(text, at);
        const QString found = word.isEmpty()
                                  ? QStringLiteral("the file ends")
                                  : QStringLiteral("found \"%1\"").arg(QString::fromLatin1(word));
        add(TLevel::Error, LineAt(text, at),
            QStringLiteral("%1 is missing (%2): twelve numbers must follow the face, and the "
                           "clock marks the skin broken")
                .arg(QLatin1String(ItemNames[read]), found));
    }
    for (int i = 1; i <= 3 && i < read; ++i) {
        const qsizetype at = places[size_t(i)].At;
        const QByteArray written = NumberAt(text, at);
        bool ok = false;
        const qint64 value = written.toLongLong(&ok);
        if (!ok || value < 0 || value > 255)
            add(TLevel::Warning, LineAt(text, at),
                QStringLiteral("%1 %2 is outside 0 to 255: the clock takes %3")
                    .arg(QLatin1String(ItemNames[i]), QString::fromLatin1(written))
                    .arg(written.startsWith('-') ? 0 : 255));
    }
    if (read == int(places.size())) {
        qsizetype end = places.back().At + NumberAt(text, places.back().At).size();
        while (end < text.size() && std::strchr(" \t\n\v\f\r", text[end]) && text[end] != 0)
            ++end;
        if (end < text.size())
            add(TLevel::Note, LineAt(text, end),
                QStringLiteral("text after the twelfth number is ignored"));
    }
    return out;
}

std::vector<TSkinMessage> TSkinCheck::Check(const TSkinFolder& folder) {
    return TFolderCheck(folder).Run();
}

std::vector<TSkinMessage> TSkinCheck::Check(const QString& folder) {
    return Check({QFile::encodeName(folder), folder});
}

std::vector<TSkinFolder> TSkinCheck::SkinFolders(const TSkinFolder& given) {
    const TSkinFolder folder = Trimmed(given);
    // Hidden folders are left out and links followed as the catalogue does.
    std::vector<std::unique_ptr<TSkinNode>> level;
    skins::TFolderId id;
    int fd = -1;
    if (skins::OpenFolder(AT_FDCWD, folder.Path.constData(), fd, id) == skins::TFolderOpen::Open) {
        skins::TFolderWalk walk;
        walk.Start(id);
        const skins::TFd closer(fd);
        ListFolder(fd, walk, level);
    }
    if (level.empty())
        return {folder};
    TSkinCatalogue::SortLevel(level);
    std::vector<TSkinFolder> skins;
    AddSkins(level, folder, skins);
    return skins;
}

QString TSkinCheck::Shown(const QByteArray& path) {
    QStringList names;
    for (const QByteArray& name : path.split('/'))
        names << platform::TextOfName(name);
    return names.join(QLatin1Char('/'));
}
