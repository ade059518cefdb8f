// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainUnit.h"
#include "platform/Autostart.h"
#include "platform/X11Window.h"
#include "presets/DateTimePick.h"
#include "presets/Pickers.h"
#include "skins/SkinChooserUnit.h"
#include "store/ClockSettings.h"
#include "store/Registry.h"
#include "store/RegistryFile.h"
#include "support/ClockTest.h"
#include "support/FaultyVfs.h"
#include "support/HeldStore.h"
#include "support/SkinFixtures.h"
#include "widgets/PaintBox.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstring>
#include <sqlite3.h>

using namespace store;
using namespace platform;

class MainSettingsTest : public ClockTest {
protected:
    static QString Key(int clock) { return QStringLiteral("Software\\Korvane5\\%1\\").arg(clock); }
    void Store(int clock, const std::function<void(TRegistry&)>& write) {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Key(clock), true));
        write(reg);
    }
    std::unique_ptr<TMainForm> Start(int clock = 0) {
        return std::make_unique<TMainForm>(QStringList{QString::number(clock)});
    }
    // The stacking the window has or, not shown yet, will be given at its first show.
    static bool OnTop(const TMainForm& form) {
        const QWindow* handle = form.windowHandle();
        return (handle ? handle->flags() : form.windowFlags()) & Qt::WindowStaysOnTopHint;
    }
    static QAction* Checked(const QList<QAction*>& items) {
        for (QAction* a : items)
            if (a->isChecked())
                return a;
        return nullptr;
    }
};

TEST_F(MainSettingsTest, FreshStoreGivesTheDefaults) {
    auto form = Start();
    EXPECT_FALSE(form->AlwaysOnTop->isChecked());
    EXPECT_FALSE(form->StickToDesktop->isChecked());
    EXPECT_FALSE(form->HideTrayIcon->isChecked());
    EXPECT_FALSE(form->RunStartup->isChecked());
    EXPECT_EQ(form->RandomTimer->interval(), 5 * 60000);
    EXPECT_TRUE(form->N5Minutes->isChecked());
    EXPECT_TRUE(form->N100Opacity->isChecked());
    EXPECT_FALSE(form->AlphaBlend());
    EXPECT_EQ(form->TargetDateTime, Now); // taken from the untouched pickers at once
    EXPECT_EQ(form->SecondsPaint->Tag, 0);
    form->show();
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_EQ(form->geometry().center(), screen.center());
}

TEST_F(MainSettingsTest, StoredValuesAreAppliedThroughTheMenu) {
    Store(2, [](TRegistry& r) {
        r.WriteInteger("StickToDesktop", 7); // any non-zero value is on
        r.WriteInteger("AlwaysOnTop", 1);
        r.WriteInteger("Left", 300);
        r.WriteInteger("Top", 200);
        r.WriteInteger("RandomTime", 20);
        r.WriteInteger("Opacity", 153);
    });
    auto form = Start(2);
    EXPECT_TRUE(form->StickToDesktop->isChecked());
    EXPECT_TRUE(form->AlwaysOnTop->isChecked());
    EXPECT_TRUE(OnTop(*form));
    EXPECT_EQ(form->pos(), QPoint(300, 200));
    EXPECT_TRUE(form->N20Minutes->isChecked());
    EXPECT_EQ(form->RandomTimer->interval(), 20 * 60000);
    EXPECT_TRUE(form->N60Opacity->isChecked());
    EXPECT_EQ(form->AlphaBlendValue(), 153);
    EXPECT_TRUE(form->AlphaBlend());
    form->show();
    EXPECT_EQ(form->pos(), QPoint(300, 200)); // a stored position is not centred away
    EXPECT_TRUE(OnTop(*form));
}

TEST_F(MainSettingsTest, ValuesMatchingNoMenuItemChangeNothing) {
    Store(0, [](TRegistry& r) {
        r.WriteInteger("RandomTime", 7);
        r.WriteInteger("Opacity", 100);
    });
    auto form = Start(0);
    EXPECT_TRUE(form->N5Minutes->isChecked());
    EXPECT_EQ(form->RandomTimer->interval(), 5 * 60000);
    EXPECT_TRUE(form->N100Opacity->isChecked());
    EXPECT_EQ(form->AlphaBlendValue(), 255);
}

TEST_F(MainSettingsTest, StoredDesignPositionLeavesTheWindowCentred) {
    Store(0, [](TRegistry& r) {
        r.WriteInteger("Left", 204);
        r.WriteInteger("Top", 134);
    });
    auto form = Start(0);
    form->show();
    EXPECT_EQ(form->geometry().center(), form->screen()->availableGeometry().center());
}

