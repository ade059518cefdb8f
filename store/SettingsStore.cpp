// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsStore.h"

#include "common/Errors.h"
#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <sqlite3.h>
#include <string>

namespace store {

namespace {

constexpr TKeyId RootKey = 1;

QString& UserPathOverride() {
    static QString path;
    return path;
}

std::unique_ptr<TSettingsStore>& UserStore() {
    static std::unique_ptr<TSettingsStore> store;
    return store;
}

QString Fold(const QString& name) {
    return name.toCaseFolded();
}

void BindText(sqlite3_stmt* st, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString ColumnText(sqlite3_stmt* st, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, column)),
                             sqlite3_column_bytes(st, column));
}

QByteArray ColumnBlob(sqlite3_stmt* st, int column) {
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(st, column)),
                      sqlite3_column_bytes(st, column));
}

// Resets a cached statement when the caller is done with it, whatever happens.
struct TStatementUse {
    sqlite3_stmt* St;
    ~TStatementUse() {
        sqlite3_reset(St);
        sqlite3_clear_bindings(St);
    }
};

} // namespace

QString TSettingsStore::UserStorePath() {
    if (!UserPathOverride().isEmpty())
        return UserPathOverride();
    return platform::ConfigHome() + QStringLiteral("/korvane5/settings.db");
}

TSettingsStore& TSettingsStore::User() {
    if (!UserStore())
        UserStore() = std::make_unique<TSettingsStore>(UserStorePath());
    return *UserStore();
}

void TSettingsStore::SetUserStorePath(const QString& path) {
    UserStore().reset();
    UserPathOverride() = path;
}

TSettingsStore::TSettingsStore(const QString& file) : File(file) {}

bool TSettingsStore::IsOpen() {
    if (!Db)
        Open();
    return Db != nullptr;
}

TSettingsStore::~TSettingsStore() {
    Close();
}

void TSettingsStore::Close() {
    for (auto& [sql, st] : Statements)
        sqlite3_finalize(st);
    Statements.clear();
    if (Db)
        sqlite3_close(Db);
    Db = nullptr;
}

QString& TSettingsStore::VfsOverride() {
    static QString name;
    return name;
}

void TSettingsStore::SetVfs(const QString& name) {
    VfsOverride() = name;
}

void TSettingsStore::Open() {
    QDir().mkpath(QFileInfo(File).absolutePath());
    ReadOnly = false;
    OpenHeld = false;
    // Reading never needs writing: a store that cannot be written (a read-only file,
    // folder or file system, a full disk) is opened for reading, and only a file that is
    // no valid store is kept aside. One that another process holds is not read past as
    // unchanging media, which could read half a change: the next call opens it again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        TOpenResult result = OpenAs(TMode::Write);
        if (result == TOpenResult::Failed) {
            FReadOnlyReason = LastError;
            result = OpenAs(TMode::Read);
            if (result == TOpenResult::Failed)
                result = OpenAs(TMode::ReadUnchanging);
            ReadOnly = result == TOpenResult::Ok;
        }
        if (result == TOpenResult::Ok) {
            if (ReadOnly)
                AddNotice(TNotice::Unwritable,
                          QCoreApplication::translate(
                              "TSettingsStore", "The settings store %1 can only be read (%2): what "
                                                "you change is not kept.")
                              .arg(File, FReadOnlyReason));
            return;
        }
        OpenHeld = result == TOpenResult::Held;
        if (result != TOpenResult::Damaged)
            return; // no store for now: the next call tries again
        // Only a file the library itself calls no database or corrupt is put aside.
        KeepAside();
    }
}

sqlite3* TSettingsStore::Connection() {
    if (!Db)
        Open();
    if (Db)
        return Db;
    if (OpenHeld)
        throw EStoreError(QStringLiteral("Settings store %1: another program holds it").arg(File),
                          true);
    AddNotice(TNotice::Unreadable,
              QCoreApplication::translate(
                  "TSettingsStore",
                  "The settings store %1 could not be opened (%2). The clock shows "
                  "its defaults and writes nothing over what it could not read.")
                  .arg(File, LastError));
    throw EStoreError(
        QStringLiteral("Settings store %1: cannot be opened: %2").arg(File, LastError), false);
}

int TSettingsStore::WaitLeft() const {
    return Deadline ? int(std::max<qint64>(0, Deadline->remainingTime())) : 1000;
}

void TSettingsStore::SetWait() {
    sqlite3_busy_timeout(Db, WaitLeft());
}

