// CViewEventDlg: the "View Event File" dialog, the text of one alert's event file.
#pragma once

#include <windows.h>

#include <string>

#include "alert_record_view.h"
#include "dialog.h"
#include "program_values.h"

class CViewEventDlg : public CDialog {
public:
    // At most this much of the job's title is used.
    static constexpr size_t kJobNameLimit = 32;

    // `eventFile` is the record's file name inside the server's event-log directory.
    CViewEventDlg(const ProgramValues& values, const std::string& eventFile, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override;

    // The path made for the file; empty when the core named no directory or the path did not
    // fit its 128 bytes (the file is then not opened and the text stays empty).
    const char* Path() const { return m_path; }
    const std::string& Text() const { return m_text; }
    // Where "Print" sends its job instead of the printer's port; empty for the port.
    std::string printOutputFile;

private:
    void OnPrint();
    void OnHelp();

    const ProgramValues& m_values;
    std::string m_eventFile;
    char m_path[alert_table::kEventPathSize] = {};
    std::string m_text;
};
