// ServerNode: one node of the domain and server tree and the listing of its children.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "ynnis.h"

// What the tree reads of a listed entry, where the library puts it.
static_assert(sizeof(VexomarServerEntry) == 180);
static_assert(offsetof(VexomarServerEntry, name) == 0);
static_assert(offsetof(VexomarServerEntry, domainKey) == 48);
static_assert(offsetof(VexomarServerEntry, serverKey) == 96);
static_assert(offsetof(VexomarServerEntry, kind) == 144);
static_assert(offsetof(VexomarServerEntry, stateWord) == 148);
static_assert(offsetof(VexomarServerEntry, flags) == 152);

// The three listings of a server object, by slot.
enum class ChildListing {
    None,
    Domains,  // slot 13: children get their object through slot 3 with the entry's offset 48
    Self,  // slot 14: children share the parent's object; entries with an empty name are skipped
    Servers,  // slot 21: children get their object through slot 3 with the entry's offset 96
};

// Kind 1 stands for a network branch; domains are kind 2 and servers kind 3.
inline constexpr DWORD kNodeBranch = kVexomarKindNetwork;
inline constexpr DWORD kNodeDomain = kVexomarKindDomain;
inline constexpr DWORD kNodeServer = kVexomarKindServer;

struct ServerNode {
    DWORD kind = kNodeBranch;
    std::string name;
    int level = 1;  // in its branch, 1 at the top
    ServerNode* parent = nullptr;
    CVexomarServer* object = nullptr;  // the library's, never freed here
    ChildListing listing = ChildListing::None;
    DWORD entryFlags = 0;  // of the entry that listed it: 1 asks for a logon, 2 this computer
    DWORD stateWord = 0;  // a server's, as its object gave it at the last update (0 inactive)
    HTREEITEM item = nullptr;
    bool marked = false;
    bool filled = false;
    std::vector<std::unique_ptr<ServerNode>> children;

    ServerNode* FindChild(const std::string& childName) const;
};

// What a listing gave: the entries, or nothing at all when the object refused.
std::vector<VexomarServerEntry> ListEntries(CVexomarServer& object, ChildListing listing);

// The server object of a listed child.
CVexomarServer* ChildObject(CVexomarServer& parent, ChildListing listing, const VexomarServerEntry& entry);
