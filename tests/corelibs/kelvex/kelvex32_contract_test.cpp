// KELVEX32.DLL bound as the Local Scanner binds it, by its ordinal list, and driven through its calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using kelvex::test::EicarString;

const int kBindingOrder[] = {2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 25, 26, 27, 28, 29,
    30, 31, 32, 33, 34, 10, 35, 36, 37, 38, 39, 57, 40, 54, 41, 42, 43, 44, 45, 55, 47};

typedef unsigned(__cdecl* OpenFn)(uint32_t*);
typedef unsigned(__cdecl* InstanceFn)(uint32_t);
typedef unsigned(__cdecl* OptionsFn)(uint32_t, uint16_t*, int);
typedef unsigned(__cdecl* VersionsFn)(uint32_t, uint32_t*, uint32_t*, uint32_t*, uint32_t*);
typedef unsigned(__cdecl* ScanFileFn)(uint32_t, const char*, HANDLE);
typedef unsigned(__cdecl* ScanPathFn)(uint32_t, const char*);
typedef unsigned(__cdecl* DriveFn)(uint32_t, int);
typedef unsigned(__cdecl* NeutralizeFn)(uint32_t, int, int, int, int, int);
typedef const char*(__cdecl* NameFn)(uint32_t);
typedef unsigned(__cdecl* LoadFromFn)(uint32_t, const char*);
typedef unsigned(__cdecl* BufferFn)(uint32_t, const void*, uint32_t);

std::string ModuleDir()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

std::string TempDir()
{
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string dir = std::string(path) + "kelvex_contract\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string ReadBytes(const std::string& path)
{
    std::string out;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    std::fclose(f);
    return out;
}

const std::string kHost = std::string("MZ\x90\x00\x03\x00\x00\x00", 8) + "host program body";
std::string AppendBody()
{
    return kelvex::test::Rev(":YDOB.DNEPPA.XVK") + std::string("\x01\x02\x03\x04") + kelvex::test::Rev("RMXV") + "rest";
}

class Kelvex32 : public testing::Test {
protected:
    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, m_oldDir);
        ASSERT_TRUE(SetCurrentDirectoryA(ModuleDir().c_str()));
        m_dll = LoadLibraryA("KELVEX32.DLL");
        ASSERT_NE(m_dll, nullptr);
        for (int ordinal : kBindingOrder) {
            FARPROC p = GetProcAddress(m_dll, MAKEINTRESOURCEA(ordinal));
            ASSERT_NE(p, nullptr) << "ordinal " << ordinal;
            m_fn[ordinal] = p;
        }
        ASSERT_EQ(Call<OpenFn>(2)(&m_engine), 0u);
        ASSERT_NE(m_engine, 0u);
        ASSERT_EQ(SetWords(1, 0, 6, 0), 0u);
    }

    void TearDown() override
    {
        if (m_dll) {
            Call<InstanceFn>(26)(m_engine);
            Call<InstanceFn>(27)(m_engine);
            FreeLibrary(m_dll);
        }
        SetCurrentDirectoryA(m_oldDir);
    }

    template <typename F> F Call(int ordinal) { return reinterpret_cast<F>(reinterpret_cast<void*>(m_fn[ordinal])); }

    unsigned SetWords(uint16_t w0, uint16_t w1, uint16_t w2, uint16_t cure)
    {
        uint16_t words[17] = {w0, w1, w2, 0, 0, 1, 8, 1, 16, 1, 30, 0, 0, 20, 0, 0, 0};
        words[11] = cure;
        return Call<OptionsFn>(5)(m_engine, words, 17);
    }

    unsigned Load() { return Call<InstanceFn>(8)(m_engine); }

    // Ordinal 12 the way the scanner calls it: the path and a handle opened for reading.
    unsigned ScanFile(const std::string& path, DWORD access = GENERIC_READ, DWORD share = FILE_SHARE_READ)
    {
        HANDLE h = CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(h, INVALID_HANDLE_VALUE) << path;
        unsigned status = Call<ScanFileFn>(12)(m_engine, path.c_str(), h);
        CloseHandle(h);
        return status;
    }

    unsigned Cure(const std::string& path, DWORD access, DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE)
    {
        SetWords(1, 0, 14, 1);
        Call<InstanceFn>(36)(m_engine);
        unsigned status = ScanFile(path, access, share);
        SetWords(1, 0, 14, 0);
        return status;
    }

    std::string LastName() { return Call<NameFn>(23)(m_engine); }

    HMODULE m_dll = nullptr;
    FARPROC m_fn[64] = {};
    uint32_t m_engine = 0;
    char m_oldDir[MAX_PATH] = {};
};

