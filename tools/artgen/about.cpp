// SPDX-License-Identifier: GPL-3.0-or-later
// The about box picture: 360 x 206, and drawn again at 720 x 412 for screens of a device
// pixel ratio above 1, each stored as a 256-colour run-length-encoded bitmap.
// The strip at 27, 166 (292 x 17) is where the box takes the click to the home page, so
// the link line is drawn there.

#include "artgen.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace artgen {

namespace {

QFont Face(const char* family, int px, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage Draw(int scale) {
    QImage image(360 * scale, 206 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);

    QLinearGradient sky(0, 0, 0, 206);
    sky.setColorAt(0, QColor(0x1c, 0x2a, 0x4c));
    sky.setColorAt(1, QColor(0x04, 0x06, 0x0e));
    p.fillRect(image.rect(), sky);

    // A large faint dial behind the text, the amber part still to go.
    const QPointF dial(348, 18);
    const double r = 52;
    p.setPen(QPen(QColor(0x2c, 0x3c, 0x62), 8));
    p.drawEllipse(dial, r, r);
    p.setPen(QPen(QColor(0x5a, 0x42, 0x1c), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(dial.x() - r, dial.y() - r, 2 * r, 2 * r), 90 * 16, -250 * 16);

    // The program's mark.
    const QPointF mark(58, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf6, 0xfa));
    p.drawEllipse(mark, 30, 30);
    QPainterPath ring;
    ring.addEllipse(mark, 30, 30);
    QPainterPath hole;
    hole.addEllipse(mark, 21, 21);
    QPainterPath pie;
    pie.moveTo(mark);
    pie.arcTo(QRectF(mark.x() - 30, mark.y() - 30, 60, 60), 90, -250);
    pie.closeSubpath();
    p.setBrush(QColor(0xff, 0xa8, 0x20));
    p.drawPath(pie.intersected(ring.subtracted(hole)));
    p.setPen(QPen(QColor(0x1a, 0x28, 0x48), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(mark, mark + QPointF(0, -15));
    p.drawLine(mark, mark + QPointF(11, 7));

    p.setPen(Qt::white);
    p.setFont(Face("Liberation Sans", 38, true));
    p.drawText(QRectF(102, 24, 250, 44), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Korvane5"));
    p.setPen(QColor(0xb4, 0xc4, 0xe8));
    p.setFont(Face("Liberation Sans", 15));
    p.drawText(QRectF(104, 66, 250, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Desktop countdown clock"));

    p.setPen(QColor(0x8a, 0x9c, 0xc4));
    p.setFont(Face("Liberation Sans", 12));
    p.drawText(QRectF(27, 104, 306, 18), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Five clocks \u00b7 skins \u00b7 preset events"));
    p.drawText(QRectF(27, 122, 306, 18), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Version 1.0"));

    p.setPen(QPen(QColor(0x3a, 0x4c, 0x78), 1));
    p.drawLine(QPointF(27, 152.5), QPointF(319, 152.5));

    // The link line, filling the clickable strip.
    QFont link = Face("Liberation Sans", 13, true);
    link.setUnderline(true);
    p.setFont(link);
    p.setPen(QColor(0xff, 0xb8, 0x40));
    p.drawText(QRectF(27, 166, 292, 17), Qt::AlignCenter,
               QStringLiteral("Visit the Korvane5 home page"));
    p.end();
    return image;
}

// A 256-colour palette by popularity of 15-bit colour cells, each entry the mean of its
// cell; every pixel takes the nearest entry.
QImage Quantise(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    auto cell = [](QRgb c) {
        return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3);
    };
    struct TCell {
        long long R = 0, G = 0, B = 0, N = 0;
    };
    std::vector<TCell> cells(32768);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            TCell& k = cells[std::size_t(cell(c))];
            k.R += qRed(c);
            k.G += qGreen(c);
            k.B += qBlue(c);
            ++k.N;
        }
    std::vector<int> order;
    for (int i = 0; i < 32768; ++i)
        if (cells[std::size_t(i)].N)
            order.push_back(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return cells[std::size_t(a)].N != cells[std::size_t(b)].N
                   ? cells[std::size_t(a)].N > cells[std::size_t(b)].N
                   : a < b;
    });
    order.resize(std::min<std::size_t>(order.size(), 256));
    QList<QRgb> palette;
    for (int i : order) {
        const TCell& k = cells[std::size_t(i)];
        palette << qRgb(int(k.R / k.N), int(k.G / k.N), int(k.B / k.N));
    }
    while (palette.size() < 256)
        palette << qRgb(0, 0, 0);

    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::vector<int> nearest(32768, -1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            int& best = nearest[std::size_t(cell(c))];
            if (best < 0) {
                long long bestDistance = -1;
                for (int i = 0; i < 256; ++i) {
                    const long long dr = qRed(palette[i]) - qRed(c),
                                    dg = qGreen(palette[i]) - qGreen(c),
                                    db = qBlue(palette[i]) - qBlue(c);
                    const long long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                    if (bestDistance < 0 || d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
            }
            out.setPixel(x, y, uint(best));
        }
    return out;
}

// One row in the RLE8 form: runs of a repeated index, literal stretches of three or more
// indices in absolute mode (padded to a whole word), then the end-of-line mark.
void EncodeRow(const uchar* row, int width, QByteArray& out) {
    int x = 0;
    auto runAt = [&](int at) {
        int n = 1;
        while (at + n < width && n < 255 && row[at + n] == row[at])
            ++n;
        return n;
    };
    while (x < width) {
        const int run = runAt(x);
        if (run >= 3 || width - x < 3) {
            out.append(char(run)).append(char(row[x]));
            x += run;
            continue;
        }
        int end = x;
        while (end < width && end - x < 255 && runAt(end) < 3)
            ++end;
        const int length = end - x;
        if (length < 3) {
            for (int i = x; i < end; ++i)
                out.append(char(1)).append(char(row[i]));
        } else {
            out.append(char(0)).append(char(length));
            out.append(reinterpret_cast<const char*>(row + x), length);
            if (length % 2)
                out.append(char(0));
        }
        x = end;
    }
    out.append(char(0)).append(char(0));
}

template <class T> void Put(QByteArray& out, T value) {
    const T le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

QByteArray Rle8Bitmap(const QImage& indexed) {
    QByteArray pixels;
    for (int y = indexed.height() - 1; y >= 0; --y)
        EncodeRow(indexed.constScanLine(y), indexed.width(), pixels);
    pixels.append(char(0)).append(char(1)); // end of bitmap

    const quint32 offset = 14 + 40 + 256 * 4;
    QByteArray out;
    out.append("BM", 2);
    Put<quint32>(out, offset + quint32(pixels.size()));
    Put<quint32>(out, 0);
    Put<quint32>(out, offset);
    Put<quint32>(out, 40);
    Put<qint32>(out, indexed.width());
    Put<qint32>(out, indexed.height());
    Put<quint16>(out, 1);
    Put<quint16>(out, 8);
    Put<quint32>(out, 1); // BI_RLE8
    Put<quint32>(out, quint32(pixels.size()));
    Put<qint32>(out, 3780); // 96 dots per inch
    Put<qint32>(out, 3780);
    Put<quint32>(out, 256);
    Put<quint32>(out, 0);
    for (QRgb c : indexed.colorTable()) {
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    return out + pixels;
}

} // namespace

bool AboutPicture(const QString& folder) {
    QDir().mkpath(folder);
    bool ok = true;
    for (const auto& [scale, name] : {std::pair{1, "about.bmp"}, {2, "about@2x.bmp"}}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        const QByteArray data = Rle8Bitmap(Quantise(Draw(scale)));
        ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
             file.write(data) == data.size() && ok;
    }
    return ok;
}

} // namespace artgen
