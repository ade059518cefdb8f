// SPDX-License-Identifier: GPL-3.0-or-later
// korvane5-skin: the kit for skin authors. It checks skin folders with the clock's own
// loading code, renders what the clock shows with the clock's own face, lays out a contact
// sheet of a skins folder, and makes a new skin from a picture. It needs no clock: it
// touches no settings store, no session bus and no tray.

#include "platform/Locale.h"
#include "platform/RegularFile.h"
#include "skins/ClockFace.h"
#include "skins/Skin.h"
#include "skins/SkinCheck.h"
#include "skins/SkinMaker.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <sys/stat.h>

namespace {

const char* const Usage =
    "usage: korvane5-skin check [--strict] [--] FOLDER...\n"
    "       korvane5-skin render -o FILE.png [--time D:H:M:S] [--scale 1|1.5|2] [--] FOLDER\n"
    "       korvane5-skin sheet -o FILE.png [--] ROOT\n"
    "       korvane5-skin new --picture FILE [--] FOLDER\n"
    "       korvane5-skin --help | --version\n"
    "check   says, one line each, what the clock will do with each skin below the folders:\n"
    "        errors (it cannot show it), warnings, notes. Exit status 0, or 1 when a skin has\n"
    "        an error, or with --strict 2 when one has a warning.\n"
    "render  writes the pixels the clock shows with the skin, at a time left (123:4:56:7)\n"
    "        and a scale (1).\n"
    "sheet   writes a contact sheet of every skin below a skins folder.\n"
    "new     makes a skin in a new folder from a picture (PNG, JPEG, BMP, ...).\n"
    "Options go with their command, before or among the folders; after -- every argument\n"
    "is a folder, even one whose name begins with -.\n";

int UsageError(const QString& message) {
    std::fprintf(stderr, "korvane5-skin: %s\n%s", message.toLocal8Bit().constData(), Usage);
    return 2;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "korvane5-skin: %s\n", message.toLocal8Bit().constData());
    return 1;
}

void Print(const QString& line) {
    std::printf("%s\n", line.toLocal8Bit().constData());
}

// Arguments are the file system's bytes. Qt's parser carries them as Latin-1 text, which
// gives every byte back; what is shown of a path is named as the clock's chooser names it.
QByteArray Bytes(const QString& carried) {
    return carried.toLatin1();
}
TSkinFolder Folder(const QString& carried) {
    return {Bytes(carried), TSkinCheck::Shown(Bytes(carried))};
}

// The options each command takes; -- ends them.
void AddOptions(const QString& command, QCommandLineParser& parser) {
    if (command == QLatin1String("check"))
        parser.addOption({QStringLiteral("strict"), QString()});
    if (command == QLatin1String("render") || command == QLatin1String("sheet"))
        parser.addOption({QStringLiteral("o"), QString(), QStringLiteral("FILE")});
    if (command == QLatin1String("render")) {
        parser.addOption({QStringLiteral("time"), QString(), QStringLiteral("D:H:M:S")});
        parser.addOption({QStringLiteral("scale"), QString(), QStringLiteral("RATIO")});
    }
    if (command == QLatin1String("new"))
        parser.addOption({QStringLiteral("picture"), QString(), QStringLiteral("FILE")});
}

// Writes a picture as a PNG file, whole or not at all.
int WritePng(const QImage& image, const QString& carried) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString why = QStringLiteral("the picture cannot be encoded");
    if (!image.save(&buffer, "PNG") || !platform::WriteWholeFile(Bytes(carried), png, &why))
        return Fail(
            QStringLiteral("cannot write %1: %2").arg(TSkinCheck::Shown(Bytes(carried)), why));
    return 0;
}

int Check(const QCommandLineParser& parser) {
    if (parser.positionalArguments().isEmpty())
        return UsageError(QStringLiteral("check needs a skin folder"));
    bool error = false, warning = false;
    for (const QString& given : parser.positionalArguments())
        for (const TSkinFolder& folder : TSkinCheck::SkinFolders(Folder(given)))
            for (const TSkinMessage& m : TSkinCheck::Check(folder)) {
                Print(m.Format());
                error = error || m.Level == TSkinMessage::TLevel::Error;
                warning = warning || m.Level == TSkinMessage::TLevel::Warning;
            }
    return error ? 1 : parser.isSet(QStringLiteral("strict")) && warning ? 2 : 0;
}

