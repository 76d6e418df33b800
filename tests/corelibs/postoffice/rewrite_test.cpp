// Attachment changes: the exact bytes written, and the identity that survives them.
#include <gtest/gtest.h>

#include "mailbox.h"
#include "message_rewrite.h"
#include "sample_messages.h"

using namespace postoffice;

namespace {

const std::string kTwoParts = "Subject: report\r\n"
                              "Content-Type: multipart/mixed; boundary=\"b\"\r\n"
                              "\r\n"
                              "--b\r\n"
                              "Content-Type: text/plain\r\n"
                              "\r\n"
                              "see attached\r\n"
                              "--b\r\n"
                              "Content-Type: application/zip; name=\"r.zip\"\r\n"
                              "Content-Transfer-Encoding: base64\r\n"
                              "\r\n"
                              "UEsDBA==\r\n"
                              "--b--\r\n";

std::string Must(std::optional<std::string> text)
{
    return text ? *text : "<failed>";
}

}  // namespace

TEST(Rewrite, DeletingAnAttachmentRemovesItsDelimiterAndPart)
{
    MimeMessage m = ParseMimeMessage(kTwoParts);
    EXPECT_EQ(Must(DeleteAttachment(kTwoParts, m, 0)),
        "Subject: report\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n\r\n"
        "--b\r\nContent-Type: text/plain\r\n\r\nsee attached\r\n--b--\r\n");
}

TEST(Rewrite, DeletingTheOnlyPartLeavesAnEmptyTextPart)
{
    std::string text =
        "Content-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: application/x; name=v\n\nVV\n--b--\n";
    EXPECT_EQ(Must(DeleteAttachment(text, ParseMimeMessage(text), 0)),
        "Content-Type: multipart/mixed; boundary=b\n\n--b\nContent-Type: text/plain; charset=us-ascii\n\n\n--b--\n");
}

TEST(Rewrite, DeletingASinglePartAttachmentKeepsTheHeaderWithAnEmptyBody)
{
    std::string text =
        "Subject: s\nContent-Type: application/x;\n name=v\nContent-Transfer-Encoding: base64\nX-Other: 1\n\nQUJD\n";
    EXPECT_EQ(Must(DeleteAttachment(text, ParseMimeMessage(text), 0)),
        "Subject: s\nX-Other: 1\nContent-Type: text/plain; charset=us-ascii\n\n");
}

TEST(Rewrite, AttachingToASinglePartMessageMakesItMultipartMixed)
{
    std::string out = Must(AddAttachment(samples::kPlain, ParseMimeMessage(samples::kPlain), "note.txt", "hi!"));
    MimeMessage m = ParseMimeMessage(out);
    ASSERT_TRUE(m.readable);
    std::string boundary = m.parts[0].boundary;
    EXPECT_EQ(out,
        "From: carol@site\nTo: dave@site\nSubject: lunch\nDate: Wed, 2 Jul 2003 12:00:00 +0000\n"
        "MIME-Version: 1.0\nContent-Type: multipart/mixed; boundary=\"" +
            boundary +
            "\"\n\n"
            "--" +
            boundary +
            "\nContent-Type: text/plain; charset=us-ascii\n\nSee you at noon.\n"
            "--" +
            boundary +
            "\nContent-Type: application/octet-stream; name=\"note.txt\"\n"
            "Content-Disposition: attachment; filename=\"note.txt\"\nContent-Transfer-Encoding: base64\n\naGkh\n"
            "--" +
            boundary + "--\n");
    EXPECT_EQ(m.AttachmentName(0), "note.txt");
    EXPECT_EQ(*DecodePartBody(out, m.parts[m.attachments[0]]), "hi!");
}

