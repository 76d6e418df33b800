// The trouble ticket page and its printer logon on the recording core and a fake network: the
// texts, the print server list, the logon refusals by code and the queue records byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "modal_script.h"
#include "network_page_fixture.h"
#include "network_pages_ids.h"
#include "printer_login_dlg.h"
#include "scripted_prompter.h"
#include "ticket_page.h"
#include "ticket_record.h"
#include "ui_actions.h"

namespace {

std::vector<BYTE> QueueBytes(const std::vector<ticket_record::PrintQueue>& queues)
{
    std::vector<BYTE> bytes(queues.size() * sizeof(PrintQueueRecord));
    for (std::size_t i = 0; i < queues.size(); ++i)
        ticket_record::Write(
            *reinterpret_cast<PrintQueueRecord*>(bytes.data() + i * sizeof(PrintQueueRecord)), queues[i]);
    return bytes;
}

FakeAnswer Text(const std::string& text, int result = 0)
{
    FakeAnswer answer;
    answer.result = result;
    answer.data.assign(text.begin(), text.end());
    answer.data.push_back(0);
    return answer;
}

class TicketTest : public NetworkPageTest<CTTix> {
protected:
    void SetUp() override
    {
        NetworkPageTest<CTTix>::SetUp();
        CTTix::LastDate().clear();
        FakeAnswer stored;
        stored.result = 0;
        core.AnswerAlways("AlertSetStringToReg", stored);
    }
    void AnswerTexts(const std::string& company, const std::string& location)
    {
        core.Answer("AlertGetStringFromReg", Text(company));
        core.Answer("AlertGetStringFromReg", Text(location));
    }
    void AnswerQueues(const std::vector<ticket_record::PrintQueue>& queues)
    {
        FakeAnswer answer;
        answer.count = static_cast<WORD>(queues.size());
        answer.data = QueueBytes(queues);
        core.Answer("AlertGetTTixPRINTQ_HEADER", answer);
    }
    std::vector<std::string> ServerNames()
    {
        std::vector<std::string> names;
        for (const PrintServerItem* item : page->ServerLines())
            names.push_back(std::string(static_cast<std::size_t>(item->depth), ' ') + item->name);
        return names;
    }
    int LineOf(const std::string& name)
    {
        const auto lines = page->ServerLines();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i]->name == name)
                return static_cast<int>(i);
        return -1;
    }
    void DoubleClick(const std::string& name)
    {
        HWND list = page->GetDlgItem(IDC_TICKET_SERVERS);
        SendMessageA(list, LB_SETCURSEL, LineOf(name), 0);
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TICKET_SERVERS, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    }
    void OpenToGamma()
    {
        OpenPage();
        DoubleClick("Microsoft Windows Network");
        DoubleClick("VEXDOM");
    }

    ModalScript script;
};

}  // namespace

TEST_F(TicketTest, LoadShowsTheTextsAndTheQueues)
{
    AnswerTexts("Morwick Ltd", "Floor 3");
    AnswerQueues({{"\\\\GAMMA\\LASER", "admin", "vexomar"}});
    OpenPage();
    EXPECT_EQ("Morwick Ltd", page->GetDlgItemText(IDC_TICKET_COMPANY));
    EXPECT_EQ("Floor 3", page->GetDlgItemText(IDC_TICKET_LOCATION));
    ASSERT_EQ(1u, page->Queues().size());
    EXPECT_EQ("\\\\GAMMA\\LASER", page->Queues()[0].queuePath);
    EXPECT_TRUE(IsItemEnabled(page->m_hWnd, IDC_NET_REMOVE));
    const auto reads = core.CallsOf("AlertGetStringFromReg");
    ASSERT_EQ(2u, reads.size());
    EXPECT_EQ((std::vector<std::string> {"MORWICK1", "User", "Company"}), reads[0].texts);
    EXPECT_EQ("Location", reads[1].texts.at(2));
    EXPECT_EQ(8, core.CallsOf("AlertFreeCheckEverySetting").back().numbers.at(0));
}

TEST_F(TicketTest, AFailedCompanyReadLeavesTheQueuesUnbuilt)
{
    core.Answer("AlertGetStringFromReg", Text("", 2));
    AnswerQueues({{"\\\\GAMMA\\LASER", "admin", "vexomar"}});
    OpenPage();
    EXPECT_TRUE(page->Queues().empty());
    EXPECT_EQ(8, core.CallsOf("AlertFreeCheckEverySetting").back().numbers.at(0));
}

