// A window class for tab window tests that records the tab notifications it receives.
#pragma once

#include <windows.h>

#include <vector>

struct TabMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const TabMessage&) const = default;
};

// Every 1745, 1746 and 1747 received by a recorder window, in order, across all recorders.
std::vector<TabMessage>& RecordedTabMessages();

// A recorder window: a visible top-level owner when `parent` is null, else a hidden child.
HWND CreateRecorder(HWND parent, const RECT& rect);
