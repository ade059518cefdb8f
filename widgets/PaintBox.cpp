// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PaintBox.h"

#include "widgets/ErrorGuard.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

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
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * ratio).toSize();
    if (Picture.isNull()) {
        Picture = QImage(device, QImage::Format_RGB32);
        Picture.fill(Qt::white);
        // It covers itself from now on: the window need not paint its background there.
        setAttribute(Qt::WA_OpaquePaintEvent);
    } else if (Picture.devicePixelRatio() != ratio) {
        Picture = Picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    Picture.setDevicePixelRatio(ratio);
    return Picture;
}

void TImage::paintEvent(QPaintEvent* event) {
    if (Picture.isNull())
        return;
    const bool changed = Picture.devicePixelRatio() != devicePixelRatioF();
    const QImage& canvas = Canvas();
    const qreal ratio = canvas.devicePixelRatio();
    const QRectF area(event->rect());
    QPainter painter(this);
    painter.drawImage(area, canvas,
                      QRectF(area.topLeft() * ratio, area.size() * ratio)); // device pixels
    if (changed && OnRatioChange)
        QTimer::singleShot(0, this, [this] { OnRatioChange(); });
}
