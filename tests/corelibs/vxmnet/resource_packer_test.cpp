// The layout of packed entries: structures from the start, strings from the end, and exactly
// as many entries as fit.
#include <gtest/gtest.h>

#include "resource_packer.h"

namespace {

const std::wstring kProvider = L"Microsoft Windows Network";

std::vector<PackedEntry> TwoShares()
{
    PackedEntry admin;
    admin.remoteName = L"\\\\ALPHA\\ADMIN$";
    admin.comment = L"Remote Admin";
    admin.type = RESOURCETYPE_DISK;
    admin.displayType = RESOURCEDISPLAYTYPE_SHARE;
    admin.usage = RESOURCEUSAGE_CONNECTABLE;
    PackedEntry data = admin;
    data.remoteName = L"\\\\ALPHA\\DATA";
    data.comment.clear();
    return {admin, data};
}

TEST(ResourcePackerTest, StringsFillTheBufferFromItsEnd)
{
    const std::vector<PackedEntry> entries = TwoShares();
    const std::size_t first = PackedSize(entries[0], kProvider);
    const std::size_t second = PackedSize(entries[1], kProvider);
    EXPECT_EQ(first, sizeof(NETRESOURCEW) + 2 * (15 + 13 + 26));
    EXPECT_EQ(second, sizeof(NETRESOURCEW) + 2 * (13 + 26));

    std::vector<BYTE> buffer(first + second, 0xCC);
    std::size_t next = 0;
    DWORD needed = 1;
    ASSERT_EQ(PackEntries(entries, next, 10, kProvider, buffer.data(), static_cast<DWORD>(buffer.size()), needed), 2u);
    EXPECT_EQ(next, 2u);
    EXPECT_EQ(needed, 0u);
    const auto* packed = reinterpret_cast<const NETRESOURCEW*>(buffer.data());
    EXPECT_EQ(packed[0].dwScope, static_cast<DWORD>(RESOURCE_GLOBALNET));
    EXPECT_EQ(packed[0].dwType, static_cast<DWORD>(RESOURCETYPE_DISK));
    EXPECT_EQ(packed[0].lpLocalName, nullptr);
    EXPECT_STREQ(packed[0].lpRemoteName, L"\\\\ALPHA\\ADMIN$");
    EXPECT_STREQ(packed[0].lpComment, L"Remote Admin");
    EXPECT_STREQ(packed[1].lpProvider, kProvider.c_str());
    EXPECT_EQ(packed[1].lpComment, nullptr);
    // The first entry's remote name is the last string in the buffer; the strings of both
    // entries meet the second structure exactly.
    EXPECT_EQ(reinterpret_cast<const BYTE*>(packed[0].lpRemoteName), buffer.data() + buffer.size() - 30);
    EXPECT_EQ(reinterpret_cast<const BYTE*>(packed[1].lpProvider), buffer.data() + 2 * sizeof(NETRESOURCEW));
}

TEST(ResourcePackerTest, OnlyWholeEntriesAndTheCountLimit)
{
    const std::vector<PackedEntry> entries = TwoShares();
    const std::size_t first = PackedSize(entries[0], kProvider);
    std::vector<BYTE> buffer(first + PackedSize(entries[1], kProvider) - 1);
    std::size_t next = 0;
    DWORD needed = 0;
    EXPECT_EQ(PackEntries(entries, next, 10, kProvider, buffer.data(), static_cast<DWORD>(buffer.size()), needed), 1u);
    EXPECT_EQ(next, 1u);
    EXPECT_EQ(needed, 0u);  // something was written: nothing to ask for

    next = 0;
    EXPECT_EQ(PackEntries(entries, next, 1, kProvider, buffer.data(), static_cast<DWORD>(buffer.size()), needed), 1u);
    EXPECT_EQ(next, 1u);

    next = 0;
    EXPECT_EQ(PackEntries(entries, next, 10, kProvider, buffer.data(), static_cast<DWORD>(first - 1), needed), 0u);
    EXPECT_EQ(next, 0u);
    EXPECT_EQ(needed, first);
}

TEST(ResourcePackerTest, AConnectionWithoutADeviceStillHasALocalNameString)
{
    PackedEntry connection;
    connection.remoteName = L"\\\\BETA\\IPC$";
    connection.scope = RESOURCE_CONNECTED;
    connection.localNameAlways = true;
    std::vector<BYTE> buffer(512);
    std::size_t next = 0;
    DWORD needed = 0;
    ASSERT_EQ(PackEntries({connection}, next, 1, kProvider, buffer.data(), 512, needed), 1u);
    const auto* packed = reinterpret_cast<const NETRESOURCEW*>(buffer.data());
    ASSERT_NE(packed->lpLocalName, nullptr);
    EXPECT_STREQ(packed->lpLocalName, L"");
    EXPECT_EQ(PackedSize(connection, kProvider), sizeof(NETRESOURCEW) + 2 * (1 + 12 + 26));
}

}  // namespace
