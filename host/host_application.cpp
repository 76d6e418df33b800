// HostApplication: start-up order, the loop's turns for the plug-ins, and the end in reverse order.
#include "host_application.h"

using namespace panel_protocol;

HostApplication::~HostApplication()
{
    Finish();
}

bool HostApplication::Start(HINSTANCE instance, const std::vector<std::string>& panelPaths, int show)
{
    m_panels.reserve(panelPaths.size());
    m_frame = std::make_unique<HostFrame>(m_panels);
    if (!m_frame->Create(instance))
        return false;
    for (const std::string& path : panelPaths) {
        LoadedPanel panel;
        if (!panel.Load(path) || !panel.Initialise(m_frame->Window())) {
            m_refused.push_back(path);
            continue;
        }
        m_panels.push_back(std::move(panel));
    }
    m_frame->BuildPanelMenu();
    ShowWindow(m_frame->Window(), show);
    UpdateWindow(m_frame->Window());
    // 1547 comes from the loop's first turn, once the frame has shown; a panel opened from
    // the command line is then already there when a start-up question is asked.
    PostMessageA(m_frame->Window(), HostFrame::kStartPanels, 0, 0);
    m_frame->StartPanelTimer();
    return true;
}

bool HostApplication::OfferToPanels(MSG& message)
{
    const LoadedPanel* active = m_frame->ActivePanel();
    if (active && active->Send(kPreTranslate, reinterpret_cast<LPARAM>(&message)) != 0)
        return true;
    for (const LoadedPanel& panel : m_panels) {
        if (&panel != active && panel.Send(kPreTranslate, reinterpret_cast<LPARAM>(&message)) != 0)
            return true;
    }
    return false;
}

void HostApplication::HandleMessage(MSG& message)
{
    if (OfferToPanels(message))
        return;
    if (m_frame->Client() && TranslateMDISysAccel(m_frame->Client(), &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void HostApplication::SendIdle()
{
    for (const LoadedPanel& panel : m_panels)
        panel.Send(kRefresh);
}

int HostApplication::Run()
{
    MSG message = {};
    bool idleDue = true;
    for (;;) {
        if (idleDue && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            // The queue has emptied: each plug-in's idle turn, once until the next message.
            SendIdle();
            idleDue = false;
        }
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0)
            break;
        HandleMessage(message);
        idleDue = true;
    }
    Finish();
    return static_cast<int>(message.wParam);
}

void HostApplication::RunPending()
{
    MSG message = {};
    // Bounded: a message that is never dispatched (a paint a panel swallowed) comes back.
    for (int handled = 0; handled < 500 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++handled) {
        if (message.message == WM_QUIT)
            break;
        HandleMessage(message);
    }
    SendIdle();
}

void HostApplication::Finish()
{
    for (auto panel = m_panels.rbegin(); panel != m_panels.rend(); ++panel)
        panel->Terminate();
    m_panels.clear();
}

std::string ProgramDirectory()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    size_t slash = directory.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : directory.substr(0, slash);
}
