// VXMGR.EXE: the Vexomar panel host: loads the panel plug-ins into one MDI frame.
#include <windows.h>

#include "host_application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    // The plug-ins find their engine and data beside the host.
    const std::string directory = ProgramDirectory();
    SetCurrentDirectoryA(directory.c_str());
    HostApplication application;
    if (!application.Start(instance, ReadPanelList(directory), show))
        return 1;
    return application.Run();
}