TEST(Rewrite, AttachingToAMixedMultipartAddsAPartBeforeTheClose)
{
    std::string out = Must(AddAttachment(kTwoParts, ParseMimeMessage(kTwoParts), "VIRUS.TXT", "x"));
    EXPECT_EQ(out,
        kTwoParts.substr(0, kTwoParts.size() - 9) +
            "\r\n--b\r\nContent-Type: application/octet-stream; name=\"VIRUS.TXT\"\r\n"
            "Content-Disposition: attachment; filename=\"VIRUS.TXT\"\r\nContent-Transfer-Encoding: "
            "base64\r\n\r\neA==\r\n"
            "--b--\r\n");
}

TEST(Rewrite, ANameOutsidePlainAsciiIsWrittenInTheExtendedForms)
{
    std::string part = AttachmentPartText("caf\xC3\xA9 1.txt", "", "\n");
    EXPECT_EQ(part,
        "Content-Type: application/octet-stream; name=\"=?UTF-8?B?Y2Fmw6kgMS50eHQ=?=\"\n"
        "Content-Disposition: attachment;\n filename*=UTF-8''caf%C3%A9%201.txt\nContent-Transfer-Encoding: base64\n\n");
    std::string message = "Content-Type: multipart/mixed; boundary=b\n\n--b\n" + part + "\n--b--\n";
    EXPECT_EQ(ParseMimeMessage(message).AttachmentName(0), "caf\xC3\xA9 1.txt");
}

TEST(Rewrite, ReplacingAnAttachmentPutsTheNewPartInItsPlace)
{
    MimeMessage m = ParseMimeMessage(samples::kNested);
    std::string out = Must(ReplaceAttachment(samples::kNested, m, 1, "clean.txt", "ok"));
    MimeMessage again = ParseMimeMessage(out);
    ASSERT_EQ(again.attachments.size(), 3u);
    EXPECT_EQ(again.AttachmentName(0), "a.bin");
    EXPECT_EQ(again.AttachmentName(1), "clean.txt");
    EXPECT_EQ(again.AttachmentName(2), "\xE2\x82\xAC.gif");
    EXPECT_EQ(*DecodePartBody(out, again.parts[again.attachments[1]]), "ok");
    EXPECT_EQ(*DecodePartBody(out, again.parts[again.attachments[2]]), std::string("GIF\x00\x01", 5));
}

TEST(Rewrite, ChangesOfAnUnreadableMessageOrAMissingAttachmentFail)
{
    MimeMessage m = ParseMimeMessage(kTwoParts);
    EXPECT_FALSE(DeleteAttachment(kTwoParts, m, 1).has_value());
    EXPECT_FALSE(ReplaceAttachment(kTwoParts, m, 5, "x", "y").has_value());
    m.readable = false;
    EXPECT_FALSE(AddAttachment(kTwoParts, m, "x", "y").has_value());
}

TEST(Rewrite, TheIdentityOutlivesDeletingReplacingAndAttaching)
{
    std::string mbox = "From a Tue Jul  1 08:52:37 2003\n" + samples::kNested + "\nFrom b Tue Jul  1 08:52:37 2003\n" +
        samples::kPlain;
    auto box = Mailbox::Load(mbox);
    ASSERT_EQ(box->Count(), 2u);
    MessageIdentity first = box->Identity(0), second = box->Identity(1);
    ASSERT_TRUE(box->DeleteAttachment(0, 0));
    ASSERT_TRUE(box->ReplaceAttachment(0, 0, "new.txt", "N"));
    ASSERT_TRUE(box->AddAttachment(1, "VIRUS.TXT", "note"));
    auto reread = Mailbox::Load(box->Serialize());
    ASSERT_EQ(reread->Count(), 2u);
    EXPECT_EQ(reread->Identity(0), first);
    EXPECT_EQ(reread->Identity(1), second);
    EXPECT_EQ(reread->AttachmentNames(0), (std::vector<std::string> {"new.txt", "\xE2\x82\xAC.gif"}));
    EXPECT_EQ(reread->AttachmentNames(1), std::vector<std::string> {"VIRUS.TXT"});
    EXPECT_EQ(reread->Field(0, "Subject"), "r\xC3\xA9sum\xC3\xA9");
}
