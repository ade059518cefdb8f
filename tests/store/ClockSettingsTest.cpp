// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ClockSettings.h"
#include "store/Keys.h"
#include "store/Registry.h"
#include "support/ClockTest.h"
#include "support/FaultyVfs.h"

#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sqlite3.h>

using namespace store;

namespace {

// Another process on the store: held whole (the exclusive locking mode), which it gets
// only while no connection of the clock is open, or for writing, at any time.
class THolder {
public:
    explicit THolder(QString file) : File(std::move(file)) {}
    ~THolder() { Release(); }
    THolder(const THolder&) = delete;
    THolder& operator=(const THolder&) = delete;

    bool Hold(bool whole) {
        Release();
        sqlite3_open(QFile::encodeName(File).constData(), &Db);
        const char* sql =
            whole ? "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;" : "BEGIN IMMEDIATE";
        if (sqlite3_exec(Db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            Release();
        return Db != nullptr;
    }
    void Release() {
        if (Db)
            sqlite3_close_v2(Db);
        Db = nullptr;
    }
    bool Holding() const { return Db != nullptr; }

private:
    QString File;
    sqlite3* Db = nullptr;
};

QString Name(TSetting id) {
    return QString::fromLatin1(Row(id).Name);
}

} // namespace

class ClockSettingsTest : public ClockTest {
protected:
    QString File() const { return ConfigPath("korvane5/settings.db"); }
    static std::optional<TSettingValue> Stored(TSettingsStore& store, int clock, TSetting id) {
        TRegistry reg(store);
        const QString name = Name(id).section('\\', -1);
        if (!reg.OpenKeyReadOnly(keys::Clock(clock) +
                                 (Row(id).Group == TGroup::Skin ? keys::Skins : QString())) ||
            !reg.ValueExists(name))
            return std::nullopt;
        switch (Row(id).Kind) {
        case TKind::Flag:
            return reg.ReadBool(name);
        case TKind::Integer:
            return reg.ReadInteger(name);
        case TKind::Moment:
            return reg.ReadFloat(name);
        default:
            return reg.ReadString(name);
        }
    }
    static QStringList Members(TSettingsStore& store, int clock) {
        TRegistry reg(store);
        if (!reg.OpenKeyReadOnly(keys::Clock(clock) + keys::Skins + keys::Random))
            return {};
        return reg.GetValueNames();
    }
    static void Write(TSettingsStore& store, int clock, TSetting id, const TSettingValue& value) {
        TRegistry reg(store);
        ASSERT_TRUE(reg.OpenKey(
            keys::Clock(clock) + (Row(id).Group == TGroup::Skin ? keys::Skins : QString()), true));
        const QString name = Name(id).section('\\', -1);
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, bool>)
                    reg.WriteBool(name, v);
                else if constexpr (std::is_same_v<T, std::int32_t>)
                    reg.WriteInteger(name, v);
                else if constexpr (std::is_same_v<T, double>)
                    reg.WriteFloat(name, v);
                else if constexpr (std::is_same_v<T, QString>)
                    reg.WriteString(name, v);
            },
            value);
    }
};

// A store, and another process that may hold it.
struct TWorld {
    explicit TWorld(QString file) : File(std::move(file)) {}
    QString File;
    std::unique_ptr<TSettingsStore> Db = std::make_unique<TSettingsStore>(File);
    THolder Other{File};
    // The clock's connection closed and made anew, as at the clock's start.
    TSettingsStore& Reopen() {
        Db = std::make_unique<TSettingsStore>(File);
        return *Db;
    }
    // The clock starts (clock 0, no wait) while the other process holds the store whole.
    std::optional<TSettingsStore::TWait> NoWait;
    std::unique_ptr<TClockSettingsKeeper> Keeper;
    std::shared_ptr<TClockSettings> StartHeldWhole() {
        Reopen();
        EXPECT_TRUE(Other.Hold(true));
        NoWait.emplace(*Db, 0);
        Keeper = std::make_unique<TClockSettingsKeeper>(*Db);
        return Keeper->Activate(0);
    }
};

// The orders of events that once lost what the user set, one row each.
struct TOrder {
    const char* Name;
    std::function<void(TWorld&)> Run;
};

