// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RegistryFile.h"
#include "store/Registry.h"
#include "support/ClockTest.h"
#include "support/Locales.h"

#include <QProcess>
#include <QTest>

using namespace store;

namespace {
QByteArray Utf16LeWithBom(const QString& text) {
    QByteArray out("\xff\xfe");
    for (const QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

QString Tool() {
    return QStringLiteral(KORVANE5_BINARY_DIR "/korvane5-settings");
}
} // namespace

class RegistryFileTest : public ClockTest {
protected:
    TSettingsStore& Store() { return TSettingsStore::User(); }
    std::optional<TStoredValue> Get(const QString& key, const QString& name) {
        const auto id = Store().FindKey(key);
        return id ? Store().Value(*id, name) : std::nullopt;
    }
};

TEST_F(RegistryFileTest, ExportAndImportKeepEveryValueType) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\0\\Skins", true));
    reg.WriteString("Current", "Holidays\\Snow \"2\"");
    reg.WriteString("", "default value");
    reg.WriteString("Lines", "one\ntwo");
    reg.WriteValue({"Expand", vtExpandString, QByteArray("%HOME%\\x")});
    reg.WriteValue({"Multi", vtMultiString, QByteArray("a\0\0\0\0\0", 6)});
    reg.WriteInteger("Negative", -2);
    reg.WriteFloat("CustomDateTime", 46095.75);
    reg.WriteValue({"Big", vtBinary, QByteArray(100, '\x5a')});
    // Names with line breaks and other control characters (skin folders may have them),
    // and text that ends in zero bytes, come back exactly.
    reg.WriteString("line\nbreak\r\tand\x01\x7f \\n", "x");
    reg.WriteValue({"Zeros", vtString, QByteArray("ab\0\0", 4)});
    reg.WriteValue({"Control", vtString, QByteArray("a\x02b")});
    const QString text = *regfile::Export(Store());
    EXPECT_TRUE(text.startsWith("Windows Registry Editor Version 5.00\n\n"));
    EXPECT_TRUE(text.contains("[HKEY_CURRENT_USER\\Software\\Korvane5\\0\\Skins]\n"));
    EXPECT_TRUE(text.contains("\"Current\"=\"Holidays\\\\Snow \\\"2\\\"\"\n"));
    EXPECT_TRUE(text.contains("@=\"default value\"\n"));
    EXPECT_TRUE(text.contains("\"Negative\"=dword:fffffffe\n"));
    EXPECT_TRUE(text.contains("\"Lines\"=hex(1):"));
    for (const QString& line : text.split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();

    const std::vector<TStoredValue> before =
        Store().Values(*Store().FindKey("Software\\Korvane5\\0\\Skins"));
    ASSERT_TRUE(Store().DeleteKey("Software"));
    EXPECT_FALSE(regfile::Import(Store(), text.toUtf8()).has_value());
    const std::vector<TStoredValue> after =
        Store().Values(*Store().FindKey("Software\\Korvane5\\0\\Skins"));
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].Name, before[i].Name);
        EXPECT_EQ(after[i].Type, before[i].Type) << before[i].Name.toStdString();
        EXPECT_EQ(after[i].Data, before[i].Data) << before[i].Name.toStdString();
    }
}

TEST_F(RegistryFileTest, ImportsTheRegistryEditorsOwnFiles) {
    // As the Windows registry editor saves it: UTF-16LE with a byte-order mark, CR LF.
    const QString file = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\Korvane5\\2]\r\n"
                                        "\"AlwaysOnTop\"=dword:00000001\r\n"
                                        "\"Left\"=dword:ffffff9c\r\n"
                                        "\"CustomDateTime\"=hex:00,00,00,00,00,80,46,40\r\n"
                                        "\"Note\"=hex(2):25,00,55,00,\\\r\n"
                                        "  53,00,45,00,52,00,25,00,00,00\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\Korvane5\\2\\Skins]\r\n"
                                        "\"Current\"=\"Caf\u00e9\"\r\n");
    EXPECT_FALSE(regfile::Import(Store(), Utf16LeWithBom(file)).has_value());
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\2"));
    EXPECT_EQ(reg.ReadInteger("Left"), -100);
    EXPECT_EQ(reg.ReadFloat("CustomDateTime"), 45.0);
    EXPECT_EQ(reg.ReadString("Note"), "%USER%");
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\2\\Skins"));
    EXPECT_EQ(reg.ReadString("Current"), QString::fromUtf8("Caf\u00e9"));
}

