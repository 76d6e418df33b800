// "Port Configuration" over a scratch Alert home: the list, Add, Edit, Delete, Set Default and the save.
#include <gtest/gtest.h>

#include <cstring>

#include "list_box.h"
#include "modal_script.h"
#include "page_fixture.h"
#include "pages_ids.h"
#include "port_edit_dlg.h"
#include "port_setup_dlg.h"
#include "scripted_prompter.h"
#include "ui_actions.h"

namespace {

const char kDefaultLine[] = "1\tCOM1\t300\tEVEN\t7\t1\tAlpha-Numeric Pager Setting (Default)";

class PortSetupTest : public PagesTest {
protected:
    // Runs the dialog; `inside` acts on it, then Close is pressed.
    // `nested` queues the steps of the dialogs opened from inside, which come after this one's.
    void Run(const std::function<void(CPortSetupDlg&)>& inside, const std::function<void()>& nested = {})
    {
        CPortSetupDlg dialog(TestProgram(), &owner);
        script.Then([&](CWnd& modal) {
            inside(static_cast<CPortSetupDlg&>(modal));
            Click(modal.m_hWnd, IDC_PORT_CLOSE);
        });
        if (nested)
            nested();
        dialog.DoModal();
    }
    static std::vector<std::string> Lines(CPortSetupDlg& dialog)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < dialog.List().ItemCount(); ++i)
            lines.push_back(dialog.List().GetItemText(i));
        return lines;
    }
    static void Select(CPortSetupDlg& dialog, int line) { CListBox(dialog.List().ListBox()).SetCurSel(line); }
    // The editor's next appearance: a description typed and OK pressed.
    void ThenEditor(const std::string& description, int portPosition = -1)
    {
        script.Then([description, portPosition](CWnd& editor) {
            TypeText(editor.m_hWnd, IDC_PORT_DESCRIPTION, description);
            if (portPosition >= 0)
                SendMessageA(editor.GetDlgItem(IDC_PORT_NAME), CB_SETCURSEL, portPosition, 0);
            Click(editor.m_hWnd, IDOK);
        });
    }
    std::vector<std::uint16_t> SavedIds() const
    {
        const std::vector<BYTE> bytes = PortFileBytes();
        std::vector<std::uint16_t> ids;
        for (std::size_t at = 512; at + 512 <= bytes.size(); at += 512)
            ids.push_back(static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8)));
        return ids;
    }

    ModalScript script;
};

std::uint16_t WordAt(const std::vector<BYTE>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

}  // namespace

TEST_F(PortSetupTest, AMissingPortFileShowsTheDefaultLineAndCloseWritesBothFiles)
{
    std::vector<std::string> lines;
    std::string shownDefault;
    Run([&](CPortSetupDlg& dialog) {
        lines = Lines(dialog);
        shownDefault = dialog.GetDlgItemText(IDC_PORT_DEFAULT_ID);
        EXPECT_EQ(0, CListBox(dialog.List().ListBox()).GetCurSel());
        EXPECT_EQ("Port Configuration", dialog.GetWindowText());
    });
    EXPECT_EQ(std::vector<std::string> {kDefaultLine}, lines);
    EXPECT_EQ("1", shownDefault);
    const std::vector<BYTE> bytes = PortFileBytes();
    ASSERT_EQ(1024u, bytes.size());
    EXPECT_EQ(1, WordAt(bytes, 0));
    EXPECT_EQ(2, WordAt(bytes, 2));
    EXPECT_EQ((std::vector<BYTE> {1, 0}), ScratchAlertHome::ReadBytes(DefaultPath()));
    const auto calls = core.CallsOf("AlertGetCFGDate");
    ASSERT_EQ(2u, calls.size()) << "read at load, compared at the save";
    EXPECT_EQ((std::vector<std::string> {"MORWICK1", "PORT"}), calls[0].texts);
}

TEST_F(PortSetupTest, AddingAfterADeletionNeverReusesAnId)
{
    WritePortFile({Port(1, 1, "one"), Port(2, 2, "two"), Port(3, 3, "three")}, 4);
    std::vector<std::string> lines;
    ScriptedPrompter prompter;
    prompter.Expect("Delete the Selected Port ?", IDYES);
    Run(
        [&](CPortSetupDlg& dialog) {
            Select(dialog, 2);
            Click(dialog.m_hWnd, IDC_PORT_DELETE);
            Click(dialog.m_hWnd, IDC_PORT_ADD);
            lines = Lines(dialog);
        },
        [this] { ThenEditor("four", 3); });
    EXPECT_TRUE(prompter.Done());
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("4\tCOM4\t300\tEVEN\t7\t1\tfour", lines[2]);
    EXPECT_EQ((std::vector<std::uint16_t> {1, 2, 4}), SavedIds());
    const std::vector<BYTE> bytes = PortFileBytes();
    EXPECT_EQ(3, WordAt(bytes, 0));
    EXPECT_EQ(5, WordAt(bytes, 2));
}

