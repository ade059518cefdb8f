#pragma once
// What the program's dialogs share: a fixed-size window with only the title-bar buttons
// asked for, the small Arial face of their controls, and placement centred on the screen.

#include <QSize>
#include <Qt>

class QWidget;

namespace platform {

void SetupDialog(QWidget* dialog, QSize clientSize, Qt::WindowFlags titleButtons = {});
void CentreOnScreen(QWidget* window);

} // namespace platform
