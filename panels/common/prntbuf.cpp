// The report print buffer: printer choice, document, progress dialog and the printing loop.
#include "prntbuf.h"

#include <algorithm>

#include "locale_format.h"
#include "modal_driver.h"
#include "print_progress_dlg.h"
#include "printer_page_sink.h"
#include "prompter.h"
#include "report_text.h"
#include "string_list_source.h"
#include "system_dialogs.h"
#include "text_file_source.h"
#include "win_app.h"
#include "window_sources.h"

WPrntbuf::WPrntbuf(CWnd* owner) : m_owner(owner)
{
}

WPrntbuf::~WPrntbuf()
{
    EndJob();
}

bool WPrntbuf::StartJob(const char* jobName)
{
    EndJob();
    m_cancel = true;
    PrinterRequest request;
    request.owner = m_owner ? m_owner->GetSafeHwnd() : nullptr;
    // One run of lines to the end: no page range, no selection, no file, copies by the device.
    request.flags = PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIES;
    if (!SystemDialogs::Current().ChoosePrinter(request) || !request.dc)
        return false;
    m_dc = request.dc;
    m_deviceName = request.printerName;

    TEXTMETRICA metrics = {};
    GetTextMetricsA(m_dc, &metrics);
    m_leftMargin = 2 * metrics.tmAveCharWidth;
    m_lineHeight = std::max<LONG>(1, metrics.tmHeight + metrics.tmExternalLeading);
    m_linesPerPage = GetDeviceCaps(m_dc, VERTRES) / m_lineHeight - 1;

    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = jobName && *jobName ? jobName : kDefaultJobName;
    document.lpszOutput = m_outputFile.empty() ? nullptr : m_outputFile.c_str();
    document.lpszDatatype = "Text";
    if (StartDocA(m_dc, &document) <= 0) {
        EndJob();
        return false;
    }
    m_documentOpen = true;
    m_cancel = false;
    return true;
}

void WPrntbuf::EndJob()
{
    if (m_documentOpen)
        EndDoc(m_dc);
    m_documentOpen = false;
    if (m_dc)
        DeleteDC(m_dc);
    m_dc = nullptr;
    m_cancel = true;
}

std::string WPrntbuf::CurrentHeading(const std::string& title) const
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    const LocaleFormat& format = ModuleLocaleFormat();
    return report_text::HeadingLine(title, format.FormatDate(now.wYear, now.wMonth, now.wDay),
        format.FormatTime(now.wHour, now.wMinute, now.wSecond));
}

ReportResult WPrntbuf::Print(ReportLineSource& source, ReportPageLayout layout)
{
    if (m_cancel || !m_documentOpen)
        return {};
    if (source.Empty()) {
        // Nothing to print; the started document is still ended.
        EndJob();
        return {};
    }
    layout.linesPerPage = m_linesPerPage;

    CPrintProgressDlg progress(m_owner, m_cancel);
    if (progress.Create(m_owner)) {
        progress.ShowWindow(SW_SHOW);
        // A test acts in the dialog as a person would.
        if (ModalDriver* driver = ModalDriver::Current())
            driver->Drive(progress);
    }
    PrinterPageSink sink(m_dc, m_leftMargin, m_lineHeight);
    ReportResult result = ReportRun::Print(source, layout, sink, [this] {
        // A WM_QUIT taken from the queue ends the printout as a Cancel would.
        if (!PumpMessages())
            m_cancel = true;
        return !m_cancel;
    });
    if (progress.GetSafeHwnd())
        progress.DestroyWindow();
    // The document is ended with its last page, cancelled or not; a new job needs StartJob.
    EndJob();
    return result;
}

ReportResult WPrntbuf::PrintFile(const std::string& path, int tabWidth)
{
    if (m_cancel)
        return {};
    TextFileSource source(path);
    if (!source.IsOpen()) {
        Prompt("File Does Not Exist", MB_OK | MB_ICONEXCLAMATION);
        EndJob();
        return {};
    }
    ReportPageLayout layout;
    layout.tabWidth = tabWidth;
    return Print(source, layout);
}

ReportResult WPrntbuf::PrintStrings(const std::vector<std::string>& lines, int tabWidth)
{
    StringListSource source(lines);
    ReportPageLayout layout;
    layout.tabWidth = tabWidth;
    return Print(source, layout);
}

ReportResult WPrntbuf::PrintListBox(HWND listBox, int tabWidth)
{
    ListBoxSource source(listBox);
    ReportPageLayout layout;
    layout.tabWidth = tabWidth;
    return Print(source, layout);
}

ReportResult WPrntbuf::PrintEdit(HWND edit, const std::string& title, int tabWidth)
{
    EditSource source(edit);
    ReportPageLayout layout;
    layout.tabWidth = tabWidth;
    if (!m_cancel)
        layout.heading = {CurrentHeading(title)};
    return Print(source, layout);
}

ReportResult WPrntbuf::PrintColumnList(
    const CColList& list, const std::string& title, const std::string& columnTitles, const std::vector<int>& tabStops)
{
    ColListSource source(list);
    ReportPageLayout layout;
    layout.tabStops = tabStops;
    if (!m_cancel) {
        std::string titles = ReportRun::ExpandLine(columnTitles.substr(0, report_text::kLineLimit), layout);
        std::string underline = report_text::Underline(titles);
        layout.heading = {CurrentHeading(title), std::string(), titles, underline};
    }
    return Print(source, layout);
}
