// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An SQLite file layer over the real one that fails on request, so the tests can give the
// settings store a file it may not write, a full disk or a read that fails on any machine.
// Registered under the name "faulty"; the store uses it through TSettingsStore::SetVfs.

#include <sqlite3.h>

#include <cstring>

class TFaultyVfs {
public:
    enum class TFault { None, ReadOnlyFile, FullDisk };

    static TFault& Fault() {
        static TFault fault = TFault::None;
        return fault;
    }

    // The read that fails with an input/output error, counting from 1 after this is set
    // (0: none), and whether it came.
    static void FailRead(int n) {
        ReadsLeft() = n;
        ReadFailed() = false;
    }
    // Likewise the write that fails.
    static void FailWrite(int n) { WritesLeft() = n; }

    static bool& ReadFailed() {
        static bool failed = false;
        return failed;
    }

    static void Register() {
        static bool done = false;
        if (done)
            return;
        done = true;
        Real() = sqlite3_vfs_find(nullptr);
        static sqlite3_vfs vfs = *Real();
        vfs.zName = "faulty";
        vfs.szOsFile = int(sizeof(TFile)) + Real()->szOsFile;
        vfs.xOpen = Open;
        sqlite3_vfs_register(&vfs, 0);
    }

private:
    struct TFile {
        sqlite3_file Base;
        sqlite3_io_methods Methods;
        sqlite3_file* Inner() { return reinterpret_cast<sqlite3_file*>(this + 1); }
    };

    static int& ReadsLeft() {
        static int left = 0;
        return left;
    }
    static int& WritesLeft() {
        static int left = 0;
        return left;
    }

    static sqlite3_vfs*& Real() {
        static sqlite3_vfs* real = nullptr;
        return real;
    }

    static int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* out) {
        auto* f = reinterpret_cast<TFile*>(file);
        if (Fault() == TFault::ReadOnlyFile && (flags & SQLITE_OPEN_MAIN_DB) &&
            (flags & SQLITE_OPEN_READWRITE))
            flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
        const int rc = Real()->xOpen(Real(), name, f->Inner(), flags, out);
        if (rc != SQLITE_OK || !f->Inner()->pMethods) {
            file->pMethods = nullptr;
            return rc;
        }
        f->Methods = *f->Inner()->pMethods;
        f->Methods.xClose = [](sqlite3_file* p) {
            return reinterpret_cast<TFile*>(p)->Inner()->pMethods->xClose(
                reinterpret_cast<TFile*>(p)->Inner());
        };
        f->Methods.xRead = [](sqlite3_file* p, void* buf, int n, sqlite3_int64 at) {
            if (ReadsLeft() > 0 && --ReadsLeft() == 0) {
                ReadFailed() = true;
                return SQLITE_IOERR_READ;
            }
            auto* inner = reinterpret_cast<TFile*>(p)->Inner();
            return inner->pMethods->xRead(inner, buf, n, at);
        };
        f->Methods.xWrite = [](sqlite3_file* p, const void* buf, int n, sqlite3_int64 at) {
            if (Fault() == TFault::FullDisk)
                return SQLITE_FULL;
            if (WritesLeft() > 0 && --WritesLeft() == 0)
                return SQLITE_IOERR_WRITE;
            auto* inner = reinterpret_cast<TFile*>(p)->Inner();
            return inner->pMethods->xWrite(inner, buf, n, at);
        };
        // Every other call goes straight to the real file.
        Forward(f->Methods);
        file->pMethods = &f->Methods;
        return rc;
    }

    static void Forward(sqlite3_io_methods& m) {
#define K5_FORWARD(member, params, args)                                                           \
    m.member = [] params {                                                                         \
        auto* inner = reinterpret_cast<TFile*>(p)->Inner();                                        \
        return inner->pMethods->member args;                                                       \
    };
        K5_FORWARD(xTruncate, (sqlite3_file * p, sqlite3_int64 n), (inner, n))
        K5_FORWARD(xSync, (sqlite3_file * p, int flags), (inner, flags))
        K5_FORWARD(xFileSize, (sqlite3_file * p, sqlite3_int64 * n), (inner, n))
        K5_FORWARD(xLock, (sqlite3_file * p, int level), (inner, level))
        K5_FORWARD(xUnlock, (sqlite3_file * p, int level), (inner, level))
        K5_FORWARD(xCheckReservedLock, (sqlite3_file * p, int* out), (inner, out))
        K5_FORWARD(xFileControl, (sqlite3_file * p, int op, void* arg), (inner, op, arg))
        K5_FORWARD(xSectorSize, (sqlite3_file * p), (inner))
        K5_FORWARD(xDeviceCharacteristics, (sqlite3_file * p), (inner))
        K5_FORWARD(xShmMap, (sqlite3_file * p, int page, int size, int extend, void volatile** out),
                   (inner, page, size, extend, out))
        K5_FORWARD(xShmLock, (sqlite3_file * p, int offset, int n, int flags),
                   (inner, offset, n, flags))
        K5_FORWARD(xShmUnmap, (sqlite3_file * p, int remove), (inner, remove))
        K5_FORWARD(xFetch, (sqlite3_file * p, sqlite3_int64 at, int n, void** out),
                   (inner, at, n, out))
        K5_FORWARD(xUnfetch, (sqlite3_file * p, sqlite3_int64 at, void* ptr), (inner, at, ptr))
#undef K5_FORWARD
        m.xShmBarrier = [](sqlite3_file* p) {
            auto* inner = reinterpret_cast<TFile*>(p)->Inner();
            inner->pMethods->xShmBarrier(inner);
        };
    }
};
