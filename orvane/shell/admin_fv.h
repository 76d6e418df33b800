// CAdminFV: the base of the Alert Manager's configuration and log pages.
#pragma once

#include <windows.h>

#include "frame_page.h"
#include "framework.h"

class CASTabWnd;

// Every page shares the button-face colours and the sunken 3-D control edges, and is driven
// by the frame through Load and ReleaseItems.
class CAdminFV : public CFormView, public FramePage {
public:
    explicit CAdminFV(UINT templateId);
    ~CAdminFV() override;

    // Loads the page's data from the alert core and shows it. `first` is 1 exactly once, right
    // after creation (the page then makes its list window and timers), and 0 on every reload.
    void Load(int first) override;
    // Frees every record the page holds.
    void ReleaseItems() override;
    CWnd& PageWindow() override { return *this; }
    SIZE NaturalSize() const override { return GetTotalSize(); }

    bool Create(CWnd* parent, const RECT& rect, UINT id = AFX_IDW_PANE_FIRST, DWORD style = WS_CHILD | WS_VISIBLE,
        CDocument* document = nullptr) override;
    // Creates the page as a visible, untitled child of its tab window, with the tab index as id.
    bool CreateInTab(CASTabWnd& tab, int index) override;

    COLORREF FaceColour() const { return m_faceColour; }
    HBRUSH FaceBrush() const { return m_faceBrush; }

    const MessageMap& GetMessageMap() const override;

protected:
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind);
    // Gives bordered edit boxes and lists of the template a sunken edge instead of a flat line.
    void Apply3dLook();

    COLORREF m_faceColour;
    HBRUSH m_faceBrush;
};
