// The settings cache's construction, ReadInitial and every Get, against the recording fake core.
#include <algorithm>
#include <set>

#include "settings_test_support.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(AlertSettingsTest, ConstructionZeroesEverythingButTheTableAndTheName)
{
    const std::vector<BYTE> bytes = RecordBytes();
    ASSERT_EQ(8205u, bytes.size());
    EXPECT_EQ(std::vector<BYTE>(4096, 0), Slice(bytes, 0, 4096));
    EXPECT_EQ(std::vector<BYTE>(4052, 0), Slice(bytes, 4144, 4052));
    EXPECT_EQ((std::vector<BYTE> {'A', 'L', 'E', 'R', 'T', 0, 0, 0, 0}), Slice(bytes, 8196, 9));
    EXPECT_EQ("ALERT", settings.ApplicationName());
    EXPECT_TRUE(core.calls.empty());

    const std::vector<BYTE> table = Slice(bytes, 4096, 48);
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](BYTE b) { return b >= 0x20 && b < 0x7F; }));
    EXPECT_GT(std::set<BYTE>(table.begin(), table.end()).size(), 16u);
    CAlertSettings other(core, server, "VEXOMAR");
    EXPECT_EQ(table, BytesAt(other.Record().scrambleTable, 0, 48));
}

TEST_F(AlertSettingsTest, LongApplicationNameIsCutInTheRecordButCalledWhole)
{
    const std::string name = "REGIONAL-MAIL-GATEWAY-SERVICE-OF-THE-NORTH-WING";
    CAlertSettings longName(core, server, name.c_str());
    EXPECT_EQ(
        (std::vector<BYTE> {'R', 'E', 'G', 'I', 'O', 'N', 'A', 'L', 0}), BytesAt(longName.Record().application, 0, 9));
    EXPECT_EQ(name, longName.ApplicationName());

    int enabled = 0;
    void* array = nullptr;
    std::vector<BYTE> mail(460), message(2564);
    longName.GetEMail(enabled, array, mail.data(), message.data());
    longName.SetEMail(0, 0, nullptr, mail.data(), message.data());
    for (const FakeCoreCall& call : core.calls) {
        if (call.function != "AlertFreeCheckEverySetting") {
            EXPECT_EQ(name, call.texts.back()) << call.function;
        }
    }
    EXPECT_EQ((Strings {"AlertReadEverySetting", "AlertFreeCheckEverySetting", "AlertGetEMail", "AlertSetEMail"}),
        core.Functions());
}

TEST_F(AlertSettingsTest, EveryCallNamesTheServerAsItIsAtTheTimeOfTheCall)
{
    int enabled = 0;
    void* array = nullptr;
    settings.GetSnmp(enabled, array, "ALERT");
    std::strcpy(server, "BACKOFFICE");
    settings.SetSnmp(0, 0, nullptr, "ALERT");
    ASSERT_EQ(2u, core.calls.size());
    EXPECT_EQ("ORVHOST", core.calls[0].texts[0]);
    EXPECT_EQ("BACKOFFICE", core.calls[1].texts[0]);
}

TEST_F(AlertSettingsTest, ReadInitialReadsZeroedSecondBlocksThenReleases)
{
    core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(1)));
    ASSERT_EQ(1, settings.ReadInitial("ALERT"));
    ASSERT_EQ(1, settings.ReadInitial("DEFAULT"));  // over blocks the first read filled

    const AlertSettingsRecord& record = settings.Record();
    const std::vector<FakeCoreCall> reads = core.CallsOf("AlertReadEverySetting");
    ASSERT_EQ(2u, reads.size());
    const FakeCoreCall& second = reads[1];
    EXPECT_EQ((Strings {"ORVHOST", "DEFAULT"}), second.texts);
    EXPECT_EQ((std::vector<const void*> {record.initialFlags, record.initialCounts, &record.initialSettings}),
        second.buffers);
    EXPECT_EQ(std::vector<BYTE>(12, 0), second.bytes[0]);
    EXPECT_EQ(std::vector<BYTE>(96, 0), second.bytes[1]);
    EXPECT_EQ(std::vector<BYTE>(3944, 0), second.bytes[2]);

    EXPECT_EQ((Strings {"AlertReadEverySetting", "AlertFreeCheckEverySetting", "AlertReadEverySetting",
                  "AlertFreeCheckEverySetting"}),
        core.Functions());
    EXPECT_EQ(std::vector<int> {0}, core.calls[1].numbers);
}