TEST_F(TicketTest, TheServerListExpandsInNameOrderAndOnlyServersQualify)
{
    AnswerTexts("", "");
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"Other Network", "Microsoft Windows Network"}), ServerNames());
    EXPECT_EQ(RESOURCETYPE_PRINT, network.opens.at(0).type);
    EXPECT_EQ(2, page->ServerLines()[0]->kind);
    EXPECT_EQ(1, page->ServerLines()[1]->kind);
    // Neither a provider nor a domain runs the logon.
    DoubleClick("Microsoft Windows Network");
    DoubleClick("VEXDOM");
    EXPECT_EQ((std::vector<std::string> {"Other Network", "Microsoft Windows Network", " LABDOM", " VEXDOM",
                  "  \\\\ALPHA", "  \\\\GAMMA", "  \\\\ODD"}),
        ServerNames());
    EXPECT_EQ(0, script.Driven());
    DoubleClick("Microsoft Windows Network");
    EXPECT_EQ((std::vector<std::string> {"Other Network", "Microsoft Windows Network"}), ServerNames());
}

TEST_F(TicketTest, AQueueIsAddedAfterTheLogonAndCommittedByteForByte)
{
    AnswerTexts("Morwick Ltd", "Floor 3");
    OpenToGamma();
    std::vector<std::string> offered;
    script.Then([&](CWnd& dialog) {
        offered = {dialog.GetDlgItemText(IDC_PRINTER_PROMPT), dialog.GetDlgItemText(IDC_PRINTER_SERVER),
            dialog.GetDlgItemText(IDC_PRINTER_LIST)};
        TypeText(dialog.m_hWnd, IDC_PRINTER_USER, "admin");
        TypeText(dialog.m_hWnd, IDC_PRINTER_PASSWORD, "vexomar");
        Click(dialog.m_hWnd, IDOK);
    });
    DoubleClick("\\\\GAMMA");
    EXPECT_EQ(
        (std::vector<std::string> {"Please input user ID and password for printer GAMMA", "GAMMA", "LASER"}), offered);
    ASSERT_EQ(2u, network.calls.size());
    EXPECT_EQ("Add", network.calls[0].function);
    EXPECT_EQ("\\\\GAMMA\\LASER", network.calls[0].remote);
    EXPECT_EQ(static_cast<DWORD>(RESOURCETYPE_PRINT), network.calls[0].type);
    EXPECT_EQ("admin", network.calls[0].user);
    EXPECT_EQ("vexomar", network.calls[0].password);
    EXPECT_FALSE(network.calls[0].hasLocal);
    EXPECT_EQ("Cancel", network.calls[1].function);
    EXPECT_TRUE(network.calls[1].force);

    const auto sets = core.CallsOf("AlertSetTTixPRINTQ_HEADER");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ((std::vector<int> {1, 1}), sets[0].numbers);
    EXPECT_EQ(QueueBytes({{"\\\\GAMMA\\LASER", "admin", "vexomar"}}), sets[0].bytes.at(0));
    const auto stored = core.CallsOf("AlertSetStringToReg");
    ASSERT_EQ(2u, stored.size());
    EXPECT_EQ((std::vector<std::string> {"MORWICK1", "User", "Company", "Morwick Ltd"}), stored[0].texts);
    EXPECT_EQ((std::vector<std::string> {"MORWICK1", "User", "Location", "Floor 3"}), stored[1].texts);
}

TEST_F(TicketTest, AWrongPasswordIsToldAndTheDialogStaysOpen)
{
    AnswerTexts("", "");
    OpenToGamma();
    network.FailNextAdd(ERROR_INVALID_PASSWORD);
    ScriptedPrompter prompter;
    prompter.Expect("Invalid Password.");
    bool stillOpen = false;
    script.Then([&](CWnd& dialog) {
        TypeText(dialog.m_hWnd, IDC_PRINTER_USER, "admin");
        TypeText(dialog.m_hWnd, IDC_PRINTER_PASSWORD, "wrong");
        Click(dialog.m_hWnd, IDOK);
        stillOpen = IsWindow(dialog.m_hWnd) && IsWindowVisible(dialog.m_hWnd);
        Click(dialog.m_hWnd, IDCANCEL);
    });
    DoubleClick("\\\\GAMMA");
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(prompter.Done());
    EXPECT_TRUE(page->Queues().empty());
    EXPECT_TRUE(core.CallsOf("AlertSetTTixPRINTQ_HEADER").empty());
}

