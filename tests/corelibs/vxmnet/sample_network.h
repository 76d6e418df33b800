// A small network for the core's tests: SALES (ALPHA with the queue LASER, BETA) and RESEARCH
// (GAMMA, which asks for the logon admin / Secret).
#pragma once

#include "net_site.h"

inline NetSite SampleNetwork()
{
    NetSite site;
    site.domains = {"SALES", "RESEARCH"};
    site.servers.push_back({"ALPHA", "SALES", std::nullopt, {{"LASER", "Sales laser"}}});
    site.servers.push_back({"BETA", "SALES", std::nullopt, {}});
    site.servers.push_back({"GAMMA", "RESEARCH", CredentialsFile::Parse("; accounts\r\nadmin=Secret\r\n"), {}});
    return site;
}
