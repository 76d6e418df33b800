// Finding servers and domains of the network by name.
#include "net_site.h"

#include <cctype>

bool SameNetName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

const NetServer* NetSite::FindServer(const std::string& name) const
{
    for (const NetServer& server : servers) {
        if (SameNetName(server.name, name))
            return &server;
    }
    return nullptr;
}

const std::string* NetSite::FindDomain(const std::string& name) const
{
    for (const std::string& domain : domains) {
        if (SameNetName(domain, name))
            return &domain;
    }
    return nullptr;
}
