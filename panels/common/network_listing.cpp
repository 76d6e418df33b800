// NetworkListing: WNetOpenEnum / WNetEnumResource / WNetCloseEnum through the seam.
#include "network_listing.h"

#include "network_provider.h"

namespace {

std::string TextOf(const char* text)
{
    return text ? std::string(text) : std::string();
}

char* Pointer(std::string& text)
{
    return text.empty() ? nullptr : text.data();
}

}  // namespace

NetResourceCopy NetResourceCopy::Of(const NETRESOURCEA& resource)
{
    NetResourceCopy copy;
    copy.scope = resource.dwScope;
    copy.type = resource.dwType;
    copy.displayType = resource.dwDisplayType;
    copy.usage = resource.dwUsage;
    copy.localName = TextOf(resource.lpLocalName);
    copy.remoteName = TextOf(resource.lpRemoteName);
    copy.comment = TextOf(resource.lpComment);
    copy.provider = TextOf(resource.lpProvider);
    return copy;
}

NETRESOURCEA NetResourceCopy::View()
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

NetworkListing::NetworkListing(NetworkProvider& network, DWORD type, NetResourceCopy* container)
    : m_network(network), m_buffer(kBufferSize)
{
    NETRESOURCEA view = {};
    if (container)
        view = container->View();
    m_openResult = m_network.OpenEnum(RESOURCE_GLOBALNET, type, 0, container ? &view : nullptr, &m_handle);
    if (m_openResult != NO_ERROR)
        m_handle = nullptr;
}

NetworkListing::~NetworkListing()
{
    if (m_handle)
        m_network.CloseEnum(m_handle);
}

DWORD NetworkListing::Next(std::vector<NetResourceCopy>& entries, DWORD wanted)
{
    entries.clear();
    if (!m_handle)
        return m_openResult != NO_ERROR ? m_openResult : ERROR_INVALID_HANDLE;
    DWORD count = wanted;
    DWORD size = kBufferSize;
    const DWORD result = m_network.EnumResource(m_handle, &count, m_buffer.data(), &size);
    if (result != NO_ERROR)
        return result;
    if (count == 0)
        return ERROR_NO_MORE_ITEMS;
    // Never more entries than the buffer can hold, whatever the count says.
    const DWORD fit = kBufferSize / sizeof(NETRESOURCEA);
    const NETRESOURCEA* resources = reinterpret_cast<const NETRESOURCEA*>(m_buffer.data());
    for (DWORD i = 0; i < count && i < fit; ++i)
        entries.push_back(NetResourceCopy::Of(resources[i]));
    return NO_ERROR;
}

bool IsMicrosoftNetworkName(const std::string& remoteName)
{
    return remoteName.find("icrosoft") != std::string::npos;
}
