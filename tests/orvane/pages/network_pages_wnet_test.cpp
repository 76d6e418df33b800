// The broadcast and trouble ticket pages through the platform's own network functions and the
// site's network provider: a scratch site of two domains, a print queue on GAMMA, and GAMMA's logon.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstring>

#include "broadcast_page.h"
#include "broadcast_record.h"
#include "modal_script.h"
#include "network_page_fixture.h"
#include "network_pages_ids.h"
#include "scripted_prompter.h"
#include "ticket_page.h"
#include "ticket_record.h"
#include "ui_actions.h"

namespace {

const char kQueuePrinter[] = "TICKETS on GAMMA (pages test)";

void RemoveQueuePrinter()
{
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterA(const_cast<char*>(kQueuePrinter), &printer, &access)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
}

// GAMMA's queue TICKETS: a printer of this computer whose location names it.
void AddQueuePrinter()
{
    RemoveQueuePrinter();
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(kQueuePrinter);
    info.pPortName = const_cast<char*>("FILE:");
    info.pDriverName = const_cast<char*>("Wine PostScript Driver");
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    info.pLocation = const_cast<char*>("\\\\GAMMA\\TICKETS");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    ASSERT_NE(printer, nullptr) << "the PostScript driver must be installed (tools/prefix): " << GetLastError();
    ClosePrinter(printer);
}

template <class P> class RealNetworkTest : public PageTest<P> {
protected:
    void SetUp() override
    {
        PageTest<P>::SetUp();
        P::LastDate().clear();
        ASSERT_EQ(nullptr, TestProgram().network) << "the system's network";
        std::string site;
        for (const char* server : {"ALPHA", "BETA", "GAMMA"})
            CreateDirectoryA(Folder(server).c_str(), nullptr);
        this->home->UseSite("[SALES]\r\nALPHA=" + Folder("ALPHA") + "\r\nBETA=" + Folder("BETA") +
            "\r\n[RESEARCH]\r\nGAMMA=" + Folder("GAMMA") + "\r\n");
        ScratchAlertHome::WriteBytes(Folder("GAMMA") + "\\LOGON.TXT",
            std::vector<BYTE>({'a', 'd', 'm', 'i', 'n', '=', 'v', 'e', 'x', 'o', 'm', 'a', 'r', '\r', '\n'}));
        AddQueuePrinter();
    }
    void TearDown() override
    {
        for (const char* name : {"\\\\GAMMA\\print$", "\\\\GAMMA\\TICKETS"})
            WNetCancelConnection2A(name, 0, TRUE);
        RemoveQueuePrinter();
        PageTest<P>::TearDown();
    }
    std::string Folder(const std::string& server) const { return this->home->Path() + "\\" + server; }
};

using RealBroadcastTest = RealNetworkTest<CBrdCast>;
using RealTicketTest = RealNetworkTest<CTTix>;

HTREEITEM Find(CTreeCtrl& tree, HTREEITEM parent, const std::string& text)
{
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        if (tree.GetItemText(item) == text)
            return item;
    return nullptr;
}

}  // namespace

TEST_F(RealBroadcastTest, TheTreeShowsTheSitesDomainsAndServersAndTheirNamesAreStored)
{
    OpenPage();
    CTreeCtrl& tree = page->NetTree().Tree();
    HTREEITEM top = tree.GetRootItem();
    ASSERT_NE(nullptr, top);
    EXPECT_EQ("Microsoft Windows Network", tree.GetItemText(top));
    tree.Expand(top);
    HTREEITEM sales = Find(tree, top, "SALES");
    ASSERT_NE(nullptr, sales);
    ASSERT_NE(nullptr, Find(tree, top, "RESEARCH"));
    tree.Expand(sales);
    ASSERT_NE(nullptr, Find(tree, sales, "\\\\BETA"));
    tree.SelectItem(Find(tree, sales, "\\\\ALPHA"));
    Command(IDC_NET_ADD);
    Command(IDC_NET_ADD_ALL);
    EXPECT_EQ((std::vector<std::string> {"RESEARCH", "SALES", "\\\\ALPHA"}), page->Lines());
    std::vector<BYTE> expected(3 * sizeof(BroadcastRecord));
    int i = 0;
    for (const char* stored : {"RESEARCH*", "SALES*", "\\\\ALPHA"})
        std::memcpy(expected.data() + sizeof(BroadcastRecord) * i++, stored, std::strlen(stored));
    EXPECT_EQ(expected, core.CallsOf("AlertSetBroadcast").back().bytes.at(0));
}

TEST_F(RealTicketTest, GammasQueueIsAddedAfterTheServerRefusedAnUnknownUserAndAWrongPassword)
{
    FakeAnswer empty;
    empty.result = 0;
    empty.data = {0};
    core.AnswerAlways("AlertGetStringFromReg", empty);
    core.AnswerAlways("AlertSetStringToReg", empty);
    OpenPage();
    auto lineOf = [&](const std::string& name) {
        const auto lines = page->ServerLines();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i]->name == name)
                return static_cast<int>(i);
        return -1;
    };
    auto doubleClick = [&](const std::string& name) {
        HWND list = page->GetDlgItem(IDC_TICKET_SERVERS);
        ASSERT_GE(lineOf(name), 0) << name;
        SendMessageA(list, LB_SETCURSEL, lineOf(name), 0);
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TICKET_SERVERS, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    };
    doubleClick("Microsoft Windows Network");
    doubleClick("RESEARCH");

    ModalScript script;
    ScriptedPrompter prompter;
    prompter.Expect("Unknown User Name or Bad Password").Expect("Invalid Password.");
    int listedBeforeLogon = -1;
    std::string listed;
    script.Then([&](CWnd& dialog) {
        // GAMMA lists its printers only to a logged-on user.
        listedBeforeLogon = static_cast<int>(SendDlgItemMessageA(dialog.m_hWnd, IDC_PRINTER_LIST, CB_GETCOUNT, 0, 0));
        TypeText(dialog.m_hWnd, IDC_PRINTER_USER, "nobody");
        TypeText(dialog.m_hWnd, IDC_PRINTER_PASSWORD, "vexomar");
        Click(dialog.m_hWnd, IDC_PRINTER_CONNECT);
        TypeText(dialog.m_hWnd, IDC_PRINTER_USER, "admin");
        TypeText(dialog.m_hWnd, IDC_PRINTER_PASSWORD, "wrong");
        Click(dialog.m_hWnd, IDC_PRINTER_CONNECT);
        TypeText(dialog.m_hWnd, IDC_PRINTER_PASSWORD, "vexomar");
        Click(dialog.m_hWnd, IDC_PRINTER_CONNECT);
        listed = dialog.GetDlgItemText(IDC_PRINTER_LIST);
        Click(dialog.m_hWnd, IDOK);
    });
    doubleClick("\\\\GAMMA");
    EXPECT_EQ(0, listedBeforeLogon);
    EXPECT_EQ("TICKETS", listed);
    EXPECT_TRUE(prompter.Done());
    ASSERT_EQ(1u, page->Queues().size());
    EXPECT_EQ("\\\\GAMMA\\TICKETS", page->Queues()[0].queuePath);
    PrintQueueRecord expected = {};
    ticket_record::Write(expected, {"\\\\GAMMA\\TICKETS", "admin", "vexomar"});
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&expected);
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + sizeof expected),
        core.CallsOf("AlertSetTTixPRINTQ_HEADER").back().bytes.at(0));
}
