// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/FolderWalk.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace skins {

TFolderOpen OpenFolder(int at, const char* name, int& fd, TFolderId& id) {
    // Opening first and asking only on failure saves a look-up per skin.
    struct stat st;
    fd = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        if (::fstat(fd, &st) == 0) {
            id = {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
            return TFolderOpen::Open;
        }
        ::close(fd);
        fd = -1;
    }
    const int why = errno;
    if (::fstatat(at, name, &st, 0) != 0 || !S_ISDIR(st.st_mode))
        return TFolderOpen::None;
    id = {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
    errno = why;
    return TFolderOpen::Unreadable;
}

bool TFolderWalk::MayBeFolder(const dirent64& entry) {
    // Hidden entries (and "." and "..") begin with a dot on this platform.
    return entry.d_name[0] != '.' &&
           (entry.d_type == DT_DIR || entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN);
}

bool TFolderWalk::HoldsFolder(int fd) {
    // A descriptor of its own: the caller's stays at the start of the listing.
    const int own = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (own < 0)
        return false;
    bool holds = false;
    std::vector<char> buffer(8192);
    for (ssize_t length; !holds && (length = ::getdents64(own, buffer.data(), buffer.size())) > 0;)
        for (ssize_t offset = 0; !holds && offset < length;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + offset);
            offset += entry->d_reclen;
            struct stat st;
            holds = MayBeFolder(*entry) &&
                    (entry->d_type == DT_DIR ||
                     (::fstatat(own, entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode)));
        }
    ::close(own);
    return holds;
}

void TFolderWalk::Start(const TFolderId& root) {
    Entered = {root};
}

TFolderWalk::TTake TFolderWalk::Take(int at, const dirent64& entry, int fd, const TFolderId& id) {
    struct stat st;
    const bool link =
        entry.d_type == DT_LNK ||
        (entry.d_type == DT_UNKNOWN && ::fstatat(at, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISLNK(st.st_mode));
    if (link)
        return HoldsFolder(fd) ? TTake::Leave : TTake::Skin;
    return Entered.insert(id).second ? TTake::Enter : TTake::Leave;
}

} // namespace skins
