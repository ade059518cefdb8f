// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/DigitGlyphs.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace {

// Every ordered pair of digits side by side.
QString AllDigitPairs() {
    QString s;
    for (char16_t a = u'0'; a <= u'9'; ++a)
        for (char16_t b = u'0'; b <= u'9'; ++b) {
            s += QChar(a);
            s += QChar(b);
        }
    return s;
}

bool IsDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

namespace {

// The glyphs of text laid out in font, with the advance each one but the last takes in its
// place (kerning included); false when they are not one run of one glyph per character on
// one baseline.
bool Shape(const QString& text, const QFont& font, QGlyphRun& run, QList<qreal>& advances) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return false;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.first().glyphIndexes().size() != text.size())
        return false;
    run = runs.first();
    const QList<QPointF> positions = run.positions();
    advances.clear();
    for (qsizetype i = 0; i < positions.size(); ++i) {
        if (positions.at(i).y() != positions.first().y() || run.glyphIndexes().at(i) == 0)
            return false;
        if (i + 1 < positions.size())
            advances.push_back(positions.at(i + 1).x() - positions.at(i).x());
    }
    return true;
}

} // namespace

TDigitGlyphs::TDigitGlyphs(const QFont& font) : ShapedFont(font) {
    const QFontMetrics metrics(font);
    LineHeight = metrics.height();
    LineAscent = metrics.ascent();

    // Each digit alone gives its glyph, and the metrics its advance at the end of a number
    // (the line's width would add the overhang of a last glyph).
    const QFontMetricsF exact(font);
    QGlyphRun run;
    QList<qreal> advances;
    for (int d = 0; d < 10; ++d) {
        if (!Shape(QString(QChar(u'0' + d)), font, run, advances))
            return;
        Glyphs[d] = run.glyphIndexes().first();
        Bounds[d] = run.rawFont().boundingRect(Glyphs[d]);
        Last[d] = exact.horizontalAdvance(QString(QChar(u'0' + d)));
        if (d == 0)
            Raw = run.rawFont();
        else if (run.rawFont() != Raw)
            return;
    }
    // All pairs in one line give the advance of each digit before each other digit: fonts
    // kern some (a serif "11"). A glyph that changes with its neighbours, or a pair that
    // spaces differently in two places, leaves the font to text layout.
    const QString pairs = AllDigitPairs();
    if (!Shape(pairs, font, run, advances) || run.rawFont() != Raw)
        return;
    std::array<std::array<bool, 10>, 10> seen{};
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const int a = pairs.at(i).unicode() - u'0';
        if (run.glyphIndexes().at(i) != Glyphs[a])
            return;
        if (i + 1 == pairs.size())
            break;
        const int b = pairs.at(i + 1).unicode() - u'0';
        if (!seen[a][b]) {
            seen[a][b] = true;
            Pair[a][b] = advances.at(i);
        } else if (Pair[a][b] != advances.at(i)) {
            return;
        }
    }
    Run.setRawFont(Raw);
    Exact = true;
    // The sums must come out as the metrics measure: the whole line of pairs checks them.
    qreal sum = 0;
    for (qsizetype i = 0; i < pairs.size(); ++i)
        sum += AdvanceAt(pairs, i);
    Exact = sum == exact.horizontalAdvance(pairs);
}

qreal TDigitGlyphs::AdvanceAt(const QString& digits, qsizetype i) const {
    const int d = digits.at(i).unicode() - u'0';
    return i + 1 < digits.size() ? Pair[d][digits.at(i + 1).unicode() - u'0'] : Last[d];
}

bool TDigitGlyphs::Measure(const QString& text, int& width) const {
    if (!Exact || !IsDigits(text))
        return false;
    qreal sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        sum += AdvanceAt(text, i);
    // Rounded as the font metrics round their 1/64-pixel sums: halves up.
    width = int(std::floor(sum + 0.5));
    return true;
}

bool TDigitGlyphs::Draw(QPainter& painter, int x, int y, const QString& text) {
    if (!Exact || !IsDigits(text))
        return false;
    RunGlyphs.resize(text.size());
    RunPositions.resize(text.size());
    qreal pen = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int digit = text.at(i).unicode() - u'0';
        RunGlyphs[i] = Glyphs[digit];
        RunPositions[i] = QPointF(pen, 0);
        pen += AdvanceAt(text, i);
    }
    Run.setGlyphIndexes(RunGlyphs);
    Run.setPositions(RunPositions);
    painter.drawGlyphRun(QPointF(x, y), Run);
    return true;
}

QRect TDigitGlyphs::Changed(const QString& was, int wasX, int wasY, const QString& text, int x,
                            int y) const {
    if (!Exact || was.size() != text.size() || wasX != x || wasY != y || !IsDigits(was) ||
        !IsDigits(text))
        return {};
    // The same glyph at the same place gives the same pixels; where another digit's ink
    // reaches over it, that digit's own ink covers the pixel.
    QRectF ink;
    qreal wasPen = x, pen = x;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int a = was.at(i).unicode() - u'0';
        const int b = text.at(i).unicode() - u'0';
        if (a != b || wasPen != pen)
            ink |= Bounds[a].translated(wasPen, y) | Bounds[b].translated(pen, y);
        wasPen += AdvanceAt(was, i);
        pen += AdvanceAt(text, i);
    }
    return ink.isNull() ? QRect() : ink.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRect TDigitGlyphs::Ink(const QString& text, int x, int y) const {
    if (!Exact || !IsDigits(text))
        return {};
    QRectF ink;
    qreal pen = x;
    for (qsizetype i = 0; i < text.size(); ++i) {
        ink |= Bounds[text.at(i).unicode() - u'0'].translated(pen, y);
        pen += AdvanceAt(text, i);
    }
    // Antialiasing and hinting may reach a pixel beyond the outline's box.
    return ink.toAlignedRect().adjusted(-1, -1, 1, 1);
}
