// Dialogs: the modal driver, data exchange, validation that keeps the dialog open, the real loop.
#include <gtest/gtest.h>

#include "modal_script.h"
#include "name_dialog.h"
#include "scripted_prompter.h"
#include "ui_actions.h"

namespace {

TEST(Dialog, DriverSeesTheFilledControlsAndOkStoresTheEdits)
{
    CNameDialog dialog;
    dialog.name = "alpha";
    dialog.enabled = 1;
    dialog.mode = 1;
    dialog.count = 7;
    std::string shownName, shownKind;
    UINT shownChecked = 0, shownSecure = 0;
    LRESULT limit = 0;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        shownName = modal.GetDlgItemText(IDC_NAME);
        shownKind = modal.GetDlgItemText(IDC_KIND);
        shownChecked = modal.IsDlgButtonChecked(IDC_ENABLED);
        shownSecure = modal.IsDlgButtonChecked(IDC_MODE_SECURE);
        limit = SendMessageA(modal.GetDlgItem(IDC_NAME), EM_GETLIMITTEXT, 0, 0);
        TypeText(modal.m_hWnd, IDC_NAME, "beta");
        modal.CheckDlgButton(IDC_ENABLED, BST_UNCHECKED);
        modal.CheckDlgButton(IDC_MODE_SECURE, BST_UNCHECKED);
        modal.CheckDlgButton(IDC_MODE_REVIEW, BST_CHECKED);
        SendMessageA(modal.GetDlgItem(IDC_KIND), CB_SETCURSEL, 0, 0);
        TypeText(modal.m_hWnd, IDC_COUNT, "12");
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("alpha", shownName);
    EXPECT_EQ("All Files", shownKind);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shownChecked);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shownSecure);
    EXPECT_EQ(8, limit);
    EXPECT_EQ("beta", dialog.name);
    EXPECT_EQ(0, dialog.enabled);
    EXPECT_EQ(2, dialog.mode);
    EXPECT_EQ("Executable Files", dialog.kind);
    EXPECT_EQ(12, dialog.count);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(Dialog, CancelKeepsTheData)
{
    CNameDialog dialog;
    dialog.name = "kept";
    ModalScript script;
    script.Then([](CWnd& modal) {
        TypeText(modal.m_hWnd, IDC_NAME, "changed");
        Click(modal.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ("kept", dialog.name);
}

TEST(Dialog, FailedValidationKeepsTheDialogOpenUntilCorrected)
{
    CNameDialog dialog;
    ScriptedPrompter prompter;
    prompter.Expect("A name is needed.")
        .Expect("Enter no more than 8 characters.")
        .Expect("Enter a whole number from 1 to 20.");
    bool openAfterEmpty = false, openAfterLong = false, openAfterCount = false;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& named = static_cast<CNameDialog&>(modal);
        Click(modal.m_hWnd, IDOK);
        openAfterEmpty = !named.IsModalEnded() && IsWindow(modal.m_hWnd);
        TypeText(modal.m_hWnd, IDC_NAME, "ninechars");
        Click(modal.m_hWnd, IDOK);
        openAfterLong = !named.IsModalEnded();
        TypeText(modal.m_hWnd, IDC_NAME, "eight888");
        TypeText(modal.m_hWnd, IDC_COUNT, "21");
        Click(modal.m_hWnd, IDOK);
        openAfterCount = !named.IsModalEnded();
        TypeText(modal.m_hWnd, IDC_COUNT, "20");
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(openAfterEmpty);
    EXPECT_TRUE(openAfterLong);
    EXPECT_TRUE(openAfterCount);
    EXPECT_EQ("eight888", dialog.name);
    EXPECT_EQ(20, dialog.count);
}

TEST(Dialog, DriverThatLeavesTheDialogOpenGetsItAborted)
{
    CNameDialog dialog;
    ModalScript script;
    script.Then([](CWnd&) {});
    EXPECT_EQ(IDABORT, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

class CSelfClosingDialog : public CNameDialog {
public:
    BOOL OnInitDialog() override
    {
        CNameDialog::OnInitDialog();
        TypeText(m_hWnd, IDC_NAME, "looped");
        // Goes through the real modal loop's queue, as a person's click would.
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(IDOK)));
        return TRUE;
    }
};

TEST(Dialog, RealModalLoopRunsWithoutDriverAndDisablesTheOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, RECT {0, 0, 300, 300}, nullptr, 0));
    CSelfClosingDialog dialog;
    struct OwnerCheck : CSelfClosingDialog { };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("looped", dialog.name);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(Dialog, OwnerIsDisabledWhileTheDialogIsOpen)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, RECT {0, 0, 300, 300}, nullptr, 0));
    CNameDialog dialog(&owner);
    bool enabledInside = true;
    HWND ownerInside = nullptr;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        enabledInside = owner.IsWindowEnabled();
        ownerInside = GetWindow(modal.m_hWnd, GW_OWNER);
        Click(modal.m_hWnd, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_FALSE(enabledInside);
    EXPECT_EQ(owner.m_hWnd, ownerInside);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(Dialog, ModelessDialogLivesUntilDestroyed)
{
    CNameDialog dialog;
    dialog.name = "free";
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ("free", dialog.GetDlgItemText(IDC_NAME));
    Click(dialog.m_hWnd, IDCANCEL);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(Dialog, CentredOnItsOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, RECT {100, 100, 500, 400}, nullptr, 0));
    CNameDialog dialog(&owner);
    RECT placed = {};
    ModalScript script;
    script.Then([&](CWnd& modal) {
        modal.CenterWindow();
        placed = modal.GetWindowRect();
        Click(modal.m_hWnd, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_NEAR(300, (placed.left + placed.right) / 2, 1);
    EXPECT_NEAR(250, (placed.top + placed.bottom) / 2, 1);
}

TEST(Dialog, NestedModalDialogsAreDrivenInTurn)
{
    CNameDialog outer;
    CNameDialog inner;
    inner.name = "inner";
    INT_PTR innerResult = 0;
    ModalScript script;
    script
        .Then([&](CWnd& modal) {
            innerResult = inner.DoModal();
            TypeText(modal.m_hWnd, IDC_NAME, "outer");
            Click(modal.m_hWnd, IDOK);
        })
        .Then([](CWnd& modal) { Click(modal.m_hWnd, IDOK); });
    EXPECT_EQ(IDOK, outer.DoModal());
    EXPECT_EQ(IDOK, innerResult);
    EXPECT_EQ("outer", outer.name);
    EXPECT_EQ(2, script.Driven());
}

TEST(Dialog, MissingTemplateFailsWithMinusOne)
{
    CDialog dialog(9999u);
    EXPECT_EQ(-1, dialog.DoModal());
}

}  // namespace
