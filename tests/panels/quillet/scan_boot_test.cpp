// Boot sectors of removable drives: the real floppy drive B: of the prefix (an image file)
// with the boot test virus written to it, found, alerted and cured on the real bytes; and the
// neutralizing prompts with the recording engine.
#include <gtest/gtest.h>

#include <windows.h>

#include "archive_library.h"
#include "path_list_source.h"
#include "quillet_fakes.h"
#include "scan_test_files.h"
#include "scripted_prompter.h"

using namespace scan_test;

namespace {

bool ReadSector(std::string& sector)
{
    HANDLE drive =
        CreateFileA("\\\\.\\B:", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (drive == INVALID_HANDLE_VALUE)
        return false;
    sector.assign(512, '\0');
    DWORD got = 0;
    const bool read = ReadFile(drive, sector.data(), 512, &got, nullptr) && got == 512;
    CloseHandle(drive);
    return read;
}

bool WriteSector(const std::string& sector)
{
    HANDLE drive = CreateFileA("\\\\.\\B:", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, 0, nullptr);
    if (drive == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool done = WriteFile(drive, sector.data(), 512, &written, nullptr) && written == 512;
    CloseHandle(drive);
    return done;
}

// The floppy's first sector as the test found it is put back at the end.
class FloppyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetDriveTypeA("B:\\"), static_cast<UINT>(DRIVE_REMOVABLE))
            << "tools/prefix maps B: to a floppy image";
        ASSERT_TRUE(ReadSector(m_original));
        ASSERT_TRUE(WriteSector(InfectedBootSector()));
        ASSERT_TRUE(engine.Loaded());
        // An empty folder of the test's own on the floppy: what the drive holds besides is not this test's.
        folder = "B:\\QBOOT" + std::to_string(GetCurrentProcessId() % 100000);
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        RemoveDirectoryA(folder.c_str());
        if (!m_original.empty())
            WriteSector(m_original);
    }
    std::string folder;
    ScanServices Services() { return ScanServices {engine.binding, archive, 0, options, alerts, nullptr}; }

    RealEngine engine;
    TorpinLibrary archive;
    LocalScanOptions options = TestOptions();
    RecordingAlerts alerts;

private:
    std::string m_original;
};

TEST_F(FloppyTest, TheBootVirusIsFoundAlertedAndCured)
{
    options.infectionAction = kActionCure;
    options.beepOnDetect = 1;
    ScriptedPrompter prompter;
    prompter.ExpectBeep().Expect("Boot Sector Virus Kelvex-Test-Boot Found.\nDo you want to Cure it ?", IDYES);
    PathListSource source({folder}, archive, 0);
    TestJob job(source, Services());
    job.Run();
    EXPECT_TRUE(prompter.Done());
    const ScanCounters& counters = job.Counters();
    EXPECT_EQ(counters.bootSectorsScanned, 1u);
    EXPECT_EQ(counters.bootSectorInfections, 1u);
    EXPECT_EQ(counters.bootSectorsCured, 1u);
    EXPECT_EQ(counters.virusesFound, 1u);
    ASSERT_FALSE(job.Results().empty());
    EXPECT_EQ(job.Results().front().item, "Boot Sector");
    EXPECT_EQ(job.Results().front().virus, "Kelvex-Test-Boot");
    EXPECT_EQ(job.Results().front().outcome, "Cured");
    ASSERT_EQ(alerts.alerts.size(), 2u);
    EXPECT_EQ(alerts.alerts[0].text, "Manager Detected a Boot Virus [Kelvex-Test-Boot] in [B:\\] - [HOST]/[ADMIN].");
    EXPECT_EQ(alerts.alerts[1].text, "05");

    // The marker's sixteen bytes are blanked on the disk; the rest of the sector is kept.
    std::string after;
    ASSERT_TRUE(ReadSector(after));
    std::string expected = InfectedBootSector();
    std::fill(expected.begin() + 62, expected.begin() + 78, '\0');
    EXPECT_EQ(after, expected);

    // A second scan of the cured floppy finds nothing.
    ScriptedPrompter quiet;
    PathListSource again({folder}, archive, 0);
    TestJob second(again, Services());
    second.Run();
    EXPECT_EQ(second.Counters().bootSectorInfections, 0u);
}

