// SPDX-License-Identifier: GPL-3.0-or-later
// Backgrounds decoded only as far as they can be shown: each bitmap variant against Qt's
// own reader, and pictures that declare far more than they can show.

#include "skins/Pictures.h"
#include "support/JpegWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QtEndian>
#include <csetjmp>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

using platform::TMemoryBytes;

namespace {

struct TBmp {
    int InfoSize = 40;
    qint32 Width = 0, Height = 0;
    int Bits = 24;
    quint32 Compression = 0;
    int Colours = 0;           // palette entries written (and declared)
    QList<quint32> Masks = {}; // bit fields: in the header from version 2, else after it
    QByteArray Pixels = {};    // as stored; empty: random rows of the right size
};

QByteArray Build(TBmp b, QRandomGenerator& rng) {
    const bool core = b.InfoSize == 12;
    const int entry = core ? 3 : 4;
    QByteArray info(b.InfoSize, '\0');
    char* i = info.data();
    qToLittleEndian<quint32>(quint32(b.InfoSize), i);
    if (core) {
        qToLittleEndian<quint16>(quint16(b.Width), i + 4);
        qToLittleEndian<quint16>(quint16(b.Height), i + 6);
        qToLittleEndian<quint16>(1, i + 8);
        qToLittleEndian<quint16>(quint16(b.Bits), i + 10);
    } else {
        qToLittleEndian<qint32>(b.Width, i + 4);
        qToLittleEndian<qint32>(b.Height, i + 8);
        qToLittleEndian<quint16>(1, i + 12);
        qToLittleEndian<quint16>(quint16(b.Bits), i + 14);
        qToLittleEndian<quint32>(b.Compression, i + 16);
        qToLittleEndian<quint32>(quint32(b.Colours), i + 32);
        for (int m = 0; m < b.Masks.size() && b.InfoSize >= 52 && 40 + 4 * m < b.InfoSize; ++m)
            qToLittleEndian<quint32>(b.Masks[m], i + 40 + 4 * m);
    }
    QByteArray extra;
    if (b.InfoSize < 52)
        for (quint32 m : b.Masks)
            extra.append(reinterpret_cast<const char*>(&m), 4); // little-endian here
    for (int c = 0; c < b.Colours; ++c)
        for (int k = 0; k < entry; ++k)
            extra.append(char(k < 3 ? rng.bounded(256) : 0));
    if (b.Pixels.isEmpty()) {
        const qint64 stride = (qint64(b.Width) * b.Bits + 31) / 32 * 4;
        const int rows = b.Height < 0 ? -b.Height : b.Height;
        // Palette indexes stay within the palette.
        const auto byte = [&] {
            switch (b.Bits) {
            case 8:
                return rng.bounded(b.Colours);
            case 4:
                return rng.bounded(b.Colours) << 4 | rng.bounded(b.Colours);
            default:
                return rng.bounded(256);
            }
        };
        for (qint64 n = 0; n < stride * rows; ++n)
            b.Pixels.append(char(byte()));
    }
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    const quint32 offset = quint32(14 + info.size() + extra.size());
    qToLittleEndian<quint32>(offset + quint32(b.Pixels.size()), file.data() + 2);
    qToLittleEndian<quint32>(offset, file.data() + 10);
    return file + info + extra + b.Pixels;
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(char(v));
    return bytes;
}

QImage Ours(const QByteArray& bytes) {
    TMemoryBytes source(bytes);
    return pictures::DecodeBitmap(source);
}

// Largest difference of a colour channel between our picture and Qt's, over ours.
int Difference(const QImage& ours, const QImage& qt) {
    int worst = 0;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = qt.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    return worst;
}

} // namespace