// A window of the clock's size on the offscreen platform, drawn by the clock's face.
class TRenderer {
public:
    TRenderer() {
        Window.show();
        for (int i = 0; i < 100 && !(Window.windowHandle() && Window.windowHandle()->isExposed());
             ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // The window with the skin in folder, showing the numbers; null when it does not load.
    QImage Render(const QByteArray& folder, const std::array<std::int32_t, 4>& numbers) {
        TSkin skin;
        if (!skin.LoadFromFolder(folder, Face.WantsDoubleSize()))
            return {};
        // As a clock started with this skin shows it: on a fresh canvas.
        Face.Back()->Canvas().fill(Qt::white);
        Face.ApplySkin(skin);
        Face.ShowNumbers(numbers);
        return Window.grab().toImage();
    }

private:
    QWidget Window;
    TClockFace Face{&Window};
};

int Render(const QCommandLineParser& parser) {
    const QStringList folders = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("o")) || folders.size() != 1)
        return UsageError(QStringLiteral("render takes a skin folder and -o FILE.png"));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d{1,6}):(\\d{1,2}):(\\d{1,2}):(\\d{1,2})$"))
            .match(parser.isSet(QStringLiteral("time")) ? parser.value(QStringLiteral("time"))
                                                        : QStringLiteral("123:4:56:7"));
    if (!m.hasMatch() || m.captured(2).toInt() > 23 || m.captured(3).toInt() > 59 ||
        m.captured(4).toInt() > 59)
        return UsageError(QStringLiteral("--time takes D:H:M:S, hours below 24, minutes and "
                                         "seconds below 60"));
    TRenderer renderer;
    const QImage image =
        renderer.Render(Bytes(folders[0]), {m.captured(1).toInt(), m.captured(2).toInt(),
                                            m.captured(3).toInt(), m.captured(4).toInt()});
    if (image.isNull())
        return Fail(QStringLiteral("%1 does not load as a skin (korvane5-skin check %1 says why)")
                        .arg(TSkinCheck::Shown(Bytes(folders[0]))));
    return WritePng(image, parser.value(QStringLiteral("o")));
}

