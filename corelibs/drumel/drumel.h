// DRUMEL.DLL, the antivirus service core: status, start and stop of the service on the site's
// servers, their settings records and broadcast address tables. Every call answers 0 or a
// Windows error number (1722 for a name that is no server or domain of the site).
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

DWORD WINAPI VexomarGetServiceStatus(const char* computer, DWORD* status);
DWORD WINAPI VexomarStartService(const char* server, DWORD reserved);
DWORD WINAPI VexomarStopService(const char* server);

DWORD WINAPI VexomarGetServiceConfig(const char* server, void* record, DWORD size);
DWORD WINAPI VexomarGetActivityLogConfig(const char* server, void* record, DWORD size);
DWORD WINAPI VexomarGetScanLogConfig(const char* server, void* record, DWORD size);
DWORD WINAPI VexomarSetServiceConfig(const char* server, const void* record, DWORD size, DWORD domainWide);
DWORD WINAPI VexomarSetActivityLogConfig(const char* server, const void* record, DWORD size, DWORD domainWide);
DWORD WINAPI VexomarSetScanLogConfig(const char* server, const void* record, DWORD size, DWORD domainWide);

DWORD WINAPI VexomarGetBCast(const char* server, void* record, DWORD size);
// mode: 0 the server, 1 the domain named, 2 every server of the named server's domain.
DWORD WINAPI VexomarSetBCast(const char* server, const void* record, DWORD size, DWORD mode);

DWORD WINAPI VexomarTableLoad(
    const char* server, DWORD table, void* buffer, DWORD bufferSize, DWORD first, DWORD largest, DWORD* count);
DWORD WINAPI VexomarTableSave(const char* server, DWORD table, const void* entries, DWORD size, DWORD number,
    DWORD replace, DWORD domainWide, DWORD* count);
DWORD WINAPI VexomarTableReload(const char* server, DWORD table, DWORD reserved1, DWORD reserved2);
DWORD WINAPI VexomarTableSync(const char* server, DWORD tableMask, DWORD reserved1, DWORD reserved2, DWORD mode);

// Our own calls, for the server objects of YNNIS.DLL and the state tool.
// The state word (0 when the service is inactive or does not answer), the product, signature,
// engine and operating system versions, and the end of the last job (seconds since 1970 UTC).
DWORD WINAPI VexomarGetServerState(const char* server, DWORD* stateWord, DWORD* versions, DWORD* lastScan);
// The 1024-byte scanning statistics record of the server's current or last job.
DWORD WINAPI VexomarGetScanStatistics(const char* server, void* record, DWORD size);
// Logs this process on to a server that asks for a logon: 0, 1326 unknown user, 86 wrong password.
DWORD WINAPI VexomarLogon(const char* server, const char* user, const char* password);
// 0 when this process may administer the server, 5 while it still needs a logon.
DWORD WINAPI VexomarCheckAccess(const char* server);
// VexomarCheckAccess for each of `count` names, answer i for name i, over one reading of the site;
// 87 when a list is missing.
DWORD WINAPI VexomarCheckAccessEach(const char* const* servers, DWORD count, DWORD* answers);
// Starts a scan job on the server's running instance now.
DWORD WINAPI VexomarRunJob(const char* server);

#ifdef __cplusplus
}
#endif
