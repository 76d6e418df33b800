// CASTabWnd: the self-drawn tab window, a row of tabs along its top edge and one page below them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework.h"

// Sent to the owner after the user chose a tab: wParam the tab window's id, lParam the new index.
constexpr UINT kTabSelectedMessage = 1745;
// Sent to the page being shown: wParam the page being hidden (null when none).
constexpr UINT kPageShownMessage = 1746;
// Sent to the page being hidden: wParam the page being shown.
constexpr UINT kPageHiddenMessage = 1747;

// The tab font's description; double-byte systems get a larger font of their character set.
LOGFONTA TabLogFont(bool doubleByte, bool bold, const std::string& faceName);

class CASTabWnd : public CWnd {
public:
    static constexpr const char* kClassName = "ASTabWnd";
    // Where the tabs stand inside the client area, and how far the first tab is indented.
    static constexpr int kMarginX = 2;
    static constexpr int kMarginY = 2;
    static constexpr int kFirstTabIndent = 2;

    CASTabWnd();
    ~CASTabWnd() override;

    // Creates the tab window as a visible child of `owner` with `pageCount` empty tabs;
    // `extraStyle` is added to the child style.
    bool Create(HWND owner, const RECT& rect, UINT id, int pageCount, DWORD extraStyle = 0);

    // Replaces every tab by `count` empty ones; no tab is selected afterwards.
    void SetPageCount(int count);
    // Fills tab `index`. A width of -1 measures the caption; other widths below 1 are refused.
    // The page becomes a child of the tab window. 0, or -1 for a bad slot or width.
    int SetTab(int index, int width, const std::string& caption, HWND page, bool enabled);
    // The context menu of a tab: its first submenu pops up on a right click on the selected tab,
    // and its commands go to `commandWindow`.
    void SetTabMenu(int index, UINT menuId, HWND commandWindow);
    void EnableTab(int index, bool enabled);
    // Shows tab `index` and its page; the previous index, or -1 for a bad or disabled tab.
    // No notification reaches the owner.
    int Select(int index);

    int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
    int GetCurSel() const { return m_selected; }
    bool IsTabEnabled(int index) const;
    HWND GetPage(int index) const;
    const std::string& GetCaption(int index) const;
    int GetTabWidth(int index) const;
    int GetTextHeight() const { return m_textHeight; }
    // The tab under a client point, or -1.
    int HitTest(POINT point) const;
    // The tab's rectangle as laid out for the current client size (the selected tab's height).
    RECT GetTabRect(int index) const;
    // The area below the tab strip that the selected page fills.
    RECT GetPageRect() const;

    const MessageMap& GetMessageMap() const override;

protected:
    struct Tab {
        int width = 0;
        std::string caption;
        HWND page = nullptr;
        BOOL enabled = FALSE;
        RECT rect = {};
        UINT menuId = 0;
        HWND commandWindow = nullptr;
    };

    // Pops up a tab's context menu; a test replaces it to see what would be shown.
    virtual void TrackContextMenu(HMENU popup, POINT screenPoint, HWND commandWindow);

    int OnCreate(CREATESTRUCTA& create);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, POINT point);
    void OnMButtonDown(UINT flags, POINT point);
    void OnRButtonDown(UINT flags, POINT point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    void OnSetFocus(HWND previous);
    void OnKillFocus(HWND next);
    void OnSysColorChange();

    RECT InnerRect() const;
    void Layout();
    int StripBottom() const;
    // Sizes a page to the area below the strip.
    void PlacePage(HWND page) const;
    // The next enabled tab after `from` in `step` direction, wrapping; -1 when there is none.
    int NextEnabled(int from, int step) const;
    // A selection made by the user: selects and tells the owner.
    void SelectByUser(int index);
    void InvalidateTab(int index);
    void InvalidateStrip();

    void Draw(HDC dc);
    void DrawTab(HDC dc, int index);
    void MakeColours();
    void FreeColours();
    void MakeFonts();

    HWND m_owner = nullptr;
    UINT m_id = 0;
    int m_selected = -1;
    int m_textHeight = 0;
    std::vector<Tab> m_tabs;
    bool m_hasFocus = false;
    // Highlight, face, shadow and black, in that order, as brushes and as one-pixel pens.
    HBRUSH m_brushes[4] = {};
    HPEN m_pens[4] = {};
    HFONT m_font = nullptr;
    HFONT m_boldFont = nullptr;
};
