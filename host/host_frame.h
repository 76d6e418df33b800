// HostFrame: the host's MDI frame: panel menu, Window menu, status line and the plug-ins' requests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "loaded_panel.h"

class HostFrame {
public:
    static constexpr UINT_PTR kPanelTimer = 1;
    static constexpr UINT kPanelTimerMilliseconds = 1000;
    // Posted to the frame at the end of start-up: 1547 to each panel.
    static constexpr UINT kStartPanels = WM_APP + 1;

    explicit HostFrame(std::vector<LoadedPanel>& panels);
    ~HostFrame();
    HostFrame(const HostFrame&) = delete;
    HostFrame& operator=(const HostFrame&) = delete;

    bool Create(HINSTANCE instance);
    // One menu entry per panel, titled by the plug-in, greyed when the plug-in is not usable.
    void BuildPanelMenu();
    void StartPanelTimer();

    HWND Window() const { return m_frame; }
    HWND Client() const { return m_client; }
    HWND StatusBar() const { return m_status; }
    std::string StatusText() const;
    // The plug-in whose MDI child is active, or null.
    const LoadedPanel* ActivePanel() const;
    // The module that asked for an MDI child (kept on the child).
    static HMODULE PanelModuleOf(HWND child);

private:
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CreatePanelChild(HMODULE module, panel_protocol::MdiChildRequest* request);
    LRESULT OnStatusText(WPARAM wParam, LPARAM lParam);
    bool OnCommand(UINT id);
    void OnSize(int width, int height);
    // Asks every MDI child to close; false when one refused (it is still there).
    bool CloseChildren();
    void ShowAbout();
    void SetFrameMenuFor(HWND activeChild);

    std::vector<LoadedPanel>& m_panels;
    HINSTANCE m_instance = nullptr;
    HWND m_frame = nullptr;
    HWND m_client = nullptr;
    HWND m_status = nullptr;
    HMENU m_menu = nullptr;
    HMENU m_windowMenu = nullptr;
    std::string m_idleText;
};
