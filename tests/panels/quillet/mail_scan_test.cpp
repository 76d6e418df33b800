// Archives inside archives, mail-database files and mailboxes scanned with the real engine,
// archive library and mail-database library over a real post office.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <optional>

#include "archive_library.h"
#include "mail_agent.h"
#include "mail_test_office.h"
#include "mailbox_listing.h"
#include "mailbox_source.h"
#include "path_list_source.h"
#include "quillet_test_files.h"
#include "scan_test_files.h"
#include "post_office_location.h"
#include "scripted_prompter.h"
#include "szdd_encoder.h"

using namespace scan_test;
using namespace mail_test;

namespace {

class ContainerScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(engine.Loaded());
        archiveHandle = archive.Init(0x4000);
        ASSERT_NE(archiveHandle, 0u);
        archive.SetTemporaryDirectory(archiveHandle, temp.Path());
        std::strcpy(options.mailDatabaseExtensions[0], "NSF");
        options.mailDatabaseCount = 1;
        ASSERT_TRUE(agent.Connect());
    }
    void TearDown() override
    {
        if (archiveHandle)
            archive.DeInit(archiveHandle);
    }
    // A source over the mailboxes that takes attachments out into the scratch folder.
    std::unique_ptr<MailboxSource> Mailboxes(std::vector<std::string> names)
    {
        auto source = std::make_unique<MailboxSource>(agent, options, std::move(names));
        source->SetExtractDirectory(temp.Path());
        return source;
    }
    ScanServices Services()
    {
        ScanServices services {engine.binding, archive, archiveHandle, options, alerts, nullptr};
        services.mailAgent = &agent;
        return services;
    }

    RealEngine engine;
    TorpinLibrary archive;
    DWORD archiveHandle = 0;
    ScratchFolder tree {"quillet-mail-tree"};
    ScratchFolder temp {"quillet-mail-temp"};
    LocalScanOptions options = TestOptions();
    RecordingAlerts alerts;
    TestPostOffice office;
    MailAgent agent;
};

TEST_F(ContainerScanTest, AZipInsideAZipIsScannedAsAPlainFileOnlyWhenItsExtensionPasses)
{
    const std::string inner = StoredZip({{"APPEND.EXE", TestVirus("Append")}});
    const std::string outer = tree.Write("OUTER.ZIP", StoredZip({{"INNER.ZIP", inner}, {"RUN.COM", "clean"}}));
    ScriptedPrompter prompter;
    options.executablesOnly = 1;
    {
        PathListSource source({tree.Path()}, archive, archiveHandle);
        TestJob job(source, Services());
        job.Run();
        // RUN.COM only: the inner archive is neither an executable nor opened. The outer one,
        // opened for its type, goes to the engine as a file too.
        EXPECT_EQ(job.Counters().containerFilesScanned, 1u);
        EXPECT_EQ(SortedResults(job), (std::vector<std::string> {outer + "|Kelvex-Test-Append|No Action"}));
    }
    options.executablesOnly = 0;
    {
        PathListSource source({tree.Path()}, archive, archiveHandle);
        TestJob job(source, Services());
        job.Run();
        EXPECT_EQ(job.Counters().containerFilesScanned, 2u);
        // The engine sees the inner archive's bytes as they stand (as it does the outer one's);
        // the inner member is never extracted.
        EXPECT_EQ(SortedResults(job),
            (std::vector<std::string> {
                outer + "|Kelvex-Test-Append|No Action",
                "INNER.ZIP in Compressed File " + outer + "|Kelvex-Test-Append|No Action",
            }));
    }
}

TEST_F(ContainerScanTest, ADetectionInsideAnArchiveIsReportedNoActionWhateverTheAction)
{
    options.infectionAction = kActionDelete;
    // The archive's own bytes hold no signature the engine finds; its member does.
    const std::string bytes = StoredZip({{"EICAR.COM", EicarFile()}});
    const std::string zip = tree.Write("PARCEL.ZIP", bytes);
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, archiveHandle);
    TestJob job(source, Services());
    job.Run();
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {"EICAR.COM in Compressed File " + zip + "|EICAR-Test-File|No Action"}));
    EXPECT_EQ(source.Outcomes(), (std::vector<std::string> {"0 1 " + zip}));
    EXPECT_EQ(ReadAll(zip), bytes);
}

