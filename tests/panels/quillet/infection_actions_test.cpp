// The infection handling of the scan job with the real engine on real files: each action with
// Prompt On Action off and on, the Abort/Retry/Ignore question on a failure, the outcome lines
// and counters, and the cure with its fallback to a rename.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>

#include "action_test_files.h"
#include "path_list_source.h"
#include "quillet_fakes.h"
#include "scan_test_files.h"
#include "scripted_prompter.h"

using namespace action_test;
using namespace scan_test;

namespace {

std::string HostOf(const std::string& infected)
{
    return infected.substr(0, infected.find("KVX."));
}

std::vector<std::string> Lines(const ScanJob& job)
{
    std::vector<std::string> lines;
    for (const ScanResultLine& line : job.Results())
        lines.push_back(line.item + "|" + line.virus + "|" + line.outcome);
    return lines;
}

class InfectionActionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(engine.Loaded());
        std::strcpy(options.moveDirectory, moveFolder.Path().c_str());
    }
    // Scans `paths` in their order with the options as they are now.
    const ScanJob& Scan(const std::vector<std::string>& paths)
    {
        source = std::make_unique<PathListSource>(paths, archive, 0);
        job = std::make_unique<TestJob>(
            *source, ScanServices {*binding, archive, 0, options, alerts, nullptr});
        job->Run();
        return *job;
    }

    RealEngine engine;
    EngineBinding* binding = &engine.binding;
    FakeArchive archive;
    ScratchFolder folder {"quillet-infected"};
    ScratchFolder moveFolder {"quillet-infected-move"};
    LocalScanOptions options = TestOptions();
    RecordingAlerts alerts;
    std::unique_ptr<PathListSource> source;
    std::unique_ptr<TestJob> job;
};

struct ActionCase {
    int action;
    const char* outcome;
    std::vector<std::string> folderAfter;
    std::vector<std::string> moveFolderAfter;
    std::uint32_t ScanCounters::*counter;
};

TEST_F(InfectionActionsTest, EachActionWithoutPromptsLeavesTheFileWhereItShould)
{
    const ActionCase cases[] = {
        {kActionReportOnly, "No Action", {"EICAR.COM"}, {}, nullptr},
        {kActionDelete, "Deleted", {}, {}, &ScanCounters::filesDeleted},
        {kActionRename, "Renamed", {"EICAR.AVB"}, {}, &ScanCounters::filesRenamed},
        {kActionMove, "Moved", {}, {"EICAR.COM"}, &ScanCounters::filesMoved},
        {kActionPurge, "Purged", {}, {}, &ScanCounters::filesPurged},
        {kActionRenameAndMove, "Renamed and moved ", {}, {"EICAR.AVB"}, &ScanCounters::filesRenamedAndMoved},
    };
    for (const ActionCase& c : cases) {
        SCOPED_TRACE(c.outcome);
        const std::string file = folder.Write("EICAR.COM", EicarFile());
        options.infectionAction = c.action;
        ScriptedPrompter prompter;  // nothing may be asked
        const ScanJob& run = Scan({file});
        EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|EICAR-Test-File|" + c.outcome}));
        EXPECT_EQ(Names(folder.Path()), c.folderAfter);
        EXPECT_EQ(Names(moveFolder.Path()), c.moveFolderAfter);
        for (const std::string& name : c.moveFolderAfter)
            EXPECT_EQ(Bytes(moveFolder.Path(name)), EicarFile());
        EXPECT_EQ(run.Counters().filesInfected, 1u);
        if (c.counter) {
            EXPECT_EQ(run.Counters().*c.counter, 1u);
        }
        EXPECT_EQ(source->Outcomes(), (std::vector<std::string> {std::to_string(c.action) + " 1 " + file}));
        EmptyFolder(moveFolder.Path());
        EmptyFolder(folder.Path());
    }
}

