// Turning server and domain names into the places of their service instances.
#include "server_locator.h"

#include <mutex>
#include <optional>

#include "alert_home.h"
#include "atomic_file.h"
#include "registry_value.h"
#include "site_description.h"

namespace {

std::string WithoutTrailingBackslash(std::string path)
{
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

// What the last reading of the site depended on: the site file's name, time and size, this
// computer's data folder and name. The same key gives the same locator without reading the
// file again, which a domain of hundreds of servers otherwise does once per server and call.
struct SiteKey {
    std::string file;
    FILETIME written = {};
    DWORD sizeLow = 0;
    DWORD sizeHigh = 0;
    std::string localFolder;
    std::string computer;

    bool operator==(const SiteKey& other) const
    {
        return file == other.file && CompareFileTime(&written, &other.written) == 0 && sizeLow == other.sizeLow &&
            sizeHigh == other.sizeHigh && localFolder == other.localFolder && computer == other.computer;
    }
};

SiteKey CurrentSiteKey()
{
    SiteKey key;
    key.file = ReadMachineString(kSiteKey, "File").value_or("");
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!key.file.empty() && GetFileAttributesExA(key.file.c_str(), GetFileExInfoStandard, &data)) {
        key.written = data.ftLastWriteTime;
        key.sizeLow = data.nFileSizeLow;
        key.sizeHigh = data.nFileSizeHigh;
    }
    key.localFolder = ReadMachineString(kVexomarKey, "DataFolder").value_or("");
    key.computer = AlertHome::LocalComputerName();
    return key;
}

}  // namespace

std::string ServerPlace::ServiceName() const
{
    return local ? std::string(kVexomarServiceName) : std::string(kVexomarServiceName) + " (" + name + ")";
}

std::string BareServerName(const std::string& name)
{
    std::size_t start = 0;
    while (start < name.size() && name[start] == '\\')
        ++start;
    return name.substr(start);
}

std::string ServerLocator::LocalDataFolder()
{
    const std::optional<std::string> folder = ReadMachineString(kVexomarKey, "DataFolder");
    if (folder && !folder->empty())
        return WithoutTrailingBackslash(*folder);
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string drive = windows[0] && windows[1] == ':' ? std::string(windows, 2) : std::string("C:");
    return drive + "\\MORWICK\\DATA";
}

ServerLocator ServerLocator::FromRegistry()
{
    // The background query reads the site from its own thread.
    static std::mutex guard;
    static std::optional<std::pair<SiteKey, ServerLocator>> last;
    const SiteKey key = CurrentSiteKey();
    {
        std::lock_guard<std::mutex> lock(guard);
        if (last && last->first == key)
            return last->second;
    }
    ServerLocator locator = Read();
    std::lock_guard<std::mutex> lock(guard);
    last.emplace(key, locator);
    return locator;
}

ServerLocator ServerLocator::Read()
{
    ServerLocator locator;
    const std::string computer = AlertHome::LocalComputerName();
    const SiteDescription site = ReadSiteDescription().value_or(SiteDescription::Default(computer));
    locator.m_domains = site.Domains();
    // The local computer belongs to a domain only when the site names it there.
    locator.m_local = {computer, "", LocalDataFolder(), true};
    for (const SiteServer& server : site.Servers()) {
        if (SameComputerName(server.name, computer)) {
            locator.m_local.domain = server.domain;
            if (!server.dataDirectory.empty())
                locator.m_local.dataFolder = WithoutTrailingBackslash(server.dataDirectory);
        }
    }
    locator.m_servers.push_back(locator.m_local);
    for (const SiteServer& server : site.Servers()) {
        if (!SameComputerName(server.name, computer))
            locator.m_servers.push_back(
                {server.name, server.domain, WithoutTrailingBackslash(server.dataDirectory), false});
    }
    return locator;
}

std::optional<ServerPlace> ServerLocator::Server(const std::string& raw) const
{
    const std::string name = BareServerName(raw);
    if (name.empty() || name == ".")
        return m_local;
    for (const ServerPlace& server : m_servers) {
        if (SameComputerName(server.name, name))
            return server;
    }
    return std::nullopt;
}

bool ServerLocator::IsDomain(const std::string& name) const
{
    for (const std::string& domain : m_domains) {
        if (SameComputerName(domain, name))
            return true;
    }
    return false;
}

std::vector<ServerPlace> ServerLocator::ServersOf(const std::string& domain) const
{
    std::vector<ServerPlace> members;
    for (const ServerPlace& server : m_servers) {
        if (!server.domain.empty() && SameComputerName(server.domain, domain))
            members.push_back(server);
    }
    return members;
}

std::vector<ServerPlace> ServerLocator::Targets(const std::string& raw, bool wholeDomain) const
{
    const std::string name = BareServerName(raw);
    // A server's own name wins over a domain of the same spelling.
    if (const std::optional<ServerPlace> server = Server(name))
        return wholeDomain && !server->domain.empty() ? ServersOf(server->domain) : std::vector<ServerPlace> {*server};
    if (IsDomain(name))
        return ServersOf(name);
    return {};
}

std::vector<std::string> ServerLocator::Domains() const
{
    return m_domains;
}

std::vector<ServerPlace> ServerLocator::AllServers() const
{
    return m_servers;
}
