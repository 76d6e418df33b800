// CScanStatisticsDlg: the scanning statistics of one server's job, read again on a timer.
#pragma once

#include "dialog.h"
#include "server_row.h"
#include "ynnis.h"

class CScanStatisticsDlg : public CDialog {
public:
    static constexpr UINT_PTR kReadTimer = 1;
    static constexpr UINT kReadInterval = 1000;

    CScanStatisticsDlg(CVexomarServer& server, const ServerStateTexts& texts, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id);
    bool TimerRunning() const { return m_timerRunning; }

    const MessageMap& GetMessageMap() const override;

private:
    // Reads the record through slot 29 and shows it; a failed read stops the timer and says so.
    void ReadAndShow();
    void StopTimer();

    CVexomarServer& m_server;
    const ServerStateTexts& m_texts;
    bool m_timerRunning = false;
};
