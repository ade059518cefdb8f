// SPDX-License-Identifier: GPL-3.0-or-later
// korvane5-skin: the kit for skin authors. It checks skin folders with the clock's own
// loading code, renders what the clock shows with its own drawing code, lays out a
// contact sheet of a skins folder, and makes a new skin from a picture.

#include "app/MainUnit.h"
#include "skins/Skin.h"
#include "skins/SkinCheck.h"
#include "skins/SkinMaker.h"
#include "widgets/ErrorGuard.h"
#include "widgets/PaintBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

const char* const Usage =
    "usage: korvane5-skin check [--strict] FOLDER...\n"
    "       korvane5-skin render FOLDER -o FILE.png [--time D:H:M:S] [--scale 1|1.5|2]\n"
    "       korvane5-skin sheet ROOT -o FILE.png\n"
    "       korvane5-skin new FOLDER --picture FILE\n"
    "check   says, one line each, what the clock will do with each skin below the folders:\n"
    "        errors (it cannot show it), warnings, notes. Exit status 0, or 1 when a skin has\n"
    "        an error, or with --strict 2 when one has a warning.\n"
    "render  writes the pixels the clock shows with the skin, at a time left (123:4:56:7)\n"
    "        and a scale (1).\n"
    "sheet   writes a contact sheet of every skin below a skins folder.\n"
    "new     makes a skin in a new folder from a picture (PNG, JPEG, BMP, ...).\n";

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

// The value after an option, or nullopt when the option is missing; options are taken out
// of args.
std::optional<QString> TakeOption(QStringList& args, const QString& name) {
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size())
        return std::nullopt;
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}

int Check(QStringList args) {
    const bool strict = args.removeAll(QStringLiteral("--strict")) > 0;
    if (args.isEmpty())
        return UsageError(QStringLiteral("check needs a skin folder"));
    bool error = false, warning = false;
    for (const QString& given : args) {
        if (!QFileInfo(given).isDir()) {
            Print(QStringLiteral("%1: error: not a folder").arg(given));
            error = true;
            continue;
        }
        for (const QString& folder : TSkinCheck::SkinFolders(given))
            for (const TSkinMessage& m : TSkinCheck::Check(folder)) {
                Print(m.Format());
                error = error || m.Level == TSkinMessage::TLevel::Error;
                warning = warning || m.Level == TSkinMessage::TLevel::Warning;
            }
    }
    return error ? 1 : strict && warning ? 2 : 0;
}

// A clock window on the offscreen platform that draws like the real one, with a store,
// start-up entries and skins of its own, so that nothing of the user's changes.
class TRenderer {
public:
    TRenderer() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Home.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(Home.filePath(QStringLiteral("data"))));
        widgets::SetMessageReporter([](const QString&) {});
        widgets::SetExceptionReporter([](const QString&) {});
        Form = std::make_unique<TMainForm>(QStringList{});
        Form->show();
        for (int i = 0; i < 100 && !(Form->windowHandle() && Form->windowHandle()->isExposed());
             ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // The window with the skin in folder, showing the numbers; null when it does not load.
    QImage Render(const QString& folder, const std::array<int, 4>& numbers) {
        auto skin = std::make_unique<TSkin>();
        if (!skin->LoadFromFolder(folder, Form->WantsDoubleSize()))
            return {};
        // As a clock started with this skin shows it: on a fresh canvas.
        Form->Back->Canvas().fill(Qt::white);
        Form->ApplySkin(std::move(skin));
        TPaintBox* boxes[] = {Form->DaysPaint, Form->HoursPaint, Form->MinutesPaint,
                              Form->SecondsPaint};
        for (int i = 0; i < 4; ++i)
            boxes[i]->Tag = numbers[size_t(i)];
        return Form->grab().toImage();
    }

private:
    QTemporaryDir Home;
    std::unique_ptr<TMainForm> Form;
};