TEST_F(PortSetupTest, DeletingTheDefaultPortWritesDefaultOneAtOnce)
{
    WritePortFile({Port(1, 1, "one"), Port(2, 2, "two")}, 3);
    ScratchAlertHome::WriteBytes(DefaultPath(), {2, 0});
    ScriptedPrompter prompter;
    prompter.Expect("Delete the Selected Port ?", IDYES);
    std::vector<BYTE> during;
    std::string shownBefore, shownAfter;
    Run([&](CPortSetupDlg& dialog) {
        shownBefore = dialog.GetDlgItemText(IDC_PORT_DEFAULT_ID);
        Select(dialog, 1);
        Click(dialog.m_hWnd, IDC_PORT_DELETE);
        during = ScratchAlertHome::ReadBytes(DefaultPath());
        shownAfter = dialog.GetDlgItemText(IDC_PORT_DEFAULT_ID);
    });
    EXPECT_EQ("2", shownBefore);
    EXPECT_EQ((std::vector<BYTE> {1, 0}), during);
    EXPECT_EQ("1", shownAfter);
    EXPECT_EQ((std::vector<std::uint16_t> {1}), SavedIds());
    EXPECT_EQ(3, WordAt(PortFileBytes(), 2)) << "the next ID stays";
}

TEST_F(PortSetupTest, PortOneAndEmptySelectionsAreRefusedWithTheirTexts)
{
    ScriptedPrompter prompter;
    prompter.Expect("Port ID 1 is reserved as a default Port and may not be deleted.")
        .Expect("Nothing selected to Delete.")
        .Expect("Nothing Selected to Edit.")
        .Expect("Nothing Selected to Set as Default.");
    Run([&](CPortSetupDlg& dialog) {
        Click(dialog.m_hWnd, IDC_PORT_DELETE);
        Select(dialog, -1);
        Click(dialog.m_hWnd, IDC_PORT_DELETE);
        Click(dialog.m_hWnd, IDC_PORT_EDIT);
        Click(dialog.m_hWnd, IDC_PORT_SET_DEFAULT);
        EXPECT_EQ(1, dialog.List().ItemCount());
    });
    EXPECT_TRUE(prompter.Done());
}

TEST_F(PortSetupTest, SetDefaultWritesPortDefAtOnce)
{
    WritePortFile({Port(1, 1, "one"), Port(6, 2, "six")}, 7);
    std::vector<BYTE> during;
    Run([&](CPortSetupDlg& dialog) {
        Select(dialog, 1);
        Click(dialog.m_hWnd, IDC_PORT_SET_DEFAULT);
        during = ScratchAlertHome::ReadBytes(DefaultPath());
        EXPECT_EQ("6", dialog.GetDlgItemText(IDC_PORT_DEFAULT_ID));
    });
    EXPECT_EQ((std::vector<BYTE> {6, 0}), during);
}

TEST_F(PortSetupTest, AChangedConfigurationDateRefusesThePortFileButKeepsTheDefault)
{
    WritePortFile({Port(1, 1, "one"), Port(2, 2, "two")}, 3);
    const std::vector<BYTE> before = PortFileBytes();
    ScriptedPrompter prompter;
    prompter.Expect("This new setting would not be accepted, because remote servers have changed the port "
                    "setting. Plesae do Port SetUp again");
    Run([&](CPortSetupDlg& dialog) {
        Select(dialog, 1);
        Click(dialog.m_hWnd, IDC_PORT_SET_DEFAULT);
        // Another administrator saves port settings meanwhile.
        SetDate("2026-12-01 10:05:00");
    });
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(before, PortFileBytes());
    EXPECT_EQ((std::vector<BYTE> {2, 0}), ScratchAlertHome::ReadBytes(DefaultPath()));
}

TEST_F(PortSetupTest, AFailedDateReadWritesNoPortFileAndSaysNothing)
{
    ScriptedPrompter prompter;
    Run([&](CPortSetupDlg&) { core.Fail("AlertGetCFGDate", 1722); });
    EXPECT_TRUE(PortFileBytes().empty());
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_EQ((std::vector<BYTE> {1, 0}), ScratchAlertHome::ReadBytes(DefaultPath()));
}

