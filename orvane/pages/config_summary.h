// CConfigSummary: the "Summary" page, every recipient of every notification method of the application.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "admin_fv.h"
#include "col_list.h"
#include "program_values.h"

class CAlertSettings;

// Read only: the page lists what the other pages set and never calls a Set itself.
class CConfigSummary : public CAdminFV {
public:
    static constexpr UINT kHelpTopic = 3011;
    static constexpr UINT kListId = 101;
    static constexpr UINT_PTR kPollTimer = 5;
    static constexpr UINT kPollMilliseconds = 15000;
    // After the three shown columns: the line's place in the order the page read it.
    static constexpr int kOrderColumn = 3;

    // The methods as the lines carry them, each also the index of its page in the tab window.
    enum Method : int { kBroadcast = 1, kPager = 2, kSnmp = 3, kTicket = 4, kEMail = 5, kEventLog = 6 };

    explicit CConfigSummary(ProgramValues& values);
    ~CConfigSummary() override;

    void Load(int first) override;
    void ReleaseItems() override;

    // Shows the page of `method`: through the frame, so that its menu comes with it.
    void ShowMethod(int method);
    void OnHelp();

    // The date last loaded by any summary page.
    static std::string& LastDate();

    // State, for tests.
    CColList& List() { return m_list; }
    int MethodOf(int line) const;
    // The line as the page formats it: its shown columns, TAB-separated, without empty ones at the end.
    std::string LineText(int line) const;

    const MessageMap& GetMessageMap() const override;

private:
    bool CreateList();
    void ShowTitle();
    void Fill();
    void FillBroadcast(CAlertSettings& settings, const char* application);
    void FillPager(CAlertSettings& settings, const char* application);
    void FillSnmp(CAlertSettings& settings, const char* application);
    void FillTicket(CAlertSettings& settings, const char* application);
    void FillEMail(CAlertSettings& settings);
    void FillEventLog(CAlertSettings& settings, const char* application);
    // GlobalFree of the received array, then the core's release of the method's list.
    void Release(void* array, int kind);
    void AddLine(int method, const std::string& text, HBITMAP image = nullptr, HBITMAP mask = nullptr);
    HBITMAP LoadMarker(UINT bitmapId);
    CAlertSettings* Settings() const;

    void OnDoubleClick();
    void OnShowBroadcast() { ShowMethod(kBroadcast); }
    void OnShowPager() { ShowMethod(kPager); }
    void OnShowSnmp() { ShowMethod(kSnmp); }
    void OnShowTicket() { ShowMethod(kTicket); }
    void OnShowEMail() { ShowMethod(kEMail); }
    void OnTimer(UINT_PTR id);
    void OnSizePage(UINT type, int cx, int cy);
    void OnDestroyPage();

    ProgramValues& m_values;
    CColList m_list;
    RECT m_createdClient = {};
    // Set by ReleaseItems: the next load fills the list whatever the date says.
    bool m_stale = false;
    std::vector<HBITMAP> m_markers;
    HBITMAP m_machine = nullptr;
    HBITMAP m_machineMask = nullptr;
    HBITMAP m_domain = nullptr;
    HBITMAP m_domainMask = nullptr;
    HBITMAP m_numeric = nullptr;
    HBITMAP m_alphanumeric = nullptr;
    HBITMAP m_pagerMask = nullptr;
    HBITMAP m_ipx = nullptr;
    HBITMAP m_ip = nullptr;
    HBITMAP m_snmpMask = nullptr;
};
