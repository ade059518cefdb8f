// SPDX-License-Identifier: GPL-3.0-or-later
// The skin kit, korvane5-skin, run as its users run it: what it says, what it writes and
// what it leaves. Every run must also leave the session bus and the settings store alone.

#include "support/SkinFixtures.h"

#include <QBuffer>
#include <QProcess>
#include <QtEndian>
#include <fcntl.h>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct TKitRun {
    bool Finished = false;
    int Exit = -1;
    QByteArray Said; // standard output, then standard error
    int BusConnections = 0;
};

bool Exists(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

QByteArray Contents(const QByteArray& path) {
    QFile f(QString::fromLatin1(path)); // the tests' own paths are ASCII
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// A PNG chunk: length, type and data, and the CRC-32 of type and data.
QByteArray PngChunk(const QByteArray& typeAndData) {
    quint32 crc = 0xffffffff;
    for (const char byte : typeAndData) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? 0xedb88320 ^ (crc >> 1) : crc >> 1;
    }
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(typeAndData.size() - 4), chunk.data());
    chunk += typeAndData;
    chunk.resize(chunk.size() + 4);
    qToBigEndian<quint32>(~crc, chunk.data() + chunk.size() - 4);
    return chunk;
}

// The start of a PNG file that declares a size: as far as its pixels begin.
QByteArray DeclaredPng(int width, int height) {
    QByteArray header = QByteArray("IHDR") + QByteArray(13, '\0'); // 8-bit red, green, blue
    qToBigEndian<quint32>(quint32(width), header.data() + 4);
    qToBigEndian<quint32>(quint32(height), header.data() + 8);
    header[12] = 8;
    header[13] = 2;
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk(header) + PngChunk("IDAT");
}

// A session bus that only counts who connects, and hangs up on them at once.
class TBusListener {
public:
    explicit TBusListener(const QByteArray& path) {
        Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        EXPECT_LT(path.size(), qsizetype(sizeof address.sun_path));
        std::copy(path.begin(), path.end(), address.sun_path);
        EXPECT_EQ(::bind(Fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(::listen(Fd, 16), 0);
    }
    ~TBusListener() { ::close(Fd); }
    TBusListener(const TBusListener&) = delete;
    TBusListener& operator=(const TBusListener&) = delete;
    void Accept() {
        for (int c; (c = ::accept(Fd, nullptr, nullptr)) >= 0; ++Connections)
            ::close(c);
    }
    int Connections = 0;

private:
    int Fd = -1;
};

} // namespace

class SkinKitTest : public SkinFixture {
public: // the table's rows set things up through it
    using SkinFixture::Folder;
    using SkinFixture::Program;
    QByteArray T() const { return QFile::encodeName(Program.path()); }
    QByteArray Skins() const { return T() + "/Skins"; }

