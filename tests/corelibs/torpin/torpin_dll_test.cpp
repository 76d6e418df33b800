// TORPIN.DLL called as the scanner calls it: exports by name, the 940-byte walk state,
// generated temporary files and their cleanup.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "szdd_encoder.h"
#include "test_files.h"
#include "torpin.h"

namespace {

using torpin::test::Bytes;

struct Api {
    decltype(&InitDecompression) init;
    decltype(&SetTemporaryDirectory) setTemp;
    decltype(&SetExtensionList) setExtensions;
    decltype(&GetArchiveFileType) type;
    decltype(&OpenArchiveFile) open;
    decltype(&GetFirstFileName) first;
    decltype(&GetNextFileName) next;
    decltype(&ExtractCurrentFile) extract;
    decltype(&RemoveCurrentFile) remove;
    decltype(&CloseArchiveFile) close;
    decltype(&DecompressMSCompressedFile) expand;
    decltype(&DeInitDecompression) deinit;
    decltype(&GetLastExtractStatus) status;
};

template <typename F> void bind(HMODULE module, F& f, const char* name)
{
    f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    ASSERT_NE(f, nullptr) << name;
}

class TorpinDll : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryA("TORPIN.DLL");
        ASSERT_NE(module, nullptr);
        bind(module, api.init, "InitDecompression");
        bind(module, api.setTemp, "SetTemporaryDirectory");
        bind(module, api.setExtensions, "SetExtensionList");
        bind(module, api.type, "GetArchiveFileType");
        bind(module, api.open, "OpenArchiveFile");
        bind(module, api.first, "GetFirstFileName");
        bind(module, api.next, "GetNextFileName");
        bind(module, api.extract, "ExtractCurrentFile");
        bind(module, api.remove, "RemoveCurrentFile");
        bind(module, api.close, "CloseArchiveFile");
        bind(module, api.expand, "DecompressMSCompressedFile");
        bind(module, api.deinit, "DeInitDecompression");
        bind(module, api.status, "GetLastExtractStatus");
        handle = api.init(0x4000);
        ASSERT_NE(handle, 0u);
        ASSERT_TRUE(api.setTemp(handle, temp.str().c_str()));
        const char list[3][4] = {{'Z', 'I', 'P', 0}, {'A', 'R', 'J', 0}, {'C', 'A', 'B', 0}};
        ASSERT_TRUE(api.setExtensions(handle, &list[0][0], 3));
        // The scanner's block is not cleared before use.
        std::memset(state, 0xCD, sizeof state);
    }
    void TearDown() override
    {
        if (handle)
            api.deinit(handle);
        if (module)
            FreeLibrary(module);
    }

    std::string put(const std::string& name, const Bytes& data)
    {
        torpin::test::writeFile(files.path() / name, data);
        return (files.path() / name).string();
    }

    HMODULE module = nullptr;
    Api api {};
    DWORD handle = 0;
    torpin::test::TempDir files, temp;
    unsigned char state[TORPIN_WALK_STATE_BYTES];
};

Bytes sampleZip(const Bytes& a, const Bytes& b)
{
    torpin::test::ZipBuilder zip;
    zip.add({.name = "..\\..\\WINDOWS\\evil.exe", .data = a, .deflate = true});
    zip.add({.name = "docs/", .data = {}});
    zip.add({.name = "docs/readme.txt", .data = b});
    return zip.finish();
}

TEST_F(TorpinDll, TypesFollowContentAndTheExtensionList)
{
    Bytes zip = sampleZip({'a'}, {'b'});
    EXPECT_EQ(api.type(handle, put("a.zip", zip).c_str()), TORPIN_TYPE_ZIP);
    EXPECT_EQ(api.type(handle, put("A.ZIP", zip).c_str()), TORPIN_TYPE_ZIP);
    EXPECT_EQ(api.type(handle, put("noext", zip).c_str()), TORPIN_TYPE_ZIP);
    EXPECT_EQ(api.type(handle, put("a.txt", zip).c_str()), TORPIN_TYPE_NONE);
    EXPECT_EQ(api.type(handle, put("b.arj", torpin::test::dataFile("method2.arj")).c_str()), TORPIN_TYPE_ARJ);
    EXPECT_EQ(api.type(handle, put("e.cab", torpin::test::dataFile("mszip.cab")).c_str()), TORPIN_TYPE_CAB);
    EXPECT_EQ(api.type(handle, put("f.exe", torpin::test::dataFile("mszip.cab")).c_str()), TORPIN_TYPE_NONE);
    EXPECT_EQ(api.type(handle, put("c.zip", torpin::test::textContent(100, 1)).c_str()), TORPIN_TYPE_NONE);
    EXPECT_EQ(api.type(handle, (files.str() + "\\missing.zip").c_str()), TORPIN_TYPE_NONE);
    EXPECT_EQ(api.type(handle, nullptr), TORPIN_TYPE_NONE);
    EXPECT_EQ(api.type(0x1234, put("d.zip", zip).c_str()), TORPIN_TYPE_NONE);
}

