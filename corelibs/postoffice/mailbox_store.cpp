// File access for mailboxes: the lock file, whole reads and atomic replacement.
#include "mailbox_store.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <sys/file.h>
#include <unistd.h>
#endif

#include "mail_limits.h"

namespace postoffice {
namespace {

int TryLock(const std::string& lockPath)
{
#ifdef _WIN32
    // A file opened with no sharing cannot be opened again until its holder closes it.
    int fd = -1;
    if (_sopen_s(&fd, lockPath.c_str(), _O_CREAT | _O_RDWR | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE) != 0)
        return -1;
    return fd;
#else
    int fd = open(lockPath.c_str(), O_CREAT | O_RDWR | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
#endif
}

}  // namespace

MailboxLock::MailboxLock(const std::string& mailboxPath, int waitMs)
{
    const std::string lockPath = mailboxPath + ".lck";
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        m_handle = TryLock(lockPath);
        if (m_handle >= 0 || std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

MailboxLock::~MailboxLock()
{
    if (m_handle < 0)
        return;
#ifdef _WIN32
    _close(m_handle);
#else
    close(m_handle);
#endif
}

StoreStatus ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        std::error_code error;
        return std::filesystem::exists(path, error) ? StoreStatus::kIoError : StoreStatus::kMissing;
    }
    bytes.clear();
    char buffer[65536];
    std::size_t got;
    StoreStatus status = StoreStatus::kOk;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + got > limit) {
            status = StoreStatus::kTooLarge;
            break;
        }
        bytes.append(buffer, got);
    }
    if (status == StoreStatus::kOk && std::ferror(file))
        status = StoreStatus::kIoError;
    std::fclose(file);
    if (status != StoreStatus::kOk)
        bytes.clear();
    return status;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::string fresh = path + ".new";
    std::FILE* file = std::fopen(fresh.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (written) {
        // A program reading the file without the lock may hold it open for a moment.
        for (int attempt = 0; attempt < 50; ++attempt) {
            std::filesystem::rename(fresh, path, error);
            if (!error)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    std::filesystem::remove(fresh, error);
    return false;
}

StoreStatus LoadMailbox(const std::string& path, std::optional<Mailbox>& mailbox)
{
    mailbox.reset();
    std::string bytes;
    StoreStatus status;
    {
        MailboxLock lock(path, limits::kLockWaitMs);
        if (!lock.Held())
            return StoreStatus::kBusy;
        status = ReadFileBytes(path, limits::kMaxMailboxBytes, bytes);
    }
    if (status != StoreStatus::kOk)
        return status;
    mailbox = Mailbox::Load(bytes);
    return mailbox ? StoreStatus::kOk : StoreStatus::kTooLarge;
}

StoreStatus ChangeMailbox(const std::string& path, const std::function<bool(Mailbox&)>& change, bool create)
{
    MailboxLock lock(path, limits::kLockWaitMs);
    if (!lock.Held())
        return StoreStatus::kBusy;
    std::string bytes;
    StoreStatus status = ReadFileBytes(path, limits::kMaxMailboxBytes, bytes);
    if (status == StoreStatus::kMissing && create) {
        bytes.clear();
    } else if (status != StoreStatus::kOk) {
        return status;
    }
    std::optional<Mailbox> mailbox = Mailbox::Load(bytes);
    if (!mailbox)
        return StoreStatus::kTooLarge;
    if (!change(*mailbox))
        return StoreStatus::kUnchanged;
    std::string fresh = mailbox->Serialize();
    if (fresh.size() > limits::kMaxMailboxBytes)
        return StoreStatus::kTooLarge;
    return ReplaceFileAtomically(path, fresh) ? StoreStatus::kOk : StoreStatus::kIoError;
}

}  // namespace postoffice
