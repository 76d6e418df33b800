// NetworkProvider: the seam to Windows networking of the Alert Manager and the Local Scanner:
// share and printer connections, and the enumeration of the network's resources that the
// browse lists and the scan tree walk.
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

    // WNetOpenEnumA: `container` null for the whole network.
    virtual DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* handle) = 0;
    // WNetEnumResourceA: on entry `count` is how many entries are wanted (-1: as many as fit),
    // on return how many were written into `buffer`, their texts behind them.
    virtual DWORD EnumResource(HANDLE handle, DWORD* count, void* buffer, DWORD* bufferSize) = 0;
    virtual DWORD CloseEnum(HANDLE handle) = 0;
};

// The networking of the system.
class SystemNetwork : public NetworkProvider {
public:
    DWORD AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags) override;
    DWORD CancelConnection2(const char* name, DWORD flags, BOOL force) override;
    DWORD LastError() override;
    DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* handle) override;
    DWORD EnumResource(HANDLE handle, DWORD* count, void* buffer, DWORD* bufferSize) override;
    DWORD CloseEnum(HANDLE handle) override;
};

NetworkProvider& SystemNetworkProvider();
