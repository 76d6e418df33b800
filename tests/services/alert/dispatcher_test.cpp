// The delivery framework with methods of the test's own: queues per method, units per
// recipient, stop and pause, and the journal that keeps a restart from delivering twice.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>

#include "atomic_file.h"
#include "delivery_test_support.h"
#include "scratch_alert_home.h"

namespace {

// What the fake methods were asked to deliver: "<method>:<alert id>:<first record's text>".
std::mutex g_lock;
std::vector<std::string> g_calls;
std::atomic<bool> g_hang {false};  // the hanging method waits for the stop while this is set

std::string FirstText(NotifyMethod method, const ApplicationSettings& settings)
{
    const auto& list = settings.recipients[static_cast<std::size_t>(method)];
    return list.empty() ? std::string() : std::string(reinterpret_cast<const char*>(list.data()));
}

template <NotifyMethod M> void Recording(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    {
        std::lock_guard<std::mutex> hold(g_lock);
        g_calls.push_back(std::string(InfoOf(M).name) + ":" + alert.id + ":" + FirstText(M, settings));
    }
    for (std::size_t i = 0; i < settings.RecipientCount(M); ++i) {
        const auto& list = settings.recipients[static_cast<std::size_t>(M)];
        context.Log(M, reinterpret_cast<const char*>(list.data() + i * InfoOf(M).recordSize), "delivered");
    }
}

// Like a modem that never answers: waits for the stop (at most 20 s), then says so. A record
// whose text begins with "ok" is delivered at once.
template <NotifyMethod M> void Hanging(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    const std::string text = FirstText(M, settings);
    if (g_hang && text.rfind("ok", 0) != 0) {
        {
            std::lock_guard<std::mutex> hold(g_lock);
            g_calls.push_back(std::string("hung:") + alert.id + ":" + text);
        }
        WaitForSingleObject(context.StopEvent(), 20000);
        context.Log(M, text, "not delivered: the service stopped");
        return;
    }
    Recording<M>(alert, settings, context);
}

void Silent(const DeliveredAlert&, const ApplicationSettings&, DeliveryContext&) { }

AlertDispatcher::Methods AllRecording()
{
    return {Recording<NotifyMethod::Broadcast>, Recording<NotifyMethod::Pager>, Recording<NotifyMethod::EMail>,
        Recording<NotifyMethod::Snmp>, Recording<NotifyMethod::TroubleTicket>, Recording<NotifyMethod::EventLog>};
}

// A pager that hangs and an SNMP manager that answers.
ApplicationSettings PagerAndSnmp()
{
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::Pager, {TextRecord(NotifyMethod::Pager, "modem")});
    SetList(settings, NotifyMethod::Snmp, {TextRecord(NotifyMethod::Snmp, "mon")});
    return settings;
}

AlertDispatcher::Methods WithHangingPager()
{
    AlertDispatcher::Methods methods = AllRecording();
    methods[static_cast<std::size_t>(NotifyMethod::Pager)] = Hanging<NotifyMethod::Pager>;
    return methods;
}

std::vector<std::string> Calls()
{
    std::lock_guard<std::mutex> hold(g_lock);
    return g_calls;
}

class DispatcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_hang = false;
        m_root = m_scratch.File("DELIVERY");
    }

    ScratchAlertHome m_scratch {"dispatch"};
    std::string m_root;
    LogLines m_log;
};

TEST_F(DispatcherTest, EachEnabledMethodDeliversEveryRecipientOnceAndEMailAsOneMessage)
{
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::Broadcast,
        {TextRecord(NotifyMethod::Broadcast, "\\\\PC1"), TextRecord(NotifyMethod::Broadcast, "\\\\PC2")});
    SetList(settings, NotifyMethod::EMail, {TextRecord(NotifyMethod::EMail, "Ann"), TextRecord(NotifyMethod::EMail, "Bob")});
    SetList(settings, NotifyMethod::Snmp, {TextRecord(NotifyMethod::Snmp, "mon")});
    SetList(settings, NotifyMethod::Pager, {TextRecord(NotifyMethod::Pager, "off duty")}, false);
    AlertDispatcher dispatcher(m_root, AllRecording(), m_log.Sink());
    dispatcher.Start();
    dispatcher.Enqueue(Recorded("A1", settings));
    ASSERT_TRUE(dispatcher.WaitUntilIdle(5000));

    std::vector<std::string> calls = Calls();
    std::sort(calls.begin(), calls.end());
    EXPECT_EQ(std::vector<std::string>({"SNMP:A1:mon", "broadcast:A1:\\\\PC1", "broadcast:A1:\\\\PC2", "e-mail:A1:Ann"}),
        calls);
    std::vector<std::string> lines = m_log.Lines();
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(std::vector<std::string>({
                  "VEXOMAR alert (AL000001.EVT) by SNMP to mon: delivered",
                  "VEXOMAR alert (AL000001.EVT) by broadcast to \\\\PC1: delivered",
                  "VEXOMAR alert (AL000001.EVT) by broadcast to \\\\PC2: delivered",
                  "VEXOMAR alert (AL000001.EVT) by e-mail to Ann: delivered",
                  "VEXOMAR alert (AL000001.EVT) by e-mail to Bob: delivered",
              }),
        lines);
    // Finished alerts leave only the list of what was delivered.
    EXPECT_FALSE(FileExists(m_root + "\\BROADCST\\A1.DLV"));
    EXPECT_NE(std::string::npos, ScratchAlertHome::ReadText(m_root + "\\BROADCST\\DELIVERED.JNL").find("A1\r\n"));
    EXPECT_FALSE(FileExists(m_root + "\\PAGER\\A1.DLV"));
}

