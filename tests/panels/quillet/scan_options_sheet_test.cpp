// The "Local Scanner Options" sheet under Wine: its pages, their checks and texts, OK and Cancel.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "dialog_item_cmd_ui.h"
#include "list_box.h"
#include "combo_box.h"
#include "modal_script.h"
#include "quillet_options_ids.h"
#include "qvctrl.h"
#include "scan_after_time.h"
#include "scan_options_profile.h"
#include "scan_options_sheet.h"
#include "scripted_prompter.h"
#include "ui_actions.h"
#include "win_app.h"

namespace {

class NullProfile : public ProfileSection {
public:
    std::optional<std::string> Read(const char*) const override { return std::nullopt; }
    bool Write(const char*, const std::string&) override { return true; }
};

// The record as a fresh VEXOMAR.INI gives it, with a move folder.
LocalScanOptions LoadedDefaults()
{
    LocalScanOptions options;
    LoadScanOptions(NullProfile(), options);
    std::strcpy(options.moveDirectory, "C:\\Vexomar\\VIRUS");
    return options;
}

class ScanOptionsSheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_controls = LoadLibraryA("QVCTRLU.DLL"); }
    static void TearDownTestSuite() { FreeLibrary(s_controls); }

    // Runs the sheet with `step` inside it; answers whether OK was accepted.
    bool Run(const std::function<void(CScanOptionsSheet&)>& step)
    {
        ModalScript script;
        script.Then([&](CWnd& modal) { step(static_cast<CScanOptionsSheet&>(modal)); });
        return EditScanOptions(nullptr, m_global, m_setup, [this](const LocalScanOptions& saved) {
            ++m_saves;
            m_saved = saved;
            return true;
        });
    }
    static HWND Page(CPropertyPage& page) { return page.m_hWnd; }

    static HMODULE s_controls;
    LocalScanOptions m_global = LoadedDefaults();
    ScanOptionsSheetSetup m_setup {true, true, [] { return std::int64_t {1751365815}; }};
    LocalScanOptions m_saved;
    int m_saves = 0;
};

HMODULE ScanOptionsSheetTest::s_controls = nullptr;

TEST_F(ScanOptionsSheetTest, OkWithoutChangesSavesTheRecordUnchanged)
{
    const LocalScanOptions before = m_global;
    std::vector<std::string> tabs;
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        tabs = sheet.GetTabTexts();
        sheet.SetActivePage(1);
        sheet.SetActivePage(2);
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_EQ((std::vector<std::string> {"Options", "File Types", "E-Mail Options"}), tabs);
    EXPECT_EQ(1, m_saves);
    EXPECT_EQ(0, std::memcmp(&before, &m_global, sizeof before));
    EXPECT_EQ(0, std::memcmp(&before, &m_saved, sizeof before));
}

TEST_F(ScanOptionsSheetTest, CancelLeavesTheGlobalRecordUnchanged)
{
    const LocalScanOptions before = m_global;
    EXPECT_FALSE(Run([&](CScanOptionsSheet& sheet) {
        HWND options = Page(sheet.m_optionsPage);
        CheckDlgButton(options, IDC_OPT_BOOT, BST_UNCHECKED);
        TypeText(options, IDC_OPT_RENAME, "VIR");
        sheet.SetActivePage(1);
        CComboBox(GetDlgItem(Page(sheet.m_fileTypesPage), IDC_TYPES_SCAN_FILES)).SetCurSel(1);
        sheet.SetActivePage(0);
        sheet.PressButton(PSBTN_CANCEL);
    }));
    EXPECT_EQ(0, m_saves);
    EXPECT_EQ(0, std::memcmp(&before, &m_global, sizeof before));
}

