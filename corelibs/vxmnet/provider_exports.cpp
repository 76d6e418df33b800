// The network provider entry points that the platform's network functions (MPR.DLL) load by
// name and call with UTF-16 text. Every entry answers a WN_ code; no exception leaves one.
#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <set>
#include <vector>

#include "drive_mapping.h"
#include "net_sessions.h"
#include "network_directory.h"
#include "provider_state.h"
#include "resource_packer.h"
#include "site_reader.h"
#include "wide_text.h"

namespace {

// The network the browse trees look for; the registry's provider "Name" must be the same.
const wchar_t kProviderName[] = L"Microsoft Windows Network";

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

// An open enumeration: the level read when it was opened, handed out from `next` on.
struct EnumCursor {
    std::vector<PackedEntry> entries;
    std::size_t next = 0;
};

// Handles this process holds, so that a stale or foreign handle is refused, not followed.
std::set<EnumCursor*>& OpenCursors()
{
    static std::set<EnumCursor*> cursors;
    return cursors;
}

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

PackedEntry FromEntry(const NetEntry& entry)
{
    PackedEntry packed;
    packed.remoteName = Wide(entry.remoteName);
    packed.comment = Wide(entry.comment);
    packed.scope = RESOURCE_GLOBALNET;
    packed.type = entry.type;
    packed.displayType = entry.displayType;
    packed.usage = entry.usage;
    return packed;
}

PackedEntry FromConnection(const NetConnection& connection)
{
    PackedEntry packed;
    packed.localName = Wide(connection.localName);
    packed.remoteName = Wide(connection.remoteName);
    packed.scope = RESOURCE_CONNECTED;
    packed.localNameAlways = true;
    packed.type = connection.type;
    packed.displayType = RESOURCEDISPLAYTYPE_SHARE;
    packed.usage = RESOURCEUSAGE_CONNECTABLE;
    return packed;
}

// The level an enumeration opens on: the network's top for no resource, no remote name or the
// network's own name.
std::string ContainerOf(const NETRESOURCEW* resource)
{
    if (!resource || !resource->lpRemoteName || !lstrcmpiW(resource->lpRemoteName, kProviderName))
        return {};
    return Narrow(resource->lpRemoteName);
}

DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, const NETRESOURCEW* resource, LPHANDLE handle)
{
    if (!handle)
        return WN_BAD_POINTER;
    *handle = nullptr;
    if (type != RESOURCETYPE_ANY && type != RESOURCETYPE_DISK && type != RESOURCETYPE_PRINT)
        return WN_BAD_VALUE;
    auto cursor = std::make_unique<EnumCursor>();
    if (scope == RESOURCE_GLOBALNET) {
        const NetSite site = ReadNetSite();
        const std::string container = ContainerOf(resource);
        std::vector<NetEntry> entries;
        {
            std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
            const DWORD result =
                NetworkDirectory(site, ProviderState::Instance().Sessions()).List(container, type, usage, entries);
            if (result != WN_SUCCESS)
                return result;
        }
        for (const NetEntry& entry : entries)
            cursor->entries.push_back(FromEntry(entry));
    } else if (scope == RESOURCE_CONNECTED) {
        std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
        for (const NetConnection& connection : ProviderState::Instance().Sessions().Connections()) {
            if (type == RESOURCETYPE_ANY || connection.type == type)
                cursor->entries.push_back(FromConnection(connection));
        }
    } else {
        return WN_NOT_SUPPORTED;
    }
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    OpenCursors().insert(cursor.get());
    *handle = cursor.release();
    return WN_SUCCESS;
}

