// Message maps: typed dispatch, chaining to the base map, defaults, faults and self-deletion.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework.h"

namespace {

RECT Area(int width, int height)
{
    return RECT {0, 0, width, height};
}

class CBasePane : public CWnd {
public:
    std::vector<std::string> calls;

    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(),
            {
                on::Timer(&CBasePane::OnTimer),
                on::Size(&CBasePane::OnSize),
            });
        return map;
    }
    void OnTimer(UINT_PTR id) { calls.push_back("base timer " + std::to_string(id)); }
    void OnSize(UINT type, int cx, int cy)
    {
        calls.push_back("base size " + std::to_string(type) + " " + std::to_string(cx) + "x" + std::to_string(cy));
    }
};

class CDerivedPane : public CBasePane {
public:
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CBasePane::GetMessageMap(),
            {
                on::Size(&CDerivedPane::OnSizeHere),
                on::LButtonDown(&CDerivedPane::OnLButtonDown),
                on::Message(WM_USER + 7, &CDerivedPane::OnCustom),
                on::Command(40001, &CDerivedPane::OnNew),
            });
        return map;
    }
    void OnSizeHere(UINT, int cx, int cy)
    {
        calls.push_back("derived size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnLButtonDown(UINT flags, POINT point)
    {
        calls.push_back(
            "click " + std::to_string(flags) + " at " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    LRESULT OnCustom(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam * 100 + lParam); }
    void OnNew() { calls.push_back("new"); }
};

TEST(MessageMap, TimerReachesTheTypedHandlerWithItsId)
{
    CBasePane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_POPUP, Area(100, 50), nullptr, 0));
    pane.calls.clear();
    pane.SendMessage(WM_TIMER, 6);
    ASSERT_EQ(1u, pane.calls.size());
    EXPECT_EQ("base timer 6", pane.calls[0]);
}

TEST(MessageMap, DerivedEntryWinsAndBaseEntriesStillAnswer)
{
    CDerivedPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_POPUP, Area(100, 50), nullptr, 0));
    pane.calls.clear();
    pane.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(320, 200));
    pane.SendMessage(WM_TIMER, 10);
    std::vector<std::string> expected = {"derived size 320x200", "base timer 10"};
    EXPECT_EQ(expected, pane.calls);
}

TEST(MessageMap, MouseAndRawMessagesAreDecoded)
{
    CDerivedPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_POPUP, Area(100, 50), nullptr, 0));
    pane.calls.clear();
    pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 17));
    EXPECT_EQ(std::vector<std::string> {"click 1 at -3,17"}, pane.calls);
    EXPECT_EQ(705, pane.SendMessage(WM_USER + 7, 7, 5));
}

TEST(MessageMap, CommandFromMenuAndAcceleratorReachTheHandler)
{
    CDerivedPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_POPUP, Area(100, 50), nullptr, 0));
    pane.calls.clear();
    pane.SendMessage(WM_COMMAND, MAKEWPARAM(40001, 0), 0);
    pane.SendMessage(WM_COMMAND, MAKEWPARAM(40001, 1), 0);
    pane.SendMessage(WM_COMMAND, MAKEWPARAM(40002, 0), 0);
    EXPECT_EQ((std::vector<std::string> {"new", "new"}), pane.calls);
}

TEST(MessageMap, UnmappedMessagesGetTheDefaultProcessing)
{
    CDerivedPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "first", WS_POPUP, Area(100, 50), nullptr, 0));
    pane.SetWindowText("second title");
    EXPECT_EQ("second title", pane.GetWindowText());
}

class CThrowingPane : public CWnd {
public:
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(), {on::Message(WM_USER + 1, &CThrowingPane::OnBoom)});
        return map;
    }
    LRESULT OnBoom(WPARAM, LPARAM) { throw std::runtime_error("boom"); }
};

TEST(MessageMap, AnExceptionStopsAtTheWindowProcedure)
{
    CThrowingPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_POPUP, Area(10, 10), nullptr, 0));
    int before = FaultCount();
    EXPECT_EQ(0, pane.SendMessage(WM_USER + 1));
    EXPECT_EQ(before + 1, FaultCount());
    EXPECT_TRUE(IsWindow(pane.m_hWnd));
}

class CSelfDeletingPane : public CWnd {
public:
    explicit CSelfDeletingPane(int& alive) : m_alive(alive)
    {
        ++m_alive;
        SetAutoDelete(true);
    }
    ~CSelfDeletingPane() override { --m_alive; }

private:
    int& m_alive;
};

TEST(MessageMap, SelfDeletingPaneGoesWithItsWindow)
{
    int alive = 0;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, Area(100, 100), nullptr, 0));
    auto* pane = new CSelfDeletingPane(alive);
    ASSERT_TRUE(pane->Create(nullptr, "", WS_VISIBLE, Area(50, 50), &parent, 5));
    HWND window = pane->m_hWnd;
    EXPECT_EQ(pane, CWnd::FromHandlePermanent(window));
    EXPECT_EQ(1, alive);
    parent.DestroyWindow();
    EXPECT_EQ(0, alive);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window));
}

class CUpperEdit : public CWnd {
public:
    int setTexts = 0;
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(), {on::Message(WM_SETTEXT, &CUpperEdit::OnSetText)});
        return map;
    }
    LRESULT OnSetText(WPARAM, LPARAM)
    {
        ++setTexts;
        return Default();
    }
};

TEST(MessageMap, SubclassedSystemControlKeepsItsOwnBehaviour)
{
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, edit);
    {
        CUpperEdit wrapper;
        ASSERT_TRUE(wrapper.SubclassWindow(edit));
        SetWindowTextA(edit, "typed");
        EXPECT_EQ(1, wrapper.setTexts);
        EXPECT_EQ("typed", wrapper.GetWindowText());
        EXPECT_EQ(edit, wrapper.UnsubclassWindow());
    }
    // After the object has gone the control still works on its own.
    SetWindowTextA(edit, "alone");
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ("alone", text);
    DestroyWindow(edit);
}

TEST(MessageMap, AttachedWindowIsFoundButNotDestroyedByTheObject)
{
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    {
        CWnd wrapper;
        ASSERT_TRUE(wrapper.Attach(host));
        EXPECT_EQ(&wrapper, CWnd::FromHandlePermanent(host));
        CWnd second;
        EXPECT_FALSE(second.Attach(host));
    }
    EXPECT_TRUE(IsWindow(host));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(host));
    DestroyWindow(host);
}

}  // namespace
