// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new skin from any picture Qt reads: cropped and scaled to fill the window, with the
// numbers in the default layout and a colour that stands out from the picture under them.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

class TSkinMaker {
public:
    // The largest picture read in a format that is decoded whole (PNG, BMP; a JPEG is read
    // row by row, keeping only the part used), in pixels: at 4 bytes a pixel, 256 MiB,
    // Qt's own limit for one picture read.
    static constexpr qint64 MaxPixels = qint64(64) * 1024 * 1024;

    // Writes Back.jpg (250 x 90), Back@2x.jpg (500 x 180, when the picture has the pixels
    // for it) and Custom.txt into folder, which must not exist or be empty; the folder and
    // the picture are the file system's bytes. False, with why, when the picture cannot be
    // read or the files cannot be written: then nothing it made is left.
    static bool Make(const QByteArray& folder, const QByteArray& picture, QString* why);

    // The part of a picture of that size that, scaled, covers size: around its centre, at
    // least a pixel each way.
    static QRect Covering(QSize picture, QSize size);
    // White or near black, whichever contrasts most with the picture under the default
    // layout's four boxes, at its worst box.
    static QRgb NumberColour(const QImage& back);
};
