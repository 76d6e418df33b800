// CreateExclusiveFile: opens a new file for writing only when nothing stands at its path yet.
#pragma once

#include <cstdio>
#include <string>

// Creates path for binary writing; an existing file (or a planted link) is never opened or
// replaced. Returns null on failure, with exists telling whether something was already there.
std::FILE* CreateExclusiveFile(const std::string& path, bool& exists);
