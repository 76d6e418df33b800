// PanelNetwork: the Local Scanner tree's seam to Windows networking: the enumeration of
// providers, servers and shares, and the connections a logon makes.
#pragma once

#include <windows.h>
#include <winnetwk.h>

#include <string>
#include <vector>

// One enumerated resource, copied out of the enumerator's reused buffer.
struct NetEntry {
    DWORD scope = 0, type = 0, displayType = 0, usage = 0;
    std::string localName, remoteName, comment, provider;

    static NetEntry Of(const NETRESOURCEA& resource);
    // A description pointing into this entry, to hand back to the enumeration as its container.
    NETRESOURCEA View();
};

class PanelNetwork {
public:
    virtual ~PanelNetwork() = default;
    virtual DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* handle) = 0;
    virtual DWORD EnumResource(HANDLE handle, DWORD* count, void* buffer, DWORD* bufferSize) = 0;
    virtual DWORD CloseEnum(HANDLE handle) = 0;
    virtual DWORD AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags) = 0;
};

class SystemPanelNetwork : public PanelNetwork {
public:
    DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* handle) override;
    DWORD EnumResource(HANDLE handle, DWORD* count, void* buffer, DWORD* bufferSize) override;
    DWORD CloseEnum(HANDLE handle) override;
    DWORD AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags) override;
};

// Every disk resource below `container` (null: the whole network, that is the providers), global
// scope. 0 with the entries; the error of the open or of a read otherwise (the end of the items
// is no error).
DWORD ListNetwork(PanelNetwork& network, NetEntry* container, std::vector<NetEntry>& entries);
