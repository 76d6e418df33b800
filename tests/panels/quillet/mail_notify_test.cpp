// The mail notification delivered into a real post office, the message information text and
// the file actions of an attachment item.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>

#include "archive_library.h"
#include "mail_agent.h"
#include "mail_test_office.h"
#include "mailbox_source.h"
#include "path_list_source.h"
#include "quillet_test_files.h"
#include "scan_test_files.h"
#include "scripted_prompter.h"

using namespace scan_test;
using namespace mail_test;

namespace {

const char kDate[] = "Mon, 7 Dec 2026 09:15:00 +0000";
const char kDetection[] = "File tool.com infected with  EICAR-Test-File - No Action ";

class MailItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(engine.Loaded());
        ASSERT_TRUE(agent.Connect());
        office.Deliver("bob", Message("Alice Jones <alice@site>", "bob", "Invoice", kDate,
                                  {{"tool.com", EicarFile()}, {"notes.txt", "clean"}}));
    }
    ScanServices Services() { return ScanServices {engine.binding, archive, 0, options, alerts, nullptr}; }
    // A source over bob's mailbox whose notes are made in the scratch folder.
    MailboxSource& Source()
    {
        source = std::make_unique<MailboxSource>(agent, options, std::vector<std::string> {"bob"});
        source->SetExtractDirectory(work.Path());
        source->Notifier().headerFile = work.Path("VIRUSHDR.TXT");
        source->Notifier().noteDirectory = work.Path();
        return *source;
    }

    RealEngine engine;
    TorpinLibrary archive;
    ScratchFolder work {"quillet-mail-work"};
    LocalScanOptions options = TestOptions();
    RecordingAlerts alerts;
    TestPostOffice office;
    MailAgent agent;
    std::unique_ptr<MailboxSource> source;
};

TEST_F(MailItemTest, ADetectionNotifiesOwnerSenderAndAdministratorAndAttachesTheNote)
{
    options.notifyOwner = options.notifySender = options.notifyAdministrator = options.attachInfoFile = 1;
    work.Write("VIRUSHDR.TXT", "Vexomar found a virus in this message.\r\n");
    // A file of the user's in the current directory under the name the note once had.
    ScratchFolder current("quillet-mail-current");
    const std::string users = current.Write("VIRUS.$$$", "the user's own file");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(current.Path().c_str());
    ScriptedPrompter prompter;
    TestJob job(Source(), Services());
    job.Run();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(ReadAll(users), "the user's own file");
    EXPECT_EQ(SortedResults(job), (std::vector<std::string> {"tool.com in Mailbox bob|EICAR-Test-File|No Action"}));

    const postoffice::Mailbox bob = office.Read("bob");
    ASSERT_EQ(bob.Count(), 2u);
    EXPECT_EQ(bob.AttachmentNames(0), (std::vector<std::string> {"tool.com", "notes.txt", "VIRUS.TXT"}));
    EXPECT_EQ(bob.AttachmentBytes(0, 2).value_or(""),
        "Vexomar found a virus in this message.\r\n\r\n-------------------------------------------------\r\n" +
            std::string(kDetection) + "\r\n");
    EXPECT_EQ(bob.Field(1, "From"), "Vexomar/Morwick Software");
    EXPECT_EQ(bob.Field(1, "Subject"), "A virus found in e-mail message!");
    EXPECT_EQ(TestPostOffice::Body(bob, 1),
        "A virus found in your mailbox. The message was sent to you by Alice Jones <alice@site>. The message date "
        "is Mon, 7 Dec 2026 09:15:00 +0000, the message subject is \"Invoice\". Please follow the reference link to "
        "that message. " +
            std::string(kDetection) + "\r\n");

    const postoffice::Mailbox alice = office.Read("alice");
    ASSERT_EQ(alice.Count(), 1u);
    EXPECT_EQ(alice.Field(0, "Subject"), "A virus found in e-mail message!");
    EXPECT_EQ(TestPostOffice::Body(alice, 0),
        "A virus found in e-mail message sent by you to bob. The message date is Mon, 7 Dec 2026 09:15:00 +0000, "
        "the message subject is \"Invoice\". " +
            std::string(kDetection) + "\r\n");

    const postoffice::Mailbox admin = office.Read("admin");
    ASSERT_EQ(admin.Count(), 1u);
    EXPECT_EQ(TestPostOffice::Body(admin, 0),
        "A virus found in e-mail message sent by Alice Jones <alice@site> to bob. The message date is Mon, 7 Dec "
        "2026 09:15:00 +0000, the message subject is \"Invoice\". " +
            std::string(kDetection) + "\r\n");
    // The note was made under a name of its own and is gone; so are the taken-out copies.
    EXPECT_EQ(FilesIn(work.Path()), 1u);
}

TEST_F(MailItemTest, WithoutTheNotifyOptionsOnlyTheNoteIsAttachedEvenWithoutItsHeaderFile)
{
    options.notifyOwner = 0;
    ScriptedPrompter prompter;
    TestJob job(Source(), Services());
    job.Run();
    const postoffice::Mailbox bob = office.Read("bob");
    ASSERT_EQ(bob.Count(), 1u);
    EXPECT_EQ(bob.AttachmentBytes(0, 2).value_or(""),
        "\r\n-------------------------------------------------\r\n" + std::string(kDetection) + "\r\n");
    EXPECT_EQ(office.Read("alice").Count(), 0u);
    EXPECT_EQ(office.Read("admin").Count(), 0u);
}

