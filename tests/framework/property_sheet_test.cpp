// Property sheets: a page that refuses to be left, pages added and removed while open, OK, help.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework.h"
#include "message_recorder.h"
#include "modal_script.h"
#include "scripted_prompter.h"
#include "test_resource.h"
#include "ui_actions.h"

namespace {

class COptionsSheet;

class COptionsPage : public CPropertyPage {
public:
    COptionsPage() : CPropertyPage(IDD_PAGE_OPTIONS) { m_hasHelp = true; }
    int files = 1;
    std::string value = "ok";
    int applied = 0;
    int helps = 0;
    COptionsSheet* owner = nullptr;

    void DoDataExchange(CDataExchange& exchange) override
    {
        ExchangeCheck(exchange, IDC_PAGE_FILES, files);
        ExchangeText(exchange, IDC_PAGE_VALUE, value, 10);
    }
    BOOL OnKillActive() override
    {
        if (!CPropertyPage::OnKillActive())
            return FALSE;
        if (value.empty()) {
            PromptId(IDS_NAME_EMPTY);
            return FALSE;
        }
        return TRUE;
    }
    bool refuseApply = false;
    BOOL OnApply() override
    {
        if (refuseApply)
            return FALSE;
        return CPropertyPage::OnApply();
    }
    void OnOK() override { ++applied; }
    void OnHelp() override { ++helps; }
    void OnFilesClicked();
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CPropertyPage::GetMessageMap(),
            {
                on::ControlCode(IDC_PAGE_FILES, BN_CLICKED, &COptionsPage::OnFilesClicked),
            });
        return map;
    }
};

class CPlainPage : public CPropertyPage {
public:
    explicit CPlainPage(UINT id) : CPropertyPage(id) { }
    int shown = 0;
    BOOL OnSetActive() override
    {
        ++shown;
        return CPropertyPage::OnSetActive();
    }
};

class COptionsSheet : public CPropertySheet {
public:
    COptionsSheet() : CPropertySheet("Local Scanner Options")
    {
        options.owner = this;
        AddPage(&options);
        AddPage(&types);
        AddPage(&mail);
    }
    // Keeps the order Options, File Types, E-Mail Options as the Files box changes.
    void RebuildPages(bool withTypes)
    {
        if (!withTypes) {
            RemovePage(&types);
            return;
        }
        bool hadMail = GetPageIndex(&mail) >= 0;
        if (hadMail)
            RemovePage(&mail);
        AddPage(&types);
        if (hadMail)
            AddPage(&mail);
    }
    COptionsPage options;
    CPlainPage types {IDD_PAGE_TYPES};
    CPlainPage mail {IDD_PAGE_MAIL};
};

void COptionsPage::OnFilesClicked()
{
    owner->RebuildPages(IsDlgButtonChecked(IDC_PAGE_FILES) == BST_CHECKED);
}

TEST(PropertySheet, OkAppliesThePagesAndReturnsIdOk)
{
    COptionsSheet sheet;
    std::vector<std::string> tabs;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<COptionsSheet&>(modal);
        tabs = shown.GetTabTexts();
        shown.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ((std::vector<std::string> {"Options", "File Types", "E-Mail Options"}), tabs);
    EXPECT_EQ(1, sheet.options.applied);
}

TEST(PropertySheet, CancelAppliesNothing)
{
    COptionsSheet sheet;
    ModalScript script;
    script.Then([](CWnd& modal) { static_cast<CPropertySheet&>(modal).PressButton(PSBTN_CANCEL); });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ(0, sheet.options.applied);
}

