// The network provider entry points that the platform's network functions (MPR.DLL) load by
// name and call with UTF-16 text. Every entry answers a WN_ code; no exception leaves one.
#include <windows.h>
#include <winnetwk.h>

#include <new>

#include "provider_connections.h"
#include "provider_enumeration.h"

namespace {

// Capability numbers of the provider interface (npapi.h), kept here so that the exports below
// are declared once, with the UTF-16 types the platform passes.
constexpr DWORD kCapSpecVersion = 0x01;
constexpr DWORD kCapNetType = 0x02;
constexpr DWORD kCapDriverVersion = 0x03;
constexpr DWORD kCapUser = 0x04;
constexpr DWORD kCapConnection = 0x06;
constexpr DWORD kCapEnumeration = 0x0B;
constexpr DWORD kCapStart = 0x0C;
constexpr DWORD kSpecVersion51 = 0x00050001;
constexpr DWORD kNetLanman = 0x00020000;
constexpr DWORD kUserGetUser = 0x01;
constexpr DWORD kConAddConnection = 0x01;
constexpr DWORD kConCancelConnection = 0x02;
constexpr DWORD kConGetConnections = 0x04;
constexpr DWORD kConAddConnection3 = 0x08;
constexpr DWORD kEnumGlobal = 0x01;
constexpr DWORD kEnumLocal = 0x02;
constexpr DWORD kStarted = 0x01;
constexpr DWORD kFault = ERROR_GEN_FAILURE;

template <typename Body> DWORD Guarded(Body body)
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return WN_OUT_OF_MEMORY;
    } catch (...) {
        return kFault;
    }
}

// The platform's connection functions hand the provider's answer back without setting the
// thread's last error, and callers read it there; a refusal leaves it set, as on Windows.
DWORD WithLastError(DWORD result)
{
    if (result != WN_SUCCESS)
        SetLastError(result);
    return result;
}

}  // namespace

extern "C" {

DWORD WINAPI NPGetCaps(DWORD index)
{
    switch (index) {
    case kCapSpecVersion: return kSpecVersion51;
    case kCapNetType: return kNetLanman;
    case kCapDriverVersion: return 1;
    case kCapUser: return kUserGetUser;
    case kCapConnection: return kConAddConnection | kConCancelConnection | kConGetConnections | kConAddConnection3;
    case kCapEnumeration: return kEnumGlobal | kEnumLocal;
    case kCapStart: return kStarted;
    default: return 0;
    }
}

DWORD WINAPI NPOpenEnum(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEW resource, LPHANDLE handle)
{
    return Guarded([&] { return OpenEnum(scope, type, usage, resource, handle); });
}

DWORD WINAPI NPEnumResource(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size)
{
    return Guarded([&] { return EnumResource(handle, count, buffer, size); });
}

DWORD WINAPI NPCloseEnum(HANDLE handle)
{
    return Guarded([&] { return CloseEnum(handle); });
}

DWORD WINAPI NPAddConnection3(HWND, LPNETRESOURCEW resource, LPWSTR password, LPWSTR user, DWORD)
{
    return WithLastError(Guarded([&] { return AddConnection(resource, password, user); }));
}

DWORD WINAPI NPAddConnection(LPNETRESOURCEW resource, LPWSTR password, LPWSTR user)
{
    return WithLastError(Guarded([&] { return AddConnection(resource, password, user); }));
}

DWORD WINAPI NPCancelConnection(LPWSTR name, BOOL)
{
    return Guarded([&] { return CancelConnection(name); });
}

DWORD WINAPI NPGetConnection(LPWSTR localName, LPWSTR remoteName, LPDWORD length)
{
    return Guarded([&] { return GetConnection(localName, remoteName, length); });
}

DWORD WINAPI NPGetUser(LPWSTR name, LPWSTR userName, LPDWORD length)
{
    return Guarded([&] { return GetUser(name, userName, length); });
}

}  // extern "C"
