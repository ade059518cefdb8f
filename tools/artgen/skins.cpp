// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled skins: 250 x 90 backgrounds with a well and a label under each number, drawn
// again at 500 x 180 for screens of a device pixel ratio above 1 (Back@2x), and the
// Custom.txt that puts legible numbers into the wells.

#include "artgen.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>
#include <functional>

namespace artgen {

namespace {

struct TLayout {
    QPoint Centre[4];
    int Width[4];
};

// Wells right of a title, wide enough for three-digit days and two-digit hours, minutes
// and seconds with a margin on both sides.
const TLayout Standard{{{102, 52}, {148, 52}, {185, 52}, {222, 52}}, {52, 34, 34, 34}};
// Evenly spread fields, for skins with their title elsewhere.
const TLayout Spread{{{52, 46}, {111, 46}, {163, 46}, {215, 46}}, {66, 46, 46, 46}};

const char* const Labels[4] = {"DAYS", "HRS", "MIN", "SEC"};

struct TStyle {
    QString Folder; // relative to Skins/, with '/'
    bool Jpeg = false;
    QString Face = QStringLiteral("Times New Roman");
    int Points = 18;
    QColor Ink = Qt::white;
    const TLayout* Layout = &Standard;
    std::function<void(QPainter&)> Background;
    QColor Well;     // fill of the number wells
    QColor WellEdge; // their outline
    QColor LabelColour;
    std::function<void(QPainter&)> Title; // drawn last, left or top
};

// Random draws are taken one statement at a time: the order in which a call's arguments
// are evaluated differs between compilers, and the pictures must not.
double Between(QRandomGenerator& r, double lo, double hi) {
    return lo + r.bounded(hi - lo);
}

QPointF Somewhere(QRandomGenerator& r) {
    const double x = r.bounded(250.0);
    const double y = r.bounded(90.0);
    return {x, y};
}

QFont LabelFont(int px, bool bold = true) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    return f;
}

void Wells(QPainter& p, const TStyle& s) {
    const TLayout& l = *s.Layout;
    for (int i = 0; i < 4; ++i) {
        const QRectF well(l.Centre[i].x() - l.Width[i] / 2.0, l.Centre[i].y() - 17, l.Width[i], 33);
        p.setPen(QPen(s.WellEdge, 1));
        p.setBrush(s.Well);
        p.drawRoundedRect(well.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        p.setPen(s.LabelColour);
        p.setFont(LabelFont(8));
        p.drawText(QRectF(well.left() - 6, well.bottom() + 2, well.width() + 12, 11),
                   Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(Labels[i]));
    }
}

void TitleText(QPainter& p, const QRectF& r, const QString& text, const QColor& c, int px,
               Qt::Alignment align = Qt::AlignCenter) {
    p.setPen(c);
    p.setFont(LabelFont(px));
    p.drawText(r, align, text);
}

// A small clock face: the program's mark.
void Emblem(QPainter& p, const QPointF& centre, double r, const QColor& face, const QColor& ring,
            const QColor& hands) {
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(centre, r, r);
    p.setBrush(ring);
    QPainterPath arc;
    arc.addEllipse(centre, r, r);
    QPainterPath inner;
    inner.addEllipse(centre, r * 0.72, r * 0.72);
    QPainterPath pie;
    pie.moveTo(centre);
    pie.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 90, -250);
    pie.closeSubpath();
    p.drawPath(pie.intersected(arc.subtracted(inner)));
    p.setPen(QPen(hands, std::max(1.5, r / 7), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -r * 0.55));
    p.drawLine(centre, centre + QPointF(r * 0.4, r * 0.25));
}

void Gradient(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, 0, 0, 90);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(0, 0, 250, 90), g);
}

void Frame(QPainter& p, const QColor& c, double radius = 8) {
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 248, 88), radius, radius);
}

void Flake(QPainter& p, const QPointF& at, double r, const QColor& c) {
    p.setPen(QPen(c, 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const double a = k * M_PI / 3;
        p.drawLine(at + QPointF(r * std::cos(a), r * std::sin(a)),
                   at - QPointF(r * std::cos(a), r * std::sin(a)));
    }
}

void Leaf(QPainter& p, const QPointF& at, double size, double angle, const QColor& c) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, -size);
    leaf.quadTo(size * 0.8, 0, 0, size);
    leaf.quadTo(-size * 0.8, 0, 0, -size);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(leaf);
    p.setPen(QPen(c.darker(140), 0.8));
    p.drawLine(QPointF(0, -size), QPointF(0, size));
    p.restore();
}

