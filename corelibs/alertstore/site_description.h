// The site description: domains, their servers and each server's data directory.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct SiteServer {
    std::string name;  // bare computer name
    std::string domain;
    std::string dataDirectory;  // empty for the local computer: its data comes from the registry
};

// Text form, one item a line; blank lines and lines starting with ';' are ignored:
//   [WORKGROUP]                 a domain; the servers below belong to it
//   ALPHA=C:\SITE\ALPHA         a server and its data directory
class SiteDescription {
public:
    struct ParseError {
        int line = 0;
        std::string message;
    };

    // Refuses a server outside any domain, a line that is neither, an empty or overlong
    // (over 63 characters) name, an empty directory and a server named twice.
    static SiteDescription Parse(const std::string& text, ParseError* error = nullptr, bool* ok = nullptr);
    // One workgroup, "WORKGROUP", holding the local computer.
    static SiteDescription Default(const std::string& localComputer);

    // The server of that name, ignoring case.
    const SiteServer* Find(const std::string& name) const;
    const std::vector<SiteServer>& Servers() const { return m_servers; }
    std::vector<std::string> Domains() const;

private:
    std::vector<SiteServer> m_servers;
    std::vector<std::string> m_domains;
};

bool SameComputerName(const std::string& a, const std::string& b);
