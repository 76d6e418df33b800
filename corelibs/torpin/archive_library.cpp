// The library remembers what it created so that nothing outlives DeInitDecompression.
#include "archive_library.h"

#include <sys/stat.h>

#include "compressed_file.h"

namespace torpin {
namespace {

constexpr std::size_t kPruneExpandedAt = 256;

bool exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

}  // namespace

ArchiveLibrary::ArchiveLibrary(std::uint32_t seed) : m_temps(seed)
{
}

ArchiveLibrary::~ArchiveLibrary()
{
    for (ArchiveWalk* walk : m_walks)
        delete walk;
    for (const std::string& path : m_expanded)
        removeFile(path);
}

ArchiveType ArchiveLibrary::typeOf(const std::string& path) const
{
    if (!m_extensions.admits(path))
        return ArchiveType::None;
    FileSource source;
    if (!source.open(path))
        return ArchiveType::None;
    return detectArchiveType(source);
}

ArchiveWalk* ArchiveLibrary::openWalk(const std::string& path)
{
    if (!m_extensions.admits(path))
        return nullptr;
    auto walk = std::make_unique<ArchiveWalk>(m_temps);
    if (!walk->open(path))
        return nullptr;
    ArchiveWalk* raw = walk.release();
    m_walks.insert(raw);
    return raw;
}

void ArchiveLibrary::closeWalk(ArchiveWalk* walk)
{
    if (m_walks.erase(walk) != 0)
        delete walk;
}

bool ArchiveLibrary::expand(const std::string& path, std::string& expanded)
{
    if (expandCompressedFile(path, m_temps, expanded) != ExtractStatus::Ok)
        return false;
    // The caller deletes the copies it is done with; forget those before the list grows.
    if (m_expanded.size() >= kPruneExpandedAt)
        std::erase_if(m_expanded, [](const std::string& p) { return !exists(p); });
    m_expanded.push_back(expanded);
    return true;
}

}  // namespace torpin
