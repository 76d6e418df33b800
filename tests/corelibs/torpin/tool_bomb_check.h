// The compression-bomb check shared by the tests of archives made with the system's tools.
#pragma once

#include <string>

namespace torpin::test {

// Packs 30 MiB of zeros named "zeros.bin" into `archive` with `command` (run in a scratch
// folder) and checks that the walk refuses to expand it and leaves no file behind.
void CheckToolBombRefused(const std::string& command, const std::string& archive);

}  // namespace torpin::test
