// CExtensionApp: the application object of a plug-in DLL, driven by the program that hosts it.
#pragma once

#include <windows.h>

#include "win_app.h"
#include "wnd.h"

// A plug-in has no message loop: the host offers it each message before its own translation
// and tells it when its queue has emptied. The plug-in's windows live in the plug-in's own
// window map, so only this object can find them and let them translate keys.
class CExtensionApp : public CWinApp {
public:
    using CWinApp::CWinApp;
    ~CExtensionApp() override;

    // Binds the host's frame window as this module's main window. The window is only
    // attached: the host keeps its own window procedure. False for no window or a second host.
    bool AttachHost(HWND host);
    // Unbinds the host's window (at plug-in shut-down).
    void DetachHost();
    CWnd* Host() { return m_host.m_hWnd ? &m_host : nullptr; }

    // A message the host is about to dispatch: true when a window of this module translated
    // it (its accelerators, dialog keys), and the host must then not dispatch it.
    bool TranslateHostMessage(MSG& message);
    // The host's queue is empty: this module's idle pass, run to its end.
    void RunIdle();
    // The idle update reaches this module's own windows, not every window of the host.
    void UpdateCommandStates() override;

    int Run() override;

private:
    CWnd m_host;
};
