// The settings lock is a named mutex; a holder that died still hands it on.
#include "store_lock.h"

StoreLock::StoreLock(DWORD timeoutMs)
{
    // The service runs in another session than the Alert Manager: only a global name is
    // shared by both. A process that may not create global objects falls back to its session.
    m_mutex = CreateMutexA(nullptr, FALSE, "Global\\MorwickAlertSettingsLock");
    if (!m_mutex)
        m_mutex = CreateMutexA(nullptr, FALSE, "MorwickAlertSettingsLock");
    if (!m_mutex)
        return;
    const DWORD wait = WaitForSingleObject(m_mutex, timeoutMs);
    m_held = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

StoreLock::~StoreLock()
{
    if (m_held)
        ReleaseMutex(m_mutex);
    if (m_mutex)
        CloseHandle(m_mutex);
}