    // Runs the kit through the shell, so that an argument can be any bytes: in command,
    // `kit` is the kit, $T the test's folder, $E9 the byte 0xe9 (é in Latin-1) and $LOCKED
    // what makes the kit obey the folders' modes when the tests run as root. The session
    // bus is a socket of the test's that counts who connects; the store's folders are
    // empty ones of the test's.
    TKitRun Run(const QByteArray& command) {
        TKitRun run;
        ::unlink(T() + "/bus");
        TBusListener bus(T() + "/bus");
        QDir().mkpath(Program.filePath("home/config"));
        QDir().mkpath(Program.filePath("home/data"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KIT", KORVANE5_BINARY_DIR "/korvane5-skin");
        env.insert("T", Program.path());
        env.insert("LOCKED",
                   ::geteuid() == 0 ? "setpriv --bounding-set -dac_override,-dac_read_search" : "");
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + Program.filePath("bus"));
        env.insert("XDG_CONFIG_HOME", Program.filePath("home/config"));
        env.insert("XDG_DATA_HOME", Program.filePath("home/data"));
        // No allocation beyond 64 MiB, whatever the command and the picture (where the
        // tests run with AddressSanitizer).
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") +
                                       ":max_allocation_size_mb=64:allocator_may_return_null=1");
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(Program.path());
        p.start("/bin/sh", {"-c", "E9=$(printf '\\351'); kit() { \"$KIT\" \"$@\"; }; " +
                                      QString::fromLatin1(command)});
        for (int waited = 0; waited < 90000 && !run.Finished; waited += 50) {
            run.Finished = p.waitForFinished(50);
            bus.Accept();
        }
        if (!run.Finished) {
            p.kill();
            p.waitForFinished();
        }
        bus.Accept();
        run.BusConnections = bus.Connections;
        ::unlink(T() + "/bus");
        run.Exit = p.exitCode();
        run.Said = p.readAllStandardOutput() + p.readAllStandardError();
        return run;
    }
    void Good(const QString& rel) { MakeSkin(rel, QColor(20, 30, 60)); }
    void Picture(const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(30, 120, 40));
        ASSERT_TRUE(image.save(Program.filePath(name)));
    }
    // A skin, then renamed to a name of any bytes.
    void Renamed(const QString& rel, const QByteArray& to) {
        Good(rel);
        ASSERT_EQ(::rename(QFile::encodeName(Folder(rel)).constData(), (Skins() + "/" + to)), 0);
    }
    void Link(const QByteArray& target, const QByteArray& rel) {
        ASSERT_EQ(::symlink(target.constData(), (Skins() + "/" + rel).constData()), 0);
    }
    // Folders L0 to L(levels - 1) in Deep, each holding two links to the next; the last
    // is a skin.
    void Diamond(int levels) {
        for (int i = 0; i < levels; ++i)
            QDir().mkpath(Folder(QString("Deep/L%1").arg(i)));
        Good(QString("Deep/L%1").arg(levels - 1));
        for (int i = 0; i + 1 < levels; ++i)
            for (const char* name : {"a", "b"})
                Link("../L" + QByteArray::number(i + 1),
                     "Deep/L" + QByteArray::number(i) + "/" + name);
    }
    static int Lines(const QByteArray& said) { return int(said.count('\n')); }
};

