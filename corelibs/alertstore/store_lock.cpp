// The settings lock is a named mutex; a holder that died still hands it on.
#include "store_lock.h"

StoreLock::StoreLock(DWORD timeoutMs)
{
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
