// VXMFLT.SYS loaded by Wine as the VxmFilter service: both devices opened as the scanner opens them.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "driver_installer.h"
#include "filter_device.h"

namespace {

using vxmflt::FilterDevice;
using vxmflt::FilterDriverInstaller;

constexpr const char* kServiceKey = "System\\CurrentControlSet\\Services\\VxmFilter";

std::vector<std::uint8_t> StateBytes(
    std::uint32_t scanner, std::uint32_t held, std::uint32_t exclude, std::uint32_t count)
{
    const std::uint32_t words[8] = {32, 1, scanner, held, exclude, count, 0, 0};
    std::vector<std::uint8_t> bytes(32);
    std::memcpy(bytes.data(), words, sizeof words);
    return bytes;
}

// The state record exactly as the scan device answers it.
std::vector<std::uint8_t> QueryStateBytes(const FilterDevice& device)
{
    std::vector<std::uint8_t> bytes(48, 0xEE);
    DWORD written = 0;
    EXPECT_EQ(device.Control(vxmflt::kQueryState, nullptr, 0, bytes.data(), 48, &written), 0u);
    EXPECT_EQ(written, 32u);
    EXPECT_EQ(bytes[32], 0xEE);
    bytes.resize(written);
    return bytes;
}

bool ServiceKeyExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Runs a program of the build's folder and gives back what it printed and its exit code.
std::string RunBeside(const std::string& arguments, DWORD& exitCode)
{
    // The driver's default place is the folder of the programs.
    std::string folder = FilterDriverInstaller::DefaultDriverPath();
    folder.erase(folder.find_last_of('\\') + 1);
    std::string command = "\"" + folder + "VXMFLTCT.EXE\" " + arguments;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return "no pipe";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char chunk[512];
        DWORD got = 0;
        while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got)
            output.append(chunk, got);
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return output;
}

// Each test loads a fresh driver, so it starts from the state of a driver just loaded.
class FilterDriverTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string message;
        FilterDriverInstaller::Uninstall(message);
        ASSERT_EQ(FilterDriverInstaller::Start(FilterDriverInstaller::DefaultDriverPath(), message), 0u) << message;
        ASSERT_EQ(message, "VxmFilter is running.");
    }
    void TearDown() override
    {
        std::string message;
        EXPECT_EQ(FilterDriverInstaller::Uninstall(message), 0u) << message;
    }
};

TEST_F(FilterDriverTest, ScannerSequencesAreKeptAndQueriedBackByteForByte)
{
    const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
    const FilterDevice hold = FilterDevice::Open(FilterDevice::Kind::Hold);
    ASSERT_TRUE(scan.IsOpen()) << scan.OpenError();
    ASSERT_TRUE(hold.IsOpen()) << hold.OpenError();
    EXPECT_EQ(QueryStateBytes(scan), StateBytes(0, 0, 0, 0));

    // The scanner's start: start, hold class 5, exclude its temporary folder.
    EXPECT_EQ(scan.StartScanner(), 0u);
    EXPECT_EQ(hold.HoldClass(5), 0u);
    EXPECT_EQ(scan.ExcludeFolder(true, L"C:\\windows\\temp"), 0u);
    EXPECT_EQ(QueryStateBytes(scan), StateBytes(1, 0x20, 1, 3));
    EXPECT_EQ(QueryStateBytes(hold), StateBytes(1, 0x20, 1, 3));

    std::vector<std::uint8_t> folder(1024, 0xEE);
    DWORD written = 0;
    ASSERT_EQ(scan.Control(vxmflt::kQueryExcluded, nullptr, 0, folder.data(), 1024, &written), 0u);
    ASSERT_EQ(written, 32u);
    std::vector<std::uint8_t> expected;
    for (const char c : std::string("C:\\windows\\temp")) {
        expected.push_back(static_cast<std::uint8_t>(c));
        expected.push_back(0);
    }
    expected.insert(expected.end(), {0, 0, 0xEE});
    EXPECT_EQ(std::vector<std::uint8_t>(folder.begin(), folder.begin() + 33), expected);
    EXPECT_EQ(scan.QueryExcluded(), std::wstring(L"C:\\windows\\temp"));

    // The scanner's shutdown.
    EXPECT_EQ(scan.StopScanner(), 0u);
    EXPECT_EQ(hold.ReleaseClass(5), 0u);
    EXPECT_EQ(scan.ExcludeFolder(false, L"C:\\windows\\temp"), 0u);
    EXPECT_EQ(QueryStateBytes(scan), StateBytes(0, 0, 0, 6));
}

