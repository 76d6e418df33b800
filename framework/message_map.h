// The message map: a static table of entries beside each class, chained to its base's table.
//
// A class declares `const MessageMap& GetMessageMap() const override;` and defines it as
//     const MessageMap& CPager::GetMessageMap() const {
//         static const MessageMap map(CAdminFV::GetMessageMap(), {
//             on::Command(IDC_NEW, &CPager::OnNew),
//             on::Timer(&CPager::OnTimer),
//         });
//         return map;
//     }
// Handlers receive decoded parameters.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

class CCmdTarget;
class CCmdUI;

struct MessageArgs {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;
    CCmdUI* ui;
    NMHDR* header;
};

enum class EntryKind { Message, Command, UpdateCommand, ControlCode, Notify };

using GenericHandler = void (CCmdTarget::*)();
using HandlerInvoker = LRESULT (*)(CCmdTarget&, GenericHandler, const MessageArgs&);

struct MessageEntry {
    EntryKind kind;
    UINT firstMessage;
    UINT lastMessage;
    UINT code;
    UINT firstId;
    UINT lastId;
    GenericHandler handler;
    HandlerInvoker invoke;
};

class MessageMap {
public:
    MessageMap(std::initializer_list<MessageEntry> entries);
    MessageMap(const MessageMap& base, std::initializer_list<MessageEntry> entries);

    // The first entry for a window message, searching this table and then its bases.
    const MessageEntry* FindMessage(UINT message) const;
    // The first command-like entry of the kind for the id and notification code.
    const MessageEntry* FindCommand(EntryKind kind, UINT id, UINT code) const;

private:
    const MessageMap* m_base;
    std::vector<MessageEntry> m_entries;
};

namespace on {
namespace detail {

// A member function pointer converted to another member function pointer type and back is
// the original pointer; the table stores one type and each entry's invoker restores its own.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
template <class Pointer> GenericHandler Erase(Pointer handler)
{
    return reinterpret_cast<GenericHandler>(handler);
}

template <class Pointer> Pointer Restore(GenericHandler handler)
{
    return reinterpret_cast<Pointer>(handler);
}
#pragma GCC diagnostic pop

template <class T, class Pointer> MessageEntry Window(UINT first, UINT last, Pointer handler, HandlerInvoker invoke)
{
    return MessageEntry {EntryKind::Message, first, last, 0, 0, 0, Erase(handler), invoke};
}

inline POINT PointOf(LPARAM lParam)
{
    return POINT {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace detail

// Any message, undecoded: the handler's result is the message's result.
template <class T> MessageEntry Message(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return detail::Window<T>(message, message, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) {
        return (static_cast<T&>(t).*detail::Restore<LRESULT (T::*)(WPARAM, LPARAM)>(h))(a.wParam, a.lParam);
    });
}

// A menu item, accelerator or push button (notification code 0).
template <class T> MessageEntry Command(UINT id, void (T::*handler)())
{
    return MessageEntry {EntryKind::Command, WM_COMMAND, WM_COMMAND, 0, id, id, detail::Erase(handler),
        [](CCmdTarget& t, GenericHandler h, const MessageArgs&) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)()>(h))();
            return 0;
        }};
}

template <class T> MessageEntry CommandRange(UINT first, UINT last, void (T::*handler)(UINT))
{
    return MessageEntry {EntryKind::Command, WM_COMMAND, WM_COMMAND, 0, first, last, detail::Erase(handler),
        [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(UINT)>(h))(a.id);
            return 0;
        }};
}

// The state of a command (enable, check, text), asked in the idle pass and for menus.
template <class T> MessageEntry UpdateCommand(UINT id, void (T::*handler)(CCmdUI&))
{
    return MessageEntry {EntryKind::UpdateCommand, WM_COMMAND, WM_COMMAND, 0, id, id, detail::Erase(handler),
        [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(CCmdUI&)>(h))(*a.ui);
            return 0;
        }};
}

template <class T> MessageEntry UpdateCommandRange(UINT first, UINT last, void (T::*handler)(CCmdUI&))
{
    MessageEntry entry = UpdateCommand(first, handler);
    entry.lastId = last;
    return entry;
}