TEST_F(AlertSettingsTest, ReadInitialCopiesAllButFlag145Counts10And16AndTheTexts)
{
    // Fill the live blocks with one pattern through a full read, then read the second blocks
    // with another.
    const FakeEverySetting live = PatternEverySetting(1);
    const FakeEverySetting initial = PatternEverySetting(2);
    core.Answer("AlertReadEverySetting", ReadAnswer(live));
    core.Answer("AlertReadEverySetting", ReadAnswer(initial));
    int enabled = 0;
    void* array = nullptr;
    settings.GetBroadcast(enabled, array, "ALERT");
    ASSERT_EQ(1, settings.ReadInitial("ALERT"));

    const AlertSettingsRecord& record = settings.Record();
    for (int i = 0; i < 12; ++i) {
        const bool copied = i <= 4 || (i >= 6 && i <= 8);
        EXPECT_EQ(copied ? initial.flags[i] : live.flags[i], record.flags[i]) << "flag byte " << 140 + i;
        EXPECT_EQ(initial.flags[i], record.initialFlags[i]);
    }
    for (int i = 0; i < 48; ++i) {
        const bool copied = i <= 4 || i == 6 || i == 7;
        EXPECT_EQ(copied ? initial.counts[i] : live.counts[i], record.counts[i]) << "count at " << 2 * i;
        EXPECT_EQ(initial.counts[i], record.initialCounts[i]);
    }
    const std::vector<BYTE> bytes = LiveSettings();
    EXPECT_EQ(Slice(initial.settings, 0, 3596), Slice(bytes, 0, 3596));
    EXPECT_EQ(Slice(live.settings, 3596, 348), Slice(bytes, 3596, 348));
    EXPECT_EQ(initial.settings, BytesAt(&record.initialSettings, 0, 3944));
}

TEST_F(AlertSettingsTest, ReadInitialFailureLeavesTheLiveBlocks)
{
    core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(1)));
    int enabled = 0;
    void* array = nullptr;
    settings.GetBroadcast(enabled, array, "ALERT");
    const std::vector<BYTE> before = Slice(RecordBytes(), 0, 4096);

    for (int failure : {0, AlertCore::kServerUnreachable}) {
        SCOPED_TRACE(failure);
        core.calls.clear();
        core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(9), failure));
        EXPECT_EQ(0, settings.ReadInitial("ALERT"));
        EXPECT_EQ(Strings {"AlertReadEverySetting"}, core.Functions());
        EXPECT_EQ(before, Slice(RecordBytes(), 0, 4096));
        EXPECT_EQ(std::vector<BYTE>(4052, 0), Slice(RecordBytes(), 4144, 4052));
    }
}

