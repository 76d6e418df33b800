// The common set-up of the tab window tests: an owner, a tab window and four recording pages.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "as_tab_wnd.h"
#include "tab_recorder.h"

constexpr UINT kTabId = 77;
// Tab widths as given; each tab spans its width plus 6 pixels.
constexpr int kWidths[4] = {40, 50, 60, 30};

class TabWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordedTabMessages().clear();
        owner = CreateRecorder(nullptr, RECT {0, 0, 400, 300});
        ASSERT_TRUE(owner);
        ASSERT_TRUE(tab.Create(owner, RECT {0, 0, 300, 200}, kTabId, 4));
        const char* captions[4] = {"One", "Two", "Three", "Four"};
        for (int i = 0; i < 4; ++i) {
            pages[i] = CreateRecorder(owner, RECT {0, 0, 10, 10});
            ASSERT_EQ(0, tab.SetTab(i, kWidths[i], captions[i], pages[i], i != 2));
        }
    }

    void TearDown() override
    {
        tab.DestroyWindow();
        DestroyWindow(owner);
    }

    // The messages recorded since the last call.
    std::vector<TabMessage> Take()
    {
        std::vector<TabMessage> taken;
        taken.swap(RecordedTabMessages());
        return taken;
    }

    void ClickAt(UINT message, POINT point) { tab.SendMessage(message, 0, MAKELPARAM(point.x, point.y)); }

    // A point inside tab `index`, on the row where every tab can be hit.
    POINT InTab(int index) const
    {
        RECT rect = tab.GetTabRect(index);
        return POINT {(rect.left + rect.right) / 2, rect.top + 4};
    }

    void Key(UINT key) { tab.SendMessage(WM_KEYDOWN, key, 1); }

    HWND owner = nullptr;
    CASTabWnd tab;
    HWND pages[4] = {};
};
