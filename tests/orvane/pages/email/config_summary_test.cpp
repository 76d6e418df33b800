// The configuration summary against the recording core: every method's recipients in order, the
// release codes, the jumps, the window title and the poll; never a Set.
#include <gtest/gtest.h>

#include <cstring>

#include "broadcast_record.h"
#include "config_summary.h"
#include "email_ids.h"
#include "list_box.h"
#include "mail_record.h"
#include "page_fixture.h"
#include "pager_record.h"
#include "snmp_record.h"
#include "ticket_record.h"

namespace {

template <class Record> FakeAnswer ListOf(const std::vector<Record>& records)
{
    FakeAnswer answer;
    answer.count = static_cast<WORD>(records.size());
    for (const Record& record : records) {
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&record);
        answer.data.insert(answer.data.end(), bytes, bytes + sizeof record);
    }
    return answer;
}

BroadcastRecord Named(const char* name)
{
    BroadcastRecord record = {};
    std::strcpy(record.name, name);
    return record;
}

PagerRecord Pager(const char* owner, std::int8_t type)
{
    PagerRecord record = {};
    std::strcpy(record.ownerName, owner);
    record.pagerType = type;
    return record;
}

SnmpRecord Manager(const char* name, std::int8_t transport)
{
    SnmpRecord record = {};
    std::strcpy(record.managerName, name);
    record.transport = transport;
    return record;
}

PrintQueueRecord Queue(const char* path)
{
    PrintQueueRecord record = {};
    std::strcpy(record.queuePath, path);
    std::strcpy(record.userName, "printer");
    return record;
}

EMailRecipientRecord Mailbox(const char* name, std::int32_t recipientClass)
{
    EMailRecipientRecord record = {};
    std::strcpy(record.name, name);
    record.recipientClass = recipientClass;
    return record;
}

// Records the pages the summary asks the frame to show.
class RecordingFrame : public FrameRequests {
public:
    void ReloadAllPages(int) override { }
    void ShowServiceStateNow() override { }
    void ShowConfigurationPage(int index) override { shown.push_back(index); }
    std::vector<int> shown;
};

class SummaryTest : public PageTest<CConfigSummary> {
protected:
    void SetUp() override
    {
        PageTest<CConfigSummary>::SetUp();
        CConfigSummary::LastDate().clear();
        TestProgram().frame = &frame;
    }
    void TearDown() override
    {
        TestProgram().frame = nullptr;
        PageTest<CConfigSummary>::TearDown();
    }
    void AnswerEveryMethod()
    {
        core.Answer("AlertGetBroadcast", ListOf(std::vector {Named("\\\\ALPHA"), Named("SALES*")}));
        core.Answer("AlertGetPager", ListOf(std::vector {Pager("Pat", 0), Pager("Quinn", 1)}));
        core.Answer("AlertGetSnmp", ListOf(std::vector {Manager("north", 1), Manager("south", 2)}));
        core.Answer("AlertGetTTixPRINTQ_HEADER", ListOf(std::vector {Queue("\\\\GAMMA\\LASER")}));
        core.Answer("AlertGetEMail",
            ListOf(std::vector {Mailbox("Alice Jones", 1), Mailbox("Bob Smith", 2), Mailbox("Nobody", 3)}));
        core.Answer("AlertGetEventLog", ListOf(std::vector {Named("SALES*"), Named("\\\\BETA")}));
    }
    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < page->List().ItemCount(); ++i)
            lines.push_back(page->LineText(i));
        return lines;
    }
    std::vector<int> Methods()
    {
        std::vector<int> methods;
        for (int i = 0; i < page->List().ItemCount(); ++i)
            methods.push_back(page->MethodOf(i));
        return methods;
    }

    RecordingFrame frame;
};

}  // namespace

