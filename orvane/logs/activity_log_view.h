// CActivityLogView: the "Activity Log" page, the Alert Service's ALERT.LOG as read-only text.
#pragma once

#include <windows.h>

#include <string>

#include "frame_page.h"
#include "framework.h"
#include "program_values.h"

class CASTabWnd;

// Follows the log's growth every 5 seconds by its length only, never keeping the file open
// while the service appends to it. While the service is stopped the view asks for it to be
// started instead of showing the log.
class CActivityLogView : public CEditView, public FramePage {
public:
    static constexpr UINT_PTR kCheckTimer = 9;
    static constexpr UINT kCheckMilliseconds = 5000;
    static constexpr DWORD kReadBufferSize = 4096;
    static constexpr int kPrintTabWidth = 8;
    static constexpr std::size_t kJobNameLimit = 32;
    static constexpr UINT kHelpTopic = 3030;

    explicit CActivityLogView(ProgramValues& values);
    ~CActivityLogView() override;

    // Child, visible, bordered, both scroll bars, read-only, in the stock fixed-pitch font.
    bool Create(CWnd* parent, const RECT& rect, UINT id = AFX_IDW_PANE_FIRST, DWORD style = WS_CHILD | WS_VISIBLE,
        CDocument* document = nullptr) override;
    // Creates the view as a visible child of its tab window, with the tab index as id.
    bool CreateInTab(CASTabWnd& tab, int index) override;
    CWnd& PageWindow() override { return *this; }
    // The frame's first load is the first refresh, which starts the check timer.
    void Load(int first) override;

    // The frame's refresh. The first call (the frame's, right after creation) starts the check
    // timer. 1: show per the service state; 0: clear, show per the service state, and read the
    // log afresh next time.
    void Refresh(int serviceStopped) override;

    DWORD LastLoadLength() const { return m_lastLoadLength; }
    DWORD LastCheckLength() const { return m_lastCheckLength; }

    // Where a print job is written instead of the printer's port (empty: the port).
    std::string m_printOutput;

    const MessageMap& GetMessageMap() const override;

protected:
    void ShowPerServiceState();
    void ReadLog();
    // The log's current length; 0 when it does not open.
    DWORD CurrentLength() const;

    void OnTimer(UINT_PTR id);
    void OnClearLog();
    void OnPrint();
    void OnUpdateAlwaysEnabled(CCmdUI& ui);
    void OnHelp();
    LRESULT OnShowWindow(WPARAM shown, LPARAM);
    void OnDestroyView();

private:
    ProgramValues& m_values;
    DWORD m_lastLoadLength = 0;
    DWORD m_lastCheckLength = 0;
    bool m_timerStarted = false;
};
