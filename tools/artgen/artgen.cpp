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
#include <QGuiApplication>
#include <QImage>
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
    return ok ? 0 : 1;
}
