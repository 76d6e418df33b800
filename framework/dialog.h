// CDialog: a modal or modeless dialog built from a template in the module's resources.
#pragma once

#include <windows.h>

#include "wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(const char* templateName, CWnd* parent = nullptr);

    // Runs the dialog modally: the owner is disabled, then either the installed modal driver
    // acts on it or the real modal loop runs until EndDialog. Answers the EndDialog result,
    // or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; it lives until DestroyWindow.
    bool Create(CWnd* parent = nullptr);
    void EndDialog(int result);

    // Fills the controls (UpdateData(false)); answer TRUE to let the system set the focus.
    virtual BOOL OnInitDialog();
    // Reads and validates the controls; a failure keeps the dialog open.
    virtual void OnOK();
    virtual void OnCancel();

    bool PreTranslateMessage(MSG& message) override;
    bool OnCmdMsg(CommandRequest& request) override;
    const MessageMap& GetMessageMap() const override;

    bool IsModalEnded() const { return m_ended; }
    HINSTANCE m_resource = nullptr;  // the template's module; the resource instance when null

protected:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    // The idle pass: the controls take their states from the update handlers.
    LRESULT OnIdleUpdateControls(WPARAM, LPARAM);

    const char* m_templateName;
    CWnd* m_parent;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_modalResult = -1;
};
