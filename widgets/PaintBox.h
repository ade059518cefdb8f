// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock face's display surfaces. Both let every mouse event through to the window,
// which handles presses, moves and releases itself (dragging, the popup menu).

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

// Where a box's number is drawn: its text, placed by the font's measure, and when it is
// drawn from shaped digits (Glyphs names that shaping; 0: laid out as text) every pixel
// its ink can reach, in the box's coordinates.
struct TNumberPlace {
    QString Text;
    int X = 0, Baseline = 0;
    int Glyphs = 0;
    QRect Ink;
    bool FromDigits() const { return Glyphs != 0; }
};

// A surface that draws nothing itself; its owner paints it through OnPaint. Tag holds
// the number it shows.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::int32_t Tag = 0;
    std::function<void(TPaintBox*)> OnPaint;
    // The number as it last painted it; an Ink that is null: anywhere.
    TNumberPlace Shown;
    // How often it was painted, for the tests and benchmarks, and the part of it the last
    // paint covered.
    int PaintCount = 0;
    QRect LastPaintRect;
    // How many of those paints went straight into the window, past the paint event; each
    // is recorded as a paint of rect showing place.
    int WindowPaintCount = 0;
    void PaintedOnWindow(const QRect& rect, const TNumberPlace& place);

protected:
    void paintEvent(QPaintEvent*) override;
};

// The background picture: a fixed canvas made on first use and kept, so that a smaller
// picture drawn later leaves the earlier pixels where it does not reach. It holds device
// pixels: at a device pixel ratio of 2 it is 500 x 180 for a 250 x 90 widget.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // The canvas at the widget's device pixel ratio: created at its size (filled white) the
    // first time it is asked for, and scaled from the old one when the ratio changed.
    QImage& Canvas();
    bool HasCanvas() const { return !Picture.isNull(); }
    // Called, after the paint, when a paint found the ratio changed since the canvas was
    // made (the window went to a screen of another scale).
    std::function<void()> OnRatioChange;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Picture;
};
