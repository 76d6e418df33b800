// The platform's own message call, NetMessageBufferSend of NETAPI32.DLL, found at run time.
#pragma once

#include <windows.h>

#include <string>

namespace system_messenger {

// Wine's NETAPI32 names the call but aborts whoever makes it, so it is never looked up there
// (Wine is recognised by ntdll's wine_get_version).
bool RunningUnderWine();

// Whether the platform offers the call: Windows with NETAPI32 exporting it.
bool Available();

// Sends `text` to `computer` through the platform's messenger: 0 (NERR_Success) when it took
// the message, its error otherwise (ERROR_NOT_SUPPORTED when the call is not offered).
DWORD Send(const std::string& computer, const std::string& text);

}  // namespace system_messenger
