// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinCheck.h"
#include "skins/SkinMaker.h"
#include "support/Locales.h"
#include "support/SkinFixtures.h"

#include <QBuffer>
#include <QProcess>
#include <QtEndian>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Tool() {
    return QStringLiteral(KORVANE5_BINARY_DIR "/korvane5-skin");
}
// A Custom.txt of the default layout with another face, size or colour.
QByteArray Custom(const QByteArray& face = "Arial", int size = 18,
                  const QByteArray& colour = "255 255 255") {
    return face + "\n" + QByteArray::number(size) + "\n" + colour +
           "\n111 52\n150 52\n186 52\n222 52\n";
}
} // namespace

class SkinCheckTest : public SkinFixture {
public: // the table's rows set skins up through it
    using SkinFixture::Folder;
    // A skin with a dark 250 x 90 bitmap and text as its Custom.txt (none when null).
    void Make(const QString& rel, const QByteArray& custom, QSize size = {250, 90}) {
        QDir().mkpath(Folder(rel));
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(20, 30, 60));
        ASSERT_TRUE(image.save(Folder(rel + "/Back.bmp")));
        if (!custom.isNull())
            WriteFile(rel + "/Custom.txt", custom);
    }
    QStringList Said(const QString& rel) {
        QStringList lines;
        for (const TSkinMessage& m : TSkinCheck::Check(Folder(rel)))
            lines << m.Format().replace(SkinsRoot() + "/", QString());
        return lines;
    }
    static bool Has(const QStringList& lines, const QString& start, const QString& part) {
        return std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
            return l.startsWith(start) && l.contains(part);
        });
    }
};

TEST_F(SkinCheckTest, EachProblemIsSaidWhereItIs) {
    const struct {
        const char* Name;
        std::function<void(SkinCheckTest&)> Setup;
        const char* Start; // FILE[:LINE]: level:
        const char* Part;
    } rows[] = {
        {"fine", [](SkinCheckTest& t) { t.Make("fine", Custom()); }, "fine/Custom.txt:1: note:",
         "\"Arial\" is drawn in \"Liberation Sans\", a face of the same metrics"},
        {"nopicture", [](SkinCheckTest& t) { QDir().mkpath(t.Folder("nopicture")); },
         "nopicture: error:", "no Back.bmp or Back.jpg"},
        {"truncated",
         [](SkinCheckTest& t) {
             t.Make("truncated", Custom());
             QFile f(t.Folder("truncated/Back.bmp"));
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             ASSERT_TRUE(f.resize(4000));
         },
         "truncated/Back.bmp: error:", "cannot be shown: truncated"},
        {"variant",
         [](SkinCheckTest& t) {
             t.Make("variant", Custom());
             QFile f(t.Folder("variant/Back.bmp"));
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             QByteArray bytes = f.readAll();
             qToLittleEndian<quint16>(7, bytes.data() + 28); // 7 bits a pixel
             f.seek(0);
             f.write(bytes);
         },
         "variant/Back.bmp: error:", "an unsupported variant: 7 bits a pixel"},
        {"empty", [](SkinCheckTest& t) { t.Make("empty", ""); },
         "empty/Custom.txt: error:", "empty"},
        {"eleven", [](SkinCheckTest& t) { t.Make("eleven", Custom().left(Custom().size() - 4)); },
         "eleven/Custom.txt:7: error:", "the seconds centre's y is missing (the file ends)"},
        {"word", [](SkinCheckTest& t) { t.Make("word", "Arial\nbig\n255 255 255\n"); },
         "word/Custom.txt:2: error:", "the font size is missing (found \"big\")"},
        {"colour", [](SkinCheckTest& t) { t.Make("colour", Custom("Arial", 18, "300 -5 128")); },
         "colour/Custom.txt:3: warning:",
         "the colour's red 300 is outside 0 to 255: the clock takes 255"},
        {"large", [](SkinCheckTest& t) { t.Make("large", Custom(), QSize(300, 100)); },
         "large/Back.bmp: warning:", "300 x 100, not 250 x 90: the clock shows its top-left"},
        {"small", [](SkinCheckTest& t) { t.Make("small", Custom(), QSize(100, 50)); },
         "small/Back.bmp: warning:", "right of x 100 and below y 50"},
        {"double",
         [](SkinCheckTest& t) {
             t.Make("double", Custom());
             QImage twice(400, 180, QImage::Format_RGB32);
             twice.fill(Qt::black);
             ASSERT_TRUE(twice.save(t.Folder("double/Back@2x.jpg")));
         },
         "double/Back@2x.jpg: warning:", "400 x 180, not twice the picture's 250 x 90"},
        {"offside",
         [](SkinCheckTest& t) {
             t.Make("offside", "Arial\n18\n255 255 255\n0 0\n150 52\n186 52\n222 52\n");
         },
         "offside/Custom.txt:4: warning:", "the days box, 66 x 46 at (-33, -23), lies partly off"},
        {"wide", [](SkinCheckTest& t) { t.Make("wide", Custom("Arial", 40)); },
         "wide/Custom.txt:4: warning:", "the days at their widest (999) are"},
        {"unknown", [](SkinCheckTest& t) { t.Make("unknown", Custom("No Such Face Anywhere")); },
         "unknown/Custom.txt:1: warning:", "\"No Such Face Anywhere\" is not installed"},
        {"pale", [](SkinCheckTest& t) { t.Make("pale", Custom("Arial", 18, "30 40 70")); },
         "pale/Custom.txt:3: warning:", "contrast of 1.1:1 against the picture in the days box"},
        {"defaults", [](SkinCheckTest& t) { t.Make("defaults", QByteArray()); },
         "defaults: note:", "no Custom.txt"},
        {"trailing", [](SkinCheckTest& t) { t.Make("trailing", Custom() + "\nby me\n"); },
         "trailing/Custom.txt:9: note:", "text after the twelfth number is ignored"},
        {"both",
         [](SkinCheckTest& t) {
             t.Make("both", Custom());
             QImage image(250, 90, QImage::Format_RGB32);
             image.fill(Qt::black);
             ASSERT_TRUE(image.save(t.Folder("both/Back.jpg")));
         },
         "both/Back.bmp: note:", "the clock shows the bitmap"},
        {"pipe",
         [](SkinCheckTest& t) {
             t.Make("pipe", QByteArray());
             ASSERT_EQ(::mkfifo(QFile::encodeName(t.Folder("pipe/Custom.txt")), 0600), 0);
         },
         "pipe/Custom.txt: error:", "not a regular file: the clock marks the skin broken"},
    };
    for (const auto& row : rows) {
        row.Setup(*this);
        const QStringList said = Said(row.Name);
        EXPECT_TRUE(Has(said, row.Start, row.Part)) << row.Name << ":\n"
                                                    << said.join('\n').toStdString();
        // An error exactly where the clock cannot show the skin.
        TSkin skin;
        const bool error = Has(said, row.Name, ": error:");
        EXPECT_EQ(error, !skin.LoadFromFolder(Folder(row.Name))) << row.Name;
    }
}

