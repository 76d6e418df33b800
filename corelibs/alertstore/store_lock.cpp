// The settings lock is a named mutex; a holder that died still hands it on.
#include "store_lock.h"

StoreLock::StoreLock(DWORD timeoutMs)
{
    // The service runs in another session than the Alert Manager: only a global name is
    // shared by both. A process that may not create global objects falls back to its session.
    mutex_ = CreateMutexA(nullptr, FALSE, "Global\\MorwickAlertSettingsLock");
    if (!mutex_)
        mutex_ = CreateMutexA(nullptr, FALSE, "MorwickAlertSettingsLock");
    if (!mutex_)
        return;
    const DWORD wait = WaitForSingleObject(mutex_, timeoutMs);
    held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

StoreLock::~StoreLock()
{
    if (held_)
        ReleaseMutex(mutex_);
    if (mutex_)
        CloseHandle(mutex_);
}