TEST_F(PortSetupTest, EscapeSavesLikeClose)
{
    CPortSetupDlg dialog(TestProgram(), &owner);
    script.Then([](CWnd& modal) { modal.SendMessage(WM_COMMAND, IDCANCEL, 0); });
    dialog.DoModal();
    EXPECT_EQ(1024u, PortFileBytes().size());
}

TEST_F(PortSetupTest, TheEditorRefusesAnEmptyDescriptionAndStoresTheChosenPositions)
{
    PortRecord record = Port(5, 1, "five");
    CPortEditDlg editor(&record, CPortEditDlg::kEditMode, &owner);
    ScriptedPrompter prompter;
    prompter.Expect("Please enter the description for this port");
    std::vector<int> shown;
    script.Then([&](CWnd& modal) {
        for (int id : {IDC_PORT_NAME, IDC_PORT_BAUD, IDC_PORT_PARITY, IDC_PORT_DATA_BITS, IDC_PORT_STOP_BITS})
            shown.push_back(static_cast<int>(SendMessageA(modal.GetDlgItem(id), CB_GETCURSEL, 0, 0)));
        TypeText(modal.m_hWnd, IDC_PORT_DESCRIPTION, "");
        Click(modal.m_hWnd, IDOK);
        EXPECT_FALSE(static_cast<CDialog&>(modal).IsModalEnded());
        TypeText(modal.m_hWnd, IDC_PORT_DESCRIPTION, "modem on the third port");
        SendMessageA(modal.GetDlgItem(IDC_PORT_NAME), CB_SETCURSEL, 2, 0);
        SendMessageA(modal.GetDlgItem(IDC_PORT_BAUD), CB_SETCURSEL, 4, 0);
        SendMessageA(modal.GetDlgItem(IDC_PORT_PARITY), CB_SETCURSEL, 0, 0);
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, editor.DoModal());
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ((std::vector<int> {0, 3, 2, 1, 0}), shown);
    EXPECT_EQ("5\tCOM3\t9600\tNONE\t8\t1\tmodem on the third port", port_file::DisplayLine(editor.m_record));
    EXPECT_EQ(3, editor.m_record.portNumber);
}

TEST_F(PortSetupTest, AnOkSentToTheDialogSavesLikeClose)
{
    CPortSetupDlg dialog(TestProgram(), &owner);
    script.Then([](CWnd& modal) { modal.SendMessage(WM_COMMAND, IDOK, 0); });
    dialog.DoModal();
    EXPECT_EQ(1024u, PortFileBytes().size());
    EXPECT_EQ((std::vector<BYTE> {1, 0}), ScratchAlertHome::ReadBytes(DefaultPath()));
}

TEST_F(PortSetupTest, InsertAndDeleteInTheListAddAndDelete)
{
    ScriptedPrompter prompter;
    prompter.Expect("Port ID 1 is reserved as a default Port and may not be deleted.");
    std::vector<std::string> lines;
    Run(
        [&](CPortSetupDlg& dialog) {
            MSG key = {dialog.List().ListBox(), WM_KEYDOWN, VK_DELETE, 0, 0, {}};
            EXPECT_TRUE(dialog.PreTranslateMessage(key));
            key.wParam = VK_INSERT;
            EXPECT_TRUE(dialog.PreTranslateMessage(key));
            lines = Lines(dialog);
        },
        [this] { ThenEditor("inserted"); });
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ((std::vector<std::string> {kDefaultLine, "2\tCOM1\t300\tEVEN\t7\t1\tinserted"}), lines);
    EXPECT_EQ((std::vector<std::uint16_t> {1, 2}), SavedIds());
}

TEST_F(PortSetupTest, StoredPositionsOutsideTheListsSelectNothingAndAreKept)
{
    PortRecord record = Port(8, 1, "odd");
    record.portNumber = 9;
    record.baudIndex = 7;
    record.stopBitsIndex = -2;
    CPortEditDlg editor(&record, CPortEditDlg::kEditMode, &owner);
    std::vector<int> shown;
    script.Then([&](CWnd& modal) {
        for (int id : {IDC_PORT_NAME, IDC_PORT_BAUD, IDC_PORT_STOP_BITS})
            shown.push_back(static_cast<int>(SendMessageA(modal.GetDlgItem(id), CB_GETCURSEL, 0, 0)));
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, editor.DoModal());
    EXPECT_EQ((std::vector<int> {-1, -1, -1}), shown);
    EXPECT_EQ(9, editor.m_record.portNumber);
    EXPECT_EQ(7, editor.m_record.baudIndex);
    EXPECT_EQ(-2, editor.m_record.stopBitsIndex);
    EXPECT_EQ(0, std::memcmp(&editor.m_record, &record, sizeof record));
}
