// The rules every format's member names pass before they are listed.
#pragma once

#include <cstddef>
#include <string>

namespace torpin {

// The name as the scanner may show and store it: cut at its first NUL (as the tools that
// unpack it would), control characters (0x01-0x1F, 0x7F) replaced by '_', and at most
// limits::kMaxNameBytes long. A longer name loses bytes from its middle, so that its
// extension (or a folder's closing separator) stays where the scanner's rules look.
std::string memberName(const char* stored, std::size_t length);

// True for a name that only names a folder ("docs/", "a\\b\\").
bool namesFolder(const std::string& name);

}  // namespace torpin
