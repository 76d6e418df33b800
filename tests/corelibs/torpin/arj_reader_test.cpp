// The ARJ reader on the arj tool's own archives (every method) and on damaged ones.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "arj_builder.h"
#include "arj_reader.h"
#include "archive_type.h"
#include "bounded_source.h"
#include "test_files.h"

namespace torpin {
namespace {

using test::Bytes;

// The fixtures hold these two files, made by the arj tool with -m0 to -m4.
const Bytes& fixtureText()
{
    static const Bytes text = test::textContent(20000, 31);
    return text;
}
const Bytes& fixtureNoise()
{
    static const Bytes noise = test::noiseContent(3000, 32);
    return noise;
}

TEST(ArjReader, DecodesEveryMethodTheToolWrites)
{
    for (int method = 0; method <= 4; ++method) {
        Bytes archive = test::dataFile("method" + std::to_string(method) + ".arj");
        ASSERT_FALSE(archive.empty()) << method;
        MemorySource source(archive.data(), archive.size());
        EXPECT_EQ(detectArchiveType(source), ArchiveType::Arj);
        ArjReader reader(source);
        auto members = test::listMembers(reader);
        ASSERT_EQ(members.size(), 2u) << method;
        EXPECT_EQ(members[0].name, "text.txt");
        EXPECT_EQ(members[0].method, method);
        EXPECT_EQ(members[0].size, 20000u);
        EXPECT_EQ(members[1].name, "noise.bin");
        Bytes text, noise;
        EXPECT_EQ(test::extractBytes(reader, members[0], text), ExtractStatus::Ok) << method;
        EXPECT_EQ(text, fixtureText()) << method;
        EXPECT_EQ(test::extractBytes(reader, members[1], noise), ExtractStatus::Ok) << method;
        EXPECT_EQ(noise, fixtureNoise()) << method;
    }
}

TEST(ArjReader, GarbledMembersAreListedNotDecoded)
{
    Bytes archive = test::dataFile("garbled.arj");
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_TRUE(members[0].encrypted);
    Bytes out;
    EXPECT_EQ(test::extractBytes(reader, members[0], out), ExtractStatus::Encrypted);
}

TEST(ArjReader, BadDataCrcSkipsOnlyThatMember)
{
    test::ArjBuilder arj;
    arj.add({.name = "bad.txt", .data = {'a', 'b', 'c'}, .crc = 0xDEADBEEF});
    arj.add({.name = "good.txt", .data = {'d', 'e'}});
    Bytes archive = arj.finish();
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 2u);
    Bytes out;
    EXPECT_EQ(test::extractBytes(reader, members[0], out), ExtractStatus::BadCrc);
    EXPECT_EQ(test::extractBytes(reader, members[1], out), ExtractStatus::Ok);
    EXPECT_EQ(out, (Bytes {'d', 'e'}));
}

TEST(ArjReader, ADamagedHeaderEndsTheWalk)
{
    Bytes archive = test::dataFile("method1.arj");
    auto headers = test::arjHeaders(archive);
    ASSERT_EQ(headers.size(), 3u);
    archive[headers[2] + 10] ^= 0x01;  // a flag bit of the second member, CRC left as it was
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].name, "text.txt");
}

TEST(ArjReader, DamagedStreamsOfEveryMethodFailCleanly)
{
    for (int method = 1; method <= 4; ++method) {
        Bytes clean = test::dataFile("method" + std::to_string(method) + ".arj");
        auto headers = test::arjHeaders(clean);
        for (std::size_t delta : {std::size_t {40}, std::size_t {400}, std::size_t {2000}}) {
            for (std::uint8_t mask : {std::uint8_t {0x01}, std::uint8_t {0xFF}, std::uint8_t {0x5A}}) {
                Bytes archive = clean;
                // Past the header (basic size + 4 + 4 + 2) into the compressed data.
                std::size_t basic = archive[headers[1] + 2] | (archive[headers[1] + 3] << 8);
                std::size_t data = headers[1] + 4 + basic + 4 + 2;
                archive[data + delta] ^= mask;
                MemorySource source(archive.data(), archive.size());
                ArjReader reader(source);
                auto members = test::listMembers(reader);
                ASSERT_EQ(members.size(), 2u);
                Bytes out;
                EXPECT_NE(test::extractBytes(reader, members[0], out), ExtractStatus::Ok) << method << " " << delta;
                EXPECT_LE(out.size(), 20000u);
            }
        }
    }
}

