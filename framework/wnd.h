// CWnd: a non-copyable object wrapping one HWND, with message-map dispatch.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "cmd_target.h"

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Binding to a window: Attach only associates (no messages reach the object);
    // SubclassWindow also routes the window's messages through the message map.
    bool Attach(HWND window);
    HWND Detach();
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    static CWnd* FromHandlePermanent(HWND window);
    // Every window bound to an object of this module, in no particular order.
    static std::vector<HWND> PermanentWindows();

    // Creation. A class registered with RegisterWindowClass gets its messages from the
    // first one on; a system class (EDIT, a common control) is subclassed once created.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
        UINT idOrMenu, void* param = nullptr);
    bool Create(const char* className, const char* title, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Registers a window class of this module with the framework's window procedure, once.
    static bool RegisterWindowClass(
        const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon = nullptr);
    // The framework's general class ("VexWnd": double clicks, arrow cursor, no background).
    static const char* DefaultClassName();
    BOOL DestroyWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT Default();  // the default processing of the message being handled

    // Timers, fonts, text.
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds);
    BOOL KillTimer(UINT_PTR id);
    void SetFont(HFONT font, bool redraw = true);
    HFONT GetFont() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // Dialog items.
    HWND GetDlgItem(int id) const;
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void EnableDlgItem(int id, bool enable);

    // Geometry and state.
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void MoveWindow(const RECT& rect, bool repaint = true);
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    BOOL ShowWindow(int command);
    BOOL EnableWindow(bool enable = true);
    bool IsWindowVisible() const;
    bool IsWindowEnabled() const;
    void Invalidate(bool erase = true);
    void UpdateWindow();
    HWND SetFocus();
    HWND GetParent() const;
    // Centres on `alternate`, else on the owner or parent, else on the screen; stays on the screen.
    void CenterWindow(HWND alternate = nullptr);
    int GetDlgCtrlID() const;

    // Data exchange between the window's controls and its data (dialogs, form views, pages).
    virtual void DoDataExchange(CDataExchange& exchange);
    bool UpdateData(bool saveAndValidate = true);

    // Keyboard translation before dispatch; the default translates nothing.
    virtual bool PreTranslateMessage(MSG& message);
    // Offers the message to the windows from its target up to (not including) `stop`.
    static bool WalkPreTranslateTree(HWND stop, MSG& message);

    // A self-deleting object deletes itself after its window is destroyed.
    void SetAutoDelete(bool autoDelete) { m_autoDelete = autoDelete; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A message that a control sends to its parent, offered back to the control's own object
    // (owner-drawn buttons draw themselves).
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();

    static LRESULT CALLBACK FrameworkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The object whose window is about to be created by this thread (taken by the first message).
    static void SetCreating(CWnd* wnd);

    // Creates this object's window from a dialog template of `module`. With `childStyle`, a
    // popup template becomes a child window of that style (form views, embedded panes).
    bool CreateDialogWindow(HINSTANCE module, const char* templateName, HWND parent, DWORD childStyle = 0);
    // The dialog procedure of framework dialogs: it binds the object at WM_INITDIALOG and
    // subclasses the dialog, so that every later message comes through the message map.
    static INT_PTR CALLBACK DialogSetupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Binds and subclasses a dialog window in its WM_INITDIALOG and routes that message.
    INT_PTR BindDialog(HWND window, WPARAM wParam, LPARAM lParam);
    // The same for dialog procedures: nothing thrown leaves it.
    INT_PTR BindDialogSafely(HWND window, WPARAM wParam, LPARAM lParam);

    WNDPROC m_superProc = nullptr;
    bool m_autoDelete = false;

private:
    // Settles the binding after CreateWindowEx or CreateDialog made (or failed to make) the
    // window for this object; true when the object now owns a window.
    bool TakeCreated(HWND window);

    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current = {};
    bool m_ownsWindow = false;
};