TEST_F(TorpinDll, WalksAnArchiveIntoGeneratedTemporaryFiles)
{
    Bytes a = torpin::test::textContent(50000, 2), b = torpin::test::noiseContent(700, 3);
    std::string path = put("sample.zip", sampleZip(a, b));
    ASSERT_TRUE(api.open(handle, path.c_str(), state));
    // The state holds a marker, the library handle and the walk's address; the rest is
    // cleared, so nothing of the caller's old bytes is ever read.
    EXPECT_EQ(std::memcmp(state, "TPNW", 4), 0);
    DWORD owner = 0;
    std::memcpy(&owner, state + 4, 4);
    EXPECT_EQ(owner, handle);
    EXPECT_EQ(std::count(state + 12, state + sizeof state, 0), static_cast<long>(sizeof state - 12));
    LPCSTR name = api.first(state);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "..\\..\\WINDOWS\\evil.exe");
    LPCSTR extracted = api.extract(state);
    ASSERT_NE(extracted, nullptr);
    std::filesystem::path p(extracted);
    EXPECT_EQ(p.parent_path(), temp.path());
    EXPECT_EQ(p.extension().string(), ".exe");
    EXPECT_EQ(torpin::test::readFile(p), a);
    EXPECT_TRUE(api.remove(state));
    EXPECT_FALSE(std::filesystem::exists(p));

    EXPECT_STREQ(api.next(state), "docs/readme.txt");  // the folder entry is passed over
    extracted = api.extract(state);
    ASSERT_NE(extracted, nullptr);
    EXPECT_EQ(torpin::test::readFile(extracted), b);
    EXPECT_EQ(api.next(state), nullptr);
    EXPECT_TRUE(api.close(state));
    EXPECT_TRUE(temp.files().empty());
    EXPECT_EQ(std::count(state, state + sizeof state, 0), static_cast<long>(sizeof state));
    EXPECT_EQ(api.first(state), nullptr);  // a closed state walks nothing
    EXPECT_FALSE(api.close(state));
}

TEST_F(TorpinDll, SkippedMembersReturnNullAndTheWalkGoesOn)
{
    torpin::test::ZipBuilder zip;
    zip.add({.name = "bomb.txt", .data = Bytes(8 * 1024 * 1024, 0), .deflate = true});
    zip.add({.name = "badcrc.txt", .data = {'x'}, .crc = 1});
    zip.add({.name = "secret.txt", .data = {'s'}, .flags = 1});
    zip.add({.name = "ok.txt", .data = {'o', 'k'}});
    zip.alias(3, "same-offset.txt");
    std::string path = put("hostile.zip", zip.finish());
    ASSERT_TRUE(api.open(handle, path.c_str(), state));
    std::vector<std::string> extracted;
    std::vector<int> why;
    EXPECT_EQ(api.status(state), TORPIN_EXTRACT_NO_MEMBER);
    for (LPCSTR n = api.first(state); n; n = api.next(state)) {
        LPCSTR p = api.extract(state);
        why.push_back(api.status(state));
        if (p) {
            EXPECT_TRUE(api.remove(state));
            // The scanner reports the member by this name after removing its file.
            extracted.emplace_back(n);
        }
    }
    EXPECT_EQ(extracted, std::vector<std::string> {"ok.txt"});
    EXPECT_EQ(why,
        (std::vector<int> {TORPIN_EXTRACT_LIMIT, TORPIN_EXTRACT_BAD_CRC, TORPIN_EXTRACT_ENCRYPTED, TORPIN_EXTRACT_OK,
            TORPIN_EXTRACT_OVERLAP}));
    EXPECT_EQ(api.status(state), TORPIN_EXTRACT_NO_MEMBER);
    EXPECT_TRUE(api.close(state));
    EXPECT_EQ(api.status(state), TORPIN_EXTRACT_NO_MEMBER);
    EXPECT_EQ(api.status(nullptr), TORPIN_EXTRACT_NO_MEMBER);
    EXPECT_TRUE(temp.files().empty());
}

TEST_F(TorpinDll, NamesAreShortPrintableAndOutliveExtractAndRemove)
{
    torpin::test::ZipBuilder zip;
    zip.add({.name = "row\tsplit\r\n.exe", .data = {'a'}});
    zip.add({.name = std::string(1000, 'L') + ".com", .data = {'b'}});
    std::string path = put("names.zip", zip.finish());
    ASSERT_TRUE(api.open(handle, path.c_str(), state));
    LPCSTR name = api.first(state);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(api.extract(state), nullptr);
    EXPECT_TRUE(api.remove(state));
    EXPECT_STREQ(name, "row_split__.exe");
    LPCSTR second = api.next(state);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(std::string(second), std::string(251, 'L') + ".com");
    EXPECT_TRUE(api.close(state));
}