int Render(QStringList args) {
    const std::optional<QString> out = TakeOption(args, QStringLiteral("-o"));
    const QString time =
        TakeOption(args, QStringLiteral("--time")).value_or(QStringLiteral("123:4:56:7"));
    if (!out || args.size() != 1)
        return UsageError(QStringLiteral("render takes a skin folder and -o FILE.png"));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d{1,6}):(\\d{1,2}):(\\d{1,2}):(\\d{1,2})$"))
            .match(time);
    if (!m.hasMatch() || m.captured(2).toInt() > 23 || m.captured(3).toInt() > 59 ||
        m.captured(4).toInt() > 59)
        return UsageError(QStringLiteral("--time takes D:H:M:S, hours below 24, minutes and "
                                         "seconds below 60"));
    TRenderer renderer;
    const QImage image = renderer.Render(args[0], {m.captured(1).toInt(), m.captured(2).toInt(),
                                                   m.captured(3).toInt(), m.captured(4).toInt()});
    if (image.isNull())
        return Fail(QStringLiteral("%1 does not load as a skin (korvane5-skin check %1 says why)")
                        .arg(args[0]));
    if (!image.save(*out, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(*out));
    return 0;
}

int Sheet(QStringList args) {
    const std::optional<QString> out = TakeOption(args, QStringLiteral("-o"));
    if (!out || args.size() != 1)
        return UsageError(QStringLiteral("sheet takes a skins folder and -o FILE.png"));
    if (!QFileInfo(args[0]).isDir())
        return Fail(QStringLiteral("%1 is not a folder").arg(args[0]));
    const QString root = QDir(args[0]).absolutePath();
    const QStringList skins = TSkinCheck::SkinFolders(root);
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
    for (qsizetype i = 0; i < skins.size(); ++i) {
        const QPoint at(Margin + int(i % Columns) * (TileWidth + Margin),
                        Margin + int(i / Columns) * (TileHeight + Caption + Margin));
        const QRect tile(at, QSize(TileWidth, TileHeight));
        QString name = QDir(root).relativeFilePath(skins[i]);
        if (name == QLatin1String("."))
            name = QFileInfo(root).fileName();
        const QImage image = renderer.Render(skins[i], {123, 4, 56, 7});
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
    if (!sheet.save(*out, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(*out));
    return 0;
}

int New(QStringList args) {
    const std::optional<QString> picture = TakeOption(args, QStringLiteral("--picture"));
    if (!picture || args.size() != 1)
        return UsageError(QStringLiteral("new takes a folder and --picture FILE"));
    QString why;
    if (!TSkinMaker::Make(args[0], *picture, &why))
        return Fail(why);
    bool error = false, warning = false;
    QStringList said;
    for (const TSkinMessage& m : TSkinCheck::Check(args[0])) {
        said << m.Format();
        error = error || m.Level == TSkinMessage::TLevel::Error;
        warning = warning || m.Level == TSkinMessage::TLevel::Warning;
    }
    if (error || warning) {
        std::fprintf(stderr, "korvane5-skin: made %s, but it does not pass check --strict:\n",
                     args[0].toLocal8Bit().constData());
        for (const QString& line : said)
            std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return error ? 1 : 2;
    }
    Print(QStringLiteral("made %1; korvane5-skin render %1 -o preview.png shows it").arg(args[0]));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing is shown: the clock's drawing code runs offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // The scale is Qt's own, fixed when the application starts.
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_SCALE_FACTOR");
    if (const qsizetype at = args.indexOf(QStringLiteral("--scale")); at >= 0) {
        const QString scale = args.value(at + 1);
        if (scale != QLatin1String("1") && scale != QLatin1String("1.5") &&
            scale != QLatin1String("2"))
            return UsageError(QStringLiteral("--scale takes 1, 1.5 or 2"));
        qputenv("QT_SCALE_FACTOR", scale.toLatin1());
        args.remove(at, 2);
    }
    // The clock's form asks for a system tray, which the offscreen platform has no signal
    // for: Qt's warning about that says nothing to an author.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qobject.connect.warning=false"));
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane5"));
    if (args.isEmpty())
        return UsageError(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (command == QLatin1String("check"))
            return Check(args);
        if (command == QLatin1String("render"))
            return Render(args);
        if (command == QLatin1String("sheet"))
            return Sheet(args);
        if (command == QLatin1String("new"))
            return New(args);
    } catch (const std::exception& e) {
        return Fail(QString::fromUtf8(e.what()));
    }
    return UsageError(QStringLiteral("unknown command %1").arg(command));
}
