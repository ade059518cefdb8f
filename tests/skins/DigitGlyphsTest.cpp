// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/DigitGlyphs.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

// Between any two numbers of the same length drawn at one place, pixels differ only where
// Changed says: in a font that kerns a pair of digits ("11" in the serif), an unchanged
// digit after a changed one can move.
TEST(DigitGlyphsTest, ChangedHoldsEveryPixelThatDiffers) {
    for (const char* family : {"Liberation Serif", "DejaVu Sans"}) {
        QFont font(family);
        font.setPixelSize(24);
        TDigitGlyphs digits(font);
        ASSERT_TRUE(digits.Usable()) << family;
        const auto draw = [&](const QString& text) {
            QImage image(80, 40, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            painter.setPen(Qt::white);
            digits.Draw(painter, 10, 30, text);
            return image;
        };
        std::vector<QString> numbers;
        for (int n = 10; n < 100; ++n)
            numbers.push_back(QString::number(n));
        for (const char* n : {"111", "121", "211", "101", "110"})
            numbers.push_back(n);
        std::vector<QImage> images;
        for (const QString& n : numbers)
            images.push_back(draw(n));
        for (size_t a = 0; a < numbers.size(); ++a)
            for (size_t b = 0; b < numbers.size(); ++b) {
                if (numbers[a].size() != numbers[b].size() || a == b)
                    continue;
                const QRect changed = digits.Changed(numbers[a], 10, 30, numbers[b], 10, 30);
                for (int y = 0; y < 40; ++y)
                    for (int x = 0; x < 80; ++x)
                        if (!changed.contains(x, y) &&
                            images[a].pixel(x, y) != images[b].pixel(x, y))
                            FAIL() << family << " " << numbers[a].toStdString() << " -> "
                                   << numbers[b].toStdString() << " at " << x << "," << y;
            }
    }
}