TEST_F(InfectionActionsTest, PromptOnActionAsksWithTheActionsWordAndNoKeepsTheFile)
{
    options.interactive = 1;
    struct Question {
        int action;
        const char* word;
        const char* declined;
        const char* done;
    };
    // The test file cannot be cured: its cure ends in the rename.
    const Question questions[] = {{kActionDelete, "Delete   ", "No Action", "Deleted"},
        {kActionRename, "Rename  ", "No Action", "Renamed"},
        {kActionCure, "Cure ", "Cure Virus has been aborted by User !", "Renamed"},
        {kActionMove, "Move ", "No Action", "Moved"}, {kActionPurge, "Purge  ", "No Action", "Purged"},
        {kActionRenameAndMove, "Move and Rename ", "No Action", "Renamed and moved "}};
    for (const auto& [action, word, declined, done] : questions) {
        SCOPED_TRACE(word);
        options.infectionAction = action;
        const std::string first = folder.Write("FIRST.COM", EicarFile());
        const std::string second = folder.Write("SECOND.COM", EicarFile());
        {
            // No: nothing happens to the file and the scan goes on.
            ScriptedPrompter prompter;
            prompter.Expect(word + first, IDNO).Expect(word + second, IDNO);
            const ScanJob& run = Scan({first, second});
            EXPECT_TRUE(prompter.Done());
            EXPECT_EQ(prompter.LastType() & 0xF, UINT(MB_YESNOCANCEL));
            EXPECT_FALSE(run.Cancelled());
            EXPECT_EQ(Lines(run), (std::vector<std::string> {first + "|EICAR-Test-File|" + declined,
                                      second + "|EICAR-Test-File|" + declined}));
            EXPECT_EQ(source->Outcomes(), (std::vector<std::string> {std::to_string(action) + " 2 " + first,
                                              std::to_string(action) + " 2 " + second}));
        }
        {
            // Cancel: the file stays and the scan ends there.
            ScriptedPrompter prompter;
            prompter.Expect(word + first, IDCANCEL);
            const ScanJob& run = Scan({first, second});
            EXPECT_TRUE(prompter.Done());
            EXPECT_TRUE(run.Cancelled());
            EXPECT_EQ(run.Counters().filesScanned, 1u);
            EXPECT_EQ(Lines(run), (std::vector<std::string> {first + "|EICAR-Test-File|" + declined}));
        }
        EXPECT_EQ(Bytes(first), EicarFile());
        EXPECT_EQ(Bytes(second), EicarFile());
        EXPECT_EQ(Names(moveFolder.Path()), std::vector<std::string> {});
        {
            // Yes: the action is carried out.
            ScriptedPrompter prompter;
            prompter.Expect(word + first, IDYES);
            if (action == kActionCure)
                prompter.Expect("Error Curing " + first + " - Renaming With .AVB or AV1-9 Extension");
            const ScanJob& run = Scan({first});
            EXPECT_TRUE(prompter.Done());
            EXPECT_EQ(Lines(run), (std::vector<std::string> {first + "|EICAR-Test-File|" + done}));
            EXPECT_FALSE(Exists(first));
        }
        EmptyFolder(moveFolder.Path());
        EmptyFolder(folder.Path());
    }
}

TEST_F(InfectionActionsTest, ReportOnlyAsksNothingEvenWithPromptsOn)
{
    options.interactive = 1;
    options.infectionAction = kActionReportOnly;
    const std::string file = folder.Write("EICAR.COM", EicarFile());
    ScriptedPrompter prompter;
    const ScanJob& run = Scan({file});
    EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|EICAR-Test-File|No Action"}));
    EXPECT_EQ(source->Outcomes(), (std::vector<std::string> {"0 1 " + file}));
    EXPECT_EQ(Bytes(file), EicarFile());
}

// A job that lets go of the file's lock when the user is asked about the failure.
class UnlockingJob : public TestJob {
public:
    using TestJob::TestJob;
    LockedFile* lock = nullptr;
    bool AskOnActionError(const std::string& path, int action) override
    {
        const bool retry = TestJob::AskOnActionError(path, action);
        if (lock)
            lock->Release();
        return retry;
    }
};