TEST_F(FloppyTest, ReportOnlyAndARefusedCureLeaveTheSectorAsItIs)
{
    {
        ScriptedPrompter prompter;
        PathListSource source({folder}, archive, 0);
        TestJob job(source, Services());
        job.Run();
        ASSERT_EQ(job.Results().size(), 1u);
        EXPECT_EQ(job.Results()[0].outcome, "No Action");
    }
    options.infectionAction = kActionDelete;
    ScriptedPrompter prompter;
    prompter.Expect("Boot Sector Virus Kelvex-Test-Boot Found.\nDo you want to Cure it ?", IDNO);
    PathListSource source({folder}, archive, 0);
    TestJob job(source, Services());
    job.Run();
    ASSERT_EQ(job.Results().size(), 1u);
    EXPECT_EQ(job.Results()[0].outcome, "Cure Virus has been aborted by User !");
    std::string after;
    ASSERT_TRUE(ReadSector(after));
    EXPECT_EQ(after, InfectedBootSector());
}

// A cure the engine cannot do, then the question whether to neutralize the virus.
class NeutralizeTest : public ::testing::Test {
protected:
    std::vector<ScanResultLine> RunOn(const std::string& path)
    {
        binding.library = &fake;
        fake.virusName = "Kelvex-Test-Boot";
        PathListSource source({path}, archive, 0);
        TestJob job(source, ScanServices {binding, archive, 0, options, alerts, nullptr});
        job.removableDrive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        job.Run();
        counters = job.Counters();
        return job.Results();
    }
    ScratchFolder folder {"quillet-scan-neutralize"};
    FakeEngine fake;
    EngineBinding binding;
    FakeArchive archive;
    LocalScanOptions options = TestOptions();
    RecordingAlerts alerts;
    ScanCounters counters;
    const std::string found = "Boot Sector Virus Kelvex-Test-Boot Found.\nDo you want to Cure it ?";
    const std::string neutralize =
        "Boot Sector Virus Kelvex-Test-Boot could not be cured.\nDo you want to neutralize it ?";
};

TEST_F(NeutralizeTest, NeutralizedWhenTheEngineManages)
{
    options.infectionAction = kActionCure;
    fake.bootAnswers = {1, 2};
    fake.neutralizeAnswer = 0;
    ScriptedPrompter prompter;
    prompter.Expect(found, IDYES).Expect(neutralize, IDOK);
    const auto results = RunOn(folder.Path());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].outcome, "Neutralized.");
    EXPECT_EQ(counters.bootSectorsNeutralized, 1u);
    // Scan with the cure switch off, cure with it on; 36 before each.
    std::vector<std::string> bootCalls;
    for (const std::string& call : fake.calls)
        if (call == "36" || call.rfind("18(", 0) == 0 || call.rfind("21(", 0) == 0)
            bootCalls.push_back(call);
    const std::string drive(1, static_cast<char>(std::toupper(static_cast<unsigned char>(folder.Path()[0]))));
    EXPECT_EQ(bootCalls,
        (std::vector<std::string> {"36", "18(" + drive + ")", "36", "18(" + drive + ")", "21(" + drive + ")"}));
}

TEST_F(NeutralizeTest, DestructiveOrCannotCureWhenNeutralizingIsRefusedOrFails)
{
    options.infectionAction = kActionCure;
    fake.bootAnswers = {1, 3};
    {
        ScriptedPrompter prompter;
        prompter.Expect(found, IDYES).Expect(neutralize, IDCANCEL);
        const auto results = RunOn(folder.Path());
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].outcome, "Destructive");
    }
    fake.bootAnswers = {1, 4};
    fake.neutralizeAnswer = 1;
    ScriptedPrompter prompter;
    prompter.Expect(found, IDYES).Expect(neutralize, IDOK);
    const auto results = RunOn(folder.Path());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].outcome, "Cannot Cure");
    EXPECT_EQ(counters.bootSectorsNeutralized, 0u);
}

TEST_F(NeutralizeTest, AnUnreadableBootSectorIsReportedNotScanned)
{
    fake.bootAnswers = {0x4010};
    ScriptedPrompter prompter;
    const auto results = RunOn(folder.Path());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].item, "Boot Sector");
    EXPECT_EQ(results[0].outcome, "Not scanned: the drive's boot sector could not be read");
    EXPECT_EQ(counters.bootSectorInfections, 0u);
    EXPECT_TRUE(alerts.alerts.empty());
}

}  // namespace
