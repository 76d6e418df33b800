// The three pages in a sheet over recorded table calls: rows, keys, the entry dialogs, limits and saves.
#include <gtest/gtest.h>

#include "broadcast_entry_dlg.h"
#include "broadcast_tables_ids.h"
#include "extension_app.h"
#include "list_box.h"
#include "modal_script.h"
#include "recording_table_calls.h"
#include "scripted_prompter.h"
#include "table_entries_for_tests.h"
#include "table_sheet.h"
#include "ui_actions.h"

namespace {

CExtensionApp g_app("SERVICE");

enum PageIndex { kDomains = 0, kNets = 1, kMasks = 2 };

std::vector<std::string> Rows(CBroadcastTablePage& page)
{
    std::vector<std::string> rows;
    for (int i = 0; i < page.List().ItemCount(); ++i)
        rows.push_back(page.List().GetItemText(i));
    return rows;
}

void PressKey(CBroadcastTablePage& page, WORD key)
{
    SendMessageA(page.List().ListBox(), WM_KEYDOWN, key, 0);
}

void DoubleClick(CBroadcastTablePage& page)
{
    SendMessageA(page.List().m_hWnd, WM_COMMAND, MAKEWPARAM(CColList::kListId, LBN_DBLCLK),
        reinterpret_cast<LPARAM>(page.List().ListBox()));
}

void SelectRow(CBroadcastTablePage& page, int row)
{
    CListBox(page.List().ListBox()).SetCurSel(row);
}

// A step for the entry dialog: the fields typed, "Disable" set, OK pressed.
ModalScript::Step TypeEntry(std::vector<std::pair<int, std::string>> fields, bool disable = false)
{
    return [fields, disable](CWnd& dialog) {
        for (const auto& [id, text] : fields)
            TypeText(dialog.m_hWnd, id, text);
        CheckDlgButton(dialog.m_hWnd, IDC_ENTRY_DISABLE, disable ? BST_CHECKED : BST_UNCHECKED);
        Click(dialog.m_hWnd, IDOK);
    };
}

class TablePages : public ::testing::Test {
protected:
    // Opens the sheet at `index`, runs `act` on that page, and presses OK.
    template <class Act> void WithPage(int index, Act act)
    {
        m_script.Then([this, index, act](CWnd& modal) {
            auto& shown = static_cast<CTableSheet&>(modal);
            shown.SetActivePage(index);
            act(*static_cast<CBroadcastTablePage*>(shown.GetPage(index)));
            shown.PressButton(PSBTN_OK);
        });
    }
    INT_PTR Run() { return m_sheet.DoModal(); }
    CBroadcastTablePage& Page(int index) { return *static_cast<CBroadcastTablePage*>(m_sheet.GetPage(index)); }

    RecordingTableCalls m_calls;
    CTableSheet m_sheet {m_calls, "ALPHA"};
    ScriptedPrompter m_prompter;
    ModalScript m_script;
};

}  // namespace

