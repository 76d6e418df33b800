// The pager method's portable core: paging blocks, modem and terminal replies, port settings,
// call plans, and whole calls and rounds over a scripted modem and paging terminal.
#include <cstring>
#include <deque>
#include <functional>

#include <gtest/gtest.h>

#include "modem_reply.h"
#include "pager_call.h"
#include "pager_dialogue.h"
#include "pager_round.h"
#include "pager_test_record.h"
#include "tap_block.h"

namespace {

// The protocol's own example: pager ID 123, message ABC.
TEST(PagerBlock, ChecksumOfTheClassicExampleIs17Semicolon)
{
    EXPECT_EQ("17;",
        tap::Checksum("\x02"
                      "123\rABC\r\x03"));
    EXPECT_EQ(std::vector<std::string> {"\x02"
                                        "123\rABC\r\x03"
                                        "17;\r"},
        tap::EncodeBlocks({"123", "ABC"}));
}

TEST(PagerBlock, ChecksumKeepsTheLowTwelveBitsOfSevenBitCharacters)
{
    // 0x82 counts as 0x02; 40 x 0x7F = 0x13D8 keeps 0x3D8.
    EXPECT_EQ(tap::Checksum("\x02"), tap::Checksum("\x82"));
    EXPECT_EQ("3=8", tap::Checksum(std::string(40, '\x7f')));
}

TEST(PagerBlock, LongMessageIsCutIntoBlocksThatContinueTheField)
{
    const std::string message(300, 'M');
    const std::vector<std::string> blocks = tap::EncodeBlocks({"1234", message});
    ASSERT_EQ(2u, blocks.size());
    std::string content;
    for (const std::string& block : blocks) {
        EXPECT_LE(block.size(), tap::kMaxBlock);
        EXPECT_EQ(tap::kStx, block.front());
        EXPECT_EQ('\r', block.back());
        const std::size_t close = block.size() - 5;
        EXPECT_EQ(block.substr(close + 1, 3), tap::Checksum(block.substr(0, close + 1)));
        content += block.substr(1, close - 1);
    }
    EXPECT_EQ(tap::kUs, blocks[0][blocks[0].size() - 5]);  // the message goes on in the next block
    EXPECT_EQ(tap::kEtx, blocks[1][blocks[1].size() - 5]);
    EXPECT_EQ(250u, blocks[0].size());
    EXPECT_EQ("1234\r" + message + "\r", content);
}

TEST(PagerBlock, BlockEndingAtAFieldsEndClosesWithEtb)
{
    // 10 characters of room: "12345\r" and "ABC\r" fill the first block exactly.
    const std::vector<std::string> blocks = tap::EncodeBlocks({"12345", "ABC", "Z"}, 16);
    ASSERT_EQ(2u, blocks.size());
    EXPECT_EQ("\x02"
              "12345\rABC\r\x17",
        blocks[0].substr(0, 12));
    EXPECT_EQ("\x02"
              "Z\r\x03",
        blocks[1].substr(0, 4));
}

TEST(PagerBlock, FieldTextKeepsLineBreaksAndForeignCharactersOutOfTheFraming)
{
    EXPECT_EQ("Virus found  in C:\\A.EXE ?", tap::FieldText("Virus found\r\nin C:\\A.EXE \xe9"));
    EXPECT_EQ("\x1bPG1AB12\r", tap::Logon("AB12"));
    EXPECT_EQ("\x1bPG1\r", tap::Logon(""));
}

TEST(ModemReplies, WordsAndNumbersAreClassified)
{
    EXPECT_EQ(ModemReply::Ok, ClassifyModemLine("OK"));
    EXPECT_EQ(ModemReply::Connect, ClassifyModemLine("CONNECT 2400/REL"));
    EXPECT_EQ(ModemReply::Connect, ClassifyModemLine("CONNECT"));
    EXPECT_EQ(ModemReply::Busy, ClassifyModemLine(" BUSY "));
    EXPECT_EQ(ModemReply::NoCarrier, ClassifyModemLine("NO CARRIER"));
    EXPECT_EQ(ModemReply::NoAnswer, ClassifyModemLine("NO ANSWER"));
    EXPECT_EQ(ModemReply::NoDialtone, ClassifyModemLine("NO DIALTONE"));
    EXPECT_EQ(ModemReply::Error, ClassifyModemLine("ERROR"));
    EXPECT_EQ(ModemReply::Busy, ClassifyModemLine("7"));
    EXPECT_FALSE(ClassifyModemLine("ATDT5550100"));
    EXPECT_FALSE(ClassifyModemLine("RING"));
    EXPECT_FALSE(ClassifyModemLine("CONNECTED"));
    EXPECT_FALSE(ClassifyModemLine(""));
}

TEST(ModemReplies, EchoAndNoiseBeforeTheResultAreDropped)
{
    std::string received = "ATZ\r\r\nRING\r\nOK\r\nCONN";
    EXPECT_EQ(ModemReply::Ok, TakeModemReply(received));
    EXPECT_EQ("\nCONN", received);
    EXPECT_FALSE(TakeModemReply(received));  // a line not yet ended is kept for the next read
    received += "ECT 1200\r\n";
    EXPECT_EQ(ModemReply::Connect, TakeModemReply(received));
}

TEST(TerminalReplies, EachReplyIsTakenWithTheTextBeforeIt)
{
    std::string received = "\rID=";
    EXPECT_EQ(TerminalReply::IdPrompt, TakeTerminalReply(received));
    received = "Processing - please wait\r\x06\r\x1b[p\r";
    EXPECT_EQ(TerminalReply::Ack, TakeTerminalReply(received));
    EXPECT_EQ(TerminalReply::GoAhead, TakeTerminalReply(received));
    EXPECT_EQ("\r", received);
    received = "Bad ID\r\x1e\r";
    EXPECT_EQ(TerminalReply::Refused, TakeTerminalReply(received));
    received = "\x15\r";
    EXPECT_EQ(TerminalReply::Nak, TakeTerminalReply(received));
}

TEST(TerminalReplies, AnEscapeSplitAcrossReadsWaitsForItsRest)
{
    std::string received = "Goodbye\r\x1b";
    EXPECT_FALSE(TakeTerminalReply(received));
    received += "\x04\r";
    EXPECT_EQ(TerminalReply::Disconnect, TakeTerminalReply(received));
    received = "\x1b[";
    EXPECT_FALSE(TakeTerminalReply(received));
    received += "p";
    EXPECT_EQ(TerminalReply::GoAhead, TakeTerminalReply(received));
}

PortRecord Port(std::uint16_t id, std::uint16_t number, std::int32_t baud, std::int32_t data, std::int32_t parity,
    std::int32_t stop)
{
    PortRecord record = port_file::DefaultRecord();
    record.portId = id;
    record.portNumber = number;
    record.baudIndex = baud;
    record.dataBitsIndex = data;
    record.parityIndex = parity;
    record.stopBitsIndex = stop;
    return record;
}

port_file::PortFileContent Ports(std::vector<PortRecord> records)
{
    port_file::PortFileContent content {port_file::DefaultHeader(), std::move(records)};
    content.header.recordCount = static_cast<std::uint16_t>(content.records.size());
    return content;
}

TEST(PortChoice, MissingFilesGiveTheDefaultSetting)
{
    const PortChoice choice = ChoosePortSetting(port_file::DefaultContent(), std::nullopt, 0);
    ASSERT_TRUE(choice.settings);
    EXPECT_EQ("COM1 300 7E1", choice.settings->Describe());
}

TEST(PortChoice, ANumberIsAPositionAndTheDefaultIsAPortId)
{
    // IDs 1, 3, 4 after a deletion: setting 2 is the second line, the default ID 4 the third.
    const auto ports = Ports({Port(1, 1, 0, 0, 1, 0), Port(3, 2, 4, 1, 0, 1), Port(4, 3, 2, 1, 2, 0)});
    EXPECT_EQ("COM2 9600 8N2", ChoosePortSetting(ports, 4, 2).settings->Describe());
    EXPECT_EQ("COM3 2400 8O1", ChoosePortSetting(ports, 4, 0).settings->Describe());
    // A default ID no record carries is taken as the position the editor shows it at.
    EXPECT_EQ("COM2 9600 8N2", ChoosePortSetting(ports, 2, 0).settings->Describe());
    EXPECT_EQ("port setting 4 is not in PORT.CFG", ChoosePortSetting(ports, 1, 4).problem);
    EXPECT_EQ("the default port setting 9 is not in PORT.CFG", ChoosePortSetting(ports, 9, 0).problem);
}

TEST(PortChoice, TheHeaderCountBoundsTheSettingsAndIndexesClampAsListed)
{
    auto ports = Ports({Port(1, 4, 99, 7, 5, 3), Port(2, 2, 0, 0, 0, 0)});
    ports.header.recordCount = 1;
    EXPECT_EQ("COM4 9600 8O2", ChoosePortSetting(ports, 1, 1).settings->Describe());
    EXPECT_FALSE(ChoosePortSetting(ports, 1, 2).settings);
    ports.records[0].portNumber = 7;
    EXPECT_EQ("port ID 1 names no serial port", ChoosePortSetting(ports, 1, 1).problem);
}

TEST(PagerCalls, NumericPageDialsTheCodesDigitsBetweenTheDelays)
{
    const CallPlan plan = PlanCall(TestPager("Duty", "(555) 010-0", 0, "", 3, 1), {"text", "E-05", 1});
    ASSERT_TRUE(plan.call);
    EXPECT_EQ("ATDT5550100,,,05#,;\r", DialCommand(*plan.call));
    EXPECT_EQ("1", PagerDigits({"text", "", 1}));
    EXPECT_EQ("1234567890123456", PagerDigits({"", "12345678901234567890", 3}));
    EXPECT_EQ("9W*70,", DialableNumber("9w*70,"));
}

TEST(PagerCalls, AlphanumericPageCarriesTheIdSiteAndCleanText)
{
    PagerRecord record = TestPager("Ann", "5550101", 1, "1234");
    std::strcpy(record.siteId, "S1");
    const CallPlan plan = PlanCall(record, {"Virus\r\nfound", "05", 0});
    ASSERT_TRUE(plan.call);
    EXPECT_EQ("ATDT5550101\r", DialCommand(*plan.call));
    EXPECT_EQ("1234", plan.call->pagerId);
    EXPECT_EQ("S1", plan.call->password);
    EXPECT_EQ("Virus  found", plan.call->message);
    EXPECT_EQ("Ann (5550101/1234)", RecipientName(record));
}

TEST(PagerCalls, RecordsThatCannotBeCalledSayWhy)
{
    EXPECT_EQ("the pager number holds nothing to dial", PlanCall(TestPager("A", "--", 0), {}).problem);
    EXPECT_EQ("the alphanumeric pager has no pager ID", PlanCall(TestPager("A", "5550100", 1), {}).problem);
}

// A modem and paging terminal that answer what the dialogue sends, on a clock of their own.
class ScriptedLine : public SerialLink {
public:
    std::string dialReply = "\r\nCONNECT 1200\r\n";
    std::string idPrompt = "ID=";
    std::deque<std::string> blockReplies;  // one per block sent; ACK when none is left
    bool answersModem = true;
    std::string written;
    std::function<void()> onWrite;

