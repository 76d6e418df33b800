// PanelPlugin: what both panel plug-ins do with the host's messages; each plug-in adds its own start-up.
#pragma once

#include <windows.h>

#include <string>

#include "extension_app.h"
#include "panel_frame_wnd.h"

// The fixed values one plug-in gives the protocol.
struct PanelDescription {
    const char* windowClass;  // "MDIFiller_Quillet"
    const char* classFailureText;  // shown when the class cannot be registered
    UINT iconId;  // of the MDI child
    UINT panelNumber;
    const char* frameWindowName;  // the panel frame's window name
    bool refusesReentrantOpen;  // a second open during an open only beeps
    bool titleShowsComputer;  // " : [computer]" after the title
    bool forwardsTimer;  // 1635 reaches the panel frame
};

// Message texts of the protocol, from the plug-in's string table.
enum : UINT {
    IDS_PANEL_TITLE = 20,
    IDS_RESOURCE_FAILED = 28000,
    IDS_ACTIVATE_FAILED = 28001,
    IDS_HELP_UNAVAILABLE = 28014,
};

class PanelPlugin {
public:
    PanelPlugin(CExtensionApp& app, const PanelDescription& description);
    virtual ~PanelPlugin() = default;

    // SP_MessageProc's body: every message and its result. Nothing thrown leaves it.
    LRESULT HandleMessage(HWND host, UINT message, WPARAM wParam, LPARAM lParam);

    HWND PanelWindow() const { return m_panel; }
    bool Available() const { return m_available; }
    HWND HostWindow() const { return m_host; }

protected:
    // Start-up once the host is bound, before the panel class is registered.
    virtual void OnAttached() { }
    // Start-up after the panel class is registered; the availability flag may be cleared.
    virtual void OnInitialise() { }
    virtual void OnTerminate() { }
    virtual void OnStart() { }
    // The panel frame object for a new MDI child (it deletes itself with its window).
    virtual CPanelFrameWnd* MakePanelFrame() = 0;
    virtual bool RegisterPanelClass();
    virtual std::string ComputerName() const;

    CExtensionApp& m_app;
    PanelDescription m_description;
    bool m_available = true;

private:
    LRESULT Dispatch(UINT message, LPARAM lParam);
    void Initialise(HWND host);
    void Terminate();
    void Open();
    void CreatePanel();
    void ActivatePanel();
    void Refresh();
    void ForwardTimer();

    HWND m_host = nullptr;
    HWND m_panel = nullptr;
    bool m_opening = false;
};

// The host program's path with its last three characters replaced by "HLP".
std::string HelpFileForHost(const std::string& hostPath);
