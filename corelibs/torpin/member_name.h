// The rules every format's member names pass before they are listed.
#pragma once

#include <cstddef>
#include <string>

namespace torpin {

// Cuts the stored name at its first NUL (as the tools that unpack it would) and at the
// name limit.
std::string memberName(const char* stored, std::size_t length);

// True for a name that only names a folder ("docs/", "a\\b\\").
bool namesFolder(const std::string& name);

}  // namespace torpin
