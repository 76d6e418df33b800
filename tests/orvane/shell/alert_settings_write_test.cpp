// The settings cache's Sets, the mail password scrambling and the ownership of recipient arrays,
// against the recording fake core.
#include "settings_test_support.h"

namespace {

using Strings = std::vector<std::string>;

struct SetMethod {
    const char* function;
    AlertMethodSlot slot;
    int (*set)(CAlertSettings&, WORD, int, void*);
};

std::vector<BYTE> g_header(232, 0x48);
std::vector<BYTE> g_mail(460, 0x4D);
std::vector<BYTE> g_message(2564, 0x53);

const SetMethod kSets[] = {
    {"AlertSetBroadcast", kBroadcastSlot,
        [](CAlertSettings& s, WORD c, int e, void* a) { return s.SetBroadcast(c, e, a, "ALERT"); }},
    {"AlertSetPager", kPagerSlot,
        [](CAlertSettings& s, WORD c, int e, void* a) { return s.SetPager(c, e, a, "", "ALERT"); }},
    {"AlertSetEMail", kEMailSlot,
        [](CAlertSettings& s, WORD c, int e, void* a) { return s.SetEMail(c, e, a, g_mail.data(), g_message.data()); }},
    {"AlertSetSnmp", kSnmpSlot, [](CAlertSettings& s, WORD c, int e, void* a) { return s.SetSnmp(c, e, a, "ALERT"); }},
    {"AlertSetTTixPRINTQ_HEADER", kTicketSlot,
        [](CAlertSettings& s, WORD c, int e, void* a) { return s.SetTTix(c, e, a, g_header.data(), "ALERT"); }},
    {"AlertSetEventLog", kEventLogSlot,
        [](CAlertSettings& s, WORD c, int e, void* a) { return s.SetEventLog(c, e, a, "ALERT"); }},
};

std::vector<BYTE> ClearPassword()
{
    std::vector<BYTE> password(48, 0);
    const char text[] = "Tr0ub4dor&3";
    std::memcpy(password.data(), text, sizeof text - 1);
    return password;
}

TEST_F(AlertSettingsTest, EverySetStoresFlagCountAndArrayAndPassesItsArguments)
{
    for (const SetMethod& method : kSets) {
        SCOPED_TRACE(method.function);
        const std::size_t size = RecipientRecordSize(method.slot);
        const std::vector<BYTE> records = Pattern(2 * size, static_cast<BYTE>(method.slot));
        void* array = GlobalCopy(records);
        core.calls.clear();
        core.Answer(method.function, ListAnswer(0, {}, 5));
        EXPECT_EQ(5, method.set(settings, 2, 1, array));

        const AlertSettingsRecord& record = settings.Record();
        EXPECT_EQ(1, record.flags[method.slot]);
        EXPECT_EQ(2, record.counts[method.slot]);
        const std::vector<BYTE> bytes = RecordBytes();
        EXPECT_EQ((std::vector<BYTE> {2, 0}), Slice(bytes, CountOffset(method.slot), 2));
        EXPECT_EQ(1, bytes[FlagOffset(method.slot)]);
        // A stored broadcast list was taken over by the core.
        EXPECT_EQ(method.slot == kBroadcastSlot ? nullptr : array, record.arrays[method.slot]);

        ASSERT_EQ(Strings {method.function}, core.Functions());
        const FakeCoreCall& call = core.calls[0];
        EXPECT_EQ((Strings {"ORVHOST", "ALERT"}), call.texts);
        EXPECT_EQ((std::vector<int> {2, 1}), call.numbers);
        EXPECT_EQ(array, call.buffers[0]);
        EXPECT_EQ(records, call.bytes[0]);
        const bool carriesBlock = method.slot == kEMailSlot || method.slot == kTicketSlot;
        ASSERT_EQ(carriesBlock ? 2u : 1u, call.buffers.size());
        if (carriesBlock) {
            EXPECT_EQ(static_cast<const void*>(&record.settings), call.buffers[1]);
        }
    }
}

TEST_F(AlertSettingsTest, CountZeroIsPassedDisabledButTheFlagKeepsTheChoice)
{
    for (const SetMethod& method : kSets) {
        SCOPED_TRACE(method.function);
        core.calls.clear();
        method.set(settings, 0, 1, nullptr);
        ASSERT_EQ(1u, core.calls.size());
        EXPECT_EQ((std::vector<int> {0, 0}), core.calls[0].numbers);
        EXPECT_EQ(1, settings.Record().flags[method.slot]);
        EXPECT_EQ(0, settings.Record().counts[method.slot]);

        void* array = GlobalCopy(Pattern(RecipientRecordSize(method.slot), 1));
        method.set(settings, 1, 0, array);
        EXPECT_EQ((std::vector<int> {1, 0}), core.calls[1].numbers);
        EXPECT_EQ(0, settings.Record().flags[method.slot]);
    }
}

TEST_F(AlertSettingsTest, CoreFailureIsReportedAsMinusOne)
{
    for (const SetMethod& method : kSets) {
        for (int failure : {0, AlertCore::kServerUnreachable}) {
            SCOPED_TRACE(std::string(method.function) + " " + std::to_string(failure));
            core.Fail(method.function, failure);
            EXPECT_EQ(-1, method.set(settings, 0, 1, nullptr));
        }
        core.Answer(method.function, ListAnswer(0, {}, 2));
        EXPECT_EQ(2, method.set(settings, 0, 1, nullptr));
    }
}

TEST_F(AlertSettingsTest, SetBroadcastKeepsItsArrayOnlyWhenRefused)
{
    for (int failure : {0, AlertCore::kServerUnreachable}) {
        SCOPED_TRACE(failure);
        void* refused = GlobalCopy(Pattern(52, 1));
        core.Fail("AlertSetBroadcast", failure);
        EXPECT_EQ(-1, settings.SetBroadcast(1, 1, refused, "ALERT"));
        EXPECT_EQ(refused, settings.Record().arrays[kBroadcastSlot]);
        EXPECT_EQ(52u, GlobalSize(refused));
    }
    void* stored = GlobalCopy(Pattern(52, 2));
    EXPECT_EQ(1, settings.SetBroadcast(1, 1, stored, "ALERT"));
    EXPECT_EQ(nullptr, settings.Record().arrays[kBroadcastSlot]);
}

TEST_F(AlertSettingsTest, ReplacedAndFreedArraysAreReleased)
{
    void* first = GlobalCopy(Pattern(148, 1));
    void* second = GlobalCopy(Pattern(148, 2));
    settings.SetPager(1, 1, first, "", "ALERT");
    settings.SetPager(1, 1, first, "", "ALERT");  // the same array again stays
    EXPECT_EQ(148u, GlobalSize(first));
    settings.SetPager(1, 1, second, "", "ALERT");
    EXPECT_EQ(0u, GlobalSize(first));
    EXPECT_EQ(second, settings.Record().arrays[kPagerSlot]);

    void* events = GlobalCopy(Pattern(52, 3));
    void* tickets = GlobalCopy(Pattern(208, 4));
    settings.SetEventLog(1, 1, events, "ALERT");
    settings.SetTTix(1, 1, tickets, g_header.data(), "ALERT");
    settings.Free();
    for (HGLOBAL slot : settings.Record().arrays)
        EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(0u, GlobalSize(second));
    EXPECT_EQ(0u, GlobalSize(events));
    EXPECT_EQ(0u, GlobalSize(tickets));
    settings.Free();
}

TEST_F(AlertSettingsTest, SetPagerKeepsAtMost48CharactersOfThePagerText)
{
    settings.SetPager(0, 1, nullptr, "Night desk", "ALERT");
    std::vector<BYTE> expected(49, 0);
    std::memcpy(expected.data(), "Night desk", 10);
    EXPECT_EQ(expected, Slice(LiveSettings(), 3694, 49));

    const std::string longText(60, 'L');
    settings.SetPager(0, 1, nullptr, longText.c_str(), "ALERT");
    std::vector<BYTE> cut(48, 'L');
    cut.push_back(0);
    EXPECT_EQ(cut, Slice(LiveSettings(), 3694, 49));
    EXPECT_EQ(std::vector<BYTE>(49, 0), Slice(LiveSettings(), 3645, 49));  // its neighbours untouched
    EXPECT_EQ(std::vector<BYTE>(49, 0), Slice(LiveSettings(), 3743, 49));
}

TEST_F(AlertSettingsTest, SetTTixHandsTheWholeBlockWithTheHeaderAtItsStart)
{
    FakeEverySetting every = PatternEverySetting(5);
    core.Answer("AlertReadEverySetting", ReadAnswer(every));
    settings.ReadInitial("ALERT");
    core.calls.clear();

    const std::vector<BYTE> header = Pattern(232, 0x30);
    settings.SetTTix(0, 1, nullptr, header.data(), "BACKUP");
    ASSERT_EQ(Strings {"AlertSetTTixPRINTQ_HEADER"}, core.Functions());
    std::vector<BYTE> expected = every.settings;
    std::copy(header.begin(), header.end(), expected.begin());
    std::fill(expected.begin() + 3596, expected.end(), 0);  // not taken over by ReadInitial
    EXPECT_EQ(expected, core.calls[0].bytes[1]);
    EXPECT_EQ((Strings {"ORVHOST", "BACKUP"}), core.calls[0].texts);
}

TEST_F(AlertSettingsTest, SetEMailScramblesThePasswordIntoSettings517)
{
    CAlertSettings mail(core, server, "VEXOMAR");
    std::vector<BYTE> config = Pattern(460, 0x11);
    const std::vector<BYTE> password = ClearPassword();
    std::copy(password.begin(), password.end(), config.begin() + 53);
    config[101] = 0;
    const std::vector<BYTE> message = Pattern(2564, 0x22);
    void* array = GlobalCopy(Pattern(56, 3));

    EXPECT_EQ(1, mail.SetEMail(1, 1, array, config.data(), message.data()));
    ASSERT_EQ(Strings {"AlertSetEMail"}, core.Functions());
    const FakeCoreCall& call = core.calls[0];
    EXPECT_EQ((Strings {"ORVHOST", "VEXOMAR"}), call.texts);
    const std::vector<BYTE>& block = call.bytes[1];

    const char* table = mail.Record().scrambleTable;
    std::vector<BYTE> scrambled(48);
    for (int i = 0; i < 48; ++i)
        scrambled[i] = static_cast<BYTE>(password[i] ^ static_cast<BYTE>(table[i]));
    EXPECT_EQ(scrambled, Slice(block, 517, 48));
    EXPECT_NE(password, Slice(block, 517, 48));
    EXPECT_EQ(Slice(config, 0, 53), Slice(block, 464, 53));
    EXPECT_EQ(Slice(config, 101, 359), Slice(block, 565, 359));
    EXPECT_EQ(message, Slice(block, 1032, 2564));
    EXPECT_EQ(1, mail.Record().counts[kEMailSlot]);
    EXPECT_EQ(array, mail.Record().arrays[kEMailSlot]);
}

TEST_F(AlertSettingsTest, PasswordComesBackInClearFromWhatWasStored)
{
    CAlertSettings mail(core, server, "VEXOMAR");
    std::vector<BYTE> config = Pattern(460, 0x11);
    const std::vector<BYTE> password = ClearPassword();
    std::copy(password.begin(), password.end(), config.begin() + 53);
    const std::vector<BYTE> message = Pattern(2564, 0x22);
    mail.SetEMail(0, 0, nullptr, config.data(), message.data());

    FakeEverySetting stored;
    stored.settings = core.calls.back().bytes[1];
    core.Answer("AlertReadEverySetting", ReadAnswer(stored));
    int enabled = 0;
    void* array = nullptr;
    std::vector<BYTE> gotConfig(460), gotMessage(2564);
    mail.GetEMail(enabled, array, gotConfig.data(), gotMessage.data());
    EXPECT_EQ(config, gotConfig);
    EXPECT_EQ(message, gotMessage);
    // The live block keeps the password scrambled, so a later ticket set never hands it in clear.
    EXPECT_EQ(Slice(stored.settings, 517, 48), BytesAt(&mail.Record().settings, 517, 48));
    mail.SetTTix(0, 0, nullptr, g_header.data(), "VEXOMAR");
    EXPECT_EQ(Slice(stored.settings, 517, 48), Slice(core.calls.back().bytes[1], 517, 48));
}

TEST_F(AlertSettingsTest, EmptyPasswordIsStoredScrambledAndReadBackEmpty)
{
    std::vector<BYTE> config(460, 0), message(2564, 0);
    settings.SetEMail(0, 0, nullptr, config.data(), message.data());
    const std::vector<BYTE> block = core.calls.back().bytes[1];
    EXPECT_EQ(BytesAt(settings.Record().scrambleTable, 0, 48), Slice(block, 517, 48));

    FakeEverySetting stored;
    stored.settings = block;
    core.Answer("AlertReadEverySetting", ReadAnswer(stored));
    int enabled = 0;
    void* array = nullptr;
    std::vector<BYTE> gotConfig(460, 0xAA), gotMessage(2564);
    settings.GetEMail(enabled, array, gotConfig.data(), gotMessage.data());
    EXPECT_EQ(std::vector<BYTE>(460, 0), gotConfig);
}

}  // namespace
