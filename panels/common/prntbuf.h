// WPrntbuf: prints text reports line by line on a printer the user chooses.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "report_run.h"
#include "wnd.h"

class CColList;

class WPrntbuf : public CWnd {
public:
    static constexpr const char* kDefaultJobName = "NoName Job";

    // `owner` owns the printer dialog and the "Sending To Printer" dialog.
    explicit WPrntbuf(CWnd* owner = nullptr);
    ~WPrntbuf() override;
    WPrntbuf(const WPrntbuf&) = delete;
    WPrntbuf& operator=(const WPrntbuf&) = delete;

    // Sends the document to a file instead of the printer's port; set before StartJob.
    void SetOutputFile(const std::string& path) { m_outputFile = path; }

    // Shows the printer dialog and starts the document; false (and nothing printed after) on
    // Cancel or when the printer refuses the document.
    bool StartJob(const char* jobName);

    // Each prints one source and ends the document: one source per job.
    ReportResult PrintFile(const std::string& path, int tabWidth);
    ReportResult PrintStrings(const std::vector<std::string>& lines, int tabWidth);
    ReportResult PrintListBox(HWND listBox, int tabWidth);
    ReportResult PrintEdit(HWND edit, const std::string& title, int tabWidth);
    ReportResult PrintColumnList(const CColList& list, const std::string& title, const std::string& columnTitles,
        const std::vector<int>& tabStops);

    // State, for the owner and for tests.
    bool Cancelled() const { return m_cancel; }
    const std::string& DeviceName() const { return m_deviceName; }
    int LeftMargin() const { return m_leftMargin; }
    int LineHeight() const { return m_lineHeight; }
    int LinesPerPage() const { return m_linesPerPage; }

private:
    ReportResult Print(ReportLineSource& source, ReportPageLayout layout);
    void EndJob();
    std::string CurrentHeading(const std::string& title) const;

    CWnd* m_owner;
    HDC m_dc = nullptr;
    std::string m_deviceName;
    std::string m_outputFile;
    int m_leftMargin = 0;
    int m_lineHeight = 1;
    int m_linesPerPage = 1;
    bool m_cancel = true;
    bool m_documentOpen = false;
};
