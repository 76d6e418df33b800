// CToolBar: a row of bitmap buttons and separators, with room for an embedded combo box.
#pragma once

#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "control_bar.h"
#include "framework_ids.h"

class CToolBar : public CControlBar {
public:
    ~CToolBar() override;

    bool Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_TOOLBAR);
    // Button face and image sizes in pixels (set before LoadBitmap).
    void SetSizes(SIZE button, SIZE image);
    // The strip of button images from the module's resources, one image per non-separator
    // button; pixels of the classic face grey (192, 192, 192) are transparent.
    static constexpr COLORREF kStripFaceGrey = RGB(192, 192, 192);
    bool LoadBitmap(UINT bitmapId);
    // The buttons in order; ID_SEPARATOR makes a separator.
    bool SetButtons(const UINT* ids, int count);
    // Turns item `index` into a separator of `width` pixels (a place for a control).
    void SetSeparatorWidth(int index, int width, UINT placeId = 0);
    // Creates a combo box standing on item `index`, which becomes a separator of `width`.
    // Its notifications reach the frame as the combo's own WM_COMMAND.
    HWND AddComboBox(int index, int width, UINT comboId, DWORD style, int dropHeight);
    void SetHeight(int height) { m_height = height; }

    int GetButtonCount() const;
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    RECT GetItemRect(int index) const;
    bool IsButtonEnabled(UINT id) const;
    bool IsButtonChecked(UINT id) const;

    int CalcHeight() const override;
    void OnUpdateCmdUI(CCmdTarget& target, bool disableIfNoHandler) override;
    const MessageMap& GetMessageMap() const override;

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnEraseBackground(HDC dc);

private:
    SIZE m_buttonSize = {23, 22};
    SIZE m_imageSize = {16, 15};
    int m_height = 0;
    HIMAGELIST m_images = nullptr;
    std::vector<HWND> m_controls;
};
