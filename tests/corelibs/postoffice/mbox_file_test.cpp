// Mailbox files: splitting, mboxrd quoting, bare messages and damaged files.
#include <gtest/gtest.h>

#include "mailbox.h"
#include "mbox_file.h"
#include "sample_messages.h"

using namespace postoffice;

namespace {

const std::string kTwo = "From alice@site Tue Jul  1 08:52:37 2003\n"
                         "Subject: one\n"
                         "\n"
                         "first line\n"
                         ">From the body, quoted once\n"
                         ">>From quoted twice\n"
                         "\n"
                         "From bob@site Wed Jul  2 12:00:00 2003\n"
                         "Subject: two\n"
                         "\n"
                         "second\n"
                         "\n";

}  // namespace

TEST(MboxFile, SplitsAtSeparatorsAndUnquotesFromLines)
{
    auto file = MboxFile::Parse(kTwo);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Count(), 2u);
    EXPECT_FALSE(file->IsBare());
    EXPECT_EQ(file->Entry(0).separator, "From alice@site Tue Jul  1 08:52:37 2003\n");
    EXPECT_EQ(file->Entry(0).content, "Subject: one\n\nfirst line\nFrom the body, quoted once\n>From quoted twice\n");
    EXPECT_EQ(file->Entry(1).content, "Subject: two\n\nsecond\n");
    EXPECT_EQ(file->Serialize(), kTwo);
}

TEST(MboxFile, QuotingRoundTripsEveryFromLine)
{
    std::string content = "Subject: q\n\nFrom here\n>From there\nFromage\n>>>From deep\n";
    std::string stored = MboxFile::Quote(content);
    EXPECT_EQ(stored, "Subject: q\n\n>From here\n>>From there\nFromage\n>>>>From deep\n");
    EXPECT_EQ(MboxFile::Unquote(stored), content);
}

TEST(MboxFile, AChangedMessageIsQuotedAndFramedWhileOthersKeepTheirBytes)
{
    auto file = MboxFile::Parse(kTwo);
    file->ReplaceContent(1, "Subject: two\n\nFrom now on\nno final break");
    EXPECT_EQ(file->Serialize(),
        kTwo.substr(0, kTwo.find("From bob")) +
            "From bob@site Wed Jul  2 12:00:00 2003\nSubject: two\n\n>From now on\nno final break\n\n");
}

TEST(MboxFile, AFromLineInsideABodyWithoutBlankLineBeforeItIsNotASeparator)
{
    std::string text = "From a Tue Jul  1 08:52:37 2003\nSubject: x\n\nline\nFrom me to you, greetings\n\n";
    auto file = MboxFile::Parse(text);
    ASSERT_EQ(file->Count(), 1u);
    EXPECT_EQ(file->Entry(0).content, "Subject: x\n\nline\nFrom me to you, greetings\n");
}

TEST(MboxFile, ASeparatorRightAfterATruncatedMessageStillStartsTheNextOne)
{
    std::string text = "From a Tue Jul  1 08:52:37 2003\nSubject: cut\n\npartial\n"
                       "From b Wed Jul  2 12:00:00 2003\nSubject: next\n\nok\n\n";
    auto file = MboxFile::Parse(text);
    ASSERT_EQ(file->Count(), 2u);
    EXPECT_EQ(file->Entry(0).content, "Subject: cut\n\npartial\n");
    EXPECT_EQ(file->Serialize(), text);
}

TEST(MboxFile, ABareMessageIsOneMessageAndStaysBareWhenRewritten)
{
    auto file = MboxFile::Parse(samples::kPlain);
    ASSERT_EQ(file->Count(), 1u);
    EXPECT_TRUE(file->IsBare());
    EXPECT_EQ(file->Entry(0).content, samples::kPlain);
    file->ReplaceContent(0, "Subject: new\n\nFrom inside\n");
    EXPECT_EQ(file->Serialize(), "Subject: new\n\nFrom inside\n");
}

