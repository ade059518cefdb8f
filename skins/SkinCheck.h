// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the skin kit tells a skin's author: everything the clock will do with a skin
// folder, found with the clock's own loading code, as one message a line in the form
// compilers use, "FILE[:LINE]: error|warning|note: text". An error: the clock cannot show
// the skin. A warning: it shows it, but not as its author will want. A note: worth
// knowing.

#include "skins/Skin.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct TSkinMessage {
    enum class TLevel { Note, Warning, Error };
    TLevel Level = TLevel::Note;
    QString File;
    int Line = 0; // 0: the file as a whole
    QString Text;

    QString Format() const;
};

// A folder as the kit names it: the file system's bytes, and the text it shows for them.
struct TSkinFolder {
    QByteArray Path;
    QString Shown;
};

class TSkinCheck {
public:
    // Everything about one skin folder. The font checks need a running QGuiApplication
    // (the offscreen platform will do): fontconfig says which face the clock draws.
    static std::vector<TSkinMessage> Check(const TSkinFolder& folder);
    static std::vector<TSkinMessage> Check(const QString& folder);
    // The messages about a Custom.txt's text, which it reads into skin; file names it.
    static std::vector<TSkinMessage> CheckCustomText(const QString& file, const QByteArray& text,
                                                     TSkin& skin);
    // The skin folders at and below a folder, walked as the clock's catalogue walks them
    // and in the chooser's order: itself when it has no sub-folders (or cannot be listed),
    // else every skin of the category, named as the chooser shows them.
    static std::vector<TSkinFolder> SkinFolders(const TSkinFolder& folder);
    // A path of the file system's bytes as text: each name as the chooser shows it.
    static QString Shown(const QByteArray& path);

    // The WCAG contrast ratio of two relative luminances (1 to 21), and the relative
    // luminance of an sRGB colour.
    static double Contrast(double a, double b);
    static double Luminance(QRgb colour);
    // The mean relative luminance of the picture's pixels inside rect (-1: none inside).
    static double MeanLuminance(const QImage& picture, const QRect& rect);
};
