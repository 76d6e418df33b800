// The scan job over scratch folders with the real engine and archive library: what is
// scanned, what is found and alerted, what is reported as not scanned, and the prompts.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "archive_library.h"
#include "panel_scan_job.h"
#include "path_list_source.h"
#include "quillet_fakes.h"
#include "scan_start.h"
#include "scan_test_files.h"
#include "scripted_prompter.h"

using namespace scan_test;

namespace {

class ScanJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(engine.Loaded());
        archiveHandle = archive.Init(0x4000);
        ASSERT_NE(archiveHandle, 0u);
        archive.SetTemporaryDirectory(archiveHandle, temp.Path());
    }
    void TearDown() override
    {
        if (archiveHandle)
            archive.DeInit(archiveHandle);
    }
    ScanServices Services() { return ScanServices {engine.binding, archive, archiveHandle, options, alerts, nullptr}; }

    RealEngine engine;
    TorpinLibrary archive;
    DWORD archiveHandle = 0;
    ScratchFolder tree {"quillet-scan-tree"};
    ScratchFolder temp {"quillet-scan-temp"};
    LocalScanOptions options = TestOptions();
    RecordingAlerts alerts;
};

TEST_F(ScanJobTest, FindsTheTestFileAndTheTestVirusOfEveryCureKind)
{
    tree.Write("EICAR.COM", EicarFile());
    tree.Write("CLEAN.TXT", "Nothing to see here.\r\n");
    const char* kinds[] = {"Append", "Restore", "Overwrite", "Destructive", "Trailer", "Hash"};
    for (const char* kind : kinds)
        tree.Write(std::string("SUB\\") + kind + ".BIN", TestVirus(kind));
    // Never scanned: the engine's own library name (exact case), and renamed files.
    tree.Write("SKIP\\ZIDIVAVA.DLL", EicarFile());
    tree.Write("LETTER.AVB", EicarFile());
    tree.Write("LETTER.AV1", EicarFile());
    const std::string lower = tree.Write("LOWER\\zidivava.dll", EicarFile());
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, 0);
    TestJob job(source, Services());
    job.Run();

    const ScanCounters& counters = job.Counters();
    EXPECT_EQ(counters.filesScanned, 9u);
    EXPECT_EQ(counters.filesInfected, 8u);
    EXPECT_EQ(counters.virusesFound, 8u);
    EXPECT_EQ(counters.notScanned, 0u);
    EXPECT_EQ(counters.directoriesScanned, 4u);  // the path and its three folders
    EXPECT_EQ(counters.bootSectorsScanned, 0u);  // a fixed drive
    EXPECT_EQ(job.ScannedPaths(), tree.Path() + ";");
    const std::vector<std::string> expected = {
        lower + "|EICAR-Test-File|No Action",
        tree.Path("EICAR.COM") + "|EICAR-Test-File|No Action",
        tree.Path("SUB\\Append.BIN") + "|Kelvex-Test-Append|No Action",
        tree.Path("SUB\\Destructive.BIN") + "|Kelvex-Test-Destructive|No Action",
        tree.Path("SUB\\Hash.BIN") + "|Kelvex-Test-Hash|No Action",
        tree.Path("SUB\\Overwrite.BIN") + "|Kelvex-Test-Overwrite|No Action",
        tree.Path("SUB\\Restore.BIN") + "|Kelvex-Test-Restore|No Action",
        tree.Path("SUB\\Trailer.BIN") + "|Kelvex-Test-Trailer|No Action",
    };
    std::vector<std::string> sortedExpected = expected;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    EXPECT_EQ(SortedResults(job), sortedExpected);
    EXPECT_EQ(source.Detections(), 8);

    // Each detection is one critical alert: the staged text, then the delivery.
    ASSERT_EQ(alerts.alerts.size(), 16u);
    bool sawEicar = false;
    for (size_t i = 0; i < alerts.alerts.size(); i += 2) {
        const Alert& staged = alerts.alerts[i];
        const Alert& delivered = alerts.alerts[i + 1];
        EXPECT_EQ(staged.server, "");
        EXPECT_EQ(staged.type, -3);
        EXPECT_EQ(staged.count, 1);
        EXPECT_EQ(staged.product, "VEXOMAR");
        EXPECT_EQ(staged.reserved, 0);
        EXPECT_EQ(delivered.type, 2);
        EXPECT_EQ(delivered.count, 1);
        EXPECT_EQ(delivered.product, "VEXOMAR");
        EXPECT_EQ(delivered.text, "05");
        sawEicar |= staged.text ==
            "Manager Detected a Virus [EICAR-Test-File] in [" + tree.Path("EICAR.COM") + "] - [HOST]/[ADMIN].";
    }
    EXPECT_TRUE(sawEicar);
}