TEST_F(InfectionActionsTest, AFailedActionAsksAbortRetryIgnore)
{
    // The file is held by a program that lets others read it: it is scanned, but cannot go.
    options.infectionAction = kActionDelete;
    const std::string file = folder.Write("EICAR.COM", EicarFile());
    const std::string next = folder.Write("NEXT.COM", EicarFile());
    const std::string question = "Error deleting file  " + file;
    {
        // Ignore: the failure is the outcome and the scan goes on.
        LockedFile lock(file, FILE_SHARE_READ);
        ScriptedPrompter prompter;
        prompter.Expect(question, IDIGNORE);
        PathListSource walk({file}, archive, 0);
        TestJob run(walk, ScanServices {*binding, archive, 0, options, alerts, nullptr});
        run.Run();
        EXPECT_TRUE(prompter.Done());
        EXPECT_EQ(prompter.LastType() & 0xF, UINT(MB_ABORTRETRYIGNORE));
        EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|EICAR-Test-File|Error deleting file "}));
        EXPECT_EQ(walk.Outcomes(), (std::vector<std::string> {"1 0 " + file}));
        EXPECT_EQ(run.Counters().filesDeleted, 0u);
    }
    EXPECT_EQ(Bytes(file), EicarFile());
    {
        // Abort: the failure is the outcome and the scan ends.
        LockedFile lock(file, FILE_SHARE_READ);
        ScriptedPrompter prompter;
        prompter.Expect(question, IDABORT);
        PathListSource walk({file, next}, archive, 0);
        TestJob run(walk, ScanServices {*binding, archive, 0, options, alerts, nullptr});
        run.Run();
        EXPECT_TRUE(run.Cancelled());
        EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|EICAR-Test-File|Error deleting file "}));
        EXPECT_EQ(Bytes(next), EicarFile());
    }
    {
        // Retry, with the lock gone meanwhile: one line, the deletion's.
        LockedFile lock(file, FILE_SHARE_READ);
        ScriptedPrompter prompter;
        prompter.Expect(question, IDRETRY);
        PathListSource walk({file}, archive, 0);
        UnlockingJob run(walk, ScanServices {*binding, archive, 0, options, alerts, nullptr});
        run.lock = &lock;
        run.Run();
        EXPECT_TRUE(prompter.Done());
        EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|EICAR-Test-File|Deleted"}));
        EXPECT_EQ(walk.Outcomes(), (std::vector<std::string> {"1 1 " + file}));
        EXPECT_EQ(run.Counters().filesDeleted, 1u);
    }
    EXPECT_FALSE(Exists(file));
}

TEST_F(InfectionActionsTest, AnActionWithNoRoomForTheFileFailsWithItsTextAndTheFileStays)
{
    options.infectionAction = kActionRename;
    const std::string file = folder.Write("EICAR.COM", EicarFile());
    folder.Write("EICAR.AVB", "taken");
    for (char digit = '0'; digit <= '9'; ++digit)
        folder.Write(std::string("EICAR.AV") + digit, "taken");
    {
        ScriptedPrompter prompter;
        prompter.Expect("Error renaming file " + file, IDIGNORE);
        const ScanJob& run = Scan({file});
        EXPECT_TRUE(prompter.Done());
        EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|EICAR-Test-File|Error renaming file"}));
        EXPECT_EQ(run.Counters().filesRenamed, 0u);
    }
    EXPECT_EQ(Bytes(file), EicarFile());
    EXPECT_EQ(Bytes(folder.Path("EICAR.AV9")), "taken");
    // A move folder that takes no new file: the host's system folder refuses even its administrator.
    options.infectionAction = kActionMove;
    std::strcpy(options.moveDirectory, "Z:\\sys");
    ScriptedPrompter prompter;
    prompter.Expect("Error moving file " + file, IDIGNORE);
    const ScanJob& run = Scan({file});
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|EICAR-Test-File|Error moving file"}));
    EXPECT_EQ(Bytes(file), EicarFile());
}

