// Mailbox files on disk: read whole, and rewritten atomically (a new file, then a rename)
// under a lock per mailbox that readers take too, so a reader never sees half a file and
// two writers never lose each other's change.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "mailbox.h"

namespace postoffice {

enum class StoreStatus {
    kOk,
    kMissing,  // no such file
    kTooLarge,  // past the mailbox limit: neither read nor rewritten
    kBusy,  // another process held the mailbox for the whole wait
    kIoError,  // the file could not be read or the new one not written
    kUnchanged,  // the change refused itself; nothing was written
};

// The lock of one mailbox, held while the object lives. It is the lock file beside the
// mailbox ("<file>.lck"), opened exclusively; the system drops it if the holder dies.
class MailboxLock {
public:
    explicit MailboxLock(const std::string& mailboxPath, int waitMs);
    ~MailboxLock();
    MailboxLock(const MailboxLock&) = delete;
    MailboxLock& operator=(const MailboxLock&) = delete;
    bool Held() const { return m_handle >= 0; }

private:
    int m_handle = -1;
};

StoreStatus LoadMailbox(const std::string& path, std::optional<Mailbox>& mailbox);

// Reads the mailbox (an empty one when missing and create is set), applies change, and
// writes the result when change returns true.
StoreStatus ChangeMailbox(const std::string& path, const std::function<bool(Mailbox&)>& change, bool create);

// Reads a whole file up to the limit; kMissing, kTooLarge or kIoError otherwise.
StoreStatus ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes);

// Writes bytes to "<path>.new" and renames it over path.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace postoffice
