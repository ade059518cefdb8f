// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a clock keeps in the settings store, in one table of rows, and the one rule
// for a store that another process holds or that fails for a while:
//
//  - each value is read, absent (the default stands) or unread (the store did not give it);
//  - what the user changes is recorded at the change; a value that was read or absent is
//    written at every saving moment, an unread one only once the user changed it, so nothing
//    is ever written over a value nobody has seen;
//  - a save that finds the store held leaves the changes waiting: they land at the next
//    saving moment or retry, also after the user switched to another clock;
//  - values read late are taken unless the user changed them meanwhile (a rotation mark
//    counts skin by skin);
//  - what could not be saved by the end of the run is said once.
//
// The clock window applies the values and tells the rows of its user's changes; the skin
// catalogue does the same for the skin and its rotation set. Neither decides when or what
// is written.

#include "store/SettingsStore.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <variant>
#include <vector>

namespace store {

// The rows, in the order they are read and written.
enum class TSetting {
    StickToDesktop,
    AlwaysOnTop,
    HideTray,
    ClickThrough,
    Left,
    Top,
    Places,
    CustomDateTime,
    RandomTime,
    Opacity,
    NotifyAtEnd,
    EventName,
    Repeat,
    TimeZone,
    AfterEnd,
    SkinCurrent,
    SkinRotation,
};
inline constexpr int SettingCount = int(TSetting::SkinRotation) + 1;

// The clock's own key, written at the clock's saving moments; the skin's values below it,
// written by the skin catalogue.
enum class TGroup { Clock, Skin };

enum class TKind {
    Flag,    // 32-bit integer: 1 or 0 written, any non-zero value reads as on
    Integer, // 32-bit integer, signed
    Moment,  // 8 bytes: the date-time double itself, least significant byte first
    Text,    // string
    NameSet, // a key whose value names are the members (their data is empty)
};

using TSettingValue = std::variant<bool, std::int32_t, double, QString, QStringList>;

struct TSettingRow {
    TSetting Id;
    TGroup Group;
    const char* Name; // the value's name, or for a name set the key's name
    TKind Kind;
    TSettingValue Default;
    std::span<const int> Accepted; // the values that change anything; empty: every value
    // Where LoadSettings applies it among the others (0 first); -1: applied with another
    // row (Left goes with Top) or not by the window.
    int ApplyRank;
    const char* Description;
    // Stored only once it is away from its default (or was stored): a clock that never set
    // it keeps the values it had, and the user going back to the default deletes it.
    bool Optional = false;
};

// The accepted values of the two radio choices, which are also their menu items' tags.
inline constexpr int RandomTimes[] = {5, 10, 20, 30, 60};    // minutes
inline constexpr int Opacities[] = {51, 102, 153, 204, 255}; // alpha: 20 to 100 percent
inline constexpr int AfterEnds[] = {0, 1, 2}; // as designed, count up, the next occurrence

// Every row, in TSetting's order.
const std::array<TSettingRow, SettingCount>& SettingRows();
inline const TSettingRow& Row(TSetting id) {
    return SettingRows()[std::size_t(id)];
}

// The steps that apply rows, in the order the window takes them: by their rows' ApplyRank.
template <class TStep>
std::vector<std::pair<TSetting, TStep>>
InApplyOrder(std::span<const std::pair<TSetting, TStep>> steps) {
    std::vector<std::pair<TSetting, TStep>> ranked(steps.begin(), steps.end());
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return Row(a.first).ApplyRank < Row(b.first).ApplyRank;
    });
    return ranked;
}

enum class TSaved { Yes, Held, Failed };

// One clock's values under its key (store::keys::Clock(n)).
class TClockSettings {
public:
    enum class TState { Unread, Read, Absent };

    explicit TClockSettings(int clock, TSettingsStore& store = TSettingsStore::User());
    int Clock() const { return FClock; }
    QString Key() const; // with its trailing backslash

    // Reads the group's rows; every value not read this time keeps its value in effect.
    // False when the store failed to give them: they are unread then, tried again by
    // ReadUnread. A value of the wrong type throws common::EException with the registry's
    // message: nothing of the group is taken and, unless the user changes it, nothing of it
    // is ever written.
    bool Load(TGroup group);
    // Reads the groups that are still unread; those read now (the user's changes kept) are
    // returned. Throws as Load.
    std::vector<TGroup> ReadUnread();
    bool Unread(TGroup group) const;
    bool Unread() const { return Unread(TGroup::Clock) || Unread(TGroup::Skin); }
    // The store holds none of the group's values: a clock never saved.
    bool Absent(TGroup group) const;
    TState State(TSetting id) const { return Rows[std::size_t(id)].State; }