TEST_F(ContainerScanTest, AZipAttachedToAMessageInADatabaseFileIsOpenedAndItsMembersScanned)
{
    const std::string zip = StoredZip({{"INVOICE.EXE", TestVirus("Append")}, {"README.TXT", "clean"}});
    const std::string bytes = Message("Carol White <carol@site>", "bob", "Invoice", "Mon, 7 Dec 2026 09:15:00 +0000",
        {{"invoice.zip", zip}, {"tool.com", EicarFile()}, {"notes.txt", "clean"}});
    const std::string database = tree.Write("MAIL.NSF", bytes);
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, archiveHandle);
    TestJob job(source, Services());
    job.Run();
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {
            "INVOICE.EXE in Compressed File invoice.zip in Lotus Notes Database  " + database +
                "|Kelvex-Test-Append|No Action",
            "invoice.zip in Lotus Notes Database " + database + "|Kelvex-Test-Append|No Action",
            "tool.com in Lotus Notes Database " + database + "|EICAR-Test-File|No Action",
        }));
    // The database file, the zip, its two members, the text and the program.
    EXPECT_EQ(job.Counters().filesScanned, 1u);
    EXPECT_EQ(job.Counters().containerFilesScanned, 5u);
    EXPECT_EQ(job.Counters().containerInfections, 3u);
    EXPECT_EQ(source.Outcomes(), (std::vector<std::string> {"0 1 " + database}));
    EXPECT_EQ(ReadAll(database), bytes);
}

TEST_F(ContainerScanTest, ACompressedFileIsScannedExpandedAndShownUnderItsOwnPath)
{
    const std::string eicar = EicarFile();
    const torpin::test::Bytes packed = torpin::test::szddEncode(torpin::test::Bytes(eicar.begin(), eicar.end()));
    const std::string file = tree.Write("TOOL.CO_", std::string(packed.begin(), packed.end()));
    ScriptedPrompter prompter;
    {
        PathListSource source({tree.Path()}, archive, archiveHandle);
        TestJob job(source, Services());
        job.Run();
        EXPECT_EQ(SortedResults(job), (std::vector<std::string> {file + "|EICAR-Test-File|No Action"}));
    }
    // The expanded copy went with the walk.
    EXPECT_EQ(FilesIn(temp.Path()), 0u);
}

TEST_F(ContainerScanTest, TheAgentListsTheMailboxesAndWithoutAPostOfficeConnectsToNone)
{
    EXPECT_EQ(agent.Mailboxes(), (std::vector<std::string> {"admin", "alice", "bob"}));
    EXPECT_NE(agent.Handle(), MailAgent::kNotConnected);
    postoffice::SetPostOfficeFolder(tree.Path("NO-POST-OFFICE"));
    MailAgent other;
    EXPECT_FALSE(other.Connect());
    EXPECT_FALSE(other.Connected());
    EXPECT_TRUE(other.Mailboxes().empty());
    DWORD database = 0;
    EXPECT_EQ(other.OpenDatabase("bob", database), MailAgent::kNotBound);
}

TEST_F(ContainerScanTest, AMailboxsMessagesAreListedWithinTheTimeLimit)
{
    office.Deliver("bob", Message("\"Jones, Alice\" <alice@site>", "bob", "Old", "Tue, 1 Jul 2003 10:00:00 +0000", {}));
    office.Deliver("bob", Message("carol@site", "bob", "New", "Mon, 7 Dec 2026 09:15:00 +0000", {}));
    const auto rows = [&](DWORD limit) {
        std::vector<std::string> texts;
        for (const MailboxMessageRow& row : ListMailboxMessages(agent, "bob", limit))
            texts.push_back(row.who + "|" + row.date + "|" + row.subject);
        return texts;
    };
    EXPECT_EQ(rows(0), (std::vector<std::string> {"Jones, Alice <alice@site>|Tue, 1 Jul 2003 10:00:00 +0000|Old",
                           "carol@site|Mon, 7 Dec 2026 09:15:00 +0000|New"}));
    EXPECT_EQ(rows(1262304000), (std::vector<std::string> {"carol@site|Mon, 7 Dec 2026 09:15:00 +0000|New"}));
    EXPECT_TRUE(ListMailboxMessages(agent, "nobody", 0).empty());
}

