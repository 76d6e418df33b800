// BroadcastTableKind: what sets the NT domain, IP net and IP mask tables apart, one row each.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// "Yes", "No", "Auto" and "User" as the rows show them.
struct BroadcastTableTexts {
    std::string yes;
    std::string no;
    std::string automatic;
    std::string user;
    // From the module's string table.
    static BroadcastTableTexts Load();
};

struct BroadcastTableColumn {
    const char* title;
    int units;  // half widths of the font's widest character
};

struct BroadcastTableKind {
    UINT pageTemplate;
    UINT entryTemplate;
    DWORD table;  // the service core's table number, also its bit for a domain sync
    DWORD entrySize;
    DWORD largest;
    DWORD perCall;  // entries per load or save call
    std::size_t enabledOffset;  // the enabled byte; the owner byte follows it
    std::vector<BroadcastTableColumn> columns;
    UINT fullMessage;
    UINT modifyError;
    UINT nullEntryMessage;
    // The domain table is saved only after a change; the address tables whenever shown.
    bool savesOnlyWhenModified;
    // The list row of an entry, its columns separated by TABs.
    std::string (*rowText)(const BYTE* entry, const BroadcastTableTexts& texts);
    // The entry a row stands for (every byte written).
    void (*entryFromRow)(const std::string& row, BYTE* entry, const BroadcastTableTexts& texts);

    bool Enabled(const BYTE* entry) const { return entry[enabledOffset] != 0; }
};

extern const BroadcastTableKind kNtDomainTable;
extern const BroadcastTableKind kIpNetTable;
extern const BroadcastTableKind kIpMaskTable;

// What the conversion gives for a text that is no address (and for 255.255.255.255).
constexpr DWORD kNoAddress = 0xFFFFFFFF;

// Dotted notation of an address in network byte order; "Unknown" when it cannot be converted.
std::string DottedAddress(DWORD address);
// The address of a dotted text; kNoAddress when it does not convert.
DWORD AddressOf(const std::string& text);