// A control's WM_COMMAND notification (EN_CHANGE, CBN_SELCHANGE, ...).
template <class T> MessageEntry ControlCode(UINT id, UINT code, void (T::*handler)())
{
    MessageEntry entry = Command(id, handler);
    entry.kind = EntryKind::ControlCode;
    entry.code = code;
    return entry;
}

// A WM_NOTIFY notification; the handler's result is the notification's result.
template <class T> MessageEntry Notify(UINT id, UINT code, LRESULT (T::*handler)(NMHDR&))
{
    return MessageEntry {EntryKind::Notify, WM_NOTIFY, WM_NOTIFY, code, id, id, detail::Erase(handler),
        [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) {
            return (static_cast<T&>(t).*detail::Restore<LRESULT (T::*)(NMHDR&)>(h))(*a.header);
        }};
}

// A handler taking nothing and answering 0.
template <class T> MessageEntry Plain(UINT message, void (T::*handler)())
{
    return detail::Window<T>(
        message, message, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs&) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)()>(h))();
            return 0;
        });
}

template <class T> MessageEntry Create(int (T::*handler)(CREATESTRUCTA&))
{
    return detail::Window<T>(
        WM_CREATE, WM_CREATE, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            return (static_cast<T&>(t).*detail::Restore<int (T::*)(CREATESTRUCTA&)>(h))(
                *reinterpret_cast<CREATESTRUCTA*>(a.lParam));
        });
}

template <class T> MessageEntry Destroy(void (T::*handler)())
{
    return Plain(WM_DESTROY, handler);
}
template <class T> MessageEntry Close(void (T::*handler)())
{
    return Plain(WM_CLOSE, handler);
}
template <class T> MessageEntry Paint(void (T::*handler)())
{
    return Plain(WM_PAINT, handler);
}
template <class T> MessageEntry SysColorChange(void (T::*handler)())
{
    return Plain(WM_SYSCOLORCHANGE, handler);
}

template <class T> MessageEntry Size(void (T::*handler)(UINT, int, int))
{
    return detail::Window<T>(
        WM_SIZE, WM_SIZE, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(UINT, int, int)>(h))(
                static_cast<UINT>(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam));
            return 0;
        });
}

template <class T> MessageEntry Move(void (T::*handler)(int, int))
{
    return detail::Window<T>(
        WM_MOVE, WM_MOVE, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(int, int)>(h))(
                static_cast<short>(LOWORD(a.lParam)), static_cast<short>(HIWORD(a.lParam)));
            return 0;
        });
}

template <class T> MessageEntry Timer(void (T::*handler)(UINT_PTR))
{
    return detail::Window<T>(
        WM_TIMER, WM_TIMER, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(UINT_PTR)>(h))(a.wParam);
            return 0;
        });
}

template <class T> MessageEntry EraseBackground(BOOL (T::*handler)(HDC))
{
    return detail::Window<T>(
        WM_ERASEBKGND, WM_ERASEBKGND, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            return (static_cast<T&>(t).*detail::Restore<BOOL (T::*)(HDC)>(h))(reinterpret_cast<HDC>(a.wParam));
        });
}

// WM_SETFOCUS (the window losing it) and WM_KILLFOCUS (the window receiving it).
template <class T> MessageEntry FocusChange(UINT message, void (T::*handler)(HWND))
{
    return detail::Window<T>(
        message, message, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(HWND)>(h))(reinterpret_cast<HWND>(a.wParam));
            return 0;
        });
}
template <class T> MessageEntry SetFocus(void (T::*handler)(HWND))
{
    return FocusChange(WM_SETFOCUS, handler);
}
template <class T> MessageEntry KillFocus(void (T::*handler)(HWND))
{
    return FocusChange(WM_KILLFOCUS, handler);
}

