// A visible owner window that records what a column list sends it, and helpers to drive one.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "col_list.h"

struct OwnerMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const OwnerMessage& other) const
    {
        return message == other.message && wParam == other.wParam && lParam == other.lParam;
    }
};

class COwner : public CWnd {
public:
    std::vector<OwnerMessage> received;
    LRESULT keyAnswer = 0;  // what WM_VKEYTOITEM answers

    // Only the messages of one kind.
    std::vector<OwnerMessage> Of(UINT message) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The flags that make the Alert Manager's copy of the control.
constexpr DWORD kAlertManagerFlags =
    ColListFlags::kGlobalClass | ColListFlags::kKeysStayInList | ColListFlags::kPlainEmptyMessage;

class ColListTest : public ::testing::Test {
protected:
    static constexpr UINT kId = 1234;

    void SetUp() override;
    void TearDown() override;

    // Creates the control at (10, 10, 410, 210) with three columns 100, 50 and 80 wide.
    void Make(DWORD flags);
    // The rows' first fields, top to bottom.
    std::vector<std::string> Column(int column) const;
    // Paints everything that is waiting.
    void Paint();
    // Mouse messages in the control's or the list box's client coordinates.
    void MouseTo(HWND window, UINT message, int x, int y, WPARAM keys = 0);
    // The centre of a row, in list box coordinates.
    POINT RowPoint(int position, int x) const;

    COwner owner;
    std::unique_ptr<CColList> list;
};

void FlushQueue();

// Records the style and extended style of every list box created while it lives.
class ListBoxCreationSpy {
public:
    ListBoxCreationSpy();
    ~ListBoxCreationSpy();
    struct Created {
        DWORD style;
        DWORD exStyle;
    };
    std::vector<Created> created;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
};

// How many pixels of the window's client rectangle `area` have exactly this colour.
int CountPixels(HWND window, const RECT& area, COLORREF colour);
