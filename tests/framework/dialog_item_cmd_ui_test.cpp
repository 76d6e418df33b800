// Command states of dialog controls: update handlers run in the idle pass set enable, check and text.
#include <gtest/gtest.h>

#include <string>

#include "framework.h"
#include "modal_script.h"
#include "test_resource.h"
#include "ui_actions.h"

namespace {

constexpr UINT kInspectMessage = WM_APP + 40;

// The name dialog with its OK button and check box driven by update handlers.
class CStatefulDialog : public CDialog {
public:
    CStatefulDialog() : CDialog(IDD_NAME) { }

    bool okAllowed = false;
    int enabledCheck = 0;
    std::string countText = "3";
    // What the real modal loop showed before any input: OK's state on the first message.
    int okEnabledOnFirstMessage = -1;

    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CDialog::GetMessageMap(),
            {
                on::UpdateCommand(IDOK, &CStatefulDialog::OnUpdateOk),
                on::UpdateCommand(IDC_ENABLED, &CStatefulDialog::OnUpdateEnabled),
                on::UpdateCommand(IDC_COUNT, &CStatefulDialog::OnUpdateCount),
                on::Message(kInspectMessage, &CStatefulDialog::OnInspect),
            });
        return map;
    }

    void PostInspection() { PostMessage(kInspectMessage); }

private:
    void OnUpdateOk(CCmdUI& ui) { ui.Enable(okAllowed); }
    void OnUpdateEnabled(CCmdUI& ui) { ui.SetCheck(enabledCheck); }
    void OnUpdateCount(CCmdUI& ui) { ui.SetText(countText); }
    LRESULT OnInspect(WPARAM, LPARAM)
    {
        okEnabledOnFirstMessage = IsItemEnabled(m_hWnd, IDOK) ? 1 : 0;
        EndDialog(IDCANCEL);
        return 0;
    }
};

TEST(DialogItemStates, IdlePassAppliesEnableCheckAndTextFromUpdateHandlers)
{
    CStatefulDialog dialog;
    bool okBefore = true, okAfter = false, cancelUntouched = false;
    UINT checkBefore = 9, checkAfter = 9;
    std::string countAfter;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        RunIdleUpdate(modal.m_hWnd);
        okBefore = IsItemEnabled(modal.m_hWnd, IDOK);
        checkBefore = modal.IsDlgButtonChecked(IDC_ENABLED);
        dialog.okAllowed = true;
        dialog.enabledCheck = 1;
        dialog.countText = "17";
        RunIdleUpdate(modal.m_hWnd);
        okAfter = IsItemEnabled(modal.m_hWnd, IDOK);
        checkAfter = modal.IsDlgButtonChecked(IDC_ENABLED);
        countAfter = modal.GetDlgItemText(IDC_COUNT);
        // Cancel has no update handler: the pass leaves it as the template made it.
        cancelUntouched = IsItemEnabled(modal.m_hWnd, IDCANCEL);
        Click(modal.m_hWnd, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_FALSE(okBefore);
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), checkBefore);
    EXPECT_TRUE(okAfter);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), checkAfter);
    EXPECT_EQ("17", countAfter);
    EXPECT_TRUE(cancelUntouched);
}

TEST(DialogItemStates, DisablingTheFocusedControlHandsTheFocusOn)
{
    CStatefulDialog dialog;
    dialog.okAllowed = true;
    HWND focusAfter = nullptr, okButton = nullptr;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        RunIdleUpdate(modal.m_hWnd);
        okButton = modal.GetDlgItem(IDOK);
        SetFocus(okButton);
        dialog.okAllowed = false;
        RunIdleUpdate(modal.m_hWnd);
        focusAfter = GetFocus();
        Click(modal.m_hWnd, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_NE(nullptr, focusAfter);
    EXPECT_NE(okButton, focusAfter);
}

TEST(DialogItemStates, RealModalLoopSetsStatesBeforeTheFirstMessage)
{
    // No driver: the real loop runs; the dialog posts itself a message from its initialisation.
    struct PostOnInit : CStatefulDialog {
        BOOL OnInitDialog() override
        {
            CStatefulDialog::OnInitDialog();
            PostInspection();
            return TRUE;
        }
    } posting;
    EXPECT_EQ(IDCANCEL, posting.DoModal());
    EXPECT_EQ(0, posting.okEnabledOnFirstMessage);
}

// A form view's controls take their states in the same pass, sent from the window above it.
class CStatefulForm : public CFormView {
public:
    CStatefulForm() : CFormView(IDD_FORM) { }
    std::string text = "from the handler";
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CFormView::GetMessageMap(),
            {
                on::UpdateCommand(IDC_FORM_EDIT, &CStatefulForm::OnUpdateEdit),
            });
        return map;
    }

private:
    void OnUpdateEdit(CCmdUI& ui)
    {
        ui.SetText(text);
        ui.Enable(false);
    }
};

TEST(DialogItemStates, FormViewControlsFollowTheIdlePassOfTheirParent)
{
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, CWnd::DefaultClassName(), "parent", WS_OVERLAPPEDWINDOW, RECT {0, 0, 400, 300}, nullptr, 0));
    CStatefulForm form;
    ASSERT_TRUE(form.Create(&parent, RECT {0, 0, 300, 200}, AFX_IDW_PANE_FIRST, WS_CHILD | WS_VISIBLE));
    RunIdleUpdate(parent.m_hWnd);
    EXPECT_EQ("from the handler", form.GetDlgItemText(IDC_FORM_EDIT));
    EXPECT_FALSE(IsItemEnabled(form.m_hWnd, IDC_FORM_EDIT));
    form.DestroyWindow();
    parent.DestroyWindow();
}

}  // namespace
