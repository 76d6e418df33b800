// Temporary member files under generated names, each created exclusively.
#include "temp_file_factory.h"

#include <cstdio>
#include <sys/stat.h>

#include "archive_limits.h"
#include "exclusive_file.h"

namespace torpin {
namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

}  // namespace

std::string TempFileFactory::safeExtension(const std::string& name)
{
    std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return {};
    std::string extension = name.substr(dot + 1);
    if (extension.empty() || extension.size() > 8)
        return {};
    for (char c : extension) {
        bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!safe)
            return {};
    }
    return extension;
}

std::FILE* TempFileFactory::create(const std::string& extension, std::string& path)
{
    std::string base = m_directory;
    if (!base.empty() && !isSeparator(base.back())) {
#ifdef _WIN32
        base += '\\';
#else
        base += '/';
#endif
    }
    for (std::uint32_t attempt = 0; attempt < limits::kMaxTempNameTries; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, "TPN%08X", static_cast<unsigned>(m_counter++));
        std::string candidate = base + name;
        if (!extension.empty())
            candidate += "." + extension;
        if (candidate.size() > limits::kMaxPathBytes)
            return nullptr;
        bool exists = false;
        std::FILE* file = CreateExclusiveFile(candidate, exists);
        if (file) {
            path = candidate;
            return file;
        }
        if (!exists)
            return nullptr;  // a missing or read-only folder will not improve
    }
    return nullptr;
}

bool removeFile(const std::string& path)
{
    if (std::remove(path.c_str()) == 0)
        return true;
    struct stat info;
    return stat(path.c_str(), &info) != 0;
}

}  // namespace torpin
