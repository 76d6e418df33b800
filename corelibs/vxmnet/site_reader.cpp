// Gathering the site, the logon files and the print queues.
#include "site_reader.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "atomic_file.h"
#include "net_path.h"
#include "net_shares.h"
#include "server_locator.h"

namespace {

constexpr std::size_t kMaxCredentialsFile = 64 * 1024;

std::optional<CredentialsFile> ReadAccounts(const ServerPlace& place)
{
    if (!FileExists(place.CredentialsPath()))
        return std::nullopt;
    // A logon file that cannot be read admits nobody.
    const auto bytes = ReadWholeFile(place.CredentialsPath(), kMaxCredentialsFile);
    return CredentialsFile::Parse(bytes ? std::string(bytes->begin(), bytes->end()) : std::string());
}

// The spooler is loaded only when the queues are read: the platform loads this provider into
// every process that touches the network functions, most of which never browse.
using EnumPrintersCall = BOOL(WINAPI*)(DWORD, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);

void AddPrintQueues(NetSite& site)
{
    static const HMODULE spooler = LoadLibraryA("winspool.drv");
    const auto enumPrinters = spooler
        ? reinterpret_cast<EnumPrintersCall>(reinterpret_cast<void*>(GetProcAddress(spooler, "EnumPrintersA")))
        : nullptr;
    if (!enumPrinters)
        return;
    DWORD needed = 0;
    DWORD count = 0;
    enumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0)
        return;
    std::vector<BYTE> buffer(needed);
    if (!enumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count))
        return;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        const std::optional<NetPath> path = NetPath::Parse(printers[i].pLocation ? printers[i].pLocation : "");
        if (!path || path->share.empty() || !path->rest.empty())
            continue;
        for (NetServer& server : site.servers) {
            if (!SameComputerName(server.name, path->server))
                continue;
            // A queue may not hide one of the server's own shares or an earlier queue.
            if (!FindShare(SharesOf(server), path->share))
                server.queues.push_back({path->share, printers[i].pComment ? printers[i].pComment : ""});
        }
    }
}

}  // namespace

NetSite ReadNetSite()
{
    const ServerLocator locator = ServerLocator::FromRegistry();
    NetSite site;
    site.domains = locator.Domains();
    // This computer is always reachable by name, but listed only in a domain the site puts it in.
    for (const ServerPlace& place : locator.AllServers())
        site.servers.push_back({place.name, place.domain, ReadAccounts(place), {}});
    AddPrintQueues(site);
    return site;
}