    bool Write(std::string_view bytes) override
    {
        written += bytes;
        const std::string chunk(bytes);
        if (chunk == "ATZ\r" || chunk == "ATE0Q0V1X4\r" || chunk == "ATH0\r" || chunk == "+++")
            Queue(answersModem ? "\r\nOK\r\n" : "");
        else if (chunk.rfind("ATDT", 0) == 0)
            Queue(dialReply);
        else if (chunk == "\r")
            Queue(idPrompt);
        else if (chunk.rfind("\x1bPG1", 0) == 0)
            Queue("\r\x06\r\x1b[p\r");
        else if (chunk.front() == tap::kStx) {
            std::string reply = "\r\x06\r";
            if (!blockReplies.empty()) {
                reply = blockReplies.front();
                blockReplies.pop_front();
            }
            Queue(reply);
        } else if (chunk == "\x04\r")
            Queue("\r\x1b\x04\r\r\nNO CARRIER\r\n");
        if (onWrite)
            onWrite();
        return true;
    }
    LinkRead Read(std::string& into, std::uint32_t timeoutMs) override
    {
        if (stopped)
            return LinkRead::Stopped;
        if (pending.empty()) {
            now += timeoutMs;
            return LinkRead::Timeout;
        }
        into += pending;
        pending.clear();
        return LinkRead::Data;
    }
    bool Pause(std::uint32_t ms) override
    {
        now += ms;
        return !stopped;
    }
    std::uint64_t Milliseconds() override { return now; }

