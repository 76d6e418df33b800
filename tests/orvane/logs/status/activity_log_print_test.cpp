// Printing the activity log on the prefix's PostScript printer, read back from the document.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activity_log_paths.h"
#include "activity_log_view.h"
#include "fake_alert_core.h"
#include "postscript_printer_choice.h"
#include "postscript_texts.h"
#include "status_ids.h"
#include "status_test_support.h"
#include "test_program.h"

namespace {

class ActivityLogPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseLocalServer();
        TestProgram().core = &core;
        TestProgram().serviceState = kServiceRunning;
        CActivityLogPaths::Forget();
        core.AnswerAlways("AlertGetHomeLog", DataAnswer(1, CoreText(folder.Path())));
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 500, 400}, nullptr, 0));
        ASSERT_TRUE(view.Create(&owner, RECT {0, 0, 480, 360}, 2));
        view.m_printOutput = folder.File("printed.ps");
    }
    void TearDown() override
    {
        view.DestroyWindow();
        owner.DestroyWindow();
        CActivityLogPaths::Forget();
    }

    ProgramValuesScope scope;
    ScratchFolder folder {TestName()};
    FakeAlertCore core;
    PostScriptPrinterChoice printers;
    CWnd owner;
    CActivityLogView view {TestProgram()};
};

}  // namespace

TEST_F(ActivityLogPrintTest, PrintingMakesADocumentTitledActivityLogWithTheLogsLines)
{
    WriteText(folder.File("ALERT.LOG"),
        "12/01/2026 10:00:00 Critical alert of VEXOMAR: Ripper (AL000001.EVT)\r\n"
        "12/01/2026 10:05:30 VEXOMAR alert delivered by pager to Ann\r\n");
    view.Refresh(1);
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(1, printers.asked);
    const std::string document = ReadText(folder.File("printed.ps"));
    ASSERT_FALSE(document.empty());
    const std::size_t title = document.find("%%Title: Activity Log");
    ASSERT_NE(std::string::npos, title) << document.substr(0, 400);
    EXPECT_TRUE(document[title + 21] == '\r' || document[title + 21] == '\n');
    const std::vector<std::string> texts = PostScriptTexts(document);
    ASSERT_EQ(3u, texts.size());
    // The heading: the title, ten blanks, then the date and time of printing.
    EXPECT_EQ(0u, texts[0].find("Activity Log" + std::string(10, ' '))) << texts[0];
    EXPECT_EQ("12/01/2026 10:00:00 Critical alert of VEXOMAR: Ripper (AL000001.EVT)", texts[1]);
    EXPECT_EQ("12/01/2026 10:05:30 VEXOMAR alert delivered by pager to Ann", texts[2]);
}

TEST_F(ActivityLogPrintTest, ACancelledPrinterDialogPrintsNothing)
{
    WriteText(folder.File("ALERT.LOG"), "one line\r\n");
    view.Refresh(1);
    printers.accept = false;
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(1, printers.asked);
    EXPECT_FALSE(FileExists(folder.File("printed.ps")));
}
