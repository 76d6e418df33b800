// CBitmapButton: an owner-drawn button showing bitmaps named with the "U", "D", "F", "X" suffixes.
#pragma once

#include <string>

#include "wnd.h"

class CBitmapButton : public CWnd {
public:
    ~CBitmapButton() override;

    // Loads `name` + "U" (up, required), then "D" (down), "F" (focused), "X" (disabled) when
    // the module has them.
    bool LoadBitmaps(const std::string& name);
    // Binds the dialog's button `id` (owner-drawn) and loads the bitmaps named by its text.
    bool AutoLoad(UINT id, CWnd* parent);
    // Sizes the button to its up bitmap, keeping its position.
    void SizeToContent();
    SIZE GetBitmapSize() const;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(const DRAWITEMSTRUCT& item);
    void Free();

    HBITMAP m_up = nullptr;
    HBITMAP m_down = nullptr;
    HBITMAP m_focus = nullptr;
    HBITMAP m_disabled = nullptr;
};