TEST_F(ClockSettingsTest, EveryOrderThatOnceLostAChangeKeepsIt) {
    const TOrder orders[] = {
        {"a rotation mark while the set is unread adds to the stored set",
         [](TWorld& w) {
             THolder& other = w.Other;
             for (const QString name : {"Classic\\Paper", "Digital\\LCD"}) {
                 TRegistry reg(*w.Db);
                 ASSERT_TRUE(reg.OpenKey(keys::Clock(0) + keys::Skins + keys::Random, true));
                 reg.WriteString(name, {});
             }
             const auto settings = w.StartHeldWhole();
             TSettingsStore& store = *w.Db;
             TClockSettingsKeeper& keeper = *w.Keeper;
             EXPECT_FALSE(settings->Load(TGroup::Skin));
             settings->ChangeMember(TSetting::SkinRotation, "Default", true);
             EXPECT_EQ(settings->Save(TGroup::Skin), TSaved::Held);
             other.Release();
             keeper.Retry();
             EXPECT_EQ(settings->Names(TSetting::SkinRotation),
                       (QStringList{"Classic\\Paper", "Digital\\LCD", "Default"}));
             EXPECT_EQ(Members(store, 0),
                       (QStringList{"Classic\\Paper", "Digital\\LCD", "Default"}));
         }},
        {"a wrongly typed value read late stops the load and nothing is written",
         [](TWorld& w) {
             THolder& other = w.Other;
             Write(*w.Db, 0, TSetting::Left, std::int32_t(100));
             {
                 TRegistry reg(*w.Db);
                 ASSERT_TRUE(reg.OpenKey(keys::Clock(0), true));
                 reg.WriteString("RandomTime", "abcd");
             }
             const auto settings = w.StartHeldWhole();
             TSettingsStore& store = *w.Db;
             TClockSettingsKeeper& keeper = *w.Keeper;
             EXPECT_FALSE(settings->Load(TGroup::Clock));
             other.Release();
             try {
                 keeper.Retry();
                 ADD_FAILURE() << "read without a word";
             } catch (const common::EException& e) {
                 EXPECT_EQ(e.Message(), "Failed to get data for 'RandomTime'");
             }
             EXPECT_NO_THROW(keeper.Retry()); // said once: the value is not read again
             EXPECT_EQ(keeper.Save(), TSaved::Yes);
             EXPECT_EQ(Stored(store, 0, TSetting::Left), TSettingValue(std::int32_t(100)));
             EXPECT_FALSE(Stored(store, 0, TSetting::Opacity));
         }},
        {"a change before a switch while held lands by the retry",
         [](TWorld& w) {
             TSettingsStore& store = *w.Db;
             THolder& other = w.Other;
             const TSettingsStore::TWait noWait(store, 0);
             TClockSettingsKeeper keeper(store);
             auto settings = keeper.Activate(0);
             settings->Load(TGroup::Clock);
             settings->Change(TSetting::AlwaysOnTop, true);
             ASSERT_TRUE(other.Hold(false));
             EXPECT_EQ(keeper.Save(), TSaved::Held);
             settings->Change(TSetting::SkinCurrent, QStringLiteral("Rain"));
             EXPECT_EQ(settings->Save(TGroup::Skin), TSaved::Held);
             keeper.Activate(2)->Load(TGroup::Clock);
             settings.reset(); // the old chooser is gone
             EXPECT_TRUE(keeper.NeedsRetry());
             other.Release();
             keeper.Retry();
             EXPECT_FALSE(keeper.NeedsRetry());
             EXPECT_EQ(Stored(store, 0, TSetting::AlwaysOnTop), TSettingValue(true));
             EXPECT_EQ(Stored(store, 0, TSetting::SkinCurrent), TSettingValue(QString("Rain")));
         }},
        {"a change at exit while held after an earlier save is said",
         [](TWorld& w) {
             TSettingsStore& store = *w.Db;
             THolder& other = w.Other;
             const TSettingsStore::TWait noWait(store, 0);
             TClockSettingsKeeper keeper(store);
             const auto settings = keeper.Activate(0);
             settings->Load(TGroup::Clock);
             EXPECT_EQ(keeper.Save(), TSaved::Yes);
             ASSERT_TRUE(other.Hold(false));
             settings->Change(TSetting::AlwaysOnTop, true);
             EXPECT_EQ(keeper.Save(), TSaved::Held);
             EXPECT_EQ(keeper.NotKept(), "Clock 1: AlwaysOnTop");
         }},
        {"a store that fails to read leaves every value unwritten",
         [](TWorld& w) {
             Write(*w.Db, 1, TSetting::Opacity, std::int32_t(102));
             TSettingsStore& store = w.Reopen();
             TFaultyVfs::FailRead(1);
             TClockSettingsKeeper keeper(store);
             const auto settings = keeper.Activate(1);
             EXPECT_FALSE(settings->Load(TGroup::Clock));
             EXPECT_EQ(keeper.Save(), TSaved::Yes);
             EXPECT_EQ(Stored(store, 1, TSetting::Opacity), TSettingValue(std::int32_t(102)));
             EXPECT_FALSE(Stored(store, 1, TSetting::Left));
             keeper.Retry();
             EXPECT_EQ(settings->Integer(TSetting::Opacity), 102);
         }},
    };
    TFaultyVfs::Register();
    TSettingsStore::SetVfs("faulty");
    for (const TOrder& order : orders) {
        SCOPED_TRACE(order.Name);
        QFile::remove(File());
        QFile::remove(File() + "-wal");
        QFile::remove(File() + "-shm");
        TWorld world(File());
        order.Run(world);
        TFaultyVfs::FailRead(0);
    }
}

