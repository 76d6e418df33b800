// Exchange Mail Setup: the mail client check with its message, and the 1024-byte record read and stored.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "exchange_mail_dlg.h"
#include "fake_alert_core.h"
#include "mail_system.h"
#include "modal_script.h"
#include "program_values.h"
#include "test_program.h"
#include "scripted_prompter.h"
#include "startup_ids.h"
#include "ui_actions.h"

namespace {

class FakeMail : public MailSystem {
public:
    explicit FakeMail(bool present) : m_present(present) { }
    bool MailSystemPresent() override { return m_present; }

private:
    bool m_present;
};

std::vector<BYTE> Record(const std::string& server, const std::string& mailbox)
{
    std::vector<BYTE> bytes(1024, 0);
    std::memcpy(bytes.data() + 4, server.data(), server.size());
    std::memcpy(bytes.data() + 68, mailbox.data(), mailbox.size());
    return bytes;
}

class ExchangeMailTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestProgram().core = &core;
        std::strcpy(TestProgram().serverName, "ALERTSRV");
    }
    void TearDown() override { TestProgram().core = nullptr; }

    FakeAlertCore core;
};

}  // namespace

TEST_F(ExchangeMailTest, WithoutTheMailClientTheExactMessageIsShownAndNoDialogRuns)
{
    FakeMail absent(false);
    ScriptedPrompter prompter;
    prompter.Expect(
        "The MS Exchange Client is not installed.\nThe MS Exchange Client must be installed\nin order for Alert to "
        "use it to send Email.\nAlert will default to using MS Mail.");
    ModalScript script;
    RunExchangeMailSetup(nullptr, TestProgram(), absent);
    EXPECT_EQ(0, script.Driven());
    EXPECT_TRUE(core.calls.empty());
}

TEST_F(ExchangeMailTest, TheRecordOfTheCurrentServerFillsTheEditsAndOkStoresItWithTheFlag)
{
    core.Answer("AlertGetMailCfg", FakeAnswer {1, 0, Record("OLDEXCH", "Old Mailbox Name"), std::nullopt});
    FakeMail present(true);
    std::string caption, shownServer, shownMailbox;
    LRESULT serverLimit = 0, mailboxLimit = 0;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        caption = modal.GetWindowText();
        shownServer = modal.GetDlgItemText(IDC_EXCHANGE_SERVER);
        shownMailbox = modal.GetDlgItemText(IDC_EXCHANGE_MAILBOX);
        serverLimit = SendMessageA(modal.GetDlgItem(IDC_EXCHANGE_SERVER), EM_GETLIMITTEXT, 0, 0);
        mailboxLimit = SendMessageA(modal.GetDlgItem(IDC_EXCHANGE_MAILBOX), EM_GETLIMITTEXT, 0, 0);
        TypeText(modal.m_hWnd, IDC_EXCHANGE_SERVER, "EXCH");
        TypeText(modal.m_hWnd, IDC_EXCHANGE_MAILBOX, "Alerts");
        Click(modal.m_hWnd, IDOK);
    });
    RunExchangeMailSetup(nullptr, TestProgram(), present);

    EXPECT_EQ("Exchange Mail Configuration", caption);
    EXPECT_EQ("OLDEXCH", shownServer);
    EXPECT_EQ("Old Mailbox Name", shownMailbox);
    EXPECT_EQ(63, serverLimit);
    EXPECT_EQ(255, mailboxLimit);
    EXPECT_EQ((std::vector<std::string> {"AlertGetMailCfg", "AlertSetMailCfg"}), core.Functions());
    EXPECT_EQ("ALERTSRV", core.CallsOf("AlertGetMailCfg")[0].texts[0]);
    FakeCoreCall set = core.CallsOf("AlertSetMailCfg")[0];
    EXPECT_EQ("ALERTSRV", set.texts[0]);
    ASSERT_EQ(1024u, set.bytes[0].size());
    // Flag 1 at 0, the names at 4 and 68 with the rest of each field zero (no tail of the
    // longer old names), and zeros from 324 on.
    std::vector<BYTE> expected(1024, 0);
    expected[0] = 1;
    std::memcpy(expected.data() + 4, "EXCH", 4);
    std::memcpy(expected.data() + 68, "Alerts", 6);
    EXPECT_EQ(expected, set.bytes[0]);
}

