// LoadedPanel: one plug-in DLL in the host: its message procedure, its title and availability.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "plugin_protocol.h"

class LoadedPanel {
public:
    LoadedPanel() = default;
    LoadedPanel(const LoadedPanel&) = delete;
    LoadedPanel& operator=(const LoadedPanel&) = delete;
    LoadedPanel(LoadedPanel&& other) noexcept;
    ~LoadedPanel();

    // Loads the DLL and binds SP_MessageProc; false (and nothing held) when either fails.
    bool Load(const std::string& path);
    // 1536, then 1538 with a zeroed record: false when the plug-in does not describe itself.
    bool Initialise(HWND host);
    void Terminate();
    LRESULT Send(UINT message, LPARAM lParam = 0) const;

    HMODULE Module() const { return m_module; }
    const std::string& Path() const { return m_path; }
    const std::string& Title() const { return m_title; }
    bool Available() const { return m_available; }
    bool Initialised() const { return m_initialised; }

private:
    void Free();

    std::string m_path;
    HMODULE m_module = nullptr;
    panel_protocol::MessageProc m_proc = nullptr;
    HWND m_host = nullptr;
    std::string m_title;
    bool m_available = false;
    bool m_initialised = false;
};

// The panel list: VXMGR.INI beside the host ([Panels] Panel1, Panel2, ...), or the two panels.
std::vector<std::string> ReadPanelList(const std::string& hostDirectory);