TEST_F(MainSettingsTest, PositionOnNoScreenKeepsTheWindowCentred) {
    Store(0, [](TRegistry& r) {
        r.WriteInteger("Left", -20000);
        r.WriteInteger("Top", 15000);
    });
    auto form = Start(0);
    form->show();
    EXPECT_EQ(form->geometry().center(), form->screen()->availableGeometry().center());
    // The stored values stay until the next save.
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Key(0)));
    EXPECT_EQ(reg.ReadInteger("Left"), -20000);
}

TEST_F(MainSettingsTest, TargetSurvivesARestartBitForBit) {
    const double target = Now + 100.123456789012345;
    {
        auto form = Start(1);
        form->TargetDateTime = target;
    } // destruction saves
    auto form = Start(1);
    EXPECT_EQ(std::memcmp(&form->TargetDateTime, &target, sizeof target), 0);
    EXPECT_EQ(form->DaysPaint->Tag, 100);
}

TEST_F(MainSettingsTest, SwitchingSavesTheOldClockBeforeReadingTheNew) {
    Store(1, [](TRegistry& r) { r.WriteFloat("CustomDateTime", 50000.0); });
    auto form = Start(0);
    form->TargetDateTime = 47000.25;
    form->AlwaysOnTopClick();
    form->N30Minutes->trigger();
    form->ClockItem(1)->trigger();
    EXPECT_EQ(form->ClockIndex, 1);
    EXPECT_TRUE(form->ClockItem(1)->isChecked());
    EXPECT_FALSE(form->ClockItem(0)->isChecked());
    EXPECT_EQ(form->TargetDateTime, 50000.0);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Key(0)));
    EXPECT_EQ(reg.ReadFloat("CustomDateTime"), 47000.25);
    EXPECT_EQ(reg.ReadInteger("AlwaysOnTop"), 1);
    EXPECT_EQ(reg.ReadInteger("RandomTime"), 30);
    ASSERT_TRUE(reg.OpenKeyReadOnly(Key(1)));
    EXPECT_EQ(reg.ReadFloat("CustomDateTime"), 50000.0); // clock 1 was read, not overwritten
}

TEST_F(MainSettingsTest, NeverSavedClockResetsOptionsButKeepsPlaceAndInterval) {
    auto form = Start(0);
    form->move(321, 123);
    form->AlwaysOnTopClick();
    form->StickToDesktopClick();
    form->HideTrayIconClick();
    form->RunStartupClick();
    form->N60Minutes->trigger();
    form->N40Opacity->trigger();
    form->TargetDateTime = Now + 3;
    form->ClockItem(4)->trigger();
    EXPECT_EQ(form->pos(), QPoint(321, 123));
    EXPECT_TRUE(form->N60Minutes->isChecked());
    EXPECT_EQ(form->RandomTimer->interval(), 60 * 60000);
    EXPECT_FALSE(form->AlwaysOnTop->isChecked());
    EXPECT_FALSE(OnTop(*form));
    EXPECT_FALSE(form->StickToDesktop->isChecked());
    EXPECT_FALSE(form->HideTrayIcon->isChecked());
    EXPECT_FALSE(form->RunStartup->isChecked());
    EXPECT_TRUE(form->N100Opacity->isChecked());
    EXPECT_EQ(form->TargetDateTime, Now); // re-taken from the pickers at once
}

TEST_F(MainSettingsTest, StartupEntryIsWrittenAndDeleted) {
    auto form = Start(2);
    const QString entry = autostart::EntryPath("Korvane52");
    EXPECT_TRUE(entry.startsWith(ConfigPath("autostart/")));
    form->RunStartupClick();
    EXPECT_FALSE(QFile::exists(entry)); // written by the next save, not by the click
    form->ApplicationEvents1Deactivate();
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nName=Korvane5 Clock 3\n"));
    EXPECT_TRUE(
        text.contains("\nExec=" + autostart::ExecLine(platform::ProgramPath(), {"2"}) + "\n"));
    file.close();
    // A restart reads the check back from the entry's existence.
    form.reset();
    form = Start(2);
    EXPECT_TRUE(form->RunStartup->isChecked());
    form->RunStartupClick();
    form->ApplicationEvents1Deactivate();
    EXPECT_FALSE(QFile::exists(entry));
}