DWORD EnumResource(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size)
{
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    const auto found = OpenCursors().find(static_cast<EnumCursor*>(handle));
    if (found == OpenCursors().end())
        return WN_BAD_HANDLE;
    if (!count || !size || (!buffer && *size))
        return WN_BAD_POINTER;
    EnumCursor& cursor = **found;
    if (cursor.next >= cursor.entries.size()) {
        *count = 0;
        return WN_NO_MORE_ENTRIES;
    }
    const DWORD limit = *count == 0 ? static_cast<DWORD>(-1) : *count;
    DWORD needed = 0;
    const DWORD written =
        buffer ? PackEntries(cursor.entries, cursor.next, limit, kProviderName, buffer, *size, needed) : 0;
    if (written == 0) {
        if (!buffer)
            needed = static_cast<DWORD>(PackedSize(cursor.entries[cursor.next], kProviderName));
        *size = needed;
        // The platform's ANSI layer passes 234 on only when the count says -1; any other count
        // it would take as entries written.
        *count = static_cast<DWORD>(-1);
        return WN_MORE_DATA;
    }
    *count = written;
    return WN_SUCCESS;
}

DWORD CloseEnum(HANDLE handle)
{
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    const auto found = OpenCursors().find(static_cast<EnumCursor*>(handle));
    if (found == OpenCursors().end())
        return WN_BAD_HANDLE;
    delete *found;
    OpenCursors().erase(found);
    return WN_SUCCESS;
}

std::optional<std::string> Credential(const wchar_t* text)
{
    if (!text)
        return std::nullopt;
    return Narrow(text);
}

DWORD AddConnection(const NETRESOURCEW* resource, const wchar_t* password, const wchar_t* user)
{
    if (!resource)
        return WN_BAD_POINTER;
    if (!resource->lpRemoteName)
        return WN_BAD_NETNAME;
    ConnectRequest request;
    request.remoteName = Narrow(resource->lpRemoteName);
    request.localName = Narrow(resource->lpLocalName);
    request.type = resource->dwType;
    request.user = Credential(user);
    request.password = Credential(password);
    request.currentUser = CurrentUserName();
    const NetSite site = ReadNetSite();
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    NetSessions& sessions = ProviderState::Instance().Sessions();
    const DWORD result = sessions.Connect(site, request);
    if (result != WN_SUCCESS || request.localName.empty())
        return result;
    // A drive letter is given its place in the platform's drive list, so that paths on it
    // open and the platform's own connection query finds it.
    const NetConnection* connection = sessions.FindLocal(request.localName);
    const DWORD mapped = MapNetworkDrive(connection->localName, connection->server, connection->remoteName);
    if (mapped != WN_SUCCESS)
        sessions.Cancel(connection->localName);
    return mapped;
}

DWORD CopyOut(const std::string& text, LPWSTR out, LPDWORD length)
{
    if (!length)
        return WN_BAD_POINTER;
    const std::wstring wide = Wide(text);
    const DWORD needed = static_cast<DWORD>(wide.size() + 1);
    if (!out || *length < needed) {
        *length = needed;
        return WN_MORE_DATA;
    }
    std::copy(wide.c_str(), wide.c_str() + needed, out);
    return WN_SUCCESS;
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
    return Guarded([&]() -> DWORD {
        if (!name)
            return WN_BAD_POINTER;
        const std::string text = Narrow(name);
        std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
        NetSessions& sessions = ProviderState::Instance().Sessions();
        const NetConnection* drive = sessions.FindLocal(text);
        const std::string localName = drive ? drive->localName : std::string();
        const DWORD result = sessions.Cancel(text);
        if (result == WN_SUCCESS && !localName.empty())
            UnmapNetworkDrive(localName);
        return result;
    });
}

DWORD WINAPI NPGetConnection(LPWSTR localName, LPWSTR remoteName, LPDWORD length)
{
    return Guarded([&]() -> DWORD {
        if (!localName)
            return WN_BAD_POINTER;
        std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
        const NetConnection* connection = ProviderState::Instance().Sessions().FindLocal(Narrow(localName));
        if (!connection)
            return WN_NOT_CONNECTED;
        return CopyOut(connection->remoteName, remoteName, length);
    });
}

DWORD WINAPI NPGetUser(LPWSTR name, LPWSTR userName, LPDWORD length)
{
    return Guarded([&]() -> DWORD {
        if (!name || !*name)
            return CopyOut(CurrentUserName(), userName, length);
        std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
        const NetConnection* connection = ProviderState::Instance().Sessions().Find(Narrow(name));
        if (!connection)
            return WN_NOT_CONNECTED;
        return CopyOut(connection->user, userName, length);
    });
}

}  // extern "C"