    bool stopped = false;
    std::uint64_t now = 0;

private:
    void Queue(const std::string& reply) { pending += reply; }
    std::string pending;
};

PagerTiming Quick()
{
    PagerTiming timing;
    timing.retryDelayMs = 50;
    return timing;
}

PagerCall AlphaCall()
{
    PagerCall call;
    call.alphanumeric = true;
    call.number = "5550101";
    call.pagerId = "1234";
    call.message = "ABC";
    return call;
}

const std::string kModemStart = "ATZ\rATE0Q0V1X4\r";

TEST(PagerDialogueCalls, AlphanumericPageGoesThroughTheWholeProtocol)
{
    ScriptedLine line;
    const PagerTiming timing = Quick();
    const PageResult result = PagerDialogue(line, timing).Place(AlphaCall());
    EXPECT_EQ(PageStatus::Delivered, result.status);
    EXPECT_EQ("the paging terminal accepted the message", result.Text());
    const std::string block = "\x02"
                              "1234\rABC\r\x03" +
        tap::Checksum("\x02"
                      "1234\rABC\r\x03") +
        "\r";
    EXPECT_EQ(kModemStart +
            "ATDT5550101\r"
            "\r"
            "\x1bPG1\r" +
            block +
            "\x04\r"
            "ATH0\r",
        line.written);
}

TEST(PagerDialogueCalls, NakedBlockIsSentAgainAndThreeNaksGiveUp)
{
    ScriptedLine line;
    line.blockReplies = {"\r\x15\r", "\r\x06\r"};
    const PagerTiming timing = Quick();
    EXPECT_EQ(PageStatus::Delivered, PagerDialogue(line, timing).Place(AlphaCall()).status);
    const std::string block = tap::EncodeBlocks({"1234", "ABC"}).front();
    EXPECT_NE(std::string::npos, line.written.find(block + block + "\x04\r"));

    ScriptedLine refusing;
    refusing.blockReplies = {"\r\x15\r", "\r\x15\r", "\r\x15\r"};
    const PageResult result = PagerDialogue(refusing, timing).Place(AlphaCall());
    EXPECT_EQ(PageStatus::NotAccepted, result.status);
    EXPECT_EQ("the paging terminal did not accept the message after 3 transmissions", result.Text());
}

TEST(PagerDialogueCalls, RefusedPageEndsTheSessionAndIsNotWorthRetrying)
{
    ScriptedLine line;
    line.blockReplies = {"Invalid pager ID\r\x1e\r"};
    const PagerTiming timing = Quick();
    const PageResult result = PagerDialogue(line, timing).Place(AlphaCall());
    EXPECT_EQ(PageStatus::Refused, result.status);
    EXPECT_EQ("the paging terminal refused the message", result.Text());
    EXPECT_FALSE(WorthRetrying(result.status));
    EXPECT_EQ("\x04\rATH0\r", line.written.substr(line.written.size() - 7));
}

TEST(PagerDialogueCalls, ModemResultsOfTheDialAreTheOutcome)
{
    const PagerTiming timing = Quick();
    const std::vector<std::pair<std::string, std::string>> cases = {{"\r\nBUSY\r\n", "the line was busy"},
        {"\r\nNO CARRIER\r\n", "no carrier"}, {"\r\nNO ANSWER\r\n", "no answer"},
        {"\r\nNO DIALTONE\r\n", "no dial tone"}, {"\r\nERROR\r\n", "the modem answered ERROR to ATDT5550101"}};
    for (const auto& [reply, text] : cases) {
        ScriptedLine line;
        line.dialReply = reply;
        const PageResult result = PagerDialogue(line, timing).Place(AlphaCall());
        EXPECT_EQ(text, result.Text()) << reply;
        EXPECT_EQ(kModemStart + "ATDT5550101\r", line.written) << reply;
    }
}

TEST(PagerDialogueCalls, SilenceIsBoundedAtEveryStep)
{
    const PagerTiming timing = Quick();
    ScriptedLine mute;
    mute.answersModem = false;
    EXPECT_EQ("the modem did not answer to ATZ", PagerDialogue(mute, timing).Place(AlphaCall()).Text());
    EXPECT_EQ(timing.commandMs, mute.now);

    ScriptedLine noPrompt;
    noPrompt.idPrompt = "";
    const PageResult result = PagerDialogue(noPrompt, timing).Place(AlphaCall());
    EXPECT_EQ("the paging terminal did not answer with ID=", result.Text());
    // Three CRs, then the escape back to commands and the hang-up.
    EXPECT_EQ(kModemStart + "ATDT5550101\r\r\r\r+++ATH0\r", noPrompt.written);
}

TEST(PagerDialogueCalls, NumericPageDialsAndHangsUp)
{
    ScriptedLine line;
    line.dialReply = "\r\nOK\r\n";
    PagerCall call;
    call.number = "5550100";
    call.digits = "05";
    call.connectionSteps = 2;
    const PagerTiming timing = Quick();
    const PageResult result = PagerDialogue(line, timing).Place(call);
    EXPECT_EQ("the digits 05 were dialled", result.Text());
    EXPECT_EQ(kModemStart +
            "ATDT5550100,,05#;\r"
            "ATH0\r",
        line.written);
}

TEST(PagerDialogueCalls, AStopEndsTheCallWithoutTheHangUpDialogue)
{
    ScriptedLine line;
    line.onWrite = [&line] { line.stopped = line.written.find("ATDT") != std::string::npos; };
    const PagerTiming timing = Quick();
    EXPECT_EQ(PageStatus::Stopped, PagerDialogue(line, timing).Place(AlphaCall()).status);
    EXPECT_EQ(kModemStart + "ATDT5550101\r", line.written);
}

// Hands out scripted lines, one per call, and records the round's lines and waits.
class ScriptedRound : public PagerLines, public PagerReport {
public:
    std::deque<std::string> dialReplies;  // one per call
    std::vector<std::string> log;
    std::vector<std::uint32_t> waits;
    std::vector<std::string> opened;
    bool stopOnWait = false;
    std::string openProblem;

