// Opening, reading and closing enumerations.
#include "provider_enumeration.h"

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "net_sessions.h"
#include "network_directory.h"
#include "provider_state.h"
#include "resource_packer.h"
#include "site_reader.h"
#include "wide_text.h"

namespace {

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

}  // namespace

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
