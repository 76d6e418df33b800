// AlertCore: the Alert Manager's seam to the alert core, one call per HALDEN.DLL function.
#pragma once

#include <windows.h>

// Every call takes the server's bare computer name first and keeps the core's own argument
// order, so that a page reads like the call it makes. Lists come back as global-memory blocks
// that the caller frees with GlobalFree.
class AlertCore {
public:
    // The core's answer when the server cannot be reached.
    static constexpr int kServerUnreachable = 1722;

    // The rule of the "non-zero is success" calls: 0 and 1722 are both failures.
    static bool Succeeded(int result) { return result != 0 && result != kServerUnreachable; }
    static bool Failed(int result) { return !Succeeded(result); }
    // The home directory calls succeed with exactly 1.
    static bool HomeSucceeded(int result) { return result == 1; }
    // The registry and service calls answer 0 on success, else an error number.
    static bool ZeroSucceeded(int result) { return result == 0; }

    virtual ~AlertCore() = default;

    virtual int AlertReadEverySetting(
        LPCSTR server, signed char* flags12, WORD* counts96, BYTE* settings3944, LPCSTR application) = 0;
    // kind: 0 all settings, 1 broadcast, 2 e-mail, 3 pager, 7 SNMP, 8 trouble ticket, 9 event log.
    virtual int AlertFreeCheckEverySetting(LPCSTR server, int kind) = 0;

    virtual int AlertGetBroadcast(LPCSTR server, WORD* count, void** list, LPCSTR application) = 0;
    virtual int AlertGetPager(LPCSTR server, WORD* count, void** list, LPCSTR application) = 0;
    virtual int AlertGetEMail(LPCSTR server, WORD* count, void** list, LPCSTR application) = 0;
    virtual int AlertGetSnmp(LPCSTR server, WORD* count, void** list, LPCSTR application) = 0;
    virtual int AlertGetTTixPRINTQ_HEADER(LPCSTR server, WORD* count, void** list, LPCSTR application) = 0;
    virtual int AlertGetEventLog(LPCSTR server, WORD* count, void** list, LPCSTR application) = 0;

    virtual int AlertSetBroadcast(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) = 0;
    virtual int AlertSetPager(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) = 0;
    virtual int AlertSetSnmp(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) = 0;
    virtual int AlertSetEventLog(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) = 0;
    virtual int AlertSetEMail(
        LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application) = 0;
    virtual int AlertSetTTixPRINTQ_HEADER(
        LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application) = 0;

    virtual int AlertGetCFGDate(LPCSTR server, LPCSTR section, char* date256) = 0;
    virtual int AlertGetApplicationALT(LPCSTR server, WORD* count, void** names64) = 0;

    virtual int AlertGetHomeDir(LPCSTR server, char* directory512) = 0;
    virtual int AlertGetHomeLog(LPCSTR server, char* directory512) = 0;
    virtual int AlertGetHomeEventLog(LPCSTR server, char* directory512) = 0;

    virtual int AlertGetStatistics(LPCSTR server, BYTE* record256) = 0;
    virtual int AlertGetMailCfg(LPCSTR server, BYTE* record1024) = 0;
    virtual int AlertSetMailCfg(LPCSTR server, const BYTE* record1024) = 0;

    virtual int AlertGetStringFromReg(LPCSTR server, LPCSTR key, LPCSTR value, char* text, int size) = 0;
    virtual int AlertSetStringToReg(LPCSTR server, LPCSTR key, LPCSTR value, LPCSTR text) = 0;

    virtual int AlertStartService(LPCSTR server, int reserved) = 0;
    virtual int AlertContinueService(LPCSTR server, int reserved) = 0;
    virtual int AlertPauseService(LPCSTR server, int reserved) = 0;
    virtual int AlertStopService(LPCSTR server, int reserved) = 0;
};