TEST_F(SummaryTest, EveryMethodsRecipientsAreListedInOrderWithTheirTextsAndReleaseCodes)
{
    AnswerEveryMethod();
    OpenPage();
    const std::vector<std::string> rows = Lines();
    const std::vector<std::string> expected = {
        "Broadcast\t\\\\ALPHA\tWindows NT Machine",
        "Broadcast\tSALES\tWindows NT Domain",
        "Pager\tPat\tNumeric",
        "Pager\tQuinn\tAlphanumeric",
        "SNMP\tnorth\tVia IPX",
        "SNMP\tsouth\tVia IP",
        "Trouble Ticket\t\\\\GAMMA\\LASER",
        "Email\tAlice Jones",
        "Email\tBob Smith",
        "Event Log\tSALES\tEvent Viewer",
        "Event Log\t\\\\BETA\tEvent Viewer",
    };
    EXPECT_EQ(expected, rows);
    EXPECT_EQ((std::vector<int> {1, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6}), Methods());
    std::vector<int> released;
    for (const FakeCoreCall& call : core.CallsOf("AlertFreeCheckEverySetting"))
        if (call.numbers.at(0) != 0)
            released.push_back(call.numbers.at(0));
    EXPECT_EQ((std::vector<int> {1, 3, 7, 8, 2, 9}), released);
    for (const std::string& function : core.Functions())
        EXPECT_EQ(std::string::npos, function.find("AlertSet")) << function;
}

TEST_F(SummaryTest, WithNoRecipientsTheListIsEmptyAndTheTitleNamesTheMachine)
{
    OpenPage();
    EXPECT_EQ(0, page->List().ItemCount());
    EXPECT_EQ("Alert Manager  (Machine Name : MORWICK1)", owner.GetWindowText());
}

TEST_F(SummaryTest, DoubleClickAndTheFiveCommandsAskTheFrameForTheMethodsPage)
{
    AnswerEveryMethod();
    OpenPage();
    CListBox(page->List().ListBox()).SetCurSel(9);  // the first event-log line
    page->SendMessage(
        WM_COMMAND, MAKEWPARAM(CConfigSummary::kListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(page->List().m_hWnd));
    for (UINT id : {ID_SUMMARY_BROADCAST, ID_SUMMARY_PAGER, ID_SUMMARY_SNMP, ID_SUMMARY_TICKET, ID_SUMMARY_EMAIL})
        Command(id);
    EXPECT_EQ((std::vector<int> {6, 1, 2, 3, 4, 5}), frame.shown);
}

TEST_F(SummaryTest, AChangedDateEmptiesAndRefillsTheListAtTheNextTickAndTheSameDateDoesNot)
{
    core.Answer("AlertGetPager", ListOf(std::vector {Pager("Pat", 0)}));
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"Pager\tPat\tNumeric"}), Lines());
    const std::size_t reads = core.CallsOf("AlertGetPager").size();
    page->SendMessage(WM_TIMER, CConfigSummary::kPollTimer, 0);
    EXPECT_EQ(reads, core.CallsOf("AlertGetPager").size());
    SetDate("2026-12-02 09:00:00");
    core.Answer("AlertGetSnmp", ListOf(std::vector {Manager("south", 2)}));
    page->SendMessage(WM_TIMER, CConfigSummary::kPollTimer, 0);
    EXPECT_EQ((std::vector<std::string> {"SNMP\tsouth\tVia IP"}), Lines());
}

TEST_F(SummaryTest, ReleasingTheItemsEmptiesTheListAndTheNextLoadFillsItAgain)
{
    core.Answer("AlertGetPager", ListOf(std::vector {Pager("Pat", 0)}));
    OpenPage();
    page->ReleaseItems();
    EXPECT_EQ(0, page->List().ItemCount());
    core.Answer("AlertGetPager", ListOf(std::vector {Pager("Pat", 0)}));
    page->Load(0);
    EXPECT_EQ((std::vector<std::string> {"Pager\tPat\tNumeric"}), Lines());
}