TEST_F(ScanJobTest, ExecutablesOnlyScansTheListAndStillOpensArchivesWithoutExtension)
{
    options.executablesOnly = 1;
    tree.Write("A.EXE", EicarFile());
    tree.Write("B.EX_", EicarFile());
    tree.Write("C.TXT", EicarFile());
    tree.Write("D", EicarFile());
    const std::string packed = tree.Write("E", StoredZip({{"INNER.COM", EicarFile()}, {"INNER.TXT", EicarFile()}}));
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, 0);
    TestJob job(source, Services());
    job.Run();

    // A.EXE, B.EX_ and the archive E, which goes to the engine as a file too.
    EXPECT_EQ(job.Counters().filesScanned, 3u);
    EXPECT_EQ(job.Counters().containerFilesScanned, 1u);
    EXPECT_EQ(job.Counters().containerInfections, 1u);
    EXPECT_EQ(job.Counters().filesInfected, 3u);
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {
            tree.Path("A.EXE") + "|EICAR-Test-File|No Action",
            tree.Path("B.EX_") + "|EICAR-Test-File|No Action",
            "INNER.COM in Compressed File " + packed + "|EICAR-Test-File|No Action",
        }));
}

TEST_F(ScanJobTest, MembersTheArchiveLibraryCouldNotExtractAreReportedNotScanned)
{
    const std::string zip = tree.Write("PARCEL.ZIP",
        StoredZip({{"GOOD.COM", EicarFile()}, {"BROKEN.TXT", "damaged member", true}, {"CLEAN.TXT", "fine"}}));
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, 0);
    TestJob job(source, Services());
    job.Run();

    EXPECT_EQ(job.Counters().filesScanned, 1u);  // the archive itself
    EXPECT_EQ(job.Counters().containerFilesScanned, 2u);
    EXPECT_EQ(job.Counters().notScanned, 1u);
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {
            "BROKEN.TXT in Compressed File " + zip + "||Not scanned: damaged (its check sum does not match)",
            "GOOD.COM in Compressed File " + zip + "|EICAR-Test-File|No Action",
        }));
    // An archive's detections are told to its source as "report only, done".
    EXPECT_EQ(source.Outcomes(), (std::vector<std::string> {"0 1 " + zip}));
    EXPECT_TRUE(alerts.alerts.empty());
}

TEST_F(ScanJobTest, CancelBetweenItemsStopsTheJob)
{
    for (int i = 0; i < 5; ++i)
        tree.Write("F" + std::to_string(i) + ".TXT", "clean");
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, 0);
    TestJob job(source, Services());
    job.cancelAtPump = 3;
    job.Run();
    EXPECT_TRUE(job.Cancelled());
    EXPECT_EQ(job.pumps, 3);
    EXPECT_EQ(job.Counters().filesScanned, 2u);
    SYSTEMTIME none = {};
    EXPECT_NE(std::memcmp(&job.StopTime(), &none, sizeof none), 0);
}