TEST_F(MailItemTest, TheMessageInformationNamesTheMailboxAndTheHeaderFields)
{
    office.Deliver("bob", Message("\"Jones, Alice\" <alice@site>", "bob@site, Carol <carol@site>", "Figures", kDate,
                              {{"figures.txt", "clean"}}));
    MailboxSource& items = Source();
    ASSERT_TRUE(items.First());
    EXPECT_EQ(items.FullPath(), "tool.com in Mailbox bob");
    EXPECT_EQ(items.Name(), "tool.com");
    EXPECT_EQ(items.MessageInformation(),
        "Message Information\nMailbox: \"bob\"\nDate: \"Mon, 7 Dec 2026 09:15:00 +0000\"\nFrom: \"Alice Jones "
        "<alice@site>\"\nTo: \"bob\"\nCC: \"\"\nSubject: \"Invoice\"\n");
    ASSERT_TRUE(items.Next());
    ASSERT_TRUE(items.Next());
    EXPECT_EQ(items.FullPath(), "figures.txt in Mailbox bob");
    EXPECT_EQ(items.MessageInformation(),
        "Message Information\nMailbox: \"bob\"\nDate: \"Mon, 7 Dec 2026 09:15:00 +0000\"\nFrom: \"Jones, Alice "
        "<alice@site>\"\nTo: \"bob@site, Carol <carol@site>\"\nCC: \"\"\nSubject: \"Figures\"\n");
    EXPECT_FALSE(items.Next());
}

TEST_F(MailItemTest, DeleteAndRenameChangeTheMessageItself)
{
    MailboxSource& items = Source();
    ASSERT_TRUE(items.First());
    ASSERT_TRUE(items.CanRename("AVB"));
    ASSERT_TRUE(items.Rename("AVB"));
    EXPECT_EQ(office.Read("bob").AttachmentNames(0), (std::vector<std::string> {"notes.txt", "tool.AVB"}));
    EXPECT_EQ(office.Read("bob").AttachmentBytes(0, 1).value_or(""), EicarFile());
    EXPECT_FALSE(items.CanDelete());  // it is no longer there
    ASSERT_TRUE(items.Next());
    EXPECT_EQ(items.Name(), "notes.txt");
    ASSERT_TRUE(items.Delete());
    EXPECT_EQ(office.Read("bob").AttachmentNames(0), (std::vector<std::string> {"tool.AVB"}));
}

TEST_F(MailItemTest, RenameAndMoveStoresANewFileAndNeverOverwrites)
{
    const std::string moved = work.Path("MOVED");
    work.Write("MOVED\\tool.AVB", "a file of the user's");
    MailboxSource& items = Source();
    ASSERT_TRUE(items.First());
    ASSERT_TRUE(items.RenameAndMove(moved, "AVB"));
    EXPECT_EQ(ReadAll(moved + "\\tool.AVB"), "a file of the user's");
    EXPECT_EQ(ReadAll(moved + "\\tool.AV0"), EicarFile());
    EXPECT_EQ(office.Read("bob").AttachmentNames(0), (std::vector<std::string> {"notes.txt"}));
    ASSERT_TRUE(items.Next());
    ASSERT_TRUE(items.Move(moved));
    EXPECT_EQ(ReadAll(moved + "\\notes.txt"), "clean");
    EXPECT_TRUE(office.Read("bob").AttachmentNames(0).empty());
}

TEST_F(MailItemTest, ACuredCopyReplacesTheAttachmentUnderItsName)
{
    MailboxSource& items = Source();
    ASSERT_TRUE(items.First());
    HANDLE file = items.OpenForCure();
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "CURED", 5, &written, nullptr));
    SetEndOfFile(file);
    items.CloseAfterCure(file, true);
    const postoffice::Mailbox bob = office.Read("bob");
    EXPECT_EQ(bob.AttachmentNames(0), (std::vector<std::string> {"notes.txt", "tool.com"}));
    EXPECT_EQ(bob.AttachmentBytes(0, 1).value_or(""), "CURED");
}

TEST_F(MailItemTest, ACureThatCannotBeStoredLeavesTheMessageWholeAndIsToldAsAnError)
{
    options.notifyOwner = 0;
    MailboxSource& items = Source();
    ASSERT_TRUE(items.First());
    HANDLE file = items.OpenForCure();
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    // The cured copy vanishes before it could be put into the message.
    CloseHandle(file);
    ASSERT_TRUE(DeleteFileA(items.ContentPath().c_str()));
    items.CloseAfterCure(INVALID_HANDLE_VALUE, true);
    postoffice::Mailbox bob = office.Read("bob");
    EXPECT_EQ(bob.AttachmentNames(0), (std::vector<std::string> {"tool.com", "notes.txt"}));
    EXPECT_EQ(bob.AttachmentBytes(0, 0).value_or(""), EicarFile());

    PathListSource none({}, archive, 0);
    TestJob job(none, Services());
    items.RecordOutcome(job, 3, 1);
    bob = office.Read("bob");
    ASSERT_EQ(bob.AttachmentNames(0).size(), 3u);
    const std::string note = bob.AttachmentBytes(0, 2).value_or("");
    EXPECT_EQ(note.substr(note.find("File ")), "File tool.com infected with   - Error curing  \r\n");
}

TEST(MailboxSourceNames, AnAttachmentsNameNeverBecomesAPath)
{
    EXPECT_EQ(MailboxSource::SafeFileName("..\\..\\evil.exe"), "evil.exe");
    EXPECT_EQ(MailboxSource::SafeFileName("C:report.doc"), "report.doc");
    EXPECT_EQ(MailboxSource::SafeFileName("a/b/what?.txt"), "what_.txt");
    EXPECT_EQ(MailboxSource::SafeFileName("dots..."), "dots");
    EXPECT_EQ(MailboxSource::SafeFileName(".."), "ATTACH.DAT");
}

}  // namespace