TEST_F(FilterDriverTest, ServiceReadsTheStateWhileTheScannerHoldsBothDevices)
{
    const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
    const FilterDevice hold = FilterDevice::Open(FilterDevice::Kind::Hold);
    ASSERT_TRUE(scan.IsOpen() && hold.IsOpen());
    ASSERT_EQ(scan.StartScanner(), 0u);
    ASSERT_EQ(hold.HoldClass(5), 0u);
    ASSERT_EQ(scan.ExcludeFolder(true, L"C:\\TEMP"), 0u);

    // Neither handle shares, yet a second open succeeds: in this process...
    const std::optional<vxmflt::FilterState> state = vxmflt::ReadFilterState();
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->scannerActive, 1u);
    EXPECT_EQ(state->heldClasses, 0x20u);
    EXPECT_EQ(vxmflt::ReadExcludedFolder(), std::wstring(L"C:\\TEMP"));

    // ...and in another one.
    DWORD exitCode = 99;
    EXPECT_EQ(RunBeside("/query", exitCode),
        "VxmFilter: running\r\n"
        "Scanner active: yes\r\n"
        "Held classes: 0x00000020\r\n"
        "Exclude active: yes\r\n"
        "Excluded folder: C:\\TEMP\r\n"
        "Requests answered: 3\r\n");
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(FilterDriverTest, ShortAndMissingBuffersAreRefusedAndChangeNothing)
{
    const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
    const FilterDevice hold = FilterDevice::Open(FilterDevice::Kind::Hold);
    ASSERT_TRUE(scan.IsOpen() && hold.IsOpen());
    const vxmflt::ExcludeFolderRequest request = vxmflt::MakeExcludeRequest(true, L"C:\\TEMP");
    EXPECT_EQ(
        scan.Control(vxmflt::kExcludeFolder, &request, 1025, nullptr, 0), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(
        scan.Control(vxmflt::kExcludeFolder, nullptr, 0, nullptr, 0), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    const std::uint32_t heldClass = 5;
    EXPECT_EQ(hold.Control(vxmflt::kHoldClass, &heldClass, 3, nullptr, 0), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(hold.Control(vxmflt::kReleaseClass, nullptr, 0, nullptr, 0), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    const std::uint32_t outOfRange = 32;
    EXPECT_EQ(
        hold.Control(vxmflt::kHoldClass, &outOfRange, 4, nullptr, 0), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    std::uint8_t out[31] = {};
    DWORD written = 7;
    EXPECT_EQ(scan.Control(vxmflt::kQueryState, nullptr, 0, out, sizeof out, &written),
        static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(scan.Control(vxmflt::kQueryState, nullptr, 0, nullptr, 0), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(scan.Control(vxmflt::kQueryExcluded, nullptr, 0, out, 1), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(QueryStateBytes(scan), StateBytes(0, 0, 0, 0));
}

TEST_F(FilterDriverTest, CodesOfTheOtherDeviceAndForeignCodesAreInvalidFunctions)
{
    const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
    const FilterDevice hold = FilterDevice::Open(FilterDevice::Kind::Hold);
    ASSERT_TRUE(scan.IsOpen() && hold.IsOpen());
    EXPECT_EQ(hold.StartScanner(), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
    EXPECT_EQ(scan.HoldClass(5), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
    // A direct-method code would hand the driver user memory: refused before it is looked at.
    std::uint8_t out[32] = {};
    EXPECT_EQ(
        scan.Control(vxmflt::kQueryState | 3, nullptr, 0, out, sizeof out), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
    EXPECT_EQ(scan.Control(0x00220000, nullptr, 0, nullptr, 0), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
    EXPECT_EQ(QueryStateBytes(scan), StateBytes(0, 0, 0, 0));
}

TEST_F(FilterDriverTest, AScannerThatClosesWithoutItsShutdownCallsLeavesNothingInForce)
{
    {
        const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
        const FilterDevice hold = FilterDevice::Open(FilterDevice::Kind::Hold);
        ASSERT_EQ(scan.StartScanner(), 0u);
        ASSERT_EQ(hold.HoldClass(5), 0u);
        ASSERT_EQ(scan.ExcludeFolder(true, L"C:\\TEMP"), 0u);
    }
    // The system tells the driver of a closed handle after CloseHandle has returned.
    const FilterDevice reader = FilterDevice::Open(FilterDevice::Kind::Scan);
    const std::vector<std::uint8_t> undone = StateBytes(0, 0, 0, 3);
    for (int attempt = 0; attempt < 100 && QueryStateBytes(reader) != undone; ++attempt)
        Sleep(20);
    EXPECT_EQ(QueryStateBytes(reader), undone);
}

TEST_F(FilterDriverTest, UninstallUnloadsTheDriverAndLeavesNoServiceBehind)
{
    EXPECT_EQ(FilterDriverInstaller::Query(), FilterDriverInstaller::State::Running);
    EXPECT_TRUE(ServiceKeyExists());
    std::string message;
    ASSERT_EQ(FilterDriverInstaller::Uninstall(message), 0u);
    EXPECT_EQ(message, "VxmFilter uninstalled.");
    EXPECT_EQ(FilterDriverInstaller::Query(), FilterDriverInstaller::State::NotInstalled);
    EXPECT_FALSE(ServiceKeyExists());
    EXPECT_FALSE(FilterDevice::Open(FilterDevice::Kind::Scan).IsOpen());
    EXPECT_FALSE(FilterDevice::Open(FilterDevice::Kind::Hold).IsOpen());
    EXPECT_EQ(FilterDriverInstaller::Uninstall(message), 0u);
    EXPECT_EQ(message, "VxmFilter is not installed.");
}

TEST_F(FilterDriverTest, StopAndStartAgainGiveAFreshState)
{
    {
        const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
        ASSERT_EQ(scan.ExcludeFolder(false, L"C:\\TEMP"), 0u);
    }
    std::string message;
    ASSERT_EQ(FilterDriverInstaller::Stop(message), 0u) << message;
    EXPECT_EQ(FilterDriverInstaller::Query(), FilterDriverInstaller::State::Stopped);
    EXPECT_FALSE(vxmflt::ReadFilterState().has_value());
    ASSERT_EQ(FilterDriverInstaller::Start(FilterDriverInstaller::DefaultDriverPath(), message), 0u) << message;
    EXPECT_EQ(message, "VxmFilter is running.");
    const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
    EXPECT_EQ(QueryStateBytes(scan), StateBytes(0, 0, 0, 0));
    EXPECT_EQ(scan.QueryExcluded(), std::wstring());
}

TEST(FilterDriverInstallTest, AMissingDriverFileIsNamedAndNothingIsInstalled)
{
    std::string message;
    ASSERT_EQ(FilterDriverInstaller::Uninstall(message), 0u) << message;
    EXPECT_EQ(FilterDriverInstaller::Install("C:\\nowhere\\VXMFLT.SYS", message),
        static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(message, "The driver C:\\nowhere\\VXMFLT.SYS was not found.");
    EXPECT_FALSE(ServiceKeyExists());
}

TEST_F(FilterDriverTest, InstallingAgainKeepsTheRunningDriverAndUpdatesItsPath)
{
    std::string message;
    ASSERT_EQ(FilterDriverInstaller::Install(FilterDriverInstaller::DefaultDriverPath(), message), 0u);
    EXPECT_EQ(message, "VxmFilter was installed already; its driver path is updated.");
    const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
    ASSERT_EQ(scan.StartScanner(), 0u);
    // Starting a running driver leaves it, and its state, alone.
    ASSERT_EQ(FilterDriverInstaller::Start(FilterDriverInstaller::DefaultDriverPath(), message), 0u) << message;
    EXPECT_EQ(QueryStateBytes(scan), StateBytes(1, 0, 0, 1));
}

TEST(FilterDriverCommandTest, AMissingDriverAndAnUnknownCommandAreReported)
{
    std::string message;
    ASSERT_EQ(FilterDriverInstaller::Uninstall(message), 0u) << message;
    DWORD exitCode = 99;
    EXPECT_EQ(RunBeside("/install C:\\nowhere\\VXMFLT.SYS", exitCode),
        "The driver C:\\nowhere\\VXMFLT.SYS was not found.\r\n");
    EXPECT_EQ(exitCode, 1u);
    EXPECT_EQ(RunBeside("/query extra", exitCode),
        "Usage: VXMFLTCT /install [driver path] | /start [driver path] | /stop | /uninstall | /query\r\n");
    EXPECT_EQ(exitCode, 3u);
    EXPECT_FALSE(ServiceKeyExists());
}

TEST(FilterDeviceAbsentTest, WithoutTheDriverEveryReaderAnswersAbsentQuietly)
{
    std::string message;
    ASSERT_EQ(FilterDriverInstaller::Uninstall(message), 0u) << message;
    const FilterDevice scan = FilterDevice::Open(FilterDevice::Kind::Scan);
    EXPECT_FALSE(scan.IsOpen());
    EXPECT_EQ(scan.OpenError(), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
    // The scanner's calls go nowhere and say so, without a system call on a bad handle.
    EXPECT_EQ(scan.StartScanner(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(scan.ExcludeFolder(true, L"C:\\TEMP"), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(scan.QueryState().has_value());
    EXPECT_FALSE(vxmflt::ReadFilterState().has_value());
    EXPECT_FALSE(vxmflt::ReadExcludedFolder().has_value());

    DWORD exitCode = 99;
    EXPECT_EQ(RunBeside("/query", exitCode), "VxmFilter: not installed\r\nThe filter devices are absent.\r\n");
    EXPECT_EQ(exitCode, 2u);
}

TEST(FilterDeviceRequestTest, AnOverlongFolderIsCutSoItsNulFits)
{
    const std::wstring folder(600, L'x');
    const vxmflt::ExcludeFolderRequest request = vxmflt::MakeExcludeRequest(true, folder);
    EXPECT_EQ(request.active, 1);
    EXPECT_EQ(request.reserved, 0);
    EXPECT_EQ(request.folder[510], u'x');
    EXPECT_EQ(request.folder[511], 0);
    EXPECT_EQ(vxmflt::MakeExcludeRequest(false, L"C:\\").active, 0);
}

}  // namespace
