// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/ClockFace.h"

#include "app/Countdown.h"
#include "skins/DigitGlyphs.h"
#include "skins/Skin.h"
#include "support/SkinFixtures.h"

#include <QApplication>
#include <QBackingStore>
#include <QDirIterator>
#include <QPainter>
#include <QTest>
#include <QtEndian>
#include <functional>
#include <memory>

namespace {
// Columns and rows of the box that hold white pixels of the number (faint: any pixel a
// drawing on black touched).
QRect InkBounds(const QImage& image, bool faint = false) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (faint ? image.pixel(x, y) != qRgb(0, 0, 0) : qGray(image.pixel(x, y)) > 128)
                r |= QRect(x, y, 1, 1);
    return r;
}
// A number drawn as text is laid out: measured, centred in the box, drawn.
QImage LaidOut(const QWidget& box, const QString& text) {
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(box.font());
    painter.setPen(box.palette().color(QPalette::WindowText));
    const QFontMetrics metrics(box.font());
    painter.drawText(box.width() / 2 - metrics.horizontalAdvance(text) / 2,
                     box.height() / 2 - metrics.height() / 2 + metrics.ascent(), text);
    return image;
}
QImage Drawn(QWidget& box) {
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    box.render(&image, {}, {}, {});
    return image;
}
// A 32-bit bitmap with a version 5 header whose alpha mask is set and every alpha byte 0.
QByteArray TransparentBitmap() {
    QByteArray bmp(14 + 124, '\0');
    const int w = 250, h = 90;
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(14 + 124 + w * h * 4, bmp.data() + 2);
    qToLittleEndian<quint32>(14 + 124, bmp.data() + 10);
    char* info = bmp.data() + 14;
    qToLittleEndian<quint32>(124, info);
    qToLittleEndian<qint32>(w, info + 4);
    qToLittleEndian<qint32>(h, info + 8);
    qToLittleEndian<quint16>(1, info + 12);
    qToLittleEndian<quint16>(32, info + 14);
    qToLittleEndian<quint32>(3, info + 16); // bit fields
    const quint32 masks[] = {0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000};
    for (int i = 0; i < 4; ++i)
        qToLittleEndian<quint32>(masks[i], info + 40 + 4 * i);
    for (int i = 0; i < w * h; ++i)
        bmp.append("\x1e\xc8\x0a\x00", 4); // blue 30, green 200, red 10, alpha 0
    return bmp;
}
} // namespace

// A face on a window of its own, as the skin kit makes it.
class ClockFaceTest : public SkinFixture {
public: // the tables' rows work through it
    using SkinFixture::Folder;
    using SkinFixture::MakeSkin;
    using SkinFixture::WriteFile;
    QWidget Window;
    TClockFace Face{&Window};

    TPaintBox* Days() const { return Face.Box(0); }
    TPaintBox* Minutes() const { return Face.Box(2); }
    TPaintBox* Seconds() const { return Face.Box(3); }
    std::vector<int> Paints() const {
        std::vector<int> counts;
        for (int i = 0; i < TClockFace::Boxes; ++i)
            counts.push_back(Face.Box(i)->PaintCount);
        return counts;
    }
    void Show() {
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    }
    void Apply(const QString& folder) {
        TSkin skin;
        ASSERT_TRUE(skin.LoadFromFolder(folder));
        Face.ApplySkin(skin);
    }
    void ShowRemaining(TDateTime remaining) {
        const TCountdownParts p = SplitRemaining(remaining);
        Face.ShowNumbers({p.Days, p.Hours, p.Minutes, p.Seconds});
    }
    // What the window shows over one box.
    QImage Shot(QWidget* box) { return Window.grab(box->geometry()).toImage(); }

    // A table's row: its name and what it does and expects.
    struct TRow {
        const char* Name;
        std::function<void(ClockFaceTest&)> Run;
    };
    void RunRows(const std::vector<TRow>& rows) {
        for (const TRow& row : rows) {
            SCOPED_TRACE(row.Name);
            row.Run(*this);
        }
    }
};

