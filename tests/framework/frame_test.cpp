// Frames: the command chain, idle updates of toolbar, status bar and menus, layout, views.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_app.h"
#include "test_resource.h"
#include "ui_actions.h"

namespace {

std::vector<std::string> g_log;

class CTestDoc : public CDocument {
public:
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CDocument::GetMessageMap(),
            {
                on::Command(ID_TEST_DOC, &CTestDoc::OnDoc),
                on::Command(ID_TEST_ALL, &CTestDoc::OnDoc),
            });
        return map;
    }
    void OnDoc() { g_log.push_back("doc"); }
};

class CTestView : public CView {
public:
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CView::GetMessageMap(),
            {
                on::Command(ID_TEST_VIEW, &CTestView::OnView),
                on::Command(ID_TEST_ALL, &CTestView::OnView),
            });
        return map;
    }
    void OnView() { g_log.push_back("view"); }
};

class CTestFrame : public CFrameWnd {
public:
    CToolBar toolBar;
    CStatusBar statusBar;
    bool newEnabled = true;
    int checkState = 0;
    std::string stateText = "Service : Started";
    int newCount = 0;
    int comboChanges = 0;
    HWND combo = nullptr;

    bool Build(UINT menuId = IDR_MAIN)
    {
        if (!Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, RECT {0, 0, 400, 300}, nullptr, menuId))
            return false;
        static const UINT buttons[] = {ID_TEST_NEW, ID_TEST_CHECK, ID_SEPARATOR, ID_TEST_ORPHAN, ID_SEPARATOR};
        if (!toolBar.Create(this) || !toolBar.LoadBitmap(IDB_TOOLBAR) || !toolBar.SetButtons(buttons, 5))
            return false;
        combo = toolBar.AddComboBox(4, 120, 61244, CBS_DROPDOWNLIST | WS_VSCROLL, 128);
        static const UINT panes[] = {ID_SEPARATOR, IDS_INDICATOR_STATE, ID_INDICATOR_CAPS};
        if (!statusBar.Create(this) || !statusBar.SetIndicators(panes, 3))
            return false;
        AddControlBar(&toolBar);
        AddControlBar(&statusBar);
        RecalcLayout();
        return true;
    }

    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CFrameWnd::GetMessageMap(),
            {
                on::Command(ID_TEST_NEW, &CTestFrame::OnNew),
                on::Command(ID_TEST_CHECK, &CTestFrame::OnCheck),
                on::Command(ID_TEST_DOC, &CTestFrame::OnFrameLogged),
                on::Command(ID_TEST_ALL, &CTestFrame::OnFrameLogged),
                on::UpdateCommand(ID_TEST_NEW, &CTestFrame::OnUpdateNew),
                on::UpdateCommand(ID_TEST_CHECK, &CTestFrame::OnUpdateCheck),
                on::UpdateCommand(IDS_INDICATOR_STATE, &CTestFrame::OnUpdateState),
                on::ControlCode(61244, CBN_SELCHANGE, &CTestFrame::OnSelector),
            });
        return map;
    }
    void OnNew()
    {
        ++newCount;
        g_log.push_back("frame new");
    }
    void OnCheck() { }
    void OnFrameLogged() { g_log.push_back("frame"); }
    void OnUpdateNew(CCmdUI& ui) { ui.Enable(newEnabled); }
    void OnUpdateCheck(CCmdUI& ui) { ui.SetCheck(checkState); }
    void OnUpdateState(CCmdUI& ui) { ui.SetText(stateText); }
    void OnSelector() { ++comboChanges; }
};

void Send(CWnd& frame, UINT id, UINT code = 0)
{
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0);
}

TEST(CommandRouting, ActiveViewThenDocumentThenFrameThenApplication)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, RECT {0, 0, 300, 200}));
    CTestDoc document;
    CTestView view;
    ASSERT_TRUE(view.Create(&frame, RECT {0, 0, 100, 100}, AFX_IDW_PANE_FIRST, WS_CHILD | WS_VISIBLE, &document));
    frame.SetActiveView(&view);
    int appBefore = TestApp().appCommands;

    g_log.clear();
    Send(frame, ID_TEST_ALL);
    Send(frame, ID_TEST_DOC);
    Send(frame, ID_TEST_NEW);
    Send(frame, ID_TEST_APP);
    EXPECT_EQ((std::vector<std::string> {"view", "doc", "frame new"}), g_log);
    EXPECT_EQ(appBefore + 1, TestApp().appCommands);

    frame.SetActiveView(nullptr);
    g_log.clear();
    Send(frame, ID_TEST_ALL);
    Send(frame, ID_TEST_VIEW);
    EXPECT_EQ(std::vector<std::string> {"frame"}, g_log);
}