TEST_F(ScanOptionsSheetTest, NeitherBootSectorNorFilesKeepsTheSheetOpen)
{
    ScriptedPrompter prompter;
    prompter.Expect("Must select Boot Sector, Files, or Both.");
    bool stillOpen = false;
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        HWND options = Page(sheet.m_optionsPage);
        CheckDlgButton(options, IDC_OPT_BOOT, BST_UNCHECKED);
        CheckDlgButton(options, IDC_OPT_FILES, BST_UNCHECKED);
        sheet.PressButton(PSBTN_OK);
        stillOpen = ::SendMessageA(sheet.m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
        CheckDlgButton(options, IDC_OPT_BOOT, BST_CHECKED);
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(1, m_global.scanBootSector);
    EXPECT_EQ(0, m_global.scanFiles);
}

TEST_F(ScanOptionsSheetTest, RenameExtensionIsCheckedAgainstTheAction)
{
    ScriptedPrompter prompter;
    prompter.Expect("Invalid Rename Extension").Expect("Invalid Rename Extension").Expect("Invalid Rename Extension");
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        HWND options = Page(sheet.m_optionsPage);
        CComboBox action(GetDlgItem(options, IDC_OPT_ACTION));
        action.SetCurSel(kActionRename);
        TypeText(options, IDC_OPT_RENAME, "");
        sheet.PressButton(PSBTN_OK);  // empty with Rename File
        TypeText(options, IDC_OPT_RENAME, "EXE");
        sheet.PressButton(PSBTN_OK);
        TypeText(options, IDC_OPT_RENAME, "A.B");
        sheet.PressButton(PSBTN_OK);
        action.SetCurSel(kActionRenameAndMove);
        TypeText(options, IDC_OPT_RENAME, "exe");
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_STREQ("exe", m_global.renameExtension);
    EXPECT_EQ(kActionRenameAndMove, m_global.infectionAction);
}

TEST_F(ScanOptionsSheetTest, EmptyRenameExtensionPassesWithAnyOtherAction)
{
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        HWND options = Page(sheet.m_optionsPage);
        CComboBox(GetDlgItem(options, IDC_OPT_ACTION)).SetCurSel(kActionCure);
        TypeText(options, IDC_OPT_RENAME, "");
        TypeText(options, IDC_OPT_MOVE, "D:\\QUARANTINE");
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_EQ(0, std::memcmp(m_global.renameExtension, "\0\0\0\0", 4));
    EXPECT_STREQ("D:\\QUARANTINE", m_global.moveDirectory);
    EXPECT_EQ(kActionCure, m_global.infectionAction);
}

TEST_F(ScanOptionsSheetTest, RenameAndMoveFieldsFollowTheAction)
{
    std::vector<std::pair<bool, bool>> states;
    Run([&](CScanOptionsSheet& sheet) {
        HWND options = Page(sheet.m_optionsPage);
        CComboBox action(GetDlgItem(options, IDC_OPT_ACTION));
        for (int a = 0; a < kInfectionActionCount; ++a) {
            action.SetCurSel(a);
            RunIdleUpdate(options);
            states.emplace_back(IsItemEnabled(options, IDC_OPT_RENAME), IsItemEnabled(options, IDC_OPT_MOVE));
            EXPECT_EQ(IsItemEnabled(options, IDC_OPT_RENAME), IsItemEnabled(options, IDC_OPT_RENAME_LABEL));
            EXPECT_EQ(IsItemEnabled(options, IDC_OPT_MOVE), IsItemEnabled(options, IDC_OPT_MOVE_LABEL));
        }
        sheet.PressButton(PSBTN_CANCEL);
    });
    const std::vector<std::pair<bool, bool>> expected = {
        {false, false}, {false, false}, {true, false}, {false, false}, {false, true}, {false, false}, {true, true}};
    EXPECT_EQ(expected, states);
}

TEST_F(ScanOptionsSheetTest, ReviewerScanAsksAndNoKeepsThePage)
{
    ModalScript script;
    bool stayed = false;
    script.Then([&](CWnd& modal) {
        auto& sheet = static_cast<CScanOptionsSheet&>(modal);
        HWND options = Page(sheet.m_optionsPage);
        CheckRadioButton(options, IDC_OPT_FAST, IDC_OPT_REVIEWER, IDC_OPT_REVIEWER);
        sheet.SetActivePage(1);
        stayed = sheet.GetActiveIndex() == 0;
        sheet.PressButton(PSBTN_OK);
    });
    script.Then([](CWnd& warning) { Click(warning.m_hWnd, IDNO); });
    script.Then([](CWnd& warning) { Click(warning.m_hWnd, IDYES); });
    EXPECT_TRUE(EditScanOptions(nullptr, m_global, m_setup, nullptr));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(kScanReviewer, m_global.scanMode);
}

TEST_F(ScanOptionsSheetTest, AnUnknownScanModeShowsFastScan)
{
    m_global.scanMode = 7;
    Run([&](CScanOptionsSheet& sheet) {
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(Page(sheet.m_optionsPage), IDC_OPT_FAST));
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(kScanFast, m_global.scanMode);
}

TEST_F(ScanOptionsSheetTest, FilesBoxTakesTheFileTypesPageAwayAndBack)
{
    std::vector<std::string> without, with;
    Run([&](CScanOptionsSheet& sheet) {
        HWND options = Page(sheet.m_optionsPage);
        CheckDlgButton(options, IDC_OPT_FILES, BST_UNCHECKED);
        Click(options, IDC_OPT_FILES);
        without = sheet.GetTabTexts();
        CheckDlgButton(options, IDC_OPT_FILES, BST_CHECKED);
        Click(options, IDC_OPT_FILES);
        with = sheet.GetTabTexts();
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ((std::vector<std::string> {"Options", "E-Mail Options"}), without);
    EXPECT_EQ((std::vector<std::string> {"Options", "File Types", "E-Mail Options"}), with);
}

TEST_F(ScanOptionsSheetTest, SheetWithoutFilesOrMailRootHasOnlyTheOptionsPage)
{
    m_global.scanFiles = 0;
    m_setup.mailRootShown = false;
    std::vector<std::string> tabs;
    Run([&](CScanOptionsSheet& sheet) {
        tabs = sheet.GetTabTexts();
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ((std::vector<std::string> {"Options"}), tabs);
}

class FileTypesPageTest : public ScanOptionsSheetTest {
protected:
    static std::vector<std::string> Entries(HWND page, int id)
    {
        CListBox box(GetDlgItem(page, id));
        std::vector<std::string> entries;
        for (int i = 0; i < box.GetCount(); ++i)
            entries.push_back(box.GetText(i));
        return entries;
    }
};

TEST_F(FileTypesPageTest, AllFilesDisablesTheExecutableListButKeepsAndSavesIt)
{
    m_global.executablesOnly = 1;
    bool listEnabled = true, addEnabled = true, arcEnabled = false;
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(1);
        HWND types = Page(sheet.m_fileTypesPage);
        CComboBox(GetDlgItem(types, IDC_TYPES_SCAN_FILES)).SetCurSel(1);
        RunIdleUpdate(types);
        listEnabled = IsItemEnabled(types, IDC_TYPES_EXE_LIST);
        addEnabled = IsItemEnabled(types, IDC_TYPES_EXE_ADD);
        arcEnabled = IsItemEnabled(types, IDC_TYPES_ARC_DELETE);
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_FALSE(listEnabled);
    EXPECT_FALSE(addEnabled);
    EXPECT_TRUE(arcEnabled);
    EXPECT_EQ(0, m_global.executablesOnly);
    EXPECT_EQ("APP*BIN*COM*DLL*DOT*DOC*DRV*EXE*OVL*OVR*PRG*SYS*VXD*",
        FormatExtensionList(m_global.executableExtensions, m_global.executableCount));
}

TEST_F(FileTypesPageTest, AddRefusesBlankAndDuplicateExtensionsAndSelectsTheNewOne)
{
    ScriptedPrompter prompter;
    prompter.Expect("Extension may not be blank.").Expect("Extension is already in List.");
    int selected = -1;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& sheet = static_cast<CScanOptionsSheet&>(modal);
        sheet.SetActivePage(1);
        HWND types = Page(sheet.m_fileTypesPage);
        Click(types, IDC_TYPES_ARC_ADD);
        Click(types, IDC_TYPES_ARC_ADD);
        Click(types, IDC_TYPES_ARC_ADD);
        selected = CListBox(GetDlgItem(types, IDC_TYPES_ARC_LIST)).GetCurSel();
        sheet.PressButton(PSBTN_OK);
    });
    script.Then([](CWnd& add) {
        TypeText(add.m_hWnd, IDC_ADD_EXTENSION, "  ");
        Click(add.m_hWnd, IDOK);  // refused, the dialog stays
        TypeText(add.m_hWnd, IDC_ADD_EXTENSION, "zip");
        Click(add.m_hWnd, IDOK);
    });
    script.Then([](CWnd& add) {
        TypeText(add.m_hWnd, IDC_ADD_EXTENSION, "LZH");
        Click(add.m_hWnd, IDOK);
    });
    script.Then([](CWnd& add) { Click(add.m_hWnd, IDCANCEL); });
    EXPECT_TRUE(EditScanOptions(nullptr, m_global, m_setup, nullptr));
    EXPECT_EQ(2, selected);
    EXPECT_EQ("ZIP*ARJ*LZH*", FormatExtensionList(m_global.archiveExtensions, m_global.archiveCount));
}

TEST_F(FileTypesPageTest, DeleteNeedsASelectionAndAsksFirst)
{
    ScriptedPrompter prompter;
    prompter.Expect("Nothing Selected to Delete")
        .Expect("Delete Selected Extension", IDCANCEL)
        .Expect("Delete Selected Extension", IDOK);
    m_global.executablesOnly = 1;
    std::vector<std::string> after;
    int selected = -1;
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(1);
        HWND types = Page(sheet.m_fileTypesPage);
        Click(types, IDC_TYPES_EXE_DELETE);
        CListBox box(GetDlgItem(types, IDC_TYPES_EXE_LIST));
        box.SetCurSel(3);
        Click(types, IDC_TYPES_EXE_DELETE);
        Click(types, IDC_TYPES_EXE_DELETE);
        after = Entries(types, IDC_TYPES_EXE_LIST);
        selected = box.GetCurSel();
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_EQ(12u, after.size());
    EXPECT_EQ("DOT", after[3]);
    EXPECT_EQ(2, selected);
    EXPECT_EQ("APP*BIN*COM*DOT*DOC*DRV*EXE*OVL*OVR*PRG*SYS*VXD*",
        FormatExtensionList(m_global.executableExtensions, m_global.executableCount));
}

TEST_F(FileTypesPageTest, InsertAndDeleteKeysActAsAddAndDelete)
{
    ScriptedPrompter prompter;
    prompter.Expect("Delete Selected Extension", IDOK);
    std::vector<std::string> after;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& sheet = static_cast<CScanOptionsSheet&>(modal);
        sheet.SetActivePage(1);
        HWND types = Page(sheet.m_fileTypesPage);
        HWND list = GetDlgItem(types, IDC_TYPES_DB_LIST);
        CListBox(list).SetCurSel(0);
        ::SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0);
        ::SendMessageA(list, WM_KEYDOWN, VK_INSERT, 0);
        after = Entries(types, IDC_TYPES_DB_LIST);
        sheet.PressButton(PSBTN_OK);
    });
    script.Then([](CWnd& add) {
        TypeText(add.m_hWnd, IDC_ADD_EXTENSION, "NSG");
        Click(add.m_hWnd, IDOK);
    });
    EXPECT_TRUE(EditScanOptions(nullptr, m_global, m_setup, nullptr));
    EXPECT_EQ((std::vector<std::string> {"NTF", "NSG"}), after);
    EXPECT_EQ("NTF*NSG*", FormatExtensionList(m_global.mailDatabaseExtensions, m_global.mailDatabaseCount));
}

TEST_F(FileTypesPageTest, AFullListCannotGrowAndAnEmptyOneCannotShrink)
{
    m_global.executablesOnly = 1;
    m_global.executableCount =
        ParseExtensionList("A*B*C*D*E*F*G*H*I*J*K*L*M*N*O*P*Q*R*S*T", m_global.executableExtensions);
    m_global.archiveCount = 0;
    std::memset(m_global.archiveExtensions, 0, sizeof m_global.archiveExtensions);
    Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(1);
        HWND types = Page(sheet.m_fileTypesPage);
        RunIdleUpdate(types);
        EXPECT_FALSE(IsItemEnabled(types, IDC_TYPES_EXE_ADD));
        EXPECT_TRUE(IsItemEnabled(types, IDC_TYPES_EXE_DELETE));
        EXPECT_TRUE(IsItemEnabled(types, IDC_TYPES_ARC_ADD));
        EXPECT_FALSE(IsItemEnabled(types, IDC_TYPES_ARC_DELETE));
        CheckDlgButton(types, IDC_TYPES_ARCHIVES, BST_UNCHECKED);
        RunIdleUpdate(types);
        EXPECT_FALSE(IsItemEnabled(types, IDC_TYPES_ARC_LIST));
        EXPECT_FALSE(IsItemEnabled(types, IDC_TYPES_ARC_ADD));
        EXPECT_FALSE(IsItemEnabled(types, IDC_TYPES_ARC_LABEL));
        sheet.PressButton(PSBTN_CANCEL);
    });
}

