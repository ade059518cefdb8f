// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Another process's hold on the settings store, as a backup tool or the sqlite3 shell in
// its exclusive locking mode takes it: nobody else can even read the store until Release.

#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <sqlite3.h>

class THeldStore {
public:
    enum class THold { Writing, Whole }; // a writer's lock (readers go on), or every lock

    THeldStore(const QString& file, THold hold) {
        EXPECT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &Db), SQLITE_OK);
        const char* sql = hold == THold::Whole
                              ? "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;"
                              : "BEGIN IMMEDIATE";
        EXPECT_EQ(sqlite3_exec(Db, sql, nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(Db);
    }
    ~THeldStore() { Release(); }
    THeldStore(const THeldStore&) = delete;
    THeldStore& operator=(const THeldStore&) = delete;

    void Release() {
        if (Db)
            sqlite3_close_v2(Db); // an open transaction is rolled back
        Db = nullptr;
    }

private:
    sqlite3* Db = nullptr;
};