TEST_F(AlertSettingsTest, GetBroadcastReadsZeroedLiveBlocksThenTheList)
{
    core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(1)));
    int enabled = 0;
    void* array = nullptr;
    settings.GetBroadcast(enabled, array, "ALERT");
    core.calls.clear();

    FakeEverySetting every = PatternEverySetting(3);
    every.flags[0] = static_cast<signed char>(0xFF);
    core.Answer("AlertReadEverySetting", ReadAnswer(every));
    const std::vector<BYTE> records = Pattern(2 * 52, 5);
    core.Answer("AlertGetBroadcast", ListAnswer(2, records));

    EXPECT_EQ(2, settings.GetBroadcast(enabled, array, "VEXOMAR"));
    EXPECT_EQ(-1, enabled);  // the flag byte is signed
    ASSERT_NE(nullptr, array);
    EXPECT_EQ(records, BytesAt(array, 0, records.size()));
    GlobalFree(array);

    ASSERT_EQ((Strings {"AlertReadEverySetting", "AlertFreeCheckEverySetting", "AlertGetBroadcast"}), core.Functions());
    const FakeCoreCall& read = core.calls[0];
    const AlertSettingsRecord& record = settings.Record();
    EXPECT_EQ((Strings {"ORVHOST", "VEXOMAR"}), read.texts);
    EXPECT_EQ((std::vector<const void*> {record.flags, record.counts, &record.settings}), read.buffers);
    EXPECT_EQ(std::vector<BYTE>(12, 0), read.bytes[0]);
    EXPECT_EQ(std::vector<BYTE>(96, 0), read.bytes[1]);
    EXPECT_EQ(std::vector<BYTE>(3944, 0), read.bytes[2]);
    EXPECT_EQ(std::vector<int> {0}, core.calls[1].numbers);
    EXPECT_EQ((Strings {"ORVHOST", "VEXOMAR"}), core.calls[2].texts);
    EXPECT_EQ(every.settings, LiveSettings());
}

TEST_F(AlertSettingsTest, GetBroadcastFailuresGiveNoList)
{
    for (int failure : {0, AlertCore::kServerUnreachable}) {
        SCOPED_TRACE(failure);
        int enabled = 7;
        void* array = &enabled;
        core.calls.clear();
        core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(4), failure));
        EXPECT_EQ(0, settings.GetBroadcast(enabled, array, "ALERT"));
        EXPECT_EQ(nullptr, array);
        EXPECT_EQ(Strings {"AlertReadEverySetting"}, core.Functions());
        // Whatever a failing core wrote, the live blocks hold no data afterwards.
        EXPECT_EQ(std::vector<BYTE>(4096, 0), Slice(RecordBytes(), 0, 4096));

        array = &enabled;
        core.Answer("AlertGetBroadcast", ListAnswer(3, Pattern(3 * 52, 1), failure));
        EXPECT_EQ(0, settings.GetBroadcast(enabled, array, "ALERT"));
        EXPECT_EQ(nullptr, array);
        EXPECT_EQ(7, enabled);
    }
}

struct ListMethod {
    const char* function;
    int flagSlot;
    int (*get)(CAlertSettings&, int&, void*&, const char*);
};

const ListMethod kPlainGets[] = {
    {"AlertGetPager", 1,
        [](CAlertSettings& s, int& e, void*& a, const char* n) {
            char text[49];
            return s.GetPager(e, a, text, n);
        }},
    {"AlertGetSnmp", 6, [](CAlertSettings& s, int& e, void*& a, const char* n) { return s.GetSnmp(e, a, n); }},
    {"AlertGetEventLog", 8, [](CAlertSettings& s, int& e, void*& a, const char* n) { return s.GetEventLog(e, a, n); }},
};

TEST_F(AlertSettingsTest, PagerSnmpAndEventLogGetsAskOnlyForTheirListAndTakeTheirFlag)
{
    FakeEverySetting every;
    for (int i = 0; i < 12; ++i)
        every.flags[i] = static_cast<signed char>(20 + i);
    core.Answer("AlertReadEverySetting", ReadAnswer(every));
    int enabled = 0;
    void* array = nullptr;
    settings.GetBroadcast(enabled, array, "ALERT");

    for (const ListMethod& method : kPlainGets) {
        SCOPED_TRACE(method.function);
        core.calls.clear();
        const std::vector<BYTE> records = Pattern(3 * 148, 9);
        core.Answer(method.function, ListAnswer(3, records));
        EXPECT_EQ(3, method.get(settings, enabled, array, "BACKUP"));
        EXPECT_EQ(20 + method.flagSlot, enabled);
        ASSERT_NE(nullptr, array);
        EXPECT_EQ(records, BytesAt(array, 0, records.size()));
        GlobalFree(array);
        ASSERT_EQ(Strings {method.function}, core.Functions());
        EXPECT_EQ((Strings {"ORVHOST", "BACKUP"}), core.calls[0].texts);

        for (int failure : {0, AlertCore::kServerUnreachable}) {
            enabled = 5;
            array = &enabled;
            core.Answer(method.function, ListAnswer(3, records, failure));
            EXPECT_EQ(0, method.get(settings, enabled, array, "BACKUP"));
            EXPECT_EQ(nullptr, array);
            EXPECT_EQ(5, enabled);
        }
    }
}

