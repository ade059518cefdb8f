// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsStore.h"
#include "store/Registry.h"
#include "support/ClockTest.h"
#include "support/FaultyVfs.h"
#include "support/HeldStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <sqlite3.h>

using namespace store;

namespace {
const QString Key = QStringLiteral("Software\\Korvane5\\0\\");

QString Hammer() {
    return QStringLiteral(KORVANE5_BINARY_DIR "/tests/korvane5-store-hammer");
}

QString ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const common::EException& e) {
        return e.Message();
    }
    return {};
}
} // namespace

class SettingsStoreTest : public ClockTest {
protected:
    TSettingsStore& Store() { return TSettingsStore::User(); }
};

TEST_F(SettingsStoreTest, NamesIgnoreLetterCaseAndKeepTheirOwn) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    reg.WriteInteger("StickToDesktop", 1);
    reg.WriteInteger("STICKTODESKTOP", 2); // same value, original name kept
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKeyReadOnly("software\\KORVANE5\\0"));
    EXPECT_TRUE(reg.ValueExists("sticktodesktop"));
    EXPECT_EQ(reg.ReadInteger("stickToDesktop"), 2);
    EXPECT_EQ(reg.GetValueNames(), QStringList{"StickToDesktop"});
    EXPECT_EQ(Store().SubKeyNames(*Store().FindKey("Software")), QStringList{"Korvane5"});
}

TEST_F(SettingsStoreTest, OpeningForReadingFailsOnMissingKeysAndCreatesNothing) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKeyReadOnly(Key));
    EXPECT_FALSE(Store().FindKey("Software").has_value());
    ASSERT_TRUE(reg.OpenKey(Key + "Skins\\Random\\", true));
    EXPECT_TRUE(reg.OpenKeyReadOnly(Key + "Skins"));
    EXPECT_THROW(reg.WriteInteger("x", 1), common::EException); // read-only
}

TEST_F(SettingsStoreTest, TypedReadsFailAsTheRegistryDoes) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    reg.WriteString("Short", "abc"); // 4 bytes with its terminator: fits an integer
    reg.WriteString("Long", "abcd"); // 5 bytes: does not
    reg.WriteValue({"Four", vtBinary, QByteArray(4, '\1')});
    reg.WriteValue({"Seven", vtBinary, QByteArray(7, '\1')});
    reg.WriteValue({"Nine", vtBinary, QByteArray(9, '\1')});
    reg.WriteValue({"Empty", vtBinary, {}});
    reg.WriteInteger("Int", 7);
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Short"); }), "Invalid data type for 'Short'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Long"); }), "Failed to get data for 'Long'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Four"); }), "Invalid data type for 'Four'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadFloat("Seven"); }), "Invalid data type for 'Seven'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadFloat("Nine"); }), "Failed to get data for 'Nine'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadFloat("Int"); }), "Invalid data type for 'Int'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("Int"); }), "Invalid data type for 'Int'");
    EXPECT_EQ(reg.ReadString("Empty"), ""); // nothing to read, nothing to check
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");

    std::int32_t untouched = 42;
    ReadIntegerIfPresent(reg, "Missing", untouched);
    EXPECT_EQ(untouched, 42);
    bool flag = false;
    ReadBoolIfPresent(reg, "Int", flag);
    EXPECT_TRUE(flag);
}

TEST_F(SettingsStoreTest, FloatsKeepEveryBitLeastSignificantByteFirst) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    const double value = 46095.123456789012;
    reg.WriteFloat("CustomDateTime", value);
    const QByteArray data = Store().Value(*Store().FindKey(Key), "CustomDateTime")->Data;
    ASSERT_EQ(data.size(), 8);
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    EXPECT_EQ(quint8(data[0]), bits & 0xff);
    EXPECT_EQ(quint8(data[7]), bits >> 56);
    const double back = reg.ReadFloat("CustomDateTime");
    EXPECT_EQ(std::memcmp(&back, &value, 8), 0);
}

TEST_F(SettingsStoreTest, DeletingAKeyTakesItsTreeAndListingKeepsOrder) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key + "Skins\\Random", true));
    reg.WriteString("b", "");
    reg.WriteString("A", "");
    reg.WriteString("c", "");
    EXPECT_EQ(reg.GetValueNames(), (QStringList{"b", "A", "c"}));
    EXPECT_TRUE(reg.DeleteValue("a"));
    EXPECT_FALSE(reg.DeleteValue("a"));
    reg.CloseKey();
    EXPECT_TRUE(reg.DeleteKey(Key + "SKINS\\"));
    EXPECT_FALSE(Store().FindKey(Key + "Skins\\Random").has_value());
    EXPECT_TRUE(Store().FindKey(Key).has_value());
    EXPECT_FALSE(reg.DeleteKey(Key + "Skins"));
    // Nothing stays behind in the file.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(Store().FilePath()), &db), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM vals", -1, &st, nullptr);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), 0);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

