// The library remembers what it created so that nothing outlives DeInitDecompression.
#include "archive_library.h"

#include <sys/stat.h>

#include "compressed_file.h"

namespace torpin {
namespace {

constexpr std::size_t kPruneExpandedAt = 256;

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

}  // namespace

ArchiveLibrary::ArchiveLibrary(std::uint32_t seed) : temps_(seed) {}

ArchiveLibrary::~ArchiveLibrary() {
    for (ArchiveWalk* walk : walks_) delete walk;
    for (const std::string& path : expanded_) removeFile(path);
}

ArchiveType ArchiveLibrary::typeOf(const std::string& path) const {
    if (!extensions_.admits(path)) return ArchiveType::None;
    FileSource source;
    if (!source.open(path)) return ArchiveType::None;
    return detectArchiveType(source);
}

ArchiveWalk* ArchiveLibrary::openWalk(const std::string& path) {
    if (!extensions_.admits(path)) return nullptr;
    auto walk = std::make_unique<ArchiveWalk>(temps_);
    if (!walk->open(path)) return nullptr;
    ArchiveWalk* raw = walk.release();
    walks_.insert(raw);
    return raw;
}

void ArchiveLibrary::closeWalk(ArchiveWalk* walk) {
    if (walks_.erase(walk) != 0) delete walk;
}

bool ArchiveLibrary::expand(const std::string& path, std::string& expanded) {
    if (expandCompressedFile(path, temps_, expanded) != ExtractStatus::Ok) return false;
    // The caller deletes the copies it is done with; forget those before the list grows.
    if (expanded_.size() >= kPruneExpandedAt) std::erase_if(expanded_, [](const std::string& p) { return !exists(p); });
    expanded_.push_back(expanded);
    return true;
}

}  // namespace torpin