TEST_F(MainSettingsTest, StartupToggledOnAndOffBeforeASaveLeavesNothing) {
    auto form = Start(3);
    form->RunStartupClick();
    form->RunStartupClick();
    form->ApplicationEvents1Deactivate();
    EXPECT_FALSE(QFile::exists(autostart::EntryPath("Korvane53")));
    EXPECT_FALSE(QDir(autostart::Folder()).exists() &&
                 !QDir(autostart::Folder()).entryList(QDir::Files).isEmpty());
}

TEST_F(MainSettingsTest, WronglyTypedLeftStopsStartUpWithItsMessage) {
    for (const auto& [text, message] : std::vector<std::pair<QString, QString>>{
             {"abc", "Invalid data type for 'Left'"}, {"abcd", "Failed to get data for 'Left'"}}) {
        // clang 14 cannot capture a structured binding; a capture of another name can.
        Store(0, [&left = text](TRegistry& r) { r.WriteString("Left", left); });
        try {
            Start(0);
            ADD_FAILURE() << "start-up went on";
        } catch (const common::EException& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
}

TEST_F(MainSettingsTest, WronglyTypedValueOnASwitchIsShownAndTheProgramRunsOn) {
    Store(1, [](TRegistry& r) {
        r.WriteInteger("AlwaysOnTop", 1);
        r.WriteValue({"Top", vtBinary, QByteArray(2, '\0')});
    });
    auto form = Start(0);
    form->ClockItem(1)->trigger();
    EXPECT_EQ(Errors, QStringList{"Invalid data type for 'Top'"});
    EXPECT_EQ(form->ClockIndex, 1);
    EXPECT_FALSE(form->AlwaysOnTop->isChecked()); // nothing read so far is applied
}

TEST_F(MainSettingsTest, ExitWritesTheActiveClock) {
    auto form = Start(4);
    form->move(77, 66);
    form->ExitClick();
    EXPECT_EQ(Quits, 1); // the event loop is asked to end, and destruction saves
    form.reset();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Key(4)));
    EXPECT_EQ(reg.ReadInteger("Left"), 77);
    EXPECT_EQ(reg.ReadInteger("Top"), 66);
    EXPECT_EQ(reg.ReadInteger("Opacity"), 255);
    EXPECT_EQ(reg.ReadInteger("RandomTime"), 5);
    QStringList rows; // every value of the clock's key, in the table's order; those kept
    for (const TSettingRow& row : SettingRows()) // only away from their defaults may be too
        if (row.Group == TGroup::Clock && (!row.Optional || reg.ValueExists(row.Name)))
            rows << row.Name;
    EXPECT_EQ(reg.GetValueNames(), rows);
}

TEST_F(MainSettingsTest, StartUpSavesNothingBeforeTheFirstClockIsActive) {
    auto form = Start(3);
    EXPECT_FALSE(TSettingsStore::User().FindKey("Software\\Korvane5").has_value());
}

TEST_F(MainSettingsTest, AStoreHeldByAnotherProcessNeverStallsTheClock) {
    Store(0, [](TRegistry& r) {
        r.WriteInteger("Left", 300);
        r.WriteInteger("Top", 200);
    });
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(TSettingsStore::UserStorePath()), &other), SQLITE_OK);
    const auto hold = [&] {
        ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    };
    const auto stored = [](const char* name) {
        TRegistry reg;
        return reg.OpenKeyReadOnly(Key(0)) ? reg.ReadInteger(name) : -1;
    };
    hold();
    TSettingsStore::SetUserStorePath({}); // the clock opens it anew, while it is held
    QElapsedTimer waited;
    waited.start();
    auto form = Start(0);
    EXPECT_LT(waited.elapsed(), 1000); // start-up reads past the writer
    EXPECT_EQ(form->pos(), QPoint(300, 200));

    // A loss of activation does not wait; the save lands once the store is free.
    form->move(310, 210);
    waited.restart();
    form->ApplicationEvents1Deactivate();
    EXPECT_LT(waited.elapsed(), 250);
    EXPECT_EQ(stored("Left"), 300);
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_TRUE(QTest::qWaitFor([&] { return stored("Left") == 310; }, 2000));

    // Exit waits a bounded time, then goes without the save.
    hold();
    waited.restart();
    form.reset();
    EXPECT_LT(waited.elapsed(), 3000);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