    // The value in effect.
    const TSettingValue& Value(TSetting id) const { return Rows[std::size_t(id)].Value; }
    bool Flag(TSetting id) const { return std::get<bool>(Value(id)); }
    std::int32_t Integer(TSetting id) const { return std::get<std::int32_t>(Value(id)); }
    double Moment(TSetting id) const { return std::get<double>(Value(id)); }
    QString Text(TSetting id) const { return std::get<QString>(Value(id)); }
    QStringList Names(TSetting id) const { return std::get<QStringList>(Value(id)); }

    // The user's change.
    void Change(TSetting id, const TSettingValue& value);
    // The user's rotation mark: one member of a name set in or out.
    void ChangeMember(TSetting id, const QString& name, bool in);
    // What the program itself set, not the user (a stored value applied, the window centred,
    // a target taken from the pickers): the value in effect, written where it was read.
    void Observe(TSetting id, const TSettingValue& value);
    // The default a Load starts from where it is the window's own (its place).
    void SetDefault(TSetting id, const TSettingValue& value);
    // Within the scope, Change counts as Observe: the values being applied run the same
    // handlers the user's commands do.
    class TApplying {
    public:
        explicit TApplying(TClockSettings& settings) : Settings(settings) { ++Settings.Applying; }
        ~TApplying() { --Settings.Applying; }
        TApplying(const TApplying&) = delete;
        TApplying& operator=(const TApplying&) = delete;

    private:
        TClockSettings& Settings;
    };

    // Writes the group as one: every value read or absent, and every one the user changed.
    // Held: another process held the store, the changes wait. Never throws.
    TSaved Save(TGroup group);
    // The user's changes that have not landed yet (row names), in table order.
    QStringList Waiting() const;
    bool Waiting(TGroup group) const;
    // The last save of the group found the store held: the retry writes it.
    bool SaveFailed(TGroup group) const { return Failed[group == TGroup::Clock ? 0 : 1]; }
    bool SaveFailed() const { return Failed[0] || Failed[1]; }
    // Something of the group is still to be written: the user's changes, or a held save.
    bool Pending(TGroup group) const { return Waiting(group) || SaveFailed(group); }

    TSettingsStore& Store() const { return Db; }

private:
    struct TEntry {
        TState State = TState::Unread;
        TSettingValue Value;
        bool Changed = false; // by the user, since it last landed
        // Name sets: the user's marks since they last landed, case kept, compared folded.
        QStringList Added, Removed;
    };
    void ReadGroup(TGroup group, std::array<TEntry, SettingCount>& into);
    void Take(TSetting id, const TEntry& stored);
    void WriteGroup(TGroup group);
    void Landed(TGroup group);

    int FClock;
    TSettingsStore& Db;
    std::array<TEntry, SettingCount> Rows;
    std::array<TSettingValue, SettingCount> Defaults;
    // A load that found a value of the wrong type: the group is never written unasked.
    std::array<bool, 2> Broken{};
    std::array<bool, 2> Failed{};
    int Applying = 0;
};

// The settings of the clock on show and of the clocks left behind with changes that have
// not landed, and the saving moments they share: one owner decides when to write.
class TClockSettingsKeeper {
public:
    explicit TClockSettingsKeeper(TSettingsStore& store = TSettingsStore::User()) : Db(store) {}

    // The clock on show from now on (the same one: its settings as they are); the one
    // before is kept while its changes wait. Its object stays where it is until then, so its
    // skin catalogue may still write to it.
    const std::shared_ptr<TClockSettings>& Activate(int clock);
    const std::shared_ptr<TClockSettings>& Active() const { return FActive; }

    // A saving moment of the clock on show (Select Clock, loss of activation, exit): its own
    // values, and what waits of the clocks before.
    TSaved Save();
    // Reads what is unread of the clock on show (returned: what was read now), and writes
    // what waits: the retry. Throws common::EException as TClockSettings::Load.
    std::vector<TGroup> Retry();
    // Whether Retry has anything to do: something unread, or changes that did not land.
    bool NeedsRetry() const;
    // The changes of every clock that have not landed: one line, empty when none.
    QString NotKept() const;
    // Forgets the clocks left behind whose changes all landed and that nobody else holds.
    void Prune();

private:
    void SaveLeft();

    TSettingsStore& Db;
    // Shared with the skin catalogue of the clock, which may outlive its activation.
    std::shared_ptr<TClockSettings> FActive;
    std::vector<std::shared_ptr<TClockSettings>> Left;
};

} // namespace store
