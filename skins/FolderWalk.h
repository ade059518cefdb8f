// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the skins folders are walked, one rule for the clock's catalogue and the skin kit:
// which entries of a folder may be folders, which folders are entered and where a link may
// lead. Each real folder (device and inode) is entered once, by its own name; a link is
// taken only to a skin, a folder that holds no folder. So a link never makes a walk list
// a folder twice (two links a level to the next would double the work at every level),
// nor lead it out of its root through the whole file system (a link to / holds folders).
// Names are the file system's bytes.

#include <cstdint>
#include <dirent.h>
#include <set>
#include <unistd.h>
#include <utility>

namespace skins {

// Closes a file descriptor it owns when it goes.
class TFd {
public:
    explicit TFd(int fd) : Fd(fd) {}
    ~TFd() {
        if (Fd >= 0)
            ::close(Fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Release() { return std::exchange(Fd, -1); }

private:
    int Fd;
};

using TFolderId = std::pair<std::uint64_t, std::uint64_t>; // device, inode

enum class TFolderOpen { None, Unreadable, Open };

// Opens entry name of the open folder at (AT_FDCWD: name is a path) as a folder, fd then
// owning it; id is the folder's device and inode. A file, a link to one or a broken link
// is None; a folder that cannot be opened is Unreadable, errno saying why.
TFolderOpen OpenFolder(int at, const char* name, int& fd, TFolderId& id);

class TFolderWalk {
public:
    // Whether an entry may be a skin or a category by its name and type: not hidden (its
    // name begins with a dot), and a folder, a link or of a type the file system does not
    // say. Files cost nothing more.
    static bool MayBeFolder(const dirent64& entry);
    // Whether the open folder fd holds an entry that is a folder, or a link to one.
    static bool HoldsFolder(int fd);

    // A walk from a root: the root counts as entered.
    void Start(const TFolderId& root);
    enum class TTake { Enter, Skin, Leave };
    // What the walk does with the folder fd (id) it opened as entry of folder at: a real
    // folder is entered, once; through a link, a skin is taken and any other folder left.
    TTake Take(int at, const dirent64& entry, int fd, const TFolderId& id);

private:
    std::set<TFolderId> Entered;
};

} // namespace skins
