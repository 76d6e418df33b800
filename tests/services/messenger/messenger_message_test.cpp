// The messenger datagram: exact bytes, splitting over the network limit, tolerant reading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger_message.h"
#include "messenger_slot.h"
#include "shown_message_record.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes of a literal that holds NULs, without its own final terminator.
template <std::size_t N>
Bytes BytesOf(const char (&text)[N])
{
    return Bytes(text, text + N - 1);
}

template <std::size_t N>
std::string TextOf(const char (&text)[N])
{
    return std::string(text, N - 1);
}

std::optional<MessengerMessage> DecodeText(const std::string& bytes)
{
    return messenger_message::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

TEST(MessengerMessage, EncodesSenderRecipientAndTextEachEndedByNul)
{
    const auto datagrams = messenger_message::Encode({"HQ", "ALPHA", "Virus found\r\non C:"}, 424);
    ASSERT_EQ(datagrams.size(), 1u);
    EXPECT_EQ(datagrams[0], BytesOf("HQ\0ALPHA\0Virus found\r\non C:\0"));
}

TEST(MessengerMessage, EmptyTextIsStillOneMessage)
{
    const auto datagrams = messenger_message::Encode({"HQ", "ALPHA", ""}, 424);
    ASSERT_EQ(datagrams.size(), 1u);
    EXPECT_EQ(datagrams[0], BytesOf("HQ\0ALPHA\0\0"));
}

TEST(MessengerMessage, TextOverTheLimitIsSplitWithoutLosingAByte)
{
    // Header "HQ\0B\0" is 5 bytes and the text's NUL one more: 14 bytes leave 8 for text.
    const std::string text = "0123456789ABCDEFGHIJ";
    const auto datagrams = messenger_message::Encode({"HQ", "B", text}, 14);
    ASSERT_EQ(datagrams.size(), 3u);
    EXPECT_EQ(datagrams[0], BytesOf("HQ\0B\0" "01234567\0"));
    EXPECT_EQ(datagrams[1], BytesOf("HQ\0B\0" "89ABCDEF\0"));
    EXPECT_EQ(datagrams[2], BytesOf("HQ\0B\0" "GHIJ\0"));
    std::string joined;
    for (const auto& datagram : datagrams) {
        EXPECT_LE(datagram.size(), 14u);
        joined += messenger_message::Decode(datagram.data(), datagram.size())->text;
    }
    EXPECT_EQ(joined, text);
}

TEST(MessengerMessage, SplitKeepsALineBreakTogether)
{
    // Room for 8: "1234567\r" would cut the break, so the first part ends before the CR.
    const auto datagrams = messenger_message::Encode({"HQ", "B", "1234567\r\nxyz"}, 14);
    ASSERT_EQ(datagrams.size(), 2u);
    EXPECT_EQ(datagrams[0], BytesOf("HQ\0B\0" "1234567\0"));
    EXPECT_EQ(datagrams[1], BytesOf("HQ\0B\0" "\r\nxyz\0"));
}

TEST(MessengerMessage, NulInsideTheTextBecomesABlank)
{
    const auto datagrams = messenger_message::Encode({"HQ", "B", TextOf("a\0b")}, 424);
    ASSERT_EQ(datagrams.size(), 1u);
    EXPECT_EQ(datagrams[0], BytesOf("HQ\0B\0a b\0"));
}

TEST(MessengerMessage, RefusesNamesItCannotCarry)
{
    EXPECT_TRUE(messenger_message::Encode({"", "B", "x"}, 424).empty());
    EXPECT_TRUE(messenger_message::Encode({"HQ", "", "x"}, 424).empty());
    EXPECT_TRUE(messenger_message::Encode({"HQ", std::string(64, 'N'), "x"}, 424).empty());
    EXPECT_TRUE(messenger_message::Encode({"H\tQ", "B", "x"}, 424).empty());
    EXPECT_EQ(messenger_message::Encode({"HQ", std::string(63, 'N'), "x"}, 424).size(), 1u);
    // No room for a single byte of text after the names.
    EXPECT_TRUE(messenger_message::Encode({"HQ", "B", "x"}, 6).empty());
    EXPECT_EQ(messenger_message::Encode({"HQ", "B", "x"}, 7).size(), 1u);
}

TEST(MessengerMessage, DecodesWhatWasEncoded)
{
    const auto datagrams = messenger_message::Encode({"HQ", "ALPHA", "Disk\r\nfull"}, 424);
    const auto message = messenger_message::Decode(datagrams[0].data(), datagrams[0].size());
    ASSERT_TRUE(message);
    EXPECT_EQ(message->sender, "HQ");
    EXPECT_EQ(message->recipient, "ALPHA");
    EXPECT_EQ(message->text, "Disk\r\nfull");
}

TEST(MessengerMessage, TextWithoutItsTerminatorEndsWithTheDatagram)
{
    const auto message = DecodeText(TextOf("HQ\0B\0tail"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "tail");
    const auto empty = DecodeText(TextOf("HQ\0B\0"));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->text, "");
}

TEST(MessengerMessage, BytesAfterTheTextAreIgnored)
{
    const auto message = DecodeText(TextOf("HQ\0B\0text\0junk\0more"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "text");
}

TEST(MessengerMessage, RefusesWhatIsNotAMessage)
{
    EXPECT_FALSE(messenger_message::Decode(nullptr, 0));
    EXPECT_FALSE(DecodeText(""));
    EXPECT_FALSE(DecodeText("no terminator at all"));
    EXPECT_FALSE(DecodeText(TextOf("HQ\0only the sender")));
    EXPECT_FALSE(DecodeText(TextOf("\0B\0text")));
    EXPECT_FALSE(DecodeText(TextOf("HQ\0\0text")));
    EXPECT_FALSE(DecodeText(std::string(64, 'N') + TextOf("\0B\0t")));
    EXPECT_FALSE(DecodeText(TextOf("H\nQ\0B\0t")));
}

TEST(MessengerMessage, DisplayTextEndsEveryLineWithCrLf)
{
    EXPECT_EQ(messenger_message::DisplayText("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(messenger_message::DisplayText("\n\n"), "\r\n\r\n");
    EXPECT_EQ(messenger_message::DisplayText("plain"), "plain");
}

TEST(MessengerSlot, NamesTheClassicSlotAndOneBelowItPerSiteServer)
{
    EXPECT_STREQ(messenger_slot::kLocalSlot, "\\\\.\\mailslot\\messngr");
    EXPECT_EQ(messenger_slot::SiteServerSlot("alpha"), "\\\\.\\mailslot\\messngr\\ALPHA");
    EXPECT_EQ(messenger_slot::RemoteSlot("FARAWAY"), "\\\\FARAWAY\\mailslot\\messngr");
}

TEST(ShownMessageRecord, OneLinePerWindowWithBreaksAndBackslashesWrittenOut)
{
    EXPECT_EQ(shown_message_record::Line("Message from HQ to ALPHA", "in C:\\DATA\r\nnext\tcol"),
        "Message from HQ to ALPHA\tin C:\\\\DATA\\r\\nnext\\tcol\r\n");
}

}  // namespace
