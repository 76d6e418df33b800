// An event log page in a tab window over a scratch event-log folder, with a PostScript printer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "as_tab_wnd.h"
#include "event_dlg.h"
#include "events_fixture.h"
#include "system_dialogs.h"
#include "test_program.h"

// The printer dialog as a person who picks the prefix's PostScript printer.
class FakePrinterDialog : public SystemDialogs {
public:
    static constexpr const char* kPrinter = "Vexomar PostScript";
    FakePrinterDialog() { m_previous = Install(this); }
    ~FakePrinterDialog() override { Install(m_previous); }

    bool OpenFile(FileDialogRequest&) override { return false; }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }
    bool ChoosePrinter(PrinterRequest& request) override;

    int asked = 0;
    DWORD flags = 0;

private:
    SystemDialogs* m_previous;
};

// The lines of text of each page of a PostScript document that the printer wrote.
std::vector<std::vector<std::string>> PostScriptPageTexts(const std::string& ps);
std::string ReadFileText(const std::string& path);

class EventPageTest : public EventLogFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the page in its tab and loads it for the first time, as the frame does.
    void OpenPage();
    void Tick();
    void Select(const std::vector<int>& positions);
    std::vector<std::string> Rows();
    // The rows' description fields.
    std::vector<std::string> Descriptions();
    std::vector<int> Slots();
    // The date and time text the list shows for `seconds`, made from a calendar date given by hand.
    static std::string DateTimeText(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second);

    CWnd owner;
    CASTabWnd tab;
    CEventDlg page {TestProgram()};
    FakePrinterDialog printerDialog;
    std::string printOutput;
};
