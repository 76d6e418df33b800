// The help of the log pages.
#include "al_static_wnd_help.h"

#include <string>

void OpenPageHelp(HWND owner, UINT topic)
{
    char program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    std::string helpFile(program, length);
    const std::size_t dot = helpFile.find_last_of('.');
    if (dot != std::string::npos && helpFile.find_last_of('\\') < dot)
        helpFile.erase(dot);
    helpFile += ".HLP";
    WinHelpA(owner, helpFile.c_str(), HELP_CONTEXT, topic);
}