TEST_F(ClockFaceTest, EachSkinIsPutOnAsItSays) {
    RunRows({
        {"the design's layout before any skin",
         [](ClockFaceTest& t) {
             EXPECT_EQ(t.Face.Back()->geometry(), QRect(0, 0, 250, 90));
             EXPECT_EQ(t.Days()->geometry(), QRect(78, 29, 66, 46));
             EXPECT_EQ(t.Face.Box(1)->geometry(), QRect(124, 29, 52, 46));
             EXPECT_EQ(t.Minutes()->geometry(), QRect(160, 29, 52, 46));
             EXPECT_EQ(t.Seconds()->geometry(), QRect(196, 29, 52, 46));
             EXPECT_EQ(t.Window.font().family(), "Times New Roman");
             EXPECT_EQ(t.Window.font().pixelSize(), 24);
             EXPECT_TRUE(t.Window.font().bold());
         }},
        {"a background is opaque whatever its alpha",
         [](ClockFaceTest& t) {
             t.MakeSkin("Alpha", Qt::red);
             t.WriteFile("Alpha/Back.bmp", TransparentBitmap());
             t.Apply(t.Folder("Alpha"));
             EXPECT_EQ(t.Face.Back()->Canvas().pixelColor(125, 45), QColor(10, 200, 30));
         }},
        {"the fields are centred on the skin's points",
         [](ClockFaceTest& t) {
             t.MakeSkin("P");
             t.WriteFile("P/Custom.txt",
                         QByteArray("Arial\n18\n10 20 30\n0 0\n150 52\n186 52\n222 52\n"));
             t.Apply(t.Folder("P"));
             EXPECT_EQ(t.Days()->pos(), QPoint(-33, -23));
             EXPECT_EQ(t.Face.Box(1)->pos(), QPoint(124, 29));
             EXPECT_EQ(t.Days()->size(), QSize(66, 46));
             EXPECT_EQ(t.Window.font().family(), "Arial");
             EXPECT_EQ(t.Window.font().pixelSize(), 24);
             EXPECT_TRUE(t.Window.font().bold());
             EXPECT_EQ(t.Window.palette().color(QPalette::WindowText), QColor(10, 20, 30));
             EXPECT_EQ(t.Window.size(), QSize(250, 90));
         }},
        {"a smaller picture keeps the earlier pixels",
         [](ClockFaceTest& t) {
             t.MakeSkin("Big", Qt::red);
             t.MakeSkin("Small", Qt::blue, false, QSize(100, 50));
             for (const char* rel : {"Big", "Small"})
                 t.Apply(t.Folder(rel));
             const QImage& canvas = t.Face.Back()->Canvas();
             EXPECT_EQ(canvas.size(), QSize(250, 90));
             EXPECT_EQ(canvas.pixelColor(99, 49), QColor(Qt::blue));
             EXPECT_EQ(canvas.pixelColor(100, 10), QColor(Qt::red));
             EXPECT_EQ(canvas.pixelColor(10, 50), QColor(Qt::red));
         }},
    });
}

TEST_F(ClockFaceTest, NumbersAreDrawnAsDesigned) {
    Face.Back()->Canvas().fill(Qt::black);
    Show();
    RunRows({
        {"centred",
         [](ClockFaceTest& t) {
             t.Seconds()->Tag = 7;
             const QRect seven = InkBounds(t.Shot(t.Seconds()));
             ASSERT_TRUE(seven.isValid());
             EXPECT_NEAR(seven.center().x(), 26, 2);
             EXPECT_NEAR(seven.center().y(), 23, 4);
         }},
        {"cut at the box",
         [](ClockFaceTest& t) {
             t.Days()->Tag = 123456789;
             const QImage wide = t.Shot(t.Days());
             const QRect ink = InkBounds(wide);
             EXPECT_EQ(ink.left(), 0);
             EXPECT_EQ(ink.right(), wide.width() - 1);
             // Nothing spills outside the box onto the window.
             const QImage window = t.Window.grab(QRect(0, 29, 78, 46)).toImage();
             EXPECT_FALSE(InkBounds(window).isValid());
         }},
        {"no leading zeros",
         [](ClockFaceTest& t) {
             t.Minutes()->Tag = 9;
             const QRect nine = InkBounds(t.Shot(t.Minutes()));
             t.Minutes()->Tag = 99;
             const QRect twoDigits = InkBounds(t.Shot(t.Minutes()));
             EXPECT_LT(nine.width() * 3, twoDigits.width() * 2);
         }},
    });
}

