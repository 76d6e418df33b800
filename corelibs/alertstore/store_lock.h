// Machine-wide exclusion of the read-change-write cycles on a server's alert settings.
#pragma once

#include <windows.h>

// Every process that changes alert settings takes this lock, so two sets of different
// methods of one application cannot lose each other's change. The wait is bounded.
class StoreLock {
public:
    explicit StoreLock(DWORD timeoutMs = 10000);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    bool Held() const { return m_held; }

private:
    HANDLE m_mutex = nullptr;
    bool m_held = false;
};
