// VXMGR.EXE: the Vexomar panel host: loads the panel plug-ins into one MDI frame.
#include <windows.h>

#include <cstring>

#include "host_application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    // The plug-ins find their engine and data beside the host.
    const std::string directory = ProgramDirectory();
    SetCurrentDirectoryA(directory.c_str());
    HostApplication application;
    if (!application.Start(instance, ReadPanelList(directory), show))
        return 1;
    // "/open": every usable panel opens at once, as its menu entry would open it.
    if (commandLine && strstr(commandLine, "/open")) {
        for (const LoadedPanel& panel : application.Panels()) {
            if (panel.Available())
                panel.Send(panel_protocol::kOpen);
        }
        SendMessageA(application.Frame().Client(), WM_MDITILE, MDITILE_VERTICAL, 0);
    }
    return application.Run();
}
