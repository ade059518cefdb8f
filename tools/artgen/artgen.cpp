// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the project's pictures: menu and tree images, the program icon, the about box
// picture and the bundled skins. Configure with -DKORVANE5_ARTGEN=ON (the test build has
// it), then after changing a picture:
//
//   build-tests/tools/artgen/korvane5-artgen <source folder>
//
// and commit what it writes into resources/ and Skins/; a test checks they agree
// (check.sh, through "korvane5-artgen --same DRAWN COMMITTED").

#include "artgen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QRawFont>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>

namespace {

// Whether a picture drawn now is the committed one. Qt's raster engine takes other SIMD
// paths on other processors, and its smoothing then rounds a channel one way or the other:
// pictures count as the same when no channel differs by more than that (more for JPEG,
// whose encoder carries such a step into its blocks). Other files must be equal bytes.
bool Same(const QString& drawn, const QString& committed) {
    QFile a(drawn), b(committed);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytesA = a.readAll(), bytesB = b.readAll();
    if (bytesA == bytesB)
        return true;
    const QImage imageA = QImage::fromData(bytesA).convertToFormat(QImage::Format_ARGB32);
    const QImage imageB = QImage::fromData(bytesB).convertToFormat(QImage::Format_ARGB32);
    if (imageA.isNull() || imageA.size() != imageB.size())
        return false;
    const int tolerance = drawn.endsWith(QLatin1String(".jpg")) ? 6 : 2;
    for (int y = 0; y < imageA.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(imageA.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(imageB.constScanLine(y));
        for (int x = 0; x < imageA.width(); ++x)
            for (const int shift : {0, 8, 16, 24})
                if (std::abs(int(lineA[x] >> shift & 0xff) - int(lineB[x] >> shift & 0xff)) >
                    tolerance)
                    return false;
    }
    return true;
}

// The faces the pictures with text are drawn in, as this system resolves them: their
// names and revisions, one per line. Another release's fonts draw other pixels, so the
// check compares those pictures only where the faces are the ones they were drawn with.
bool WriteFonts(const QString& file) {
    QString text;
    for (const char* family : {"Liberation Sans", "Liberation Serif"})
        for (const char* style : {"regular", "bold", "italic"}) {
            QFont font(QString::fromLatin1(family));
            font.setBold(style[0] == 'b');
            font.setItalic(style[0] == 'i');
            font.setPixelSize(20);
            const QRawFont raw = QRawFont::fromFont(font);
            // The font revision: a 16.16 number at offset 4 of the "head" table.
            const QByteArray head = raw.fontTable("head");
            const quint32 revision =
                head.size() >= 8 ? qFromBigEndian<quint32>(head.constData() + 4) : 0;
            text += QStringLiteral("%1 %2: %3 %4, revision %5\n")
                        .arg(QLatin1String(family), QLatin1String(style), raw.familyName(),
                             raw.styleName())
                        .arg(revision / 65536.0, 0, 'f', 3);
        }
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--same")
        return Same(QFile::decodeName(argv[2]), QFile::decodeName(argv[3])) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvane5-artgen SOURCE-FOLDER\n"
                             "       korvane5-artgen --same DRAWN COMMITTED\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    bool ok = artgen::MenuImages(root.filePath(QStringLiteral("resources/images")));
    ok = artgen::TreeImages(root.filePath(QStringLiteral("resources/images"))) && ok;
    ok = artgen::ProgramIcon(root.filePath(QStringLiteral("resources/images"))) && ok;
    ok = artgen::AboutPicture(root.filePath(QStringLiteral("resources/images"))) && ok;
    ok = artgen::Skins(root.filePath(QStringLiteral("Skins"))) && ok;
    ok = WriteFonts(root.filePath(QStringLiteral("tools/artgen/fonts.txt"))) && ok;
    return ok ? 0 : 1;
}