TEST_F(Kelvex32, ExportsAreOrdinalsOnly)
{
    EXPECT_EQ(GetProcAddress(m_dll, "KvxOpen"), nullptr);
    EXPECT_EQ(GetProcAddress(m_dll, "KvxScanFile"), nullptr);
}

TEST_F(Kelvex32, OptionBlockMustHoldSeventeenKnownWords)
{
    uint16_t words[17] = {1, 0, 14, 0, 0, 1, 8, 1, 16, 1, 30, 0, 0, 20, 0, 0, 0};
    EXPECT_EQ(Call<OptionsFn>(5)(m_engine, words, 16), 1u);
    EXPECT_EQ(Call<OptionsFn>(5)(m_engine, nullptr, 17), 1u);
    words[0] = 3;
    EXPECT_EQ(Call<OptionsFn>(5)(m_engine, words, 17), 1u);
    EXPECT_EQ(Call<OptionsFn>(5)(999, words, 17), 1u);
    EXPECT_EQ(SetWords(2, 63, 15, 0), 0u);
    uint16_t back[17] = {};
    EXPECT_EQ(Call<OptionsFn>(4)(m_engine, back, 17), 0u);
    EXPECT_EQ(back[0], 2);
    EXPECT_EQ(back[1], 63);
    EXPECT_EQ(back[2], 15);
    EXPECT_EQ(back[13], 20);
}

TEST_F(Kelvex32, LoadsTheShippedSignaturesAndReportsVersions)
{
    ASSERT_EQ(Load(), 0u);
    EXPECT_EQ(Call<InstanceFn>(6)(m_engine), 9u);
    uint32_t ev = 0, sv = 0, ed = 0, sd = 0;
    EXPECT_EQ(Call<VersionsFn>(10)(m_engine, &ev, &sv, &ed, &sd), 0u);
    EXPECT_EQ(ev, 1900u);  // shown as 1.00
    EXPECT_EQ(sv, 1901u);  // 1.01
    EXPECT_EQ(ed, uint32_t((46 << 9) | (12 << 5) | 8));
    EXPECT_EQ(sd, uint32_t((46 << 9) | (12 << 5) | 8));
}

TEST_F(Kelvex32, DetectsTheTestFileThroughOrdinal12)
{
    ASSERT_EQ(Load(), 0u);
    const std::string path = TempDir() + "eicar.com";
    WriteBytes(path, EicarString() + "\r\n");
    const unsigned status = ScanFile(path);
    EXPECT_NE(status, 0u);
    EXPECT_EQ(status & 0x4010u, 0u);
    EXPECT_EQ(status & 0x4030u, 0u);
    EXPECT_EQ(Call<InstanceFn>(22)(m_engine), 1u);
    EXPECT_EQ(LastName(), "EICAR-Test-File");
    // Through the handle alone: the path need not name the file.
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    Call<InstanceFn>(36)(m_engine);
    EXPECT_EQ(Call<ScanFileFn>(12)(m_engine, "Z:\\no\\such\\file", h), 1u);
    CloseHandle(h);
    EXPECT_EQ(LastName(), "EICAR-Test-File");
    DeleteFileA(path.c_str());
}

TEST_F(Kelvex32, CleanUnreadableAndNotReadyStatuses)
{
    const std::string clean = TempDir() + "clean.txt";
    WriteBytes(clean, "nothing to see here\r\n");
    EXPECT_EQ(ScanFile(clean), 0x4020u);  // no signatures loaded yet
    ASSERT_EQ(Load(), 0u);
    EXPECT_EQ(ScanFile(clean), 0u);
    EXPECT_EQ(Call<ScanFileFn>(12)(m_engine, "Z:\\no\\such\\file", INVALID_HANDLE_VALUE), 0x4010u);
    EXPECT_EQ(Call<ScanPathFn>(13)(m_engine, clean.c_str()), 0u);
    EXPECT_EQ(Call<ScanFileFn>(12)(4711, clean.c_str(), INVALID_HANDLE_VALUE), 0x4020u);
    DeleteFileA(clean.c_str());
}