// The clock and its skins against a store that fails: what it could not read it never
// writes over, and reads once it can.
class MainSettingsTest_Store : public SkinFixture {
protected:
    void SetUp() override {
        SkinFixture::SetUp();
        MakeSkin("Default");
        MakeSkin("Snow");
        MakeSkin("Rain");
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\0", true));
        for (const auto& [name, value] : {std::pair{"StickToDesktop", 1},
                                          {"AlwaysOnTop", 1},
                                          {"HideTray", 0},
                                          {"Left", 300},
                                          {"Top", 200},
                                          {"RandomTime", 20},
                                          {"Opacity", 153},
                                          {"NotifyAtEnd", 1}})
            reg.WriteInteger(name, value);
        reg.WriteFloat("CustomDateTime", Target);
        // What a save of the window at 300,200 writes as well, so that a save adds nothing.
        reg.WriteInteger("ClickThrough", 0);
        reg.WriteString("Places", common::PlacesToText(common::Remember(
                                      {}, platform::ScreenLayout(), {300, 200}, {250, 90})));
        ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\0\\Skins", true));
        reg.WriteString("Current", "Snow");
        ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\0\\Skins\\Random", true));
        reg.WriteString("Rain", "");
        TSettingsStore::SetUserStorePath({}); // the clock opens it anew
    }
    static QString Stored() { return *regfile::Export(TSettingsStore::User()); }
    const double Target = Now + 2.5;
};

TEST_F(MainSettingsTest_Store, EveryReadThatFailsLeavesWhatIsStoredAsItWas) {
    const QString before = Stored();
    TSettingsStore::SetUserStorePath({});
    TFaultyVfs::Register();
    TSettingsStore::SetVfs("faulty");
    bool failed = true;
    for (int n = 1; failed; ++n) {
        TSettingsStore::SetUserStorePath({});
        TFaultyVfs::FailRead(n);
        auto form = std::make_unique<TMainForm>(QStringList{"0"});
        failed = TFaultyVfs::ReadFailed();
        TFaultyVfs::FailRead(0);
        // Every saving moment, before the failed reads are read again.
        form->ApplicationEvents1Deactivate();
        form->ClockItem(0)->trigger();
        form.reset();
        EXPECT_EQ(Stored().toStdString(), before.toStdString()) << "read " << n << " failed";
        // The user hears of it once, and of nothing else.
        EXPECT_EQ(Messages.size(), failed ? 1 : 0) << n << ": " << Messages.join(' ').toStdString();
        EXPECT_TRUE(Errors.isEmpty()) << n << ": " << Errors.join(' ').toStdString();
        Errors.clear();
        Messages.clear();
    }
    TSettingsStore::SetVfs({});
}

TEST_F(MainSettingsTest_Store, AStoreHeldWholeAtStartUpGivesTheDefaultsThenWhatItHolds) {
    THeldStore other(TSettingsStore::UserStorePath(), THeldStore::THold::Whole);
    QElapsedTimer waited;
    waited.start();
    auto form = std::make_unique<TMainForm>(QStringList{"0"});
    EXPECT_LT(waited.elapsed(), 1500); // the window is not kept waiting
    form->show();
    EXPECT_FALSE(form->AlwaysOnTop->isChecked());
    EXPECT_EQ(form->AlphaBlendValue(), 255);
    EXPECT_EQ(form->font().family(), Face("Default"));
    // Meanwhile the user moves the window and picks the opacity: those stay the user's.
    form->FormMouseDown(Qt::LeftButton, 10, 10);
    form->FormMouseMove(30, 40);
    form->FormMouseUp(Qt::LeftButton, 30, 40);
    const QPoint dragged = form->pos();
    form->N40Opacity->trigger();
    form->ApplicationEvents1Deactivate(); // held: lands later
    other.Release();

    ASSERT_TRUE(QTest::qWaitFor([&] { return form->AlwaysOnTop->isChecked(); }, 3000));
    EXPECT_TRUE(form->StickToDesktop->isChecked());
    EXPECT_TRUE(form->N20Minutes->isChecked());
    EXPECT_EQ(form->TargetDateTime, Target);
    EXPECT_EQ(form->AlphaBlendValue(), 102);
    EXPECT_EQ(form->pos(), dragged);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->font().family() == Face("Snow"); }, 3000));
    ASSERT_EQ(form->SkinChooser->Catalogue.RotationNodes.size(), 1u);
    form.reset();

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0"));
    EXPECT_EQ(reg.ReadInteger("Left"), dragged.x());
    EXPECT_EQ(reg.ReadInteger("Opacity"), 102);
    EXPECT_EQ(reg.ReadInteger("RandomTime"), 20);
    EXPECT_EQ(reg.ReadFloat("CustomDateTime"), Target);
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0\\Skins"));
    EXPECT_EQ(reg.ReadString("Current"), "Snow");
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0\\Skins\\Random"));
    EXPECT_EQ(reg.GetValueNames(), QStringList{"Rain"});
    EXPECT_TRUE(Errors.isEmpty()) << Errors.join(' ').toStdString();
}