TEST_F(ContainerScanTest, ADatabaseFileWhoseMailCannotBeReadIsReportedNotScanned)
{
    const std::string database = tree.Write("MAIL.NSF",
        Message("carol@site", "bob", "s", "Mon, 7 Dec 2026 09:15:00 +0000", {{"tool.com", EicarFile()}}));
    tree.Write("EMPTY.NSF", Message("carol@site", "bob", "s", "Mon, 7 Dec 2026 09:15:00 +0000", {}));
    HANDLE holder = CreateFileA(database.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, archiveHandle);
    TestJob job(source, Services());
    job.Run();
    CloseHandle(holder);
    // The message without attachments has nothing to report.
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {
            database + "||Not scanned: it could not be opened (error 32)",
            database + "||Not scanned: its mail could not be read",
        }));
}

TEST_F(ContainerScanTest, MailDatabasesAreLeftAloneWithoutAConnectedAgent)
{
    tree.Write("MAIL.NSF", Message("carol@site", "bob", "s", "Mon, 7 Dec 2026 09:15:00 +0000", {{"tool.com", EicarFile()}}));
    agent.Disconnect();
    options.executablesOnly = 1;
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, archiveHandle);
    TestJob job(source, Services());
    job.Run();
    EXPECT_EQ(job.Counters().filesScanned, 0u);
    EXPECT_TRUE(job.Results().empty());
}

TEST_F(ContainerScanTest, AMailboxScanFindsAttachmentsAndArchivesInThem)
{
    office.Deliver("bob", Message("Carol White <carol@site>", "bob", "Invoice", "Mon, 7 Dec 2026 09:15:00 +0000",
                              {{"invoice.zip", StoredZip({{"INVOICE.EXE", TestVirus("Append")}})}}));
    office.Deliver("bob", Message("Alice Jones <alice@site>", "bob", "Tool", "Tue, 8 Dec 2026 10:00:00 +0000",
                              {{"tool.com", EicarFile()}, {"notes.txt", "clean"}}));
    options.notifyOwner = 0;
    options.attachInfoFile = 0;
    ScriptedPrompter prompter;
    const auto source = Mailboxes({"alice", "bob"});
    TestJob job(*source, Services());
    job.Run();
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {
            "INVOICE.EXE in Compressed File invoice.zip in Mailbox bob|Kelvex-Test-Append|No Action",
            "invoice.zip in Mailbox bob|Kelvex-Test-Append|No Action",
            "tool.com in Mailbox bob|EICAR-Test-File|No Action",
        }));
    EXPECT_EQ(job.Counters().filesScanned, 3u);
    // The zip as a file and as an archive, and the program.
    EXPECT_EQ(source->Detections(), 3);
    // Every copy taken out of a message is gone once the walk moved on.
    EXPECT_EQ(FilesIn(temp.Path(), "PLV*"), 0u);
}

TEST_F(ContainerScanTest, AMailboxWithMoreMessagesThanTheFirstListHoldsIsScannedWhole)
{
    // 1,001 messages: one more than 16,000 bytes of identities hold; the last one is infected.
    std::optional<postoffice::Mailbox> box = postoffice::Mailbox::Load("");
    ASSERT_TRUE(box.has_value());
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(box->Append(Message("carol@site", "bob", "Note " + std::to_string(i),
                                    "Mon, 7 Dec 2026 09:15:00 +0000", {}),
            "carol@site", 1765098900));
    ASSERT_TRUE(box->Append(
        Message("carol@site", "bob", "Last", "Mon, 7 Dec 2026 09:15:00 +0000", {{"last.com", EicarFile()}}),
        "carol@site", 1765098900));
    tree.Write("bob.mbx", box->Serialize());
    ASSERT_TRUE(CopyFileA(tree.Path("bob.mbx").c_str(), (office.Folder() + "\\bob.mbx").c_str(), FALSE));
    options.notifyOwner = 0;
    options.attachInfoFile = 0;
    ScriptedPrompter prompter;
    const auto source = Mailboxes({"bob"});
    TestJob job(*source, Services());
    job.Run();
    EXPECT_EQ(SortedResults(job), (std::vector<std::string> {"last.com in Mailbox bob|EICAR-Test-File|No Action"}));
}

