// CPropertySheet: a modal sheet of property pages over the common property sheet.
#pragma once

#include <string>
#include <vector>

#include "property_page.h"

class CPropertySheet : public CWnd {
public:
    explicit CPropertySheet(const std::string& caption, CWnd* parent = nullptr, UINT startPage = 0);
    explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT startPage = 0);

    // Pages may be added and removed before and while the sheet is open; the page objects
    // belong to the caller.
    void AddPage(CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    bool SetActivePage(int index);
    // The tab captions in order, as shown.
    std::vector<std::string> GetTabTexts() const;
    void SetTitle(const std::string& title);
    // PSBTN_OK, PSBTN_CANCEL, PSBTN_HELP, ...
    void PressButton(int button);

    // Runs the sheet modally (the installed modal driver acts instead of a person when there
    // is one). Answers IDOK when OK was accepted, IDCANCEL, IDABORT when a driver left it
    // open, or -1 when it could not be created or OnInitSheet refused.
    virtual INT_PTR DoModal();
    // The sheet window exists (its pages not yet); false closes it at once.
    virtual BOOL OnInitSheet();

    bool m_hasHelp = false;
    bool m_showApply = false;

    void NoteApplied() { m_applied = true; }
    void NoteCancelled() { m_applied = false; }
    bool PreTranslateMessage(MSG& message) override;

protected:
    bool IsOpen() const;
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);

    std::string m_caption;
    CWnd* m_parent;
    UINT m_startPage;
    std::vector<CPropertyPage*> m_pages;
    bool m_applied = false;
};
