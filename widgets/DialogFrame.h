#pragma once
// What the program's dialogs share: a fixed-size window with only the title-bar buttons
// asked for, the small Arial face of their controls, and placement centred on the screen
// each time they are shown.

#include <QSize>

class QWidget;

namespace widgets {

enum class TTitleButtons { None, CloseBox };

void SetupDialog(QWidget* dialog, QSize clientSize, TTitleButtons buttons);
// Centres the client area (not the frame) on the window's screen.
void CentreOnScreen(QWidget* window);

} // namespace widgets
