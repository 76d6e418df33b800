// The broadcast address tables: shapes, chunked loads and saves at their limits, file payloads.
#include <gtest/gtest.h>

#include "address_table.h"

namespace {

// `count` entries of the table, each filled with its own index byte.
std::vector<std::uint8_t> Entries(const TableShape& shape, std::uint32_t count, std::uint8_t base = 0)
{
    std::vector<std::uint8_t> bytes(std::size_t(count) * shape.entrySize);
    for (std::uint32_t i = 0; i < count; ++i)
        std::fill_n(bytes.begin() + std::size_t(i) * shape.entrySize, shape.entrySize, std::uint8_t(base + i));
    return bytes;
}

}  // namespace

TEST(AddressTable, ShapesOfTheThreeTables)
{
    ASSERT_TRUE(FindTable(1) && FindTable(2) && FindTable(4));
    EXPECT_EQ(80u, FindTable(1)->entrySize);
    EXPECT_EQ(3072u, FindTable(1)->largestCount);
    EXPECT_EQ(24u, FindTable(2)->entrySize);
    EXPECT_EQ(4096u, FindTable(2)->largestCount);
    EXPECT_EQ(24u, FindTable(4)->entrySize);
    EXPECT_EQ(32u, FindTable(4)->largestCount);
    EXPECT_FALSE(FindTable(0));
    EXPECT_FALSE(FindTable(3));
    EXPECT_FALSE(FindTable(8));
}

TEST(AddressTable, SavedInRunsAndLoadedBackByteForByte)
{
    const TableShape& shape = *FindTable(1);
    const std::vector<std::uint8_t> all = Entries(shape, 450);
    AddressTable table(shape);
    EXPECT_EQ(200u, table.Save(all.data(), 200, true));
    EXPECT_EQ(200u, table.Save(all.data() + 200 * 80, 200, false));
    EXPECT_EQ(50u, table.Save(all.data() + 400 * 80, 50, false));
    EXPECT_EQ(450u, table.Count());

    std::vector<std::uint8_t> loaded(all.size());
    std::uint32_t count = 0, got = 0;
    while ((got = table.Load(count, 200, loaded.data() + std::size_t(count) * 80, loaded.size() - count * 80u)) > 0)
        count += got;
    EXPECT_EQ(450u, count);
    EXPECT_EQ(all, loaded);
    EXPECT_EQ(0u, table.Load(450, 200, loaded.data(), loaded.size())) << "past the end";
}

TEST(AddressTable, ReplaceStartsAfreshAndAnEmptyReplaceEmptiesTheTable)
{
    const TableShape& shape = *FindTable(4);
    AddressTable table(shape);
    const auto first = Entries(shape, 5);
    table.Save(first.data(), 5, true);
    const auto second = Entries(shape, 2, 0x40);
    table.Save(second.data(), 2, true);
    EXPECT_EQ(second, table.Bytes());
    EXPECT_EQ(0u, table.Save(nullptr, 0, true));
    EXPECT_EQ(0u, table.Count());
}

TEST(AddressTable, NothingIsStoredBeyondTheLargestCount)
{
    const TableShape& shape = *FindTable(4);
    AddressTable table(shape);
    const auto many = Entries(shape, 40);
    EXPECT_EQ(32u, table.Save(many.data(), 40, true)) << "the 33rd entry does not fit";
    EXPECT_EQ(0u, table.Save(many.data(), 1, false));
    EXPECT_EQ(32u, table.Count());
}

TEST(AddressTable, LoadNeverWritesPastTheBuffer)
{
    const TableShape& shape = *FindTable(2);
    AddressTable table(shape);
    const auto entries = Entries(shape, 10);
    table.Save(entries.data(), 10, true);
    std::vector<std::uint8_t> small(3 * 24 + 5, 0xEE);
    EXPECT_EQ(3u, table.Load(0, 400, small.data(), small.size()));
    EXPECT_EQ(0xEE, small[3 * 24]) << "the bytes after three whole entries are untouched";
    EXPECT_EQ(0u, table.Load(0, 400, nullptr, 0));
}

TEST(AddressTable, PayloadBytesAndDamagedPayloadsRefused)
{
    const TableShape& shape = *FindTable(4);
    AddressTable table(shape);
    const auto entries = Entries(shape, 2, 0x10);
    table.Save(entries.data(), 2, true);
    const std::vector<std::uint8_t> payload = table.Encode();
    ASSERT_EQ(12u + 48u, payload.size());
    EXPECT_EQ((std::vector<std::uint8_t> {4, 0, 0, 0, 24, 0, 0, 0, 2, 0, 0, 0}),
        std::vector<std::uint8_t>(payload.begin(), payload.begin() + 12));
    const auto decoded = AddressTable::Decode(shape, payload);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(entries, decoded->Bytes());

    EXPECT_FALSE(AddressTable::Decode(*FindTable(2), payload)) << "another table's file";
    auto wrongCount = payload;
    wrongCount[8] = 3;
    EXPECT_FALSE(AddressTable::Decode(shape, wrongCount));
    auto wrongSize = payload;
    wrongSize[4] = 80;
    EXPECT_FALSE(AddressTable::Decode(shape, wrongSize));
    EXPECT_FALSE(AddressTable::Decode(shape, std::vector<std::uint8_t>(payload.begin(), payload.begin() + 11)));

    // A count above the largest is refused even when the payload holds that many entries.
    AddressTable full(shape);
    const auto most = Entries(shape, 32);
    full.Save(most.data(), 32, true);
    auto overfull = full.Encode();
    overfull[8] = 33;
    overfull.insert(overfull.end(), 24, 0);
    EXPECT_FALSE(AddressTable::Decode(shape, overfull));
    EXPECT_EQ(12u + 32u * 24u, AddressTable::LargestPayload(shape));
}