TEST(CommandRouting, ClickingAViewMakesItTheActiveView)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, RECT {0, 0, 300, 200}));
    CTestView view;
    ASSERT_TRUE(view.Create(&frame, RECT {0, 0, 100, 100}));
    EXPECT_EQ(nullptr, frame.GetActiveView());
    view.SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(frame.m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(&view, frame.GetActiveView());
    view.DestroyWindow();
    EXPECT_EQ(nullptr, frame.GetActiveView());
}

TEST(IdleUpdate, EnablesAndChecksToolbarButtons)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    frame.newEnabled = false;
    frame.checkState = 1;
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.toolBar.IsButtonEnabled(ID_TEST_NEW));
    EXPECT_TRUE(frame.toolBar.IsButtonChecked(ID_TEST_CHECK));
    EXPECT_TRUE(frame.toolBar.IsButtonEnabled(ID_TEST_CHECK));
    // A button whose command nobody handles is disabled.
    EXPECT_FALSE(frame.toolBar.IsButtonEnabled(ID_TEST_ORPHAN));

    frame.newEnabled = true;
    frame.checkState = 0;
    frame.toolBar.SendMessage(WM_IDLEUPDATECMDUI, 1);
    EXPECT_TRUE(frame.toolBar.IsButtonEnabled(ID_TEST_NEW));
    EXPECT_FALSE(frame.toolBar.IsButtonChecked(ID_TEST_CHECK));
}

TEST(IdleUpdate, ApplicationIdlePassReachesTheMainFramesBars)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    frame.ShowWindow(SW_SHOW);
    CWnd* saved = TestApp().m_pMainWnd;
    TestApp().m_pMainWnd = &frame;
    frame.newEnabled = false;
    frame.stateText = "Service : Paused";
    EXPECT_TRUE(TestApp().OnIdle(0));
    EXPECT_FALSE(TestApp().OnIdle(1));
    TestApp().m_pMainWnd = saved;
    EXPECT_FALSE(frame.toolBar.IsButtonEnabled(ID_TEST_NEW));
    EXPECT_EQ("Service : Paused", frame.statusBar.GetPaneText(1));
}

TEST(IdleUpdate, MenuItemsFollowTheirUpdateHandlersWhenThePopupOpens)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    HMENU popup = GetSubMenu(GetMenu(frame.m_hWnd), 0);
    frame.newEnabled = false;
    frame.checkState = 1;
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_TRUE(GetMenuState(popup, ID_TEST_NEW, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(popup, ID_TEST_CHECK, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(popup, ID_TEST_ORPHAN, MF_BYCOMMAND) & MF_GRAYED);

    frame.newEnabled = true;
    frame.checkState = 0;
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_FALSE(GetMenuState(popup, ID_TEST_NEW, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(popup, ID_TEST_CHECK, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(IdleUpdate, DisabledCommandFromAnAcceleratorDoesNothing)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    frame.newEnabled = false;
    Send(frame, ID_TEST_NEW, 1);
    EXPECT_EQ(0, frame.newCount);
    frame.newEnabled = true;
    Send(frame, ID_TEST_NEW, 1);
    EXPECT_EQ(1, frame.newCount);
}

TEST(IdleUpdate, MenuItemTextComesFromTheUpdateHandler)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    HMENU popup = GetSubMenu(GetMenu(frame.m_hWnd), 0);
    CCmdUI ui;
    ui.m_nID = ID_TEST_CHECK;
    ui.m_nIndex = 1;
    ui.m_pMenu = popup;
    ui.SetText("&Disable");
    char text[32] = {};
    GetMenuStringA(popup, ID_TEST_CHECK, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ("&Disable", text);
}

TEST(Accelerators, KeyOfTheFramesTableBecomesItsCommand)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    ASSERT_TRUE(frame.LoadAccelTable(IDR_ACCELERATORS));
    CWnd* saved = TestApp().m_pMainWnd;
    TestApp().m_pMainWnd = &frame;
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE savedControl = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG message = {frame.toolBar.m_hWnd, WM_KEYDOWN, 'N', 0x00310001, 0, {0, 0}};
    bool translated = TestApp().PreTranslateMessage(message);
    keys[VK_CONTROL] = savedControl;
    SetKeyboardState(keys);
    TestApp().m_pMainWnd = saved;
    EXPECT_TRUE(translated);
    EXPECT_EQ(1, frame.newCount);
}

TEST(StatusBar, IndicatorPaneIsMeasuredAndUpdatedAtIdle)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    EXPECT_EQ(frame.statusBar.MeasureText("Service : Stopping"), frame.statusBar.GetPaneWidth(1));
    EXPECT_EQ("Service : Stopping", frame.statusBar.GetPaneText(1));
    frame.UpdateCommandStates();
    EXPECT_EQ("Service : Started", frame.statusBar.GetPaneText(1));
    EXPECT_EQ(2, frame.statusBar.CommandToIndex(ID_INDICATOR_CAPS));
    // The CAP pane is sized for its text but shows it only while Caps Lock is on.
    EXPECT_EQ(frame.statusBar.MeasureText("CAP"), frame.statusBar.GetPaneWidth(2));
    bool capsOn = (GetKeyState(VK_CAPITAL) & 1) != 0;
    EXPECT_EQ(capsOn ? "CAP" : "", frame.statusBar.GetPaneText(2));
}

TEST(StatusBar, MenuSelectionShowsThePromptAndClosingShowsReady)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_NEW, MF_STRING),
        reinterpret_cast<LPARAM>(GetSubMenu(GetMenu(frame.m_hWnd), 0)));
    EXPECT_EQ("Make a new item", frame.statusBar.GetPaneText(0));
    frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ("Ready", frame.statusBar.GetPaneText(0));
}

