// The MIME parser: structure, attachment names and every transfer encoding.
#include <gtest/gtest.h>

#include "mime_message.h"
#include "sample_messages.h"

using namespace postoffice;

namespace {

std::string Decoded(const std::string& text, const MimeMessage& m, std::size_t attachment)
{
    auto bytes = DecodePartBody(text, m.parts[m.attachments[attachment]]);
    return bytes ? *bytes : "<none>";
}

}  // namespace

TEST(MimeMessage, NestedMultipartsGiveTheirAttachmentsInOrder)
{
    MimeMessage m = ParseMimeMessage(samples::kNested);
    ASSERT_TRUE(m.readable) << m.failure;
    ASSERT_EQ(m.parts.size(), 6u);
    EXPECT_EQ(m.parts[2].subtype, "related");
    EXPECT_EQ(m.parts[3].depth, 2);
    ASSERT_EQ(m.attachments.size(), 3u);
    EXPECT_EQ(m.AttachmentName(0), "a.bin");
    EXPECT_EQ(m.AttachmentName(1), "caf\xC3\xA9.txt");
    EXPECT_EQ(m.AttachmentName(2), "\xE2\x82\xAC.gif");
    EXPECT_EQ(m.lineBreak, "\r\n");
}

TEST(MimeMessage, EachEncodingDecodesToItsExactBytes)
{
    MimeMessage m = ParseMimeMessage(samples::kNested);
    EXPECT_EQ(Decoded(samples::kNested, m, 0), std::string("\x00\x01\x02\xFF", 4));
    EXPECT_EQ(Decoded(samples::kNested, m, 1), "caf\xE9 noir");
    EXPECT_EQ(Decoded(samples::kNested, m, 2), std::string("GIF\x00\x01", 5));
}

TEST(MimeMessage, SevenAndEightBitBodiesPassUnchanged)
{
    for (const char* encoding : {"7bit", "8bit", "x-unknown"}) {
        std::string text =
            std::string("Content-Type: application/zip\nContent-Transfer-Encoding: ") + encoding + "\n\nPK\x03\x04\xE9";
        MimeMessage m = ParseMimeMessage(text);
        ASSERT_EQ(m.attachments.size(), 1u) << encoding;
        EXPECT_EQ(Decoded(text, m, 0), "PK\x03\x04\xE9") << encoding;
    }
}

TEST(MimeMessage, APlainTextMessageHasNoAttachments)
{
    MimeMessage m = ParseMimeMessage(samples::kPlain);
    ASSERT_TRUE(m.readable);
    EXPECT_TRUE(m.attachments.empty());
    EXPECT_EQ(m.lineBreak, "\n");
}

TEST(MimeMessage, NamelessAttachmentsGetGeneratedNames)
{
    std::string text =
        "Content-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: message/rfc822\n\nSubject: x\n\nhi\n"
        "--b\nContent-Type: application/octet-stream\n\nxyz\n--b--\n";
    MimeMessage m = ParseMimeMessage(text);
    ASSERT_EQ(m.attachments.size(), 2u);
    EXPECT_EQ(m.AttachmentName(0), "ATT00001.EML");
    EXPECT_EQ(m.AttachmentName(1), "ATT00002.DAT");
}

TEST(MimeMessage, ControlBytesInNamesBecomeUnderscoresAndLongNamesAreCut)
{
    std::string text =
        "Content-Type: application/octet-stream\nContent-Disposition: attachment; filename*=utf-8''a%00b%0Ac.exe\n\nx";
    EXPECT_EQ(ParseMimeMessage(text).AttachmentName(0), "a_b_c.exe");
    std::string longName(300, 'n');
    longName[254] = '\xC3';  // a two-byte character across the limit is not split
    longName[255] = '\xA9';
    std::string text2 = "Content-Type: application/x; name=\"" + longName + "\"\n\nx";
    EXPECT_EQ(ParseMimeMessage(text2).AttachmentName(0), std::string(254, 'n'));
}

TEST(MimeMessage, AMultipartWithoutItsCloseDelimiterKeepsItsParts)
{
    std::string text =
        "Content-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: application/x; name=one\n\nAAA\n"
        "--b\nContent-Type: application/x; name=two\n\nBB";
    MimeMessage m = ParseMimeMessage(text);
    ASSERT_TRUE(m.readable);
    ASSERT_EQ(m.attachments.size(), 2u);
    EXPECT_FALSE(m.parts[0].closed);
    EXPECT_EQ(Decoded(text, m, 0), "AAA");
    EXPECT_EQ(Decoded(text, m, 1), "BB");
}

TEST(MimeMessage, DelimiterLinesMayCarryTrailingSpaceButNotOtherText)
{
    std::string text =
        "Content-Type: multipart/mixed; boundary=b\n\n--b \t\nContent-Type: application/x; name=one\n\n--bx\n"
        "--b--\n";
    MimeMessage m = ParseMimeMessage(text);
    ASSERT_EQ(m.attachments.size(), 1u);
    EXPECT_EQ(Decoded(text, m, 0), "--bx");
}
