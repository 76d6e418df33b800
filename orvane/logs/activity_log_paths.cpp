// CActivityLogPaths: the shared cache of the activity log's directory and path.
#include "activity_log_paths.h"

#include <cstdio>
#include <cstring>

#include "program_values.h"

namespace {

constexpr char kLogFileName[] = "\\ALERT.LOG";

struct LogPathCache {
    char server[CActivityLogPaths::kServerSize] = {};
    char directory[CActivityLogPaths::kPathSize] = {};
    char path[CActivityLogPaths::kPathSize] = {};
};

LogPathCache& Cache()
{
    static LogPathCache cache;
    return cache;
}

}  // namespace

bool CActivityLogPaths::Resolve(const ProgramValues& values)
{
    LogPathCache& cache = Cache();
    const char* server = values.serverName;
    if (cache.directory[0] && cache.path[0] && std::strcmp(cache.server, server) == 0)
        return true;
    Forget();
    char directory[kPathSize] = {};
    const int result = values.Core().AlertGetHomeLog(server, directory);
    directory[kPathSize - 1] = '\0';
    const std::size_t length = std::strlen(directory);
    // An empty directory would put the log at the root of the current drive, and one that
    // fills the buffer would cut the file name off: neither is the service's log.
    if (!AlertCore::HomeSucceeded(result) || length == 0 || length + sizeof kLogFileName > kPathSize)
        return false;
    std::memcpy(cache.directory, directory, length + 1);
    std::memcpy(cache.path, directory, length);
    std::memcpy(cache.path + length, kLogFileName, sizeof kLogFileName);
    std::snprintf(cache.server, sizeof cache.server, "%s", server);
    return true;
}

const char* CActivityLogPaths::Directory()
{
    return Cache().directory;
}

const char* CActivityLogPaths::Path()
{
    return Cache().path;
}

void CActivityLogPaths::Forget()
{
    Cache() = LogPathCache {};
}
