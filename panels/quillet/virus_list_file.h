// virus.lst as the Local Scanner reads it, the name search, and the .vst list file it writes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct VirusListContents {
    std::string signatureVersion;  // empty when the first line is too short to hold one
    std::string virusCount;
    std::vector<std::string> names;  // in file order
};

// The text of virus.lst as a text-mode read gives it (each "\r\n" read as "\n"): lines 1 and 3 hold the
// version and the count in the four characters before their last two, lines 2 and 4 are labels, and every
// further line is a name. A line is read up to 255 characters.
VirusListContents ParseVirusList(const std::string& text);

// The first name that begins with `text` (case-insensitive); 0 for an empty text; nothing when no name does.
std::optional<size_t> FindVirusName(const std::vector<std::string>& names, const std::string& text);

// The name to create: with the "Virus List (*.vst)" filter chosen and no extension typed (no "." after the
// last "\" or "/", or nothing after the "."), ".vst" is added.
std::string VirusListSaveName(const std::string& chosen, bool vstFilterChosen);

// Every name followed by a line end, as the .vst file holds them.
std::string VstText(const std::vector<std::string>& names);