TEST_F(ScanJobTest, BeepsOnEachDetectionWhenAsked)
{
    options.beepOnDetect = 1;
    tree.Write("ONE.COM", EicarFile());
    tree.Write("TWO.BIN", TestVirus("Hash"));
    ScriptedPrompter prompter;
    prompter.ExpectBeep().ExpectBeep();
    PathListSource source({tree.Path()}, archive, 0);
    TestJob job(source, Services());
    job.Run();
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ScanJobTest, AnUnopenableFileAsksAbortRetryIgnore)
{
    const std::string gone = tree.Write("GONE.TXT", "soon deleted");
    tree.Write("NEXT.TXT", "never reached");
    class DeletingJob : public TestJob {
    public:
        using TestJob::TestJob;
        bool OnOtherItem() override
        {
            DeleteFileA(m_source.FullPath().c_str());
            return TestJob::OnOtherItem();
        }
    };
    const std::string text = "Error Opening (" + gone +
        ") - status (2).  If floppy drive,\ncheck to see that it is inserted properly and\nnot "
        "write protected for Cure, Delete, Rename, \nMove, and Purge Operations.";
    ScriptedPrompter prompter;
    prompter.Expect(text, IDRETRY).Expect(text, IDABORT);
    PathListSource source({gone, tree.Path("NEXT.TXT")}, archive, 0);
    DeletingJob job(source, Services());
    job.Run();
    EXPECT_TRUE(prompter.Done());
    EXPECT_TRUE(job.Cancelled());
    EXPECT_EQ(job.Counters().filesScanned, 0u);
    EXPECT_EQ(
        SortedResults(job), (std::vector<std::string> {gone + "||Not scanned: it could not be opened (error 2)"}));
    EXPECT_EQ(job.ScannedPaths(), gone + ";");
}

TEST_F(ScanJobTest, ALockedFileIsSkippedWithoutAQuestionButNotCalledClean)
{
    const std::string locked = tree.Write("LOCKED.TXT", "held");
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, 0);
    TestJob job(source, Services());
    job.Run();
    CloseHandle(holder);
    EXPECT_EQ(job.Counters().notScanned, 1u);
    EXPECT_EQ(
        SortedResults(job), (std::vector<std::string> {locked + "||Not scanned: it could not be opened (error 32)"}));
}

TEST_F(ScanJobTest, AnUnreadablePathAsksAndIgnoreSkipsIt)
{
    const std::string missing = tree.Path("NOT-THERE");
    ScriptedPrompter prompter;
    prompter.Expect("Error accessing drive while trying to Scan.\nPlease verify and try again.", IDRETRY)
        .Expect("Error accessing drive while trying to Scan.\nPlease verify and try again.", IDIGNORE);
    tree.Write("OK.COM", EicarFile());
    PathListSource source({missing, tree.Path()}, archive, 0);
    TestJob job(source, Services());
    job.Run();
    EXPECT_TRUE(prompter.Done());
    EXPECT_FALSE(job.Cancelled());
    EXPECT_EQ(job.Counters().filesInfected, 1u);
    EXPECT_EQ(job.ScannedPaths(), missing + ";" + tree.Path() + ";");
}

class RecordingProgress : public ScanProgress {
public:
    void ShowNode(const std::string& text) override { nodes.push_back(text); }
    void ShowCounters(const ScanCounters&) override { ++updates; }
    void Finished() override { ++finished; }
    std::vector<std::string> nodes;
    int updates = 0;
    int finished = 0;
};

TEST(ScanJobFakeEngine, TheEngineRefusingTheOptionsEndsTheJobWith526)
{
    ScratchFolder tree("quillet-scan-refused");
    tree.Write("A.COM", "x");
    FakeEngine fake;
    fake.optionsAnswer = 1;
    EngineBinding binding;
    binding.library = &fake;
    FakeArchive archive;
    LocalScanOptions options = TestOptions();
    options.scanMode = kScanReviewer;
    RecordingAlerts alerts;
    RecordingProgress progress;
    ScriptedPrompter prompter;
    prompter.Expect("Failed to set Scanner Options.");
    PathListSource source({tree.Path()}, archive, 0);
    PanelScanJob job(source, ScanServices {binding, archive, 0, options, alerts, nullptr}, progress);
    job.Run();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(fake.options[0], 2);
    EXPECT_EQ(fake.options[1], 63);
    EXPECT_EQ(fake.options[2], 15);
    EXPECT_EQ(std::count_if(fake.calls.begin(), fake.calls.end(), [](const std::string& c) { return c[0] == '1'; }), 0);
    EXPECT_EQ(job.Counters().filesScanned, 0u);
    EXPECT_EQ(job.ScannedPaths(), "");
    EXPECT_EQ(progress.finished, 1);  // the panel's windows come back
}