int Sheet(const QCommandLineParser& parser) {
    const QStringList folders = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("o")) || folders.size() != 1)
        return UsageError(QStringLiteral("sheet takes a skins folder and -o FILE.png"));
    const TSkinFolder root = Folder(folders[0]);
    struct stat st;
    if (::stat(root.Path.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return Fail(QStringLiteral("%1 is not a folder").arg(root.Shown));
    const std::vector<TSkinFolder> skins = TSkinCheck::SkinFolders(root);
    // Three tiles a row, each the skin at 250 x 90 with its path under it.
    constexpr int Columns = 3, Margin = 12, Caption = 20, TileWidth = 250, TileHeight = 90;
    const int rows = int((skins.size() + Columns - 1) / Columns);
    QImage sheet(Margin + Columns * (TileWidth + Margin),
                 Margin + rows * (TileHeight + Caption + Margin), QImage::Format_RGB32);
    if (sheet.isNull())
        return Fail(QStringLiteral("too many skins for one sheet"));
    sheet.fill(QColor(0xe8, 0xe8, 0xe8));
    TRenderer renderer;
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont caption(QStringLiteral("Liberation Sans"));
    caption.setPixelSize(12);
    for (std::size_t i = 0; i < skins.size(); ++i) {
        const QPoint at(Margin + int(i % Columns) * (TileWidth + Margin),
                        Margin + int(i / Columns) * (TileHeight + Caption + Margin));
        const QRect tile(at, QSize(TileWidth, TileHeight));
        // Its path below the root; the root's own name when it is the skin.
        QString name = skins[i].Shown.mid(root.Shown.size() + 1);
        if (name.isEmpty())
            name = root.Shown.section(QLatin1Char('/'), -1);
        const QImage image = renderer.Render(skins[i].Path, {123, 4, 56, 7});
        if (!image.isNull()) {
            p.drawImage(tile, image);
        } else {
            p.fillRect(tile, QColor(0x40, 0x40, 0x40));
            QString reason = QStringLiteral("broken");
            for (const TSkinMessage& m : TSkinCheck::Check(skins[i]))
                if (m.Level == TSkinMessage::TLevel::Error) {
                    reason = QStringLiteral("broken: ") + m.Text;
                    break;
                }
            p.setPen(QColor(0xff, 0x70, 0x60));
            p.setFont(caption);
            p.drawText(tile.adjusted(8, 6, -8, -6), Qt::TextWordWrap | Qt::AlignCenter, reason);
        }
        p.setPen(Qt::black);
        p.setFont(caption);
        p.drawText(QRect(at + QPoint(0, TileHeight + 2), QSize(TileWidth, Caption - 4)),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(name, Qt::ElideMiddle, TileWidth));
    }
    p.end();
    return WritePng(sheet, parser.value(QStringLiteral("o")));
}

int New(const QCommandLineParser& parser) {
    const QStringList folders = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("picture")) || folders.size() != 1)
        return UsageError(QStringLiteral("new takes a folder and --picture FILE"));
    const TSkinFolder folder = Folder(folders[0]);
    QString why;
    if (!TSkinMaker::Make(folder.Path, Bytes(parser.value(QStringLiteral("picture"))), &why))
        return Fail(why);
    bool error = false, warning = false;
    QStringList said;
    for (const TSkinMessage& m : TSkinCheck::Check(folder)) {
        said << m.Format();
        error = error || m.Level == TSkinMessage::TLevel::Error;
        warning = warning || m.Level == TSkinMessage::TLevel::Warning;
    }
    if (error || warning) {
        std::fprintf(stderr, "korvane5-skin: made %s, but it does not pass check --strict:\n",
                     folder.Shown.toLocal8Bit().constData());
        for (const QString& line : said)
            std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return error ? 1 : 2;
    }
    Print(QStringLiteral("made %1; korvane5-skin render %1 -o preview.png shows it")
              .arg(folder.Shown));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    platform::PrepareLocale();
    // Nothing is shown: the clock's face draws offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLatin1(argv[i]);
    if (args.isEmpty())
        return UsageError(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    // Asked for help or the version, the kit answers before Qt starts.
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        std::puts("korvane5-skin " KORVANE5_VERSION);
        return 0;
    }
    // Run from cron or a script there is no runtime folder: Qt would say so and make
    // /tmp/runtime-<user>. The kit shows nothing, so a private one for the run does.
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
    const std::pair<const char*, int (*)(const QCommandLineParser&)> commands[] = {
        {"check", Check}, {"render", Render}, {"sheet", Sheet}, {"new", New}};
    const auto run = std::find_if(std::begin(commands), std::end(commands),
                                  [&](const auto& c) { return command == QLatin1String(c.first); });
    if (run == std::end(commands))
        return UsageError(QStringLiteral("unknown command %1").arg(command));
    QCommandLineParser parser;
    AddOptions(command, parser);
    if (!parser.parse(QStringList{QStringLiteral("korvane5-skin")} + args))
        return UsageError(QStringLiteral("%1: %2").arg(command, parser.errorText()));
    // The scale is Qt's own, fixed when the application starts.
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_SCALE_FACTOR");
    if (command == QLatin1String("render") && parser.isSet(QStringLiteral("scale"))) {
        const QString scale = parser.value(QStringLiteral("scale"));
        if (scale != QLatin1String("1") && scale != QLatin1String("1.5") &&
            scale != QLatin1String("2"))
            return UsageError(QStringLiteral("--scale takes 1, 1.5 or 2"));
        qputenv("QT_SCALE_FACTOR", scale.toLatin1());
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane5"));
    try {
        return run->second(parser);
    } catch (const std::exception& e) {
        return Fail(QString::fromUtf8(e.what()));
    }
}
