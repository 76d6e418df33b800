// YNNIS.DLL, the server-class library: the server objects behind the Service Manager's tree.
// The virtual operations sit at fixed slots of the object's table, counted from 0 in
// declaration order; the class has no virtual destructor, so nothing shifts them. Objects
// belong to the library and live until it is unloaded.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// One child of a listing (slots 13, 14 and 21), 180 bytes.
#pragma pack(push, 1)
struct VexomarServerEntry {
    char name[48];  // shown in the tree; zero-terminated
    char domainKey[48];  // slot 13 entries: the domain, for slot 3
    char serverKey[48];  // slot 21 entries: the server, for slot 3
    std::uint32_t kind;  // 2 domain, 3 server
    std::uint32_t stateWord;
    std::uint32_t flags;  // 1 asks for a logon, 2 this computer
    std::uint8_t reserved[24];
};
#pragma pack(pop)
static_assert(sizeof(VexomarServerEntry) == 180);
static_assert(offsetof(VexomarServerEntry, domainKey) == 48);
static_assert(offsetof(VexomarServerEntry, serverKey) == 96);

inline constexpr DWORD kVexomarKindNetwork = 1;
inline constexpr DWORD kVexomarKindDomain = 2;
inline constexpr DWORD kVexomarKindServer = 3;

// Connect answers (slot 9).
inline constexpr DWORD kConnectDone = 0;
inline constexpr DWORD kConnectFailed = 1;
inline constexpr DWORD kConnectNeedsCredentials = 2;
inline constexpr DWORD kConnectCredentialsRefused = 3;

class CVexomarServer {
public:
    /* 0 */ virtual DWORD Kind();
    // The state word (0 inactive; 0x0F00 job bits; 0xF000 real-time bits) from the background
    // query when it runs, else read now.
    /* 1 */ virtual DWORD QueryStateWord(DWORD* stateWord);
    // Product, signature, engine and operating system versions (major << 16 | minor).
    /* 2 */ virtual DWORD QueryVersions(DWORD* versions4);
    // The object of a listed child, given the entry's key (offset 48 of a slot 13 entry, 96 of
    // a slot 21 entry); nothing for an unknown key.
    /* 3 */ virtual CVexomarServer* ChildServer(const char* key);
    // The text DRUMEL takes as "server": the domain's name when `domain` is 1.
    /* 4 */ virtual const char* Name(DWORD domain);
    // End of the last finished job, seconds since 1970 UTC (0 when none).
    /* 5 */ virtual DWORD QueryLastScan(DWORD* seconds);
    /* 6 */ virtual const char* DomainName();
    /* 7 */ virtual DWORD NeedsLogon();
    // Reads this object's state now, past the background query.
    /* 8 */ virtual DWORD Refresh();
    // 0 connected; 1 failed with a message number; 2 credentials needed; 3 the credentials
    // given were refused (the message number says why). `force` checks again even when
    // this process has logged on already.
    /* 9 */ virtual DWORD Connect(DWORD* message, DWORD force);
    /* 10 */ virtual const char* UserName();
    /* 11 */ virtual const char* LogonText();
    /* 12 */ virtual DWORD SetCredentials(const char* user, const char* password);
    // Listings: `count` holds the room of `buffer` in entries; with too little room (or no
    // buffer) the answer is 122 and `count` the number needed. 0 with a count of 0: nothing.
    /* 13 */ virtual DWORD ListDomains(VexomarServerEntry* buffer, DWORD* count);
    /* 14 */ virtual DWORD ListSelf(VexomarServerEntry* buffer, DWORD* count);
    /* 15 */ virtual DWORD StartServerService();
    /* 16 */ virtual DWORD StopServerService();
    /* 17 */ virtual DWORD QueryServiceState(DWORD* state);
    /* 18 */ virtual DWORD RunJob();
    /* 19 */ virtual const char* DataFolder();
    /* 20 */ virtual DWORD IsLocal();
    /* 21 */ virtual DWORD ListServers(
        const char* filter1, const char* filter2, VexomarServerEntry* buffer, DWORD* count);
    /* 22 */ virtual DWORD MemberCount();
    // Slots 23 to 28 are kept free for later operations; they answer 120 (not implemented).
    /* 23 */ virtual DWORD Reserved23();
    /* 24 */ virtual DWORD Reserved24();
    /* 25 */ virtual DWORD Reserved25();
    /* 26 */ virtual DWORD Reserved26();
    /* 27 */ virtual DWORD Reserved27();
    /* 28 */ virtual DWORD Reserved28();
    // The 1024-byte scanning statistics record of the server's current or last job.
    /* 29 */ virtual DWORD ReadScanStatistics(void* record, DWORD size);

    // Without `folder` the server's data folder is looked up in the site.
    CVexomarServer(DWORD kind, const char* name, const char* domain, const char* folder = nullptr);
    CVexomarServer(const CVexomarServer&) = delete;
    CVexomarServer& operator=(const CVexomarServer&) = delete;

protected:
    ~CVexomarServer() = default;

private:
    DWORD m_kind;
    char m_name[64];
    char m_domain[64];
    char m_user[64];
    char m_password[64];
    char m_logonText[160];
    char m_folder[MAX_PATH];
    bool m_credentialsGiven = false;
};

class CVexomarWindowsNTServer : public CVexomarServer {
public:
    // The Microsoft Networks branch: lists the site's domains (slot 13).
    static CVexomarServer* GetNTSelfServer();
    using CVexomarServer::CVexomarServer;
};

class CVexomarptpServer : public CVexomarServer {
public:
    // The Point To Point branch: lists this computer (slot 14), whose node shares this object.
    static CVexomarServer* GetPTPSelfServer();
    using CVexomarServer::CVexomarServer;
};

extern "C" {
DWORD WINAPI VexomarStartQuery();
DWORD WINAPI VexomarStopQuery();
}
