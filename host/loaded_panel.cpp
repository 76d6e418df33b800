// LoadedPanel: loading, the start-up messages and the end of one plug-in; the panel list.
#include "loaded_panel.h"

#include <cstring>

using namespace panel_protocol;

LoadedPanel::LoadedPanel(LoadedPanel&& other) noexcept
    : m_path(std::move(other.m_path)), m_module(other.m_module), m_proc(other.m_proc), m_host(other.m_host),
      m_title(std::move(other.m_title)), m_available(other.m_available), m_initialised(other.m_initialised)
{
    other.m_module = nullptr;
    other.m_proc = nullptr;
    other.m_initialised = false;
}

LoadedPanel::~LoadedPanel()
{
    Terminate();
    Free();
}

bool LoadedPanel::Load(const std::string& path)
{
    Free();
    m_path = path;
    m_module = LoadLibraryA(path.c_str());
    if (!m_module)
        return false;
    m_proc = reinterpret_cast<MessageProc>(reinterpret_cast<void*>(GetProcAddress(m_module, kMessageProcName)));
    if (!m_proc) {
        Free();
        return false;
    }
    char title[128] = {};
    if (LoadStringA(m_module, 20, title, sizeof(title)) > 0)
        m_title = title;
    else
        m_title = path;
    return true;
}

bool LoadedPanel::Initialise(HWND host)
{
    if (!m_proc)
        return false;
    m_host = host;
    m_proc(host, kInitialise, 0, 0);
    m_initialised = true;
    // A record larger than the plug-in writes, so that a plug-in writing past 32 bytes is seen.
    unsigned char record[64] = {};
    LRESULT described = m_proc(host, kDescribe, 0, reinterpret_cast<LPARAM>(record));
    std::uint32_t flag = 0;
    memcpy(&flag, record + offsetof(PanelInfo, described), sizeof(flag));
    if (described != 1 || flag != 1) {
        Terminate();
        return false;
    }
    m_available = m_proc(host, kQueryAvailable, 0, 0) != 0;
    return true;
}

void LoadedPanel::Terminate()
{
    if (m_initialised && m_proc)
        m_proc(m_host, kTerminate, 0, 0);
    m_initialised = false;
}

LRESULT LoadedPanel::Send(UINT message, LPARAM lParam) const
{
    return m_initialised && m_proc ? m_proc(m_host, message, 0, lParam) : 0;
}

void LoadedPanel::Free()
{
    m_proc = nullptr;
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
}

std::vector<std::string> ReadPanelList(const std::string& hostDirectory)
{
    const std::string ini = hostDirectory + "\\VXMGR.INI";
    std::vector<std::string> panels;
    for (int index = 1;; ++index) {
        char key[16];
        wsprintfA(key, "Panel%d", index);
        char value[MAX_PATH] = {};
        if (GetPrivateProfileStringA("Panels", key, "", value, MAX_PATH, ini.c_str()) == 0)
            break;
        std::string path = value;
        // A bare file name lies beside the host.
        if (path.find_first_of("\\/:") == std::string::npos)
            path = hostDirectory + "\\" + path;
        panels.push_back(path);
    }
    if (panels.empty()) {
        panels.push_back(hostDirectory + "\\QUILLET.DLL");
        panels.push_back(hostDirectory + "\\SERVICE.DLL");
    }
    return panels;
}
