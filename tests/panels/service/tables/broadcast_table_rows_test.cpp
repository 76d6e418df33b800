// Entries as list rows and back: the row texts of each table and the bytes a row stands for.
#include <gtest/gtest.h>

#include "broadcast_entry_dlg.h"
#include "broadcast_table_kind.h"
#include "table_entries_for_tests.h"

namespace {

template <class Entry> const BYTE* Bytes(const Entry& entry)
{
    return reinterpret_cast<const BYTE*>(&entry);
}

template <class Entry> std::vector<BYTE> FromRow(const BroadcastTableKind& kind, const std::string& row)
{
    // Filled first, so that a byte the row leaves alone would show.
    std::vector<BYTE> bytes(sizeof(Entry), 0xCC);
    kind.entryFromRow(row, bytes.data(), BroadcastTableTexts::Load());
    return bytes;
}

template <class Entry> std::vector<BYTE> BytesOfOne(const Entry& entry)
{
    return BytesOf(std::vector<Entry> {entry});
}

}  // namespace

TEST(BroadcastTableRows, TextsOfEachTable)
{
    const BroadcastTableTexts texts = BroadcastTableTexts::Load();
    EXPECT_EQ("SALES\tYes\tUser", kNtDomainTable.rowText(Bytes(NtDomain("SALES")), texts));
    EXPECT_EQ("LAB\tNo\tAuto", kNtDomainTable.rowText(Bytes(NtDomain("LAB", 0, kOwnerAutomatic)), texts));
    EXPECT_EQ("10.1.0.0\t255.255.0.0\tYes\tAuto",
        kIpNetTable.rowText(Bytes(IpNet("10.1.0.0", "255.255.0.0", 1, kOwnerAutomatic)), texts));
    EXPECT_EQ("192.168.4.0\t255.255.255.0\tNo\tUser",
        kIpNetTable.rowText(Bytes(IpNet("192.168.4.0", "255.255.255.0", 0)), texts));
    EXPECT_EQ("255.255.252.0\tYes\tUser", kIpMaskTable.rowText(Bytes(IpMask("255.255.252.0")), texts));
}

TEST(BroadcastTableRows, ANameWithoutItsTerminatorEndsAtTheFieldsEnd)
{
    NtDomainEntry entry = NtDomain("");
    std::memset(entry.name, 'N', sizeof entry.name);
    EXPECT_EQ(std::string(64, 'N') + "\tYes\tUser", kNtDomainTable.rowText(Bytes(entry), BroadcastTableTexts::Load()));
}

TEST(BroadcastTableRows, RowsGiveBackTheEntriesByteForByte)
{
    EXPECT_EQ(
        BytesOfOne(NtDomain("SALES", 0, kOwnerAutomatic)), FromRow<NtDomainEntry>(kNtDomainTable, "SALES\tNo\tAuto"));
    EXPECT_EQ(BytesOfOne(IpNet("10.1.0.0", "255.255.0.0", 1, kOwnerUser)),
        FromRow<IpNetEntry>(kIpNetTable, "10.1.0.0\t255.255.0.0\tYes\tUser"));
    EXPECT_EQ(BytesOfOne(IpMask("255.255.255.128", 0, kOwnerAutomatic)),
        FromRow<IpMaskEntry>(kIpMaskTable, "255.255.255.128\tNo\tAuto"));
}

TEST(BroadcastTableRows, EnabledUnlessNoAndUserOnlyWhenUser)
{
    const std::vector<BYTE> odd = FromRow<NtDomainEntry>(kNtDomainTable, "X\tmaybe\tsomeone");
    EXPECT_EQ(1, odd[68]);
    EXPECT_EQ(0, odd[69]);
}

TEST(BroadcastTableRows, ARowNameIsCopiedToAtMost63Characters)
{
    const std::vector<BYTE> bytes = FromRow<NtDomainEntry>(kNtDomainTable, std::string(70, 'D') + "\tYes\tUser");
    EXPECT_EQ(std::string(63, 'D'), std::string(reinterpret_cast<const char*>(bytes.data())));
    EXPECT_EQ(0, bytes[63]);
}

TEST(BroadcastTableRows, AnAddressThatDoesNotConvertIsTheAllOnesAddress)
{
    EXPECT_EQ(kNoAddress, AddressOf("Unknown"));
    EXPECT_EQ(kNoAddress, AddressOf("10.1.2.300"));
    EXPECT_EQ("255.255.255.255", DottedAddress(kNoAddress));
}

TEST(BroadcastTableRows, DomainNamesAreStoredWithTheirFirst15Bytes)
{
    EXPECT_EQ("ABCDEFGHIJKLMNO", CBroadcastEntryDlg::StoredDomainName("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ("SALES", CBroadcastEntryDlg::StoredDomainName("SALES"));
}
