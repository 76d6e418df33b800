// Turning server and domain names into the places of their service instances.
#include "server_locator.h"

#include <cctype>
#include <mutex>
#include <optional>

#include "alert_home.h"
#include "atomic_file.h"
#include "held_machine_key.h"
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
    // Asked on every call, so each part costs as little as it can: the keys stay open, and the
    // computer's name, which holds until the computer restarts, is asked once.
    static HeldMachineKey siteKey(kSiteKey);
    static HeldMachineKey vexomarKey(kVexomarKey);
    static const std::string computer = AlertHome::LocalComputerName();
    SiteKey key;
    key.file = siteKey.ReadString("File").value_or("");
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!key.file.empty() && GetFileAttributesExA(key.file.c_str(), GetFileExInfoStandard, &data)) {
        key.written = data.ftLastWriteTime;
        key.sizeLow = data.nFileSizeLow;
        key.sizeHigh = data.nFileSizeHigh;
    }
    key.localFolder = vexomarKey.ReadString("DataFolder").value_or("");
    key.computer = computer;
    return key;
}

}  // namespace

std::string UpperServerName(const std::string& name)
{
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

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
    auto site = std::make_shared<Site>();
    const std::string computer = AlertHome::LocalComputerName();
    const SiteDescription description = ReadSiteDescription().value_or(SiteDescription::Default(computer));
    site->domains = description.Domains();
    // The local computer belongs to a domain only when the site names it there.
    ServerPlace local = {computer, "", LocalDataFolder(), true};
    for (const SiteServer& server : description.Servers()) {
        if (SameComputerName(server.name, computer)) {
            local.domain = server.domain;
            if (!server.dataDirectory.empty())
                local.dataFolder = WithoutTrailingBackslash(server.dataDirectory);
        }
    }
    site->servers.push_back(local);
    for (const SiteServer& server : description.Servers()) {
        if (!SameComputerName(server.name, computer))
            site->servers.push_back({server.name, server.domain, WithoutTrailingBackslash(server.dataDirectory), false});
    }
    for (std::size_t i = 0; i < site->servers.size(); ++i) {
        const ServerPlace& server = site->servers[i];
        // A name listed twice is found at its first place, as the site reads from the top.
        site->serverAt.emplace(UpperServerName(server.name), i);
        if (!server.domain.empty())
            site->membersOf[UpperServerName(server.domain)].push_back(i);
    }
    for (const std::string& domain : site->domains)
        site->domainNames.insert(UpperServerName(domain));
    return ServerLocator(std::move(site));
}

const ServerPlace* ServerLocator::Find(const std::string& bareName) const
{
    const auto found = m_site->serverAt.find(UpperServerName(bareName));
    return found == m_site->serverAt.end() ? nullptr : &m_site->servers[found->second];
}

std::optional<ServerPlace> ServerLocator::Server(const std::string& raw) const
{
    const std::string name = BareServerName(raw);
    if (name.empty() || name == ".")
        return Local();
    if (const ServerPlace* server = Find(name))
        return *server;
    return std::nullopt;
}

bool ServerLocator::IsDomain(const std::string& name) const
{
    return m_site->domainNames.count(UpperServerName(name)) != 0;
}

std::vector<ServerPlace> ServerLocator::ServersOf(const std::string& domain) const
{
    std::vector<ServerPlace> members;
    const auto found = m_site->membersOf.find(UpperServerName(domain));
    if (found == m_site->membersOf.end())
        return members;
    members.reserve(found->second.size());
    for (const std::size_t i : found->second)
        members.push_back(m_site->servers[i]);
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
    return m_site->domains;
}

std::vector<ServerPlace> ServerLocator::AllServers() const
{
    return m_site->servers;
}
