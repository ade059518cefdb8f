#pragma once
// One skin as loaded from its folder: the background picture, the font of the numbers and
// the centre of each of the four number fields.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
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

// Reads the text of a "Custom.txt" into the skin: the face name on the first line (at
// most 255 bytes, blanks and control characters trimmed from both ends), then twelve
// integers, each after any white space including line ends, with an optional sign, beyond
// 32 bits held at the nearest limit; reading stops at the first that is not a number.
// False when the text is empty or an item is missing or not a number; every item is
// attempted all the same.
bool ParseCustomText(const QByteArray& text, TSkin& skin);

// The entry of that name in the folder (with a trailing separator): the exact name first,
// else one that differs only in letter case (skins made where names ignore case). Empty
// when there is none.
QByteArray FindSkinFile(const QByteArray& folder, const QByteArray& name);
