// A scratch Alert home behind the recording core, and a configuration tab window for the pages.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "al_tab_wnd.h"
#include "scratch_alert_home.h"
#include "fake_alert_core.h"
#include "port_file.h"
#include "test_program.h"

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What AlertGetCFGDate answers from now on, for every item.
    void SetDate(const std::string& date);
    // The port file's bytes, or an empty vector when there is none.
    std::vector<BYTE> PortFileBytes() const;
    void WritePortFile(const std::vector<PortRecord>& records, std::uint16_t nextId);
    static PortRecord Port(std::uint16_t id, int number, const char* description);
    std::string PortPath() const { return home->File("PORT.CFG"); }
    std::string DefaultPath() const { return home->File("PORTDEF.CFG"); }

    FakeAlertCore core;
    std::unique_ptr<ScratchAlertHome> home;
    CWnd owner;
    std::unique_ptr<CALTabWnd> tab;

private:
    AlertCore* m_savedCore = nullptr;
    char m_savedServer[64] = {};
    char m_savedApplication[24] = {};
};

// A page of class P in the configuration tab, loaded once as the frame does.
template <class P> class PageTest : public PagesTest {
protected:
    void OpenPage()
    {
        page = std::make_unique<P>(TestProgram());
        ASSERT_TRUE(page->CreateInTab(*tab, 0));
        tab->SetTab(0, -1, "Page", page->m_hWnd, true);
        tab->Select(0);
        page->Load(1);
    }
    void TearDown() override
    {
        page.reset();
        PagesTest::TearDown();
    }
    void Command(UINT id) { page->SendMessage(WM_COMMAND, id, 0); }
    void Select(int position) { SendMessageA(page->List().ListBox(), LB_SETCURSEL, position, 0); }
    int RowOf(const std::string& text)
    {
        for (int i = 0; i < page->List().ItemCount(); ++i)
            if (page->List().GetItemText(i).find(text) != std::string::npos)
                return i;
        return -1;
    }
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        for (int i = 0; i < page->List().ItemCount(); ++i)
            rows.push_back(page->List().GetItemText(i));
        return rows;
    }

    std::unique_ptr<P> page;
};