TEST_F(InfectionActionsTest, AReadOnlyInfectedFileIsCuredAndReadOnlyAgain)
{
    options.infectionAction = kActionCure;
    options.interactive = 1;
    const std::string infected = TestVirus("Append");
    const std::string file = folder.Write("APPEND.COM", infected);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    ScriptedPrompter prompter;
    prompter.Expect("Cure " + file, IDYES);
    const ScanJob& run = Scan({file});
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|Kelvex-Test-Append|Cured"}));
    EXPECT_EQ(run.Counters().filesCured, 1u);
    EXPECT_EQ(Bytes(file), HostOf(infected));
    EXPECT_TRUE(IsReadOnly(file));
    // The copy taken before the cure is gone with it.
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"APPEND.COM"}));
}

TEST_F(InfectionActionsTest, ACureThatCannotCureShows565AndRenamesTheFile)
{
    options.infectionAction = kActionCure;
    options.interactive = 1;
    const std::string file = folder.Write("EICAR.COM", EicarFile());
    const std::string destructive = folder.Write("OVER.BIN", TestVirus("Destructive"));
    ScriptedPrompter prompter;
    // The rename that follows is not asked about.
    prompter.Expect("Cure " + file, IDYES)
        .Expect("Error Curing " + file + " - Renaming With .AVB or AV1-9 Extension")
        .Expect("Cure " + destructive, IDYES)
        .Expect("Error Curing " + destructive + " - Renaming With .AVB or AV1-9 Extension");
    const ScanJob& run = Scan({file, destructive});
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(Lines(run),
        (std::vector<std::string> {file + "|EICAR-Test-File|Renamed", destructive + "|Kelvex-Test-Destructive|Destructive",
            destructive + "|Kelvex-Test-Destructive|Renamed"}));
    EXPECT_EQ(source->Outcomes(), (std::vector<std::string> {"2 1 " + file, "2 1 " + destructive}));
    EXPECT_EQ(run.Counters().filesCured, 0u);
    EXPECT_EQ(run.Counters().filesRenamed, 2u);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"EICAR.AVB", "OVER.AVB"}));
    EXPECT_EQ(Bytes(folder.Path("EICAR.AVB")), EicarFile());
    EXPECT_EQ(Bytes(folder.Path("OVER.AVB")), TestVirus("Destructive"));
}

// An engine that writes into the file it cures and then gives up, as a cure stopped midway would.
class HalfCuringEngine : public FakeEngine {
public:
    std::uint16_t ScanFile(std::uint32_t instance, const char* path, HANDLE file) override
    {
        FakeEngine::ScanFile(instance, path, file);
        if (options.size() > 11 && options[11] == 1) {
            DWORD written = 0;
            SetFilePointer(file, 0, nullptr, FILE_BEGIN);
            WriteFile(file, "HALF-CURED", 10, &written, nullptr);
            SetEndOfFile(file);
            return 4;
        }
        return 0x0001;
    }
};

TEST_F(InfectionActionsTest, ACureErrorLeavesTheFileAsItWasBeforeTheCure)
{
    HalfCuringEngine half;
    half.virusName = "Half";
    EngineBinding fake;
    fake.library = &half;
    binding = &fake;
    options.infectionAction = kActionCure;
    const std::string file = folder.Write("HOST.EXE", "the infected program as it was found");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    ScriptedPrompter prompter;
    prompter.Expect("Error Curing " + file + " - Renaming With .AVB or AV1-9 Extension");
    const ScanJob& run = Scan({file});
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|Half|Renamed"}));
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"HOST.AVB"}));
    EXPECT_EQ(Bytes(folder.Path("HOST.AVB")), "the infected program as it was found");
    EXPECT_TRUE(IsReadOnly(folder.Path("HOST.AVB")));
}

TEST_F(InfectionActionsTest, AFileWhoseCopyCannotBeTakenIsNotCured)
{
    options.infectionAction = kActionCure;
    // The folder's name leaves room for the file's name but not for the copy's.
    const std::string deep = folder.Path(std::string(250 - folder.Path().size() - 1, 'D'));
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    const std::string file = deep + "\\A.COM";
    const std::string infected = TestVirus("Append");
    std::ofstream(file, std::ios::binary) << infected;
    ASSERT_EQ(Bytes(file), infected);
    ScriptedPrompter prompter;
    prompter.Expect("Error curing  " + file, IDIGNORE);
    const ScanJob& run = Scan({file});
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(Lines(run), (std::vector<std::string> {file + "|Kelvex-Test-Append|Error curing "}));
    EXPECT_EQ(source->Outcomes(), (std::vector<std::string> {"3 3 " + file}));
    EXPECT_EQ(Bytes(file), infected);
    EXPECT_EQ(Names(deep), (std::vector<std::string> {"A.COM"}));
}

}  // namespace

