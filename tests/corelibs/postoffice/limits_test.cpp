// Every limit at its edge: the message within it is read, the one past it is listed as
// not readable, and the rest of the mailbox is unaffected.
#include <gtest/gtest.h>

#include "mail_limits.h"
#include "mailbox.h"
#include "mime_message.h"

using namespace postoffice;

namespace {

// A chain of multiparts nested to the given depth, with one attachment at the bottom.
std::string NestedTo(int depth)
{
    std::string head, tail;
    for (int d = 0; d < depth; ++d) {
        std::string b = "b" + std::to_string(d);
        head += "Content-Type: multipart/mixed; boundary=" + b + "\n\n--" + b + "\n";
        tail = "\n--" + b + "--\n" + tail;
    }
    return head + "Content-Type: application/x; name=deep\n\nX" + tail;
}

std::string WithParts(std::size_t leaves)
{
    std::string text = "Content-Type: multipart/mixed; boundary=b\n\n";
    for (std::size_t i = 0; i < leaves; ++i)
        text += "--b\nContent-Type: application/x\n\nx\n";
    return text + "--b--\n";
}

}  // namespace

TEST(Limits, NestingUpToTheDepthLimitIsRead)
{
    MimeMessage m = ParseMimeMessage(NestedTo(limits::kMaxDepth));
    ASSERT_TRUE(m.readable) << m.failure;
    EXPECT_EQ(m.AttachmentName(0), "deep");
    MimeMessage past = ParseMimeMessage(NestedTo(limits::kMaxDepth + 1));
    EXPECT_FALSE(past.readable);
    EXPECT_EQ(past.failure, "the parts are nested deeper than the limit");
    EXPECT_TRUE(past.attachments.empty());
}

TEST(Limits, PartsUpToTheLimitAreRead)
{
    // The multipart itself is one of the parts.
    EXPECT_TRUE(ParseMimeMessage(WithParts(limits::kMaxParts - 1)).readable);
    MimeMessage past = ParseMimeMessage(WithParts(limits::kMaxParts));
    EXPECT_FALSE(past.readable);
    EXPECT_EQ(past.failure, "the message has more parts than the limit");
}

TEST(Limits, AHeaderUpToTheLimitIsRead)
{
    // "X: " + value + "\n" makes one field of exactly the given size.
    auto withHeader = [](std::size_t bytes) { return "X: " + std::string(bytes - 4, 'v') + "\n\nbody"; };
    EXPECT_TRUE(ParseMimeMessage(withHeader(limits::kMaxHeaderBytes)).readable);
    MimeMessage past = ParseMimeMessage(withHeader(limits::kMaxHeaderBytes + 1));
    EXPECT_FALSE(past.readable);
    EXPECT_EQ(past.failure, "a header is larger than the limit");
}

TEST(Limits, FieldsUpToTheLimitAreRead)
{
    auto withFields = [](std::size_t count, const char* end) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += "X-" + std::to_string(i) + ": v\n";
        return text + end;
    };
    EXPECT_TRUE(ParseMimeMessage(withFields(limits::kMaxHeaderFields, "\nbody")).readable);
    EXPECT_FALSE(ParseMimeMessage(withFields(limits::kMaxHeaderFields + 1, "\nbody")).readable);
    // A header that runs to the end of the message is held to the same limit.
    EXPECT_TRUE(ParseMimeMessage(withFields(limits::kMaxHeaderFields, "")).readable);
    EXPECT_FALSE(ParseMimeMessage(withFields(limits::kMaxHeaderFields + 1, "")).readable);
}

TEST(Limits, AMessageUpToTheSizeLimitIsRead)
{
    std::string head = "Content-Type: application/x; name=big\n\n";
    std::string within = head + std::string(limits::kMaxMessageBytes - head.size(), 'z');
    EXPECT_TRUE(ParseMimeMessage(within).readable);
    within += 'z';
    EXPECT_FALSE(ParseMimeMessage(within).readable);
}

TEST(Limits, AnUnreadableMessageLeavesItsNeighboursReadable)
{
    std::string mbox = "From a Tue Jul  1 08:52:37 2003\nSubject: one\n\nfirst\n\n"
                       "From b Tue Jul  1 08:52:37 2003\n" +
        NestedTo(limits::kMaxDepth + 1) +
        "\n"
        "From c Tue Jul  1 08:52:37 2003\nSubject: three\nContent-Type: application/x; name=t\n\nthird\n\n";
    std::optional<Mailbox> box = Mailbox::Load(mbox);
    ASSERT_TRUE(box);
    ASSERT_EQ(box->Count(), 3u);
    EXPECT_TRUE(box->Readable(0));
    EXPECT_FALSE(box->Readable(1));
    EXPECT_TRUE(box->AttachmentNames(1).empty());
    EXPECT_FALSE(box->DeleteAttachment(1, 0));
    ASSERT_TRUE(box->Readable(2));
    EXPECT_EQ(box->AttachmentNames(2), std::vector<std::string> {"t"});
    EXPECT_EQ(*box->AttachmentBytes(2, 0), "third\n");
}

TEST(Limits, MessagesPastTheCountLimitAreKeptButNotListed)
{
    std::string mbox;
    for (std::size_t i = 0; i < limits::kMaxMessages + 2; ++i)
        mbox += "From x Tue Jul  1 08:52:37 2003\nSubject: " + std::to_string(i) + "\n\nb\n\n";
    std::optional<Mailbox> box = Mailbox::Load(mbox);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Count(), limits::kMaxMessages);
    EXPECT_TRUE(box->HasUnlistedMessages());
    EXPECT_FALSE(box->Append("Subject: more\n\nx\n", "me", 0));
    EXPECT_EQ(box->Serialize(), mbox);
}

TEST(Limits, DecodingIsBoundedByTheEncodedSize)
{
    std::string text = "Content-Type: application/x; name=n\nContent-Transfer-Encoding: base64\n\nQUJD";
    MimeMessage m = ParseMimeMessage(text);
    EXPECT_EQ(*DecodePartBody(text, m.parts[0]), "ABC");
}