TSettingsStore::TOpenResult TSettingsStore::OpenAs(TMode mode) {
    Close();
    const QByteArray vfs = VfsOverride().toUtf8();
    QByteArray name = QFile::encodeName(File);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (mode != TMode::Write) {
        // A WAL store on a read-only file system cannot be read normally (its shared-memory
        // file cannot be made); as unchanging media it can, and nobody can change it there.
        QByteArray uri = QUrl::fromLocalFile(File).toEncoded();
        uri += mode == TMode::Read ? "?mode=ro" : "?immutable=1";
        name = uri;
        flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
    }
    // A store holds a few small pages: a connection needs no bulk page cache made ahead
    // (two of them were the largest allocations of an idle clock). This only works before
    // SQLite's first use, so it is asked once, before the first open.
    [[maybe_unused]] static const int bulkCacheOff =
        sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
    if (sqlite3_open_v2(name.constData(), &Db, flags, vfs.isEmpty() ? nullptr : vfs.constData()) !=
        SQLITE_OK) {
        LastError = Db ? QString::fromUtf8(sqlite3_errmsg(Db)) : QStringLiteral("out of memory");
        const TOpenResult result = Db ? Outcome() : TOpenResult::Again;
        Close();
        return result;
    }
    const TOpenResult result = InitSchema(mode == TMode::Write);
    if (result == TOpenResult::Ok && mode == TMode::Write && sqlite3_db_readonly(Db, "main") == 1) {
        // SQLite opened a file it may not write for reading by itself.
        ReadOnly = true;
        FReadOnlyReason = QStringLiteral("the file cannot be written");
    }
    if (result != TOpenResult::Ok) {
        LastError = QString::fromUtf8(sqlite3_errmsg(Db));
        Close();
    }
    return result;
}

bool TSettingsStore::Step(const char* sql, std::string* rows) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(Db, sql, -1, &st, nullptr) != SQLITE_OK)
        return false;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        if (rows && sqlite3_column_text(st, 0))
            *rows += (rows->empty() ? "" : "\n") +
                     std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

TSettingsStore::TOpenResult TSettingsStore::InitSchema(bool writable) {
    // Readers of a WAL store never wait on a writer; only a store another clock is making
    // right now (still in its first journal mode) or recovering, or a process that locks it
    // whole, can keep them, for as long as the caller allows.
    SetWait();
    if (!Step("PRAGMA foreign_keys=ON"))
        return Outcome();
    // Opening an existing store only reads, so another process that holds it locked for
    // writing never makes the start-up wait.
    std::string check;
    if (!Step("PRAGMA quick_check", &check))
        return Outcome();
    // A page that could not be read ("unable to get the page. error code=...") says nothing
    // of the file's content: only what was read and found wrong is damage.
    if (check.find("error code=") != std::string::npos)
        return TOpenResult::Again;
    if (check != "ok")
        return TOpenResult::Damaged; // damaged pages in a readable file
    std::string tables;
    if (!Step("SELECT count(*) FROM sqlite_master WHERE type='table' AND name IN ('keys','vals')",
              &tables))
        return Outcome();
    if (tables == "2")
        return Step("PRAGMA synchronous=NORMAL") || !writable ? TOpenResult::Ok : Outcome();
    if (!writable)
        return TOpenResult::Failed; // nothing to read: the defaults stand
    // A fresh store (a new file, or one cut to nothing). Several clocks may make it at
    // once; switching it to WAL can report "busy" without waiting, so that is tried again
    // for as long as the caller allows.
    static const char* const steps[] = {
        "PRAGMA journal_mode=WAL",
        "PRAGMA synchronous=NORMAL",
        "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY,"
        " parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,"
        " name TEXT NOT NULL, folded TEXT NOT NULL)",
        "CREATE UNIQUE INDEX IF NOT EXISTS keys_child ON keys(parent, folded)",
        "CREATE TABLE IF NOT EXISTS vals(seq INTEGER PRIMARY KEY,"
        " key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
        " name TEXT NOT NULL, folded TEXT NOT NULL, type INTEGER NOT NULL,"
        " data BLOB NOT NULL, UNIQUE(key, folded))",
        "INSERT OR IGNORE INTO keys(id, parent, name, folded) VALUES(1, NULL, '', '')",
    };
    for (const char* sql : steps) {
        while (!Step(sql)) {
            const int code = sqlite3_errcode(Db) & 0xff;
            if ((code != SQLITE_BUSY && code != SQLITE_LOCKED) || WaitLeft() == 0)
                return Outcome();
            QThread::msleep(20);
        }
    }
    return TOpenResult::Ok;
}

TSettingsStore::TOpenResult TSettingsStore::Outcome() const {
    const int code = sqlite3_extended_errcode(Db) & 0xff;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        return TOpenResult::Damaged;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        return TOpenResult::Held;
    // A read that failed says nothing of whether the store could be written.
    return code == SQLITE_IOERR || code == SQLITE_NOMEM ? TOpenResult::Again : TOpenResult::Failed;
}

