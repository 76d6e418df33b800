// The broadcast configuration sheet over recorded calls: the record's units, the save order, the sync and the failure texts.
// The entries header brings winsock2.h, which must come before windows.h.
#include "table_entries_for_tests.h"

#include <gtest/gtest.h>

#include <cstring>

#include "broadcast_sheet.h"
#include "modal_script.h"
#include "qvctrl.h"
#include "recording_service_calls.h"
#include "scripted_prompter.h"
#include "service_config_ids.h"
#include "ui_actions.h"

namespace {

std::vector<BYTE> Broadcast(DWORD protocols, DWORD heartbeat, DWORD discover)
{
    std::vector<BYTE> bytes(32);
    const DWORD fields[] = {protocols, heartbeat, discover};
    std::memcpy(bytes.data(), fields, 12);
    for (int i = 12; i < 32; ++i)
        bytes[i] = BYTE(0xA0 + i);  // the service's own bytes, which must come back unchanged
    return bytes;
}

class BroadcastSheetTest : public ::testing::Test {
protected:
    BroadcastSheetTest()
    {
        m_calls.bcast = Broadcast(3, 300, 24);
        m_calls.tables[2] = BytesOf(std::vector<IpNetEntry> {IpNet("192.168.1.0", "255.255.255.0")});
    }
    INT_PTR Run(const ConfigTarget& target)
    {
        CBroadcastSheet sheet(m_calls, m_calls, target);
        return sheet.DoModal();
    }
    // Shows each page of `pages` in turn, then the first, runs `act` there and presses OK.
    template <class Act> void ShowPages(std::vector<int> pages, Act act)
    {
        m_script.Then([pages, act](CWnd& modal) {
            auto& sheet = static_cast<CPropertySheet&>(modal);
            for (int index : pages)
                sheet.SetActivePage(index);
            sheet.SetActivePage(0);
            act(sheet);
            sheet.PressButton(PSBTN_OK);
        });
    }

    RecordingServiceCalls m_calls;
    ScriptedPrompter m_prompter;
    ModalScript m_script;
};

}  // namespace

TEST_F(BroadcastSheetTest, TheRecordShowsInMinutesAndHoursAndGoesBackWithItsOtherBytes)
{
    std::string title;
    std::vector<std::string> tabs;
    bool mailslots = false, tcpIp = false;
    int heartbeat = -1, discover = -1;
    ShowPages({}, [&](CPropertySheet& sheet) {
        HWND page = sheet.GetPage(0)->m_hWnd;
        char text[128] = {};
        GetWindowTextA(sheet.m_hWnd, text, sizeof text);
        title = text;
        tabs = sheet.GetTabTexts();
        mailslots = IsDlgButtonChecked(page, IDC_BCAST_MAILSLOTS) == BST_CHECKED;
        tcpIp = IsDlgButtonChecked(page, IDC_BCAST_TCPIP) == BST_CHECKED;
        heartbeat = int(SendDlgItemMessageA(page, IDC_BCAST_HEARTBEAT, QVM_GETVALUE, 0, 0));
        discover = int(SendDlgItemMessageA(page, IDC_BCAST_DISCOVER, QVM_GETVALUE, 0, 0));
        CheckDlgButton(page, IDC_BCAST_MAILSLOTS, BST_UNCHECKED);
        TypeText(page, IDC_BCAST_HEARTBEAT, "4000");
        TypeText(page, IDC_BCAST_DISCOVER, "48");
    });
    EXPECT_EQ(IDOK, Run({TargetKind::kSingleServer, "ALPHA", "ALPHA"}));
    EXPECT_EQ("Broadcast Configuration for Single Server: ALPHA", title);
    EXPECT_EQ(
        (std::vector<std::string> {"Broadcast Configuration", "NT Domains", "IP SubNets", "IP SubNet Masks"}), tabs);
    EXPECT_TRUE(mailslots && tcpIp);
    EXPECT_EQ(5, heartbeat);
    EXPECT_EQ(24, discover);
    // 3333 minutes at most, stored in seconds.
    EXPECT_EQ(Broadcast(2, 3333 * 60, 48), m_calls.bcast);
    const TableCall set = m_calls.Of("setbcast").at(0);
    EXPECT_EQ(32u, set.size);
    EXPECT_EQ(0u, set.domainWide);
}

