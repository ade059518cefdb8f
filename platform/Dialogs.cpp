#include "platform/Dialogs.h"

#include <QFont>
#include <QScreen>
#include <QWidget>

namespace platform {

void SetupDialog(QWidget* dialog, QSize clientSize, Qt::WindowFlags titleButtons) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint | titleButtons);
    dialog->setFixedSize(clientSize);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    dialog->setFont(font);
}

void CentreOnScreen(QWidget* window) {
    if (QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace platform
