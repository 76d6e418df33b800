// The ARJ reader on the arj tool's own archives (every method) and on damaged ones.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "arj_builder.h"
#include "arj_reader.h"
#include "archive_type.h"
#include "test_files.h"

namespace torpin {
namespace {

using test::Bytes;

// The fixtures hold these two files, made by the arj tool with -m0 to -m4.
const Bytes& fixtureText() {
    static const Bytes text = test::textContent(20000, 31);
    return text;
}
const Bytes& fixtureNoise() {
    static const Bytes noise = test::noiseContent(3000, 32);
    return noise;
}

std::vector<MemberInfo> listAll(ArjReader& reader) {
    std::vector<MemberInfo> out;
    MemberInfo m;
    for (bool ok = reader.first(m); ok; ok = reader.next(m)) out.push_back(m);
    return out;
}

ExtractStatus extractTo(ArjReader& reader, const MemberInfo& m, Bytes& out,
                        std::uint64_t maxBytes = limits::kMaxMemberBytes) {
    MemorySink sink;
    ExtractStatus status = reader.extract(m, sink, maxBytes);
    out = sink.bytes;
    return status;
}

TEST(ArjReader, DecodesEveryMethodTheToolWrites) {
    for (int method = 0; method <= 4; ++method) {
        Bytes archive = test::dataFile("method" + std::to_string(method) + ".arj");
        ASSERT_FALSE(archive.empty()) << method;
        MemorySource source(archive.data(), archive.size());
        EXPECT_EQ(detectArchiveType(source), ArchiveType::Arj);
        ArjReader reader(source);
        auto members = listAll(reader);
        ASSERT_EQ(members.size(), 2u) << method;
        EXPECT_EQ(members[0].name, "text.txt");
        EXPECT_EQ(members[0].method, method);
        EXPECT_EQ(members[0].size, 20000u);
        EXPECT_EQ(members[1].name, "noise.bin");
        Bytes text, noise;
        EXPECT_EQ(extractTo(reader, members[0], text), ExtractStatus::Ok) << method;
        EXPECT_EQ(text, fixtureText()) << method;
        EXPECT_EQ(extractTo(reader, members[1], noise), ExtractStatus::Ok) << method;
        EXPECT_EQ(noise, fixtureNoise()) << method;
    }
}

TEST(ArjReader, GarbledMembersAreListedNotDecoded) {
    Bytes archive = test::dataFile("garbled.arj");
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = listAll(reader);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_TRUE(members[0].encrypted);
    Bytes out;
    EXPECT_EQ(extractTo(reader, members[0], out), ExtractStatus::Encrypted);
}

TEST(ArjReader, BadDataCrcSkipsOnlyThatMember) {
    test::ArjBuilder arj;
    arj.add({.name = "bad.txt", .data = {'a', 'b', 'c'}, .crc = 0xDEADBEEF});
    arj.add({.name = "good.txt", .data = {'d', 'e'}});
    Bytes archive = arj.finish();
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = listAll(reader);
    ASSERT_EQ(members.size(), 2u);
    Bytes out;
    EXPECT_EQ(extractTo(reader, members[0], out), ExtractStatus::BadCrc);
    EXPECT_EQ(extractTo(reader, members[1], out), ExtractStatus::Ok);
    EXPECT_EQ(out, (Bytes{'d', 'e'}));
}

TEST(ArjReader, ADamagedHeaderEndsTheWalk) {
    Bytes archive = test::dataFile("method1.arj");
    auto headers = test::arjHeaders(archive);
    ASSERT_EQ(headers.size(), 3u);
    archive[headers[2] + 10] ^= 0x01;  // a flag bit of the second member, CRC left as it was
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = listAll(reader);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].name, "text.txt");
}

TEST(ArjReader, DamagedStreamsOfEveryMethodFailCleanly) {
    for (int method = 1; method <= 4; ++method) {
        Bytes clean = test::dataFile("method" + std::to_string(method) + ".arj");
        auto headers = test::arjHeaders(clean);
        for (std::size_t delta : {std::size_t{40}, std::size_t{400}, std::size_t{2000}}) {
            for (std::uint8_t mask : {std::uint8_t{0x01}, std::uint8_t{0xFF}, std::uint8_t{0x5A}}) {
                Bytes archive = clean;
                // Past the header (basic size + 4 + 4 + 2) into the compressed data.
                std::size_t basic = archive[headers[1] + 2] | (archive[headers[1] + 3] << 8);
                std::size_t data = headers[1] + 4 + basic + 4 + 2;
                archive[data + delta] ^= mask;
                MemorySource source(archive.data(), archive.size());
                ArjReader reader(source);
                auto members = listAll(reader);
                ASSERT_EQ(members.size(), 2u);
                Bytes out;
                EXPECT_NE(extractTo(reader, members[0], out), ExtractStatus::Ok) << method << " " << delta;
                EXPECT_LE(out.size(), 20000u);
            }
        }
    }
}

TEST(ArjReader, TruncatedArchivesNeverDecodePastTheirEnd) {
    Bytes clean = test::dataFile("method4.arj");
    for (std::size_t keep : {std::size_t{0}, std::size_t{10}, std::size_t{60}, std::size_t{200}, clean.size() / 2}) {
        Bytes cut(clean.begin(), clean.begin() + static_cast<long>(keep));
        MemorySource source(cut.data(), cut.size());
        ArjReader reader(source);
        MemberInfo m;
        if (reader.first(m)) {
            Bytes out;
            EXPECT_EQ(extractTo(reader, m, out), ExtractStatus::Corrupt) << keep;
        }
    }
}

TEST(ArjReader, DeclaredSizesNeverBoundTheOutput) {
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
        auto members = listAll(reader);
        ASSERT_EQ(members.size(), 2u);
        EXPECT_EQ(members[0].size, 30000u);
        Bytes out;
        EXPECT_NE(extractTo(reader, members[0], out), ExtractStatus::Ok);
        EXPECT_LE(out.size(), 30000u);
        EXPECT_EQ(extractTo(reader, members[0], out, 29999), ExtractStatus::Limit);
        EXPECT_TRUE(out.empty());
    }
}

TEST(ArjReader, UnknownMethodsFoldersAndStubs) {
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
    auto members = listAll(reader);
    ASSERT_EQ(members.size(), 3u);
    EXPECT_FALSE(members[0].directory);
    EXPECT_TRUE(members[1].directory);
    Bytes out;
    EXPECT_EQ(extractTo(reader, members[0], out), ExtractStatus::Unsupported);
    EXPECT_EQ(extractTo(reader, members[2], out), ExtractStatus::Ok);
    EXPECT_EQ(out, Bytes{'z'});
}

TEST(ArjReader, StoredSizeMismatchIsCorrupt) {
    test::ArjBuilder arj;
    arj.add({.name = "liar.txt", .data = {'a', 'b'}, .size = 3});
    Bytes archive = arj.finish();
    MemorySource source(archive.data(), archive.size());
    ArjReader reader(source);
    auto members = listAll(reader);
    ASSERT_EQ(members.size(), 1u);
    Bytes out;
    EXPECT_EQ(extractTo(reader, members[0], out), ExtractStatus::Corrupt);
}

}  // namespace
}  // namespace torpin
