// The Alert Manager's shared values and the program's help file.
#include "program_values.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "network_provider.h"

AlertCore& ProgramValues::Core() const
{
    if (!core)
        std::abort();
    return *core;
}

ServiceControl& ProgramValues::Services() const
{
    if (!serviceControl)
        std::abort();
    return *serviceControl;
}

NetworkProvider& ProgramValues::Network() const
{
    return network ? *network : SystemNetworkProvider();
}

bool ProgramValues::IsLocalServer() const
{
    return lstrcmpiA(serverName, LocalComputerName()) == 0;
}

bool ProgramValues::FitsApplicationName(const char* name)
{
    return name && strnlen(name, kApplicationNameSize) < kApplicationNameSize;
}

bool ProgramValues::SetApplicationName(const char* name)
{
    if (!FitsApplicationName(name))
        return false;
    std::memset(applicationName, 0, sizeof applicationName);
    std::memcpy(applicationName, name, std::strlen(name));
    return true;
}

void ProgramValues::OpenHelp(HWND owner, UINT topic) const
{
    if (openHelp)
        openHelp(owner, topic);
    else
        OpenProgramHelp(owner, topic);
}

const char* LocalComputerName()
{
    static char name[64] = {};
    if (!name[0]) {
        DWORD size = sizeof name;
        if (!GetComputerNameA(name, &size))
            name[0] = '\0';
    }
    return name;
}

std::string HelpFileFor(const std::string& programPath)
{
    std::string helpFile = programPath;
    // Only a dot in the file's own name starts its extension, not one in a folder name.
    const std::size_t dot = helpFile.find_last_of('.');
    const std::size_t slash = helpFile.find_last_of("\\/");
    if (dot != std::string::npos && (slash == std::string::npos || slash < dot))
        helpFile.erase(dot);
    return helpFile + ".HLP";
}

void OpenProgramHelp(HWND owner, UINT topic)
{
    char program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    WinHelpA(owner, HelpFileFor(std::string(program, length)).c_str(), HELP_CONTEXT, topic);
}