TEST(FrameLayout, BarsTakeTheEdgesAndTheViewTheRest)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    CTestView view;
    ASSERT_TRUE(view.Create(&frame, RECT {0, 0, 10, 10}));
    frame.RecalcLayout();
    RECT client = frame.GetClientRect();
    int toolHeight = frame.toolBar.CalcHeight();
    int statusHeight = frame.statusBar.CalcHeight();
    RECT placed = view.GetWindowRect();
    MapWindowPoints(nullptr, frame.m_hWnd, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(toolHeight, placed.top);
    EXPECT_EQ(client.bottom - statusHeight, placed.bottom);
    EXPECT_EQ(client.right, placed.right);

    // The View menu's toggle hides the toolbar and the view grows into its place.
    Send(frame, ID_VIEW_TOOLBAR);
    placed = view.GetWindowRect();
    MapWindowPoints(nullptr, frame.m_hWnd, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_FALSE(frame.toolBar.IsWindowVisible());
    EXPECT_EQ(0, placed.top);
    CCmdUI state;
    state.m_nID = ID_VIEW_TOOLBAR;
    EXPECT_TRUE(state.DoUpdate(frame, true));
    EXPECT_TRUE(state.m_enabled);
}

TEST(ToolBar, EmbeddedComboStandsOnItsPlaceAndNotifiesTheFrame)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    ASSERT_NE(nullptr, frame.combo);
    EXPECT_EQ(frame.toolBar.m_hWnd, GetParent(frame.combo));
    RECT place = frame.toolBar.GetItemRect(4);
    EXPECT_EQ(120, place.right - place.left);
    SendMessageA(frame.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("DEFAULT"));
    SendMessageA(
        frame.toolBar.m_hWnd, WM_COMMAND, MAKEWPARAM(61244, CBN_SELCHANGE), reinterpret_cast<LPARAM>(frame.combo));
    EXPECT_EQ(1, frame.comboChanges);
    EXPECT_EQ(ID_SEPARATOR, frame.toolBar.GetItemID(2));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_ORPHAN), frame.toolBar.GetItemID(3));
}

TEST(FrameMenus, SwappingTheMenuBarKeepsBothMenus)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Build());
    HMENU other = LoadMenuA(ModuleInstance(), MAKEINTRESOURCEA(IDR_OTHER));
    HMENU first = frame.SwapMenu(other);
    EXPECT_EQ(other, GetMenu(frame.m_hWnd));
    EXPECT_TRUE(IsMenu(first));
    EXPECT_EQ(other, frame.SwapMenu(first));
    DestroyMenu(other);
}

