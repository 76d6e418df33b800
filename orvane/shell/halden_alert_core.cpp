// HaldenAlertCore: each call forwards to the HALDEN.DLL export of the same name.
#include "halden_alert_core.h"

#include "halden.h"

int HaldenAlertCore::AlertReadEverySetting(
    LPCSTR server, signed char* flags12, WORD* counts96, BYTE* settings3944, LPCSTR application)
{
    return ::AlertReadEverySetting(server, flags12, counts96, settings3944, application);
}

int HaldenAlertCore::AlertFreeCheckEverySetting(LPCSTR server, int kind)
{
    return ::AlertFreeCheckEverySetting(server, kind);
}

int HaldenAlertCore::AlertGetBroadcast(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return ::AlertGetBroadcast(server, count, list, application);
}

int HaldenAlertCore::AlertGetPager(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return ::AlertGetPager(server, count, list, application);
}

int HaldenAlertCore::AlertGetEMail(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return ::AlertGetEMail(server, count, list, application);
}

int HaldenAlertCore::AlertGetSnmp(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return ::AlertGetSnmp(server, count, list, application);
}

int HaldenAlertCore::AlertGetTTixPRINTQ_HEADER(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return ::AlertGetTTixPRINTQ_HEADER(server, count, list, application);
}

int HaldenAlertCore::AlertGetEventLog(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return ::AlertGetEventLog(server, count, list, application);
}

int HaldenAlertCore::AlertSetBroadcast(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return ::AlertSetBroadcast(server, count, list, enabled, application);
}

int HaldenAlertCore::AlertSetPager(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return ::AlertSetPager(server, count, list, enabled, application);
}

int HaldenAlertCore::AlertSetSnmp(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return ::AlertSetSnmp(server, count, list, enabled, application);
}

int HaldenAlertCore::AlertSetEventLog(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return ::AlertSetEventLog(server, count, list, enabled, application);
}

int HaldenAlertCore::AlertSetEMail(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application)
{
    return ::AlertSetEMail(server, count, list, settings3944, enabled, application);
}

int HaldenAlertCore::AlertSetTTixPRINTQ_HEADER(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application)
{
    return ::AlertSetTTixPRINTQ_HEADER(server, count, list, settings3944, enabled, application);
}

int HaldenAlertCore::AlertGetCFGDate(LPCSTR server, LPCSTR section, char* date256)
{
    return ::AlertGetCFGDate(server, section, date256);
}

int HaldenAlertCore::AlertGetApplicationALT(LPCSTR server, WORD* count, void** names64)
{
    return ::AlertGetApplicationALT(server, count, names64);
}

int HaldenAlertCore::AlertGetHomeDir(LPCSTR server, char* directory512)
{
    return ::AlertGetHomeDir(server, directory512);
}

int HaldenAlertCore::AlertGetHomeLog(LPCSTR server, char* directory512)
{
    return ::AlertGetHomeLog(server, directory512);
}

int HaldenAlertCore::AlertGetHomeEventLog(LPCSTR server, char* directory512)
{
    return ::AlertGetHomeEventLog(server, directory512);
}

int HaldenAlertCore::AlertGetStatistics(LPCSTR server, BYTE* record256)
{
    return ::AlertGetStatistics(server, record256);
}

int HaldenAlertCore::AlertGetMailCfg(LPCSTR server, BYTE* record1024)
{
    return ::AlertGetMailCfg(server, record1024);
}

int HaldenAlertCore::AlertSetMailCfg(LPCSTR server, const BYTE* record1024)
{
    return ::AlertSetMailCfg(server, record1024);
}

int HaldenAlertCore::AlertGetStringFromReg(LPCSTR server, LPCSTR key, LPCSTR value, char* text, int size)
{
    return ::AlertGetStringFromReg(server, key, value, text, size);
}

int HaldenAlertCore::AlertSetStringToReg(LPCSTR server, LPCSTR key, LPCSTR value, LPCSTR text)
{
    return ::AlertSetStringToReg(server, key, value, text);
}

int HaldenAlertCore::AlertStartService(LPCSTR server, int reserved)
{
    return ::AlertStartService(server, reserved);
}

int HaldenAlertCore::AlertContinueService(LPCSTR server, int reserved)
{
    return ::AlertContinueService(server, reserved);
}

int HaldenAlertCore::AlertPauseService(LPCSTR server, int reserved)
{
    return ::AlertPauseService(server, reserved);
}

int HaldenAlertCore::AlertStopService(LPCSTR server, int reserved)
{
    return ::AlertStopService(server, reserved);
}
