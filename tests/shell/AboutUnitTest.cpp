// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutUnit.h"
#include "app/MainUnit.h"
#include "shell/TrayIcon.h"
#include "skins/SkinChooserUnit.h"
#include "store/Registry.h"
#include "support/ClockTest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtEndian>

// The about box.
class AboutUnitTest : public ClockTest {
protected:
    void SetUp() override {
        ClockTest::SetUp();
        Form = std::make_unique<TAboutForm>();
    }
    void TearDown() override {
        Form.reset();
        ClockTest::TearDown();
    }
    std::unique_ptr<TAboutForm> Form;
};

TEST_F(AboutUnitTest, PictureAndStripAsDesigned) {
    EXPECT_EQ(Form->windowTitle(), "About");
    EXPECT_EQ(Form->size(), QSize(360, 206));
    EXPECT_EQ(Form->minimumSize(), Form->maximumSize());
    EXPECT_EQ(Form->Image->geometry(), QRect(0, 0, 360, 206));
    // The picture is there while the box is shown, and let go when it is hidden.
    EXPECT_TRUE(Form->Image->pixmap().isNull());
    Form->show();
    EXPECT_EQ(Form->Image->pixmap().size(), QSize(360, 206));
    Form->hide();
    EXPECT_TRUE(Form->Image->pixmap().isNull());
    EXPECT_EQ(Form->URLClick->geometry(), QRect(27, 166, 292, 17));
    EXPECT_EQ(Form->URLClick->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(Form->Image->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(Form->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Form->palette().color(QPalette::Window), QColor(Qt::black));

    // Stored as a 256-colour run-length-encoded bitmap.
    QFile file(":/images/about.bmp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    ASSERT_GT(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), "BM");
    const auto* data = reinterpret_cast<const uchar*>(bmp.constData());
    EXPECT_EQ(qFromLittleEndian<qint32>(data + 18), 360);
    EXPECT_EQ(qFromLittleEndian<qint32>(data + 22), 206);
    EXPECT_EQ(qFromLittleEndian<quint16>(data + 28), 8);
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 30), 1u); // BI_RLE8
}

TEST_F(AboutUnitTest, OnlyAClickOnTheStripOpensThePageOnceAndCloses) {
    int result = -1;
    QTimer::singleShot(0, Form.get(), [this] {
        ASSERT_TRUE(Form->isVisible());
        // Just outside the strip, on each side, and far from it: nothing.
        QWindow* window = Form->windowHandle();
        for (QPoint p : {QPoint(26, 170), QPoint(319, 170), QPoint(100, 165), QPoint(100, 183),
                         QPoint(10, 10)})
            QTest::mouseClick(window, Qt::LeftButton, {}, p);
        EXPECT_TRUE(OpenedUrls.isEmpty());
        EXPECT_TRUE(Form->isVisible());
        // A press that leaves the strip before its release is no click.
        QTest::mousePress(Form->URLClick, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(Form->URLClick, Qt::LeftButton, {}, QPoint(5, 40));
        EXPECT_TRUE(OpenedUrls.isEmpty());
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(27, 166));
    });
    result = Form->ShowModal();
    EXPECT_EQ(result, 2);
    EXPECT_EQ(OpenedUrls, QStringList{"http://www.korvane5.example/korvane5"});
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(AboutUnitTest, TheMenuShowsTheOneAboutBoxModally) {
    AboutForm = Form.get();
    auto main = std::make_unique<TMainForm>(QStringList{});
    bool shown = false;
    QTimer::singleShot(0, Form.get(), [&] {
        shown = Form->isVisible() && QApplication::activeModalWidget() == Form.get();
        Form->reject();
    });
    main->About1->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Errors.isEmpty());
    Form.reset();
    EXPECT_EQ(AboutForm, nullptr);
    main->About1->trigger(); // no box: nothing happens
}
