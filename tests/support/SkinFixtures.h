// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Skin folders made on the fly below a private program folder.

#include "platform/Environment.h"
#include "support/ClockTest.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>

class SkinFixture : public ClockTest {
protected:
    void SetUp() override {
        ClockTest::SetUp();
        ASSERT_TRUE(Program.isValid());
        platform::SetProgramPath(Program.filePath("korvane5"));
        QDir().mkpath(SkinsRoot());
    }
    void TearDown() override {
        // By the file system's own bytes: Qt cannot name a folder whose name is not UTF-8,
        // so the temporary folder would keep it.
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(Program.path()).toStdString(), ignored);
        ClockTest::TearDown();
    }

    QString SkinsRoot() const { return Program.filePath("Skins"); }
    QString Folder(const QString& rel) const { return SkinsRoot() + "/" + rel; }
    // The user's own skins folder (in the test's data folder).
    QString UserRoot() const { return ConfigPath("data/korvane5/Skins"); }

    // A skin of one colour; its Custom.txt names the face after the skin, so a test can
    // tell from the window's font which skin it shows. user: in the user's skins folder,
    // with " (user)" after the face.
    void MakeSkin(const QString& rel, QColor colour = Qt::darkBlue, bool jpeg = false,
                  QSize size = {250, 90}, bool user = false) {
        const QString folder = (user ? UserRoot() : SkinsRoot()) + "/" + rel;
        QDir().mkpath(folder);
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(folder + (jpeg ? "/Back.jpg" : "/Back.bmp")));
        QFile f(folder + "/Custom.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((Face(rel) + (user ? " (user)" : "") +
                 "\n18\n255 255 255\n111 52\n150 52\n186 52\n222 52\n")
                    .toUtf8());
    }
    void MakeUserSkin(const QString& rel) { MakeSkin(rel, Qt::darkGreen, false, {250, 90}, true); }
    static QString Face(const QString& rel) { return "Face " + QString(rel).replace('/', '-'); }

    void WriteFile(const QString& rel, const QByteArray& bytes) {
        QFile f(Folder(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void WriteFile(const QString& rel, const QString& text) { WriteFile(rel, text.toUtf8()); }

    QTemporaryDir Program;
};