TEST_F(TorpinDll, ArjArchivesOfEveryMethod)
{
    for (int method = 0; method <= 4; ++method) {
        std::string path = put(
            "m" + std::to_string(method) + ".arj", torpin::test::dataFile("method" + std::to_string(method) + ".arj"));
        ASSERT_TRUE(api.open(handle, path.c_str(), state));
        ASSERT_STREQ(api.first(state), "text.txt");
        LPCSTR p = api.extract(state);
        ASSERT_NE(p, nullptr) << method;
        EXPECT_EQ(torpin::test::readFile(p), torpin::test::textContent(20000, 31));
        EXPECT_TRUE(api.close(state));
    }
}

TEST_F(TorpinDll, CabinetMembers)
{
    std::string path = put("setup.cab", torpin::test::dataFile("mszip.cab"));
    ASSERT_EQ(api.type(handle, path.c_str()), TORPIN_TYPE_CAB);
    ASSERT_TRUE(api.open(handle, path.c_str(), state));
    ASSERT_STREQ(api.first(state), "text.txt");
    ASSERT_STREQ(api.next(state), "noise.bin");
    LPCSTR p = api.extract(state);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(torpin::test::readFile(p), torpin::test::noiseContent(3000, 32));
    EXPECT_TRUE(api.close(state));
    EXPECT_TRUE(temp.files().empty());
}

TEST_F(TorpinDll, AFileStillOpenIsDeletedAtClose)
{
    std::string path = put("held.zip", sampleZip({'h'}, {'i'}));
    ASSERT_TRUE(api.open(handle, path.c_str(), state));
    ASSERT_NE(api.first(state), nullptr);
    LPCSTR extracted = api.extract(state);
    ASSERT_NE(extracted, nullptr);
    std::string held = extracted;
    // The scanner opens members for reading and lets others read, not delete.
    HANDLE file = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(api.remove(state));
    EXPECT_TRUE(std::filesystem::exists(held));
    CloseHandle(file);
    EXPECT_TRUE(api.close(state));
    EXPECT_FALSE(std::filesystem::exists(held));
}

TEST_F(TorpinDll, StatesThatHoldNoWalkAreRefusedQuietly)
{
    EXPECT_EQ(api.first(state), nullptr);
    EXPECT_EQ(api.next(state), nullptr);
    EXPECT_EQ(api.extract(state), nullptr);
    EXPECT_FALSE(api.remove(state));
    EXPECT_FALSE(api.close(state));
    EXPECT_EQ(api.first(nullptr), nullptr);
    EXPECT_FALSE(api.close(nullptr));
    std::string text = put("plain.zip", torpin::test::textContent(300, 4));
    EXPECT_FALSE(api.open(handle, text.c_str(), state));
    EXPECT_EQ(api.first(state), nullptr);
    EXPECT_FALSE(api.open(handle, (files.str() + "\\absent.zip").c_str(), state));
    EXPECT_FALSE(api.open(0x55, text.c_str(), state));
    EXPECT_FALSE(api.setTemp(0x55, "C:\\"));
    EXPECT_FALSE(api.setExtensions(0x55, "ZIP", 1));
    EXPECT_FALSE(api.deinit(0x55));
}

TEST_F(TorpinDll, DeInitLeavesNoTemporaryFileBehind)
{
    std::string path = put("left.zip", sampleZip({'1', '2'}, {'3'}));
    ASSERT_TRUE(api.open(handle, path.c_str(), state));
    ASSERT_NE(api.first(state), nullptr);
    ASSERT_NE(api.extract(state), nullptr);
    char expanded[MAX_PATH] = {};
    ASSERT_TRUE(api.expand(handle, put("SETUP.EX_", torpin::test::szddEncode({'m', 'z'}, 'E')).c_str(), expanded, 0));
    EXPECT_EQ(temp.files().size(), 2u);
    EXPECT_TRUE(api.deinit(handle));
    handle = 0;
    EXPECT_TRUE(temp.files().empty());
}

TEST_F(TorpinDll, ExpandsCompressedSingleFiles)
{
    Bytes data = torpin::test::textContent(30000, 5);
    char expanded[MAX_PATH];
    std::memset(expanded, 'Q', sizeof expanded);
    ASSERT_TRUE(api.expand(handle, put("SETUP.EX_", torpin::test::szddEncode(data, 'E')).c_str(), expanded, 0));
    std::filesystem::path p(expanded);
    EXPECT_EQ(p.parent_path(), temp.path());
    EXPECT_EQ(p.extension().string(), ".EXE");
    EXPECT_EQ(torpin::test::readFile(p), data);
    std::memset(expanded, 'Q', sizeof expanded);
    EXPECT_FALSE(api.expand(handle, put("PLAIN.EX_", data).c_str(), expanded, 0));
    EXPECT_EQ(expanded[0], 'Q');  // untouched on failure
    EXPECT_FALSE(api.expand(handle, put("NULL.EX_", data).c_str(), nullptr, 0));
    EXPECT_FALSE(api.expand(0x55, put("SETUP2.EX_", torpin::test::szddEncode(data, 'E')).c_str(), expanded, 0));
    EXPECT_EQ(temp.files().size(), 1u);
}

}  // namespace