TEST_F(SkinKitTest, EachFaultOfTheKitHasItsRow) {
    const struct {
        const char* Name;
        std::function<void(SkinKitTest&)> Setup;
        const char* Command;
        int Exit;
        const char* Says; // a part of what it prints
        std::function<void(SkinKitTest&, const TKitRun&)> Then;
    } rows[] = {
        // Drawing needs no clock: no notification, no bus, no tray, no store.
        {"render", [](SkinKitTest& t) { t.Good("Good"); },
         "kit render \"$T/Skins/Good\" -o \"$T/r.png\"", 0, "",
         [](SkinKitTest& t, const TKitRun&) {
             EXPECT_EQ(QImage(QString::fromLatin1(t.T() + "/r.png")).size(), QSize(250, 90));
         }},
        {"sheet", [](SkinKitTest& t) { t.Good("Good"); }, "kit sheet \"$T/Skins\" -o \"$T/s.png\"",
         0, "",
         [](SkinKitTest& t, const TKitRun&) {
             EXPECT_FALSE(QImage(QString::fromLatin1(t.T() + "/s.png")).isNull());
         }},
        // A failed write is said, with its reason, and leaves nothing half-written.
        {"device that is full", [](SkinKitTest& t) { t.Good("Good"); },
         "kit render \"$T/Skins/Good\" -o /dev/full", 1,
         "cannot write /dev/full: No space left on device", nullptr},
        {"file that cannot be made", [](SkinKitTest& t) { t.Good("Good"); },
         "kit render \"$T/Skins/Good\" -o /proc/version", 1,
         "cannot write /proc/version: ", nullptr},
        {"sheet on a full device", [](SkinKitTest& t) { t.Good("Good"); },
         "kit sheet \"$T/Skins\" -o /dev/full", 1, "cannot write /dev/full: ", nullptr},
        {"write beyond the file size limit",
         [](SkinKitTest& t) {
             t.Good("Good");
             QFile f(t.Program.filePath("r.png"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("old");
         },
         "trap '' XFSZ; ulimit -f 1; kit render \"$T/Skins/Good\" -o \"$T/r.png\"", 1,
         "r.png: File too large",
         [](SkinKitTest& t, const TKitRun&) {
             EXPECT_EQ(Contents(t.T() + "/r.png"), "old");
             EXPECT_EQ(QDir(t.Program.path()).entryList({"*r.png*"}, QDir::Files | QDir::Hidden),
                       QStringList{"r.png"});
         }},
        {"new whose pictures cannot be written",
         [](SkinKitTest& t) { t.Picture("p.png", QSize(640, 300)); },
         "trap '' XFSZ; ulimit -f 1; kit new \"$T/Made\" --picture \"$T/p.png\"", 1,
         "File too large",
         [](SkinKitTest& t, const TKitRun&) { EXPECT_FALSE(Exists(t.T() + "/Made")); }},
        // Folder names that are not UTF-8: taken, shown as the clock's chooser shows them,
        // made as given.
        {"category holding a Latin-1 name",
         [](SkinKitTest& t) { t.Renamed("Pack/x", "Pack/Caf\xe9"); }, "kit check \"$T/Skins/Pack\"",
         0, "Pack/Caf\xc3\xa9/Custom.txt:1: warning:", nullptr},
        {"Latin-1 skin folder given", [](SkinKitTest& t) { t.Renamed("Pack/x", "Pack/Caf\xe9"); },
         "kit check \"$T/Skins/Pack/Caf$E9\"", 0,
         "Pack/Caf\xc3\xa9/Custom.txt:1: warning:", nullptr},
        {"Latin-1 skin rendered to a Latin-1 file",
         [](SkinKitTest& t) { t.Renamed("Pack/x", "Pack/Caf\xe9"); },
         "kit render \"$T/Skins/Pack/Caf$E9\" -o \"$T/r$E9.png\"", 0, "",
         [](SkinKitTest& t, const TKitRun&) { EXPECT_TRUE(Exists(t.T() + "/r\xe9.png")); }},
        {"new in a Latin-1 folder", [](SkinKitTest& t) { t.Picture("p.png", QSize(640, 300)); },
         "kit new \"$T/Made$E9\" --picture \"$T/p.png\"", 0, "made ",
         [](SkinKitTest& t, const TKitRun&) {
             EXPECT_TRUE(Exists(t.T() + "/Made\xe9/Back.jpg"));
             EXPECT_FALSE(Exists(t.T() + "/Made\xef\xbf\xbd"));
         }},
        // A picture of a few bytes never takes much memory.
        {"60000 x 1 picture", [](SkinKitTest& t) { t.Picture("wide.png", QSize(60000, 1)); },
         "kit new \"$T/Made\" --picture \"$T/wide.png\"", 0, "made ",
         [](SkinKitTest& t, const TKitRun&) {
             EXPECT_EQ(QImage(QString::fromLatin1(t.T() + "/Made/Back.jpg")).size(),
                       QSize(250, 90));
             EXPECT_FALSE(Exists(t.T() + "/Made/Back@2x.jpg"));
         }},
        {"200000 x 1 picture", [](SkinKitTest& t) { t.Picture("wide.png", QSize(200000, 1)); },
         "kit new \"$T/Made\" --picture \"$T/wide.png\"", 0, "made ", nullptr},
        {"picture beyond the limit",
         [](SkinKitTest& t) {
             QFile f(t.Program.filePath("huge.png"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(DeclaredPng(70000, 70000));
         },
         "kit new \"$T/Made\" --picture \"$T/huge.png\"", 1, "huge.png is 70000 x 70000",
         [](SkinKitTest& t, const TKitRun&) { EXPECT_FALSE(Exists(t.T() + "/Made")); }},
        // Links: every folder entered once, none followed out through the file system.
        {"two links a level, 14 levels", [](SkinKitTest& t) { t.Diamond(14); },
         "kit check \"$T/Skins/Deep\"", 1, "",
         [](SkinKitTest&, const TKitRun& run) { EXPECT_LT(Lines(run.Said), 64); }},
        {"link to the root of the file system",
         [](SkinKitTest& t) {
             t.Good("Out/Good");
             t.Link("/", "Out/Everything");
         },
         "kit check \"$T/Skins/Out\"", 0, "Out/Good/Custom.txt:1: warning:",
         [](SkinKitTest&, const TKitRun& run) { EXPECT_LT(Lines(run.Said), 5); }},
        {"link out of the pack to a skin",
         [](SkinKitTest& t) {
             t.Good("Pack/Real");
             QDir().mkpath(t.Program.filePath("Elsewhere"));
             ASSERT_TRUE(
                 QDir().rename(t.Folder("Pack/Real"), t.Program.filePath("Elsewhere/Mine")));
             t.Good("Pack/Other");
             t.Link(t.T() + "/Elsewhere/Mine", "Pack/Mine");
         },
         "kit check \"$T/Skins/Pack\"", 0, "Pack/Mine/Custom.txt:1: warning:", nullptr},
        // Folders that cannot be read, and names that look like options.
        {"unreadable skin folder", [](SkinKitTest& t) { t.Good("Locked"); },
         "chmod 0 \"$T/Skins/Locked\"; $LOCKED \"$KIT\" check \"$T/Skins/Locked\"; e=$?; "
         "chmod 755 \"$T/Skins/Locked\"; exit $e",
         1, "Skins/Locked: error: cannot be read: Permission denied", nullptr},
        {"unreadable folder in a category",
         [](SkinKitTest& t) {
             t.Good("Cat/Good");
             t.Good("Cat/Locked");
         },
         "chmod 0 \"$T/Skins/Cat/Locked\"; $LOCKED \"$KIT\" check \"$T/Skins/Cat\"; e=$?; "
         "chmod 755 \"$T/Skins/Cat/Locked\"; exit $e",
         1, "Cat/Locked: error: cannot be read: Permission denied", nullptr},
        {"folder named --scale",
         [](SkinKitTest& t) {
             t.Good("Good");
             ASSERT_TRUE(QDir().rename(t.Folder("Good"), t.Program.filePath("--scale")));
         },
         "kit check -- --scale", 0, "--scale/Custom.txt:1: warning:", nullptr},
        {"folder named -o rendered",
         [](SkinKitTest& t) {
             t.Good("Good");
             ASSERT_TRUE(QDir().rename(t.Folder("Good"), t.Program.filePath("-o")));
         },
         "kit render -o \"$T/r.png\" -- -o", 0, "",
         [](SkinKitTest& t, const TKitRun&) { EXPECT_TRUE(Exists(t.T() + "/r.png")); }},
        {"option of another command", [](SkinKitTest& t) { t.Good("Good"); },
         "kit check --scale 2 \"$T/Skins/Good\"", 2, "scale", nullptr},
        {"picture given to render", [](SkinKitTest& t) { t.Good("Good"); },
         "kit render \"$T/Skins/Good\" -o \"$T/r.png\" --picture \"$T/r.png\"", 2, "picture",
         [](SkinKitTest& t, const TKitRun&) { EXPECT_FALSE(Exists(t.T() + "/r.png")); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        // Each row in a folder of its own.
        std::error_code ignored;
        std::filesystem::remove_all(T().toStdString(), ignored);
        QDir().mkpath(SkinsRoot());
        row.Setup(*this);
        const TKitRun run = Run(row.Command);
        EXPECT_TRUE(run.Finished);
        if (!run.Finished)
            continue;
        EXPECT_EQ(run.Exit, row.Exit) << run.Said.toStdString();
        EXPECT_TRUE(run.Said.contains(row.Says)) << run.Said.toStdString();
        EXPECT_EQ(run.BusConnections, 0);
        EXPECT_TRUE(QDir(Program.filePath("home/config")).isEmpty());
        EXPECT_TRUE(QDir(Program.filePath("home/data")).isEmpty());
        if (row.Then)
            row.Then(*this, run);
    }
}