TEST_F(ContainerScanTest, AnAttachmentThatCannotBeTakenOutIsReportedNotScanned)
{
    office.Deliver("bob", Message("carol@site", "bob", "Tool", "Mon, 7 Dec 2026 09:15:00 +0000", {{"tool.com", EicarFile()}}));
    options.notifyOwner = 0;
    options.attachInfoFile = 0;
    ScriptedPrompter prompter;
    MailboxSource source(agent, options, {"bob"});
    source.SetExtractDirectory(tree.Path("NO-SUCH-FOLDER"));
    TestJob job(source, Services());
    job.Run();
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {"tool.com in Mailbox bob||Not scanned: it could not be extracted"}));
    EXPECT_EQ(job.Counters().notScanned, 1u);
    EXPECT_EQ(job.Counters().filesScanned, 0u);
}

TEST_F(ContainerScanTest, IncrementalScanWithoutIncTimeScansEveryMessageAndAFullScanKeepsItsStart)
{
    office.Deliver("bob", Message("carol@site", "bob", "Old", "Tue, 1 Jul 2003 10:00:00 +0000", {{"old.com", "clean"}}));
    office.Deliver("bob", Message("carol@site", "bob", "New", "Mon, 7 Dec 2026 09:15:00 +0000", {{"new.com", "clean"}}));
    options.incrementalScan = 1;
    ScriptedPrompter prompter;
    {
        const auto source = Mailboxes({"bob"});
        TestJob job(*source, Services());
        job.Run();
        EXPECT_EQ(source->TimeLimit(), 0u);
        EXPECT_EQ(job.Counters().filesScanned, 2u);
        // Not the whole mail root: the time of the last scan stays unset.
        EXPECT_FALSE(IncrementalTime().has_value());
    }
    const DWORD before = static_cast<DWORD>(std::time(nullptr));
    {
        const auto source = Mailboxes({"admin", "alice", "bob"});
        TestJob job(*source, Services());
        job.Run();
        EXPECT_EQ(job.Counters().filesScanned, 2u);
        ASSERT_TRUE(IncrementalTime().has_value());
        EXPECT_GE(*IncrementalTime(), before);
        EXPECT_LE(*IncrementalTime(), static_cast<DWORD>(std::time(nullptr)));
    }
    {
        // Both messages are dated before the last scan.
        const auto source = Mailboxes({"bob"});
        TestJob job(*source, Services());
        job.Run();
        EXPECT_EQ(job.Counters().filesScanned, 0u);
    }
    options.incrementalScan = 0;
    options.scanAfter = 1262304000;  // 1 January 2010
    {
        const auto source = Mailboxes({"bob"});
        TestJob job(*source, Services());
        job.Run();
        EXPECT_EQ(source->TimeLimit(), 1262304000u);
        EXPECT_EQ(job.Counters().filesScanned, 1u);
    }
}

TEST_F(ContainerScanTest, AMailboxThatCannotBeReadIsReportedAndTheScanKeepsNoTime)
{
    office.Deliver("bob", Message("carol@site", "bob", "One", "Mon, 7 Dec 2026 09:15:00 +0000", {{"a.com", "clean"}}));
    ScriptedPrompter prompter;
    // Every mailbox of the post office (admin and alice hold nothing), and one that is not there.
    const auto source = Mailboxes({"admin", "alice", "bob", "nobody"});
    TestJob job(*source, Services());
    job.Run();
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {"Mailbox nobody||Not scanned: the mailbox could not be read (error 2)"}));
    EXPECT_EQ(job.Counters().filesScanned, 1u);
    EXPECT_EQ(job.Counters().notScanned, 1u);
    EXPECT_FALSE(IncrementalTime().has_value());
}

TEST_F(ContainerScanTest, ACancelledMailScanDoesNotKeepItsStartTime)
{
    office.Deliver("bob", Message("carol@site", "bob", "One", "Mon, 7 Dec 2026 09:15:00 +0000",
                              {{"a.com", "clean"}, {"b.com", "clean"}, {"c.com", "clean"}}));
    ScriptedPrompter prompter;
    const auto source = Mailboxes({"admin", "alice", "bob"});
    TestJob job(*source, Services());
    job.cancelAtPump = 2;
    job.Run();
    EXPECT_TRUE(job.Cancelled());
    EXPECT_FALSE(IncrementalTime().has_value());
}

}  // namespace
