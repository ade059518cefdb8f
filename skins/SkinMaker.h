// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new skin from any picture Qt reads: cropped and scaled to fill the window, with the
// numbers in the default layout and a colour that stands out from the picture under them.

#include <QImage>
#include <QRgb>
#include <QString>

class TSkinMaker {
public:
    // Writes Back.jpg (250 x 90), Back@2x.jpg (500 x 180, when the picture has the pixels
    // for it) and Custom.txt into folder, which must not exist or be empty. False, with
    // why, when the picture cannot be read or the files cannot be written.
    static bool Make(const QString& folder, const QString& picture, QString* why);

    // The picture scaled to cover size and cropped to it around its centre; null when it
    // would need enlarging and upscale is false.
    static QImage Fill(const QImage& picture, QSize size, bool upscale);
    // White or near black, whichever contrasts most with the picture under the default
    // layout's four boxes, at its worst box.
    static QRgb NumberColour(const QImage& back);
};