TEST_F(RegistryFileTest, ReadsRegedit4AndDeletions) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\1\\Skins\\Random", true));
    reg.WriteString("Old", "");
    ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\1", true));
    reg.WriteInteger("Opacity", 51);
    reg.WriteInteger("Top", 3);
    const QByteArray file("REGEDIT4\n\n"
                          "; a comment\n"
                          "[-HKEY_CURRENT_USER\\Software\\Korvane5\\1\\Skins]\n"
                          "[HKEY_CURRENT_USER\\Software\\Korvane5\\1]\n"
                          "\"Opacity\"=-\n"
                          "\"Name\"=hex(2):41,42,00\n");
    EXPECT_FALSE(regfile::Import(Store(), file).has_value());
    EXPECT_FALSE(Store().FindKey("Software\\Korvane5\\1\\Skins").has_value());
    EXPECT_FALSE(Get("Software\\Korvane5\\1", "Opacity").has_value());
    EXPECT_TRUE(Get("Software\\Korvane5\\1", "Top").has_value());
    EXPECT_EQ(Get("Software\\Korvane5\\1", "Name")->Data, "AB");
}

TEST_F(RegistryFileTest, ABadLineIsNamedAndNothingChanges) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\0", true));
    reg.WriteInteger("Left", 10);
    const struct {
        const char* text;
        int line;
    } cases[] = {
        {"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Korvane5\\0]\n"
         "\"Left\"=dword:00000001\n\"Top\"=dword:123456789\n",
         5},
        {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\Software]\n", 2},
        {"Windows Registry Editor Version 5.00\n\"Left\"=dword:1\n", 2},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:1,zz\n", 3},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"x=\"1\"\n", 3},
        {"Windows Registry Editor Version 4.00\n", 1},
        {"[HKEY_CURRENT_USER\\A]\n", 1},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\tB]\n", 2},
    };
    for (const auto& c : cases) {
        const auto error = regfile::Import(Store(), QByteArray(c.text));
        ASSERT_TRUE(error.has_value()) << c.text;
        EXPECT_EQ(error->Line, c.line) << c.text << error->Message.toStdString();
    }
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0"));
    EXPECT_EQ(reg.ReadInteger("Left"), 10);
    EXPECT_FALSE(Store().FindKey("A").has_value());
}

