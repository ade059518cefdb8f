// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: a tree of keys holding named, typed values, with the
// semantics of a registry hive (names case-insensitive and case-preserving, typed values,
// whole key trees deleted at once). It lives in one SQLite database, so several clock
// processes can save at the same moment and a crash never leaves half a group written.
//
// How its data calls fail: a call that cannot do its work (the store could not be opened,
// another process holds it, an input/output error, a file that cannot be written) throws
// EStoreError. "Absent" is an answer, never an error: FindKey gives nullopt for a key that
// does not exist, Value for a value that does not, DeleteKey and DeleteValue false for
// what was not there.

#include "common/Errors.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// Value types, numbered as registry exports number them.
enum TValueType : int {
    vtNone = 0,
    vtString = 1,
    vtExpandString = 2,
    vtBinary = 3,
    vtInteger = 4,
    vtMultiString = 7,
    vtQword = 11,
};

struct TStoredValue {
    QString Name;
    int Type = vtNone;
    QByteArray Data; // integers little-endian; strings as UTF-8 without terminator

    bool IsText() const { return Type == vtString || Type == vtExpandString; }
    // Size as a registry reports it: strings count their terminating zero.
    qsizetype DataSize() const { return IsText() ? Data.size() + 1 : Data.size(); }
};

using TKeyId = std::int64_t;

// A failure of the store itself, as opposed to what it holds: a value of the wrong type is
// a common::EException with the registry's message, never this.
class EStoreError : public common::EException {
public:
    EStoreError(const QString& message, bool held) : EException(message), FHeld(held) {}
    // Another process held the store (locked it for longer than the call could wait): the
    // same call may work a moment later.
    bool Held() const { return FHeld; }

private:
    bool FHeld;
};

class TSettingsStore {
public:
    // The user's store: $XDG_CONFIG_HOME/korvane5/settings.db (~/.config when unset).
    static TSettingsStore& User();
    static QString UserStorePath();
    // Replaces the user's store by one at another file (tests); empty: the default.
    static void SetUserStorePath(const QString& path);

    // The store in file, opened (or created) by the first call that needs it, so that the
    // first call's wait (TWait) bounds the opening too. A file that is no valid database is
    // kept aside under a new name and a fresh store is started; TakeNotice() then says so.
    // A store that cannot be written is opened for reading. One that could not be opened
    // (another process holds it) is opened again by the next call.
    explicit TSettingsStore(const QString& file);
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    QString FilePath() const { return File; }
    // Opens the store when it is not open; false when it cannot be, for now.
    bool IsOpen();
    // Opens the store when it is not open; throws EStoreError saying why it cannot be.
    void Require() { Connection(); }
    // Open for reading only, and why writing was not possible.
    bool IsReadOnly() { return IsOpen() && ReadOnly; }
    QString ReadOnlyReason() const { return FReadOnlyReason; }
    // What the user should hear about the store, each thing once: a damaged file kept
    // aside, a store that cannot be written, one that failed to read. Empty afterwards and
    // normally.
    // A reader that changes nothing (forWriting false) is not told that changes are not kept.
    QString TakeNotice(bool forWriting = true);

    // How long the calls made inside the scope wait, all together, for another process
    // that holds the store (ms). Outside any scope each call waits up to a second.
    class TWait {
    public:
        TWait(TSettingsStore& store, int ms);
        ~TWait();
        TWait(const TWait&) = delete;
        TWait& operator=(const TWait&) = delete;

    private:
        TSettingsStore& Store;
        std::optional<QDeadlineTimer> Before;
    };

    // Groups writes: the outermost scope commits on Commit(), rolls back otherwise.
    class TTransaction {
    public:
        explicit TTransaction(TSettingsStore& store);
        ~TTransaction();
        void Commit();
        TTransaction(const TTransaction&) = delete;
        TTransaction& operator=(const TTransaction&) = delete;

    private:
        TSettingsStore& Store;
        bool Done = false;
    };

    // Key paths are relative to the user's hive, components separated by backslashes;
    // leading, trailing and doubled backslashes are ignored.
    static QStringList SplitPath(const QString& path);
    // Key names hold no control characters, so every key line of an export reads back.
    static bool ValidKeyName(const QString& name);

    std::optional<TKeyId> FindKey(const QString& path);
    TKeyId CreateKey(const QString& path); // and its parents, when missing
    bool DeleteKey(const QString& path);   // with everything below; false if missing
    QStringList SubKeyNames(TKeyId key);

    std::optional<TStoredValue> Value(TKeyId key, const QString& name);
    std::vector<TStoredValue> Values(TKeyId key);
    void SetValue(TKeyId key, const TStoredValue& value);
    bool DeleteValue(TKeyId key, const QString& name); // false if missing

    // Opens stores through another SQLite VFS (tests inject write failures); empty: the
    // default.
    static void SetVfs(const QString& name);

private:
    enum class TOpenResult { Ok, Damaged, Held, Again, Failed };
    enum class TMode { Write, Read, ReadUnchanging };
    void Open();
    TOpenResult OpenAs(TMode mode);
    void Close();
    // The connection, opened again when an earlier opening failed; throws when it cannot be.
    sqlite3* Connection();
    TOpenResult InitSchema(bool writable);
    // Runs sql; rows gets the first column of every row, one per line.
    bool Step(const char* sql, std::string* rows = nullptr);
    TOpenResult Outcome() const;
    void KeepAside();
    // What is left of the wait for a process that holds the store (ms), set on the
    // connection for its next step.
    int WaitLeft() const;
    void SetWait();
    // The store's error of the last step (writing: a step that changes the store), told to
    // the user once unless another process held the store; Fail raises it.
    EStoreError Failure(const char* what, bool writing);
    [[noreturn]] void Fail(const char* what, bool writing);
    enum class TNotice { Damaged, Unwritable, Unreadable };
    void AddNotice(TNotice kind, const QString& text);
    static QString& VfsOverride();
    sqlite3_stmt* Prepare(const char* sql);

    QString File;
    sqlite3* Db = nullptr;
    std::map<const char*, sqlite3_stmt*> Statements;
    int Depth = 0;
    bool RollbackOnly = false;
    std::optional<QDeadlineTimer> Deadline; // set by a TWait scope
    bool ReadOnly = false;
    bool OpenHeld = false; // the last opening found the store held by another process
    QString FReadOnlyReason;
    QString LastError;
    std::vector<std::pair<TNotice, QString>> Notices; // not told yet
    std::set<TNotice> Told;                           // each kind is told once
};

} // namespace store
