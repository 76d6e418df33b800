// Where each server of the site keeps its antivirus service: its instance's service name, its
// data folder, its store and the folder its jobs scan.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

inline constexpr const char* kVexomarServiceName = "Vexomar Service";
inline constexpr const char* kVexomarKey = "SOFTWARE\\Morwick\\Vexomar\\CurrentVersion";
inline constexpr DWORD kNoSuchServer = 1722;

struct ServerPlace {
    std::string name;  // as the site spells it (the local computer: its own name)
    std::string domain;  // empty for the local computer when the site does not list it
    std::string dataFolder;  // no trailing backslash
    bool local = false;

    // "Vexomar Service" for the local computer, "Vexomar Service (NAME)" for a site server.
    std::string ServiceName() const;
    std::string StoreFolder() const { return dataFolder + "\\VEXOMAR"; }
    std::string StoreFile(const char* name) const { return StoreFolder() + "\\" + name; }
    // The logon accounts; without this file the server asks for no logon.
    std::string CredentialsPath() const { return dataFolder + "\\LOGON.TXT"; }
    // "\\NAME" for a site server, nothing (the local manager) for this computer.
    std::string ServiceMachine() const { return local ? std::string() : "\\\\" + name; }
};

// A reading of the site. Copies share one unchanging reading, so a locator is cheap to pass
// around and to take once per call even on a site of thousands of servers.
class ServerLocator {
public:
    // Reads the site description (registry value HKLM\SOFTWARE\Morwick\Site "File"); without
    // one, or with a damaged one, the site is one workgroup holding this computer.
    // A site file of the same name, time and size is not read again.
    static ServerLocator FromRegistry();

    // The server of that name (ignoring case and leading backslashes; "" and "." are this
    // computer); nothing for a name that is no server of the site.
    std::optional<ServerPlace> Server(const std::string& name) const;
    // The servers a name stands for: a domain stands for all its servers; a server stands for
    // itself, or for every server of its domain when `wholeDomain`. Empty when unknown.
    std::vector<ServerPlace> Targets(const std::string& name, bool wholeDomain) const;
    bool IsDomain(const std::string& name) const;
    std::vector<std::string> Domains() const;
    std::vector<ServerPlace> ServersOf(const std::string& domain) const;
    std::vector<ServerPlace> AllServers() const;
    const ServerPlace& Local() const { return m_site->servers.front(); }

    // The local computer's data folder: HKLM\...\Vexomar\CurrentVersion "DataFolder", else
    // "<system drive>\MORWICK\DATA".
    static std::string LocalDataFolder();

private:
    struct Site {
        std::vector<ServerPlace> servers;  // the local computer first
        std::vector<std::string> domains;
        // By upper-case name: a server's first place, a domain's members in site order.
        std::unordered_map<std::string, std::size_t> serverAt;
        std::unordered_map<std::string, std::vector<std::size_t>> membersOf;
        std::unordered_set<std::string> domainNames;
    };
    explicit ServerLocator(std::shared_ptr<const Site> site) : m_site(std::move(site)) { }
    static ServerLocator Read();
    const ServerPlace* Find(const std::string& bareName) const;
    std::shared_ptr<const Site> m_site;
};

std::string BareServerName(const std::string& name);
// The folding under which SameComputerName counts two names as one: the key of any lookup by name.
std::string UpperServerName(const std::string& name);
