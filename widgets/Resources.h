// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace widgets {
// Registers the pictures compiled into the program library; every form calls it first.
void InitResources();
// A picture compiled in, read in the format its name ends with: Qt then takes its own
// reader at once, instead of loading every image-format plugin to ask each of them.
QPixmap ResourcePicture(const QString& path);
// The same for a device pixel ratio: above 1 the double-size picture ("name@2x.ext") with
// its ratio set, so that it is drawn at the picture's size in layout pixels, sharp.
QPixmap ResourcePicture(const QString& path, qreal ratio);
// An icon of a picture compiled in and, for screens of a ratio above 1, its double size.
QIcon ResourcePictureIcon(const QString& path, qreal ratio);
// An icon whose pictures are compiled in, one per size ("%1" in the pattern is the size).
// It decodes a picture when a size is asked for and keeps none: the window manager and
// the tray take their copies once, and a decoded set would sit in memory all day.
QIcon ResourceIcon(const QString& pattern, const QList<int>& sizes);
} // namespace widgets
