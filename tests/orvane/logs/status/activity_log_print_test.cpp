// Printing the activity log on the prefix's PostScript printer, read back from the document.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "activity_log_paths.h"
#include "activity_log_view.h"
#include "fake_alert_core.h"
#include "status_ids.h"
#include "status_test_support.h"
#include "system_dialogs.h"
#include "test_program.h"

namespace {

constexpr const char* kPrinter = "Vexomar PostScript";

// The printer dialog of a person who takes the default printer, or who cancels.
class PrinterChoice : public SystemDialogs {
public:
    PrinterChoice() { m_previous = Install(this); }
    ~PrinterChoice() override { Install(m_previous); }

    bool OpenFile(FileDialogRequest&) override { return false; }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }
    bool ChoosePrinter(PrinterRequest& request) override
    {
        ++asked;
        if (!accept)
            return false;
        request.printerName = kPrinter;
        request.dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
        return request.dc != nullptr;
    }

    int asked = 0;
    bool accept = true;

private:
    SystemDialogs* m_previous;
};

char CharacterOfGlyph(const std::string& glyph)
{
    static const std::map<std::string, char> named = {
        {"space", ' '},
        {"colon", ':'},
        {"slash", '/'},
        {"period", '.'},
        {"hyphen", '-'},
        {"parenleft", '('},
        {"parenright", ')'},
        {"zero", '0'},
        {"one", '1'},
        {"two", '2'},
        {"three", '3'},
        {"four", '4'},
        {"five", '5'},
        {"six", '6'},
        {"seven", '7'},
        {"eight", '8'},
        {"nine", '9'},
    };
    if (glyph.size() == 1)
        return glyph[0];
    const auto found = named.find(glyph);
    return found == named.end() ? '?' : found->second;
}

// Every text drawn in the document, in order: the driver begins each with "x y moveto" and
// then shows it glyph by glyph ("/A glyphshow").
std::vector<std::string> DrawnTexts(const std::string& document)
{
    std::vector<std::string> texts;
    std::istringstream in(document);
    std::string row;
    bool inText = false;
    const std::string show = " glyphshow";
    while (std::getline(in, row)) {
        if (row.size() > 7 && row.compare(row.size() - 7, 7, " moveto") == 0) {
            inText = false;
        } else if (row.size() > show.size() + 1 && row[0] == '/' &&
            row.compare(row.size() - show.size(), show.size(), show) == 0) {
            if (!inText)
                texts.emplace_back();
            inText = true;
            texts.back().push_back(CharacterOfGlyph(row.substr(1, row.size() - 1 - show.size())));
        }
    }
    return texts;
}

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
    PrinterChoice printers;
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
    const std::vector<std::string> texts = DrawnTexts(document);
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
