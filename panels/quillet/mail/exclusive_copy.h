// CopyToNewFile: the safe copy of a file into a place where nothing may be overwritten.
#pragma once

#include <string>

// Copies `source` to a file that did not exist before: `target` itself, or `target` with its
// last character replaced by "0" to "9", the first that is free. Nothing already there is
// opened or replaced. Answers the path written, "" when no name was free or the copy failed
// (then nothing is left under the new name).
std::string CopyToNewFile(const std::string& source, const std::string& target);
