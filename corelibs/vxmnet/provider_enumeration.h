// The provider's enumerations: one level of the network (or this process's connections) read
// when the enumeration opens and handed out in the caller's buffers.
#pragma once

#include <windows.h>
#include <winnetwk.h>

DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, const NETRESOURCEW* resource, LPHANDLE handle);
DWORD EnumResource(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size);
DWORD CloseEnum(HANDLE handle);
