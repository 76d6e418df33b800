// The e-mail, SNMP, trouble-ticket and event-log methods, each called directly with a context
// of the test's own, delivering through the real stand-ins: the mail client into the post
// office, a trap to Debian's trap receiver, a print job into a queue's spool folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>

#include "alert_delivery.h"
#include "alert_home.h"
#include "delivery_test_support.h"
#include "event_log_sink.h"
#include "mail_password.h"
#include "mail_record.h"
#include "mailbox_store.h"
#include "post_office.h"
#include "post_office_location.h"
#include "registry_value.h"
#include "scratch_alert_home.h"
#include "snmp_record.h"
#include "spool_printer.h"
#include "ticket_record.h"

namespace {

DeliveredAlert Alert(const std::string& text = "Virus found in C:\\DATA\\GAME.EXE")
{
    DeliveredAlert alert;
    alert.id = "T1";
    alert.application = "VEXOMAR";
    alert.text = text;
    alert.code = "05";
    alert.server = "ALPHA";
    alert.priority = 1;
    alert.time = CivilTime::FromUnixSeconds(1700000000);
    return alert;
}

std::string Outcomes(const RecordingContext& context)
{
    std::string text;
    for (const auto& line : context.lines)
        text += line.recipient + ": " + line.outcome + "\n";
    return text;
}

void SetString(HKEY root, const std::string& key, const char* name, const std::string& value)
{
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr), ERROR_SUCCESS);
    RegSetValueExA(
        opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
}

std::string Beside(const char* file)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1) + file;
}

// ---- e-mail ------------------------------------------------------------------------------

class EMailDelivery : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The platform's MAPI32.DLL reads the registration when it is loaded, and the method
        // loads it for each delivery.
        SetString(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", nullptr, "Vexomar Mail");
        SetString(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail\\Vexomar Mail", "DLLPath", Beside("VXMAIL32.DLL"));
        s_previousOffice = postoffice::PostOfficeFolder();
    }
    static void TearDownTestSuite()
    {
        if (s_previousOffice)
            postoffice::SetPostOfficeFolder(*s_previousOffice);
    }

    void SetUp() override
    {
        m_office = m_home.File("PO");
        postoffice::PostOffice office(m_office);
        ASSERT_TRUE(office.CreateMailbox("alerts", "Alert Service", "s3cret"));
        ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", "bobpw"));
        ASSERT_TRUE(office.CreateMailbox("alice", "Alice Jones", "alicepw"));
        ASSERT_TRUE(postoffice::SetPostOfficeFolder(m_office));
    }

    // The e-mail page's settings: mailbox and password (scrambled as the page stores it),
    // subject, return receipt, attachments and the To and CC recipients.
    ApplicationSettings Settings(const std::string& password, const std::vector<std::string>& attachments,
        const std::vector<std::pair<std::string, int>>& recipients, bool receipt = true)
    {
        ApplicationSettings settings;
        MailRecord mail = {};
        mail.returnReceipt = receipt ? 1 : 0;
        mail_record::SetText(mail.mailbox, "alerts");
        // As the page stores it: scrambled, or all zeros when the field was never written.
        if (password != kNeverWritten) {
            mail_record::SetText(mail.password, password);
            ScrambleMailPassword(
                reinterpret_cast<std::uint8_t*>(mail.password), reinterpret_cast<std::uint8_t*>(mail.password));
        }
        mail_record::SetText(mail.subject, "Alert from the file server");
        std::memcpy(settings.settings.data() + 464, &mail, sizeof mail);
        MailAttachments files = {};
        files.count = static_cast<std::uint32_t>(attachments.size());
        for (std::size_t i = 0; i < attachments.size(); ++i)
            mail_record::SetText(files.paths[i], attachments[i]);
        std::memcpy(settings.settings.data() + 1032, &files, sizeof files);
        std::vector<std::vector<std::uint8_t>> records;
        for (const auto& [name, kind] : recipients) {
            EMailRecipientRecord record = {};
            mail_record::SetText(record.name, name);
            record.recipientClass = kind;
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
            records.emplace_back(bytes, bytes + sizeof record);
        }
        SetList(settings, NotifyMethod::EMail, records);
        return settings;
    }

    std::optional<postoffice::Mailbox> Load(const std::string& mailbox)
    {
        std::optional<postoffice::Mailbox> box;
        postoffice::LoadMailbox(m_office + "\\" + mailbox + ".mbx", box);
        return box;
    }

    static constexpr const char* kNeverWritten = "(never written)";
    static std::optional<std::string> s_previousOffice;
    ScratchAlertHome m_home {"mail"};
    std::string m_office;
};

