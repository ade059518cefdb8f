#pragma once
// The main window's display surfaces. Both let every mouse event through to the window,
// which handles presses, moves and releases itself (dragging, the popup menu).

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

// A surface that draws nothing itself; its owner paints it through OnPaint. Tag holds
// the number it shows.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::int32_t Tag = 0;
    std::function<void(TPaintBox*)> OnPaint;
    // Where the number it last painted has ink, in its own coordinates; null: anywhere.
    QRect Ink;
    // How often it was painted, for the tests and benchmarks, and the part of it the last
    // paint covered.
    int PaintCount = 0;
    QRect LastPaintRect;

protected:
    void paintEvent(QPaintEvent*) override;
};

// The background picture: a fixed canvas made on first use and kept, so that a smaller
// picture drawn later leaves the earlier pixels where it does not reach.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // The canvas, created at the widget's size (filled white) the first time it is asked for.
    QImage& Canvas();
    bool HasCanvas() const { return !Picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Picture;
};
