// CDriveWatcher: the worker thread that waits on one change notification per watched drive and
// tells the tree, by posted messages only, which drives changed.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <string>
#include <vector>

class CDriveWatcher {
public:
    static constexpr UINT kDriveChanged = 1025;  // wParam: the drive letter
    static constexpr DWORD kWaitTimeout = 1000;
    static constexpr DWORD kPostSpacing = 5000;

    // `postSpacing`: the least time between two rounds of posted messages.
    explicit CDriveWatcher(DWORD postSpacing = kPostSpacing);
    ~CDriveWatcher();
    CDriveWatcher(const CDriveWatcher&) = delete;
    CDriveWatcher& operator=(const CDriveWatcher&) = delete;

    // Makes the three events and starts the thread; changes are posted to `target`.
    bool Start(HWND target);
    // Sets the stop flag, wakes the thread and waits for its end; the watches are closed.
    void Stop();
    // Counted: the first pause holds the thread (it has acknowledged when this returns), the
    // last resume lets it go on.
    void Pause();
    void Resume();
    bool Paused() const { return m_pauses > 0; }

    // Watches and their drops happen while the thread is held (or not started).
    // Watches file-name and directory-name changes in `folder` and below for the drive `letter`;
    // false when the notification could not be made (a drive without a medium): no watch then.
    bool Watch(char letter, const std::string& folder);
    void DropWatches();
    size_t WatchCount() const { return m_watches.size(); }

private:
    struct DriveWatch {
        char letter;
        HANDLE notification;
    };
    static DWORD WINAPI ThreadMain(void* self);
    void Run();
    void HoldUntilResumed();
    void OnChange(size_t index);
    void PostChanges();

    DWORD m_postSpacing;
    HWND m_target = nullptr;
    HANDLE m_thread = nullptr;
    HANDLE m_wake = nullptr;  // auto-reset
    HANDLE m_acknowledge = nullptr;  // manual-reset, initially set
    HANDLE m_resume = nullptr;  // auto-reset
    std::vector<DriveWatch> m_watches;
    std::array<std::atomic<bool>, 26> m_changed {};
    std::atomic<bool> m_paused {false};
    std::atomic<bool> m_stop {false};
    int m_pauses = 0;
    DWORD m_lastPost = 0;
};
