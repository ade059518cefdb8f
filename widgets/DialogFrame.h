// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program's dialogs share: a fixed-size window with only the title-bar buttons
// asked for, the small Arial face of their controls, and placement centred on the screen
// each time they are shown.

#include <QList>
#include <QSize>

class QWidget;

namespace widgets {

enum class TTitleButtons { None, CloseBox };

void SetupDialog(QWidget* dialog, QSize clientSize, TTitleButtons buttons);
// Room for a translated text in the fixed layouts: a label wider than its place takes room
// from the field right of it; buttons take it from their neighbour on the left (a column)
// or around their centre (a row). English texts fit as designed: nothing moves for them.
// The width a label's or a button's text needs: a button's bevel takes a few pixels more.
int TextWidthNeeded(const QWidget* control);
void FitLabel(QWidget* label, QWidget* field);
void FitButtonColumn(const QList<QWidget*>& buttons, QWidget* left);
void FitButtonRow(const QList<QWidget*>& buttons);
// Centres the client area (not the frame) on the window's screen.
void CentreOnScreen(QWidget* window);
// Gives back a window's native window and its picture of itself each time it is hidden;
// Qt makes them again at the next showing. A clock shows its dialogs and menu seldom and
// runs for days.
void ReleaseWhenHidden(QWidget* window);

} // namespace widgets
