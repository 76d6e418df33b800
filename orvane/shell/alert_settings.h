// CAlertSettings: the settings cache through which the notification pages read and write their recipients.
#pragma once

#include <windows.h>

#include <string>

#include "alert_core.h"
#include "alert_settings_record.h"

// One object per configuration tab window. It holds what AlertReadEverySetting returns and, per
// method, the recipient array last handed to the core.
//
// Arrays: a Set takes over the array it is given and keeps it in the method's slot until the next
// Set of that method or Free, which free it; the caller must not free it afterwards. A successful
// SetBroadcast hands its array on to the core, which frees it. Arrays returned by a Get belong to
// the caller (GlobalFree, then AlertFreeCheckEverySetting with the method's kind).
//
// Results: a core result of 0 or 1722 is a failure. A failed Get returns 0 with the array null; a
// failed Set returns -1.
class CAlertSettings {
public:
    // server points at the program's current server name, read afresh at every call, so that
    // a reconnection is followed without rebuilding the object.
    CAlertSettings(AlertCore& core, const char* server, const char* application);
    ~CAlertSettings();
    CAlertSettings(const CAlertSettings&) = delete;
    CAlertSettings& operator=(const CAlertSettings&) = delete;

    // Fills the live blocks from the given application's settings, except the pieces the
    // program keeps as they are; 1 on success, else 0.
    int ReadInitial(const char* application);
    void Free();

    int GetBroadcast(int& enabled, void*& array, const char* application);
    // pagerText receives up to 48 characters and a NUL (49 bytes).
    int GetPager(int& enabled, void*& array, char* pagerText, const char* application);
    int GetSnmp(int& enabled, void*& array, const char* application);
    int GetEventLog(int& enabled, void*& array, const char* application);
    int GetTTix(int& enabled, void*& array, BYTE* header232, const char* application);
    // Always for this object's own application. The password comes back in clear.
    int GetEMail(int& enabled, void*& array, BYTE* mailConfig460, BYTE* message2564);

    int SetBroadcast(WORD count, int enabled, void* array, const char* application);
    // pagerText: up to 48 characters are kept.
    int SetPager(WORD count, int enabled, void* array, const char* pagerText, const char* application);
    int SetSnmp(WORD count, int enabled, void* array, const char* application);
    int SetEventLog(WORD count, int enabled, void* array, const char* application);
    int SetTTix(WORD count, int enabled, void* array, const BYTE* header232, const char* application);
    // Always for this object's own application; the password is scrambled on its way to the core.
    int SetEMail(WORD count, int enabled, void* array, const BYTE* mailConfig460, const BYTE* message2564);

    // The full application name given at construction; the record's 9-byte field holds at most
    // its first 8 characters and is kept only because the record's layout has it.
    const std::string& ApplicationName() const { return m_application; }
    const AlertSettingsRecord& Record() const { return m_record; }

private:
    const char* Server() const;
    bool ReadLive(const char* application);
    void KeepArray(AlertMethodSlot slot, void* array);
    bool GetList(AlertMethodSlot slot, int (AlertCore::*get)(LPCSTR, WORD*, void**, LPCSTR), const char* application,
        int& enabled, void*& array, int& count);
    int SetList(AlertMethodSlot slot, int (AlertCore::*set)(LPCSTR, WORD, void*, int, LPCSTR), WORD count, int enabled,
        void* array, const char* application);
    void ScramblePassword(BYTE* to, const BYTE* from) const;
    BYTE* LiveSettings() { return reinterpret_cast<BYTE*>(&m_record.settings); }

    AlertCore& m_core;
    const char* m_server;
    std::string m_application;
    AlertSettingsRecord m_record;
};