    std::unique_ptr<SerialLink> Open(const SerialSettings& settings, std::string& problem) override
    {
        opened.push_back(settings.Describe());
        if (!openProblem.empty()) {
            problem = openProblem;
            return nullptr;
        }
        auto line = std::make_unique<ScriptedLine>();
        if (!dialReplies.empty()) {
            line->dialReply = dialReplies.front();
            dialReplies.pop_front();
        }
        return line;
    }
    void Log(const std::string& recipient, const std::string& outcome) override
    {
        log.push_back(recipient + ": " + outcome);
    }
    bool Wait(std::uint32_t ms) override
    {
        waits.push_back(ms);
        if (stopOnWait)
            stopping = true;
        return !stopOnWait;
    }
    bool Stopping() const override { return stopping; }
    bool stopping = false;
};

const PagerPorts kDefaultPorts {port_file::DefaultContent(), std::nullopt};

TEST(PagerRounds, BusyLineIsCalledAgainAfterTheDelay)
{
    ScriptedRound round;
    round.dialReplies = {"\r\nBUSY\r\n", "\r\nCONNECT\r\n"};
    PageEveryRecipient(
        {TestPager("Ann", "5550101", 1, "1234")}, kDefaultPorts, {"ABC", "05", 1}, Quick(), round, round);
    EXPECT_EQ((std::vector<std::string> {
                  "Ann (5550101/1234): the line was busy (COM1 300 7E1); calling again in 1 second (retry 1 of 2)",
                  "Ann (5550101/1234): delivered: the paging terminal accepted the message (COM1 300 7E1)"}),
        round.log);
    EXPECT_EQ(std::vector<std::uint32_t> {50}, round.waits);
}

TEST(PagerRounds, RetriesAreBoundedAndEachRecipientGetsItsLines)
{
    ScriptedRound round;
    round.dialReplies = {"\r\nNO ANSWER\r\n", "\r\nNO ANSWER\r\n", "\r\nNO ANSWER\r\n", "\r\nOK\r\n"};
    PageEveryRecipient({TestPager("Ann", "5550101", 1, "1234"), TestPager("Bob", "5550100", 0)}, kDefaultPorts,
        {"ABC", "05", 1}, Quick(), round, round);
    ASSERT_EQ(4u, round.log.size());
    EXPECT_EQ("Ann (5550101/1234): not delivered: no answer (COM1 300 7E1), after 3 calls", round.log[2]);
    EXPECT_EQ("Bob (5550100): delivered: the digits 05 were dialled (COM1 300 7E1)", round.log[3]);
    EXPECT_EQ(2u, round.waits.size());
}

TEST(PagerRounds, ConfigurationFaultsAreReportedWithoutACall)
{
    ScriptedRound round;
    PagerRecord elsewhere = TestPager("Cy", "5550102", 0);
    elsewhere.portSetting = 3;
    PageEveryRecipient(
        {TestPager("Ann", "5550101", 1), elsewhere}, kDefaultPorts, {"ABC", "05", 1}, Quick(), round, round);
    EXPECT_EQ((std::vector<std::string> {"Ann (5550101): not delivered: the alphanumeric pager has no pager ID",
                  "Cy (5550102): not delivered: port setting 3 is not in PORT.CFG"}),
        round.log);
    EXPECT_TRUE(round.opened.empty());
}

TEST(PagerRounds, APortThatCannotBeOpenedIsRetriedThenReported)
{
    ScriptedRound round;
    round.openProblem = "COM1 could not be opened (error 2)";
    PagerTiming timing = Quick();
    timing.retries = 1;
    PageEveryRecipient({TestPager("Bob", "5550100", 0)}, kDefaultPorts, {"ABC", "05", 1}, timing, round, round);
    EXPECT_EQ((std::vector<std::string> {
                  "Bob (5550100): COM1 could not be opened (error 2) (COM1 300 7E1); calling again in 1 second "
                  "(retry 1 of 1)",
                  "Bob (5550100): not delivered: COM1 could not be opened (error 2) (COM1 300 7E1), after 2 calls"}),
        round.log);
}

TEST(PagerRounds, AStopDuringTheRetryDelayEndsTheRound)
{
    ScriptedRound round;
    round.dialReplies = {"\r\nBUSY\r\n"};
    round.stopOnWait = true;
    PageEveryRecipient({TestPager("Ann", "5550101", 1, "1234"), TestPager("Bob", "5550100", 0)}, kDefaultPorts,
        {"ABC", "05", 1}, Quick(), round, round);
    ASSERT_EQ(3u, round.log.size());
    EXPECT_EQ("Ann (5550101/1234): not delivered: the service was stopped or paused before the retry", round.log[1]);
    EXPECT_EQ("Bob (5550100): not delivered: the service was stopped or paused", round.log[2]);
    EXPECT_EQ(1u, round.opened.size());
}

}  // namespace
