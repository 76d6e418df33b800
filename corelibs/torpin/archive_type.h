// Which archive format a file holds, and which extensions may name an archive.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive_reader.h"
#include "byte_source.h"

namespace torpin {

// The numbers the scanner receives from GetArchiveFileType.
enum class ArchiveType : int { None = 0, Zip = 1, Arj = 2, Cab = 4 };

// Decides by content alone.
ArchiveType detectArchiveType(ByteSource& source);

// The reader for a detected type; null for None.
std::unique_ptr<ArchiveReader> makeReader(ArchiveType type, ByteSource& source);

class ExtensionList {
public:
    ExtensionList();  // ZIP, ARJ and CAB until the caller hands its own list

    // entries holds count entries of 4 characters each, each ended by a NUL or by
    // its fourth character; count is clamped to 0..20.
    void assign(const char* entries, int count);

    // True when the path has no extension or one of the list's (case ignored).
    bool admits(const std::string& path) const;

private:
    std::vector<std::string> m_entries;
};

// The text after the last '.' of a path, when no folder separator follows it.
bool extensionOf(const std::string& path, std::string& extension);

}  // namespace torpin
