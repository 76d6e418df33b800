// HostApplication: the host's start-up order, its message loop with the plug-ins' turns, and its end.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host_frame.h"
#include "loaded_panel.h"

class HostApplication {
public:
    HostApplication() = default;
    ~HostApplication();

    // Loads the panels, 1536 and 1538 and 1542 to each, shows the frame, then 1547 to each.
    // False when the frame cannot be made; a panel that cannot be loaded is left out.
    bool Start(HINSTANCE instance, const std::vector<std::string>& panelPaths, int show);
    // The loop until the frame is gone; then the end of every panel.
    int Run();
    // What the loop does with the messages waiting now, then its idle turn (for tests).
    void RunPending();
    // 1537 to each panel in reverse order, then the libraries go.
    void Finish();

    HostFrame& Frame() { return *m_frame; }
    std::vector<LoadedPanel>& Panels() { return m_panels; }
    const std::vector<std::string>& Refused() const { return m_refused; }

private:
    // The message offered to each plug-in, the one of the active panel first: true when taken.
    bool OfferToPanels(MSG& message);
    void HandleMessage(MSG& message);
    void SendIdle();

    std::vector<LoadedPanel> m_panels;
    std::vector<std::string> m_refused;
    std::unique_ptr<HostFrame> m_frame;
    HACCEL m_accelerators = nullptr;
};

// The folder of the running program.
std::string ProgramDirectory();