TEST(PropertySheet, OkRefusedByAPageKeepsTheSheetAndALaterCancelAnswersCancel)
{
    COptionsSheet sheet;
    sheet.types.m_hasHelp = false;
    bool openAfterOk = false;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<COptionsSheet&>(modal);
        shown.SetActivePage(1);
        shown.options.refuseApply = true;
        shown.PressButton(PSBTN_OK);
        openAfterOk = ::SendMessageA(shown.m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
        shown.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(0, sheet.options.applied);
}

TEST(PropertySheet, PageThatRefusesToBeLeftStaysCurrent)
{
    COptionsSheet sheet;
    ScriptedPrompter prompter;
    prompter.Expect("A name is needed.").Expect("A name is needed.");
    int stayed = -1, moved = -1;
    bool openAfterOk = false;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<COptionsSheet&>(modal);
        HWND page = shown.options.m_hWnd;
        TypeText(page, IDC_PAGE_VALUE, "");
        shown.SetActivePage(1);
        stayed = shown.GetActiveIndex();
        shown.PressButton(PSBTN_OK);
        openAfterOk = ::SendMessageA(shown.m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
        TypeText(page, IDC_PAGE_VALUE, "filled");
        shown.SetActivePage(1);
        moved = shown.GetActiveIndex();
        shown.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(0, stayed);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(1, moved);
    EXPECT_EQ("filled", sheet.options.value);
    EXPECT_EQ(1, sheet.types.shown);
}

TEST(PropertySheet, PagesAreRemovedAndAddedWhileTheSheetIsOpen)
{
    COptionsSheet sheet;
    std::vector<std::string> without, with;
    int mailShownAfterReadd = 0;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<COptionsSheet&>(modal);
        HWND page = shown.options.m_hWnd;
        CheckDlgButton(page, IDC_PAGE_FILES, BST_UNCHECKED);
        Click(page, IDC_PAGE_FILES);
        without = shown.GetTabTexts();
        CheckDlgButton(page, IDC_PAGE_FILES, BST_CHECKED);
        Click(page, IDC_PAGE_FILES);
        with = shown.GetTabTexts();
        shown.SetActivePage(2);
        mailShownAfterReadd = shown.mail.shown;
        shown.PressButton(PSBTN_CANCEL);
    });
    sheet.DoModal();
    EXPECT_EQ((std::vector<std::string> {"Options", "E-Mail Options"}), without);
    EXPECT_EQ((std::vector<std::string> {"Options", "File Types", "E-Mail Options"}), with);
    EXPECT_EQ(3, sheet.GetPageCount());
    EXPECT_EQ(2, sheet.GetPageIndex(&sheet.mail));
    EXPECT_EQ(1, mailShownAfterReadd);
}

TEST(PropertySheet, HelpButtonAsksTheActivePage)
{
    COptionsSheet sheet;
    sheet.m_hasHelp = true;
    ModalScript script;
    script.Then([](CWnd& modal) {
        auto& shown = static_cast<CPropertySheet&>(modal);
        shown.PressButton(PSBTN_HELP);
        shown.PressButton(PSBTN_CANCEL);
    });
    sheet.DoModal();
    EXPECT_EQ(1, sheet.options.helps);
}

class CRefusingSheet : public COptionsSheet {
public:
    BOOL OnInitSheet() override { return FALSE; }
};

TEST(PropertySheet, SheetThatCannotReadItsDataDoesNotOpen)
{
    CRefusingSheet sheet;
    ModalScript script;
    EXPECT_EQ(-1, sheet.DoModal());
    EXPECT_EQ(0, script.Driven());
    EXPECT_EQ(nullptr, sheet.m_hWnd);
}

TEST(PropertySheet, TitleCanBeChangedAfterCreation)
{
    COptionsSheet sheet;
    std::string title;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<CPropertySheet&>(modal);
        shown.SetTitle("Service Configuration for Domain: WORK");
        title = shown.GetWindowText();
        shown.PressButton(PSBTN_CANCEL);
    });
    sheet.DoModal();
    EXPECT_NE(std::string::npos, title.find("Service Configuration for Domain: WORK"));
}

}  // namespace

// The notifications the sheet sends its pages, in the order they arrive: each page is set
// active when shown, left before the next is shown, and OK leaves the current page first and
// then applies every page that was made.
TEST(PropertySheetMessages, PagesAreSetActiveLeftAndAppliedInOrder)
{
    COptionsSheet sheet;
    MessageRecorder recorder({WM_NOTIFY});
    std::vector<std::pair<HWND, std::string>> names;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<COptionsSheet&>(modal);
        shown.SetActivePage(1);
        names = {{shown.options.m_hWnd, "options"}, {shown.types.m_hWnd, "types"}};
        shown.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    const std::vector<std::string> expected = {"set active options", "kill active options", "set active types",
        "kill active types", "apply options", "apply types"};
    EXPECT_EQ(expected, recorder.NotifySequence({PSN_SETACTIVE, PSN_KILLACTIVE, PSN_APPLY}, names));
}

TEST(PropertySheetMessages, CancelResetsThePagesWithoutLeavingOrApplyingThem)
{
    COptionsSheet sheet;
    MessageRecorder recorder({WM_NOTIFY});
    std::vector<std::pair<HWND, std::string>> names;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<COptionsSheet&>(modal);
        names = {{shown.options.m_hWnd, "options"}};
        shown.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ((std::vector<std::string> {"set active options", "reset options"}),
        recorder.NotifySequence({PSN_SETACTIVE, PSN_KILLACTIVE, PSN_APPLY, PSN_RESET}, names));
}
