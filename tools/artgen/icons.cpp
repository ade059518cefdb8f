// SPDX-License-Identifier: GPL-3.0-or-later
// Small pictures: the five menu images, the nine tree images and the program icon.

#include "artgen.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace artgen {

namespace {

using Drawer = std::function<void(QPainter&)>;

// Draws at four times the size and scales down, for clean edges at 16 pixels.
QImage Render(int size, const Drawer& draw) {
    const int big = size * 4;
    QImage image(big, big, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(big / 16.0, big / 16.0);
        draw(p);
    }
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

bool Save(const QString& folder, const QString& name, const QImage& image) {
    QDir().mkpath(folder);
    return image.save(folder + QLatin1Char('/') + name, "PNG");
}

QPen Outline(const QColor& c, double w = 1.0) {
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void ClockFace(QPainter& p) {
    QRadialGradient g(QPointF(6.5, 6), 8);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xd8, 0xe2, 0xee));
    p.setBrush(g);
    p.setPen(Outline(QColor(0x2b, 0x4a, 0x7a), 1.4));
    p.drawEllipse(QPointF(8, 8), 6.6, 6.6);
    p.setPen(Outline(QColor(0x2b, 0x4a, 0x7a), 1.3));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.setPen(Outline(QColor(0xc0, 0x30, 0x20), 1.3));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void Calendar(QPainter& p) {
    p.setPen(Outline(QColor(0x55, 0x55, 0x60)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.5, 1.5);
    p.setBrush(QColor(0xd0, 0x33, 0x2a));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(2, 3, 12, 3.5));
    p.setBrush(QColor(0x55, 0x55, 0x60));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(3.5 + col * 2.6, 8.2 + row * 2.7, 1.6, 1.6));
    p.setPen(Outline(QColor(0x33, 0x33, 0x3a), 1.2));
    p.drawLine(QPointF(5, 1), QPointF(5, 4));
    p.drawLine(QPointF(11, 1), QPointF(11, 4));
}

void Palette(QPainter& p) {
    QPainterPath path;
    path.addEllipse(QRectF(1, 2.5, 14, 11));
    QPainterPath hole;
    hole.addEllipse(QRectF(9.5, 9, 3, 2.6));
    p.setPen(Outline(QColor(0x7a, 0x52, 0x2a)));
    p.setBrush(QColor(0xe8, 0xc2, 0x8a));
    p.drawPath(path.subtracted(hole));
    const QColor dots[] = {QColor(0xe0, 0x30, 0x30), QColor(0x30, 0x90, 0xe0),
                           QColor(0x40, 0xb0, 0x40), QColor(0xf0, 0xc0, 0x20)};
    const QPointF at[] = {{4.5, 6}, {7.5, 4.8}, {10.8, 5.6}, {4.6, 9.6}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 1.4, 1.4);
    }
}

void Power(QPainter& p) {
    QRadialGradient g(QPointF(6, 5), 9);
    g.setColorAt(0, QColor(0xf0, 0x60, 0x50));
    g.setColorAt(1, QColor(0xa8, 0x18, 0x10));
    p.setPen(Outline(QColor(0x80, 0x10, 0x08)));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Outline(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 4.8, 7, 7), 120 * 16, 300 * 16);
    p.drawLine(QPointF(8, 3.6), QPointF(8, 8));
}

void Info(QPainter& p) {
    QRadialGradient g(QPointF(6, 5), 9);
    g.setColorAt(0, QColor(0x6a, 0xa8, 0xf0));
    g.setColorAt(1, QColor(0x1c, 0x58, 0xb0));
    p.setPen(Outline(QColor(0x10, 0x40, 0x88)));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.7), 1.2, 1.2);
    p.drawRoundedRect(QRectF(6.9, 6.8, 2.2, 5.8), 0.6, 0.6);
}

