// The Alert Manager's program-wide values.
#include "program_values.h"

#include <windows.h>

#include <cstdlib>

ProgramValues& Program()
{
    static ProgramValues values;
    return values;
}

AlertCore& Core()
{
    AlertCore* core = Program().core;
    if (!core)
        std::abort();
    return *core;
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

bool IsLocalServer()
{
    return lstrcmpiA(Program().serverName, LocalComputerName()) == 0;
}
