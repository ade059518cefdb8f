// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One skin as loaded from its folder: the background picture, the font of the numbers and
// the centre of each of the four number fields.

#include "skins/Pictures.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

class TSkin {
public:
    TSkin() { SetDefaults(); }
    ~TSkin() { SetDefaults(); }
    TSkin(const TSkin&) = delete;
    TSkin& operator=(const TSkin&) = delete;

    QImage Background;
    QSize BackgroundSize; // as its file declares it; Background holds at most 250 x 90 of it
    // The double-size picture (Back@2x.bmp or .jpg), for screens of a device pixel ratio
    // above 1: null when not asked for, missing, unreadable or not exactly twice the size
    // of the picture.
    QImage Background2x;
    QString FontName;
    std::int32_t FontSize = 18;           // points; 18 points are 24 pixels at 96 dots per inch
    std::uint32_t FontColor = 0x00FFFFFF; // 0x00BBGGRR
    QPoint DaysPos, HoursPos, MinutesPos, SecondsPos;

    // Frees the background and puts every other member back to its default.
    void SetDefaults();
    // The numbers' font as the window draws them: this face, bold (as the window is
    // designed), FontSize converted at 96 dots per inch.
    QFont NumberFont() const;
    // Points become pixels at 96 dots per inch (18 points are 24 pixels), rounded to the
    // nearest pixel with halves away from zero; a size of 0 asks for the default height.
    static int PointsToPixels(std::int32_t points);
    // The number fields, as the window's layout makes them, and where a centre puts one.
    static constexpr QSize DaysFieldSize{66, 46}, FieldSize{52, 46};
    static QRect FieldAt(QPoint centre, QSize size);
    // base: the skin folder with a trailing separator, followed by "Back". Paths are the
    // file system's bytes, so folder names that are not valid UTF-8 load too.
    bool LoadBackground(const QByteArray& base);
    // The same for the double-size picture: base ends in "Back@2x"; false leaves it out.
    bool LoadBackground2x(const QByteArray& base);
    // folder: the skin folder without a trailing separator; doubleSize: the double-size
    // picture is read too. True: a complete skin, which the picture alone decides.
    bool LoadFromFolder(const QByteArray& folder, bool doubleSize = false);
    bool LoadFromFolder(const QString& folder, bool doubleSize = false);
};

// What reading a skin picture found, beyond the picture: the file read (empty when none
// exists), whether a bitmap and a JPEG are both there (the bitmap is read), the size the
// file declares and why it cannot be shown.
struct TSkinPictureInfo : pictures::TPictureInfo {
    QByteArray File;
    bool BothFormats = false;
};

// A skin picture as the clock reads it: base + ".bmp", else base + ".jpg" (a name that
// differs only in letter case will do; a bitmap that exists wins, even when it cannot be
// decoded), only a regular file, its part the window can show decoded. Null when there is
// none or it cannot be read.
QImage LoadSkinPicture(const QByteArray& base, QSize shown, TSkinPictureInfo* info = nullptr);

// The part of a "Custom.txt" that is read: a settings file is a few lines.
inline constexpr qint64 MaxCustomText = 64 * 1024;

// The text of a "Custom.txt" as it is read: a CR LF pair is one line end.
QByteArray CustomTextAsRead(const QByteArray& text);
// The face line's limit, a line reader's 256-byte buffer: what follows it is read as the
// numbers.
inline constexpr qsizetype MaxFaceLine = 255;

// Where each of the twelve numbers of a "Custom.txt" stood (the size, red, green, blue,
// then x and y of the four centres): its offset in the text as read, after the white
// space before it, and whether a number was read there. At is -1 where none was looked
// for.
struct TCustomTextPlace {
    qsizetype At = -1;
    bool Read = false;
};
using TCustomTextPlaces = std::array<TCustomTextPlace, 12>;

// Reads the text of a "Custom.txt" into the skin: the face name on the first line (at
// most MaxFaceLine bytes, blanks and control characters trimmed from both ends), then
// twelve integers, each after any white space including line ends, with an optional sign,
// beyond 32 bits held at the nearest limit; reading stops at the first that is not a
// number. False when the text is empty or an item is missing or not a number; every item
// is attempted all the same.
bool ParseCustomText(const QByteArray& text, TSkin& skin, TCustomTextPlaces* places = nullptr);

// The entry of that name in the folder (with a trailing separator): the exact name first,
// else one that differs only in letter case (skins made where names ignore case). Empty
// when there is none.
QByteArray FindSkinFile(const QByteArray& folder, const QByteArray& name);
