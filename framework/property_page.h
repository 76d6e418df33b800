// CPropertyPage: one page of a property sheet, a dialog from a template.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    // `captionId` 0 takes the template's caption.
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);

    // The page becomes current; false refuses it. The default fills the controls.
    virtual BOOL OnSetActive();
    // The page is left (another page, or OK); false keeps it current. The default reads and
    // validates the controls.
    virtual BOOL OnKillActive();
    // OK (or Apply) was pressed and every page accepted; false keeps the sheet open.
    virtual BOOL OnApply();
    void OnOK() override;
    void OnCancel() override;
    virtual void OnHelp();

    CPropertySheet* GetSheet() const { return m_sheet; }
    void SetModified(bool changed = true);
    bool m_hasHelp = false;

    // The handle the sheet adds (made again each time: a removed page's handle is gone).
    HPROPSHEETPAGE CreatePageHandle(CPropertySheet* sheet);

protected:
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    std::string m_caption;
    CPropertySheet* m_sheet = nullptr;
};