TEST_F(Kelvex32, ModesDecideReviewerSignatures)
{
    ASSERT_EQ(Load(), 0u);
    const std::string path = TempDir() + "suspect.bin";
    WriteBytes(path, ".." + kelvex::test::Rev("TCEPSUS.XVK") + "_3" + kelvex::test::Rev("SUS") + "..");
    ASSERT_EQ(SetWords(1, 0, 14, 0), 0u);
    EXPECT_EQ(ScanFile(path), 0u);
    ASSERT_EQ(SetWords(2, 63, 15, 0), 0u);
    EXPECT_EQ(ScanFile(path), 8u);
    EXPECT_EQ(LastName(), "Kelvex-Test-Suspect");
    EXPECT_EQ(Call<InstanceFn>(22)(m_engine), 261u);
    const std::string hashed = TempDir() + "hashed.bin";
    WriteBytes(hashed, "Vexomar harmless hash test file\r\n");
    EXPECT_EQ(ScanFile(hashed), 4u);
    DeleteFileA(path.c_str());
    DeleteFileA(hashed.c_str());
}

TEST_F(Kelvex32, CureModeRepairsThroughTheHandleOrThePath)
{
    ASSERT_EQ(Load(), 0u);
    const std::string path = TempDir() + "append.exe";
    WriteBytes(path, kHost + AppendBody());
    EXPECT_EQ(Cure(path, GENERIC_READ | GENERIC_WRITE), 7u);
    EXPECT_EQ(ReadBytes(path), kHost);
    WriteBytes(path, kHost + AppendBody());
    EXPECT_EQ(Cure(path, GENERIC_READ), 7u);  // a read-only handle: the engine opens the path
    EXPECT_EQ(ReadBytes(path), kHost);
    EXPECT_EQ(LastName(), "Kelvex-Test-Append");
    EXPECT_EQ(Cure(path, GENERIC_READ), 0u);
    // A handle that shares no writing leaves the engine no way to repair: a cure error.
    WriteBytes(path, kHost + AppendBody());
    EXPECT_EQ(Cure(path, GENERIC_READ, FILE_SHARE_READ), 4u);
    EXPECT_EQ(ReadBytes(path), kHost + AppendBody());
    WriteBytes(path, EicarString());
    EXPECT_EQ(Cure(path, GENERIC_READ), 2u);
    WriteBytes(path, kelvex::test::Rev(".RETIRWREVO.XVK") + std::string("x") + kelvex::test::Rev("DNE.RWVO"));
    EXPECT_EQ(Cure(path, GENERIC_READ), 3u);
    DeleteFileA(path.c_str());
}