namespace {

// A job over no files, for its outcome lines alone.
class InfectionOutcome : public ::testing::Test {
protected:
    InfectionOutcome() { binding.library = &engine; }
    FakeEngine engine;
    EngineBinding binding;
    FakeArchive archive;
    LocalScanOptions options = TestOptions();
    RecordingAlerts alerts;
    PathListSource source {{}, archive, 0};
    TestJob job {source, ScanServices {binding, archive, 0, options, alerts, nullptr}};
};

TEST_F(InfectionOutcome, TheOutcomeTextFollowsTheActionAndTheResult)
{
    struct Row {
        int action;
        std::vector<const char*> byResult;  // results 0 to 7
    };
    const Row rows[] = {
        {0, {"No Action", "No Action", "No Action", "No Action", "No Action", "No Action", "No Action", "No Action"}},
        {1, {"Error deleting file ", "Deleted", "No Action", "No Action", "No Action", "No Action", "No Action",
                "No Action"}},
        {2, {"Error renaming file", "Renamed", "No Action", "No Action", "No Action", "No Action", "No Action",
                "No Action"}},
        {3, {"Error curing ", "Cured", "Cure Virus has been aborted by User !", "Error curing ", "Cannot Cure",
                "Error curing ", "Cannot Cure", "No Action"}},
        {4, {"Error moving file", "Moved", "No Action", "No Action", "No Action", "No Action", "No Action",
                "No Action"}},
        {5, {"Error purging file", "Purged", "No Action", "No Action", "No Action", "No Action", "No Action",
                "No Action"}},
        {6, {"Error renaming or moving file", "Renamed and moved ", "No Action", "No Action", "No Action", "No Action",
                "No Action", "No Action"}},
        {9, {"No Action", "No Action", "No Action", "No Action", "No Action", "No Action", "No Action", "No Action"}},
    };
    for (const Row& row : rows) {
        for (int result = 0; result < 8; ++result) {
            SCOPED_TRACE(std::to_string(row.action) + "/" + std::to_string(result));
            const size_t before = job.Results().size();
            job.ReportOutcome("C:\\X.COM", row.action, result);
            std::vector<std::string> added;
            for (size_t i = before; i < job.Results().size(); ++i)
                added.push_back(job.Results()[i].outcome);
            std::vector<std::string> expected;
            // An engine that calls the cure destructive says so in a line of its own first.
            if (row.action == 3 && result == 6)
                expected.push_back("Destructive");
            expected.push_back(row.byResult[result]);
            EXPECT_EQ(added, expected);
            EXPECT_EQ(job.Results().back().item, "C:\\X.COM");
        }
    }
}

TEST_F(InfectionOutcome, ACureFailureIsToldWith565AndDestructiveIsListed)
{
    const std::string text = "Error Curing C:\\X.COM - Renaming With .AVB or AV1-9 Extension";
    ScriptedPrompter prompter;
    prompter.Expect(text).Expect(text).Expect(text);
    // Cured and declined need no message.
    job.OnCureFailed("C:\\X.COM", 1);
    job.OnCureFailed("C:\\X.COM", 2);
    job.OnCureFailed("C:\\X.COM", 4);
    job.OnCureFailed("C:\\X.COM", 5);
    EXPECT_TRUE(job.Results().empty());
    job.OnCureFailed("C:\\X.COM", 6);
    EXPECT_TRUE(prompter.Done());
    ASSERT_EQ(job.Results().size(), 1u);
    EXPECT_EQ(job.Results()[0].outcome, "Destructive");
}

}  // namespace