TEST_F(DispatcherTest, AHungMethodHoldsUpNoOtherAndAStopEndsItWithoutLosingTheAlert)
{
    g_hang = true;
    const ApplicationSettings settings = PagerAndSnmp();
    const AlertDispatcher::Methods methods = WithHangingPager();
    {
        AlertDispatcher dispatcher(m_root, methods, m_log.Sink());
        dispatcher.Start();
        dispatcher.Enqueue(Recorded("A2", settings));
        ASSERT_TRUE(m_log.WaitFor("by SNMP to mon: delivered"));
        EXPECT_FALSE(dispatcher.WaitUntilIdle(200));
        const DWORD start = GetTickCount();
        dispatcher.Stop();
        EXPECT_LT(GetTickCount() - start, 3000u);
    }
    EXPECT_TRUE(m_log.WaitFor("by pager to modem: not delivered: the service stopped", 0));
    EXPECT_TRUE(FileExists(m_root + "\\PAGER\\A2.DLV"));

    // The next start delivers the pager and nothing else again.
    g_hang = false;
    g_calls.clear();
    AlertDispatcher restarted(m_root, methods, m_log.Sink());
    restarted.Start();
    ASSERT_TRUE(restarted.WaitUntilIdle(5000));
    EXPECT_EQ(std::vector<std::string>({"pager:A2:modem"}), Calls());
    EXPECT_FALSE(FileExists(m_root + "\\PAGER\\A2.DLV"));
}

TEST_F(DispatcherTest, AStopMidwayResumesWithTheRecipientsNotYetDelivered)
{
    g_hang = true;
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::Broadcast,
        {TextRecord(NotifyMethod::Broadcast, "ok first"), TextRecord(NotifyMethod::Broadcast, "slow"),
            TextRecord(NotifyMethod::Broadcast, "ok third")});
    AlertDispatcher::Methods methods = AllRecording();
    methods[0] = Hanging<NotifyMethod::Broadcast>;
    {
        AlertDispatcher dispatcher(m_root, methods, m_log.Sink());
        dispatcher.Start();
        dispatcher.Enqueue(Recorded("A3", settings));
        ASSERT_TRUE(m_log.WaitFor("by broadcast to ok first: delivered"));
        while (Calls().size() < 2)
            Sleep(10);
        dispatcher.Stop();
    }
    EXPECT_EQ(std::vector<std::string>({"broadcast:A3:ok first", "hung:A3:slow"}), Calls());

    g_hang = false;
    g_calls.clear();
    AlertDispatcher restarted(m_root, methods, m_log.Sink());
    restarted.Start();
    ASSERT_TRUE(restarted.WaitUntilIdle(5000));
    EXPECT_EQ(std::vector<std::string>({"broadcast:A3:slow", "broadcast:A3:ok third"}), Calls());
}

TEST_F(DispatcherTest, PauseCutsADeliveryShortAndContinueTakesItUpAgain)
{
    g_hang = true;
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::Pager, {TextRecord(NotifyMethod::Pager, "modem")});
    AlertDispatcher dispatcher(m_root, WithHangingPager(), m_log.Sink());
    dispatcher.Start();
    dispatcher.Enqueue(Recorded("A4", settings));
    while (Calls().empty())
        Sleep(10);
    dispatcher.SetPaused(true);
    ASSERT_TRUE(m_log.WaitFor("by pager to modem: not delivered: the service stopped"));
    Sleep(100);
    EXPECT_EQ(1u, Calls().size());  // nothing new is started while paused
    g_hang = false;
    dispatcher.SetPaused(false);
    ASSERT_TRUE(m_log.WaitFor("by pager to modem: delivered"));
    ASSERT_TRUE(dispatcher.WaitUntilIdle(5000));
    EXPECT_EQ(std::vector<std::string>({"hung:A4:modem", "pager:A4:modem"}), Calls());
}

