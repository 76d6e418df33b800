// HaldenAlertCore: the AlertCore that calls the real HALDEN.DLL.
#pragma once

#include "alert_core.h"

// Each member forwards its arguments unchanged to the export of the same name.
class HaldenAlertCore final : public AlertCore {
public:
    int AlertReadEverySetting(
        LPCSTR server, signed char* flags12, WORD* counts96, BYTE* settings3944, LPCSTR application) override;
    int AlertFreeCheckEverySetting(LPCSTR server, int kind) override;
    int AlertGetBroadcast(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetPager(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetEMail(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetSnmp(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetTTixPRINTQ_HEADER(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetEventLog(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertSetBroadcast(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetPager(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetSnmp(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetEventLog(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetEMail(
        LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application) override;
    int AlertSetTTixPRINTQ_HEADER(
        LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application) override;
    int AlertGetCFGDate(LPCSTR server, LPCSTR section, char* date256) override;
    int AlertGetApplicationALT(LPCSTR server, WORD* count, void** names64) override;
    int AlertGetHomeDir(LPCSTR server, char* directory512) override;
    int AlertGetHomeLog(LPCSTR server, char* directory512) override;
    int AlertGetHomeEventLog(LPCSTR server, char* directory512) override;
    int AlertGetStatistics(LPCSTR server, BYTE* record256) override;
    int AlertGetMailCfg(LPCSTR server, BYTE* record1024) override;
    int AlertSetMailCfg(LPCSTR server, const BYTE* record1024) override;
    int AlertGetStringFromReg(LPCSTR server, LPCSTR key, LPCSTR value, char* text, int size) override;
    int AlertSetStringToReg(LPCSTR server, LPCSTR key, LPCSTR value, LPCSTR text) override;
    int AlertStartService(LPCSTR server, int reserved) override;
    int AlertContinueService(LPCSTR server, int reserved) override;
    int AlertPauseService(LPCSTR server, int reserved) override;
    int AlertStopService(LPCSTR server, int reserved) override;
};
