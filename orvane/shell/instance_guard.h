// InstanceGuard: the Alert Manager's one-copy rule, and the bring-up request between copies.
#pragma once

#include <windows.h>

#include <string>

constexpr char kInstanceMutexName[] = "AlertAdminAppInstMutex";
constexpr char kBringUpMessageName[] = "Bring Up Alert";
// The fixed parameters of a bring-up request and the answer of a copy that obeyed it.
constexpr WPARAM kBringUpWParam = 34984;
constexpr LPARAM kBringUpLParam = 35168;
constexpr LRESULT kBringUpAnswer = 74354;

enum class InstanceResult {
    FirstCopy,  // this copy holds the mutex and runs
    OtherCopyAnswered,  // another copy came to the front; end without a message
    OtherCopySilent,  // another copy holds the mutex but no window answered (string 61242)
    MutexNotCreated,  // end without a message
};

class InstanceGuard {
public:
    // Tests give their own mutex name and message number so that a running Alert Manager
    // is not disturbed.
    explicit InstanceGuard(std::string mutexName = kInstanceMutexName, UINT bringUpMessage = 0);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Creates the mutex initially owned and tries it without waiting. When another copy holds
    // it, asks the top-level windows to bring that copy up; the guard then lets the mutex go.
    InstanceResult Acquire();
    // Closes the mutex handle (shut-down); the system releases what this copy held.
    void Close();
    HANDLE Handle() const { return m_mutex; }

private:
    // Sends the bring-up request to each top-level window until one answers.
    bool BringUpOtherCopy() const;

    std::string m_mutexName;
    UINT m_message;
    HANDLE m_mutex = nullptr;
};

// The number of the registered "Bring Up Alert" message, registered on first use.
UINT BringUpMessage();

// The frame's answer to a bring-up request: with the fixed parameters the frame is restored
// when minimised (else shown), made active, and 74354 answered; other parameters answer 0.
LRESULT AnswerBringUp(HWND frame, WPARAM wParam, LPARAM lParam);