TEST_F(DispatcherTest, AnEntryLeftAfterItsAlertWasDeliveredAndADamagedOneAreDropped)
{
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::Snmp, {TextRecord(NotifyMethod::Snmp, "mon")});
    PendingDelivery entry;
    entry.method = NotifyMethod::Snmp;
    entry.alert = Recorded("A5", settings).alert;
    entry.settings = settings;
    ASSERT_TRUE(EnsureFolder(m_root + "\\SNMP"));
    ScratchAlertHome::WriteBytes(m_root + "\\SNMP\\A5.DLV", entry.Encode());
    const std::string delivered = "A5\r\n";
    ScratchAlertHome::WriteBytes(m_root + "\\SNMP\\DELIVERED.JNL", std::vector<BYTE>(delivered.begin(), delivered.end()));
    std::vector<BYTE> cut = entry.Encode();
    cut.resize(cut.size() - 3);
    ScratchAlertHome::WriteBytes(m_root + "\\SNMP\\A6.DLV", cut);

    AlertDispatcher dispatcher(m_root, AllRecording(), m_log.Sink());
    dispatcher.Start();
    // An alert already delivered is not taken again, even when it is handed over anew.
    dispatcher.Enqueue(Recorded("A5", settings));
    ASSERT_TRUE(dispatcher.WaitUntilIdle(5000));
    EXPECT_TRUE(Calls().empty());
    EXPECT_FALSE(FileExists(m_root + "\\SNMP\\A5.DLV"));
    EXPECT_FALSE(FileExists(m_root + "\\SNMP\\A6.DLV"));
}

TEST_F(DispatcherTest, AMethodThatReportsNothingIsLoggedAndNotAskedAgain)
{
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::EventLog, {TextRecord(NotifyMethod::EventLog, "\\\\PC1")});
    AlertDispatcher::Methods methods = AllRecording();
    methods[static_cast<std::size_t>(NotifyMethod::EventLog)] = Silent;
    AlertDispatcher dispatcher(m_root, methods, m_log.Sink());
    dispatcher.Start();
    dispatcher.Enqueue(Recorded("A7", settings));
    ASSERT_TRUE(dispatcher.WaitUntilIdle(5000));
    EXPECT_EQ(std::vector<std::string>({"VEXOMAR alert (AL000001.EVT) by event log to recipient 1: not delivered: no "
                                        "outcome was reported"}),
        m_log.Lines());
}

TEST_F(DispatcherTest, AFullQueueRefusesTheAlertForThatMethodOnlyAndSaysSo)
{
    g_hang = true;
    const ApplicationSettings settings = PagerAndSnmp();
    const AlertDispatcher::Methods methods = WithHangingPager();
    AlertDispatcher dispatcher(m_root, methods, m_log.Sink(), 2);
    dispatcher.Start();
    dispatcher.Enqueue(Recorded("B1", settings, "AL000001.EVT"));
    while (Calls().empty())
        Sleep(10);  // B1 is being delivered; B2 and B3 fill the queue
    for (const char* id : {"B2", "B3", "B4"})
        dispatcher.Enqueue(Recorded(id, settings, std::string("AL00000") + id[1] + ".EVT"));
    ASSERT_TRUE(m_log.WaitFor("(AL000004.EVT) by pager to every recipient: not delivered: 2 alerts are waiting already"));
    ASSERT_TRUE(m_log.WaitFor("(AL000004.EVT) by SNMP to mon: delivered"));
    EXPECT_FALSE(FileExists(m_root + "\\PAGER\\B4.DLV"));
    EXPECT_TRUE(FileExists(m_root + "\\PAGER\\B3.DLV"));
    dispatcher.Stop();
}

TEST(PendingDeliveryTest, AnEntryReadsBackAsWrittenAndAnythingElseIsRefused)
{
    ApplicationSettings settings;
    SetList(settings, NotifyMethod::Broadcast,
        {TextRecord(NotifyMethod::Broadcast, "\\\\PC1"), TextRecord(NotifyMethod::Broadcast, "\\\\PC2")});
    PendingDelivery entry;
    entry.method = NotifyMethod::Broadcast;
    entry.alert = Recorded("01DB0000AAAA0000-000007", settings).alert;
    entry.eventFile = "AL000007.EVT";
    entry.logPath = "C:\\MORWICK\\ALERT\\LOG\\ALERT.LOG";
    entry.settings = settings;
    entry.done = {1};
    const auto bytes = entry.Encode();
    const std::optional<PendingDelivery> back = PendingDelivery::Decode(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(entry.alert.id, back->alert.id);
    EXPECT_EQ("Virus found", back->alert.text);
    EXPECT_EQ(1, back->alert.priority);
    EXPECT_EQ(2023, back->alert.time.year);
    EXPECT_EQ(entry.logPath, back->logPath);
    EXPECT_EQ(std::set<std::size_t>({1}), back->done);
    EXPECT_EQ(settings.Encode(), back->settings.Encode());
    EXPECT_EQ(2u, back->UnitCount());
    EXPECT_EQ(TextRecord(NotifyMethod::Broadcast, "\\\\PC2"), back->UnitSettings(1).recipients[0]);

    for (std::size_t size : {std::size_t(0), std::size_t(8), bytes.size() / 2, bytes.size() - 1})
        EXPECT_FALSE(PendingDelivery::Decode(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size))) << size;
    auto longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(PendingDelivery::Decode(longer));
    // A done unit beyond the recipients would skip nothing real: the entry is refused.
    entry.done = {5};
    EXPECT_FALSE(PendingDelivery::Decode(entry.Encode()));
    EXPECT_FALSE(DeliveryJournal::ValidId("..\\X"));
    EXPECT_TRUE(DeliveryJournal::ValidId(entry.alert.id));
}

}  // namespace
