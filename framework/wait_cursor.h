// CWaitCursor: shows the hourglass for the life of the object.
#pragma once

#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Sets the hourglass again after something (a message box) changed the cursor.
    void Restore();

private:
    HCURSOR m_previous;
};
