#pragma once
// The per-user settings store: a tree of keys holding named, typed values, with the
// semantics of a registry hive (names case-insensitive and case-preserving, typed values,
// whole key trees deleted at once). It lives in one SQLite database, so several clock
// processes can save at the same moment and a crash never leaves half a group written.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
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

class TSettingsStore {
public:
    // The user's store: $XDG_CONFIG_HOME/korvane5/settings.db (~/.config when unset).
    static TSettingsStore& User();
    static QString UserStorePath();
    // Replaces the user's store by one at another file (tests); empty: the default.
    static void SetUserStorePath(const QString& path);

    // Opens (or creates) the store in file. A file that is no valid database is kept
    // aside under a new name and a fresh store is started; Notice() then says so. A store
    // that cannot be written is opened for reading.
    explicit TSettingsStore(const QString& file);
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    QString FilePath() const { return File; }
    bool IsOpen() const { return Db != nullptr; }
    // Open for reading only, and why writing was not possible.
    bool IsReadOnly() const { return Db && ReadOnly; }
    QString ReadOnlyReason() const { return FReadOnlyReason; }
    // The message about a damaged store, given once; empty afterwards and normally.
    QString TakeNotice();

    // How long a write waits for another process that holds the store (ms): a second
    // unless a scope says otherwise; Busy() tells whether the last write found it held.
    class TWriteWait {
    public:
        TWriteWait(TSettingsStore& store, int ms);
        ~TWriteWait();
        TWriteWait(const TWriteWait&) = delete;
        TWriteWait& operator=(const TWriteWait&) = delete;

    private:
        TSettingsStore& Store;
        int Before;
    };
    bool Busy() const { return FBusy; }

    // Groups writes: the outermost scope commits on Commit(), rolls back otherwise.
    class Transaction {
    public:
        explicit Transaction(TSettingsStore& store);
        ~Transaction();
        void Commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

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
    std::optional<TKeyId> CreateKey(const QString& path);
    bool DeleteKey(const QString& path); // with everything below; false if missing
    QStringList SubKeyNames(TKeyId key);
    QString KeyName(TKeyId key);

    std::optional<TStoredValue> Value(TKeyId key, const QString& name);
    std::vector<TStoredValue> Values(TKeyId key);
    bool SetValue(TKeyId key, const TStoredValue& value);
    bool DeleteValue(TKeyId key, const QString& name);

    // Raises the store's error as an exception when the last step failed.
    [[noreturn]] void Fail(const char* what);

    // Opens stores through another SQLite VFS (tests inject write failures); empty: the
    // default.
    static void SetVfs(const QString& name);

private:
    enum class TOpenResult { Ok, Damaged, Failed };
    enum class TMode { Write, Read, ReadUnchanging };
    void Open();
    TOpenResult OpenAs(TMode mode);
    void Close();
    TOpenResult InitSchema(bool writable);
    bool Step(const char* sql, std::string* firstColumn = nullptr);
    TOpenResult Outcome() const;
    void KeepAside();
    static QString& VfsOverride();
    sqlite3_stmt* Prepare(const char* sql);
    void Exec(const char* sql);

    QString File;
    sqlite3* Db = nullptr;
    std::map<const char*, sqlite3_stmt*> Statements;
    int Depth = 0;
    bool RollbackOnly = false;
    int WriteWaitMs = 1000;
    bool FBusy = false;
    bool ReadOnly = false;
    QString FReadOnlyReason;
    QString LastError;
    QString Notice;
};

} // namespace store