TEST_F(SettingsStoreTest, AGroupLandsWholeOrNotAtAll) {
    TRegistry reg;
    try {
        TSettingsStore::TTransaction t(Store());
        ASSERT_TRUE(reg.OpenKey(Key, true));
        reg.WriteInteger("Left", 1);
        throw common::EException(QStringLiteral("interrupted"));
    } catch (const common::EException&) {
    }
    EXPECT_FALSE(Store().FindKey(Key).has_value());
}

TEST_F(SettingsStoreTest, DamagedFileIsKeptAsideAndAFreshStoreStarts) {
    const QString path = ConfigPath("korvane5/settings.db");
    QDir().mkpath(ConfigPath("korvane5"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("this is not a database, but somebody's precious text\n").repeated(100));
    file.close();

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    reg.WriteInteger("Left", 5);
    const QString notice = Store().TakeNotice();
    EXPECT_TRUE(notice.contains("kept as")) << notice.toStdString();
    EXPECT_TRUE(Store().TakeNotice().isEmpty()); // told once
    const QStringList aside =
        QDir(ConfigPath("korvane5")).entryList({"settings.db.damaged-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(ConfigPath("korvane5/" + aside.first()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().startsWith("this is not a database"));
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenIsStillReadAndNothingIsKeptAside) {
    TFaultyVfs::Register();
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Key, true));
        reg.WriteInteger("Left", 42);
    }
    TSettingsStore::SetUserStorePath({}); // closes it
    for (const auto fault : {TFaultyVfs::TFault::ReadOnlyFile, TFaultyVfs::TFault::FullDisk}) {
        TFaultyVfs::Fault() = fault;
        TSettingsStore::SetVfs("faulty");
        TSettingsStore store(TSettingsStore::UserStorePath());
        ASSERT_TRUE(store.IsOpen());
        EXPECT_EQ(store.IsReadOnly(), fault == TFaultyVfs::TFault::ReadOnlyFile);
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKeyReadOnly(Key));
        EXPECT_EQ(reg.ReadInteger("Left"), 42);
        const auto write = [&](int left) {
            return ErrorOf([&] {
                TSettingsStore::TTransaction t(store);
                ASSERT_TRUE(reg.OpenKey(Key, true));
                reg.WriteInteger("Left", left);
                t.Commit();
            });
        };
        EXPECT_FALSE(write(7).isEmpty());
        // The user hears of it once, and nothing of a damaged file.
        const QString notice = store.TakeNotice();
        EXPECT_TRUE(notice.contains(
            fault == TFaultyVfs::TFault::ReadOnlyFile ? "can only be read" : "cannot be written"))
            << notice.toStdString();
        EXPECT_FALSE(notice.contains("kept as"));
        EXPECT_FALSE(write(8).isEmpty());
        EXPECT_TRUE(store.TakeNotice().isEmpty());
        TFaultyVfs::Fault() = TFaultyVfs::TFault::None;
        TSettingsStore::SetVfs({});
    }
    EXPECT_TRUE(
        QDir(ConfigPath("korvane5")).entryList({"settings.db.damaged-*"}, QDir::Files).isEmpty());
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Key));
    EXPECT_EQ(reg.ReadInteger("Left"), 42);
}

TEST_F(SettingsStoreTest, AHeldStoreFailsAsHeldWithinTheWaitAndIsOpenedOnceFree) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Key, true));
        reg.WriteInteger("Left", 42);
    }
    TSettingsStore::SetUserStorePath({}); // closes it
    const QString file = TSettingsStore::UserStorePath();
    for (const auto hold : {THeldStore::THold::Whole, THeldStore::THold::Writing}) {
        THeldStore other(file, hold);
        TSettingsStore store(file);
        TRegistry reg(store);
        QElapsedTimer waited;
        waited.start();
        {
            const TSettingsStore::TWait wait(store, 300);
            for (int call = 0; call < 3; ++call) { // one wait for them all
                try {
                    TSettingsStore::TTransaction t(store);
                    reg.OpenKey(Key, true);
                    reg.WriteInteger("Left", 7);
                    t.Commit();
                    ADD_FAILURE() << "written past the holder";
                } catch (const EStoreError& e) {
                    EXPECT_TRUE(e.Held()) << e.Message().toStdString();
                }
                // Only a holder of every lock keeps readers out.
                if (hold == THeldStore::THold::Whole)
                    EXPECT_THROW(reg.OpenKeyReadOnly(Key), EStoreError);
                else
                    EXPECT_TRUE(reg.OpenKeyReadOnly(Key));
            }
        }
        EXPECT_LT(waited.elapsed(), 1500);
        EXPECT_TRUE(store.TakeNotice().isEmpty()); // a moment's matter: nothing to tell
        other.Release();
        ASSERT_TRUE(reg.OpenKeyReadOnly(Key));
        EXPECT_EQ(reg.ReadInteger("Left"), 42);
    }
}

