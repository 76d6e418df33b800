// The modal loop shared by dialogs and property sheets, with its owner handling.
#pragma once

#include <windows.h>

#include <functional>

class CWnd;

// The window a modal window belongs to: `parent`, else the application's main window, climbed
// to its top-level window (a modal window never belongs to a child). Null when there is none.
HWND ModalOwnerFor(const CWnd* parent);

// Disables the owner for the life of a modal window and gives it back its input at the end
// (before the modal window goes, so that the owner becomes active again).
class ModalOwnerLock {
public:
    explicit ModalOwnerLock(HWND owner);
    ~ModalOwnerLock();
    ModalOwnerLock(const ModalOwnerLock&) = delete;
    ModalOwnerLock& operator=(const ModalOwnerLock&) = delete;
    // Gives the owner its input back now.
    void Release();
    HWND Owner() const { return m_owner; }

private:
    HWND m_owner;
    bool m_reenable;
};

// How a message is translated inside the loop before it is dispatched.
enum class ModalKeys {
    WindowOnly,  // the modal window's own PreTranslateMessage (a property sheet)
    WindowAndTree,  // then the framework windows from the target up to the modal window (dialogs)
};

// Runs messages until `ended` answers true. Whenever the queue empties, and once before the
// first message, the idle pass updates the modal window's controls. False when WM_QUIT ended
// the loop; the quit message is posted again for the main loop.
bool RunModalLoop(CWnd& modal, ModalKeys keys, const std::function<bool()>& ended);
