// Compressed single files: the window's start, every match length, damage and limits.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "compressed_file.h"
#include "szdd_decoder.h"
#include "szdd_encoder.h"
#include "test_files.h"

namespace torpin {
namespace {

using test::Bytes;

ExtractStatus expandBytes(const Bytes& file, Bytes& out, std::uint64_t maxBytes = limits::kMaxMemberBytes)
{
    MemorySource source(file.data(), file.size());
    MemorySink sink;
    ExtractStatus status = SzddDecoder::expand(source, sink, maxBytes);
    out = sink.bytes;
    return status;
}

Bytes header(std::uint32_t size)
{
    Bytes h = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 'E'};
    test::put32(h, size);
    return h;
}

TEST(SzddDecoder, RoundTripsTextNoiseAndEmptyFiles)
{
    for (const Bytes& data : {test::textContent(200000, 1), test::noiseContent(10000, 2), Bytes {}, Bytes(5000, 'z'),
             test::textContent(7, 3)}) {
        Bytes out;
        EXPECT_EQ(expandBytes(test::szddEncode(data), out), ExtractStatus::Ok) << data.size();
        EXPECT_EQ(out, data);
    }
}

TEST(SzddDecoder, WindowStartsWithSpacesAtPosition0xFF0)
{
    // Control 0x02: a match, then a literal. The match copies 5 bytes from position 0,
    // which still holds the window's initial spaces.
    Bytes file = header(6);
    file.insert(file.end(), {0x02, 0x00, 0x02, 'x'});
    Bytes out;
    EXPECT_EQ(expandBytes(file, out), ExtractStatus::Ok);
    EXPECT_EQ(out, (Bytes {' ', ' ', ' ', ' ', ' ', 'x'}));
    // Literals "ab" land at 0xFF0 and 0xFF1; a match from 0xFF0 of length 18 repeats them.
    Bytes repeat = header(20);
    repeat.insert(repeat.end(), {0x03, 'a', 'b', 0xF0, 0xFF});
    EXPECT_EQ(expandBytes(repeat, out), ExtractStatus::Ok);
    EXPECT_EQ(out,
        (Bytes {'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b'}));
}

TEST(SzddDecoder, HeaderAndNames)
{
    Bytes file = test::szddEncode(test::textContent(10, 4), 'E');
    MemorySource source(file.data(), file.size());
    SzddHeader h;
    ASSERT_TRUE(SzddDecoder::readHeader(source, h));
    EXPECT_EQ(h.missingChar, 'E');
    EXPECT_EQ(h.size, 10u);
    EXPECT_EQ(SzddDecoder::expandedName("SETUP.EX_", 'E'), "SETUP.EXE");
    EXPECT_EQ(SzddDecoder::expandedName("SETUP.EXE_", 0), "SETUP.EXE");
    // Without a missing character the name keeps its '_', so "EX_" still reads as a program.
    EXPECT_EQ(SzddDecoder::expandedName("SETUP.EX_", 0), "SETUP.EX_");
    EXPECT_EQ(SzddDecoder::expandedName("A.C_", 0), "A.C_");
    EXPECT_EQ(SzddDecoder::expandedName("NOEXT_", 0), "NOEXT_");
    EXPECT_EQ(SzddDecoder::expandedName("SETUP.EX_", '.'), "SETUP.EX_");
    EXPECT_EQ(SzddDecoder::expandedName("SETUP.EX_", '\\'), "SETUP.EX_");
    EXPECT_EQ(SzddDecoder::expandedName("DIR.LONG\\X_", 0), "DIR.LONG\\X_");
    EXPECT_EQ(SzddDecoder::expandedName("PLAIN.TXT", 'X'), "PLAIN.TXT");
    Bytes wrongMethod = file;
    wrongMethod[8] = 'B';
    Bytes out;
    EXPECT_EQ(expandBytes(wrongMethod, out), ExtractStatus::Unsupported);
    Bytes shortHeader(file.begin(), file.begin() + 13);
    EXPECT_EQ(expandBytes(shortHeader, out), ExtractStatus::Unsupported);
}

TEST(SzddDecoder, TruncatedAndOverlongDeclarationsAreCorrupt)
{
    Bytes data = test::textContent(30000, 5);
    Bytes file = test::szddEncode(data);
    Bytes out;
    Bytes cut(file.begin(), file.begin() + static_cast<long>(file.size() / 2));
    EXPECT_EQ(expandBytes(cut, out), ExtractStatus::Corrupt);
    EXPECT_LT(out.size(), data.size());
    Bytes longer = file;
    longer[10] = static_cast<std::uint8_t>(longer[10] + 1);  // declares one byte more
    EXPECT_EQ(expandBytes(longer, out), ExtractStatus::Corrupt);
}

TEST(SzddDecoder, DeclaredSizeBoundsTheOutput)
{
    Bytes data = test::textContent(30000, 6);
    Bytes file = test::szddEncode(data);
    file[10] = 0x10;  // 30000 is 0x7530; the low byte now declares 0x7510
    Bytes out;
    EXPECT_EQ(expandBytes(file, out), ExtractStatus::Ok);
    EXPECT_EQ(out.size(), 0x7510u);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), data.begin()));
}

TEST(SzddDecoder, SizeLimitAtItsEdge)
{
    Bytes data(5000, 'q');
    Bytes file = test::szddEncode(data);
    Bytes out;
    EXPECT_EQ(expandBytes(file, out, 5000), ExtractStatus::Ok);
    EXPECT_EQ(expandBytes(file, out, 4999), ExtractStatus::Limit);
    Bytes liar = header(0xFFFFFFFF);
    liar.insert(liar.end(), file.begin() + 14, file.end());
    EXPECT_EQ(expandBytes(liar, out, 5000), ExtractStatus::Limit);
}

TEST(CompressedFile, ExpandsIntoAGeneratedNameWithTheOriginalExtension)
{
    test::TempDir source, temp;
    Bytes data = test::textContent(40000, 7);
    test::writeFile(source.path() / "SETUP.EX_", test::szddEncode(data, 'E'));
    test::writeFile(source.path() / "PLAIN.TX_", data);
    TempFileFactory temps(0x20);
    temps.setDirectory(temp.str());
    std::string path;
    ASSERT_EQ(expandCompressedFile((source.path() / "SETUP.EX_").string(), temps, path), ExtractStatus::Ok);
    EXPECT_EQ(std::filesystem::path(path).filename().string(), "TPN00000020.EXE");
    EXPECT_EQ(test::readFile(path), data);
    std::string none;
    EXPECT_EQ(expandCompressedFile((source.path() / "PLAIN.TX_").string(), temps, none), ExtractStatus::Unsupported);
    EXPECT_EQ(expandCompressedFile((source.path() / "MISSING.EX_").string(), temps, none), ExtractStatus::Unsupported);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(temp.files().size(), 1u);
    // A header without the missing character: the copy carries "EX_", not "EX".
    test::writeFile(source.path() / "TOOL.EX_", test::szddEncode(data, 0));
    ASSERT_EQ(expandCompressedFile((source.path() / "TOOL.EX_").string(), temps, path), ExtractStatus::Ok);
    EXPECT_EQ(std::filesystem::path(path).extension().string(), ".EX_");
}

}  // namespace
}  // namespace torpin