TEST_F(FileTypesPageTest, WithoutTheMailAgentTheDatabaseGroupIsHiddenAndItsValueKept)
{
    m_setup.mailAgentConnected = false;
    m_global.scanMailDatabases = 0;
    bool visible = true;
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(1);
        HWND types = Page(sheet.m_fileTypesPage);
        visible = IsWindowVisible(GetDlgItem(types, IDC_TYPES_DB_LIST)) ||
            IsWindowVisible(GetDlgItem(types, IDC_TYPES_DATABASES)) ||
            IsWindowVisible(GetDlgItem(types, IDC_TYPES_DB_GROUP));
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_FALSE(visible);
    EXPECT_EQ(0, m_global.scanMailDatabases);
    EXPECT_EQ("NSF*NTF*", FormatExtensionList(m_global.mailDatabaseExtensions, m_global.mailDatabaseCount));
}

class MailOptionsPageTest : public ScanOptionsSheetTest {
protected:
    static std::vector<int> Fields(HWND page, int id)
    {
        int values[3] = {};
        ::SendDlgItemMessageA(page, id, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(values));
        return {values[0], values[1], values[2]};
    }
    static void SetFields(HWND page, int id, std::vector<int> values)
    {
        ::SendDlgItemMessageA(page, id, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(values.data()));
    }
};

