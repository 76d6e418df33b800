// Win32File under the scanner: reads at any offset, one size per scan, files that shrink or
// cannot be read, a hash read again after the body pass, and repairs that change the size.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "md5.h"
#include "test_support.h"
#include "win32_file.h"

namespace {

using kelvex::Detection;
using kelvex::ScanOutcome;
using kelvex::Win32File;
using kelvex::test::Hex;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Bytes the test signature is made of; no other byte of the test files is one of them.
const std::string kMarker = "\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC";

// Every byte differs from its neighbours and none is a marker byte.
std::string Filler(size_t size)
{
    std::string s(size, '\0');
    for (size_t i = 0; i < size; ++i)
        s[i] = char((i * 7 + i / 251) % 240);
    return s;
}

class Win32FileTest : public testing::Test {
protected:
    void SetUp() override
    {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        m_path = std::string(dir) + "kelvex_win32_file_" + std::to_string(GetCurrentProcessId()) + ".bin";
    }

    void TearDown() override
    {
        CloseAll();
        DeleteFileA(m_path.c_str());
    }

    void WriteFileBytes(const std::string& bytes)
    {
        HANDLE h = CreateFileA(m_path.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD put = 0;
        ASSERT_TRUE(WriteFile(h, bytes.data(), DWORD(bytes.size()), &put, nullptr));
        CloseHandle(h);
    }

    std::string FileBytes()
    {
        HANDLE h = CreateFileA(m_path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
        std::string out(GetFileSize(h, nullptr), '\0');
        DWORD got = 0;
        ReadFile(h, out.data(), DWORD(out.size()), &got, nullptr);
        CloseHandle(h);
        out.resize(got);
        return out;
    }

    HANDLE Open(DWORD access)
    {
        HANDLE h = CreateFileA(m_path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(h, INVALID_HANDLE_VALUE);
        m_handles.push_back(h);
        return h;
    }

    void CloseAll()
    {
        for (HANDLE h : m_handles)
            CloseHandle(h);
        m_handles.clear();
    }

    // Cuts or extends the file through a handle of its own, as another program would.
    void ResizeBehindTheScanner(uint64_t size)
    {
        HANDLE h = Open(GENERIC_WRITE);
        LARGE_INTEGER at;
        at.QuadPart = LONGLONG(size);
        ASSERT_TRUE(SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(h));
    }

    static std::string Read(Win32File& f, uint64_t offset, size_t size)
    {
        std::string out(size, '\0');
        size_t got = 0;
        if (!f.Read(offset, out.data(), size, got))
            return "read failed";
        out.resize(got);
        return out;
    }

    std::string m_path;
    std::vector<HANDLE> m_handles;
};

kelvex::Scanner MarkerScanner()
{
    return kelvex::test::MakeScanner("body id=9 name=Test-Marker sig=" + Hex(kMarker) + "\n");
}

TEST_F(Win32FileTest, ReadsTheBytesAtEveryOffsetInAnyOrder)
{
    const std::string bytes = Filler(200000);
    WriteFileBytes(bytes);
    HANDLE h = Open(GENERIC_READ);
    // The caller's file pointer stands anywhere: the first read must not trust it.
    SetFilePointer(h, 12345, nullptr, FILE_BEGIN);
    Win32File f(m_path.c_str(), h, false);
    ASSERT_TRUE(f.Valid());
    EXPECT_EQ(f.Size(), 200000u);
    EXPECT_EQ(Read(f, 0, 100), bytes.substr(0, 100));
    EXPECT_EQ(Read(f, 100, 65536), bytes.substr(100, 65536));
    EXPECT_EQ(Read(f, 70000, 10), bytes.substr(70000, 10));
    EXPECT_EQ(Read(f, 5, 3), bytes.substr(5, 3));
    EXPECT_EQ(Read(f, 8, 4), bytes.substr(8, 4));
    // At and past the end: no bytes, no error; across it: what is there.
    EXPECT_EQ(Read(f, 199990, 100), bytes.substr(199990));
    EXPECT_EQ(Read(f, 200000, 100), "");
    EXPECT_EQ(Read(f, 300000, 100), "");
    EXPECT_EQ(Read(f, 0, 0), "");
}

TEST_F(Win32FileTest, OneSizeForTheWholeScanWhateverHappensToTheFile)
{
    WriteFileBytes(Filler(1000) + kMarker);
    Win32File f(m_path.c_str(), Open(GENERIC_READ), false);
    ASSERT_EQ(f.Size(), 1012u);
    ResizeBehindTheScanner(5000);
    EXPECT_EQ(f.Size(), 1012u);
    Detection d;
    EXPECT_EQ(MarkerScanner().Scan(f, kelvex::test::Secure(), d), ScanOutcome::Infected);
    EXPECT_EQ(d.start, 1000u);
}

// A file cut short after it was opened was not read whole: never clean, whether it fits in
// one block of the scanner or not, and whether the cut is found by the bodies or the hash.
TEST_F(Win32FileTest, FileThatShrankWhileItWasScannedIsAReadError)
{
    const kelvex::Scanner s = MarkerScanner();
    for (const size_t size : {size_t(3000), size_t(300000)}) {
        SCOPED_TRACE(size);
        CloseAll();
        WriteFileBytes(Filler(size));
        Win32File f(m_path.c_str(), Open(GENERIC_READ), false);
        ResizeBehindTheScanner(size / 2);
        Detection d;
        EXPECT_EQ(s.Scan(f, kelvex::test::Secure(), d), ScanOutcome::ReadError);
    }
}

TEST_F(Win32FileTest, HandleThatCannotReadIsAReadErrorNotClean)
{
    WriteFileBytes(Filler(5000));
    Win32File f(m_path.c_str(), Open(FILE_READ_ATTRIBUTES), false);
    ASSERT_TRUE(f.Valid());
    EXPECT_EQ(f.Size(), 5000u);
    EXPECT_EQ(Read(f, 0, 100), "read failed");
    Detection d;
    EXPECT_EQ(MarkerScanner().Scan(f, kelvex::test::Secure(), d), ScanOutcome::ReadError);
}

TEST_F(Win32FileTest, UnusableHandleFallsBackToThePathAndNoPathToNothing)
{
    WriteFileBytes(Filler(64));
    for (HANDLE bad : {INVALID_HANDLE_VALUE, HANDLE(nullptr), HANDLE(ULONG_PTR(0x7FF0))}) {
        Win32File f(m_path.c_str(), bad, false);
        ASSERT_TRUE(f.Valid());
        EXPECT_EQ(f.Size(), 64u);
        EXPECT_EQ(Read(f, 60, 10), Filler(64).substr(60));
    }
    EXPECT_FALSE(Win32File(nullptr, INVALID_HANDLE_VALUE, false).Valid());
    EXPECT_FALSE(Win32File("Z:\\no\\such\\folder\\file.bin", INVALID_HANDLE_VALUE, false).Valid());
}

// The MD5 pass reads a file of several blocks again from its start, after the body pass
// left the handle at its end.
TEST_F(Win32FileTest, HashOverSeveralBlocksAfterTheBodyPass)
{
    const std::string big = Filler(250001);
    kelvex::Md5 md5;
    md5.Update(big.data(), big.size());
    const auto digest = md5.Final();
    const kelvex::Scanner hashed = kelvex::test::MakeScanner("body id=9 name=Test-Marker sig=" + Hex(kMarker) +
        "\nhash id=10 name=Test-Hash size=250001 md5=" + Hex(std::string(digest.begin(), digest.end())) + "\n");
    WriteFileBytes(big);
    Win32File f(m_path.c_str(), Open(GENERIC_READ), false);
    Detection d;
    ASSERT_EQ(hashed.Scan(f, kelvex::test::Secure(), d), ScanOutcome::Infected);
    EXPECT_TRUE(d.isHash);
    EXPECT_EQ(hashed.NameOf(d), "Test-Hash");
}

// Repairs through the read handle or the path: the size and the next reads follow them.
TEST_F(Win32FileTest, RepairsMoveTheSizeAndTheReadsFollow)
{
    for (const DWORD access : {DWORD(GENERIC_READ | GENERIC_WRITE), DWORD(GENERIC_READ)}) {
        SCOPED_TRACE(access);
        CloseAll();
        WriteFileBytes("0123456789abcdef");
        Win32File f(m_path.c_str(), Open(access), true);
        EXPECT_EQ(Read(f, 0, 4), "0123");
        ASSERT_TRUE(f.Truncate(10));
        EXPECT_EQ(f.Size(), 10u);
        EXPECT_EQ(Read(f, 4, 100), "456789");
        ASSERT_TRUE(f.Write(8, "XYZW", 4));
        EXPECT_EQ(f.Size(), 12u);
        EXPECT_EQ(Read(f, 6, 100), "67XYZW");
        // The write moved the file pointer away from where that read ended.
        ASSERT_TRUE(f.Write(0, "A", 1));
        EXPECT_EQ(f.Size(), 12u);
        EXPECT_EQ(Read(f, 12, 100), "");
        EXPECT_EQ(Read(f, 1, 2), "12");
        CloseAll();
        EXPECT_EQ(FileBytes(), "A1234567XYZW");
    }
}

}  // namespace
