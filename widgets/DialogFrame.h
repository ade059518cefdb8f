// SPDX-License-Identifier: GPL-3.0-or-later
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
// Gives back a window's native window and its picture of itself each time it is hidden;
// Qt makes them again at the next showing. A clock shows its dialogs and menu seldom and
// runs for days.
void ReleaseWhenHidden(QWidget* window);

} // namespace widgets