void TSettingsStore::KeepAside() {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = File + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = File + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    QFile::rename(File, aside);
    for (const char* suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(File + QLatin1String(suffix)))
            QFile::rename(File + QLatin1String(suffix), aside + QLatin1String(suffix));
    AddNotice(TNotice::Damaged,
              QCoreApplication::translate(
                  "TSettingsStore",
                  "The settings store %1 could not be read. It was kept as %2 and "
                  "a fresh store was started.")
                  .arg(File, aside));
}

TSettingsStore::TWait::TWait(TSettingsStore& store, int ms) : Store(store), Before(store.Deadline) {
    Store.Deadline = QDeadlineTimer(std::max(ms, 0));
}

TSettingsStore::TWait::~TWait() {
    Store.Deadline = Before;
}

void TSettingsStore::AddNotice(TNotice kind, const QString& text) {
    if (Told.insert(kind).second)
        Notices.emplace_back(kind, text);
}

QString TSettingsStore::TakeNotice(bool forWriting) {
    QStringList texts;
    for (const auto& [kind, text] : Notices)
        if (forWriting || kind != TNotice::Unwritable)
            texts << text;
    const QString notice = texts.join(QStringLiteral("\n\n"));
    Notices.clear();
    return notice;
}

EStoreError TSettingsStore::Failure(const char* what, bool writing) {
    const int code = Db ? sqlite3_errcode(Db) & 0xff : SQLITE_CANTOPEN;
    const bool held = code == SQLITE_BUSY || code == SQLITE_LOCKED;
    const QString detail = Db ? QString::fromUtf8(sqlite3_errmsg(Db)) : QStringLiteral("not open");
    // Held is a moment's matter, retried by the callers; anything else the user hears of
    // once.
    if (!held && writing)
        AddNotice(TNotice::Unwritable,
                  QCoreApplication::translate(
                      "TSettingsStore",
                      "The settings store %1 cannot be written (%2): what you change "
                      "is not kept.")
                      .arg(File, detail));
    else if (!held)
        AddNotice(TNotice::Unreadable,
                  QCoreApplication::translate(
                      "TSettingsStore",
                      "The settings store %1 could not be read (%2). The clock shows "
                      "its defaults and writes nothing over what it could not read.")
                      .arg(File, detail));
    return EStoreError(QStringLiteral("Settings store: %1: %2").arg(QLatin1String(what), detail),
                       held);
}

void TSettingsStore::Fail(const char* what, bool writing) {
    throw Failure(what, writing);
}

sqlite3_stmt* TSettingsStore::Prepare(const char* sql) {
    Connection();
    SetWait();
    auto it = Statements.find(sql);
    if (it != Statements.end())
        return it->second;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(Db, sql, -1, &st, nullptr) != SQLITE_OK)
        Fail("prepare", false);
    Statements.emplace(sql, st);
    return st;
}

TSettingsStore::TTransaction::TTransaction(TSettingsStore& store) : Store(store) {
    if (Store.Depth == 0) {
        // Another process may hold the store for writing: wait for it no longer than the
        // caller allows.
        sqlite3* db = Store.Connection();
        Store.SetWait();
        if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
            Store.Fail("begin", true);
        Store.RollbackOnly = false;
    }
    ++Store.Depth;
}

