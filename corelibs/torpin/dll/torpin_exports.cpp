// TORPIN.DLL's exported functions: argument checks, the walk state, and no exception
// ever leaving the library.
#include <windows.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "archive_library.h"
#include "archive_limits.h"
#include "torpin.h"
#include "walk_state.h"

using torpin::ArchiveLibrary;
using torpin::ArchiveWalk;
using torpin::WalkState;

namespace {

// Every call is serialised: the scanner calls from one thread, and a second caller
// must not see a walk half changed.
std::mutex& callLock()
{
    static std::mutex lock;
    return lock;
}

std::map<DWORD, std::unique_ptr<ArchiveLibrary>>& libraries()
{
    static std::map<DWORD, std::unique_ptr<ArchiveLibrary>> all;
    return all;
}

DWORD nextHandle = 0x7A000001;

ArchiveLibrary* libraryOf(DWORD handle)
{
    auto found = libraries().find(handle);
    return found == libraries().end() ? nullptr : found->second.get();
}

// The walk a state refers to, when the state is one this library filled and the walk
// is still open; anything else (a fresh or reused block) refers to none.
ArchiveWalk* walkOf(void* state, ArchiveLibrary** owner = nullptr)
{
    if (!state)
        return nullptr;
    auto* s = static_cast<WalkState*>(state);
    if (s->magic != torpin::kWalkStateMagic)
        return nullptr;
    ArchiveLibrary* library = libraryOf(s->library);
    if (!library || !library->owns(s->walk))
        return nullptr;
    if (owner)
        *owner = library;
    return s->walk;
}

bool validPath(LPCSTR path)
{
    return path && path[0] != '\0' && std::strlen(path) <= torpin::limits::kMaxPathBytes;
}

std::string defaultTemporaryDirectory()
{
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetTempPathA(sizeof buffer, buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string("C:\\");
}

}  // namespace

extern "C" {

DWORD WINAPI InitDecompression(DWORD flags)
{
    (void)flags;  // the caller's buffer hint; the decoders size their own buffers
    try {
        std::lock_guard<std::mutex> hold(callLock());
        DWORD handle = nextHandle++;
        auto library = std::make_unique<ArchiveLibrary>(GetCurrentProcessId() * 0x10000u + GetTickCount());
        library->setTemporaryDirectory(defaultTemporaryDirectory());
        libraries()[handle] = std::move(library);
        return handle;
    } catch (...) {
        return 0;
    }
}

BOOL WINAPI SetTemporaryDirectory(DWORD handle, LPCSTR directory)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveLibrary* library = libraryOf(handle);
        if (!library || !validPath(directory))
            return FALSE;
        library->setTemporaryDirectory(directory);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

BOOL WINAPI SetExtensionList(DWORD handle, const char* extensions, int count)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveLibrary* library = libraryOf(handle);
        if (!library)
            return FALSE;
        library->setExtensions(extensions, extensions ? count : 0);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

int WINAPI GetArchiveFileType(DWORD handle, LPCSTR path)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveLibrary* library = libraryOf(handle);
        if (!library || !validPath(path))
            return TORPIN_TYPE_NONE;
        return static_cast<int>(library->typeOf(path));
    } catch (...) {
        return TORPIN_TYPE_NONE;
    }
}

BOOL WINAPI OpenArchiveFile(DWORD handle, LPCSTR path, void* state)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        if (!state)
            return FALSE;
        ArchiveLibrary* previousOwner = nullptr;
        if (ArchiveWalk* previous = walkOf(state, &previousOwner))
            previousOwner->closeWalk(previous);
        auto* s = static_cast<WalkState*>(state);
        std::memset(s, 0, sizeof *s);
        ArchiveLibrary* library = libraryOf(handle);
        if (!library || !validPath(path))
            return FALSE;
        ArchiveWalk* walk = library->openWalk(path);
        if (!walk)
            return FALSE;
        s->magic = torpin::kWalkStateMagic;
        s->library = handle;
        s->walk = walk;
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

LPCSTR WINAPI GetFirstFileName(void* state)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveWalk* walk = walkOf(state);
        return walk ? walk->first() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

LPCSTR WINAPI GetNextFileName(void* state)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveWalk* walk = walkOf(state);
        return walk ? walk->next() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

LPCSTR WINAPI ExtractCurrentFile(void* state)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveWalk* walk = walkOf(state);
        return walk ? walk->extractCurrent() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

BOOL WINAPI RemoveCurrentFile(void* state)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveWalk* walk = walkOf(state);
        return walk && walk->removeCurrent() ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

BOOL WINAPI CloseArchiveFile(void* state)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveLibrary* library = nullptr;
        ArchiveWalk* walk = walkOf(state, &library);
        if (!walk)
            return FALSE;
        library->closeWalk(walk);
        std::memset(state, 0, sizeof(WalkState));
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

BOOL WINAPI DecompressMSCompressedFile(DWORD handle, LPCSTR path, LPSTR expandedPath, DWORD reserved)
{
    (void)reserved;
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveLibrary* library = libraryOf(handle);
        if (!library || !validPath(path) || !expandedPath)
            return FALSE;
        std::string expanded;
        if (!library->expand(path, expanded))
            return FALSE;
        // The caller's buffer holds a Windows path; generated names never exceed it.
        std::memcpy(expandedPath, expanded.c_str(), expanded.size() + 1);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

int WINAPI GetLastExtractStatus(void* state)
{
    static_assert(static_cast<int>(torpin::ExtractStatus::WriteFailed) == TORPIN_EXTRACT_WRITE_FAILED);
    static_assert(static_cast<int>(torpin::ExtractStatus::Corrupt) == TORPIN_EXTRACT_DAMAGED);
    try {
        std::lock_guard<std::mutex> hold(callLock());
        ArchiveWalk* walk = walkOf(state);
        return walk ? static_cast<int>(walk->lastStatus()) : TORPIN_EXTRACT_NO_MEMBER;
    } catch (...) {
        return TORPIN_EXTRACT_NO_MEMBER;
    }
}

BOOL WINAPI DeInitDecompression(DWORD handle)
{
    try {
        std::lock_guard<std::mutex> hold(callLock());
        return libraries().erase(handle) != 0 ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

}  // extern "C"