TEST_F(ExchangeMailTest, CancelStoresNothing)
{
    FakeMail present(true);
    ModalScript script;
    script.Then([](CWnd& modal) {
        TypeText(modal.m_hWnd, IDC_EXCHANGE_SERVER, "EXCH");
        Click(modal.m_hWnd, IDCANCEL);
    });
    RunExchangeMailSetup(nullptr, TestProgram(), present);
    EXPECT_EQ(std::vector<std::string> {"AlertGetMailCfg"}, core.Functions());
}

TEST_F(ExchangeMailTest, AFailedReadLeavesTheRecordZeroedAndTheEditsEmpty)
{
    std::vector<BYTE> garbage(1024, 0);
    core.Answer("AlertGetMailCfg", FakeAnswer {0, 0, garbage, std::nullopt});
    FakeMail present(true);
    std::string shownServer = "x", shownMailbox = "x";
    ModalScript script;
    script.Then([&](CWnd& modal) {
        shownServer = modal.GetDlgItemText(IDC_EXCHANGE_SERVER);
        shownMailbox = modal.GetDlgItemText(IDC_EXCHANGE_MAILBOX);
        Click(modal.m_hWnd, IDOK);
    });
    RunExchangeMailSetup(nullptr, TestProgram(), present);
    EXPECT_EQ("", shownServer);
    EXPECT_EQ("", shownMailbox);
    std::vector<BYTE> expected(1024, 0);
    expected[0] = 1;
    EXPECT_EQ(expected, core.CallsOf("AlertSetMailCfg")[0].bytes[0]);
}

TEST_F(ExchangeMailTest, UnterminatedNamesFromTheCoreStopAtTheirFieldAndAreRefusedUntilShortened)
{
    std::vector<BYTE> record(1024, 0);
    std::memset(record.data() + 4, 'S', 64);
    std::memset(record.data() + 68, 'M', 256);
    core.Answer("AlertGetMailCfg", FakeAnswer {1, 0, record, std::nullopt});
    FakeMail present(true);
    ScriptedPrompter prompter;
    prompter.Expect("Enter no more than 63 characters.").Expect("Enter no more than 255 characters.");
    std::string shownServer, shownMailbox;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        shownServer = modal.GetDlgItemText(IDC_EXCHANGE_SERVER);
        shownMailbox = modal.GetDlgItemText(IDC_EXCHANGE_MAILBOX);
        Click(modal.m_hWnd, IDOK);
        TypeText(modal.m_hWnd, IDC_EXCHANGE_SERVER, std::string(63, 'S'));
        Click(modal.m_hWnd, IDOK);
        TypeText(modal.m_hWnd, IDC_EXCHANGE_MAILBOX, std::string(255, 'M'));
        Click(modal.m_hWnd, IDOK);
    });
    RunExchangeMailSetup(nullptr, TestProgram(), present);
    EXPECT_EQ(std::string(64, 'S'), shownServer);
    EXPECT_EQ(std::string(256, 'M'), shownMailbox);
    const std::vector<BYTE> stored = core.CallsOf("AlertSetMailCfg").at(0).bytes[0];
    EXPECT_EQ(std::string(63, 'S') + '\0', std::string(stored.begin() + 4, stored.begin() + 68));
    EXPECT_EQ(std::string(255, 'M') + '\0', std::string(stored.begin() + 68, stored.begin() + 324));
}

TEST(MailSystem, TheSystemCheckAnswersWithoutFault)
{
    // Whether the system's mail library exports ordinal 139 varies; the check only must not
    // fail and must answer the same twice (the library is freed in between).
    bool first = SystemMail().MailSystemPresent();
    EXPECT_EQ(first, SystemMail().MailSystemPresent());
}
