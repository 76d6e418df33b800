// The event log page's commands: clear selected, clear all, view, print, help and the double click.
#include <gtest/gtest.h>

#include "event_page_fixture.h"
#include "logs_ids.h"
#include "modal_script.h"
#include "scripted_prompter.h"
#include "ui_actions.h"
#include "view_event_dlg.h"
#include "test_program.h"

namespace {

constexpr const char* kAskDeleteOne = "Are you sure to delete this event?";
constexpr const char* kAskDeleteAll = "Are you sure to delete all events?";
constexpr const char* kNoEventFile = "There is no event file related to this record.";

std::vector<std::pair<HWND, UINT>>& HelpAsked()
{
    static std::vector<std::pair<HWND, UINT>> asked;
    return asked;
}

void RecordHelp(HWND owner, UINT topic)
{
    HelpAsked().emplace_back(owner, topic);
}

class EventCommandsTest : public EventPageTest {
protected:
    void SetUp() override
    {
        EventPageTest::SetUp();
        WriteTable(HeaderSlot(1, 1, 1),
            {RecordSlot("AL000001.EVT", "Oldest", "ALERT", 3, 1765000000),
                RecordSlot("AL000002.EVT", "Newest", "VEXOMAR", 0, 1765000600),
                RecordSlot("AL000003.EVT", "Middle", "SCANNER", 2, 1765000300)});
        WriteText("AL000001.EVT", "Text: Oldest\r\n");
        WriteText("AL000002.EVT", "Text: Newest\r\nPriority: Critical\r\n");
        WriteText("AL000003.EVT", "Text: Middle\r\n");
        OpenPage();
        // Rows: Newest (slot 2), Middle (slot 3), Oldest (slot 1).
    }
    void Command(UINT id) { page.SendMessage(WM_COMMAND, id, 0); }
};

}  // namespace

TEST_F(EventCommandsTest, ClearSelectedAsksThenDeletesTheRowsRecordsAndEventFiles)
{
    Select({0, 2});
    ScriptedPrompter prompter;
    prompter.Expect(kAskDeleteOne, IDYES);
    Command(ID_EVENT_CLEAR_SELECTED);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), prompter.LastType() & MB_TYPEMASK);
    EXPECT_EQ((std::vector<std::string> {"Middle"}), Descriptions());
    EXPECT_EQ(HeaderSlot(0, 1, 0), ReadSlot(0));
    EXPECT_EQ(TableSlot {}, ReadSlot(1));
    EXPECT_EQ(TableSlot {}, ReadSlot(2));
    EXPECT_EQ(RecordSlot("AL000003.EVT", "Middle", "SCANNER", 2, 1765000300), ReadSlot(3));
    EXPECT_FALSE(Exists(FilePath("AL000001.EVT")));
    EXPECT_FALSE(Exists(FilePath("AL000002.EVT")));
    EXPECT_TRUE(Exists(FilePath("AL000003.EVT")));
    // Our own deletion does not make timer 9 read the table again.
    EXPECT_EQ(1, page.LastSum());
}

TEST_F(EventCommandsTest, ClearSelectedAnsweredNoOrWithoutSelectionChangesNothing)
{
    const std::vector<BYTE> before = ReadTable();
    {
        ScriptedPrompter prompter;
        Select({});
        Command(ID_EVENT_CLEAR_SELECTED);
        EXPECT_TRUE(prompter.Shown().empty());
    }
    ScriptedPrompter prompter;
    prompter.Expect(kAskDeleteOne, IDNO);
    Select({1});
    Command(ID_EVENT_CLEAR_SELECTED);
    EXPECT_EQ(3, page.List().ItemCount());
    EXPECT_EQ(before, ReadTable());
    EXPECT_TRUE(Exists(FilePath("AL000003.EVT")));
}

TEST_F(EventCommandsTest, ClearAllAsksThenEmptiesTheListTableCountsAndFolder)
{
    ScriptedPrompter prompter;
    prompter.Expect(kAskDeleteAll, IDYES);
    Command(ID_EVENT_CLEAR_ALL);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(0, page.List().ItemCount());
    std::vector<BYTE> expected(4 * 256, 0);
    EXPECT_EQ(expected, ReadTable());
    for (const char* name : {"AL000001.EVT", "AL000002.EVT", "AL000003.EVT"})
        EXPECT_FALSE(Exists(FilePath(name))) << name;
}

TEST_F(EventCommandsTest, ClearAllOfAnEmptyListAsksNothingAndNoKeepsEverything)
{
    {
        ScriptedPrompter prompter;
        prompter.Expect(kAskDeleteAll, IDNO);
        Command(ID_EVENT_CLEAR_ALL);
        EXPECT_EQ(3, page.List().ItemCount());
    }
    page.Refresh(1);
    ScriptedPrompter prompter;
    Command(ID_EVENT_CLEAR_ALL);
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_EQ(HeaderSlot(1, 1, 1), ReadSlot(0));
}