TEST(MboxFile, AppendingToABareMessageTurnsTheFileIntoAMailbox)
{
    auto file = MboxFile::Parse(samples::kPlain);
    file->Append("Subject: added\r\n\r\nFrom us\r\n", "admin@site", 1057049557);
    EXPECT_EQ(file->Serialize(),
        "From MAILER-DAEMON Tue Jul  1 08:52:37 2003\n" + samples::kPlain + "\n" +
            "From admin@site Tue Jul  1 08:52:37 2003\nSubject: added\r\n\r\n>From us\r\n\n");
    auto again = MboxFile::Parse(file->Serialize());
    ASSERT_EQ(again->Count(), 2u);
    EXPECT_EQ(again->Entry(0).content, samples::kPlain);
    EXPECT_EQ(again->Entry(1).content, "Subject: added\r\n\r\nFrom us\r\n");
}

TEST(MboxFile, EmptyAndTruncatedFiles)
{
    EXPECT_EQ(MboxFile::Parse("")->Count(), 0u);
    auto cut = MboxFile::Parse(
        "From a Tue Jul  1 08:52:37 2003\nSubject: x\nContent-Type: multipart/mixed; boundary=b\n\n--b\n"
        "Content-Type: application/x; name=half\nContent-Transfer-Encoding: base64\n\nQUJDRE");
    ASSERT_EQ(cut->Count(), 1u);
    auto box = Mailbox::Load(cut->Serialize());
    ASSERT_TRUE(box->Readable(0));
    EXPECT_EQ(box->AttachmentNames(0), std::vector<std::string> {"half"});
    EXPECT_EQ(*box->AttachmentBytes(0, 0), "ABCD");
}

TEST(Mailbox, TimesComeFromTheDateFieldOrTheSeparator)
{
    std::string text = kTwo;
    text.insert(text.find("Subject: one"), "Date: Thu, 3 Jul 2003 00:00:00 +0000\n");
    auto box = Mailbox::Load(text);
    EXPECT_EQ(box->Time(0), 1057190400);
    EXPECT_EQ(box->Time(1), 1057147200);  // Wed Jul  2 12:00:00 2003 from the separator
    EXPECT_EQ(box->Field(0, "subject"), "one");
    EXPECT_FALSE(box->HasField(0, "CC"));
}

TEST(Mailbox, IdenticalMessagesGetDifferentIdentities)
{
    auto box = Mailbox::Load(kTwo + kTwo);
    ASSERT_EQ(box->Count(), 4u);
    EXPECT_NE(box->Identity(0), box->Identity(2));
    EXPECT_NE(box->Identity(0), box->Identity(1));
    EXPECT_EQ(box->Find(box->Identity(2)), 2u);
    auto again = Mailbox::Load(kTwo + kTwo);
    EXPECT_EQ(again->Identity(2), box->Identity(2));
}

TEST(MboxFile, AMessageCutShortIsClosedBeforeTheNextOneIsAppended)
{
    auto file = MboxFile::Parse("From a Tue Jul  1 08:52:37 2003\nSubject: cut\n\nno line break");
    file->Append("Subject: new\n\nx\n", "s", 1057049557);
    EXPECT_EQ(file->Serialize(),
        "From a Tue Jul  1 08:52:37 2003\nSubject: cut\n\nno line break\n"
        "From s Tue Jul  1 08:52:37 2003\nSubject: new\n\nx\n\n");
    auto again = MboxFile::Parse(file->Serialize());
    ASSERT_EQ(again->Count(), 2u);
    EXPECT_EQ(again->Entry(0).content, "Subject: cut\n\nno line break\n");
    EXPECT_EQ(again->Entry(1).content, "Subject: new\n\nx\n");
}

TEST(MboxFile, ASeparatorCutShortIsClosedBeforeTheNextOneIsAppended)
{
    auto file = MboxFile::Parse("From a FromTu a");
    ASSERT_EQ(file->Count(), 1u);
    file->Append("Subject: new\n\nx\n", "s", 0);
    EXPECT_EQ(file->Serialize(), "From a FromTu a\nFrom s Thu Jan  1 00:00:00 1970\nSubject: new\n\nx\n\n");
    EXPECT_EQ(MboxFile::Parse(file->Serialize())->Count(), 2u);
}