TEST(ArjReader, TruncatedArchivesNeverDecodePastTheirEnd)
{
    Bytes clean = test::dataFile("method4.arj");
    for (std::size_t keep :
        {std::size_t {0}, std::size_t {10}, std::size_t {60}, std::size_t {200}, clean.size() / 2}) {
        Bytes cut(clean.begin(), clean.begin() + static_cast<long>(keep));
        MemorySource source(cut.data(), cut.size());
        ArjReader reader(source);
        MemberInfo m;
        if (reader.first(m)) {
            Bytes out;
            EXPECT_EQ(test::extractBytes(reader, m, out), ExtractStatus::Corrupt) << keep;
        }
    }
}

TEST(ArjReader, DeclaredSizesNeverBoundTheOutput)
{
    for (int method : {1, 4}) {
        Bytes archive = test::dataFile("method" + std::to_string(method) + ".arj");
        auto headers = test::arjHeaders(archive);
        // Original size of the text member (+16 in its basic header): 20000 -> 30000.
        std::size_t at = headers[1] + 4 + 16;
        archive[at] = 0x30;
        archive[at + 1] = 0x75;
        test::fixArjHeaderCrc(archive, headers[1]);
        MemorySource source(archive.data(), archive.size());
        ArjReader reader(source);
        auto members = test::listMembers(reader);
        ASSERT_EQ(members.size(), 2u);
        EXPECT_EQ(members[0].size, 30000u);
        Bytes out;
        EXPECT_NE(test::extractBytes(reader, members[0], out), ExtractStatus::Ok);
        EXPECT_LE(out.size(), 30000u);
        EXPECT_EQ(test::extractBytes(reader, members[0], out, 29999), ExtractStatus::Limit);
        EXPECT_TRUE(out.empty());
    }
}

TEST(ArjReader, UnknownMethodsFoldersAndStubs)
{
    test::ArjBuilder arj;
    arj.add({.name = "seven.bin", .data = {1, 2, 3}, .method = 7});
    arj.add({.name = "folder", .data = {}, .type = 3});
    arj.add({.name = "z.txt", .data = {'z'}});
    Bytes plain = arj.finish();
    Bytes archive = plain;
    archive.insert(archive.begin(), 3000, 0x4D);  // a program's stub in front: "MZ", ...
    archive[1] = 'Z';
    MemorySource source(archive.data(), archive.size());
    EXPECT_EQ(detectArchiveType(source), ArchiveType::Arj);
    Bytes notProgram = archive;
    notProgram[1] = 'M';
    MemorySource other(notProgram.data(), notProgram.size());
    EXPECT_EQ(detectArchiveType(other), ArchiveType::None);
    ArjReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 3u);
    EXPECT_FALSE(members[0].directory);
    EXPECT_TRUE(members[1].directory);
    Bytes out;
    EXPECT_EQ(test::extractBytes(reader, members[0], out), ExtractStatus::Unsupported);
    EXPECT_EQ(test::extractBytes(reader, members[2], out), ExtractStatus::Ok);
    EXPECT_EQ(out, Bytes {'z'});
}

TEST(ArjReader, StoredSizeMismatchIsCorrupt)
{
    test::ArjBuilder arj;
    arj.add({.name = "liar.txt", .data = {'a', 'b'}, .size = 3});
    Bytes archive = arj.finish();
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 1u);
    Bytes out;
    EXPECT_EQ(test::extractBytes(reader, members[0], out), ExtractStatus::Corrupt);
}

