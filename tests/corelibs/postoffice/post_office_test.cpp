// The post office folder: mailboxes, passwords, the administrator, delivery and new mail.
#include <gtest/gtest.h>

#include "post_office.h"
#include "temp_folder.h"

using namespace postoffice;

TEST(PostOffice, ListsValidMailboxNamesInOrderAndFindsThemInAnyCase)
{
    TempFolder folder;
    PostOffice office(folder.Path());
    ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", "pw"));
    ASSERT_TRUE(office.CreateMailbox("Alice", "Alice Jones", ""));
    folder.Write("bad name.mbx", "");
    folder.Write("notes.ini", "");
    EXPECT_EQ(office.Mailboxes(), (std::vector<std::string> {"Alice", "bob"}));
    EXPECT_EQ(office.FindMailbox("ALICE"), "Alice");
    EXPECT_FALSE(office.FindMailbox("../bob"));
    EXPECT_FALSE(office.CreateMailbox("BOB", "again", ""));
    EXPECT_EQ(office.FullName("bob"), "Bob Smith");
}

TEST(PostOffice, MailboxNamesAreCheckedCharacterByCharacter)
{
    EXPECT_TRUE(PostOffice::ValidMailboxName("a.b-c_9"));
    EXPECT_TRUE(PostOffice::ValidMailboxName(std::string(48, 'x')));
    EXPECT_FALSE(PostOffice::ValidMailboxName(std::string(49, 'x')));
    EXPECT_FALSE(PostOffice::ValidMailboxName(""));
    EXPECT_FALSE(PostOffice::ValidMailboxName(".hidden"));
    EXPECT_FALSE(PostOffice::ValidMailboxName("a\\b"));
    EXPECT_FALSE(PostOffice::ValidMailboxName("a:b"));
}

TEST(PostOffice, PasswordsAreCheckedAgainstTheirDigest)
{
    TempFolder folder;
    PostOffice office(folder.Path());
    ASSERT_TRUE(office.CreateMailbox("bob", "Bob", "secret"));
    ASSERT_TRUE(office.CreateMailbox("open", "Open", ""));
    EXPECT_TRUE(office.CheckPassword("bob", "secret"));
    EXPECT_TRUE(office.CheckPassword("BOB", "secret"));
    EXPECT_FALSE(office.CheckPassword("bob", "Secret"));
    EXPECT_FALSE(office.CheckPassword("bob", ""));
    EXPECT_TRUE(office.CheckPassword("open", ""));
    EXPECT_FALSE(office.CheckPassword("nobody", ""));
    EXPECT_EQ(folder.Read("users.ini").find("secret"), std::string::npos);
}

TEST(PostOffice, TheAdministratorComesFromTheNotesFile)
{
    TempFolder folder;
    PostOffice office(folder.Path());
    EXPECT_EQ(office.Administrator(), "");
    folder.Write("notes.ini", "[Other]\r\nAdmin=wrong\r\n[notes]\r\n  admin = postmaster  \r\n");
    EXPECT_EQ(office.Administrator(), "postmaster");
    ASSERT_TRUE(office.SetAdministrator("admin"));
    EXPECT_EQ(folder.Read("notes.ini"), "[Other]\r\nAdmin=wrong\r\n[notes]\r\nAdmin=admin\r\n");
}

TEST(PostOffice, IniValuesAreAddedToTheirSection)
{
    EXPECT_EQ(IniWithValue("", "S", "k", "v"), "[S]\r\nk=v\r\n");
    EXPECT_EQ(IniWithValue("[S]\r\na=1\r\n[T]\r\nb=2", "S", "k", "v"), "[S]\r\na=1\r\nk=v\r\n[T]\r\nb=2\r\n");
    EXPECT_EQ(IniValue("[S]\nk=v\n", "s", "K"), "v");
    EXPECT_EQ(IniValue("[S]\nk=v\n", "S", "x"), "");
}

TEST(PostOffice, RecipientsResolveByNameAddressOrFullName)
{
    TempFolder folder;
    PostOffice office(folder.Path());
    ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", ""));
    EXPECT_EQ(office.Resolve("bob"), "bob");
    EXPECT_EQ(office.Resolve("Bob@site"), "bob");
    EXPECT_EQ(office.Resolve("Robert <bob@elsewhere>"), "bob");
    EXPECT_EQ(office.Resolve("bob smith"), "bob");
    EXPECT_FALSE(office.Resolve("carol@site"));
    EXPECT_FALSE(office.Resolve(""));
}

TEST(PostOffice, DeliveryAppendsToTheNamedMailboxOnly)
{
    TempFolder folder;
    PostOffice office(folder.Path());
    ASSERT_TRUE(office.CreateMailbox("bob", "Bob", ""));
    EXPECT_EQ(office.Deliver("carol", "Subject: x\n\n", "me", 0), StoreStatus::kMissing);
    ASSERT_EQ(office.Deliver("BOB", "Subject: x\r\n\r\nhi\r\n", "me@site", 1057049557), StoreStatus::kOk);
    EXPECT_EQ(folder.Read("bob.mbx"), "From me@site Tue Jul  1 08:52:37 2003\nSubject: x\r\n\r\nhi\r\n\n");
}

TEST(ComposeMessage, WritesPlainAsciiMailAsSevenBitText)
{
    OutgoingMail mail;
    mail.from = "Vexomar/Morwick Software";
    mail.to = "bob";
    mail.subject = "A virus found in e-mail message!";
    mail.body = "line one\nline two";
    mail.time = 1057049557;
    std::string text = ComposeMessage(mail);
    std::string id = text.substr(text.find("Message-ID: <") + 13, 32);
    EXPECT_EQ(text,
        "From: Vexomar/Morwick Software\r\nTo: bob\r\nSubject: A virus found in e-mail message!\r\n"
        "Date: Tue, 01 Jul 2003 08:52:37 +0000\r\nMessage-ID: <" +
            id +
            "@postoffice>\r\nMIME-Version: 1.0\r\n"
            "Content-Type: text/plain; charset=us-ascii\r\nContent-Transfer-Encoding: 7bit\r\n\r\n"
            "line one\r\nline two\r\n");
}

TEST(ComposeMessage, EncodesTextsOutsideAscii)
{
    OutgoingMail mail;
    mail.from = "Ren\xE9";
    mail.subject = "caf\xE9";
    mail.body = "caf\xE9\n";
    std::string text = ComposeMessage(mail);
    EXPECT_NE(text.find("From: =?windows-1252?B?UmVu6Q==?=\r\n"), std::string::npos);
    EXPECT_NE(text.find("Subject: =?windows-1252?B?Y2Fm6Q==?=\r\n"), std::string::npos);
    EXPECT_NE(
        text.find(
            "Content-Type: text/plain; charset=windows-1252\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n"
            "caf=E9\r\n"),
        std::string::npos);
    EXPECT_EQ(text.find("To:"), std::string::npos);
}
