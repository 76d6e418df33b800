// Option flags and owner messages of the column list window.
#pragma once

#include <windows.h>

// Messages the column list sends to its owner; wParam is always the control identifier.
constexpr UINT WM_COLLIST_HEADERCLICK = 1725;  // lParam: the clicked column
constexpr UINT WM_COLLIST_RBUTTON = 1727;  // lParam: screen x (low word), y (high word)
constexpr UINT WM_COLLIST_CHECK = 1728;  // lParam: the new check state

struct ColListFlags {
    static constexpr DWORD kFrame = 0x0001;  // sunken frame in the owner's client area
    static constexpr DWORD kHorizontalScroll = 0x0002;
    static constexpr DWORD kNotify = 0x0004;  // forward list notifications, send the messages above
    static constexpr DWORD kSortOnClick = 0x0008;
    static constexpr DWORD kKeepSelection = 0x0010;  // by item, across a re-sort
    static constexpr DWORD kRightClick = 0x0020;  // with kNotify
    static constexpr DWORD kCheckColumn = 0x0040;
    static constexpr DWORD kImages = 0x0080;
    static constexpr DWORD kChecks = 0x0100;  // check handling without the visible column
    static constexpr DWORD kMultipleSelection = 0x0200;
    static constexpr DWORD kExtendedSelection = 0x0400;
    static constexpr DWORD kNoSelection = 0x0800;  // no highlight and no focus rectangle

    // The Alert Manager's older copy of the control differs in three ways; each is a flag.
    // The window class is registered once per process with CS_GLOBALCLASS, by its remembered
    // atom, instead of once per module.
    static constexpr DWORD kGlobalClass = 0x00010000;
    // Key presses in the list stay with the list box: WM_VKEYTOITEM is not passed to the owner.
    static constexpr DWORD kKeysStayInList = 0x00020000;
    // The empty-list message is drawn in the default text colour whatever colour it is given.
    static constexpr DWORD kPlainEmptyMessage = 0x00040000;
    // All three: the copy the Alert Manager's windows use.
    static constexpr DWORD kAlertManagerCopy = kGlobalClass | kKeysStayInList | kPlainEmptyMessage;
};
