// The IP SubNets page through the real DRUMEL.DLL on a server of a scratch site.
#include <gtest/gtest.h>

#include "broadcast_table_calls.h"
#include "drumel.h"
#include "modal_script.h"
#include "scratch_site.h"
#include "scripted_prompter.h"
#include "table_entries_for_tests.h"
#include "table_sheet.h"

namespace {

std::vector<BYTE> StoredTable(const char* server, DWORD table, DWORD size, DWORD largest)
{
    std::vector<BYTE> bytes(size_t(size) * largest);
    DWORD count = 0;
    while (count < largest) {
        DWORD got = 0;
        if (VexomarTableLoad(server, table, bytes.data() + size_t(count) * size, (largest - count) * size, count,
                largest - count, &got) ||
            got == 0)
            break;
        count += got;
    }
    bytes.resize(size_t(count) * size);
    return bytes;
}

}  // namespace

TEST(BroadcastTablesOverDrumel, AFullIpNetTableWithTheServicesEntriesLoadsAndSavesByteForByte)
{
    ScratchSite site;
    std::vector<IpNetEntry> nets = SortedIpNets(4096);
    std::vector<BYTE> planted = BytesOf(nets);
    DWORD stored = 0;
    ASSERT_EQ(0u, VexomarTableSave("ALPHA", 2, planted.data(), DWORD(planted.size()), 4096, 1, 0, &stored));
    ASSERT_EQ(4096u, stored);

    DrumelTableCalls calls;
    CTableSheet sheet(calls, "ALPHA");
    ScriptedPrompter prompter;
    prompter.Expect("IPNet Table is Full").Expect("Delete ?");
    size_t rows = 0;
    std::string first, fifth;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<CTableSheet&>(modal);
        shown.SetActivePage(1);
        CBroadcastTablePage& page = shown.m_pages.IpNets();
        rows = size_t(page.List().ItemCount());
        first = page.List().GetItemText(0);
        fifth = page.List().GetItemText(5);
        SendMessageA(page.List().ListBox(), WM_KEYDOWN, VK_INSERT, 0);
        // The first row goes: the table has room again, and is saved without it.
        SendMessageA(page.List().ListBox(), WM_KEYDOWN, VK_DELETE, 0);
        shown.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(4096u, rows);
    EXPECT_EQ("10.100.100.100\t255.255.255.0\tNo\tAuto", first);
    EXPECT_EQ("10.100.100.105\t255.255.255.0\tYes\tAuto", fifth);
    EXPECT_EQ(2u, sheet.m_pages.Save());
    planted.erase(planted.begin(), planted.begin() + 24);
    EXPECT_EQ(planted, StoredTable("ALPHA", 2, 24, 4096));
}
