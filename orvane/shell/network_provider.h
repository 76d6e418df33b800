// NetworkProvider: the Alert Manager's seam to Windows networking for share connections.
#pragma once

#include <windows.h>
#include <winnetwk.h>

class NetworkProvider {
public:
    virtual ~NetworkProvider() = default;
    // WNetAddConnection2A: 0 (NO_ERROR) on success, else an error number.
    virtual DWORD AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags) = 0;
    // WNetCancelConnection2A.
    virtual DWORD CancelConnection2(const char* name, DWORD flags, BOOL force) = 0;
    // The error the last failed call left behind (the system's last error).
    virtual DWORD LastError() = 0;
};

// The networking of the system.
class SystemNetwork : public NetworkProvider {
public:
    DWORD AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags) override;
    DWORD CancelConnection2(const char* name, DWORD flags, BOOL force) override;
    DWORD LastError() override;
};

NetworkProvider& SystemNetworkProvider();