TEST_F(AlertSettingsTest, ListTooShortForItsCountIsRefused)
{
    for (const ListMethod& method : kPlainGets) {
        SCOPED_TRACE(method.function);
        int enabled = 0;
        void* array = &enabled;
        core.Answer(method.function, ListAnswer(4, Pattern(52, 1)));
        EXPECT_EQ(0, method.get(settings, enabled, array, "ALERT"));
        EXPECT_EQ(nullptr, array);
        core.Answer(method.function, ListAnswer(2, {}));
        EXPECT_EQ(0, method.get(settings, enabled, array, "ALERT"));
        EXPECT_EQ(nullptr, array);
    }
}

TEST_F(AlertSettingsTest, GetPagerGivesThePagerTextAtSettings3694)
{
    int enabled = 0;
    void* array = nullptr;
    char text[49];
    settings.SetPager(0, 1, nullptr, "Site 12 on call", "ALERT");
    core.Answer("AlertGetPager", ListAnswer(0, {}));
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(0, settings.GetPager(enabled, array, text, "ALERT"));
    EXPECT_STREQ("Site 12 on call", text);
    EXPECT_EQ(1, enabled);

    // Forty-nine characters with no NUL in the block still give the caller a terminated text.
    FakeEverySetting every;
    std::memset(every.settings.data() + 3694, 'P', 49);
    core.Answer("AlertReadEverySetting", ReadAnswer(every));
    settings.GetBroadcast(enabled, array, "ALERT");
    EXPECT_EQ(0, settings.GetPager(enabled, array, text, "ALERT"));
    EXPECT_EQ(std::string(48, 'P'), text);

    std::memset(text, 'x', sizeof text);
    core.Fail("AlertGetPager");
    settings.GetPager(enabled, array, text, "ALERT");
    EXPECT_EQ('x', text[0]);
}

TEST_F(AlertSettingsTest, GetTTixCopiesTheHeaderAndTakesFlag147)
{
    FakeEverySetting every = PatternEverySetting(6);
    core.Answer("AlertReadEverySetting", ReadAnswer(every));
    const std::vector<BYTE> records = Pattern(208, 3);
    core.Answer("AlertGetTTixPRINTQ_HEADER", ListAnswer(1, records));
    int enabled = 0;
    void* array = nullptr;
    std::vector<BYTE> header(232, 0xAA);
    EXPECT_EQ(1, settings.GetTTix(enabled, array, header.data(), "BACKUP"));
    EXPECT_EQ(every.flags[7], enabled);
    EXPECT_EQ(Slice(every.settings, 0, 232), header);
    ASSERT_NE(nullptr, array);
    EXPECT_EQ(records, BytesAt(array, 0, 208));
    GlobalFree(array);
    EXPECT_EQ((Strings {"AlertReadEverySetting", "AlertFreeCheckEverySetting", "AlertGetTTixPRINTQ_HEADER"}),
        core.Functions());
    EXPECT_EQ((Strings {"ORVHOST", "BACKUP"}), core.calls[0].texts);
    EXPECT_EQ((Strings {"ORVHOST", "BACKUP"}), core.calls[2].texts);
}

