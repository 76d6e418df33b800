// The production network provider over the system's WNet calls.
#include "network_provider.h"

DWORD SystemNetwork::AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags)
{
    return WNetAddConnection2A(&resource, password, user, flags);
}

DWORD SystemNetwork::CancelConnection2(const char* name, DWORD flags, BOOL force)
{
    return WNetCancelConnection2A(name, flags, force);
}

DWORD SystemNetwork::LastError()
{
    return GetLastError();
}

DWORD SystemNetwork::OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* handle)
{
    return WNetOpenEnumA(scope, type, usage, container, handle);
}

DWORD SystemNetwork::EnumResource(HANDLE handle, DWORD* count, void* buffer, DWORD* bufferSize)
{
    return WNetEnumResourceA(handle, count, buffer, bufferSize);
}

DWORD SystemNetwork::CloseEnum(HANDLE handle)
{
    return WNetCloseEnum(handle);
}

NetworkProvider& SystemNetworkProvider()
{
    static SystemNetwork network;
    return network;
}