// The proof: seeded random orders of events, checked against what the user did.
TEST_F(ClockSettingsTest, WhatTheUserSetSurvivesEveryOrderOfEvents) {
    const int sequences = qEnvironmentVariableIsSet("KORVANE5_SEQUENCES")
                              ? qEnvironmentVariableIntValue("KORVANE5_SEQUENCES")
                              : 2000;
    const QStringList pool = {"Default", "Rain", "Snow", "Cat\\Inner"};
    constexpr int Clocks = 3;
    TFaultyVfs::Register();
    TSettingsStore::SetVfs("faulty");
    for (int seed = 1; seed <= sequences; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return int(random() % unsigned(n)); };
        QStringList steps;
        QFile::remove(File());
        QFile::remove(File() + "-wal");
        QFile::remove(File() + "-shm");

        // What the store holds before, and what the user did since.
        struct TExpected {
            TSettingValue Value;
            bool Absent = true;
            bool Changed = false;
            bool Certain = true;
        };
        std::map<std::pair<int, int>, TExpected> values;
        std::map<std::pair<int, QString>, TExpected> members; // Value: bool in
        const auto valueFor = [&](TSetting id) -> TSettingValue {
            switch (Row(id).Kind) {
            case TKind::Flag:
                return bool(pick(2));
            case TKind::Integer:
                return std::int32_t(pick(400) - 100);
            case TKind::Moment:
                return 46000.0 + pick(1000) / 7.0;
            default:
                return pool[pick(pool.size())];
            }
        };
        {
            TSettingsStore store(File());
            for (int clock = 0; clock < Clocks; ++clock) {
                for (const TSettingRow& row : SettingRows()) {
                    auto& e = values[{clock, int(row.Id)}];
                    if (row.Kind == TKind::NameSet || pick(10) < 3)
                        continue;
                    e.Value = valueFor(row.Id);
                    e.Absent = false;
                    Write(store, clock, row.Id, e.Value);
                }
                for (const QString& name : pool) {
                    auto& e = members[{clock, name}];
                    e.Value = pick(2) == 0;
                    e.Absent = false;
                    if (std::get<bool>(e.Value)) {
                        TRegistry reg(store);
                        ASSERT_TRUE(
                            reg.OpenKey(keys::Clock(clock) + keys::Skins + keys::Random, true));
                        reg.WriteString(name, {});
                    }
                }
            }
        }

        THolder other(File());
        std::unique_ptr<TSettingsStore> store;
        std::unique_ptr<TClockSettingsKeeper> keeper;
        std::shared_ptr<TClockSettings> chooser; // what the skin chooser holds
        std::set<std::pair<int, int>> changedThisRun;
        bool armed = false; // a failure of a read or write is set to come
        const auto start = [&] {
            store = std::make_unique<TSettingsStore>(File());
            keeper = std::make_unique<TClockSettingsKeeper>(*store);
            const TSettingsStore::TWait noWait(*store, 0);
            chooser = keeper->Activate(pick(Clocks));
            chooser->Load(TGroup::Clock);
            chooser->Load(TGroup::Skin);
            changedThisRun.clear();
        };
        const auto exit = [&](bool last) {
            {
                const TSettingsStore::TWait noWait(*store, 0);
                keeper->Save();
                chooser->Save(TGroup::Skin);
                chooser.reset();
            }
            const QString said = keeper->NotKept();
            steps << "exit, said: " + said;
            // Each change that did not land is said once, and only those of this run.
            QSet<QString> seen;
            for (const QString& part : said.split("; ", Qt::SkipEmptyParts)) {
                const int clock = part.section(' ', 1, 1).section(':', 0, 0).toInt() - 1;
                for (const QString& name : part.section(": ", 1).split(", ")) {
                    EXPECT_FALSE(seen.contains(part.section(':', 0, 0) + name))
                        << "said twice: " << said.toStdString();
                    seen.insert(part.section(':', 0, 0) + name);
                    const auto it =
                        std::find_if(SettingRows().begin(), SettingRows().end(),
                                     [&](const TSettingRow& row) { return Name(row.Id) == name; });
                    ASSERT_NE(it, SettingRows().end()) << name.toStdString();
                    EXPECT_TRUE(changedThisRun.count({clock, int(it->Id)}))
                        << "said but not changed: " << name.toStdString();
                    if (it->Id == TSetting::SkinRotation) {
                        for (auto& [key, e] : members)
                            if (key.first == clock && e.Changed)
                                e.Certain = false;
                    } else {
                        values[{clock, int(it->Id)}].Certain = false;
                    }
                }
            }
            if (!other.Holding() && !armed)
                EXPECT_TRUE(said.isEmpty()) << "seed " << seed << ": " << said.toStdString() << "\n"
                                            << steps.join('\n').toStdString();
            // A failure that did not come in this run does not come in the next.
            TFaultyVfs::FailRead(0);
            TFaultyVfs::FailWrite(0);
            armed = false;
            keeper.reset();
            store.reset();
            if (!last)
                start();
        };
        start();
        for (int step = 0; step < 30; ++step) {
            const int action = pick(12);
            if (action == 11) {
                exit(false);
                continue;
            }
            const TSettingsStore::TWait noWait(*store, 0);
            TClockSettings& active = *keeper->Active();
            switch (action) {
            case 0:
            case 1: {
                const TSettingRow& row = SettingRows()[std::size_t(pick(SettingCount - 1))];
                const TSettingValue v = valueFor(row.Id);
                active.Change(row.Id, v);
                auto& e = values[{active.Clock(), int(row.Id)}];
                e.Value = v;
                e.Changed = true;
                e.Certain = true;
                changedThisRun.insert({active.Clock(), int(row.Id)});
                steps << QStringLiteral("change %1 of clock %2")
                             .arg(Name(row.Id))
                             .arg(active.Clock());
                break;
            }
            case 2: {
                const QString name = pool[pick(pool.size())];
                const bool in = pick(2) == 0;
                active.ChangeMember(TSetting::SkinRotation, name, in);
                auto& e = members[{active.Clock(), name}];
                e.Value = in;
                e.Changed = true;
                e.Certain = true;
                changedThisRun.insert({active.Clock(), int(TSetting::SkinRotation)});
                steps << QStringLiteral("mark %1 %2 in clock %3")
                             .arg(name)
                             .arg(in)
                             .arg(active.Clock());
                break;
            }
            case 3:
                steps << QStringLiteral("hold whole: %1").arg(other.Hold(true));
                break;
            case 4:
                steps << QStringLiteral("hold for writing: %1").arg(other.Hold(false));
                break;
            case 5:
                other.Release();
                steps << "let go";
                break;
            case 6:
                armed = true;
                if (pick(2) == 0) {
                    TFaultyVfs::FailRead(1 + pick(4));
                    steps << "a read fails";
                } else {
                    TFaultyVfs::FailWrite(1 + pick(3));
                    steps << "a write fails";
                }
                break;
            case 7:
                keeper->Save();
                steps << "deactivation";
                break;
            case 8: {
                keeper->Save();
                chooser->Save(TGroup::Skin);
                const int clock = pick(Clocks);
                auto next = keeper->Activate(clock);
                chooser = next; // the old chooser is deleted after the new settings load
                next->Load(TGroup::Clock);
                next->Load(TGroup::Skin);
                steps << QStringLiteral("select clock %1").arg(clock);
                break;
            }
            default:
                keeper->Retry();
                steps << "retry";
                break;
            }
        }
        other.Release();
        TFaultyVfs::FailRead(0);
        TFaultyVfs::FailWrite(0);
        armed = false;
        exit(true);
        if (HasFailure())
            return;

        // Every value as the user left it, or as it was stored before.
        TSettingsStore check(File());
        for (const auto& [key, e] : values) {
            const TSetting id = TSetting(key.second);
            if (Row(id).Kind == TKind::NameSet || !e.Certain)
                continue;
            const std::optional<TSettingValue> now = Stored(check, key.first, id);
            if (e.Absent && !e.Changed) {
                EXPECT_TRUE(!now || *now == Row(id).Default ||
                            *now == TSettingValue(std::int32_t(0)))
                    << "seed " << seed << ": clock " << key.first << " " << Name(id).toStdString()
                    << " was absent\n"
                    << steps.join('\n').toStdString();
            } else if (Row(id).Optional && e.Value == Row(id).Default) {
                EXPECT_TRUE(!now || *now == e.Value) << "seed " << seed; // kept by absence
            } else {
                EXPECT_EQ(now, std::optional(e.Value)) << "seed " << seed << ": clock " << key.first
                                                       << " " << Name(id).toStdString() << "\n"
                                                       << steps.join('\n').toStdString();
            }
            if (HasFailure())
                return;
        }
        for (int clock = 0; clock < Clocks; ++clock) {
            const QStringList now = Members(check, clock);
            for (const QString& name : pool) {
                const auto& e = members[{clock, name}];
                if (!e.Certain)
                    continue;
                EXPECT_EQ(now.contains(name, Qt::CaseInsensitive), std::get<bool>(e.Value))
                    << "seed " << seed << ": clock " << clock << " rotation " << name.toStdString()
                    << "\n"
                    << steps.join('\n').toStdString();
            }
            if (HasFailure())
                return;
        }
    }
}

