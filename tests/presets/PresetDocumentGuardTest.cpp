// SPDX-License-Identifier: GPL-3.0-or-later
// The preset document's parser reads a multi-byte sequence whole, also where the text ends
// inside one. The parser is a system library the sanitizers do not see into, so this test
// puts the text the document reader makes at the very end of a page, before one that may
// not be read: a read past its end ends the test with SIGSEGV. It has its own executable
// because it replaces the global operator new.

#include "presets/PresetDocument.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::size_t ArmedSize = 0; // the next allocation of this size is guarded
void* Guarded = nullptr;   // that allocation
void* Mapping = nullptr;   // and the pages around it
std::size_t MappingLength = 0;

void* GuardedAllocation(std::size_t size) {
    const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    const std::size_t pages = (size + page - 1) / page + 1;
    void* map =
        ::mmap(nullptr, pages * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED)
        return nullptr;
    char* base = static_cast<char*>(map);
    ::mprotect(base + (pages - 1) * page, page, PROT_NONE);
    Mapping = map;
    MappingLength = pages * page;
    return base + (pages - 1) * page - size;
}

} // namespace

void* operator new(std::size_t size) {
    if (ArmedSize != 0 && size == ArmedSize) {
        ArmedSize = 0;
        if ((Guarded = GuardedAllocation(size)))
            return Guarded;
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    if (p && p == Guarded) {
        ::munmap(Mapping, MappingLength);
        Guarded = nullptr;
        return;
    }
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

// The nothrow forms go through these too: left to the sanitizer, nothrow new (which
// std::stable_sort's buffer uses) hands out memory that the delete above may not free.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* p, const std::nothrow_t&) noexcept {
    operator delete(p);
}

TEST(PresetDocumentGuardTest, TheParserCannotReadPastTheText) {
    const auto now = [] { return 0.0; };
    for (const std::string& body : {std::string("<korvane5xml version=\"1\">\xF2"),
                                    std::string("<korvane5xml version=\"1\"><item x=\"\xF4")}) {
        // The reader's copy of the text, with its terminating zero, lands on the guard.
        ArmedSize = body.size() + 1;
        const auto list = presets::ReadPresetDocument(body, now, presets::TDateTimeContext());
        ArmedSize = 0;
        EXPECT_FALSE(list.has_value());
    }
}
