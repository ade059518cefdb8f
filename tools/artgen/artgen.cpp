// Draws the project's pictures: menu and tree images, the program icon, the about box
// picture and the bundled skins. Configure with -DKORVANE5_ARTGEN=ON (the test build has
// it), then after changing a picture:
//
//   build-tests/tools/artgen/korvane5-artgen <source folder>
//
// and commit what it writes into resources/ and Skins/; a test checks they agree.

#include "artgen.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvane5-artgen SOURCE-FOLDER\n");
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