TEST_F(EventCommandsTest, ViewShowsTheFirstSelectedRecordsEventFile)
{
    Select({0, 1});
    std::string caption, text, path;
    LONG_PTR style = 0;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        caption = modal.GetWindowText();
        text = modal.GetDlgItemText(IDC_EVENT_FILE_TEXT);
        style = GetWindowLongA(modal.GetDlgItem(IDC_EVENT_FILE_TEXT), GWL_STYLE);
        path = static_cast<CViewEventDlg&>(modal).Path();
        Click(modal.m_hWnd, IDOK);
    });
    Command(ID_EVENT_VIEW);
    EXPECT_EQ(1, script.Driven());
    EXPECT_EQ("View Event File", caption);
    EXPECT_EQ("Text: Newest\r\nPriority: Critical\r\n", text);
    EXPECT_EQ(FilePath("AL000002.EVT"), path);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
}

TEST_F(EventCommandsTest, ADoubleClickInTheListViews)
{
    Select({2});
    std::string text;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        text = modal.GetDlgItemText(IDC_EVENT_FILE_TEXT);
        Click(modal.m_hWnd, IDOK);
    });
    page.SendMessage(
        WM_COMMAND, MAKEWPARAM(CEventDlg::kListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(page.List().ListBox()));
    EXPECT_EQ("Text: Oldest\r\n", text);
}

TEST_F(EventCommandsTest, ARecordThatNoLongerReadsHasNoEventFile)
{
    Select({1});
    // The service's table lost its last slot, and another administrator freed slot 3.
    WriteTable(HeaderSlot(1, 1, 1), {RecordSlot("AL000001.EVT", "Oldest", "ALERT", 3, 1765000000)});
    ScriptedPrompter prompter;
    prompter.Expect(kNoEventFile);
    Command(ID_EVENT_VIEW);
    EXPECT_TRUE(prompter.Done());

    WriteTable(HeaderSlot(1, 1, 1),
        {RecordSlot("AL000001.EVT", "Oldest", "ALERT", 3, 1765000000),
            RecordSlot("AL000002.EVT", "Newest", "VEXOMAR", 0, 1765000600), TableSlot {}});
    prompter.Expect(kNoEventFile);
    Command(ID_EVENT_VIEW);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(EventCommandsTest, AMissingEventFileShowsAnEmptyText)
{
    DeleteFileA(FilePath("AL000002.EVT").c_str());
    Select({0});
    std::string text = "unset";
    ModalScript script;
    script.Then([&](CWnd& modal) {
        text = modal.GetDlgItemText(IDC_EVENT_FILE_TEXT);
        Click(modal.m_hWnd, IDOK);
    });
    Command(ID_EVENT_VIEW);
    EXPECT_EQ("", text);
}

TEST_F(EventCommandsTest, ALargeEventFileShowsItsFirst65535Bytes)
{
    std::string large;
    while (large.size() < 70000)
        large += "0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrs\r\n";
    WriteText("AL000002.EVT", large);
    Select({0});
    std::string text;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        text = modal.GetDlgItemText(IDC_EVENT_FILE_TEXT);
        Click(modal.m_hWnd, IDOK);
    });
    Command(ID_EVENT_VIEW);
    EXPECT_EQ(large.substr(0, 65535), text);
}

TEST_F(EventCommandsTest, AnEventFilePathLongerThanItsBufferIsRefused)
{
    // A directory that leaves the table's path well inside 512 bytes but the event file's past 127.
    const std::string deep = folder + "\\" + std::string(120 - folder.size() - 1, 'd');
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    CopyFileA(TablePath().c_str(), (deep + "\\ALRECORD.TBL").c_str(), FALSE);
    CopyFileA(FilePath("AL000002.EVT").c_str(), (deep + "\\AL000002.EVT").c_str(), FALSE);
    FakeAnswer directory;
    directory.data.assign(deep.begin(), deep.end());
    core.AnswerAlways("AlertGetHomeEventLog", directory);
    CAlertRecordTable::ForgetPaths();
    page.Load(0);
    FlushMessages();
    ASSERT_EQ(3, page.List().ItemCount());

    Select({0});
    std::string text = "unset", path = "unset";
    ModalScript script;
    script.Then([&](CWnd& modal) {
        text = modal.GetDlgItemText(IDC_EVENT_FILE_TEXT);
        path = static_cast<CViewEventDlg&>(modal).Path();
        Click(modal.m_hWnd, IDOK);
    });
    Command(ID_EVENT_VIEW);
    EXPECT_EQ("", path);
    EXPECT_EQ("", text);
}