TEST_F(SkinCheckTest, HostileSkinsGetAnErrorNeverACrashOrAHang) {
    QImage image(250, 90, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(image.save(&buffer, "JPG"));
    }
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    qToBigEndian<quint16>(20000, huge.data() + sof + 5);
    qToBigEndian<quint16>(20000, huge.data() + sof + 7);
    const struct {
        const char* Name;
        const char* File;
        QByteArray Bytes; // written as File; null: made by the rows below
        const char* Says;
    } rows[] = {
        {"half", "Back.jpg", jpeg.left(jpeg.size() / 2), "truncated"},
        {"noise", "Back.jpg", QByteArray("\xff\xd8\xff garbage", 12), "not a readable JPEG"},
        {"nothing", "Back.jpg", QByteArray(""), "an empty file"},
        {"huge", "Back.jpg", huge, "cannot be shown"},
        {"fifo", "Back.bmp", QByteArray(), "not a regular file"},
        {"zero", "Back.bmp", QByteArray(), "not a regular file"}};
    for (const auto& row : rows) {
        QDir().mkpath(Folder(row.Name));
        const QString path = Folder(QString(row.Name) + "/" + row.File);
        if (!row.Bytes.isNull())
            WriteFile(QString(row.Name) + "/" + row.File, row.Bytes);
        else if (QByteArray(row.Name) == "fifo")
            ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0);
        else
            ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(path).constData()), 0);
        const QStringList said = Said(row.Name);
        EXPECT_TRUE(Has(said, QString(row.Name) + "/" + row.File + ": error:", row.Says))
            << row.Name << ":\n"
            << said.join('\n').toStdString();
    }
    // Checked as a category, each is still a skin with its reason.
    QProcess tool;
    tool.start(Tool(), {"check", SkinsRoot()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    const QByteArray out = tool.readAllStandardOutput();
    EXPECT_TRUE(out.contains("zero/Back.bmp: error: the picture cannot be shown: not a regular"))
        << out.toStdString();
}

TEST_F(SkinCheckTest, TheToolsVerdictsAndAMadeSkinThatPassesStrict) {
    const auto run = [](const QStringList& args, QByteArray* out = nullptr) {
        QProcess p;
        p.start(Tool(), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        if (out)
            *out = p.readAllStandardOutput() + p.readAllStandardError();
        return p.exitCode();
    };
    Make("Cat/good", Custom());
    Make("Cat/pale", Custom("Arial", 18, "30 40 70"));
    QDir().mkpath(Folder("broken"));
    EXPECT_EQ(run({"check", Folder("Cat/good")}), 0);
    EXPECT_EQ(run({"check", "--strict", Folder("Cat/good")}), 0);
    EXPECT_EQ(run({"check", Folder("Cat")}), 0); // a warning is no failure
    EXPECT_EQ(run({"check", "--strict", Folder("Cat")}), 2);
    EXPECT_EQ(run({"check", "--strict", Folder("Cat"), Folder("broken")}), 1);
    EXPECT_EQ(run({"check", Folder("nowhere")}), 1);
    EXPECT_EQ(run({"render", Folder("broken"), "-o", Folder("x.png")}), 1);
    EXPECT_EQ(run({"render", Folder("Cat/good"), "-o", Folder("x.png"), "--time", "1:99:0:0"}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
    QByteArray version;
    EXPECT_EQ(run({"--version"}, &version), 0);
    EXPECT_EQ(version, "korvane5-skin " KORVANE5_VERSION "\n");

    // A picture of a bright top and a dark bottom, large enough for the double size.
    QImage photo(1200, 600, QImage::Format_RGB32);
    photo.fill(QColor(240, 230, 200));
    for (int y = 300; y < 600; ++y)
        for (int x = 0; x < 1200; ++x)
            photo.setPixel(x, y, qRgb(20, 40, 30));
    ASSERT_TRUE(photo.save(Folder("photo.png")));
    QByteArray out;
    EXPECT_EQ(run({"new", Folder("Made"), "--picture", Folder("photo.png")}, &out), 0)
        << out.toStdString();
    EXPECT_EQ(QImage(Folder("Made/Back.jpg")).size(), QSize(250, 90));
    EXPECT_EQ(QImage(Folder("Made/Back@2x.jpg")).size(), QSize(500, 180));
    EXPECT_EQ(run({"check", "--strict", Folder("Made")}, &out), 0) << out.toStdString();
    // Never over an existing skin, never from what is no picture.
    EXPECT_EQ(run({"new", Folder("Made"), "--picture", Folder("photo.png")}), 1);
    EXPECT_EQ(run({"new", Folder("Other"), "--picture", Folder("Cat/good/Custom.txt")}), 1);

    EXPECT_EQ(run({"render", Folder("Made"), "-o", Folder("made.png"), "--scale", "2"}), 0);
    EXPECT_EQ(QImage(Folder("made.png")).size(), QSize(500, 180));
    EXPECT_EQ(run({"sheet", SkinsRoot(), "-o", Folder("sheet.png")}), 0);
    EXPECT_FALSE(QImage(Folder("sheet.png")).isNull());
}

// Run from scripts and cron, the kit says nothing but its findings, whatever the locale,
// without a runtime folder too.
TEST_F(SkinCheckTest, TheToolSaysOnlyItsFindingsInAnyLocale) {
    Make("Cat/good", Custom());
    for (const TLocaleRow& row : LocaleRows) {
        QProcessEnvironment env = EnvironmentIn(row);
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(Tool(), {"check", "--strict", Folder("Cat/good")});
        EXPECT_TRUE(p.waitForFinished(60000)) << row.Name;
        EXPECT_EQ(p.exitCode(), 0) << row.Name;
        EXPECT_EQ(p.readAllStandardError(), "") << row.Name;
    }
}

TEST(SkinCheckTest_Luminance, ContrastIsTheWcagRatio) {
    EXPECT_NEAR(TSkinCheck::Contrast(TSkinCheck::Luminance(qRgb(255, 255, 255)),
                                     TSkinCheck::Luminance(qRgb(0, 0, 0))),
                21.0, 1e-9);
    EXPECT_NEAR(TSkinCheck::Contrast(TSkinCheck::Luminance(qRgb(118, 118, 118)),
                                     TSkinCheck::Luminance(qRgb(255, 255, 255))),
                4.54, 0.01);
}