void Folder(QPainter& p, bool open) {
    const QColor edge(0xa0, 0x78, 0x10);
    p.setPen(Outline(edge));
    p.setBrush(QColor(0xe8, 0xb8, 0x30));
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    QLinearGradient g(0, 6, 0, 14);
    g.setColorAt(0, QColor(0xff, 0xe0, 0x70));
    g.setColorAt(1, QColor(0xf0, 0xc0, 0x38));
    p.setBrush(g);
    QPainterPath front;
    if (open) {
        front.moveTo(1.5, 13.5);
        front.lineTo(4, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
    } else {
        front.moveTo(1.5, 13.5);
        front.lineTo(1.5, 6.5);
        front.lineTo(14.5, 6.5);
        front.lineTo(14.5, 13.5);
    }
    front.closeSubpath();
    p.drawPath(front);
}

void Landscape(QPainter& p, const QRectF& r) {
    p.save();
    p.setClipRect(r);
    QLinearGradient sky(0, r.top(), 0, r.bottom());
    sky.setColorAt(0, QColor(0x58, 0x9c, 0xe8));
    sky.setColorAt(1, QColor(0xb8, 0xdc, 0xff));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd8, 0x30));
    p.drawEllipse(QPointF(r.right() - 2.6, r.top() + 2.4), 1.4, 1.4);
    p.setBrush(QColor(0x3c, 0x9a, 0x3c));
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left(), r.bottom() - 2.5);
    hills.quadTo(r.left() + r.width() * 0.3, r.bottom() - 6, r.left() + r.width() * 0.55,
                 r.bottom() - 3);
    hills.quadTo(r.left() + r.width() * 0.8, r.bottom() - 5, r.right(), r.bottom() - 2);
    hills.lineTo(r.right(), r.bottom());
    p.drawPath(hills);
    p.restore();
    p.setPen(Outline(QColor(0x40, 0x40, 0x48)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void Page(QPainter& p) {
    p.setPen(Outline(QColor(0x70, 0x70, 0x78)));
    p.setBrush(Qt::white);
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(10.5, 0.5);
    page.lineTo(13.5, 3.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.drawPath(page);
    Landscape(p, QRectF(4, 5, 8, 7));
}

void Disc(QPainter& p, const QColor& light, const QColor& dark) {
    QRadialGradient g(QPointF(6, 5), 9);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(Outline(dark.darker(130)));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 7, 7);
}

void QuestionMark(QPainter& p, const QColor& c, const QPointF& centre, double scale) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.setPen(Outline(c, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath q;
    q.moveTo(-2.6, -1.8);
    q.cubicTo(-2.6, -5.2, 2.8, -5.2, 2.8, -1.9);
    q.cubicTo(2.8, 0.2, 0, 0.2, 0, 2.2);
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(0, 4.6), 1.2, 1.2);
    p.restore();
}

void Arrow(QPainter& p, const QColor& fill, const QColor& edge) {
    p.setPen(Outline(edge));
    p.setBrush(fill);
    QPainterPath a;
    a.moveTo(0.8, 5.5);
    a.lineTo(6.5, 5.5);
    a.lineTo(6.5, 2.2);
    a.lineTo(11.5, 8);
    a.lineTo(6.5, 13.8);
    a.lineTo(6.5, 10.5);
    a.lineTo(0.8, 10.5);
    a.closeSubpath();
    p.drawPath(a);
}

} // namespace

bool MenuImages(const QString& folder) {
    const Drawer drawers[] = {Calendar, Palette, Power, ClockFace, Info};
    bool ok = true;
    for (int i = 0; i < 5; ++i) {
        ok = Save(folder, QStringLiteral("menu%1.png").arg(i), Render(16, drawers[i])) && ok;
        ok = Save(folder, QStringLiteral("menu%1@2x.png").arg(i), Render(32, drawers[i])) && ok;
    }
    return ok;
}

bool TreeImages(const QString& folder) {
    const Drawer drawers[] = {
        [](QPainter& p) { Folder(p, true); },
        [](QPainter& p) { Folder(p, false); },
        [](QPainter& p) { Landscape(p, QRectF(1.5, 2.5, 13, 11)); },
        Page,
        [](QPainter& p) {
            Disc(p, QColor(0xf0, 0x60, 0x50), QColor(0xb0, 0x18, 0x10));
            p.setPen(Outline(Qt::white, 2.0));
            p.drawLine(QPointF(5.2, 5.2), QPointF(10.8, 10.8));
            p.drawLine(QPointF(10.8, 5.2), QPointF(5.2, 10.8));
        },
        [](QPainter& p) {
            Disc(p, QColor(0x70, 0xa8, 0xf8), QColor(0x18, 0x50, 0xb8));
            QuestionMark(p, Qt::white, QPointF(8, 7.6), 1.0);
        },
        [](QPainter& p) { QuestionMark(p, QColor(0x90, 0x90, 0x98), QPointF(8, 7.6), 1.3); },
        [](QPainter& p) {
            Arrow(p, QColor(0x48, 0xc0, 0x48), QColor(0x20, 0x78, 0x20));
            QuestionMark(p, QColor(0x20, 0x58, 0xd0), QPointF(12.2, 7.4), 0.85);
        },
        [](QPainter& p) {
            Arrow(p, QColor(0xc0, 0xc0, 0xc4), QColor(0x80, 0x80, 0x88));
            QuestionMark(p, QColor(0x88, 0x88, 0x90), QPointF(12.2, 7.4), 0.85);
        },
    };
    bool ok = true;
    for (int i = 0; i < 9; ++i) {
        ok = Save(folder, QStringLiteral("tree%1.png").arg(i), Render(16, drawers[i])) && ok;
        ok = Save(folder, QStringLiteral("tree%1@2x.png").arg(i), Render(32, drawers[i])) && ok;
    }
    return ok;
}

bool ProgramIcon(const QString& folder) {
    const Drawer draw = [](QPainter& p) {
        QLinearGradient bg(0, 0, 0, 16);
        bg.setColorAt(0, QColor(0x2a, 0x3f, 0x6e));
        bg.setColorAt(1, QColor(0x12, 0x1c, 0x36));
        p.setPen(Qt::NoPen);
        p.setBrush(bg);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.2, 3.2);
        // The part of the hour still to go, as an amber arc around a white face.
        p.setBrush(QColor(0xf4, 0xf6, 0xfa));
        p.drawEllipse(QPointF(8, 8), 5.6, 5.6);
        p.setBrush(QColor(0xff, 0xa8, 0x20));
        p.drawPie(QRectF(2.4, 2.4, 11.2, 11.2), 90 * 16, -250 * 16);
        p.setBrush(QColor(0xf4, 0xf6, 0xfa));
        p.drawEllipse(QPointF(8, 8), 3.9, 3.9);
        p.setPen(Outline(QColor(0x1a, 0x28, 0x48), 1.1));
        p.drawLine(QPointF(8, 8), QPointF(8, 5.3));
        p.drawLine(QPointF(8, 8), QPointF(10, 9.2));
    };
    bool ok = true;
    // 256 is for the installed hicolor theme only; the program carries the others.
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = Save(folder, QStringLiteral("icon%1.png").arg(size), Render(size, draw)) && ok;
    return ok;
}

} // namespace artgen
