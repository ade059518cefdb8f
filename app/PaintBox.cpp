#include "app/PaintBox.h"

#include "widgets/ErrorGuard.h"

#include <QPaintEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TPaintBox::paintEvent(QPaintEvent* event) {
    ++PaintCount;
    LastPaintRect = event->rect();
    if (OnPaint)
        widgets::Guarded([this] { OnPaint(this); });
}

void TPaintBox::PaintedOnWindow(const QRect& rect, const TNumberPlace& place) {
    ++PaintCount;
    ++WindowPaintCount;
    LastPaintRect = rect;
    Shown = place;
}

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QImage& TImage::Canvas() {
    if (Picture.isNull()) {
        Picture = QImage(size(), QImage::Format_RGB32);
        Picture.fill(Qt::white);
        // It covers itself from now on: the window need not paint its background there.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    return Picture;
}

void TImage::paintEvent(QPaintEvent* event) {
    if (Picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(event->rect(), Picture, event->rect());
}
