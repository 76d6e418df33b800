// PanelNetwork: the system's network functions and the listing of one container.
#include "panel_network.h"

namespace {

constexpr DWORD kBufferSize = 16384;

std::string TextOf(const char* text)
{
    return text ? std::string(text) : std::string();
}

char* Pointer(std::string& text)
{
    return text.empty() ? nullptr : text.data();
}

}  // namespace

NetEntry NetEntry::Of(const NETRESOURCEA& resource)
{
    NetEntry entry;
    entry.scope = resource.dwScope;
    entry.type = resource.dwType;
    entry.displayType = resource.dwDisplayType;
    entry.usage = resource.dwUsage;
    entry.localName = TextOf(resource.lpLocalName);
    entry.remoteName = TextOf(resource.lpRemoteName);
    entry.comment = TextOf(resource.lpComment);
    entry.provider = TextOf(resource.lpProvider);
    return entry;
}

NETRESOURCEA NetEntry::View()
{
    NETRESOURCEA view = {};
    view.dwScope = scope;
    view.dwType = type;
    view.dwDisplayType = displayType;
    view.dwUsage = usage;
    view.lpLocalName = Pointer(localName);
    view.lpRemoteName = Pointer(remoteName);
    view.lpComment = Pointer(comment);
    view.lpProvider = Pointer(provider);
    return view;
}

DWORD SystemPanelNetwork::OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* handle)
{
    return WNetOpenEnumA(scope, type, usage, container, handle);
}

DWORD SystemPanelNetwork::EnumResource(HANDLE handle, DWORD* count, void* buffer, DWORD* bufferSize)
{
    return WNetEnumResourceA(handle, count, buffer, bufferSize);
}

DWORD SystemPanelNetwork::CloseEnum(HANDLE handle)
{
    return WNetCloseEnum(handle);
}

DWORD SystemPanelNetwork::AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags)
{
    return WNetAddConnection2A(&resource, password, user, flags);
}

DWORD ListNetwork(PanelNetwork& network, NetEntry* container, std::vector<NetEntry>& entries)
{
    entries.clear();
    NETRESOURCEA view = {};
    if (container)
        view = container->View();
    HANDLE handle = nullptr;
    DWORD result = network.OpenEnum(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, 0, container ? &view : nullptr, &handle);
    if (result != NO_ERROR)
        return result;
    // Aligned for the structures the enumerator writes at its start.
    std::vector<NETRESOURCEA> buffer(kBufferSize / sizeof(NETRESOURCEA));
    for (;;) {
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(NETRESOURCEA));
        result = network.EnumResource(handle, &count, buffer.data(), &size);
        if (result == ERROR_NO_MORE_ITEMS || (result == NO_ERROR && count == 0)) {
            result = NO_ERROR;
            break;
        }
        if (result != NO_ERROR)
            break;
        // Never more entries than the buffer holds, whatever the count says.
        for (DWORD i = 0; i < count && i < buffer.size(); ++i)
            entries.push_back(NetEntry::Of(buffer[i]));
    }
    network.CloseEnum(handle);
    return result;
}