std::optional<std::string> EMailDelivery::s_previousOffice;

TEST_F(EMailDelivery, OneMessageReachesToAndCCWithSubjectTextAttachmentAndReceiptRequest)
{
    const std::string report = m_home.File("SCAN.TXT");
    const std::string text = "3 files infected";
    ScratchAlertHome::WriteBytes(report, std::vector<BYTE>(text.begin(), text.end()));
    const std::string gone = m_home.File("GONE.TXT");
    RecordingContext context;
    DeliverEMail(Alert(), Settings("s3cret", {report, gone}, {{"Bob Smith", 1}, {"alice", 2}}), context);

    EXPECT_EQ("Bob Smith: delivered without 1 attachment(s) that could not be read\n"
              "alice (CC): delivered without 1 attachment(s) that could not be read\n",
        Outcomes(context));
    for (const char* mailbox : {"bob", "alice"}) {
        std::optional<postoffice::Mailbox> box = Load(mailbox);
        ASSERT_TRUE(box && box->Count() == 1) << mailbox;
        EXPECT_EQ("Alert from the file server", box->Field(0, "Subject"));
        EXPECT_EQ("bob", box->Field(0, "To"));
        EXPECT_EQ("alice", box->Field(0, "CC"));
        EXPECT_EQ("Alert Service <alerts>", box->Field(0, "From"));
        EXPECT_EQ("Alert Service <alerts>", box->Field(0, "Disposition-Notification-To"));
        const std::string content(box->Content(0));
        EXPECT_NE(std::string::npos, content.find("Critical alert of VEXOMAR")) << content;
        EXPECT_NE(std::string::npos, content.find("Virus found in C:\\DATA\\GAME.EXE"));
        EXPECT_NE(std::string::npos, content.find("Not attached, the file cannot be read: " + gone));
        EXPECT_EQ(std::vector<std::string>({"SCAN.TXT"}), box->AttachmentNames(0));
        EXPECT_EQ(text, box->AttachmentBytes(0, 0).value_or(""));
    }
    EXPECT_FALSE(Load("alerts") && Load("alerts")->Count() != 0);
}

TEST_F(EMailDelivery, WithoutReturnReceiptNoReceiptIsAskedFor)
{
    RecordingContext context;
    DeliverEMail(Alert(), Settings("s3cret", {}, {{"bob", 1}}, false), context);
    EXPECT_EQ("bob: delivered\n", Outcomes(context));
    std::optional<postoffice::Mailbox> box = Load("bob");
    ASSERT_TRUE(box && box->Count() == 1);
    EXPECT_FALSE(box->HasField(0, "Disposition-Notification-To"));
}

TEST_F(EMailDelivery, APasswordFieldNeverWrittenSignsInWithTheEmptyPassword)
{
    ASSERT_TRUE(postoffice::PostOffice(m_office).CreateMailbox("open", "Open Box", ""));
    ApplicationSettings settings = Settings(kNeverWritten, {}, {{"bob", 1}});
    MailRecord mail;
    std::memcpy(&mail, settings.settings.data() + 464, sizeof mail);
    mail_record::SetText(mail.mailbox, "open");
    std::memcpy(settings.settings.data() + 464, &mail, sizeof mail);
    RecordingContext context;
    DeliverEMail(Alert(), settings, context);
    EXPECT_EQ("bob: delivered\n", Outcomes(context));
}

