// Where each server of the site keeps its antivirus service: its instance's service name, its
// data folder, its store and the folder its jobs scan.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
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
    const ServerPlace& Local() const { return m_local; }

    // The local computer's data folder: HKLM\...\Vexomar\CurrentVersion "DataFolder", else
    // "<system drive>\MORWICK\DATA".
    static std::string LocalDataFolder();

private:
    static ServerLocator Read();
    std::vector<ServerPlace> m_servers;  // the local computer first
    std::vector<std::string> m_domains;
    ServerPlace m_local;
};

std::string BareServerName(const std::string& name);