TEST_F(SettingsStoreTest, AReadThatFailsIsAnErrorNeverAnAbsentValue) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Key + "Skins", true));
        reg.WriteString("Current", "Snow");
    }
    TSettingsStore::SetUserStorePath({});
    TFaultyVfs::Register();
    TSettingsStore::SetVfs("faulty");
    bool failed = true;
    for (int n = 1; failed; ++n) {
        TSettingsStore store(TSettingsStore::UserStorePath());
        TFaultyVfs::FailRead(n);
        TRegistry reg(store);
        try {
            // Whatever read fails, the key and the value are never taken as missing.
            ASSERT_TRUE(reg.OpenKeyReadOnly(Key + "Skins")) << n;
            ASSERT_TRUE(reg.ValueExists("Current")) << n;
            EXPECT_EQ(reg.ReadString("Current"), "Snow") << n;
        } catch (const EStoreError& e) {
            EXPECT_FALSE(e.Held()) << n;
            EXPECT_TRUE(TFaultyVfs::ReadFailed()) << n;
            EXPECT_TRUE(store.TakeNotice().contains("could not be")) << n;
        }
        failed = TFaultyVfs::ReadFailed();
        TFaultyVfs::FailRead(0);
    }
    TSettingsStore::SetVfs({});
    EXPECT_TRUE(
        QDir(ConfigPath("korvane5")).entryList({"settings.db.damaged-*"}, QDir::Files).isEmpty());
}

namespace {
// Left, Top and the target of one clock, as a hammer writes them.
std::tuple<int, int, double> Group(TSettingsStore& store, int clock) {
    TRegistry reg(store);
    if (!reg.OpenKeyReadOnly(QStringLiteral("Software\\Korvane5\\%1\\").arg(clock)))
        return {-1, -1, -1};
    return {reg.ReadInteger("Left"), reg.ReadInteger("Top"), reg.ReadFloat("CustomDateTime")};
}
} // namespace

TEST_F(SettingsStoreTest, FiveClocksSavingAtOnceAllSucceed) {
    for (int processes : {2, 5}) {
        std::vector<std::unique_ptr<QProcess>> hammers;
        for (int clock = 0; clock < processes; ++clock) {
            hammers.push_back(std::make_unique<QProcess>());
            hammers.back()->setProcessChannelMode(QProcess::MergedChannels);
            hammers.back()->start(Hammer(), {QString::number(clock), "150"});
        }
        for (auto& h : hammers) {
            ASSERT_TRUE(h->waitForFinished(120000));
            EXPECT_EQ(h->exitCode(), 0);
            const QByteArray out = h->readAll();
            EXPECT_TRUE(out.contains("done")) << out.toStdString();
            EXPECT_FALSE(out.contains("locked")) << out.toStdString();
        }
        TSettingsStore store(TSettingsStore::UserStorePath());
        for (int clock = 0; clock < processes; ++clock)
            EXPECT_EQ(Group(store, clock), std::make_tuple(150, 150, 150.0)) << clock;
    }
}

TEST_F(SettingsStoreTest, AKilledWriterLeavesAWholeGroup) {
    for (int round = 0; round < 3; ++round) {
        QProcess hammer;
        hammer.start(Hammer(), {"1", "0"});
        ASSERT_TRUE(hammer.waitForReadyRead(60000));
        QThread::msleep(50 + 37 * round);
        ::kill(pid_t(hammer.processId()), SIGKILL);
        ASSERT_TRUE(hammer.waitForFinished(10000));

        TSettingsStore store(TSettingsStore::UserStorePath());
        ASSERT_TRUE(store.IsOpen());
        EXPECT_TRUE(store.TakeNotice().isEmpty());
        const auto [left, top, target] = Group(store, 1);
        EXPECT_GE(left, 1);
        EXPECT_EQ(left, top);
        EXPECT_EQ(double(left), target);
    }
}