// Puts count extended headers of size bytes each (with good CRCs, unless crcOk is false)
// behind the header at offset.
void addExtendedHeaders(Bytes& archive, std::size_t offset, int count, std::size_t size, bool crcOk = true)
{
    std::size_t basic = archive[offset + 2] | (archive[offset + 3] << 8);
    std::size_t at = offset + 4 + basic + 4;
    Bytes extended;
    for (int i = 0; i < count; ++i) {
        Bytes data(size, static_cast<std::uint8_t>('a' + i % 26));
        test::put16(extended, static_cast<std::uint32_t>(size));
        extended.insert(extended.end(), data.begin(), data.end());
        test::put32(extended, test::crcOf(data) ^ (crcOk ? 0u : 1u));
    }
    archive.insert(archive.begin() + static_cast<std::ptrdiff_t>(at), extended.begin(), extended.end());
}

Bytes twoMembers()
{
    test::ArjBuilder arj;
    arj.add({.name = "one.txt", .data = {'1'}});
    arj.add({.name = "two.txt", .data = {'2'}});
    return arj.finish();
}

std::vector<std::string> namesOf(const Bytes& archive)
{
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    std::vector<std::string> names;
    for (const MemberInfo& m : test::listMembers(reader))
        names.push_back(m.name);
    return names;
}

TEST(ArjReader, ExtendedHeadersAreCheckedAndFewAreFollowed)
{
    Bytes archive = twoMembers();
    std::vector<std::size_t> headers = test::arjHeaders(archive);
    ASSERT_EQ(headers.size(), 3u);
    Bytes most = archive;
    addExtendedHeaders(most, headers[1], int(limits::kMaxExtendedHeaders), 5);
    EXPECT_EQ(namesOf(most), (std::vector<std::string> {"one.txt", "two.txt"}));
    {
        MemorySource source(most.data(), most.size());
        ArjReader reader(source);
        auto members = test::listMembers(reader);
        Bytes out;
        ASSERT_EQ(members.size(), 2u);
        EXPECT_EQ(test::extractBytes(reader, members[0], out), ExtractStatus::Ok);
        EXPECT_EQ(out, Bytes {'1'});
    }
    // One more than allowed, a bad CRC or one running past the end: the walk ends there.
    Bytes tooMany = archive;
    addExtendedHeaders(tooMany, headers[1], int(limits::kMaxExtendedHeaders) + 1, 5);
    EXPECT_TRUE(namesOf(tooMany).empty());
    Bytes badCrc = archive;
    addExtendedHeaders(badCrc, headers[2], 1, 9, false);
    EXPECT_EQ(namesOf(badCrc), (std::vector<std::string> {"one.txt"}));
    Bytes pastEnd = archive;
    std::size_t basic = pastEnd[headers[2] + 2] | (pastEnd[headers[2] + 3] << 8);
    pastEnd[headers[2] + 4 + basic + 4] = 0xFF;
    pastEnd[headers[2] + 4 + basic + 5] = 0xFF;
    EXPECT_EQ(namesOf(pastEnd), (std::vector<std::string> {"one.txt"}));
    // The main header's own extended headers count the same way.
    Bytes mainMany = archive;
    addExtendedHeaders(mainMany, headers[0], int(limits::kMaxExtendedHeaders) + 1, 3);
    MemorySource source(mainMany.data(), mainMany.size());
    EXPECT_EQ(detectArchiveType(source), ArchiveType::None);
}