// Adding a stored value is one row and its line in the README's table and the manual page.
TEST_F(ClockSettingsTest, TheDocumentsListEveryRow) {
    const auto listed = [](const QString& path, const QString& begin, const QString& end,
                           const QRegularExpression& entry) {
        QFile file(QStringLiteral(KORVANE5_SOURCE_DIR "/") + path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        const qsizetype from = text.indexOf(begin);
        const QString part = text.mid(from, text.indexOf(end, from + begin.size()) - from);
        QStringList names;
        for (const QRegularExpressionMatch& m : entry.globalMatch(part))
            names << m.captured(1).replace(QStringLiteral("\\e"), QStringLiteral("\\"));
        return names;
    };
    QStringList rows;
    for (const TSettingRow& row : SettingRows()) {
        EXPECT_EQ(&Row(row.Id), &row) << "out of the rows' order: " << row.Name;
        rows << Name(row.Id);
    }
    EXPECT_EQ(listed("README.md", "| Value | Type | Meaning |", "\n\n",
                     QRegularExpression(QStringLiteral("\\n\\| `([^`]+)` \\|")))
                  .join(' ')
                  .toStdString(),
              rows.join(' ').toStdString());
    EXPECT_EQ(listed("dist/korvane5.1", ".SS Stored values", ".SH",
                     QRegularExpression(QStringLiteral("\\n\\.B (\\S+)")))
                  .join(' ')
                  .toStdString(),
              rows.join(' ').toStdString());
}
