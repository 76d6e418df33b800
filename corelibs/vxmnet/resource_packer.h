// Writes network entries into a caller's buffer the way the platform's enumeration hands them
// out: the NETRESOURCEW structures from the start, their strings from the end.
#pragma once

#include <windows.h>
#include <winnetwk.h>

#include <cstddef>
#include <string>
#include <vector>

#include "network_directory.h"

struct PackedEntry {
    std::wstring localName;
    std::wstring remoteName;
    std::wstring comment;
    DWORD scope = RESOURCE_GLOBALNET;
    DWORD type = 0;
    DWORD displayType = 0;
    DWORD usage = 0;
    // The platform's list of connections copies every local name as a string, so a connection
    // without a device hands out "" there, never no string.
    bool localNameAlways = false;
};

// Bytes one entry takes: the structure and its strings with their terminators.
std::size_t PackedSize(const PackedEntry& entry, const std::wstring& provider);

// Packs entries from `next` on, at most `limit` of them, as many as fit in `size` bytes.
// Answers how many were written and advances `next`; 0 written leaves `needed` at the size the
// first of them takes.
DWORD PackEntries(const std::vector<PackedEntry>& entries, std::size_t& next, DWORD limit, const std::wstring& provider,
    void* buffer, DWORD size, DWORD& needed);