TEST_F(EMailDelivery, RefusedPasswordAndUnknownRecipientAreLoggedForEveryRecipientAtOnce)
{
    RecordingContext context;
    const DWORD start = GetTickCount();
    DeliverEMail(Alert(), Settings("wrong", {}, {{"bob", 1}, {"alice", 2}}), context);
    DeliverEMail(Alert(), Settings("s3cret", {}, {{"bob", 1}, {"nobody", 2}}), context);
    // Neither is tried again: another try would be refused the same way.
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ("bob: not delivered: the mailbox name or password was refused (MAPI 3)\n"
              "alice (CC): not delivered: the mailbox name or password was refused (MAPI 3)\n"
              "bob: not delivered: a recipient is not known to the mail system (MAPI 14)\n"
              "nobody (CC): not delivered: a recipient is not known to the mail system (MAPI 14)\n",
        Outcomes(context));
    EXPECT_FALSE(Load("bob") && Load("bob")->Count() != 0);
}

// ---- SNMP --------------------------------------------------------------------------------

std::string TrapLogPath()
{
    char unix[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("VEX_TRAP_LOG", unix, sizeof unix))
        return "";
    std::string path = std::string("Z:") + unix;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

unsigned short TrapPort()
{
    char text[16] = {};
    GetEnvironmentVariableA("VEX_TRAP_PORT", text, sizeof text);
    return static_cast<unsigned short>(std::atoi(text));
}

std::vector<std::uint8_t> Manager(const char* name, std::array<std::uint8_t, 4> address, unsigned short port,
    std::int8_t transport = snmp_record::kViaIp)
{
    SnmpRecord record = {};
    std::strcpy(record.managerName, name);
    std::memcpy(record.ipAddress, address.data(), 4);
    record.reserved[0] = static_cast<std::uint8_t>(port >> 8);
    record.reserved[1] = static_cast<std::uint8_t>(port & 0xFF);
    record.transport = transport;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    return std::vector<std::uint8_t>(bytes, bytes + sizeof record);
}

// The trap receiver's lines that decode a trap (tests/services/alert/with_trap_receiver.sh
// sets their format).
std::vector<std::string> ReceivedTraps(std::size_t expected)
{
    std::vector<std::string> traps;
    for (int wait = 0; wait < 100 && traps.size() < expected; ++wait) {
        traps.clear();
        std::ifstream in(TrapLogPath());
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("TRAP ", 0) == 0)
                traps.push_back(line);
        }
        if (traps.size() < expected)
            Sleep(50);
    }
    return traps;
}

TEST(SnmpDelivery, TheTrapReceiverDecodesEnterprisePriorityAndText)
{
    ASSERT_FALSE(TrapLogPath().empty()) << "runs through with_trap_receiver.sh";
    const std::size_t before = ReceivedTraps(0).size();
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::Snmp,
        {Manager("monitor", {127, 0, 0, 1}, TrapPort()), Manager("old", {0, 0, 0, 0}, 0, snmp_record::kViaIpx),
            Manager("blank", {0, 0, 0, 0}, 0)});
    RecordingContext context;
    DeliverSnmp(Alert("Virus found in GAME.EXE"), settings, context);
    EXPECT_EQ("manager monitor at 127.0.0.1:" + std::to_string(TrapPort()) +
            ": trap sent\nmanager old via IPX: not delivered: IPX is not reachable from this server\n"
            "manager blank at 0.0.0.0:162: not delivered: the manager has no IP address\n",
        Outcomes(context));
    const std::vector<std::string> traps = ReceivedTraps(before + 1);
    ASSERT_EQ(before + 1, traps.size());
    const std::string& trap = traps.back();
    EXPECT_NE(std::string::npos, trap.find("enterprise=.1.3.6.1.4.1.64029.1 ")) << trap;
    EXPECT_NE(std::string::npos, trap.find("generic=6 ")) << trap;
    EXPECT_NE(std::string::npos, trap.find("SNMP v1, community public")) << trap;
    EXPECT_NE(std::string::npos, trap.find(".1.3.6.1.4.1.64029.1.1 = INTEGER: 1~")) << trap;
    EXPECT_NE(std::string::npos, trap.find(".1.3.6.1.4.1.64029.1.2 = STRING: \"Virus found in GAME.EXE\"~")) << trap;
    EXPECT_NE(std::string::npos, trap.find(".1.3.6.1.4.1.64029.1.3 = STRING: \"VEXOMAR\"")) << trap;
    EXPECT_NE(std::string::npos, trap.find(".1.3.6.1.4.1.64029.1.4 = STRING: \"ALPHA\"")) << trap;
}