TEST_F(TicketTest, AServerThatListsNothingBeforeALogonIsListedAfterConnect)
{
    AnswerTexts("", "");
    auto printers = network.children["\\\\GAMMA"];
    network.children["\\\\GAMMA"].clear();
    network.enumFailures["\\\\GAMMA"] = ERROR_ACCESS_DENIED;
    OpenToGamma();
    std::string listed;
    script.Then([&](CWnd& dialog) {
        EXPECT_EQ(0, static_cast<int>(SendDlgItemMessageA(dialog.m_hWnd, IDC_PRINTER_LIST, CB_GETCOUNT, 0, 0)));
        network.children["\\\\GAMMA"] = printers;
        network.enumFailures.erase("\\\\GAMMA");
        TypeText(dialog.m_hWnd, IDC_PRINTER_USER, "admin");
        TypeText(dialog.m_hWnd, IDC_PRINTER_PASSWORD, "vexomar");
        Click(dialog.m_hWnd, IDC_PRINTER_CONNECT);
        listed = dialog.GetDlgItemText(IDC_PRINTER_LIST);
        Click(dialog.m_hWnd, IDCANCEL);
    });
    DoubleClick("\\\\GAMMA");
    EXPECT_EQ("LASER", listed);
    ASSERT_EQ(2u, network.calls.size());
    EXPECT_EQ("\\\\GAMMA\\print$", network.calls[0].remote);
    EXPECT_EQ(static_cast<DWORD>(RESOURCETYPE_DISK), network.calls[0].type);
    EXPECT_EQ("Cancel", network.calls[1].function);
    EXPECT_EQ("\\\\GAMMA\\print$", network.calls[1].remote);
}

TEST_F(TicketTest, AQueueAlreadyListedIsRefused)
{
    AnswerTexts("", "");
    AnswerQueues({{"\\\\GAMMA\\LASER", "admin", "vexomar"}});
    OpenToGamma();
    std::string offeredUser;
    script.Then([&](CWnd& dialog) {
        offeredUser = dialog.GetDlgItemText(IDC_PRINTER_USER);
        Click(dialog.m_hWnd, IDOK);
    });
    CaptionPrompter prompter;
    DoubleClick("\\\\GAMMA");
    EXPECT_EQ("admin", offeredUser);
    EXPECT_EQ((std::vector<std::string> {"Name already in recipient list"}), prompter.texts);
    EXPECT_EQ(1u, page->Queues().size());
    EXPECT_TRUE(core.CallsOf("AlertSetTTixPRINTQ_HEADER").empty());
}

TEST_F(TicketTest, RemovingAQueueCommitsTheRestAndTheHeaderText)
{
    AnswerTexts("", "");
    AnswerQueues({{"\\\\GAMMA\\LASER", "admin", "vexomar"}, {"\\\\DELTA\\INK", "ops", ""}});
    OpenPage();
    TypeText(page->m_hWnd, IDC_TICKET_HEADER, "Alert ticket");
    SendDlgItemMessageA(page->m_hWnd, IDC_TICKET_QUEUES, LB_SETCURSEL, 0, 0);
    Command(IDC_NET_REMOVE);
    const auto sets = core.CallsOf("AlertSetTTixPRINTQ_HEADER");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ(QueueBytes({{"\\\\DELTA\\INK", "ops", ""}}), sets[0].bytes.at(0));
    const std::vector<BYTE>& block = sets[0].bytes.at(1);
    ASSERT_GE(block.size(), 70u);
    EXPECT_EQ(std::string("Alert ticket") + std::string(58, '\0'), std::string(block.begin(), block.begin() + 70));
}

TEST(PrinterLogonMessages, EachRefusalHasItsText)
{
    EXPECT_EQ(static_cast<UINT>(IDS_LOGON_FAILURE), CPrinterLoginDlg::MessageFor(1326));
    EXPECT_EQ(static_cast<UINT>(IDS_LOGON_BAD_PASSWORD), CPrinterLoginDlg::MessageFor(86));
    EXPECT_EQ(static_cast<UINT>(IDS_LOGON_NO_PRIVILEGE), CPrinterLoginDlg::MessageFor(65));
    EXPECT_EQ(static_cast<UINT>(IDS_LOGON_NETWORK_DOWN), CPrinterLoginDlg::MessageFor(1222));
    EXPECT_EQ(static_cast<UINT>(IDS_LOGON_BAD_USER), CPrinterLoginDlg::MessageFor(2202));
    EXPECT_EQ(static_cast<UINT>(IDS_LOGON_SERVER_BUSY), CPrinterLoginDlg::MessageFor(1341));
    EXPECT_EQ(0u, CPrinterLoginDlg::MessageFor(1219));
    EXPECT_EQ(static_cast<UINT>(IDS_LOGON_DENIED), CPrinterLoginDlg::MessageFor(9999));
}
