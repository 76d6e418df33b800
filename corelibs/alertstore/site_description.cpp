// Line parser of the site description.
#include "site_description.h"

#include <cctype>
#include <sstream>

namespace {

constexpr std::size_t kMaxName = 63;

std::string Trim(const std::string& text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

bool ValidName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxName)
        return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == '\\' || c == '/' || c == '[' || c == ']' || c == '=')
            return false;
    }
    return true;
}

}  // namespace

bool SameComputerName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

SiteDescription SiteDescription::Parse(const std::string& text, ParseError* error, bool* ok)
{
    SiteDescription site;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    auto fail = [&](const char* message) {
        if (error)
            *error = {number, message};
        if (ok)
            *ok = false;
        return SiteDescription();
    };
    while (std::getline(in, raw)) {
        ++number;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return fail("a domain line must end with ']'");
            const std::string domain = Trim(line.substr(1, line.size() - 2));
            if (!ValidName(domain))
                return fail("bad domain name");
            site.m_domains.push_back(domain);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return fail("expected [DOMAIN] or SERVER=DIRECTORY");
        if (site.m_domains.empty())
            return fail("a server must follow a domain");
        SiteServer server {Trim(line.substr(0, equals)), site.m_domains.back(), Trim(line.substr(equals + 1))};
        if (!ValidName(server.name))
            return fail("bad server name");
        if (server.dataDirectory.empty())
            return fail("a server needs a data directory");
        if (site.Find(server.name))
            return fail("server named twice");
        site.m_servers.push_back(server);
    }
    if (ok)
        *ok = true;
    return site;
}

SiteDescription SiteDescription::Default(const std::string& localComputer)
{
    SiteDescription site;
    site.m_domains.push_back("WORKGROUP");
    site.m_servers.push_back({localComputer, "WORKGROUP", ""});
    return site;
}

const SiteServer* SiteDescription::Find(const std::string& name) const
{
    for (const SiteServer& server : m_servers) {
        if (SameComputerName(server.name, name))
            return &server;
    }
    return nullptr;
}

std::vector<std::string> SiteDescription::Domains() const
{
    return m_domains;
}
