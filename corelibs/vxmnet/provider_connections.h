// The provider's connections: adding and cancelling them and answering who and what they are.
#pragma once

#include <windows.h>
#include <winnetwk.h>

DWORD AddConnection(const NETRESOURCEW* resource, const wchar_t* password, const wchar_t* user);
DWORD CancelConnection(const wchar_t* name);
DWORD GetConnection(const wchar_t* localName, LPWSTR remoteName, LPDWORD length);
DWORD GetUser(const wchar_t* name, LPWSTR userName, LPDWORD length);
