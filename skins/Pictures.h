// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Skin backgrounds, decoded only as far as the clock can show them: the top-left 250 x 90
// pixels, whatever size the file declares, so that no picture costs more than a few
// megabytes or a few milliseconds. Both are opaque pictures: an alpha channel in the file
// is not transparency.

#include "platform/RegularFile.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace pictures {

// What a decoder found: the size the file declares (empty when its header cannot be read)
// and, when the picture cannot be shown, why ("truncated", "an unsupported variant: ...",
// "too large to decode"). Decoding is the same whether asked for this or not.
struct TPictureInfo {
    QSize Declared;
    QString Problem;
};

// The part of a background the window can show (its client area), and of a double-size
// background (Back@2x), shown on screens of a device pixel ratio above 1.
inline constexpr QSize ShownSize(250, 90);
inline constexpr QSize ShownSize2x(500, 180);
// Larger background files are refused unread.
inline constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

// A Windows bitmap (1, 4, 8, 16, 24 or 32 bits a pixel; uncompressed, run-length encoded
// or with bit fields): the top-left min(width, shown) x min(height, shown) pixels as
// RGB32, or a null image when the file cannot be read or promises more than it holds.
QImage DecodeBitmap(platform::IByteSource& source, QSize shown = ShownSize,
                    TPictureInfo* info = nullptr);

// A JPEG picture in 24-bit colour, cropped the same way; null when it cannot be decoded,
// when its data ends before the rows shown, or when it would need more than a few
// megabytes (a progressive picture must be held whole while it is decoded). A picture
// complete but for its end marker is shown.
QImage DecodeJpeg(platform::IByteSource& source, QSize shown = ShownSize,
                  TPictureInfo* info = nullptr);

} // namespace pictures