TEST_F(MailOptionsPageTest, NoDateShowsAllMessagesAndTheCurrentTime)
{
    std::vector<int> date, time;
    int choice = -1;
    Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(2);
        HWND mail = Page(sheet.m_mailPage);
        date = Fields(mail, IDC_MAIL_DATE);
        time = Fields(mail, IDC_MAIL_TIME);
        choice = IsDlgButtonChecked(mail, IDC_MAIL_ALL) == BST_CHECKED ? 0 : -1;
        RunIdleUpdate(mail);
        EXPECT_FALSE(IsItemEnabled(mail, IDC_MAIL_DATE));
        sheet.PressButton(PSBTN_CANCEL);
    });
    const ScanAfterFields now = ScanAfterToFields(0, 1751365815);
    EXPECT_EQ(0, choice);
    EXPECT_EQ((std::vector<int> {now.year, now.month, now.day}), date);
    EXPECT_EQ((std::vector<int> {now.hour, now.minute, now.second}), time);
}

TEST_F(MailOptionsPageTest, ADateChosenInTheFieldsBecomesTheScanAfterTime)
{
    EXPECT_TRUE(Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(2);
        HWND mail = Page(sheet.m_mailPage);
        CheckRadioButton(mail, IDC_MAIL_ALL, IDC_MAIL_LAST_SCAN, IDC_MAIL_AFTER);
        SetFields(mail, IDC_MAIL_DATE, {2024, 1, 29});
        SetFields(mail, IDC_MAIL_TIME, {8, 15, 0});
        CheckDlgButton(mail, IDC_MAIL_SENDER, BST_CHECKED);
        CheckDlgButton(mail, IDC_MAIL_ATTACH, BST_UNCHECKED);
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_EQ(ScanAfterFromFields({2024, 1, 29, 8, 15, 0}), m_global.scanAfter);
    EXPECT_EQ(0, m_global.incrementalScan);
    EXPECT_EQ(1, m_global.notifySender);
    EXPECT_EQ(0, m_global.attachInfoFile);
}

TEST_F(MailOptionsPageTest, LastScanAndAllMessagesClearTheDate)
{
    m_global.scanAfter = 1700000000;
    int shown = -1;
    Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(2);
        HWND mail = Page(sheet.m_mailPage);
        shown = IsDlgButtonChecked(mail, IDC_MAIL_AFTER) == BST_CHECKED;
        CheckRadioButton(mail, IDC_MAIL_ALL, IDC_MAIL_LAST_SCAN, IDC_MAIL_LAST_SCAN);
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(1, shown);
    EXPECT_EQ(0, m_global.scanAfter);
    EXPECT_EQ(1, m_global.incrementalScan);

    Run([&](CScanOptionsSheet& sheet) {
        sheet.SetActivePage(2);
        HWND mail = Page(sheet.m_mailPage);
        shown = IsDlgButtonChecked(mail, IDC_MAIL_LAST_SCAN) == BST_CHECKED;
        CheckRadioButton(mail, IDC_MAIL_ALL, IDC_MAIL_LAST_SCAN, IDC_MAIL_ALL);
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(1, shown);
    EXPECT_EQ(0, m_global.scanAfter);
    EXPECT_EQ(0, m_global.incrementalScan);
}

}  // namespace