TEST_F(RegistryFileTest, CommandLineToolReportsBadInputWithItsStatus) {
    // What the tool prints, and where: its answers on standard output, its complaints on
    // standard error.
    QByteArray out, err;
    auto run = [&out, &err](const QStringList& args) {
        QProcess p;
        p.start(Tool(), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        out = p.readAllStandardOutput();
        err = p.readAllStandardError();
        return p.exitCode();
    };
    EXPECT_EQ(run({"set", "Software\\Korvane5\\3\\", "Left", "--dword", "-7"}), 0);
    EXPECT_EQ(run({"get", "Software\\Korvane5\\3", "left"}), 0);
    EXPECT_EQ(out, "dword:fffffff9\n");
    EXPECT_EQ(run({"set", "Software\\Korvane5\\3", "Left", "--dword", "5000000000"}), 2);
    EXPECT_EQ(run({"set", "Software\\Korvane5\\3", "CustomDateTime", "--binary", "00 01 0"}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
    EXPECT_EQ(run({"set", "Software\\Korvane5\\3\nx", "Left", "--dword", "1"}), 1);
    EXPECT_TRUE(err.contains("control characters")) << err.toStdString();
    // Only regular files are imported, and none without bound.
    EXPECT_EQ(run({"import", "/dev/zero"}), 1);
    EXPECT_TRUE(err.contains("not a regular file")) << err.toStdString();
    EXPECT_EQ(run({"get", "Software\\Korvane5\\3", "Nothing"}), 1);
    EXPECT_TRUE(err.contains("no value")) << err.toStdString();
    EXPECT_EQ(run({"export", "HKEY_LOCAL_MACHINE\\Software"}), 1);
    EXPECT_EQ(run({"delete", "Software\\Korvane5\\3", "Left"}), 0);
    EXPECT_EQ(run({"delete", "Software\\Korvane5\\3", "Left"}), 1);
    EXPECT_EQ(run({"export", "Software\\Korvane5\\3\\"}), 0);
    EXPECT_TRUE(out.contains("[HKEY_CURRENT_USER\\Software\\Korvane5\\3]"));
}

// Run from scripts and cron, the tool says nothing but its answer, whatever the locale.
TEST_F(RegistryFileTest, TheToolSaysOnlyItsAnswerInAnyLocale) {
    QProcess set;
    set.start(Tool(), {"set", "Software\\Korvane5\\0\\", "Left", "--dword", "300"});
    ASSERT_TRUE(set.waitForFinished(30000));
    ASSERT_EQ(set.exitCode(), 0) << set.readAllStandardError().toStdString();
    for (const TLocaleRow& row : LocaleRows) {
        QProcess p;
        p.setProcessEnvironment(EnvironmentIn(row));
        p.start(Tool(), {"get", "Software\\Korvane5\\0\\", "Left"});
        EXPECT_TRUE(p.waitForFinished(30000)) << row.Name;
        EXPECT_EQ(p.exitCode(), 0) << row.Name;
        EXPECT_EQ(p.readAllStandardOutput(), "dword:0000012c\n") << row.Name;
        EXPECT_EQ(p.readAllStandardError(), "") << row.Name;
    }
}

TEST_F(RegistryFileTest, TheToolReadsStandardInputToItsEndAllOrNothing) {
    const QByteArray header = "Windows Registry Editor Version 5.00\n\n";
    const QByteArray left =
        "[HKEY_CURRENT_USER\\Software\\Korvane5\\0]\n\"Left\"=dword:00000010\n\n";
    const QByteArray skin =
        "[HKEY_CURRENT_USER\\Software\\Korvane5\\0\\Skins]\n\"Current\"=\"Big\"\n";
    // A producer that writes in pieces, with pauses between them.
    const auto import = [](const QList<QByteArray>& pieces, QByteArray* out) {
        QProcess p;
        p.start(Tool(), {"import", "-"});
        EXPECT_TRUE(p.waitForStarted());
        for (const QByteArray& piece : pieces) {
            p.write(piece);
            p.waitForBytesWritten();
            QTest::qWait(300);
        }
        p.closeWriteChannel();
        // A tool past the bound ends while the last piece is written: the pause has then
        // seen it end, and waitForFinished says false for a process already ended.
        p.waitForFinished(30000);
        EXPECT_EQ(p.state(), QProcess::NotRunning);
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        *out = p.readAllStandardError();
        return p.exitCode();
    };
    QByteArray out;
    EXPECT_EQ(import({header + left, skin.left(20), skin.mid(20)}, &out), 0) << out.toStdString();
    EXPECT_EQ(Get("Software\\Korvane5\\0", "Left")->Data, QByteArray("\x10\0\0\0", 4));
    ASSERT_TRUE(Get("Software\\Korvane5\\0\\Skins", "Current").has_value());
    EXPECT_EQ(Get("Software\\Korvane5\\0\\Skins", "Current")->Data, "Big");
    // Beyond the bound nothing is imported, however the bytes came.
    const QByteArray comments = QByteArray(8 * 1024 * 1024, ';') + '\n';
    EXPECT_EQ(
        import({header + "[HKEY_CURRENT_USER\\Software\\Korvane5\\1]\n", comments, comments}, &out),
        1);
    EXPECT_TRUE(out.contains("more than")) << out.toStdString();
    EXPECT_FALSE(Store().FindKey("Software\\Korvane5\\1").has_value());
}