TEST_F(EventCommandsTest, PrintSendsTheRowsUnderTheHeadingAsEventLogRecord)
{
    Command(ID_FILE_PRINT);
    EXPECT_EQ(1, printerDialog.asked);
    EXPECT_EQ(static_cast<DWORD>(PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIES),
        printerDialog.flags);
    const std::string ps = ReadFileText(printOutput);
    EXPECT_NE(std::string::npos, ps.find("%%Title: EVENT LOG RECORD"));
    const auto pages = PostScriptPageTexts(ps);
    ASSERT_EQ(1u, pages.size());
    ASSERT_EQ(6u, pages[0].size()) << ::testing::PrintToString(pages[0]);
    EXPECT_EQ(0u, pages[0][0].rfind("EVENT LOG RECORD          ", 0));
    // Titles at the stops 24, 80 and 96, then an underline of at least 80 characters.
    EXPECT_EQ("Date/Time" + std::string(15, ' ') + "Description" + std::string(45, ' ') + "Application", pages[0][1]);
    EXPECT_EQ(std::string(91, '-'), pages[0][2]);
    const std::string newest = DateTimeText(2025, 12, 6, 5, 56, 40);
    EXPECT_EQ(newest + std::string(24 - newest.size(), ' ') + "Newest" + std::string(50, ' ') + "VEXOMAR" +
            std::string(9, ' ') + "1765000600",
        pages[0][3]);
    EXPECT_EQ(0u, pages[0][4].find(DateTimeText(2025, 12, 6, 5, 51, 40)));
    EXPECT_NE(std::string::npos, pages[0][5].find("Oldest"));
}

TEST_F(EventCommandsTest, PrintingAnEmptyListAsksForNoPrinter)
{
    page.Refresh(1);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(0, printerDialog.asked);
}

TEST_F(EventCommandsTest, TheEventFileDialogPrintsItsTextAsEventLog)
{
    Select({0});
    ModalScript script;
    script.Then([&](CWnd& modal) {
        static_cast<CViewEventDlg&>(modal).printOutputFile = printOutput;
        Click(modal.m_hWnd, IDC_EVENT_FILE_PRINT);
        Click(modal.m_hWnd, IDOK);
    });
    // "Sending To Printer" comes and goes by itself.
    script.Then([](CWnd&) {});
    Command(ID_EVENT_VIEW);
    const std::string ps = ReadFileText(printOutput);
    EXPECT_NE(std::string::npos, ps.find("%%Title: Event Log\r\n") + ps.find("%%Title: Event Log\n") + 1);
    const auto pages = PostScriptPageTexts(ps);
    ASSERT_EQ(1u, pages.size());
    ASSERT_EQ(3u, pages[0].size());
    EXPECT_EQ(0u, pages[0][0].rfind("Event Log          ", 0));
    EXPECT_EQ("Text: Newest", pages[0][1]);
    EXPECT_EQ("Priority: Critical", pages[0][2]);
}

TEST_F(EventCommandsTest, HelpOpensThePagesAndTheDialogsTopics)
{
    HelpAsked().clear();
    const HelpOpener saved = TestProgram().openHelp;
    TestProgram().openHelp = &RecordHelp;
    Command(ID_PAGE_HELP);
    Select({0});
    HWND dialog = nullptr;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        dialog = modal.m_hWnd;
        Click(modal.m_hWnd, IDHELP);
        Click(modal.m_hWnd, IDOK);
    });
    Command(ID_EVENT_VIEW);
    TestProgram().openHelp = saved;
    ASSERT_EQ(2u, HelpAsked().size());
    EXPECT_EQ(page.m_hWnd, HelpAsked()[0].first);
    EXPECT_EQ(3020u, HelpAsked()[0].second);
    EXPECT_EQ(dialog, HelpAsked()[1].first);
    EXPECT_EQ(3021u, HelpAsked()[1].second);
}

TEST_F(EventCommandsTest, TheFramesRoutingReachesEveryCommand)
{
    for (UINT id : {ID_EVENT_CLEAR_SELECTED, ID_EVENT_CLEAR_ALL, ID_EVENT_VIEW, ID_FILE_PRINT, ID_PAGE_HELP}) {
        CommandRequest probe;
        probe.id = id;
        probe.probe = true;
        EXPECT_TRUE(page.OnCmdMsg(probe)) << id;
    }
    ScriptedPrompter prompter;
    prompter.Expect(kAskDeleteAll, IDNO);
    EXPECT_TRUE(page.RouteCommand(ID_EVENT_CLEAR_ALL));
    EXPECT_TRUE(prompter.Done());
}
