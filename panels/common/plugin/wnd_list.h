// CWndList: the pane window of both panels, a caption line above one content window or its alternate.
#pragma once

#include <windows.h>

#include <string>

#include "wnd.h"

// The pane's measures, from the letter size of its font.
struct WndListMetrics {
    int charWidth = 10;
    int charHeight = 10;
    int Margin() const { return charHeight / 2 + 2; }
    int CaptionBand(bool shown) const { return shown ? charHeight + Margin() / 2 - Margin() - 1 : 0; }
    // Where the content goes in a client area of that size; never a negative size.
    RECT ContentRect(int clientWidth, int clientHeight, bool captionShown) const;
};

class CWndList : public CWnd {
public:
    static constexpr const char* kClassName = "WndListClass";

    CWndList();
    // Creates the pane as a child of `parent`; false when its class cannot be registered.
    bool Create(CWnd* parent, const RECT& rect, UINT id, DWORD style = WS_CHILD | WS_VISIBLE);

    void SetContent(HWND content) { m_content = content; }
    void SetAlternateContent(HWND content) { m_alternate = content; }
    HWND Content() const { return m_content; }
    HWND AlternateContent() const { return m_alternate; }
    // Shows or hides the caption; a text replaces the old one. The next layout follows it.
    void SetCaption(bool show, const char* text = nullptr);
    void SetCaptionEnabled(bool enabled);
    const std::string& CaptionText() const { return m_caption; }
    bool CaptionShown() const { return m_captionShown; }
    const WndListMetrics& Metrics() const { return m_metrics; }
    // Moves the content windows to the content rectangle of the current client size.
    void Layout();

    const MessageMap& GetMessageMap() const override;

protected:
    int OnCreate(CREATESTRUCTA& create);
    void OnSize(UINT type, int width, int height);
    void OnPaint();
    void OnSetFocus(HWND previous);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);

private:
    void LayoutTo(int width, int height);
    void MeasureFont();
    RECT CaptionArea() const;

    std::string m_caption;
    bool m_captionShown = false;
    bool m_enabled = true;
    HFONT m_font = nullptr;
    HWND m_content = nullptr;
    HWND m_alternate = nullptr;
    WndListMetrics m_metrics;
};