TEST(ArjReader, ExtendedHeadersAreBoundedOverTheWholeArchive)
{
    test::ArjBuilder arj;
    const int members = int(limits::kMaxArchiveExtendedHeaders / limits::kMaxExtendedHeaders) + 2;
    for (int i = 0; i < members; ++i)
        arj.add({.name = "m" + std::to_string(i), .data = {'x'}});
    Bytes archive = arj.finish();
    std::vector<std::size_t> headers = test::arjHeaders(archive);
    ASSERT_EQ(headers.size(), std::size_t(members) + 1);
    // From the back, so that the offsets in front stay right.
    for (std::size_t i = headers.size() - 1; i >= 1; --i)
        addExtendedHeaders(archive, headers[i], int(limits::kMaxExtendedHeaders), 1);
    std::size_t within = limits::kMaxArchiveExtendedHeaders / limits::kMaxExtendedHeaders;
    EXPECT_EQ(namesOf(archive).size(), within);
}

// Counts what a type check reads.
class CountingSource final : public ByteSource {
public:
    explicit CountingSource(const Bytes& bytes) : m_inner(bytes.data(), bytes.size()) { }
    std::uint64_t size() const override { return m_inner.size(); }
    std::size_t read(std::uint64_t offset, void* out, std::size_t n) override
    {
        std::size_t got = m_inner.read(offset, out, n);
        bytes += got;
        return got;
    }
    std::uint64_t bytes = 0;

private:
    MemorySource m_inner;
};

// A program whose first 256 KiB are nothing but would-be main headers, eight bytes apart,
// each claiming 2,562 bytes with a CRC that never holds.
Bytes craftedHeaderField(std::size_t length)
{
    Bytes file(length, 0);
    file[0] = 'M';
    file[1] = 'Z';
    const std::uint8_t unit[8] = {0x60, 0xEA, 0x02, 0x0A, 0x1E, 0, 0, 0};
    for (std::size_t at = 8; at + 8 <= limits::kMaxLeadingBytes && at + 8 <= length; at += 8)
        std::copy(unit, unit + 8, file.begin() + static_cast<std::ptrdiff_t>(at));
    return file;
}

TEST(ArchiveType, ACraftedHeaderFieldIsReadOnceNotAtEveryCandidate)
{
    Bytes crafted = craftedHeaderField(limits::kMaxLeadingBytes + 4096);
    CountingSource source(crafted);
    EXPECT_EQ(detectArchiveType(source), ArchiveType::None);
    EXPECT_LT(source.bytes, 2u * limits::kMaxLeadingBytes);
}

TEST(ArchiveType, MainHeadersWithBrokenExtendedChainsStopAtTheArchiveBudget)
{
    // Each candidate main header is sound, but its extended header fails its CRC.
    test::ArjBuilder arj;
    Bytes one = arj.finish();
    std::size_t basic = one[2] | (one[3] << 8);
    Bytes main(one.begin(), one.begin() + static_cast<std::ptrdiff_t>(4 + basic + 4 + 2));
    Bytes unit = main;
    addExtendedHeaders(unit, 0, 1, 60000, false);
    Bytes file = {'M', 'Z'};
    while (file.size() + unit.size() < limits::kMaxLeadingBytes * 3)
        file.insert(file.end(), unit.begin(), unit.end());
    CountingSource source(file);
    EXPECT_EQ(detectArchiveType(source), ArchiveType::None);
    EXPECT_LE(source.bytes, limits::kMaxTypeCheckBytes);
}

TEST(BoundedSource, StopsAnsweringOnceItsBudgetIsSpent)
{
    Bytes data(100, 7);
    MemorySource inner(data.data(), data.size());
    BoundedSource bounded(inner, 60, std::chrono::milliseconds(60000));
    std::uint8_t out[40];
    EXPECT_EQ(bounded.read(0, out, 40), 40u);
    EXPECT_EQ(bounded.read(40, out, 20), 20u);
    EXPECT_FALSE(bounded.exhausted());
    EXPECT_EQ(bounded.read(60, out, 1), 0u);
    EXPECT_TRUE(bounded.exhausted());
    EXPECT_EQ(bounded.read(0, out, 1), 0u);
    BoundedSource late(inner, 1000, std::chrono::milliseconds(-1));
    EXPECT_EQ(late.read(0, out, 1), 0u);
    EXPECT_TRUE(late.exhausted());
}

}  // namespace
}  // namespace torpin
