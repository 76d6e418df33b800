// Walking the network from its top through the Microsoft network to one domain's servers.
#include "domain_browser.h"

#include <winnetwk.h>

#include <functional>
#include <memory>

#include "bounded_call.h"
#include "broadcast_targets.h"
#include "site_description.h"

namespace domain_browser {

namespace {

constexpr DWORD kBufferSize = 16384;

// Calls `visit` for each resource directly below `container` (null: the whole network).
DWORD EachBelow(NETRESOURCEA* container, const std::function<void(const NETRESOURCEA&)>& visit)
{
    HANDLE enumeration = nullptr;
    DWORD result = WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, container, &enumeration);
    if (result != NO_ERROR)
        return result;
    std::vector<BYTE> buffer(kBufferSize);
    for (;;) {
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = kBufferSize;
        result = WNetEnumResourceA(enumeration, &count, buffer.data(), &size);
        if (result != NO_ERROR)
            break;
        const auto* entries = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            visit(entries[i]);
    }
    WNetCloseEnum(enumeration);
    return result == ERROR_NO_MORE_ITEMS ? NO_ERROR : result;
}

std::string Text(const char* text)
{
    return text ? std::string(text) : std::string();
}

// A private copy of a container's description, to open an enumeration of it.
struct ContainerCopy {
    NETRESOURCEA resource {};
    std::string remoteName;
    std::string provider;

    explicit ContainerCopy(const NETRESOURCEA& found)
        : resource(found), remoteName(Text(found.lpRemoteName)), provider(Text(found.lpProvider))
    {
        resource.lpLocalName = nullptr;
        resource.lpComment = nullptr;
        resource.lpRemoteName = remoteName.empty() ? nullptr : remoteName.data();
        resource.lpProvider = provider.empty() ? nullptr : provider.data();
    }
};

std::vector<std::string> Browse(const std::string& domain)
{
    std::vector<std::unique_ptr<ContainerCopy>> networks;
    EachBelow(nullptr, [&](const NETRESOURCEA& found) {
        if (Text(found.lpRemoteName).find("icrosoft") != std::string::npos)
            networks.push_back(std::make_unique<ContainerCopy>(found));
    });
    std::vector<std::unique_ptr<ContainerCopy>> domains;
    for (auto& network : networks) {
        EachBelow(&network->resource, [&](const NETRESOURCEA& found) {
            if (found.dwDisplayType == RESOURCEDISPLAYTYPE_DOMAIN && SameComputerName(Text(found.lpRemoteName), domain))
                domains.push_back(std::make_unique<ContainerCopy>(found));
        });
    }
    std::vector<std::string> servers;
    for (auto& found : domains) {
        EachBelow(&found->resource, [&](const NETRESOURCEA& entry) {
            if (entry.dwDisplayType != RESOURCEDISPLAYTYPE_SERVER)
                return;
            std::string name = Text(entry.lpRemoteName);
            while (!name.empty() && name.front() == '\\')
                name.erase(0, 1);
            if (broadcast_targets::IsComputerName(name))
                servers.push_back(name);
        });
    }
    return servers;
}

}  // namespace

std::vector<std::string> ServersOf(const std::string& domain, HANDLE stop)
{
    auto found = std::make_shared<std::vector<std::string>>();
    const std::optional<DWORD> result = RunBounded(
        [domain, found] {
            *found = Browse(domain);
            return DWORD {0};
        },
        kBrowseTimeoutMs, stop);
    if (!result)
        return {};
    return *found;
}

}  // namespace domain_browser