// ---- trouble ticket ----------------------------------------------------------------------

// The characters the PostScript driver shows, one "/name glyphshow" each, in order (lines run
// together). Only the glyph names a ticket of these tests uses are known.
std::string ShownText(const std::string& ps)
{
    static const std::pair<const char*, char> kNames[] = {{"space", ' '}, {"colon", ':'}, {"period", '.'},
        {"slash", '/'}, {"backslash", '\\'}, {"hyphen", '-'}, {"comma", ','}, {"zero", '0'}, {"one", '1'},
        {"two", '2'}, {"three", '3'}, {"four", '4'}, {"five", '5'}, {"six", '6'}, {"seven", '7'}, {"eight", '8'},
        {"nine", '9'}};
    std::string shown;
    const std::string marker = " glyphshow";
    for (std::size_t at = ps.find(marker); at != std::string::npos; at = ps.find(marker, at + 1)) {
        const std::size_t slash = ps.rfind('/', at);
        const std::string name = ps.substr(slash + 1, at - slash - 1);
        if (name.size() == 1) {
            shown += name;
            continue;
        }
        char c = '?';
        for (const auto& [known, value] : kNames) {
            if (name == known)
                c = value;
        }
        shown += c;
    }
    return shown;
}

class TicketDelivery : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ("", m_queue.Error()); }

    std::string Printed() { return m_queue.TakeJob(); }

    static std::vector<std::uint8_t> Queue(const std::string& path)
    {
        PrintQueueRecord record = {};
        ticket_record::Write(record, {path, "", ""});
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
        return std::vector<std::uint8_t>(bytes, bytes + sizeof record);
    }

    ScratchAlertHome m_home {"ticket"};
    SpoolPrinter m_queue {"TICKETQ on LYRA (delivery test)", "VXMTEST-TICKETQ:", "\\\\LYRA\\TICKETQ", m_home.File("SPOOL")};
};

TEST_F(TicketDelivery, TheTicketIsOnePostScriptPageWithEveryFact)
{
    ASSERT_EQ(0, WriteMachineString(std::string(kAlertKey) + "\\User", "Company", "Morwick Freight"));
    ASSERT_EQ(0, WriteMachineString(std::string(kAlertKey) + "\\User", "Location", "Dock 4"));
    ApplicationSettings settings;
    PrintQueueHeader header = {};
    ticket_record::SetHeaderText(header, "HELP DESK TICKET");
    std::memcpy(settings.settings.data(), &header, sizeof header);
    SetList(settings, NotifyMethod::TroubleTicket, {Queue("\\\\lyra\\ticketq")});
    DeliveredAlert alert = Alert();
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    alert.server = computer;  // this computer's registry holds company and location
    RecordingContext context;
    DeliverTroubleTicket(alert, settings, context);
    EXPECT_EQ("\\\\lyra\\ticketq: printed\n", Outcomes(context));

    const std::string ps = Printed();
    ASSERT_EQ(0u, ps.find("%!PS")) << ps.substr(0, 40);
    EXPECT_NE(std::string::npos, ps.find("%%Title: Trouble Ticket"));
    EXPECT_NE(std::string::npos, ps.find("%%Pages: 1"));
    const std::string shown = ShownText(ps);
    for (const char* text : {"HELP DESK TICKET", "Company: Morwick Freight", "Location: Dock 4", "Date: 11/14/2023",
             "Time: ", "Application: VEXOMAR", "Priority: Critical", "Alert:Virus found in C:\\DATA\\GAME.EXE"}) {
        EXPECT_NE(std::string::npos, shown.find(text)) << text << " in " << shown;
    }
}

