// The servers of a domain as the platform's network enumeration lists them, for a domain the
// site description does not name.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace domain_browser {

// The longest a browse of one domain may take.
constexpr DWORD kBrowseTimeoutMs = 15000;

// The bare names of the servers the Microsoft network lists under `domain` (ignoring case),
// in the order listed; empty when the network does not know the domain, does not answer in
// time, or `stop` (may be null) is signalled.
std::vector<std::string> ServersOf(const std::string& domain, HANDLE stop);

}  // namespace domain_browser
