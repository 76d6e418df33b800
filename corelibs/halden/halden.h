// HALDEN.DLL, the alert core: the calls through which the Alert Manager reaches the Alert Service.
#pragma once

#include <windows.h>

// Results: unless noted, non-zero (1) is success, 0 a failure and 1722 a server that
// cannot be reached. Lists are GlobalAlloc blocks (NULL when empty) that the caller frees.
extern "C" {

int WINAPI AlertReadEverySetting(
    LPCSTR server, signed char* flags12, WORD* counts96, BYTE* settings3944, LPCSTR application);
int WINAPI AlertFreeCheckEverySetting(LPCSTR server, int kind);

int WINAPI AlertGetBroadcast(LPCSTR server, WORD* count, void** list, LPCSTR application);
int WINAPI AlertGetPager(LPCSTR server, WORD* count, void** list, LPCSTR application);
int WINAPI AlertGetEMail(LPCSTR server, WORD* count, void** list, LPCSTR application);
int WINAPI AlertGetSnmp(LPCSTR server, WORD* count, void** list, LPCSTR application);
int WINAPI AlertGetTTixPRINTQ_HEADER(LPCSTR server, WORD* count, void** list, LPCSTR application);
int WINAPI AlertGetEventLog(LPCSTR server, WORD* count, void** list, LPCSTR application);

// A set with a count of 0 stores the method disabled. A successful AlertSetBroadcast
// takes over the list block and frees it; the other sets leave the list to the caller.
int WINAPI AlertSetBroadcast(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application);
int WINAPI AlertSetPager(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application);
int WINAPI AlertSetSnmp(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application);
int WINAPI AlertSetEventLog(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application);
int WINAPI AlertSetEMail(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application);
int WINAPI AlertSetTTixPRINTQ_HEADER(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application);

int WINAPI AlertGetCFGDate(LPCSTR server, LPCSTR section, char* date256);
int WINAPI AlertGetApplicationALT(LPCSTR server, WORD* count, void** names64);
// Not called by the Alert Manager: a product registers its application name when installed.
int WINAPI AlertRegisterApplication(LPCSTR server, LPCSTR application);

// Exactly 1 on success.
int WINAPI AlertGetHomeDir(LPCSTR server, char* directory512);
int WINAPI AlertGetHomeLog(LPCSTR server, char* directory512);
int WINAPI AlertGetHomeEventLog(LPCSTR server, char* directory512);

int WINAPI AlertGetStatistics(LPCSTR server, BYTE* record256);
int WINAPI AlertGetMailCfg(LPCSTR server, BYTE* record1024);
int WINAPI AlertSetMailCfg(LPCSTR server, const BYTE* record1024);

// 0 on success, else a Windows error number.
int WINAPI AlertGetStringFromReg(LPCSTR server, LPCSTR key, LPCSTR value, char* text, int size);
int WINAPI AlertSetStringToReg(LPCSTR server, LPCSTR key, LPCSTR value, LPCSTR text);
int WINAPI AlertStartService(LPCSTR server, int reserved);
int WINAPI AlertPauseService(LPCSTR server, int reserved);
int WINAPI AlertContinueService(LPCSTR server, int reserved);
int WINAPI AlertStopService(LPCSTR server, int reserved);
}
