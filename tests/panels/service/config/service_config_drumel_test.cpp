// Both sheets through the real DRUMEL.DLL on a scratch site: what OK leaves in a server's data folder.
// The entries header brings winsock2.h, which must come before windows.h.
#include "table_entries_for_tests.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "broadcast_sheet.h"
#include "conf_props.h"
#include "drumel.h"
#include "modal_script.h"
#include "scratch_site.h"
#include "scripted_prompter.h"
#include "service_config_ids.h"
#include "ui_actions.h"

namespace {

// The payload of the server's CONFIG.VXS: after the 16-byte envelope header.
std::vector<BYTE> StoredConfig(const ScratchSite& site, const std::string& server)
{
    std::ifstream file(site.DataFolder(server) + "\\VEXOMAR\\CONFIG.VXS", std::ios::binary);
    std::vector<BYTE> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return bytes.size() < 16 + 72 ? std::vector<BYTE>() : std::vector<BYTE>(bytes.begin() + 16, bytes.begin() + 88);
}

DWORD Field(const std::vector<BYTE>& payload, size_t offset)
{
    DWORD value = 0;
    if (payload.size() >= offset + 4)
        std::memcpy(&value, payload.data() + offset, 4);
    return value;
}

DWORD StartType(const std::string& server)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, ("Vexomar Service (" + server + ")").c_str(), SERVICE_QUERY_CONFIG);
    DWORD type = 0;
    if (service) {
        union {
            QUERY_SERVICE_CONFIGA config;
            BYTE room[8192];
        } buffer;
        DWORD needed = 0;
        if (QueryServiceConfigA(service, &buffer.config, sizeof buffer, &needed))
            type = buffer.config.dwStartType;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return type;
}

}  // namespace

TEST(ServiceConfigOverDrumel, TheChangedRecordsAreInTheServersDataFolderAndItsStartTypeFollows)
{
    ScratchSite site;
    site.Install({"ALPHA"});
    DrumelServiceCalls calls;
    CConfProps sheet(calls, {TargetKind::kSingleServer, "ALPHA", "ALPHA"});
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<CPropertySheet&>(modal);
        HWND service = shown.GetPage(0)->m_hWnd;
        CheckRadioButton(service, IDC_STARTUP_AUTOMATIC, IDC_STARTUP_MANUAL, IDC_STARTUP_AUTOMATIC);
        TypeText(service, IDC_HOLD_DAYS, "3");
        TypeText(service, IDC_SERVER_TIMEOUT, "15");
        shown.SetActivePage(2);
        HWND scan = shown.GetPage(2)->m_hWnd;
        TypeText(scan, IDC_LOG_MAX_MESSAGES, "150");
        CheckDlgButton(scan, IDC_LOG_INFORMATIONAL, BST_UNCHECKED);
        shown.PressButton(PSBTN_OK);
    });
    ASSERT_EQ(IDOK, sheet.DoModal());
    const std::vector<BYTE> stored = StoredConfig(site, "ALPHA");
    ASSERT_EQ(72u, stored.size());
    EXPECT_EQ(3u, Field(stored, 0));
    EXPECT_EQ(900u, Field(stored, 4));
    EXPECT_EQ(1u, Field(stored, 8));
    // The event log went back as the service's defaults, the scan log as changed.
    EXPECT_EQ(500u, Field(stored, 12));
    EXPECT_EQ(150u, Field(stored, 24));
    EXPECT_EQ(30u, Field(stored, 28));
    EXPECT_EQ(3u, Field(stored, 32));
    EXPECT_EQ(DWORD(SERVICE_AUTO_START), StartType("ALPHA"));
    // And another sheet reads back what was written.
    ServiceConfigRecord reread {};
    EXPECT_EQ(0u, calls.GetConfig(ConfigRecordKind::kService, "ALPHA", &reread, 12));
    EXPECT_EQ(900u, reread.serverTimeoutSeconds);
}

TEST(ServiceConfigOverDrumel, ADomainsSheetCopiesItsRecordAndTablesToEveryServer)
{
    ScratchSite site;
    DrumelServiceCalls calls;
    CBroadcastSheet sheet(calls, calls, {TargetKind::kDomain, "SALES", "SALES"});
    ScriptedPrompter prompter;
    ModalScript script;
    script.Then([](CWnd& modal) {
        auto& shown = static_cast<CPropertySheet&>(modal);
        TypeText(shown.GetPage(0)->m_hWnd, IDC_BCAST_HEARTBEAT, "7");
        shown.SetActivePage(3);
        auto* masks = static_cast<CBroadcastTablePage*>(shown.GetPage(3));
        SendMessageA(masks->List().ListBox(), WM_KEYDOWN, VK_INSERT, 0);
        shown.PressButton(PSBTN_OK);
    });
    script.Then([](CWnd& entry) {
        TypeText(entry.m_hWnd, 1003, "255.255.240.0");
        Click(entry.m_hWnd, IDOK);
    });
    // The entry dialog runs inside the sheet's step, so it is driven before OK is pressed.
    ASSERT_EQ(IDOK, sheet.DoModal());
    const std::vector<BYTE> expected = BytesOf(std::vector<IpMaskEntry> {IpMask("255.255.240.0")});
    for (const char* server : {"ALPHA", "BETA"}) {
        const std::vector<BYTE> stored = StoredConfig(site, server);
        ASSERT_EQ(72u, stored.size()) << server;
        EXPECT_EQ(420u, Field(stored, 40)) << server;
        std::vector<BYTE> table(24 * 32);
        DWORD count = 0;
        ASSERT_EQ(0u, VexomarTableLoad(server, 4, table.data(), DWORD(table.size()), 0, 32, &count)) << server;
        table.resize(size_t(count) * 24);
        EXPECT_EQ(expected, table) << server;
    }
    // GAMMA is in another domain: its settings are untouched (no file yet means the defaults).
    const std::vector<BYTE> gamma = StoredConfig(site, "GAMMA");
    EXPECT_TRUE(gamma.empty() || Field(gamma, 40) == 300u);
}
