// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ClockSettings.h"

#include "store/Keys.h"
#include "store/Registry.h"

#include <QCoreApplication>
#include <algorithm>

namespace store {

namespace {

const QString SkinsKey = keys::Skins;
const QString RotationKey = keys::Skins + keys::Random;

constexpr std::size_t GroupIndex(TGroup group) {
    return group == TGroup::Clock ? 0 : 1;
}

bool Contains(const QStringList& names, const QString& name) {
    return names.contains(name, Qt::CaseInsensitive);
}

void Remove(QStringList& names, const QString& name) {
    names.removeIf([&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
}

void Insert(QStringList& names, const QString& name) {
    if (!Contains(names, name))
        names << name;
}

} // namespace

const std::array<TSettingRow, SettingCount>& SettingRows() {
    using enum TSetting;
    using enum TKind;
    // One row a value: what it is called, its type and default, the values that count, where
    // LoadSettings applies it, what it means.
    // clang-format off
    static const std::array<TSettingRow, SettingCount> rows = {{
        {StickToDesktop, TGroup::Clock, "StickToDesktop", Flag, false, {}, 1,
         "1: Stick To Desktop, the window cannot be dragged; 0: off"},
        {AlwaysOnTop, TGroup::Clock, "AlwaysOnTop", Flag, false, {}, 0,
         "1: Always On Top, the window stays above others; 0: off"},
        {HideTray, TGroup::Clock, "HideTray", Flag, false, {}, 2,
         "1: Hide Tray Icon, no icon in the notification area; 0: the icon is shown"},
        {ClickThrough, TGroup::Clock, "ClickThrough", Flag, false, {}, 7,
         "1: Let Clicks Through, the mouse reaches what lies below the window; 0: off", true},
        {Left, TGroup::Clock, "Left", Integer, std::int32_t(0), {}, -1,
         "the window's left edge, in the X server's pixels (absent: centred)"},
        {Top, TGroup::Clock, "Top", Integer, std::int32_t(0), {}, 3,
         "the window's top edge, in the X server's pixels (absent: centred)"},
        {Places, TGroup::Clock, "Places", Text, QString(), {}, -1,
         "the window's place on each monitor layout it was on (at most 8, the most recent "
         "first), as a JSON list: the layout's screens, the screen, its nearest corner and the "
         "offset from it", true},
        {CustomDateTime, TGroup::Clock, "CustomDateTime", Moment, 0.0, {}, -1,
         "the target: days since 30 December 1899, local time (or in TimeZone), 8 bytes"},
        {RandomTime, TGroup::Clock, "RandomTime", Integer, std::int32_t(-1), RandomTimes, 4,
         "the random skin change interval: 5, 10, 20, 30 or 60 minutes"},
        {Opacity, TGroup::Clock, "Opacity", Integer, std::int32_t(255), Opacities, 5,
         "the window's alpha: 51, 102, 153, 204 or 255 (20 to 100 percent)"},
        {NotifyAtEnd, TGroup::Clock, "NotifyAtEnd", Flag, true, {}, 6,
         "1 (also when absent): a notification when the countdown ends; 0: none"},
        {EventName, TGroup::Clock, "EventName", Text, QString(), {}, -1,
         "the event's name; absent: none", true},
        {Repeat, TGroup::Clock, "Repeat", Text, QString(), {}, -1,
         "how the event comes back: RFC 5545 RRULE, EXDATE and RDATE lines", true},
        {TimeZone, TGroup::Clock, "TimeZone", Text, QString(), {}, -1,
         "the IANA zone the event is pinned to; absent: local time", true},
        {AfterEnd, TGroup::Clock, "AfterEnd", Integer, std::int32_t(0), AfterEnds, -1,
         "after the end: 0 as designed, 1 count up, 2 the next occurrence", true},
        {SkinCurrent, TGroup::Skin, "Skins\\Current", Text, QStringLiteral("Default"), {}, -1,
         "the skin shown: its folder's path below the skins folder, or * RANDOM *"},
        {SkinRotation, TGroup::Skin, "Skins\\Random\\", NameSet, QStringList(), {}, -1,
         "the skins of the random rotation: one empty string value named after each"},
    }};
    // clang-format on
    return rows;
}

TClockSettings::TClockSettings(int clock, TSettingsStore& store) : FClock(clock), Db(store) {
    for (const TSettingRow& row : SettingRows()) {
        Rows[std::size_t(row.Id)].Value = row.Default;
        Defaults[std::size_t(row.Id)] = row.Default;
    }
}

QString TClockSettings::Key() const {
    return keys::Clock(FClock);
}

void TClockSettings::SetDefault(TSetting id, const TSettingValue& value) {
    Defaults[std::size_t(id)] = value;
    if (State(id) == TState::Unread && !Rows[std::size_t(id)].Changed)
        Rows[std::size_t(id)].Value = value;
}

void TClockSettings::ReadGroup(TGroup group, std::array<TEntry, SettingCount>& into) {
    TRegistry reg(Db);
    const auto readKey = [&](const QString& path) { return reg.OpenKeyReadOnly(Key() + path); };
    const bool clockKey = group == TGroup::Clock ? readKey({}) : readKey(SkinsKey);
    for (const TSettingRow& row : SettingRows()) {
        if (row.Group != group)
            continue;
        TEntry& entry = into[std::size_t(row.Id)];
        entry.State = TState::Absent;
        entry.Value = Defaults[std::size_t(row.Id)];
        if (!clockKey)
            continue;
        const QString name = QString::fromLatin1(row.Name).section(QLatin1Char('\\'), -1);
        if (row.Kind == TKind::NameSet) {
            if (readKey(RotationKey)) {
                entry.Value = reg.GetValueNames();
                entry.State = TState::Read;
            }
            readKey(SkinsKey);
            continue;
        }
        if (!reg.ValueExists(name))
            continue;
        switch (row.Kind) {
        case TKind::Flag:
            entry.Value = reg.ReadBool(name);
            break;
        case TKind::Integer:
            entry.Value = reg.ReadInteger(name);
            break;
        case TKind::Moment:
            entry.Value = reg.ReadFloat(name);
            break;
        default:
            entry.Value = reg.ReadString(name);
            break;
        }
        entry.State = TState::Read;
    }
}

void TClockSettings::Take(TSetting id, const TEntry& stored) {
    TEntry& entry = Rows[std::size_t(id)];
    entry.State = stored.State;
    if (Row(id).Kind == TKind::NameSet) {
        // The user's marks count skin by skin: the stored set with them laid over it.
        QStringList names = std::get<QStringList>(stored.Value);
        for (const QString& name : entry.Removed)
            Remove(names, name);
        for (const QString& name : entry.Added)
            Insert(names, name);
        entry.Value = names;
    } else if (!entry.Changed) {
        entry.Value = stored.Value;
    }
}

bool TClockSettings::Load(TGroup group) {
    std::array<TEntry, SettingCount> stored;
    const std::size_t g = GroupIndex(group);
    try {
        ReadGroup(group, stored);
    } catch (const EStoreError&) {
        // The store failed, which says nothing about what it holds.
        for (const TSettingRow& row : SettingRows())
            if (row.Group == group)
                Rows[std::size_t(row.Id)].State = TState::Unread;
        return false;
    } catch (...) {
        // A value of the wrong type: the load stops there, and what the store holds stays
        // as it is until the user changes it.
        Broken[g] = true;
        for (const TSettingRow& row : SettingRows())
            if (row.Group == group)
                Rows[std::size_t(row.Id)].State = TState::Unread;
        throw;
    }
    Broken[g] = false;
    for (const TSettingRow& row : SettingRows())
        if (row.Group == group)
            Take(row.Id, stored[std::size_t(row.Id)]);
    return true;
}

bool TClockSettings::Unread(TGroup group) const {
    if (Broken[GroupIndex(group)])
        return false; // read, and found wrong: not to be read again
    return std::any_of(SettingRows().begin(), SettingRows().end(), [&](const TSettingRow& row) {
        return row.Group == group && State(row.Id) == TState::Unread;
    });
}

bool TClockSettings::Absent(TGroup group) const {
    return std::all_of(SettingRows().begin(), SettingRows().end(), [&](const TSettingRow& row) {
        return row.Group != group || State(row.Id) == TState::Absent;
    });
}

std::vector<TGroup> TClockSettings::ReadUnread() {
    std::vector<TGroup> read;
    for (const TGroup group : {TGroup::Clock, TGroup::Skin})
        if (Unread(group) && Load(group))
            read.push_back(group);
    return read;
}

void TClockSettings::Change(TSetting id, const TSettingValue& value) {
    TEntry& entry = Rows[std::size_t(id)];
    if (Applying > 0 || Row(id).Kind == TKind::NameSet) {
        Observe(id, value);
        return;
    }
    entry.Value = value;
    entry.Changed = true;
}

void TClockSettings::ChangeMember(TSetting id, const QString& name, bool in) {
    TEntry& entry = Rows[std::size_t(id)];
    QStringList& names = std::get<QStringList>(entry.Value);
    if (in) {
        Insert(names, name);
        Remove(entry.Removed, name);
        Insert(entry.Added, name);
    } else {
        Remove(names, name);
        Remove(entry.Added, name);
        Insert(entry.Removed, name);
    }
    entry.Changed = true;
}

void TClockSettings::Observe(TSetting id, const TSettingValue& value) {
    Rows[std::size_t(id)].Value = value;
}

void TClockSettings::WriteGroup(TGroup group) {
    const bool whole = !Broken[GroupIndex(group)];
    const auto written = [&](const TSettingRow& row) {
        const TEntry& entry = Rows[std::size_t(row.Id)];
        return row.Group == group && ((whole && entry.State != TState::Unread) || entry.Changed);
    };
    if (std::none_of(SettingRows().begin(), SettingRows().end(), written))
        return; // nothing known to write: the store is not even opened
    TRegistry reg(Db);
    TSettingsStore::TTransaction transaction(Db);
    const auto openKey = [&](const QString& path) { reg.OpenKey(Key() + path, true); };
    group == TGroup::Clock ? openKey({}) : openKey(SkinsKey);
    for (const TSettingRow& row : SettingRows()) {
        const TEntry& entry = Rows[std::size_t(row.Id)];
        const bool known = whole && entry.State != TState::Unread;
        if (!written(row))
            continue;
        const QString name = QString::fromLatin1(row.Name).section(QLatin1Char('\\'), -1);
        if (row.Optional && entry.Value == Defaults[std::size_t(row.Id)] &&
            entry.State != TState::Read) {
            if (entry.Changed)
                reg.DeleteValue(name);
            continue;
        }
        switch (row.Kind) {
        case TKind::Flag:
            reg.WriteBool(name, std::get<bool>(entry.Value));
            break;
        case TKind::Integer:
            reg.WriteInteger(name, std::get<std::int32_t>(entry.Value));
            break;
        case TKind::Moment:
            reg.WriteFloat(name, std::get<double>(entry.Value));
            break;
        case TKind::Text:
            reg.WriteString(name, std::get<QString>(entry.Value));
            break;
        case TKind::NameSet:
            if (known) {
                // The whole set is known: it is replaced, in the same transaction.
                reg.DeleteKey(Key() + RotationKey);
                openKey(RotationKey);
                for (const QString& member : std::get<QStringList>(entry.Value))
                    reg.WriteString(member, QString());
            } else {
                // Only the user's marks: the members nobody has read stay.
                openKey(RotationKey);
                for (const QString& member : entry.Removed)
                    reg.DeleteValue(member);
                for (const QString& member : entry.Added)
                    reg.WriteString(member, QString());
            }
            openKey(SkinsKey);
            break;
        }
    }
    reg.CloseKey();
    transaction.Commit();
}

void TClockSettings::Landed(TGroup group) {
    Failed[GroupIndex(group)] = false;
    for (const TSettingRow& row : SettingRows()) {
        if (row.Group != group)
            continue;
        TEntry& entry = Rows[std::size_t(row.Id)];
        entry.Changed = false;
        entry.Added.clear();
        entry.Removed.clear();
    }
}

TSaved TClockSettings::Save(TGroup group) {
    try {
        WriteGroup(group);
    } catch (const EStoreError& e) {
        // A held store is a moment's matter, tried again each second; one that cannot be
        // written has said so, and the changes wait for the next saving moment.
        Failed[GroupIndex(group)] = e.Held();
        return e.Held() ? TSaved::Held : TSaved::Failed;
    } catch (const std::exception&) {
        // Nothing but the store fails here; anything else is no reason to lose the changes
        // either: they wait for the next saving moment.
        return TSaved::Failed;
    }
    Landed(group);
    return TSaved::Yes;
}

bool TClockSettings::Waiting(TGroup group) const {
    return std::any_of(SettingRows().begin(), SettingRows().end(), [&](const TSettingRow& row) {
        return row.Group == group && Rows[std::size_t(row.Id)].Changed;
    });
}

QStringList TClockSettings::Waiting() const {
    QStringList names;
    for (const TSettingRow& row : SettingRows())
        if (Rows[std::size_t(row.Id)].Changed)
            names << QString::fromLatin1(row.Name);
    return names;
}

const std::shared_ptr<TClockSettings>& TClockSettingsKeeper::Activate(int clock) {
    if (FActive && FActive->Clock() == clock)
        return FActive;
    if (FActive)
        Left.push_back(std::move(FActive));
    // A clock come back to before its changes landed goes on with them: read anew, it
    // keeps what the user set.
    const auto back = std::find_if(
        Left.begin(), Left.end(), [&](const auto& settings) { return settings->Clock() == clock; });
    if (back != Left.end()) {
        FActive = std::move(*back);
        Left.erase(back);
    } else {
        FActive = std::make_shared<TClockSettings>(clock, Db);
    }
    return FActive;
}

void TClockSettingsKeeper::SaveLeft() {
    // The clocks left behind had their saving moment: whatever of theirs waits is written.
    for (const auto& settings : Left)
        for (const TGroup group : {TGroup::Clock, TGroup::Skin})
            if (settings->Pending(group))
                settings->Save(group);
    Prune();
}

TSaved TClockSettingsKeeper::Save() {
    SaveLeft();
    return FActive ? FActive->Save(TGroup::Clock) : TSaved::Yes;
}

std::vector<TGroup> TClockSettingsKeeper::Retry() {
    SaveLeft();
    if (!FActive)
        return {};
    // The clock on show writes only what a saving moment tried and could not land.
    for (const TGroup group : {TGroup::Clock, TGroup::Skin})
        if (FActive->SaveFailed(group))
            FActive->Save(group);
    return FActive->ReadUnread();
}

bool TClockSettingsKeeper::NeedsRetry() const {
    const auto waits = [](const std::shared_ptr<TClockSettings>& settings) {
        return settings->Pending(TGroup::Clock) || settings->Pending(TGroup::Skin);
    };
    return std::any_of(Left.begin(), Left.end(), waits) ||
           (FActive && (FActive->Unread() || FActive->SaveFailed()));
}

QString TClockSettingsKeeper::NotKept() const {
    QStringList parts;
    const auto add = [&](const TClockSettings& settings) {
        const QStringList names = settings.Waiting();
        if (!names.isEmpty())
            parts << QCoreApplication::translate("TClockSettings", "Clock %1: %2")
                         .arg(settings.Clock() + 1)
                         .arg(names.join(QStringLiteral(", ")));
    };
    for (const auto& settings : Left)
        add(*settings);
    if (FActive)
        add(*FActive);
    return parts.join(QStringLiteral("; "));
}

void TClockSettingsKeeper::Prune() {
    std::erase_if(Left, [](const std::shared_ptr<TClockSettings>& settings) {
        return settings.use_count() == 1 && !settings->Pending(TGroup::Clock) &&
               !settings->Pending(TGroup::Skin);
    });
}

} // namespace store
