// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/Skin.h"
#include "app/MainUnit.h"
#include "support/SkinFixtures.h"
#include "widgets/PaintBox.h"

#include <QtEndian>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

class SkinTest : public SkinFixture {
protected:
    bool Load(const QString& rel) { return Skin.LoadFromFolder(Folder(rel)); }
    void ExpectDefaults() {
        EXPECT_EQ(Skin.FontName, "Times New Roman");
        EXPECT_EQ(Skin.FontSize, 18);
        EXPECT_EQ(Skin.FontColor, 0x00FFFFFFu);
        EXPECT_EQ(Skin.DaysPos, QPoint(111, 52));
        EXPECT_EQ(Skin.HoursPos, QPoint(150, 52));
        EXPECT_EQ(Skin.MinutesPos, QPoint(186, 52));
        EXPECT_EQ(Skin.SecondsPos, QPoint(222, 52));
    }
    TSkin Skin;
};

TEST_F(SkinTest, JpegAloneLoadsWithTheDefaults) {
    QDir().mkpath(Folder("J"));
    QImage image(250, 90, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    ASSERT_TRUE(image.save(Folder("J/Back.jpg"), "JPG", 95));
    ASSERT_TRUE(Load("J"));
    ExpectDefaults();
    EXPECT_EQ(Skin.Background.size(), QSize(250, 90));
    EXPECT_EQ(Skin.Background.format(), QImage::Format_RGB888); // 24-bit colour
    const QColor c = Skin.Background.pixelColor(125, 45);
    EXPECT_NEAR(c.red(), 200, 6);
    EXPECT_NEAR(c.green(), 30, 6);
}

TEST_F(SkinTest, BitmapWinsOverJpegEvenWhenBroken) {
    MakeSkin("Both", Qt::green);
    QImage red(250, 90, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(Folder("Both/Back.jpg")));
    ASSERT_TRUE(Load("Both"));
    EXPECT_EQ(Skin.Background.pixelColor(5, 5), QColor(Qt::green));
    WriteFile("Both/Back.bmp", QByteArray("BM not really a bitmap"));
    EXPECT_FALSE(Load("Both"));
}

TEST_F(SkinTest, DoubleSizePictureRules) {
    // Only the one-size picture decides whether the skin loads; a double-size one is read
    // only when asked for, by the rules of Back.*, and only when exactly twice the size.
    const struct {
        const char* Name;
        const char* File; // the double-size picture written
        QSize Size;
        const char* Broken; // a file then made unreadable, or null
        bool Asked;
        bool Loads;
        QSize Twice; // 0 x 0: none
    } rows[] = {
        {"exact", "Back@2x.bmp", {500, 180}, nullptr, true, true, {500, 180}},
        {"not asked", "Back@2x.bmp", {500, 180}, nullptr, false, true, {0, 0}},
        {"jpeg, any case", "bACK@2X.JPG", {500, 180}, nullptr, true, true, {500, 180}},
        {"wrong size", "Back@2x.jpg", {400, 180}, nullptr, true, true, {0, 0}},
        {"broken bitmap, good jpeg", "Back@2x.jpg", {500, 180}, "Back@2x.bmp", true, true, {0, 0}},
        {"broken one-size picture", "Back@2x.bmp", {500, 180}, "Back.bmp", true, false, {0, 0}}};
    int n = 0;
    for (const auto& row : rows) {
        const QString rel = QString("D%1").arg(++n);
        MakeSkin(rel);
        QImage image(row.Size, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        const QString file = Folder(rel + "/" + row.File);
        ASSERT_TRUE(image.save(file, QFileInfo(file).suffix().toLower().toLatin1()));
        if (row.Broken)
            WriteFile(rel + "/" + row.Broken, QByteArray("BM?"));
        EXPECT_EQ(Skin.LoadFromFolder(Folder(rel), row.Asked), row.Loads) << row.Name;
        EXPECT_EQ(Skin.Background2x.size(), row.Twice) << row.Name;
    }
}

TEST_F(SkinTest, CustomTextRules) {
    MakeSkin("S");
    const struct {
        QByteArray text;
        bool ok;
        std::function<void(const TSkin&)> check;
    } cases[] = {
        {"Arial\n20\n300 -5 128\n1 2\n3 4\n5 6\n7 8\n", true,
         [](const TSkin& s) {
             EXPECT_EQ(s.FontColor, 255u | 0u << 8 | 128u << 16);
             EXPECT_EQ(s.FontSize, 20);
             EXPECT_EQ(s.SecondsPos, QPoint(7, 8));
         }},
        {"Arial\n20 1 2 3 10 11 12 13 14 15 16 17\n", true,
         [](const TSkin& s) {
             EXPECT_EQ(s.FontName, "Arial");
             EXPECT_EQ(s.FontColor, 1u | 2u << 8 | 3u << 16);
             EXPECT_EQ(s.DaysPos, QPoint(10, 11));
             EXPECT_EQ(s.SecondsPos, QPoint(16, 17));
         }},
        {"   Comic Sans MS  \t \r\n18\r\n0 0 0\r\n1 1\r\n2 2\r\n3 3\r\n4 4\r\n", true,
         [](const TSkin& s) { EXPECT_EQ(s.FontName, "Comic Sans MS"); }},
        {"12345\n18\n0 0 0\n1 1\n2 2\n3 3\n4 4 and then anything\n", true,
         [](const TSkin& s) { EXPECT_EQ(s.FontName, "12345"); }},
        {"Arial\n18\n0 0 0\n1 1\n2 2\n3 3\n4\n", false, {}},
        {"Arial\n18\n0 0 zero\n1 1\n2 2\n3 3\n4 4\n", false, {}},
        {"Arial\n-7\n+9 0 0\n-1 -1\n2 2\n3 3\n4 4\n", true,
         [](const TSkin& s) {
             EXPECT_EQ(s.FontSize, -7); // reaches the font unchanged
             EXPECT_EQ(s.FontColor, 9u);
             EXPECT_EQ(s.DaysPos, QPoint(-1, -1));
         }},
        {"", false, {}},
        {"\n", false, {}},
    };
    for (const auto& c : cases) {
        WriteFile("S/Custom.txt", c.text);
        EXPECT_EQ(Load("S"), c.ok) << c.text.toStdString();
        if (c.ok && c.check)
            c.check(Skin);
    }
}

TEST_F(SkinTest, FirstLineIsCutAt255Bytes) {
    MakeSkin("Long");
    // The rest of an over-long first line is where the numbers begin.
    WriteFile("Long/Custom.txt", QByteArray(255, 'F') + "24\n1 2 3\n1 1\n2 2\n3 3\n4 4\n");
    ASSERT_TRUE(Load("Long"));
    EXPECT_EQ(Skin.FontName, QString(255, 'F'));
    EXPECT_EQ(Skin.FontSize, 24);
}

TEST_F(SkinTest, EmptyCustomTextFailsMissingOneUsesDefaults) {
    MakeSkin("E");
    WriteFile("E/Custom.txt", QByteArray());
    EXPECT_FALSE(Load("E"));
    QFile::remove(Folder("E/Custom.txt"));
    ASSERT_TRUE(Load("E"));
    ExpectDefaults();
}

TEST_F(SkinTest, NamesMayDifferInLetterCase) {
    QDir().mkpath(Folder("Case"));
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    ASSERT_TRUE(image.save(Folder("Case/BACK.Jpg"), "JPG"));
    WriteFile("Case/custom.TXT", QByteArray("Arial\n9\n1 2 3\n1 1\n2 2\n3 3\n4 4\n"));
    ASSERT_TRUE(Load("Case"));
    EXPECT_EQ(Skin.FontName, "Arial");
}

TEST_F(SkinTest, BadPicturesMakeABrokenSkinNotACrash) {
    QDir().mkpath(Folder("Bad"));
    QImage image(250, 90, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    ASSERT_TRUE(image.save(Folder("Bad/full.jpg"), "JPG"));
    QFile full(Folder("Bad/full.jpg"));
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray jpeg = full.readAll();

    // A truncated JPEG, random bytes, an empty file.
    for (const QByteArray& bytes : {jpeg.left(jpeg.size() / 2), jpeg.left(20),
                                    QByteArray("\xff\xd8\xff garbage", 12), QByteArray()}) {
        WriteFile("Bad/Back.jpg", bytes);
        EXPECT_FALSE(Load("Bad")) << bytes.size();
    }
    QFile::remove(Folder("Bad/Back.jpg"));

    // A bitmap header that lies about its size, and one with absurd dimensions.
    ASSERT_TRUE(image.save(Folder("Bad/Back.bmp"), "BMP"));
    QFile bmp(Folder("Bad/Back.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    QByteArray bytes = bmp.readAll();
    bmp.close();
    QByteArray lying = bytes;
    qToLittleEndian<qint32>(9000, lying.data() + 22); // height far beyond the data
    WriteFile("Bad/Back.bmp", lying.left(4000));
    EXPECT_FALSE(Load("Bad"));
    QByteArray huge = bytes;
    qToLittleEndian<qint32>(20000, huge.data() + 18);
    qToLittleEndian<qint32>(20000, huge.data() + 22);
    WriteFile("Bad/Back.bmp", huge);
    EXPECT_FALSE(Load("Bad"));
    WriteFile("Bad/Back.bmp", QByteArray());
    EXPECT_FALSE(Load("Bad"));
}

TEST_F(SkinTest, HugeJpegIsRefusedBeforeDecoding) {
    // A header claiming 20000 x 20000 pixels: refused from the header alone.
    QDir().mkpath(Folder("Huge"));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(Folder("Huge/Back.jpg"), "JPG"));
    QFile f(Folder("Huge/Back.jpg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    f.close();
    const qsizetype sof = bytes.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    qToBigEndian<quint16>(20000, bytes.data() + sof + 5);
    qToBigEndian<quint16>(20000, bytes.data() + sof + 7);
    WriteFile("Huge/Back.jpg", bytes);
    EXPECT_FALSE(Load("Huge"));
}

TEST_F(SkinTest, OnlyRegularFilesAreRead) {
    // A named pipe as the background or the settings, a background linked to a device:
    // each makes the skin broken at once, never a wait or an endless read.
    const auto pipe = [](const QString& path) { return ::mkfifo(QFile::encodeName(path), 0600); };
    const auto device = [](const QString& path) {
        return ::symlink("/dev/zero", QFile::encodeName(path).constData());
    };
    const struct {
        const char* File;
        std::function<int(const QString&)> Make;
    } cases[] = {{"Back.bmp", pipe}, {"Custom.txt", pipe}, {"Back.bmp", device}};
    for (const auto& c : cases) {
        MakeSkin("Odd");
        ASSERT_TRUE(QFile::remove(Folder("Odd/") + c.File));
        ASSERT_EQ(c.Make(Folder("Odd/") + c.File), 0);
        EXPECT_FALSE(Load("Odd")) << c.File;
        QDir(Folder("Odd")).removeRecursively();
    }
}
