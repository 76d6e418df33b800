// An event log page in a tab window over a scratch event-log folder, with a PostScript printer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "as_tab_wnd.h"
#include "event_dlg.h"
#include "events_fixture.h"
#include "postscript_printer_choice.h"
#include "postscript_texts.h"
#include "test_program.h"

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
    PostScriptPrinterChoice printerDialog;
    std::string printOutput;
};
