// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten digits of one font, shaped once with every pair's kerning. The clock draws a new
// number every second; drawn from these glyphs it needs no text layout, yet lands on the
// very pixels the layout would give: width and positions are the same sums of the same
// advances.

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QString>
#include <array>

class QPainter;

class TDigitGlyphs {
public:
    explicit TDigitGlyphs(const QFont& font);

    const QFont& Font() const { return ShapedFont; }
    // False when the font shapes digits beyond what pairs show (ligatures, contextual
    // alternates) or takes them from another font: its numbers are laid out as text.
    bool Usable() const { return Exact; }
    // The font's line height and ascent, as its metrics give them.
    int Height() const { return LineHeight; }
    int Ascent() const { return LineAscent; }

    // Width of text as QFontMetrics::horizontalAdvance gives it, and its drawing with the
    // baseline at y; false, and nothing drawn, for text other than digits or a font that
    // is not usable.
    bool Measure(const QString& text, int& width) const;
    bool Draw(QPainter& painter, int x, int y, const QString& text);
    // Every pixel the drawing of text at (x, y) can touch; a null rectangle where Draw
    // would not draw it.
    QRect Ink(const QString& text, int x, int y) const;
    // Every pixel that can differ between the drawing of was and of text, both of one length
    // at one place: the ink of the digits that changed or moved, old and new; null where
    // the two differ in length or place, either would not be drawn, or nothing differs.
    QRect Changed(const QString& was, int wasX, int wasY, const QString& text, int x, int y) const;

private:
    qreal AdvanceAt(const QString& digits, qsizetype i) const;

    QFont ShapedFont;
    bool Exact = false;
    int LineHeight = 0, LineAscent = 0;
    QRawFont Raw;
    std::array<quint32, 10> Glyphs{};
    // Advances, in multiples of 1/64 pixel so that sums stay exact: of a digit before
    // another, and of a digit at the end.
    std::array<std::array<qreal, 10>, 10> Pair{};
    std::array<qreal, 10> Last{};
    std::array<QRectF, 10> Bounds; // of each glyph, from its pen position on the baseline
    QGlyphRun Run;                 // reused, so a draw allocates nothing new
    QList<quint32> RunGlyphs;
    QList<QPointF> RunPositions;
};