TEST_F(ClockFaceTest, OnlyChangedBoxesAreRepainted) {
    Show();
    ShowRemaining(3 + 4 / 24.0 + 5 / 1440.0 + 30 * Second);
    const std::vector<int> before = Paints();
    ShowRemaining(3 + 4 / 24.0 + 5 / 1440.0 + 29 * Second);
    std::vector<int> after = Paints();
    EXPECT_EQ(after[3], before[3] + 1);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    // The minutes field overlaps the seconds field; it may be drawn again only where the
    // two overlap, never as a whole.
    if (after[2] != before[2]) {
        const QRect overlap = Minutes()->geometry().intersected(Seconds()->geometry());
        EXPECT_TRUE(overlap.contains(Minutes()->LastPaintRect.translated(Minutes()->pos())));
    }
    ShowRemaining(3 + 4 / 24.0 + 5 / 1440.0 + 29 * Second); // nothing changed: nothing drawn
    EXPECT_EQ(Paints(), after);
}

TEST_F(ClockFaceTest, TheScreenShowsWhatAWholeRepaintWould) {
    // A tick repaints only where the numbers' ink changes. Through turns of the seconds,
    // minutes, hours and days (and of their widths), in a skin whose fields overlap, the
    // window on the screen must stay what a fresh drawing of all of it shows.
    Apply(QString(KORVANE5_SOURCE_DIR "/Skins/Default/"));
    Show();
    const TDateTime target = 10 + 1 / 1440.0 + 5 * Second;
    for (int i = 0; i < 70; ++i) {
        ShowRemaining(target - i * Second);
        QApplication::processEvents();
        const QImage whole = Window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // What the window holds in device pixels (the offscreen screen's grab gives layout
        // pixels only).
        const auto* held = dynamic_cast<const QImage*>(Window.backingStore()->paintDevice());
        ASSERT_NE(held, nullptr);
        const QImage screen =
            held->copy(QRect(QPoint(0, 0), whole.size())).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(screen.size(), whole.size()) << i;
        QRect differ;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                if (screen.pixel(x, y) != whole.pixel(x, y))
                    differ |= QRect(x, y, 1, 1);
        ASSERT_TRUE(differ.isNull())
            << i << ": pixels differ in " << differ.x() << "," << differ.y() << " "
            << differ.width() << "x" << differ.height();
    }
    EXPECT_EQ(Days()->Tag, 9);
    // The seconds mostly change over the background alone: those go straight to the window.
    EXPECT_GT(Seconds()->WindowPaintCount, 35);
}

TEST_F(ClockFaceTest, NumbersLandOnThePixelsOfTheirTextLayout) {
    // In every bundled skin's font: 0 to 99, and day counts up to 99999 (every one of them
    // with KORVANE5_EVERY_DAY_COUNT set; a spread otherwise), each within its known ink.
    const int step = qEnvironmentVariableIsSet("KORVANE5_EVERY_DAY_COUNT") ? 1 : 97;
    int skins = 0;
    for (QDirIterator it(KORVANE5_SOURCE_DIR "/Skins", {"Custom.txt"}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext(); ++skins) {
        const QString folder = QFileInfo(it.next()).path() + "/";
        Apply(folder);
        const TDigitGlyphs digits(Days()->font());
        EXPECT_TRUE(digits.Usable()) << folder.toStdString();
        QImage before;
        for (int n = 0; n < 100000; n += n < 100 ? 1 : step) {
            TPaintBox* box = n < 100 ? Seconds() : Days();
            const TNumberPlace was = box->Shown;
            box->Tag = n;
            const QImage drawn = Drawn(*box);
            ASSERT_EQ(drawn, LaidOut(*box, QString::number(n))) << folder.toStdString() << " " << n;
            // The repaint of a changed number relies on knowing where its ink lies, and
            // where the new number's pixels differ from the old one's.
            ASSERT_TRUE(box->Shown.Ink.contains(InkBounds(drawn, true)))
                << folder.toStdString() << " " << n;
            if (n != 0 && n != 100) {
                // Numbers of another length or place repaint the ink of both.
                QRect changed = digits.Changed(was.Text, was.X, was.Baseline, box->Shown.Text,
                                               box->Shown.X, box->Shown.Baseline);
                if (changed.isNull())
                    changed = was.Ink | box->Shown.Ink;
                for (int y = 0; y < drawn.height(); ++y)
                    for (int x = 0; x < drawn.width(); ++x)
                        ASSERT_TRUE(changed.contains(x, y) ||
                                    drawn.pixel(x, y) == before.pixel(x, y))
                            << folder.toStdString() << " " << n << " at " << x << "," << y;
            }
            before = drawn;
        }
    }
    EXPECT_EQ(skins, 9);
}
