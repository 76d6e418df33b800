// The pager page and its editor against the recording core: the list, New, Modify, Delete, Toggle and the poll.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "alert_settings.h"
#include "cmd_ui.h"
#include "modal_script.h"
#include "page_fixture.h"
#include "pager_dlg.h"
#include "pager_page.h"
#include "pager_record.h"
#include "pages_ids.h"
#include "scripted_prompter.h"
#include "ui_actions.h"

namespace {

PagerRecord Pager(const char* owner, const char* number, const char* id, std::int8_t type)
{
    PagerRecord record = {};
    std::strcpy(record.ownerName, owner);
    std::strcpy(record.pagerNumber, number);
    std::strcpy(record.pagerId, id);
    record.pagerType = type;
    return record;
}

std::vector<BYTE> BytesOf(const std::vector<PagerRecord>& records)
{
    std::vector<BYTE> bytes(records.size() * sizeof(PagerRecord));
    if (!records.empty())
        std::memcpy(bytes.data(), records.data(), bytes.size());
    return bytes;
}

// Records the text an update handler gives a command.
class TextCmdUI : public CCmdUI {
public:
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};

class PagerPageTest : public PageTest<CPager> {
protected:
    void SetUp() override
    {
        PageTest<CPager>::SetUp();
        CPager::LastDate().clear();
    }
    void AnswerPagers(const std::vector<PagerRecord>& records)
    {
        FakeAnswer answer;
        answer.count = static_cast<WORD>(records.size());
        answer.data = BytesOf(records);
        core.Answer("AlertGetPager", answer);
    }
    // The editor's next appearance: `fill` sets its fields, then OK.
    void ThenEditor(std::function<void(CWnd&)> fill)
    {
        script.Then([fill](CWnd& editor) {
            fill(editor);
            Click(editor.m_hWnd, IDOK);
        });
    }
    std::vector<FakeCoreCall> Sets() const { return core.CallsOf("AlertSetPager"); }

    ModalScript script;
};

}  // namespace

TEST_F(PagerPageTest, LoadListsTheCoresPagersAndReleasesTheirList)
{
    AnswerPagers({Pager("Ada", "5550100", "77", 1), Pager("Bob", "5550199", "", 0)});
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"Alphanumeric\tAda\t5550100/77", "Numeric\tBob\t5550199/"}), Rows());
    const auto gets = core.CallsOf("AlertGetPager");
    ASSERT_EQ(1u, gets.size());
    EXPECT_EQ((std::vector<std::string> {"MORWICK1", "ALERT"}), gets[0].texts);
    const auto frees = core.CallsOf("AlertFreeCheckEverySetting");
    ASSERT_FALSE(frees.empty());
    EXPECT_EQ(3, frees.back().numbers.at(0));
    EXPECT_EQ("ALERT", core.CallsOf("AlertGetCFGDate").back().texts.at(1));
}

TEST_F(PagerPageTest, ARefreshWithAnUnchangedDateLeavesTheListAlone)
{
    AnswerPagers({Pager("Ada", "5550100", "77", 1)});
    OpenPage();
    AnswerPagers({});
    page->SendMessage(WM_TIMER, CPager::kPollTimer);
    EXPECT_EQ(1u, core.CallsOf("AlertGetPager").size());
    EXPECT_EQ(1, page->List().ItemCount());

    SetDate("2026-12-01 11:00:00");
    page->SendMessage(WM_TIMER, CPager::kPollTimer);
    EXPECT_EQ(2u, core.CallsOf("AlertGetPager").size());
    EXPECT_EQ(0, page->List().ItemCount());
}

TEST_F(PagerPageTest, ANewPagerIsCommittedByteForByte)
{
    OpenPage();
    ThenEditor([](CWnd& editor) {
        TypeText(editor.m_hWnd, IDC_PAGER_OWNER, "Carol");
        TypeText(editor.m_hWnd, IDC_PAGER_NUMBER, "0123456789");
        TypeText(editor.m_hWnd, IDC_PAGER_ID, "PID1");
        TypeText(editor.m_hWnd, IDC_PAGER_SITE, "S9");
        SendMessageA(editor.GetDlgItem(IDC_PAGER_CONNECT_SPIN), UDM_SETPOS32, 0, 3);
        SendMessageA(editor.GetDlgItem(IDC_PAGER_MESSAGE_SPIN), UDM_SETPOS32, 0, 0);
    });
    Command(ID_PAGER_NEW);
    const auto sets = Sets();
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ((std::vector<std::string> {"MORWICK1", "ALERT"}), sets[0].texts);
    EXPECT_EQ((std::vector<int> {1, 0}), sets[0].numbers) << "one pager, the page still disabled";
    PagerRecord expected = Pager("Carol", "0123456789", "PID1", 1);
    std::strcpy(expected.siteId, "S9");
    std::strcpy(expected.connectionDelay, ",,,");
    expected.portSetting = 0;  // no PORT.CFG: "Please Configure the Pager..." and no selection
    EXPECT_EQ(BytesOf({expected}), sets[0].bytes.at(0));
    EXPECT_EQ((std::vector<std::string> {"Alphanumeric\tCarol\t0123456789/PID1"}), Rows());
}

