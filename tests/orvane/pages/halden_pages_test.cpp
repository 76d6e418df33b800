// The pager page, the SNMP page and Port Configuration against the real HALDEN.DLL in a scratch Alert home.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "al_tab_wnd.h"
#include "halden_alert_core.h"
#include "modal_script.h"
#include "pager_page.h"
#include "pager_record.h"
#include "pages_ids.h"
#include "port_setup_dlg.h"
#include "scratch_alert_home.h"
#include "snmp_page.h"
#include "snmp_record.h"
#include "test_program.h"
#include "scripted_prompter.h"
#include "ui_actions.h"

namespace {

class HaldenPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgramValues& values = TestProgram();
        m_savedCore = values.core;
        values.core = &core;
        DWORD size = sizeof values.serverName;
        GetComputerNameA(values.serverName, &size);
        values.SetApplicationName("ALERT");
        CPager::LastDate().clear();
        CSnmp::LastDate().clear();
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 700, 500}, nullptr, 0));
        OpenTab();
    }
    void TearDown() override
    {
        tab.reset();
        owner.DestroyWindow();
        TestProgram().core = m_savedCore;
    }
    void OpenTab()
    {
        tab = std::make_unique<CALTabWnd>(core, TestProgram().serverName);
        ASSERT_TRUE(tab->Create(owner.m_hWnd, RECT {0, 0, 640, 420}, 5, 1));
    }
    template <class P> std::unique_ptr<P> Open()
    {
        auto page = std::make_unique<P>(TestProgram());
        EXPECT_TRUE(page->CreateInTab(*tab, 0));
        tab->SetTab(0, -1, "Page", page->m_hWnd, true);
        tab->Select(0);
        page->Load(1);
        return page;
    }
    static std::vector<std::string> Rows(CRecipientPage& page)
    {
        std::vector<std::string> rows;
        for (int i = 0; i < page.List().ItemCount(); ++i)
            rows.push_back(page.List().GetItemText(i));
        return rows;
    }

    ScratchAlertHome home {std::string("pages-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()};
    HaldenAlertCore core;
    CWnd owner;
    std::unique_ptr<CALTabWnd> tab;
    ModalScript script;

private:
    AlertCore* m_savedCore = nullptr;
};

}  // namespace

TEST_F(HaldenPagesTest, APagerAddedThroughItsDialogIsKeptByTheCore)
{
    {
        auto page = Open<CPager>();
        EXPECT_EQ(0, page->List().ItemCount());
        script.Then([](CWnd& editor) {
            TypeText(editor.m_hWnd, IDC_PAGER_OWNER, "Night desk");
            TypeText(editor.m_hWnd, IDC_PAGER_NUMBER, "5550123");
            TypeText(editor.m_hWnd, IDC_PAGER_ID, "42");
            SendMessageA(editor.GetDlgItem(IDC_PAGER_CONNECT_SPIN), UDM_SETPOS32, 0, 2);
            Click(editor.m_hWnd, IDOK);
        });
        page->SendMessage(WM_COMMAND, ID_PAGER_NEW, 0);
        page->SendMessage(WM_COMMAND, ID_PAGER_TOGGLE, 0);
    }
    // A later session of the program reads what the core kept.
    tab.reset();
    CPager::LastDate().clear();
    OpenTab();
    auto again = Open<CPager>();
    EXPECT_EQ((std::vector<std::string> {"Alphanumeric\tNight desk\t5550123/42"}), Rows(*again));
    EXPECT_EQ(1, again->Enabled());
    const auto* record = reinterpret_cast<const PagerRecord*>(again->RecordAt(0));
    ASSERT_NE(nullptr, record);
    EXPECT_STREQ(",,", record->connectionDelay);
}

TEST_F(HaldenPagesTest, AnSnmpManagerAddedThroughItsDialogIsKeptByTheCore)
{
    {
        auto page = Open<CSnmp>();
        script.Then([](CWnd& editor) {
            TypeText(editor.m_hWnd, IDC_SNMP_NAME, "console");
            editor.CheckDlgButton(IDC_SNMP_VIA_IPX, BST_UNCHECKED);
            editor.CheckDlgButton(IDC_SNMP_VIA_IP, BST_CHECKED);
            const char* parts[4] = {"127", "0", "0", "1"};
            for (int i = 0; i < 4; ++i)
                TypeText(editor.m_hWnd, IDC_SNMP_IP_FIRST + i, parts[i]);
            Click(editor.m_hWnd, IDOK);
        });
        page->SendMessage(WM_COMMAND, ID_SNMP_NEW, 0);
    }
    tab.reset();
    CSnmp::LastDate().clear();
    OpenTab();
    auto again = Open<CSnmp>();
    EXPECT_EQ((std::vector<std::string> {"Via IP\tconsole"}), Rows(*again));
    const auto* record = reinterpret_cast<const SnmpRecord*>(again->RecordAt(0));
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(0, std::memcmp(record->ipAddress, "\x7F\x00\x00\x01", 4));
}

TEST_F(HaldenPagesTest, PortConfigurationWritesTheAlertHomesFilesAndTheDateGuardFollowsThem)
{
    {
        CPortSetupDlg dialog(TestProgram(), &owner);
        EXPECT_EQ(home.Path(), dialog.HomeDirectory());
        script.Then([](CWnd& modal) { Click(modal.m_hWnd, IDC_PORT_CLOSE); });
        dialog.DoModal();
    }
    EXPECT_EQ(1024u, ScratchAlertHome::ReadBytes(home.File("PORT.CFG")).size());
    EXPECT_EQ((std::vector<BYTE> {1, 0}), ScratchAlertHome::ReadBytes(home.File("PORTDEF.CFG")));

    // A second dialog reads the file back; another writer between its load and its save is refused.
    std::vector<BYTE> written;
    {
        CPortSetupDlg dialog(TestProgram(), &owner);
        script.Then([&](CWnd& modal) {
            std::vector<BYTE> other(1536, 0);
            other[0] = 2;
            ScratchAlertHome::WriteBytes(home.File("PORT.CFG"), other);
            written = other;
            Click(modal.m_hWnd, IDC_PORT_CLOSE);
        });
        ScriptedPrompter prompter;
        prompter.Expect("This new setting would not be accepted, because remote servers have changed the port "
                        "setting. Plesae do Port SetUp again");
        dialog.DoModal();
        EXPECT_TRUE(prompter.Done());
    }
    EXPECT_EQ(written, ScratchAlertHome::ReadBytes(home.File("PORT.CFG")));
}
