// One library handle: its temporary folder, extension list, walks and expanded files.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "archive_type.h"
#include "archive_walk.h"
#include "temp_file_factory.h"

namespace torpin {

class ArchiveLibrary {
public:
    explicit ArchiveLibrary(std::uint32_t seed);
    ~ArchiveLibrary();  // closes every walk and deletes every file it left

    void setTemporaryDirectory(const std::string& directory) { m_temps.setDirectory(directory); }
    void setExtensions(const char* entries, int count) { m_extensions.assign(entries, count); }
    ArchiveType typeOf(const std::string& path) const;

    // A new walk over the archive at path, owned here; null when it is no archive.
    ArchiveWalk* openWalk(const std::string& path);
    bool owns(ArchiveWalk* walk) const { return m_walks.count(walk) != 0; }
    void closeWalk(ArchiveWalk* walk);

    // Expands a compressed single file; the copy is deleted at the latest with the library.
    bool expand(const std::string& path, std::string& expanded);

private:
    TempFileFactory m_temps;
    ExtensionList m_extensions;
    std::set<ArchiveWalk*> m_walks;
    std::vector<std::string> m_expanded;
};

}  // namespace torpin