TEST_F(AlertSettingsTest, GetTTixFailuresLeaveAZeroHeader)
{
    for (int failure : {0, AlertCore::kServerUnreachable}) {
        SCOPED_TRACE(failure);
        int enabled = 0;
        void* array = &enabled;
        std::vector<BYTE> header(232, 0xAA);
        core.calls.clear();
        core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(6), failure));
        EXPECT_EQ(0, settings.GetTTix(enabled, array, header.data(), "ALERT"));
        EXPECT_EQ(nullptr, array);
        EXPECT_EQ(std::vector<BYTE>(232, 0), header);
        EXPECT_EQ(Strings {"AlertReadEverySetting"}, core.Functions());

        std::fill(header.begin(), header.end(), 0xAA);
        array = &enabled;
        core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(6)));
        core.Answer("AlertGetTTixPRINTQ_HEADER", ListAnswer(1, Pattern(208, 1), failure));
        EXPECT_EQ(0, settings.GetTTix(enabled, array, header.data(), "ALERT"));
        EXPECT_EQ(nullptr, array);
        EXPECT_EQ(std::vector<BYTE>(232, 0), header);
    }
}

TEST_F(AlertSettingsTest, GetEMailUsesTheOwnApplicationAndGivesBothRecords)
{
    CAlertSettings mail(core, server, "VEXOMAR");
    FakeEverySetting every = PatternEverySetting(8);
    std::memset(every.settings.data() + 517, 0, 48);  // a password never set
    core.Answer("AlertReadEverySetting", ReadAnswer(every));
    const std::vector<BYTE> records = Pattern(2 * 56, 4);
    core.Answer("AlertGetEMail", ListAnswer(2, records));
    int enabled = 0;
    void* array = nullptr;
    std::vector<BYTE> config(460, 0xAA), message(2564, 0xAA);
    EXPECT_EQ(2, mail.GetEMail(enabled, array, config.data(), message.data()));
    EXPECT_EQ(every.flags[3], enabled);
    EXPECT_EQ(Slice(every.settings, 464, 460), config);
    EXPECT_EQ(Slice(every.settings, 1032, 2564), message);
    ASSERT_NE(nullptr, array);
    EXPECT_EQ(records, BytesAt(array, 0, records.size()));
    GlobalFree(array);
    ASSERT_EQ((Strings {"AlertReadEverySetting", "AlertFreeCheckEverySetting", "AlertGetEMail"}), core.Functions());
    EXPECT_EQ((Strings {"ORVHOST", "VEXOMAR"}), core.calls[0].texts);
    EXPECT_EQ((Strings {"ORVHOST", "VEXOMAR"}), core.calls[2].texts);
}

TEST_F(AlertSettingsTest, GetEMailFailuresZeroBothRecords)
{
    for (int failure : {0, AlertCore::kServerUnreachable}) {
        SCOPED_TRACE(failure);
        int enabled = 0;
        void* array = &enabled;
        std::vector<BYTE> config(460, 0xAA), message(2564, 0xAA);
        core.calls.clear();
        core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(2), failure));
        EXPECT_EQ(0, settings.GetEMail(enabled, array, config.data(), message.data()));
        EXPECT_EQ(nullptr, array);
        EXPECT_EQ(std::vector<BYTE>(460, 0), config);
        EXPECT_EQ(std::vector<BYTE>(2564, 0), message);
        EXPECT_EQ(std::vector<BYTE>(3944, 0), LiveSettings());
        EXPECT_EQ(Strings {"AlertReadEverySetting"}, core.Functions());

        std::fill(config.begin(), config.end(), 0xAA);
        std::fill(message.begin(), message.end(), 0xAA);
        core.Answer("AlertReadEverySetting", ReadAnswer(PatternEverySetting(2)));
        core.Answer("AlertGetEMail", ListAnswer(1, Pattern(56, 1), failure));
        EXPECT_EQ(0, settings.GetEMail(enabled, array, config.data(), message.data()));
        EXPECT_EQ(nullptr, array);
        EXPECT_EQ(std::vector<BYTE>(460, 0), config);
        EXPECT_EQ(std::vector<BYTE>(2564, 0), message);
    }
}

}  // namespace