// The scanner's handle is on one file while the path names another (the file was swapped
// after it was opened): the repair must not land on the other file.
TEST_F(Kelvex32, CureNeverWritesToAFileOtherThanTheOneScanned)
{
    ASSERT_EQ(Load(), 0u);
    const std::string scanned = TempDir() + "scanned.exe", other = TempDir() + "other.exe";
    WriteBytes(scanned, kHost + AppendBody());
    WriteBytes(other, kHost + AppendBody() + "other");
    HANDLE h = CreateFileA(scanned.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetWords(1, 0, 14, 1);
    EXPECT_EQ(Call<ScanFileFn>(12)(m_engine, other.c_str(), h), 4u);
    SetWords(1, 0, 14, 0);
    CloseHandle(h);
    EXPECT_EQ(ReadBytes(scanned), kHost + AppendBody());
    EXPECT_EQ(ReadBytes(other), kHost + AppendBody() + "other");
    DeleteFileA(scanned.c_str());
    DeleteFileA(other.c_str());
}

struct BufferScans {
    BufferFn scan;
    uint32_t engine;
    std::string data;
    volatile LONG started = 0;
    unsigned unexpected = 0;  // a status other than clean or "unknown instance"
    unsigned afterClose = 0;
};

DWORD WINAPI ScanUntilClosed(void* arg)
{
    auto* job = static_cast<BufferScans*>(arg);
    // Bounded either way; it ends soon after the close is seen.
    for (int i = 0; i < 20000 && job->afterClose < 20; ++i) {
        unsigned status = job->scan(job->engine, job->data.data(), uint32_t(job->data.size()));
        InterlockedExchange(&job->started, 1);
        if (status == 0x4020)
            ++job->afterClose;
        else if (status != 0)
            ++job->unexpected;
    }
    return 0;
}

// Closing an instance while another thread scans with it: the scan in progress finishes on
// the instance it started with, and later ones are told the instance is gone.
TEST_F(Kelvex32, CloseDuringAScanOnAnotherThread)
{
    ASSERT_EQ(Load(), 0u);
    BufferScans job {Call<BufferFn>(11), m_engine, std::string(256 * 1024, 'q')};
    HANDLE thread = CreateThread(nullptr, 0, ScanUntilClosed, &job, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    while (!job.started)
        Sleep(0);
    EXPECT_EQ(Call<InstanceFn>(27)(m_engine), 0u);
    ASSERT_EQ(WaitForSingleObject(thread, 60000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_EQ(job.unexpected, 0u);
    EXPECT_GT(job.afterClose, 0u);
}

// Ordinal 12 over files of every size: markers across the 64 KiB reads and in the last bytes
// are found, fast mode still looks only at the head and the tail of a large file, and a
// handle that cannot read is never taken for a clean file.
TEST_F(Kelvex32, FilesOfEverySizeThroughOrdinal12)
{
    ASSERT_EQ(Load(), 0u);
    const std::string path = TempDir() + "sizes.bin";
    const std::string body = AppendBody();
    for (const size_t at : {size_t(65536 - 7), size_t(3 * 65536 - 1), size_t(400000 - 36)}) {
        SCOPED_TRACE(at);
        WriteBytes(path, std::string(at, 'a') + body + std::string(400000 - at - body.size(), 'b'));
        EXPECT_EQ(ScanFile(path), 1u);
        EXPECT_EQ(LastName(), "Kelvex-Test-Append");
    }
    for (const std::string& small : {std::string(), std::string("x"), EicarString().substr(0, 67)}) {
        WriteBytes(path, small);
        EXPECT_EQ(ScanFile(path), 0u) << small.size();
    }
    // 10 MiB with the marker between the first 8 MiB and the last 1 MiB.
    const size_t large = 10u << 20, middle = (17u << 20) / 2;
    WriteBytes(path, std::string(middle, 'a') + body + std::string(large - middle - body.size(), 'b'));
    ASSERT_EQ(SetWords(0, 0, 6, 0), 0u);
    EXPECT_EQ(ScanFile(path), 0u);
    ASSERT_EQ(SetWords(1, 0, 14, 0), 0u);
    EXPECT_EQ(ScanFile(path), 1u);
    WriteBytes(path, std::string(large - 40, 'a') + body + "tail");
    ASSERT_EQ(SetWords(0, 0, 6, 0), 0u);
    EXPECT_EQ(ScanFile(path), 1u);
    EXPECT_EQ(ScanFile(path, FILE_READ_ATTRIBUTES), 0x4010u);
    DeleteFileA(path.c_str());
}

// A path that opens but has no size (a named pipe) was never read: not scanned, not clean.
TEST_F(Kelvex32, PathWithoutASizeIsNotScanned)
{
    ASSERT_EQ(Load(), 0u);
    const char* pipe = "\\\\.\\pipe\\kelvex_contract_sizeless";
    HANDLE server = CreateNamedPipeA(pipe, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 2, 4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Call<ScanPathFn>(13)(m_engine, pipe), 0x4010u);
    EXPECT_EQ(Call<ScanFileFn>(12)(m_engine, pipe, INVALID_HANDLE_VALUE), 0x4010u);
    CloseHandle(server);
}

TEST_F(Kelvex32, MissingBootDriveIsClean)
{
    ASSERT_EQ(Load(), 0u);
    Call<InstanceFn>(36)(m_engine);
    EXPECT_EQ(Call<DriveFn>(18)(m_engine, 'A'), 0x4010u);
    EXPECT_EQ(Call<DriveFn>(18)(m_engine, 0), 0x4010u);
    EXPECT_NE(Call<NeutralizeFn>(21)(m_engine, 'A', 0, 0, 1, 1), 0u);
}

TEST_F(Kelvex32, LoadStatusesForMissingCorruptAndTruncatedFiles)
{
    const std::string good = ReadBytes(ModuleDir() + "VIRSIG.DAT");
    ASSERT_GT(good.size(), 64u);
    const std::string dir = TempDir() + "load\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.c_str()));
    DeleteFileA("VIRSIG.DAT");
    EXPECT_EQ(Load(), 11u);
    WriteBytes(dir + "VIRSIG.DAT", good.substr(0, good.size() - 1));
    EXPECT_EQ(Load(), 20u);
    std::string flipped = good;
    flipped[good.size() / 2] ^= 1;
    WriteBytes(dir + "VIRSIG.DAT", flipped);
    EXPECT_EQ(Load(), 20u);
    WriteBytes(dir + "VIRSIG.DAT", "MZ this is no signature file at all, but long enough to have a header.......");
    EXPECT_EQ(Load(), 20u);
    WriteBytes(dir + "VIRSIG.DAT", good);
    EXPECT_EQ(Load(), 0u);
    EXPECT_EQ(Call<LoadFromFn>(9)(m_engine, (ModuleDir() + "VIRSIG.DAT").c_str()), 0u);
    DeleteFileA((dir + "VIRSIG.DAT").c_str());
}

TEST_F(Kelvex32, UnusedOrdinalsAnswerNotSupportedAndShutdownEndsTheInstance)
{
    EXPECT_EQ(Call<InstanceFn>(14)(m_engine), 0x40FFu);
    EXPECT_EQ(Call<InstanceFn>(57)(m_engine), 0x40FFu);
    ASSERT_EQ(Load(), 0u);
    EXPECT_EQ(Call<InstanceFn>(26)(m_engine), 0u);
    EXPECT_EQ(Call<InstanceFn>(6)(m_engine), 0u);
    EXPECT_EQ(Call<InstanceFn>(27)(m_engine), 0u);
    EXPECT_EQ(Call<InstanceFn>(27)(m_engine), 1u);
    EXPECT_EQ(Call<ScanPathFn>(13)(m_engine, "x"), 0x4020u);
}

TEST_F(Kelvex32, NothingOfTheProjectsOwnFilesIsDetected)
{
    ASSERT_EQ(Load(), 0u);
    ASSERT_EQ(SetWords(2, 63, 15, 0), 0u);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((ModuleDir() + "*").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int scanned = 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const std::string path = ModuleDir() + found.cFileName;
        EXPECT_EQ(Call<ScanPathFn>(13)(m_engine, path.c_str()), 0u) << path << ": " << LastName();
        ++scanned;
    } while (FindNextFileA(find, &found));
    FindClose(find);
    EXPECT_GE(scanned, 4);
}

// The Win32 signature compiler, run as an administrator would run it.
DWORD RunCompiler(const std::string& arguments)
{
    std::string command = "\"" + ModuleDir() + "KVXSIGC.EXE\" " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return 999;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 998;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

TEST(Kvxsigc, BuildsTheShippedFilesByteForByte)
{
    const std::string dir = TempDir();
    const std::string dat = dir + "built.dat", lst = dir + "built.lst";
    DeleteFileA(dat.c_str());
    ASSERT_EQ(RunCompiler("-o \"" + dat + "\" -l \"" + lst + "\" \"" + KELVEX_SIGNATURES_DIR + "/default.kvs\""), 0u);
    EXPECT_EQ(ReadBytes(dat), ReadBytes(ModuleDir() + "VIRSIG.DAT"));
    EXPECT_EQ(ReadBytes(lst), ReadBytes(ModuleDir() + "virus.lst"));
    DeleteFileA(dat.c_str());
    DeleteFileA(lst.c_str());
}

TEST(Kvxsigc, RefusedSourceWritesNothing)
{
    const std::string dir = TempDir();
    const std::string ndb = dir + "refused.ndb", dat = dir + "refused.dat";
    WriteBytes(ndb, "Pe.Thing:1:*:aabbccdd\n");
    DeleteFileA(dat.c_str());
    EXPECT_EQ(RunCompiler("--version 1.00 --date 2026-12-08 -o \"" + dat + "\" -l NUL \"" + ndb + "\""), 1u);
    EXPECT_EQ(GetFileAttributesA(dat.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(ndb.c_str());
}

}  // namespace