TEST_F(PagerPageTest, ANewPagerWithoutANumberIsNotKept)
{
    OpenPage();
    ThenEditor([](CWnd& editor) { TypeText(editor.m_hWnd, IDC_PAGER_OWNER, "Dan"); });
    Command(ID_PAGER_NEW);
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(0, page->List().ItemCount());
}

TEST_F(PagerPageTest, ModifyCarriesTheCoresBytesUnchanged)
{
    PagerRecord stored = Pager("Eve", "5551234", "9", 0);
    std::memset(stored.core, 0xA5, sizeof stored.core);
    std::memset(stored.coreMiddle, 0x5A, sizeof stored.coreMiddle);
    stored.coreLast = 0xC3;
    std::strcpy(stored.messageDelay, ",,");
    stored.portSetting = 2;
    AnswerPagers({stored});
    OpenPage();
    Select(0);
    int connectSteps = -1, messageSteps = -1;
    ThenEditor([&](CWnd& editor) {
        connectSteps = static_cast<int>(SendMessageA(editor.GetDlgItem(IDC_PAGER_CONNECT_SPIN), UDM_GETPOS32, 0, 0));
        messageSteps = static_cast<int>(SendMessageA(editor.GetDlgItem(IDC_PAGER_MESSAGE_SPIN), UDM_GETPOS32, 0, 0));
        TypeText(editor.m_hWnd, IDC_PAGER_OWNER, "Eve Two");
    });
    Command(ID_PAGER_MODIFY);
    EXPECT_EQ(0, connectSteps);
    EXPECT_EQ(2, messageSteps);
    const auto sets = Sets();
    ASSERT_EQ(1u, sets.size());
    PagerRecord expected = stored;
    std::memset(expected.ownerName, 0, sizeof expected.ownerName);
    std::strcpy(expected.ownerName, "Eve Two");
    expected.portSetting = 0;  // the port list is empty without PORT.CFG
    EXPECT_EQ(BytesOf({expected}), sets[0].bytes.at(0));
}

TEST_F(PagerPageTest, ClearingThePagerNumberRemovesTheLineWithoutACommit)
{
    AnswerPagers({Pager("Fay", "5550000", "", 1), Pager("Gus", "5550001", "", 1)});
    OpenPage();
    Select(RowOf("Fay"));
    ThenEditor([](CWnd& editor) { TypeText(editor.m_hWnd, IDC_PAGER_NUMBER, ""); });
    Command(ID_PAGER_MODIFY);
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ((std::vector<std::string> {"Alphanumeric\tGus\t5550001/"}), Rows());
}

TEST_F(PagerPageTest, DeletingTheLastPagerCommitsCountZeroStoredDisabled)
{
    AnswerPagers({Pager("Hal", "5550002", "", 1)});
    OpenPage();
    Command(ID_PAGER_TOGGLE);  // enabled now, committed with the one pager
    ASSERT_EQ(1, page->Enabled());
    Select(0);
    ScriptedPrompter prompter;
    prompter.Expect("Are you sure to delete this item?", IDYES);
    Command(ID_PAGER_DELETE);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), prompter.LastType() & MB_TYPEMASK);
    const auto sets = Sets();
    ASSERT_EQ(2u, sets.size());
    EXPECT_EQ((std::vector<int> {1, 1}), sets[0].numbers);
    EXPECT_EQ((std::vector<int> {0, 0}), sets[1].numbers);
    EXPECT_EQ(nullptr, sets[1].buffers.at(0));
}

TEST_F(PagerPageTest, DeleteAnsweredNoKeepsTheLine)
{
    AnswerPagers({Pager("Ida", "5550003", "", 1)});
    OpenPage();
    Select(0);
    ScriptedPrompter prompter;
    prompter.Expect("Are you sure to delete this item?", IDNO);
    Command(ID_PAGER_DELETE);
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(1, page->List().ItemCount());
}

TEST_F(PagerPageTest, TheCacheKeepsTheCommittedArrayAndThePageDoesNotFreeIt)
{
    AnswerPagers({Pager("Jo", "5550004", "", 1)});
    OpenPage();
    Command(ID_PAGER_TOGGLE);
    const auto sets = Sets();
    ASSERT_EQ(1u, sets.size());
    void* handed = const_cast<void*>(sets[0].buffers.at(0));
    ASSERT_NE(nullptr, handed);
    EXPECT_EQ(handed, tab->Settings().Record().arrays[kPagerSlot]);
    // A block the page had freed would no longer answer its size.
    EXPECT_EQ(sizeof(PagerRecord), GlobalSize(handed));
    EXPECT_EQ(BytesOf({Pager("Jo", "5550004", "", 1)}),
        std::vector<BYTE>(static_cast<BYTE*>(handed), static_cast<BYTE*>(handed) + sizeof(PagerRecord)));
}

