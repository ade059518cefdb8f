#include "widgets/Resources.h"

#include <QImageReader>
#include <QtCore/qglobal.h>

// Outside any namespace: the macro declares the generated registration function.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

QPixmap widgets::ResourcePicture(const QString& path) {
    InitResources();
    QImageReader reader(path, path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLatin1());
    reader.setAutoDetectImageFormat(false); // else Qt asks every plugin first
    return QPixmap::fromImageReader(&reader);
}

void widgets::InitResources() {
    // The resources live in a static library, whose static initialisers a linker may drop.
    static const bool once = (RegisterResources(), true);
    (void)once;
}