void TSettingsStore::TTransaction::Commit() {
    if (Done)
        return;
    Done = true;
    if (--Store.Depth > 0)
        return;
    if (Store.RollbackOnly) {
        sqlite3_exec(Store.Db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw EStoreError(QStringLiteral("Settings store: a group whose inner part failed was "
                                         "not committed"),
                          false);
    }
    if (sqlite3_exec(Store.Db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const EStoreError failure = Store.Failure("commit", true);
        sqlite3_exec(Store.Db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw failure;
    }
}

TSettingsStore::TTransaction::~TTransaction() {
    if (Done)
        return;
    if (--Store.Depth > 0) {
        Store.RollbackOnly = true;
        return;
    }
    sqlite3_exec(Store.Db, "ROLLBACK", nullptr, nullptr, nullptr);
}

QStringList TSettingsStore::SplitPath(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

std::optional<TKeyId> TSettingsStore::FindKey(const QString& path) {
    TKeyId id = RootKey;
    sqlite3_stmt* st = Prepare("SELECT id FROM keys WHERE parent=? AND folded=?");
    for (const QString& part : SplitPath(path)) {
        TStatementUse use{st};
        sqlite3_bind_int64(st, 1, id);
        BindText(st, 2, Fold(part));
        const int rc = sqlite3_step(st);
        if (rc == SQLITE_DONE)
            return std::nullopt;
        if (rc != SQLITE_ROW)
            Fail("find key", false);
        id = sqlite3_column_int64(st, 0);
    }
    return id;
}

bool TSettingsStore::ValidKeyName(const QString& name) {
    return std::none_of(name.begin(), name.end(),
                        [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

TKeyId TSettingsStore::CreateKey(const QString& path) {
    for (const QString& part : SplitPath(path))
        if (!ValidKeyName(part))
            throw common::EException(
                QStringLiteral("a key name cannot hold line breaks or other control "
                               "characters"));
    TTransaction t(*this);
    TKeyId id = RootKey;
    sqlite3_stmt* find = Prepare("SELECT id FROM keys WHERE parent=? AND folded=?");
    sqlite3_stmt* insert = Prepare("INSERT INTO keys(parent, name, folded) VALUES(?, ?, ?)");
    for (const QString& part : SplitPath(path)) {
        {
            TStatementUse use{find};
            sqlite3_bind_int64(find, 1, id);
            BindText(find, 2, Fold(part));
            const int rc = sqlite3_step(find);
            if (rc == SQLITE_ROW) {
                id = sqlite3_column_int64(find, 0);
                continue;
            }
            if (rc != SQLITE_DONE)
                Fail("find key", true);
        }
        TStatementUse use{insert};
        sqlite3_bind_int64(insert, 1, id);
        BindText(insert, 2, part);
        BindText(insert, 3, Fold(part));
        if (sqlite3_step(insert) != SQLITE_DONE)
            Fail("create key", true);
        id = sqlite3_last_insert_rowid(Db);
    }
    t.Commit();
    return id;
}

bool TSettingsStore::DeleteKey(const QString& path) {
    if (SplitPath(path).isEmpty())
        return false;
    const std::optional<TKeyId> id = FindKey(path);
    if (!id)
        return false;
    sqlite3_stmt* st = Prepare("DELETE FROM keys WHERE id=?");
    TStatementUse use{st};
    sqlite3_bind_int64(st, 1, *id);
    if (sqlite3_step(st) != SQLITE_DONE)
        Fail("delete key", true);
    return true;
}

QStringList TSettingsStore::SubKeyNames(TKeyId key) {
    QStringList names;
    sqlite3_stmt* st = Prepare("SELECT name FROM keys WHERE parent=? ORDER BY folded");
    TStatementUse use{st};
    sqlite3_bind_int64(st, 1, key);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        names << ColumnText(st, 0);
    if (rc != SQLITE_DONE)
        Fail("list keys", false);
    return names;
}

std::optional<TStoredValue> TSettingsStore::Value(TKeyId key, const QString& name) {
    sqlite3_stmt* st = Prepare("SELECT name, type, data FROM vals WHERE key=? AND folded=?");
    TStatementUse use{st};
    sqlite3_bind_int64(st, 1, key);
    BindText(st, 2, Fold(name));
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_DONE)
        return std::nullopt;
    if (rc != SQLITE_ROW)
        Fail("read value", false);
    return TStoredValue{ColumnText(st, 0), sqlite3_column_int(st, 1), ColumnBlob(st, 2)};
}

std::vector<TStoredValue> TSettingsStore::Values(TKeyId key) {
    std::vector<TStoredValue> values;
    sqlite3_stmt* st = Prepare("SELECT name, type, data FROM vals WHERE key=? ORDER BY seq");
    TStatementUse use{st};
    sqlite3_bind_int64(st, 1, key);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        values.push_back({ColumnText(st, 0), sqlite3_column_int(st, 1), ColumnBlob(st, 2)});
    if (rc != SQLITE_DONE)
        Fail("list values", false);
    return values;
}

void TSettingsStore::SetValue(TKeyId key, const TStoredValue& value) {
    // A value written again under another letter case keeps the name it was created with.
    sqlite3_stmt* st = Prepare("INSERT INTO vals(key, name, folded, type, data) "
                               "VALUES(?, ?, ?, ?, ?) ON CONFLICT(key, folded) "
                               "DO UPDATE SET type=excluded.type, data=excluded.data");
    TStatementUse use{st};
    sqlite3_bind_int64(st, 1, key);
    BindText(st, 2, value.Name);
    BindText(st, 3, Fold(value.Name));
    sqlite3_bind_int(st, 4, value.Type);
    sqlite3_bind_blob(st, 5, value.Data.constData(), int(value.Data.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) != SQLITE_DONE)
        Fail("write value", true);
}

bool TSettingsStore::DeleteValue(TKeyId key, const QString& name) {
    sqlite3_stmt* st = Prepare("DELETE FROM vals WHERE key=? AND folded=?");
    TStatementUse use{st};
    sqlite3_bind_int64(st, 1, key);
    BindText(st, 2, Fold(name));
    if (sqlite3_step(st) != SQLITE_DONE)
        Fail("delete value", true);
    return sqlite3_changes(Db) > 0;
}

} // namespace store