class CTestForm : public CFormView {
public:
    CTestForm() : CFormView(IDD_FORM) { }
    std::string text = "form text";
    void DoDataExchange(CDataExchange& exchange) override { ExchangeText(exchange, IDC_FORM_EDIT, text, 20); }
};

TEST(FormView, ShowsItsTemplateAndScrollsWhenSmaller)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, RECT {0, 0, 300, 200}));
    CTestForm form;
    ASSERT_TRUE(form.Create(&frame, RECT {0, 0, 120, 80}));
    EXPECT_EQ("form text", form.GetDlgItemText(IDC_FORM_EDIT));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, static_cast<UINT>(form.GetDlgCtrlID()));
    EXPECT_TRUE(GetWindowLongA(form.m_hWnd, GWL_STYLE) & WS_CHILD);
    SIZE total = form.GetTotalSize();
    EXPECT_GT(total.cx, 120);
    EXPECT_GT(total.cy, 80);
    EXPECT_TRUE(GetWindowLongA(form.m_hWnd, GWL_STYLE) & WS_VSCROLL);

    HWND edit = form.GetDlgItem(IDC_FORM_EDIT);
    RECT before = {}, after = {};
    GetWindowRect(edit, &before);
    form.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    GetWindowRect(edit, &after);
    EXPECT_EQ(10, form.GetScrollPosition().y);
    EXPECT_EQ(before.top - 10, after.top);

    // Large enough: no scrolling, and the position goes back to the origin.
    form.MoveWindow(0, 0, total.cx + 40, total.cy + 40);
    EXPECT_EQ(0, form.GetScrollPosition().y);
    EXPECT_FALSE(GetWindowLongA(form.m_hWnd, GWL_STYLE) & WS_VSCROLL);
}

TEST(EditView, HoldsAndAppendsText)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, RECT {0, 0, 300, 200}));
    CEditView view;
    ASSERT_TRUE(view.Create(&frame, RECT {0, 0, 200, 100}));
    view.SetText("line one\r\n");
    view.AppendText("line two");
    EXPECT_EQ("line one\r\nline two", view.GetText());
    view.SetReadOnly();
    EXPECT_TRUE(GetWindowLongA(view.m_hWnd, GWL_STYLE) & ES_READONLY);
}

class CPanelFrame : public CFrameWnd { };

LRESULT CALLBACK HostFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefFrameProcA(window, GetWindow(window, GW_CHILD), message, wParam, lParam);
}

TEST(MDIChild, AttachesToAHostChildAndKeepsItsPanelSized)
{
    WNDCLASSA hostClass = {};
    hostClass.lpfnWndProc = HostFrameProc;
    hostClass.hInstance = ModuleInstance();
    hostClass.lpszClassName = "TestMdiHost";
    RegisterClassA(&hostClass);
    WNDCLASSA childClass = {};
    childClass.lpfnWndProc = DefMDIChildProcA;
    childClass.hInstance = ModuleInstance();
    childClass.lpszClassName = "TestMdiChild";
    RegisterClassA(&childClass);

    HWND host = CreateWindowExA(
        0, "TestMdiHost", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr, ModuleInstance(), nullptr);
    CLIENTCREATESTRUCT clientInfo = {nullptr, 1000};
    HWND client = CreateWindowExA(
        0, "MDICLIENT", "", WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, host, nullptr, ModuleInstance(), &clientInfo);
    HWND child =
        CreateMDIWindowA("TestMdiChild", "Service Manager", 0x06CF0000, 0, 0, 300, 200, client, ModuleInstance(), 0);
    ASSERT_NE(nullptr, child);

    CMDIChildWnd attached;
    ASSERT_TRUE(attached.AttachToHost(child));
    CPanelFrame panel;
    RECT area = attached.GetClientRect();
    ASSERT_TRUE(panel.Create(nullptr, "Service", WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE, area, &attached));
    MoveWindow(child, 0, 0, 350, 260, TRUE);
    RECT now = attached.GetClientRect();
    RECT panelRect = panel.GetClientRect();
    EXPECT_EQ(now.right, panelRect.right);
    EXPECT_EQ(now.bottom, panelRect.bottom);

    attached.MDIDestroy();
    EXPECT_EQ(nullptr, attached.m_hWnd);
    EXPECT_EQ(nullptr, panel.m_hWnd);
    DestroyWindow(host);
}

}  // namespace
