// FakeServiceControl: records each query and answers with the set status.
#include "fake_service_control.h"

DWORD FakeServiceControl::QueryLocal()
{
    calls.push_back("local");
    return localStatus;
}

bool FakeServiceControl::QueryRemote(const char* computer, DWORD& status)
{
    calls.push_back(std::string("remote ") + (computer ? computer : "<null>"));
    if (!remoteStatus)
        return false;
    status = *remoteStatus;
    return true;
}

void FakeServiceControl::CloseLocal()
{
    calls.push_back("close");
}
