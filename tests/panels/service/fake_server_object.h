// FakeServerObject: a recording stand-in for YNNIS's server objects, with the same table of
// operations slot for slot, handed to the panel as the library's objects would be.
#pragma once

#include <windows.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "scan_statistics.h"
#include "ynnis.h"

class FakeServerObject {
public:
    explicit FakeServerObject(std::string name = "", DWORD kind = kVexomarKindServer)
        : m_name(std::move(name)), m_kind(kind)
    {
    }

    CVexomarServer* AsServer() { return reinterpret_cast<CVexomarServer*>(this); }

    // Listings: the sizing call answers `sizingAnswer` with the count; the reading call
    // `readingAnswer` (0 copies the entries).
    std::vector<VexomarServerEntry> entries;
    DWORD sizingAnswer = ERROR_INSUFFICIENT_BUFFER;
    DWORD readingAnswer = 0;
    std::map<std::string, FakeServerObject*> children;
    std::vector<std::string> calls;

    DWORD stateWord = 0;
    DWORD versions[4] = {};
    DWORD lastScan = 0;
    DWORD statisticsAnswer = 0;
    ScanStatistics statistics;
    int statisticsReads = 0;

    // Connect: each attempt takes the next answer and message number; the last one repeats.
    struct ConnectAnswer {
        DWORD answer;
        DWORD message;
    };
    std::vector<ConnectAnswer> connectAnswers {{0, 0}};
    size_t connects = 0;
    std::string userName = "operator";
    std::string logonText = "Vexomar Service on this server";

    /* 0 */ virtual DWORD Kind() { return m_kind; }
    /* 1 */ virtual DWORD QueryStateWord(DWORD* word)
    {
        *word = stateWord;
        return 0;
    }
    /* 2 */ virtual DWORD QueryVersions(DWORD* four)
    {
        std::memcpy(four, versions, sizeof versions);
        return 0;
    }
    /* 3 */ virtual FakeServerObject* ChildServer(const char* key)
    {
        calls.push_back(std::string("3(") + key + ")");
        auto found = children.find(key);
        return found == children.end() ? nullptr : found->second;
    }
    /* 4 */ virtual const char* Name(DWORD) { return m_name.c_str(); }
    /* 5 */ virtual DWORD QueryLastScan(DWORD* seconds)
    {
        *seconds = lastScan;
        return 0;
    }
    /* 6 */ virtual const char* DomainName() { return "SALES"; }
    /* 7 */ virtual DWORD NeedsLogon() { return 0; }
    /* 8 */ virtual DWORD Refresh()
    {
        calls.push_back("8");
        return 0;
    }
    /* 9 */ virtual DWORD Connect(DWORD* message, DWORD force)
    {
        calls.push_back("9(" + std::to_string(force) + ")");
        const ConnectAnswer& next = connectAnswers[connects < connectAnswers.size() ? connects : connectAnswers.size() - 1];
        ++connects;
        *message = next.message;
        return next.answer;
    }
    /* 10 */ virtual const char* UserName() { return userName.c_str(); }
    /* 11 */ virtual const char* LogonText() { return logonText.c_str(); }
    /* 12 */ virtual DWORD SetCredentials(const char* user, const char* password)
    {
        calls.push_back(std::string("12(") + user + "," + password + ")");
        userName = user;
        return 0;
    }
    /* 13 */ virtual DWORD ListDomains(VexomarServerEntry* buffer, DWORD* count) { return List(13, buffer, count); }
    /* 14 */ virtual DWORD ListSelf(VexomarServerEntry* buffer, DWORD* count) { return List(14, buffer, count); }
    /* 15 */ virtual DWORD StartServerService() { return 0; }
    /* 16 */ virtual DWORD StopServerService() { return 0; }
    /* 17 */ virtual DWORD QueryServiceState(DWORD*) { return 0; }
    /* 18 */ virtual DWORD RunJob() { return 0; }
    /* 19 */ virtual const char* DataFolder() { return "C:\\Sites\\ALPHA"; }
    /* 20 */ virtual DWORD IsLocal() { return 0; }
    /* 21 */ virtual DWORD ListServers(const char* first, const char* second, VexomarServerEntry* buffer, DWORD* count)
    {
        calls.push_back(std::string("21 texts '") + first + "' '" + second + "'");
        return List(21, buffer, count);
    }
    /* 22 */ virtual DWORD MemberCount() { return 0; }
    /* 23 */ virtual DWORD Reserved23() { return ERROR_CALL_NOT_IMPLEMENTED; }
    /* 24 */ virtual DWORD Reserved24() { return ERROR_CALL_NOT_IMPLEMENTED; }
    /* 25 */ virtual DWORD Reserved25() { return ERROR_CALL_NOT_IMPLEMENTED; }
    /* 26 */ virtual DWORD Reserved26() { return ERROR_CALL_NOT_IMPLEMENTED; }
    /* 27 */ virtual DWORD Reserved27() { return ERROR_CALL_NOT_IMPLEMENTED; }
    /* 28 */ virtual DWORD Reserved28() { return ERROR_CALL_NOT_IMPLEMENTED; }
    /* 29 */ virtual DWORD ReadScanStatistics(void* record, DWORD size)
    {
        ++statisticsReads;
        calls.push_back("29(" + std::to_string(size) + ")");
        if (statisticsAnswer != 0)
            return statisticsAnswer;
        const ScanStatisticsRecord bytes = EncodeScanStatistics(statistics);
        std::memcpy(record, bytes.data(), size < bytes.size() ? size : bytes.size());
        return 0;
    }

private:
    DWORD List(int slot, VexomarServerEntry* buffer, DWORD* count)
    {
        calls.push_back(std::to_string(slot) + (buffer ? "(buffer," : "(null,") + std::to_string(*count) + ")");
        const DWORD room = *count;
        *count = static_cast<DWORD>(entries.size());
        if (!buffer)
            return entries.empty() && sizingAnswer == ERROR_INSUFFICIENT_BUFFER ? 0 : sizingAnswer;
        if (readingAnswer != 0)
            return readingAnswer;
        if (room < entries.size())
            return ERROR_INSUFFICIENT_BUFFER;
        std::memcpy(buffer, entries.data(), entries.size() * sizeof(VexomarServerEntry));
        return 0;
    }

    std::string m_name;
    DWORD m_kind;
};

inline VexomarServerEntry MakeEntry(const char* name, const char* domainKey, const char* serverKey, DWORD kind)
{
    VexomarServerEntry entry = {};
    std::strncpy(entry.name, name, sizeof entry.name - 1);
    std::strncpy(entry.domainKey, domainKey, sizeof entry.domainKey - 1);
    std::strncpy(entry.serverKey, serverKey, sizeof entry.serverKey - 1);
    entry.kind = kind;
    return entry;
}