// Mouse buttons and movement: key flags and the client point.
template <class T> MessageEntry Mouse(UINT message, void (T::*handler)(UINT, POINT))
{
    return detail::Window<T>(
        message, message, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(UINT, POINT)>(h))(
                static_cast<UINT>(a.wParam), detail::PointOf(a.lParam));
            return 0;
        });
}
template <class T> MessageEntry LButtonDown(void (T::*handler)(UINT, POINT))
{
    return Mouse(WM_LBUTTONDOWN, handler);
}
template <class T> MessageEntry LButtonUp(void (T::*handler)(UINT, POINT))
{
    return Mouse(WM_LBUTTONUP, handler);
}
template <class T> MessageEntry LButtonDblClk(void (T::*handler)(UINT, POINT))
{
    return Mouse(WM_LBUTTONDBLCLK, handler);
}
template <class T> MessageEntry RButtonDown(void (T::*handler)(UINT, POINT))
{
    return Mouse(WM_RBUTTONDOWN, handler);
}
template <class T> MessageEntry MButtonDown(void (T::*handler)(UINT, POINT))
{
    return Mouse(WM_MBUTTONDOWN, handler);
}
template <class T> MessageEntry MouseMove(void (T::*handler)(UINT, POINT))
{
    return Mouse(WM_MOUSEMOVE, handler);
}

// WM_KEYDOWN and WM_CHAR: the key, the repeat count and the flags of the high word.
template <class T> MessageEntry Key(UINT message, void (T::*handler)(UINT, UINT, UINT))
{
    return detail::Window<T>(
        message, message, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(UINT, UINT, UINT)>(h))(
                static_cast<UINT>(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam));
            return 0;
        });
}
template <class T> MessageEntry KeyDown(void (T::*handler)(UINT, UINT, UINT))
{
    return Key(WM_KEYDOWN, handler);
}
template <class T> MessageEntry Char(void (T::*handler)(UINT, UINT, UINT))
{
    return Key(WM_CHAR, handler);
}

// Every WM_CTLCOLOR* message: the control's DC, the control and its kind (CTLCOLOR_EDIT, ...).
template <class T> MessageEntry CtlColor(HBRUSH (T::*handler)(HDC, HWND, UINT))
{
    return detail::Window<T>(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, handler,
        [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            return reinterpret_cast<LRESULT>((static_cast<T&>(t).*detail::Restore<HBRUSH (T::*)(HDC, HWND, UINT)>(h))(
                reinterpret_cast<HDC>(a.wParam), reinterpret_cast<HWND>(a.lParam), a.message - WM_CTLCOLORMSGBOX));
        });
}

template <class T> MessageEntry ContextMenu(void (T::*handler)(HWND, POINT))
{
    return detail::Window<T>(
        WM_CONTEXTMENU, WM_CONTEXTMENU, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(HWND, POINT)>(h))(
                reinterpret_cast<HWND>(a.wParam), detail::PointOf(a.lParam));
            return 0;
        });
}

// WM_HSCROLL and WM_VSCROLL: the scroll code, the thumb position and the scroll bar (null for the window's own).
template <class T> MessageEntry Scroll(UINT message, void (T::*handler)(UINT, UINT, HWND))
{
    return detail::Window<T>(
        message, message, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(UINT, UINT, HWND)>(h))(
                LOWORD(a.wParam), HIWORD(a.wParam), reinterpret_cast<HWND>(a.lParam));
            return 0;
        });
}
template <class T> MessageEntry HScroll(void (T::*handler)(UINT, UINT, HWND))
{
    return Scroll(WM_HSCROLL, handler);
}
template <class T> MessageEntry VScroll(void (T::*handler)(UINT, UINT, HWND))
{
    return Scroll(WM_VSCROLL, handler);
}

template <class T> MessageEntry DrawItem(void (T::*handler)(UINT, DRAWITEMSTRUCT&))
{
    return detail::Window<T>(
        WM_DRAWITEM, WM_DRAWITEM, handler, [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(UINT, DRAWITEMSTRUCT&)>(h))(
                static_cast<UINT>(a.wParam), *reinterpret_cast<DRAWITEMSTRUCT*>(a.lParam));
            return TRUE;
        });
}

template <class T> MessageEntry GetMinMaxInfo(void (T::*handler)(MINMAXINFO&))
{
    return detail::Window<T>(WM_GETMINMAXINFO, WM_GETMINMAXINFO, handler,
        [](CCmdTarget& t, GenericHandler h, const MessageArgs& a) -> LRESULT {
            (static_cast<T&>(t).*detail::Restore<void (T::*)(MINMAXINFO&)>(h))(
                *reinterpret_cast<MINMAXINFO*>(a.lParam));
            return 0;
        });
}

}  // namespace on
