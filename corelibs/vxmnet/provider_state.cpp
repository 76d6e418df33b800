// The provider's process-wide state.
#include "provider_state.h"

#include <windows.h>

ProviderState& ProviderState::Instance()
{
    static ProviderState state;
    return state;
}

std::string CurrentUserName()
{
    char name[257] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}
