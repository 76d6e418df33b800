// RecordingTableCalls: the service core's tables in memory, every call recorded with its arguments.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "broadcast_table_calls.h"

struct TableCall {
    std::string name;  // "load", "save" or "reload"
    std::string server;
    DWORD table = 0;
    DWORD size = 0;
    DWORD first = 0;  // load: first entry wanted
    DWORD number = 0;  // load: largest wanted; save: entries given
    DWORD replace = 0;
    DWORD domainWide = 0;
    bool operator==(const TableCall&) const = default;
};

class RecordingTableCalls : public BroadcastTableCalls {
public:
    // Entry size of each table, as the service core knows them.
    static DWORD EntrySize(DWORD table) { return table == 1 ? 80 : 24; }

    std::map<DWORD, std::vector<BYTE>> tables;  // the stored bytes of each table
    std::vector<TableCall> calls;
    DWORD failLoadAt = ~0u;  // the index of the load call that fails
    DWORD failSaveAt = ~0u;
    DWORD storeAtMost = ~0u;  // per save call

    DWORD TableLoad(const std::string& server, DWORD table, void* buffer, DWORD size, DWORD first, DWORD largest,
        DWORD* count) override
    {
        calls.push_back({"load", server, table, size, first, largest, 0, 0});
        if (Loads() - 1 == failLoadAt)
            return ERROR_ACCESS_DENIED;
        const DWORD entry = EntrySize(table);
        const std::vector<BYTE>& stored = tables[table];
        const DWORD have = DWORD(stored.size() / entry);
        const DWORD n = first >= have ? 0 : std::min({largest, have - first, size / entry});
        if (n)
            std::memcpy(buffer, stored.data() + size_t(first) * entry, size_t(n) * entry);
        *count = n;
        return 0;
    }
    DWORD TableSave(const std::string& server, DWORD table, const void* entries, DWORD size, DWORD number,
        DWORD replace, DWORD domainWide, DWORD* count) override
    {
        calls.push_back({"save", server, table, size, 0, number, replace, domainWide});
        if (Saves() - 1 == failSaveAt)
            return ERROR_ACCESS_DENIED;
        std::vector<BYTE>& stored = tables[table];
        if (replace)
            stored.clear();
        const DWORD n = std::min(number, storeAtMost);
        const BYTE* bytes = static_cast<const BYTE*>(entries);
        stored.insert(stored.end(), bytes, bytes + size_t(n) * EntrySize(table));
        *count = n;
        return 0;
    }
    DWORD TableReload(const std::string& server, DWORD table) override
    {
        calls.push_back({"reload", server, table, 0, 0, 0, 0, 0});
        return 0;
    }

    DWORD Loads() const { return Count("load"); }
    DWORD Saves() const { return Count("save"); }
    std::vector<TableCall> Of(const std::string& name) const
    {
        std::vector<TableCall> found;
        for (const TableCall& call : calls)
            if (call.name == name)
                found.push_back(call);
        return found;
    }

private:
    DWORD Count(const std::string& name) const
    {
        return DWORD(std::count_if(calls.begin(), calls.end(), [&](const TableCall& c) { return c.name == name; }));
    }
};
