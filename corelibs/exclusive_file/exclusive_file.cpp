// CreateExclusiveFile: opens a new file for writing only when nothing stands at its path yet.
#include "exclusive_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

std::FILE* CreateExclusiveFile(const std::string& path, bool& exists)
{
#ifdef _WIN32
    int fd = _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW, 0600);
#endif
    if (fd < 0) {
        exists = errno == EEXIST;
        return nullptr;
    }
#ifdef _WIN32
    std::FILE* file = _fdopen(fd, "wb");
    if (!file)
        _close(fd);
#else
    std::FILE* file = fdopen(fd, "wb");
    if (!file)
        close(fd);
#endif
    return file;
}
