// CDriveWatcher: the wait, the change marks, the posting rule and the hand-over with the three events.
#include "drive_watcher.h"

CDriveWatcher::CDriveWatcher(DWORD postSpacing) : m_postSpacing(postSpacing)
{
}

CDriveWatcher::~CDriveWatcher()
{
    Stop();
    DropWatches();
}

bool CDriveWatcher::Start(HWND target)
{
    if (m_thread)
        return true;
    m_target = target;
    m_wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    m_acknowledge = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    m_resume = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    m_stop = false;
    // The first change may be told at once.
    m_lastPost = GetTickCount() - m_postSpacing;
    if (m_wake && m_acknowledge && m_resume)
        m_thread = CreateThread(nullptr, 0, &CDriveWatcher::ThreadMain, this, 0, nullptr);
    if (m_thread)
        return true;
    Stop();
    return false;
}

void CDriveWatcher::Stop()
{
    if (m_thread) {
        m_stop = true;
        SetEvent(m_wake);
        // A held thread waits for the resume event rather than the wake event.
        SetEvent(m_resume);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
    for (HANDLE* event : {&m_wake, &m_acknowledge, &m_resume})
        if (*event) {
            CloseHandle(*event);
            *event = nullptr;
        }
    m_pauses = 0;
    m_paused = false;
}

void CDriveWatcher::Pause()
{
    if (m_pauses++ > 0)
        return;
    m_paused = true;
    if (!m_thread)
        return;
    // The acknowledgement must be this pause's, not one left from an earlier hand-over.
    ResetEvent(m_acknowledge);
    SetEvent(m_wake);
    WaitForSingleObject(m_acknowledge, INFINITE);
}

void CDriveWatcher::Resume()
{
    if (m_pauses == 0 || --m_pauses > 0)
        return;
    m_paused = false;
    if (m_thread)
        SetEvent(m_resume);
}

bool CDriveWatcher::Watch(char letter, const std::string& folder)
{
    if (m_watches.size() >= MAXIMUM_WAIT_OBJECTS - 1)
        return false;
    HANDLE notification = FindFirstChangeNotificationA(
        folder.c_str(), TRUE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME);
    if (notification == INVALID_HANDLE_VALUE || !notification)
        return false;
    m_watches.push_back({letter, notification});
    return true;
}

void CDriveWatcher::DropWatches()
{
    for (const DriveWatch& watch : m_watches)
        FindCloseChangeNotification(watch.notification);
    m_watches.clear();
    for (auto& mark : m_changed)
        mark = false;
}

DWORD WINAPI CDriveWatcher::ThreadMain(void* self)
{
    static_cast<CDriveWatcher*>(self)->Run();
    return 0;
}

void CDriveWatcher::Run()
{
    for (;;) {
        std::vector<HANDLE> handles {m_wake};
        for (const DriveWatch& watch : m_watches)
            handles.push_back(watch.notification);
        const DWORD result =
            WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, kWaitTimeout);
        if (m_stop)
            return;
        if (result == WAIT_OBJECT_0) {
            if (m_paused)
                HoldUntilResumed();
            if (m_stop)
                return;
            continue;
        }
        if (result > WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + handles.size())
            OnChange(result - WAIT_OBJECT_0 - 1);
        if (!m_paused)
            PostChanges();
    }
}

void CDriveWatcher::HoldUntilResumed()
{
    SetEvent(m_acknowledge);
    WaitForSingleObject(m_resume, INFINITE);
}

void CDriveWatcher::OnChange(size_t index)
{
    DriveWatch& watch = m_watches[index];
    const char letter = watch.letter;
    if (letter >= 'A' && letter <= 'Z')
        m_changed[static_cast<size_t>(letter - 'A')] = true;
    if (!FindNextChangeNotification(watch.notification)) {
        // A notification that cannot wait again would be signalled for ever.
        FindCloseChangeNotification(watch.notification);
        m_watches.erase(m_watches.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void CDriveWatcher::PostChanges()
{
    const DWORD now = GetTickCount();
    if (now - m_lastPost < m_postSpacing)
        return;
    bool posted = false;
    for (size_t i = 0; i < m_changed.size(); ++i)
        if (m_changed[i].exchange(false)) {
            PostMessageA(m_target, kDriveChanged, static_cast<WPARAM>('A' + i), 0);
            posted = true;
        }
    if (posted)
        m_lastPost = now;
}
