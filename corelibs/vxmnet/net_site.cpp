// Finding servers and domains of the network by name.
#include "net_site.h"

const NetServer* NetSite::FindServer(const std::string& name) const
{
    for (const NetServer& server : servers) {
        if (SameComputerName(server.name, name))
            return &server;
    }
    return nullptr;
}

const std::string* NetSite::FindDomain(const std::string& name) const
{
    for (const std::string& domain : domains) {
        if (SameComputerName(domain, name))
            return &domain;
    }
    return nullptr;
}