TEST_F(PagerPageTest, TheToggleCommandIsLabelledForWhatItWouldDo)
{
    OpenPage();
    TextCmdUI ui;
    ui.m_nID = ID_PAGER_TOGGLE;
    ui.DoUpdate(*page, false);
    EXPECT_EQ("&Enable", ui.text);
    Command(ID_PAGER_TOGGLE);
    ui.DoUpdate(*page, false);
    EXPECT_EQ("&Disable", ui.text);
}

TEST_F(PagerPageTest, ADoubleClickModifiesTheSelectedLineOrMakesANewOne)
{
    AnswerPagers({Pager("Kim", "5550005", "", 1)});
    OpenPage();
    std::string owner;
    script.Then([&](CWnd& editor) {
        owner = editor.GetDlgItemText(IDC_PAGER_OWNER);
        Click(editor.m_hWnd, IDCANCEL);
    });
    Select(0);
    page->SendMessage(
        WM_COMMAND, MAKEWPARAM(CPager::kListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(page->List().ListBox()));
    EXPECT_EQ("Kim", owner);
    script.Then([&](CWnd& editor) {
        owner = editor.GetDlgItemText(IDC_PAGER_OWNER);
        Click(editor.m_hWnd, IDCANCEL);
    });
    Select(-1);
    page->SendMessage(
        WM_COMMAND, MAKEWPARAM(CPager::kListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(page->List().ListBox()));
    EXPECT_EQ("", owner);
    EXPECT_TRUE(Sets().empty());
}

TEST_F(PagerPageTest, ReleasedItemsAreReadAgainEvenForTheSameDate)
{
    AnswerPagers({Pager("Lee", "5550006", "", 1)});
    OpenPage();
    page->ReleaseItems();
    EXPECT_EQ(0, page->List().ItemCount());
    AnswerPagers({Pager("Lee", "5550006", "", 1)});
    page->Load(0);
    EXPECT_EQ(1, page->List().ItemCount());
}

class PagerDialogTest : public PagesTest {
protected:
    ModalScript script;
};

TEST_F(PagerDialogTest, WithoutPortCfgThePortListAsksForTheConfiguration)
{
    PagerRecord record = Pager("Max", "1", "", 0);
    CPagerDlg dialog(record, TestProgram(), &owner);
    std::vector<std::string> entries;
    int selected = 0, type = -1;
    script.Then([&](CWnd& modal) {
        HWND ports = modal.GetDlgItem(IDC_PAGER_PORT);
        for (int i = 0; i < SendMessageA(ports, CB_GETCOUNT, 0, 0); ++i) {
            char text[128] = {};
            SendMessageA(ports, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        selected = static_cast<int>(SendMessageA(ports, CB_GETCURSEL, 0, 0));
        type = static_cast<int>(SendMessageA(modal.GetDlgItem(IDC_PAGER_TYPE), CB_GETCURSEL, 0, 0));
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(std::vector<std::string> {"Please Configure the Pager..."}, entries);
    EXPECT_EQ(-1, selected);
    EXPECT_EQ(0, type);
    EXPECT_EQ(0, record.portSetting);
}

TEST_F(PagerDialogTest, ThePortListComesFromPortCfgAndTheDefaultFromPortDefCfg)
{
    WritePortFile({Port(1, 1, "first"), Port(2, 3, "second"), Port(3, 2, "third")}, 4);
    ScratchAlertHome::WriteBytes(DefaultPath(), {3, 0});
    PagerRecord record = Pager("Ned", "1", "", 1);
    CPagerDlg dialog(record, TestProgram(), &owner);
    int selected = -1, count = 0;
    script.Then([&](CWnd& modal) {
        HWND ports = modal.GetDlgItem(IDC_PAGER_PORT);
        count = static_cast<int>(SendMessageA(ports, CB_GETCOUNT, 0, 0));
        selected = static_cast<int>(SendMessageA(ports, CB_GETCURSEL, 0, 0));
        char text[128] = {};
        SendMessageA(ports, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ("COM3 - second", text);
        SendMessageA(ports, CB_SETCURSEL, 1, 0);
        Click(modal.m_hWnd, IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(3, count);
    EXPECT_EQ(2, selected) << "port setting 0 selects the default, ID 3";
    EXPECT_EQ(2, record.portSetting);
}

TEST_F(PagerDialogTest, AMissingPortDefCfgIsReportedAndAnEmptyOwnerRefused)
{
    WritePortFile({Port(1, 1, "first")}, 2);
    PagerRecord record = Pager("", "1", "", 1);
    CPagerDlg dialog(record, TestProgram(), &owner);
    ScriptedPrompter prompter;
    prompter.Expect("portdef.cfg is not existed").Expect("Please type in the manager name !!!");
    script.Then([&](CWnd& modal) {
        Click(modal.m_hWnd, IDOK);
        EXPECT_FALSE(static_cast<CDialog&>(modal).IsModalEnded());
        Click(modal.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(prompter.Done());
}