TEST_F(BroadcastSheetTest, AServersSheetSavesItsTablesButNeverSynchronises)
{
    ShowPages({2, 3}, [](CPropertySheet&) {});
    EXPECT_EQ(IDOK, Run({TargetKind::kMemberServer, "BETA", "BETA"}));
    EXPECT_TRUE(m_calls.Of("sync").empty());
    EXPECT_EQ(2u, m_calls.Of("reload").size());
}

TEST_F(BroadcastSheetTest, ADomainsSheetSavesRecordThenTablesThenSynchronisesTheSavedOnes)
{
    std::string title;
    ShowPages({2, 3}, [&](CPropertySheet& sheet) {
        char text[128] = {};
        GetWindowTextA(sheet.m_hWnd, text, sizeof text);
        title = text;
    });
    EXPECT_EQ(IDOK, Run({TargetKind::kDomain, "SALES", "SALES"}));
    EXPECT_EQ("Broadcast Configuration for Domain: SALES", title);
    std::vector<std::string> order;
    for (const std::string& name : m_calls.Names())
        if (name != "load" && (order.empty() || order.back() != name))
            order.push_back(name);
    EXPECT_EQ((std::vector<std::string> {"getbcast", "setbcast", "save", "reload", "save", "reload", "sync"}), order);
    EXPECT_EQ(1u, m_calls.Of("setbcast").at(0).domainWide);
    // The NT domain page was not changed: only the IP nets and masks are synchronised, in mode 2.
    const TableCall sync = m_calls.Of("sync").at(0);
    EXPECT_EQ("SALES", sync.server);
    EXPECT_EQ(2u | 4u, sync.table);
    EXPECT_EQ(2u, sync.domainWide);
}

TEST_F(BroadcastSheetTest, ADomainWithNoTableSavedIsNotSynchronised)
{
    ShowPages({1}, [](CPropertySheet&) {});
    EXPECT_EQ(IDOK, Run({TargetKind::kDomain, "SALES", "SALES"}));
    EXPECT_TRUE(m_calls.Of("save").empty());
    EXPECT_TRUE(m_calls.Of("sync").empty());
}

TEST_F(BroadcastSheetTest, FailuresAreNamedAndTheSaveGoesOn)
{
    m_calls.failing = {{"getbcast", 1392}};
    m_prompter.Expect("Error Retrieving Service Configuration.");
    EXPECT_EQ(-1, Run({TargetKind::kSingleServer, "ALPHA", "ALPHA"}));
    EXPECT_EQ(1u, m_calls.calls.size());

    m_calls.calls.clear();
    m_calls.failing = {{"setbcast", 5}, {"sync", 5}};
    m_prompter.Expect("Error Saving Service Configuration.").Expect("Error Syncronizing Tables Across Domain.");
    ShowPages({2}, [](CPropertySheet&) {});
    EXPECT_EQ(IDOK, Run({TargetKind::kDomain, "SALES", "SALES"}));
    EXPECT_EQ(1u, m_calls.Of("save").size());
    EXPECT_EQ(2u, m_calls.Of("sync").at(0).table);
}

TEST_F(BroadcastSheetTest, CancelSavesNothing)
{
    m_script.Then([](CWnd& modal) { static_cast<CPropertySheet&>(modal).PressButton(PSBTN_CANCEL); });
    EXPECT_EQ(IDCANCEL, Run({TargetKind::kDomain, "SALES", "SALES"}));
    EXPECT_EQ((std::vector<std::string> {"getbcast"}), m_calls.Names());
}