TEST(ScanJobFakeEngine, ModeWordsAndAStatusThatIsNotADetection)
{
    ScratchFolder tree("quillet-scan-4010");
    const std::string file = tree.Write("A.COM", "x");
    FakeEngine fake;
    fake.scanAnswer = 0x4010;
    EngineBinding binding;
    binding.library = &fake;
    FakeArchive archive;
    LocalScanOptions options = TestOptions();
    options.scanMode = 7;  // any other mode scans fast
    RecordingAlerts alerts;
    ScriptedPrompter prompter;
    PathListSource source({tree.Path()}, archive, 0);
    TestJob job(source, ScanServices {binding, archive, 0, options, alerts, nullptr});
    job.Run();
    EXPECT_EQ(std::vector<std::uint16_t>(fake.options.begin(), fake.options.begin() + 3),
        (std::vector<std::uint16_t> {0, 0, 6}));
    EXPECT_EQ(fake.options[11], 0);
    EXPECT_EQ(job.Counters().filesScanned, 1u);
    EXPECT_EQ(job.Counters().filesInfected, 0u);
    EXPECT_EQ(job.Counters().notScanned, 1u);
    EXPECT_EQ(SortedResults(job), (std::vector<std::string> {file + "||Not scanned: the file could not be read"}));
    EXPECT_TRUE(alerts.alerts.empty());

    fake.scanAnswer = 0x40FF;
    job.Run();
    EXPECT_EQ(SortedResults(job),
        (std::vector<std::string> {file + "||Not scanned: the engine could not scan it (status 40FF)"}));
}

class FixedChooser : public DirectoryChooser {
public:
    explicit FixedChooser(std::string answer) : m_answer(std::move(answer)) { }
    std::string Choose(HWND) override
    {
        ++asked;
        return m_answer;
    }
    int asked = 0;

private:
    std::string m_answer;
};

TEST(ScanStart, AMoveActionNeedsAnExistingMoveDirectory)
{
    ScratchFolder folder("quillet-scan-move");
    LocalScanOptions options = TestOptions();
    options.infectionAction = kActionMove;
    std::strcpy(options.moveDirectory, "C:\\NO\\SUCH\\FOLDER");
    const std::string question = "Invalid Move Directory or No Write accessC:\\NO\\SUCH\\FOLDER - Continue Scan";
    {
        ScriptedPrompter prompter;
        prompter.Expect(question, IDOK);
        FixedChooser chooser(folder.Path());
        EXPECT_TRUE(CheckMoveDirectory(options, nullptr, chooser));
        EXPECT_EQ(std::string(options.moveDirectory), folder.Path());
    }
    {
        // Now it exists: no question.
        ScriptedPrompter prompter;
        FixedChooser chooser("");
        EXPECT_TRUE(CheckMoveDirectory(options, nullptr, chooser));
        EXPECT_EQ(chooser.asked, 0);
    }
    std::strcpy(options.moveDirectory, "C:\\NO\\SUCH\\FOLDER");
    options.infectionAction = kActionRenameAndMove;
    {
        ScriptedPrompter prompter;
        prompter.Expect(question, IDCANCEL).Expect("Scan Cancelled");
        FixedChooser chooser(folder.Path());
        EXPECT_FALSE(CheckMoveDirectory(options, nullptr, chooser));
        EXPECT_EQ(chooser.asked, 0);
    }
    {
        ScriptedPrompter prompter;
        prompter.Expect(question, IDOK).Expect("Scan Cancelled");
        FixedChooser chooser("");
        EXPECT_FALSE(CheckMoveDirectory(options, nullptr, chooser));
        EXPECT_EQ(std::string(options.moveDirectory), "C:\\NO\\SUCH\\FOLDER");
    }
    options.infectionAction = kActionCure;
    {
        ScriptedPrompter prompter;
        FixedChooser chooser("");
        EXPECT_TRUE(CheckMoveDirectory(options, nullptr, chooser));
    }
}

}  // namespace