TEST(PicturesTest, BitmapVariantsDecodeAsQtDoesWithinTheShownCorner) {
    QRandomGenerator rng(42);
    const QList<quint32> m565{0xf800, 0x07e0, 0x001f};
    const QList<quint32> m8888{0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000};
    // Run-length encoded pictures of 20 x 4 and 20 x 3, rows from the bottom, every pixel
    // drawn: runs, absolute runs with their padding, row ends and the picture's end.
    const QByteArray rle8 = Bytes({5, 1, 0, 3, 2, 3, 4, 0,  12, 5, 0, 0,  10, 2, 10, 6, 0,
                                   0, 0, 4, 1, 2, 3, 4, 16, 7,  0, 0, 20, 3,  0, 0,  0, 1});
    const QByteArray rle4 =
        Bytes({6, 0x12, 0, 5, 0x34, 0x56, 0x70, 0, 9, 0x45, 0, 0, 20, 0x21, 0, 0, 20, 0x33, 0, 1});
    const struct {
        const char* Name;
        TBmp Bmp;
        int Tolerance;
    } cases[] = {
        {"24-bit, wider and taller than shown", {40, 300, 100, 24, 0}, 0},
        {"24-bit, top-down", {40, 40, -30, 24, 0}, 0},
        {"8-bit, 7 colours", {40, 260, 95, 8, 0, 7}, 0},
        {"4-bit", {40, 33, 9, 4, 0, 16}, 0},
        {"1-bit", {40, 70, 5, 1, 0, 2}, 0},
        {"16-bit 5-5-5", {40, 17, 6, 16, 0}, 8},
        {"16-bit 5-6-5 fields after the header", {40, 17, 6, 16, 3, 0, m565}, 8},
        {"32-bit", {40, 12, 3, 32, 0}, 0},
        {"32-bit fields, version 5 header", {124, 12, 3, 32, 3, 0, m8888}, 0},
        {"oldest header, 8-bit", {12, 10, 4, 8, 0, 256}, 0},
        {"RLE8", {40, 20, 4, 8, 1, 8, {}, rle8}, 0},
        {"RLE4", {40, 20, 3, 4, 2, 16, {}, rle4}, 0},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = Build(c.Bmp, rng);
        const QImage ours = Ours(bytes);
        QImage qt = QImage::fromData(bytes, "BMP");
        ASSERT_FALSE(ours.isNull()) << c.Name;
        ASSERT_FALSE(qt.isNull()) << c.Name;
        EXPECT_EQ(ours.size(), qt.size().boundedTo(pictures::ShownSize)) << c.Name;
        EXPECT_FALSE(ours.hasAlphaChannel()) << c.Name;
        EXPECT_LE(Difference(ours, qt), c.Tolerance) << c.Name;
    }
}

TEST(PicturesTest, BitmapsThatPromiseMoreThanTheyHoldAreRefused) {
    QRandomGenerator rng(7);
    QByteArray lying = Build({40, 250, 90, 24, 0}, rng);
    qToLittleEndian<qint32>(9000, lying.data() + 22); // far more rows than the data
    QByteArray huge = Build({40, 4, 4, 32, 0}, rng);
    qToLittleEndian<qint32>(0x7fffffff, huge.data() + 18); // products that overflow 64 bits
    qToLittleEndian<qint32>(0x7fffffff, huge.data() + 22);
    const QByteArray cut = Build({40, 20, 4, 8, 1, 8, {}, Bytes({5, 1, 0})}, rng);
    for (const QByteArray& bytes : {lying, huge, cut, QByteArray("BM"), QByteArray()})
        EXPECT_TRUE(Ours(bytes).isNull()) << bytes.size();
}

TEST(PicturesTest, HugeRunLengthBitmapCostsOnlyWhatIsShown) {
    QRandomGenerator rng(3);
    // 30000 x 30000 declared, a few bytes of data: a jump, a run in the top row, the end.
    QByteArray body;
    for (int i = 0; i < 117; ++i)
        body += Bytes({0, 2, 0, 255}); // 117 jumps of 255 rows: row 29835
    body += Bytes({0, 2, 0, 164});     // to row 29999, the top
    body += Bytes({10, 1, 0, 1});
    const QImage image = Ours(Build({40, 30000, 30000, 8, 1, 2, {}, body}, rng));
    ASSERT_EQ(image.size(), pictures::ShownSize);
    EXPECT_NE(image.pixel(5, 0), image.pixel(20, 0)); // the run drew its colour in the top row
}

namespace {

QImage OursJpeg(const QByteArray& bytes) {
    TMemoryBytes source(bytes);
    return pictures::DecodeJpeg(source);
}

} // namespace

TEST(PicturesTest, JpegsAreCutToTheShownCorner) {
    const QByteArray wide = EncodeJpeg(6000, 1500);
    const QImage ours = OursJpeg(wide);
    ASSERT_EQ(ours.size(), pictures::ShownSize);
    const QImage small = OursJpeg(EncodeJpeg(250, 90));
    ASSERT_EQ(small.size(), pictures::ShownSize);
    EXPECT_LE(Difference(ours, small), 6); // the same corner, whatever lies beyond it

    // Complete but for its end marker: shown. Cut inside the rows shown: refused.
    const QByteArray picture = EncodeJpeg(250, 90);
    ASSERT_TRUE(picture.endsWith("\xff\xd9"));
    EXPECT_FALSE(OursJpeg(picture.chopped(2)).isNull());
    EXPECT_TRUE(OursJpeg(picture.left(picture.size() / 2)).isNull());
    EXPECT_FALSE(OursJpeg(EncodeJpeg(300, 120, true)).isNull()); // a small progressive one

    // A progressive picture claiming 10000 x 10000 pixels would need hundreds of megabytes.
    QByteArray claim = EncodeJpeg(16, 16, true);
    const qsizetype sof = claim.indexOf("\xff\xc2");
    ASSERT_GT(sof, 0);
    qToBigEndian<quint16>(10000, claim.data() + sof + 5);
    qToBigEndian<quint16>(10000, claim.data() + sof + 7);
    EXPECT_TRUE(OursJpeg(claim).isNull());
}