TEST_F(TicketDelivery, AQueueThatCannotBeOpenedIsLoggedAsNotDelivered)
{
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::TroubleTicket, {Queue("\\\\NOWHERE\\NOQUEUE"), Queue("")});
    RecordingContext context;
    const DWORD start = GetTickCount();
    DeliverTroubleTicket(Alert(), settings, context);
    EXPECT_GE(GetTickCount() - start, 4900u);  // the second try came after its wait
    ASSERT_EQ(2u, context.lines.size()) << Outcomes(context);
    EXPECT_EQ(0u, context.lines[0].outcome.find("not delivered: the print queue cannot be opened"));
    EXPECT_EQ("(no queue)", context.lines[1].recipient);
    EXPECT_EQ("not delivered: the record names no print queue", context.lines[1].outcome);
}

// ---- event log ---------------------------------------------------------------------------

class RecordingEventLog final : public EventLogSink {
public:
    HANDLE Open(const std::string& machine, const std::string& source) override
    {
        opened.push_back(machine + "|" + source);
        return failOpen ? nullptr : reinterpret_cast<HANDLE>(0x1234);
    }
    bool Report(HANDLE, WORD type, DWORD eventId, const std::string& text) override
    {
        reports.push_back(std::to_string(type) + "|" + std::to_string(eventId) + "|" + text);
        return true;
    }
    void Close(HANDLE) override { ++closed; }

    bool failOpen = false;
    std::vector<std::string> opened, reports;
    int closed = 0;
};

TEST(EventLogDelivery, EachMachineAndEveryServerOfADomainGetsOneReportOfTheAlertsType)
{
    ScratchAlertHome home("eventlog");
    home.UseSite("[SALES]\r\nALPHA=C:\\SITE\\ALPHA\r\nBETA=C:\\SITE\\BETA\r\n[RESEARCH]\r\nGAMMA=C:\\SITE\\GAMMA\r\n");
    RecordingEventLog log;
    UseEventLogSink(&log);
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::EventLog,
        {TextRecord(NotifyMethod::EventLog, "\\\\PC1"), TextRecord(NotifyMethod::EventLog, std::string("\\\\") + computer),
            TextRecord(NotifyMethod::EventLog, "sales*"), TextRecord(NotifyMethod::EventLog, "NOWHERE*")});
    RecordingContext context;
    DeliveredAlert alert = Alert("Scan finished");
    alert.priority = 2;
    DeliverEventLog(alert, settings, context);
    UseEventLogSink(nullptr);

    const std::string source = "|Morwick Alert Notification Server";
    EXPECT_EQ(std::vector<std::string>({"\\\\PC1" + source, source, "\\\\ALPHA" + source, "\\\\BETA" + source}),
        log.opened);
    const std::string report = std::to_string(EVENTLOG_WARNING_TYPE) + "|1002|Warning alert of VEXOMAR on ALPHA: Scan finished";
    EXPECT_EQ(std::vector<std::string>(4, report), log.reports);
    EXPECT_EQ(4, log.closed);
    EXPECT_EQ("\\\\PC1: reported\n\\\\" + std::string(computer) +
            ": reported\nsales* (\\\\ALPHA): reported\nsales* (\\\\BETA): reported\n"
            "NOWHERE*: not delivered: the site description lists no server of this domain\n",
        Outcomes(context));
}

TEST(EventLogDelivery, AnEventLogThatDoesNotOpenIsTriedTwiceThenLogged)
{
    RecordingEventLog log;
    log.failOpen = true;
    UseEventLogSink(&log);
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::EventLog, {TextRecord(NotifyMethod::EventLog, "\\\\PC9")});
    RecordingContext context;
    DeliverEventLog(Alert(), settings, context);
    UseEventLogSink(nullptr);
    EXPECT_EQ(2u, log.opened.size());
    ASSERT_EQ(1u, context.lines.size());
    EXPECT_EQ(0u, context.lines[0].outcome.find("not delivered: the event log cannot be opened"));
}

TEST(EventLogDelivery, ThePlatformsCallsAcceptTheReport)
{
    // Wine keeps no event log, but the calls must be made and answer as on Windows.
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::EventLog, {TextRecord(NotifyMethod::EventLog, "\\\\.")});
    RecordingContext context;
    DeliverEventLog(Alert(), settings, context);
    EXPECT_EQ("\\\\.: reported\n", Outcomes(context));
}

}  // namespace