QList<TStyle> Styles() {
    QList<TStyle> styles;

    styles << TStyle{QStringLiteral("Default"),
                     false,
                     QStringLiteral("Times New Roman"),
                     18,
                     Qt::white,
                     &Standard,
                     [](QPainter& p) {
                         Gradient(p, QColor(0x24, 0x36, 0x62), QColor(0x0c, 0x14, 0x2a));
                         Frame(p, QColor(0x5a, 0x78, 0xb8));
                     },
                     QColor(0, 0, 0, 90),
                     QColor(0x6a, 0x88, 0xc8, 160),
                     QColor(0xa8, 0xc0, 0xf0),
                     [](QPainter& p) {
                         Emblem(p, QPointF(39, 36), 16, QColor(0xf4, 0xf6, 0xfa),
                                QColor(0xff, 0xa8, 0x20), QColor(0x1a, 0x28, 0x48));
                         TitleText(p, QRectF(4, 58, 70, 14), QStringLiteral("KORVANE5"),
                                   QColor(0xd8, 0xe4, 0xff), 10);
                         TitleText(p, QRectF(4, 71, 70, 12), QStringLiteral("countdown"),
                                   QColor(0x88, 0xa0, 0xd0), 8);
                     }};

    styles << TStyle{
        QStringLiteral("Classic/Paper"),
        true,
        QStringLiteral("Times New Roman"),
        18,
        QColor(0x3a, 0x24, 0x14),
        &Standard,
        [](QPainter& p) {
            Gradient(p, QColor(0xf6, 0xec, 0xd2), QColor(0xe2, 0xd0, 0xa8));
            QRandomGenerator fibres(7);
            for (int i = 0; i < 500; ++i) {
                p.setPen(QColor(0x9a, 0x80, 0x58, int(Between(fibres, 10, 40))));
                const QPointF a = Somewhere(fibres);
                const double dx = Between(fibres, -3.0, 3.0);
                const double dy = Between(fibres, -1.0, 1.0);
                p.drawLine(a, a + QPointF(dx, dy));
            }
            p.setPen(QPen(QColor(0x8a, 0x5a, 0x2a), 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(4.5, 4.5, 241, 81));
            p.setPen(QPen(QColor(0x8a, 0x5a, 0x2a), 0.8));
            p.drawRect(QRectF(7.5, 7.5, 235, 75));
        },
        QColor(255, 255, 255, 110),
        QColor(0x8a, 0x5a, 0x2a, 150),
        QColor(0x6a, 0x44, 0x20),
        [](QPainter& p) {
            QFont f(QStringLiteral("Liberation Serif"));
            f.setPixelSize(15);
            f.setItalic(true);
            p.setFont(f);
            p.setPen(QColor(0x5a, 0x34, 0x14));
            p.drawText(QRectF(10, 22, 66, 22), Qt::AlignCenter, QStringLiteral("Until the"));
            p.drawText(QRectF(10, 42, 66, 22), Qt::AlignCenter, QStringLiteral("big day"));
        }};

    styles << TStyle{QStringLiteral("Classic/Slate"),
                     false,
                     QStringLiteral("Courier New"),
                     16,
                     QColor(0xf4, 0xf4, 0xe8),
                     &Standard,
                     [](QPainter& p) {
                         Gradient(p, QColor(0x2e, 0x4a, 0x3a), QColor(0x1c, 0x32, 0x26));
                         QRandomGenerator chalk(11);
                         for (int i = 0; i < 140; ++i) {
                             p.setPen(QColor(255, 255, 255, int(Between(chalk, 6, 22))));
                             const QPointF a = Somewhere(chalk);
                             const double dx = Between(chalk, -14.0, 14.0);
                             const double dy = Between(chalk, -3.0, 3.0);
                             p.drawLine(a, a + QPointF(dx, dy));
                         }
                         p.setPen(QPen(QColor(0x9a, 0x6a, 0x3a), 4));
                         p.setBrush(Qt::NoBrush);
                         p.drawRect(QRectF(2, 2, 246, 86));
                     },
                     QColor(0, 0, 0, 40),
                     QColor(255, 255, 255, 70),
                     QColor(0xe0, 0xe0, 0xc8),
                     [](QPainter& p) {
                         TitleText(p, QRectF(8, 22, 70, 20), QStringLiteral("TIME"),
                                   QColor(0xf4, 0xf4, 0xe8), 14);
                         TitleText(p, QRectF(8, 44, 70, 20), QStringLiteral("LEFT"),
                                   QColor(0xf4, 0xd8, 0x80), 14);
                     }};

    styles << TStyle{QStringLiteral("Seasons/Summer"),
                     true,
                     QStringLiteral("Arial"),
                     17,
                     QColor(0x0c, 0x2c, 0x5c),
                     &Standard,
                     [](QPainter& p) {
                         Gradient(p, QColor(0x5c, 0xb4, 0xf4), QColor(0xd8, 0xf0, 0xff));
                         QRadialGradient sun(QPointF(36, 34), 30);
                         sun.setColorAt(0, QColor(0xff, 0xf4, 0x90));
                         sun.setColorAt(0.5, QColor(0xff, 0xd0, 0x30));
                         sun.setColorAt(1, QColor(0xff, 0xd0, 0x30, 0));
                         p.setPen(Qt::NoPen);
                         p.setBrush(sun);
                         p.drawEllipse(QPointF(36, 34), 30, 30);
                         QPainterPath sea;
                         sea.moveTo(0, 78);
                         for (int x = 0; x <= 250; x += 10)
                             sea.quadTo(x + 5, 74, x + 10, 78);
                         sea.lineTo(250, 90);
                         sea.lineTo(0, 90);
                         p.setBrush(QColor(0x20, 0x80, 0xc0, 150));
                         p.drawPath(sea);
                     },
                     QColor(255, 255, 255, 150),
                     QColor(0x20, 0x60, 0xa0, 120),
                     QColor(0x0c, 0x3c, 0x70),
                     [](QPainter& p) {
                         TitleText(p, QRectF(4, 62, 68, 12), QStringLiteral("SUMMER"),
                                   QColor(0x0c, 0x3c, 0x70), 9);
                     }};

    styles << TStyle{QStringLiteral("Seasons/Autumn"),
                     true,
                     QStringLiteral("Times New Roman"),
                     18,
                     QColor(0xff, 0xf0, 0xd0),
                     &Standard,
                     [](QPainter& p) {
                         Gradient(p, QColor(0x8c, 0x3c, 0x14), QColor(0x4a, 0x1c, 0x08));
                         QRandomGenerator wind(5);
                         const QColor colours[] = {QColor(0xe8, 0x8a, 0x20),
                                                   QColor(0xc8, 0x48, 0x18),
                                                   QColor(0xf0, 0xc0, 0x40)};
                         for (int i = 0; i < 16; ++i) {
                             const QPointF at = Somewhere(wind);
                             const double size = Between(wind, 4.0, 8.0);
                             const double angle = wind.bounded(360.0);
                             const int darker = 100 + int(wind.bounded(60));
                             Leaf(p, at, size, angle, colours[i % 3].darker(darker));
                         }
                     },
                     QColor(0x20, 0x08, 0x00, 150),
                     QColor(0xf0, 0xa0, 0x40, 150),
                     QColor(0xf8, 0xd0, 0x90),
                     [](QPainter& p) {
                         TitleText(p, QRectF(4, 28, 70, 14), QStringLiteral("AUTUMN"),
                                   QColor(0xf8, 0xd8, 0xa0), 11);
                         TitleText(p, QRectF(4, 44, 70, 12), QStringLiteral("is coming"),
                                   QColor(0xe0, 0xa8, 0x70), 8);
                     }};

    styles << TStyle{QStringLiteral("Seasons/Winter/Snow"),
                     false,
                     QStringLiteral("Arial"),
                     17,
                     QColor(0x14, 0x34, 0x6c),
                     &Standard,
                     [](QPainter& p) {
                         Gradient(p, QColor(0xe8, 0xf4, 0xff), QColor(0xb8, 0xd4, 0xf0));
                         QRandomGenerator snow(3);
                         for (int i = 0; i < 26; ++i) {
                             const QPointF at = Somewhere(snow);
                             Flake(p, at, Between(snow, 2.0, 5.0), QColor(0x70, 0xa0, 0xd8, 150));
                         }
                         Frame(p, QColor(0x80, 0xa8, 0xd8), 6);
                     },
                     QColor(255, 255, 255, 190),
                     QColor(0x70, 0x98, 0xd0, 160),
                     QColor(0x30, 0x58, 0x98),
                     [](QPainter& p) {
                         Flake(p, QPointF(39, 34), 14, QColor(0x30, 0x68, 0xb8));
                         TitleText(p, QRectF(4, 56, 70, 14), QStringLiteral("SNOW"),
                                   QColor(0x30, 0x58, 0x98), 10);
                     }};

    styles << TStyle{QStringLiteral("Seasons/Winter/Frost"),
                     true,
                     QStringLiteral("Times New Roman"),
                     18,
                     QColor(0xe8, 0xf4, 0xff),
                     &Standard,
                     [](QPainter& p) {
                         Gradient(p, QColor(0x08, 0x10, 0x30), QColor(0x18, 0x30, 0x60));
                         QRandomGenerator stars(9);
                         p.setPen(Qt::NoPen);
                         for (int i = 0; i < 60; ++i) {
                             p.setBrush(QColor(255, 255, 255, int(Between(stars, 60, 220))));
                             p.drawEllipse(Somewhere(stars), 0.6, 0.6);
                         }
                         p.setBrush(QColor(0xd0, 0xe0, 0xf8));
                         p.drawEllipse(QPointF(38, 30), 12, 12);
                         p.setBrush(QColor(0x0a, 0x14, 0x34));
                         p.drawEllipse(QPointF(44, 26), 11, 11);
                     },
                     QColor(0x80, 0xa0, 0xe0, 50),
                     QColor(0xa0, 0xc0, 0xf0, 120),
                     QColor(0xa8, 0xc4, 0xf0),
                     [](QPainter& p) {
                         TitleText(p, QRectF(4, 52, 70, 14), QStringLiteral("FROST"),
                                   QColor(0xc8, 0xdc, 0xff), 10);
                     }};

    styles << TStyle{QStringLiteral("Digital/LCD"),
                     false,
                     QStringLiteral("Courier New"),
                     20,
                     QColor(0x1c, 0x2c, 0x10),
                     &Spread,
                     [](QPainter& p) {
                         p.fillRect(QRect(0, 0, 250, 90), QColor(0x30, 0x34, 0x38));
                         QLinearGradient lcd(0, 8, 0, 82);
                         lcd.setColorAt(0, QColor(0xb8, 0xc8, 0x88));
                         lcd.setColorAt(1, QColor(0x98, 0xac, 0x68));
                         p.setPen(QPen(QColor(0x18, 0x1c, 0x20), 2));
                         p.setBrush(lcd);
                         p.drawRoundedRect(QRectF(6, 6, 238, 78), 4, 4);
                         p.setPen(QColor(0x1c, 0x2c, 0x10, 60));
                         for (int x = 26; x < 240; x += 52)
                             p.drawLine(QPointF(x + 60, 18), QPointF(x + 60, 64));
                     },
                     QColor(0x88, 0x9c, 0x58, 120),
                     QColor(0x1c, 0x2c, 0x10, 50),
                     QColor(0x2c, 0x40, 0x18),
                     [](QPainter&) {}};

    styles << TStyle{QStringLiteral("Digital/Neon"),
                     true,
                     QStringLiteral("Arial"),
                     18,
                     QColor(0x60, 0xf0, 0xff),
                     &Spread,
                     [](QPainter& p) {
                         p.fillRect(QRect(0, 0, 250, 90), QColor(0x08, 0x04, 0x12));
                         for (int glow = 6; glow >= 1; --glow) {
                             p.setPen(QPen(QColor(0xff, 0x30, 0xd0, 30), glow * 2));
                             p.setBrush(Qt::NoBrush);
                             p.drawRoundedRect(QRectF(6, 6, 238, 78), 10, 10);
                         }
                         p.setPen(QPen(QColor(0xff, 0x80, 0xe8), 1.5));
                         p.drawRoundedRect(QRectF(6, 6, 238, 78), 10, 10);
                     },
                     QColor(0x20, 0x10, 0x40, 200),
                     QColor(0x40, 0xd0, 0xff, 140),
                     QColor(0xff, 0x90, 0xe8),
                     [](QPainter&) {}};
    return styles;
}

bool WritePicture(const QString& folder, const TStyle& s, int scale) {
    QImage image(250 * scale, 90 * scale, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        s.Background(p);
        Wells(p, s);
        s.Title(p);
    }
    const QString base =
        folder + (scale == 1 ? QStringLiteral("/Back") : QStringLiteral("/Back@2x"));
    return s.Jpeg ? image.save(base + QStringLiteral(".jpg"), "JPG", 92)
                  : image.convertToFormat(QImage::Format_RGB888)
                        .save(base + QStringLiteral(".bmp"), "BMP");
}

bool WriteSkin(const QString& root, const TStyle& s) {
    const QString folder = root + QLatin1Char('/') + s.Folder;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const bool saved = WritePicture(folder, s, 1) && WritePicture(folder, s, 2);
    QFile custom(folder + QStringLiteral("/Custom.txt"));
    if (!saved || !custom.open(QIODevice::WriteOnly))
        return false;
    // Written the way such files are customarily written: one item a line, CR LF.
    QString text =
        s.Face + QStringLiteral("\r\n") + QString::number(s.Points) +
        QStringLiteral("\r\n%1 %2 %3\r\n").arg(s.Ink.red()).arg(s.Ink.green()).arg(s.Ink.blue());
    for (const QPoint& c : s.Layout->Centre)
        text += QStringLiteral("%1 %2\r\n").arg(c.x()).arg(c.y());
    custom.write(text.toLatin1());
    return true;
}

} // namespace

bool Skins(const QString& root) {
    bool ok = true;
    for (const TStyle& s : Styles())
        ok = WriteSkin(root, s) && ok;
    return ok;
}

} // namespace artgen