TEST_F(TablePages, TheSheetShowsTheThreePagesAndLoadsOnlyThoseShown)
{
    m_calls.tables[2] = BytesOf(std::vector<IpNetEntry> {IpNet("192.168.1.0", "255.255.255.0"),
        IpNet("10.0.0.0", "255.0.0.0", 0, kOwnerAutomatic), IpNet("172.16.0.0", "255.255.0.0")});
    std::vector<std::string> tabs, rows;
    int selected = -1;
    std::vector<int> widths;
    WithPage(kNets, [&](CBroadcastTablePage& page) {
        tabs = m_sheet.GetTabTexts();
        rows = Rows(page);
        selected = page.SelectedRow();
        for (int i = 0; i < 4; ++i)
            widths.push_back(page.List().Columns()[i].width);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ((std::vector<std::string> {"NT Domains", "IP SubNets", "IP SubNet Masks"}), tabs);
    // Sorted by the network text; the service's entry shows as "Auto".
    EXPECT_EQ((std::vector<std::string> {"10.0.0.0\t255.0.0.0\tNo\tAuto", "172.16.0.0\t255.255.0.0\tYes\tUser",
                  "192.168.1.0\t255.255.255.0\tYes\tUser"}),
        rows);
    EXPECT_EQ(0, selected);
    // 14, 14, 8 and 10 units of one half character.
    const int unit = widths[2] / 8;
    EXPECT_GT(unit, 0);
    EXPECT_EQ((std::vector<int> {14 * unit, 14 * unit, 8 * unit, 10 * unit}), widths);
    // The mask page was never shown: its table was not read and is not saved.
    for (const TableCall& call : m_calls.Of("load"))
        EXPECT_NE(4u, call.table);
    EXPECT_FALSE(Page(kMasks).Initialised());
    m_calls.calls.clear();
    EXPECT_EQ(2u, m_sheet.m_pages.Save());
}

TEST_F(TablePages, InsertAddsAUserEntrySelectedAndOnlyShownAddressPagesSave)
{
    std::vector<std::string> rows;
    std::string title;
    bool disableShown = true;
    WithPage(kMasks, [&](CBroadcastTablePage& page) {
        PressKey(page, VK_INSERT);
        rows = Rows(page);
    });
    m_script.Then([&](CWnd& dialog) {
        title = dialog.GetWindowText();
        disableShown = dialog.IsDlgButtonChecked(IDC_ENTRY_DISABLE) == BST_CHECKED;
        TypeEntry({{IDC_ENTRY_MASK, "255.255.255.0"}})(dialog);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ("IP Mask", title);
    EXPECT_FALSE(disableShown);
    EXPECT_EQ((std::vector<std::string> {"255.255.255.0\tYes\tUser"}), rows);
    EXPECT_TRUE(Page(kMasks).Modified());
    m_calls.calls.clear();
    // The domain page was shown but not changed: only the mask table is stored.
    EXPECT_EQ(4u, m_sheet.m_pages.Save());
    EXPECT_EQ(BytesOf(std::vector<IpMaskEntry> {IpMask("255.255.255.0")}), m_calls.tables[4]);
    EXPECT_EQ(2u, m_calls.calls.size());
}

TEST_F(TablePages, TheThirtyThirdMaskIsRefusedAsAFullTable)
{
    m_calls.tables[4] = BytesOf(std::vector<IpMaskEntry>(32, IpMask("255.255.0.0")));
    m_prompter.Expect("IPMask Table is Full");
    DWORD count = 0;
    WithPage(kMasks, [&](CBroadcastTablePage& page) {
        PressKey(page, VK_INSERT);
        count = page.Count();
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ(32u, count);
    EXPECT_FALSE(Page(kMasks).Modified());
}

TEST_F(TablePages, DeletingTheOnlyRowSavesAnEmptyTableWithTheReplaceFlag)
{
    m_calls.tables[4] = BytesOf(std::vector<IpMaskEntry> {IpMask("255.255.0.0")});
    m_prompter.Expect("Delete ?", IDCANCEL).Expect("Delete ?", IDOK).Expect("Nothing Selected to Delete");
    std::vector<size_t> counts;
    WithPage(kMasks, [&](CBroadcastTablePage& page) {
        PressKey(page, VK_DELETE);
        counts.push_back(Rows(page).size());
        PressKey(page, VK_DELETE);
        counts.push_back(Rows(page).size());
        PressKey(page, VK_DELETE);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ((std::vector<size_t> {1, 0}), counts);
    EXPECT_EQ(0u, Page(kMasks).Count());
    m_calls.calls.clear();
    EXPECT_EQ(4u, m_sheet.m_pages.Save());
    EXPECT_EQ((std::vector<TableCall> {{"save", "ALPHA", 4, 0, 0, 0, 1, 0}, {"reload", "ALPHA", 4, 0, 0, 0, 0, 0}}),
        m_calls.calls);
}

TEST_F(TablePages, DeleteSelectsTheRowAbove)
{
    m_calls.tables[1] = BytesOf(std::vector<NtDomainEntry> {NtDomain("A"), NtDomain("B"), NtDomain("C")});
    m_prompter.Expect("Delete ?");
    int selected = -1;
    std::vector<std::string> rows;
    WithPage(kDomains, [&](CBroadcastTablePage& page) {
        SelectRow(page, 2);
        PressKey(page, VK_DELETE);
        selected = page.SelectedRow();
        rows = Rows(page);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ(1, selected);
    EXPECT_EQ((std::vector<std::string> {"A\tYes\tUser", "B\tYes\tUser"}), rows);
}

TEST_F(TablePages, ModifyingWithoutAChangeLeavesTheRowAndTheDomainTableUnsaved)
{
    m_calls.tables[1] = BytesOf(std::vector<NtDomainEntry> {NtDomain("SALES", 0, kOwnerUser)});
    bool disableShown = false;
    std::string shownName;
    WithPage(kDomains, [&](CBroadcastTablePage& page) { DoubleClick(page); });
    m_script.Then([&](CWnd& dialog) {
        disableShown = dialog.IsDlgButtonChecked(IDC_ENTRY_DISABLE) == BST_CHECKED;
        shownName = dialog.GetDlgItemText(IDC_ENTRY_NAME);
        Click(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_TRUE(disableShown);
    EXPECT_EQ("SALES", shownName);
    EXPECT_FALSE(Page(kDomains).Modified());
    m_calls.calls.clear();
    EXPECT_EQ(0u, m_sheet.m_pages.Save());
    EXPECT_TRUE(m_calls.calls.empty());
}

TEST_F(TablePages, ModifyingTheServicesEntryMakesItTheUsersAndReplacesItsRow)
{
    m_calls.tables[2] = BytesOf(std::vector<IpNetEntry> {
        IpNet("10.0.0.0", "255.0.0.0", 1, kOwnerAutomatic), IpNet("10.9.0.0", "255.255.0.0", 1, kOwnerAutomatic)});
    std::vector<std::string> rows;
    int selected = -1;
    WithPage(kNets, [&](CBroadcastTablePage& page) {
        DoubleClick(page);
        rows = Rows(page);
        selected = page.SelectedRow();
    });
    m_script.Then(TypeEntry({{IDC_ENTRY_NETWORK, "10.20.0.0"}}, true));
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ((std::vector<std::string> {"10.20.0.0\t255.0.0.0\tNo\tUser", "10.9.0.0\t255.255.0.0\tYes\tAuto"}), rows);
    EXPECT_EQ(0, selected);
    EXPECT_EQ(2u, m_sheet.m_pages.Save());
    // The untouched entry stays the service's own.
    EXPECT_EQ(BytesOf(std::vector<IpNetEntry> {IpNet("10.20.0.0", "255.0.0.0", 0, kOwnerUser),
                  IpNet("10.9.0.0", "255.255.0.0", 1, kOwnerAutomatic)}),
        m_calls.tables[2]);
}

TEST_F(TablePages, ModifyOrDeleteWithoutASelectedRowSaysSo)
{
    m_prompter.Expect("Nothing Selected.").Expect("Nothing Selected to Delete");
    WithPage(kDomains, [&](CBroadcastTablePage& page) {
        DoubleClick(page);
        PressKey(page, VK_DELETE);
    });
    EXPECT_EQ(IDOK, Run());
}

TEST_F(TablePages, OnlyInsertAndDeleteAreTakenFromTheList)
{
    LRESULT down = 0, insert = 0;
    WithPage(kMasks, [&](CBroadcastTablePage& page) {
        down = SendMessageA(page.m_hWnd, WM_VKEYTOITEM, VK_DOWN, 0);
        insert = SendMessageA(page.m_hWnd, WM_VKEYTOITEM, VK_INSERT, 0);
    });
    m_script.Then([](CWnd& dialog) { Click(dialog.m_hWnd, IDCANCEL); });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ(-1, down);
    EXPECT_EQ(-2, insert);
    EXPECT_EQ(0u, Page(kMasks).Count());
}

TEST_F(TablePages, DomainNamesAreCheckedAndCutTo15Bytes)
{
    m_prompter.Expect("Must Specify Domain Name.")
        .Expect("Must Specify Domain Name.")
        .Expect("Domain name has an invalid character (\\)")
        .Expect("Domain name has an invalid character (/)");
    std::vector<bool> ended;
    std::vector<std::string> rows;
    WithPage(kDomains, [&](CBroadcastTablePage& page) {
        PressKey(page, VK_INSERT);
        rows = Rows(page);
    });
    m_script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CDialog&>(modal);
        for (const char* bad : {"", "   ", "SA\\LES", "AB/C~"}) {
            TypeText(dialog.m_hWnd, IDC_ENTRY_NAME, bad);
            Click(dialog.m_hWnd, IDOK);
            ended.push_back(dialog.IsModalEnded());
        }
        TypeEntry({{IDC_ENTRY_NAME, "ABCDEFGHIJKLMNOPQRST"}}, true)(dialog);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ((std::vector<bool> {false, false, false, false}), ended);
    EXPECT_EQ((std::vector<std::string> {"ABCDEFGHIJKLMNO\tNo\tUser"}), rows);
    EXPECT_EQ(1u, m_sheet.m_pages.Save());
    EXPECT_EQ(BytesOf(std::vector<NtDomainEntry> {NtDomain("ABCDEFGHIJKLMNO", 0)}), m_calls.tables[1]);
}

TEST_F(TablePages, AnIpNetNeedsANetworkAndAMaskThatConvert)
{
    m_prompter.Expect("Must Specify a proper IP Net xxx.xxx.xxx.xxx")
        .Expect("Must Specify a proper IP Mask xxx.xxx.xxx.xxx");
    std::vector<std::string> rows;
    WithPage(kNets, [&](CBroadcastTablePage& page) {
        PressKey(page, VK_INSERT);
        rows = Rows(page);
    });
    m_script.Then([&](CWnd& dialog) {
        TypeEntry({{IDC_ENTRY_NETWORK, "net ten"}, {IDC_ENTRY_MASK, "255.255.0.0"}})(dialog);
        TypeEntry({{IDC_ENTRY_NETWORK, "10.2.0.0"}, {IDC_ENTRY_MASK, "wide"}})(dialog);
        TypeEntry({{IDC_ENTRY_NETWORK, " 10.2.0.0 "}, {IDC_ENTRY_MASK, "255.255.0.0"}})(dialog);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ((std::vector<std::string> {"10.2.0.0\t255.255.0.0\tYes\tUser"}), rows);
}

TEST_F(TablePages, AMaskOfZeroIsRefusedAndTheAllOnesMaskTaken)
{
    m_prompter.Expect("Must Specify a proper IP Mask xxx.xxx.xxx.xxx")
        .Expect("Must Specify a proper IP Mask xxx.xxx.xxx.xxx");
    std::vector<std::string> rows;
    WithPage(kMasks, [&](CBroadcastTablePage& page) {
        PressKey(page, VK_INSERT);
        rows = Rows(page);
    });
    m_script.Then([&](CWnd& dialog) {
        TypeEntry({{IDC_ENTRY_MASK, "0.0.0.0"}})(dialog);
        TypeEntry({{IDC_ENTRY_MASK, ""}})(dialog);
        TypeEntry({{IDC_ENTRY_MASK, "255.255.255.255"}})(dialog);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ((std::vector<std::string> {"255.255.255.255\tYes\tUser"}), rows);
}

TEST_F(TablePages, AFullIpNetTableGoesThroughThePageByteForByte)
{
    const std::vector<BYTE> nets = BytesOf(SortedIpNets(4096));
    m_calls.tables[2] = nets;
    m_prompter.Expect("IPNet Table is Full");
    size_t rows = 0;
    WithPage(kNets, [&](CBroadcastTablePage& page) {
        rows = Rows(page).size();
        PressKey(page, VK_INSERT);
    });
    EXPECT_EQ(IDOK, Run());
    EXPECT_EQ(4096u, rows);
    m_calls.tables[2].clear();
    m_calls.calls.clear();
    EXPECT_EQ(2u, m_sheet.m_pages.Save());
    EXPECT_EQ(12u, m_calls.calls.size());
    EXPECT_EQ(nets, m_calls.tables[2]);
}

TEST(BroadcastEntryDialog, WithoutAnEntryItSaysSoAndOkChangesNothing)
{
    ScriptedPrompter prompter;
    prompter.Expect("Error: NULL Domain Record").Expect("Error: NULL IP Mask Record");
    ModalScript script;
    script.Then([](CWnd& dialog) { Click(dialog.m_hWnd, IDOK); });
    script.Then([](CWnd& dialog) { Click(dialog.m_hWnd, IDOK); });
    CBroadcastEntryDlg domain(kNtDomainTable, nullptr, false);
    EXPECT_EQ(IDCANCEL, domain.DoModal());
    CBroadcastEntryDlg net(kIpNetTable, nullptr, false);
    EXPECT_EQ(IDCANCEL, net.DoModal());
}

TEST(BroadcastTablePagesOfADomain, SaveEveryTableDomainWide)
{
    RecordingTableCalls calls;
    calls.tables[1] = BytesOf(std::vector<NtDomainEntry> {NtDomain("SALES")});
    CTableSheet sheet(calls, "RESEARCH", true);
    ScriptedPrompter prompter;
    prompter.Expect("Delete ?");
    ModalScript script;
    script.Then([](CWnd& modal) {
        auto& shown = static_cast<CTableSheet&>(modal);
        SendMessageA(shown.m_pages.NtDomains().List().ListBox(), WM_KEYDOWN, VK_DELETE, 0);
        shown.SetActivePage(kNets);
        shown.SetActivePage(kMasks);
        shown.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    calls.calls.clear();
    EXPECT_EQ(7u, sheet.m_pages.Save());
    const std::vector<TableCall> expected = {{"save", "RESEARCH", 1, 0, 0, 0, 1, 1},
        {"reload", "RESEARCH", 1, 0, 0, 0, 0, 0}, {"save", "RESEARCH", 2, 0, 0, 0, 1, 1},
        {"reload", "RESEARCH", 2, 0, 0, 0, 0, 0}, {"save", "RESEARCH", 4, 0, 0, 0, 1, 1},
        {"reload", "RESEARCH", 4, 0, 0, 0, 0, 0}};
    EXPECT_EQ(expected, calls.calls);
    // Saved once: the domain page is not modified any more.
    calls.calls.clear();
    EXPECT_EQ(6u, sheet.m_pages.Save());
}
