// The settings file of one application: layout, round trip and refusal of damaged files.
#include "application_settings.h"

#include <gtest/gtest.h>

#include "byte_order.h"

namespace {

std::vector<std::uint8_t> Records(std::size_t count, std::size_t size, std::uint8_t seed)
{
    std::vector<std::uint8_t> bytes(count * size);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

TEST(ApplicationSettings, SetStoresListFlagAndCountWord)
{
    ApplicationSettings settings;
    const auto pagers = Records(2, 148, 1);
    ASSERT_TRUE(settings.SetRecipients(NotifyMethod::Pager, pagers.data(), 2, true));
    EXPECT_EQ(1, settings.flags[1]);
    EXPECT_EQ(2, GetU16(settings.counts.data() + 2));
    EXPECT_EQ(pagers, settings.recipients[1]);
    EXPECT_EQ(2u, settings.RecipientCount(NotifyMethod::Pager));
}

TEST(ApplicationSettings, EmptyListIsStoredDisabled)
{
    ApplicationSettings settings;
    const auto snmp = Records(1, 68, 3);
    settings.SetRecipients(NotifyMethod::Snmp, snmp.data(), 1, true);
    ASSERT_TRUE(settings.SetRecipients(NotifyMethod::Snmp, nullptr, 0, true));
    EXPECT_EQ(0, settings.flags[6]);
    EXPECT_EQ(0, GetU16(settings.counts.data() + 12));
    EXPECT_TRUE(settings.recipients[3].empty());
}

TEST(ApplicationSettings, RefusesMissingListOrTooManyRecords)
{
    ApplicationSettings settings;
    EXPECT_FALSE(settings.SetRecipients(NotifyMethod::EMail, nullptr, 1, true));
    const auto one = Records(1, 56, 0);
    EXPECT_FALSE(settings.SetRecipients(NotifyMethod::EMail, one.data(), 65536, true));
}

TEST(ApplicationSettings, CountBlockKeepsTheCoresWordsAndReportsStoredCounts)
{
    ApplicationSettings settings;
    settings.counts[4] = 0x44;  // an unnamed method's word
    settings.counts[95] = 0x95;  // the core's own tail
    PutU16(settings.counts.data() + 16, 9);  // a stale event-log count
    const auto broadcast = Records(3, 52, 5);
    settings.SetRecipients(NotifyMethod::Broadcast, broadcast.data(), 3, true);
    const auto block = settings.CountBlock();
    EXPECT_EQ(3, GetU16(block.data()));
    EXPECT_EQ(0x44, block[4]);
    EXPECT_EQ(0x95, block[95]);
    EXPECT_EQ(0, GetU16(block.data() + 16));
}

TEST(ApplicationSettings, EncodesTheDocumentedLayout)
{
    ApplicationSettings settings;
    settings.serial = 0x01020304;
    settings.changedAt = 0x1122334455LL;
    settings.flags[7] = 1;
    settings.settings[0] = 0xAB;
    settings.settings[3943] = 0xCD;
    const auto tickets = Records(1, 208, 9);
    settings.SetRecipients(NotifyMethod::TroubleTicket, tickets.data(), 1, true);
    const auto bytes = settings.Encode();

    ASSERT_EQ(4100u + 208 + 4, bytes.size());
    EXPECT_EQ(std::string("MWALSET1"), std::string(bytes.begin(), bytes.begin() + 8));
    EXPECT_EQ(0x01020304u, GetU32(bytes.data() + 8));
    EXPECT_EQ(0x1122334455ULL, GetU64(bytes.data() + 16));
    EXPECT_EQ(1, bytes[24 + 7]);
    EXPECT_EQ(1, GetU16(bytes.data() + 36 + 14));
    EXPECT_EQ(0xAB, bytes[132]);
    EXPECT_EQ(0xCD, bytes[132 + 3943]);
    EXPECT_EQ(0u, GetU32(bytes.data() + 4076));  // broadcast
    EXPECT_EQ(1u, GetU32(bytes.data() + 4076 + 16));  // trouble ticket, fifth list
    EXPECT_EQ(tickets, std::vector<std::uint8_t>(bytes.begin() + 4100, bytes.begin() + 4100 + 208));
}

TEST(ApplicationSettings, RoundTripKeepsEveryByte)
{
    ApplicationSettings settings;
    for (std::size_t i = 0; i < settings.settings.size(); ++i)
        settings.settings[i] = static_cast<std::uint8_t>(i * 13);
    settings.flags[11] = 0x7F;
    const auto email = Records(4, 56, 2);
    const auto log = Records(2, 52, 8);
    settings.SetRecipients(NotifyMethod::EMail, email.data(), 4, true);
    settings.SetRecipients(NotifyMethod::EventLog, log.data(), 2, false);
    settings.Touch(1000);

    const auto decoded = ApplicationSettings::Decode(settings.Encode());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(settings.settings, decoded->settings);
    EXPECT_EQ(settings.flags, decoded->flags);
    EXPECT_EQ(settings.counts, decoded->counts);
    EXPECT_EQ(settings.recipients, decoded->recipients);
    EXPECT_EQ(1u, decoded->serial);
    EXPECT_EQ(1000, decoded->changedAt);
    EXPECT_FALSE(decoded->Enabled(NotifyMethod::EventLog));
}

TEST(ApplicationSettings, DamagedFilesAreRefused)
{
    ApplicationSettings settings;
    const auto pagers = Records(2, 148, 1);
    settings.SetRecipients(NotifyMethod::Pager, pagers.data(), 2, true);
    const auto good = settings.Encode();

    auto flipped = good;
    flipped[500] ^= 1;
    EXPECT_FALSE(ApplicationSettings::Decode(flipped));

    auto truncated = good;
    truncated.resize(good.size() - 1);
    EXPECT_FALSE(ApplicationSettings::Decode(truncated));
    EXPECT_FALSE(ApplicationSettings::Decode(std::vector<std::uint8_t>(good.begin(), good.begin() + 100)));
    EXPECT_FALSE(ApplicationSettings::Decode({}));

    auto wrongMagic = good;
    wrongMagic[0] = 'X';
    EXPECT_FALSE(ApplicationSettings::Decode(wrongMagic));

    auto forgedCount = good;
    PutU32(forgedCount.data() + 4076 + 4, 0xFFFFFFFF);
    EXPECT_FALSE(ApplicationSettings::Decode(forgedCount));
}

TEST(ApplicationSettings, TouchNeverReturnsToTheNeverSetSerial)
{
    ApplicationSettings settings;
    settings.serial = 0xFFFFFFFF;
    settings.Touch(5);
    EXPECT_EQ(1u, settings.serial);
}

}  // namespace
