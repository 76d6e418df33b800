// VXMSGR.EXE, the Vexomar messenger: shows the messages sent to this computer and to the site
// servers it stands in for. "VXMSGR [/log FILE]" runs it; "VXMSGR /stop" ends a running one.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "messenger_program.h"
#include "win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    std::string recordFile;
    for (int i = 1; i < __argc; ++i) {
        const std::string argument = __argv[i];
        if (lstrcmpiA(argument.c_str(), "/stop") == 0)
            return StopRunningMessenger() ? 0 : 1;
        if (lstrcmpiA(argument.c_str(), "/log") == 0 && i + 1 < __argc)
            recordFile = __argv[++i];
        else
            return 2;
    }
    CWinApp application("Vexomar Messenger");
    application.m_hInstance = instance;
    MessengerProgram program(recordFile);
    if (!program.Open())
        return 1;
    return program.Run();
}
