// The three broadcast address tables: their numbers, limits, columns, texts and row formats.
// WinSock's header goes before the system header it extends.
#include <winsock2.h>

#include "broadcast_table_kind.h"

#include <cstring>

#include "broadcast_table_entries.h"
#include "broadcast_tables_ids.h"
#include "column_text.h"
#include "module.h"

namespace {

constexpr std::size_t kLongestNameCopied = 63;

const char* YesNo(std::uint8_t enabled, const BroadcastTableTexts& texts)
{
    return (enabled ? texts.yes : texts.no).c_str();
}

const char* Owner(std::uint8_t owner, const BroadcastTableTexts& texts)
{
    return (owner == kOwnerUser ? texts.user : texts.automatic).c_str();
}

std::uint8_t EnabledOf(const std::string& row, int column, const BroadcastTableTexts& texts)
{
    return ColumnText(row, column) != texts.no ? 1 : 0;
}

std::uint8_t OwnerOf(const std::string& row, int column, const BroadcastTableTexts& texts)
{
    return ColumnText(row, column) == texts.user ? kOwnerUser : kOwnerAutomatic;
}

std::string NtDomainRow(const BYTE* bytes, const BroadcastTableTexts& texts)
{
    const auto* entry = reinterpret_cast<const NtDomainEntry*>(bytes);
    // A name the service left without its terminator ends at the field's end.
    const std::string name(entry->name, strnlen(entry->name, sizeof entry->name));
    return FormatText("%s\t%s\t%s", name.c_str(), YesNo(entry->enabled, texts), Owner(entry->owner, texts));
}

void NtDomainFromRow(const std::string& row, BYTE* bytes, const BroadcastTableTexts& texts)
{
    NtDomainEntry entry = {};
    const std::string name = ColumnText(row, 0);
    std::memcpy(entry.name, name.data(), std::min(name.size(), kLongestNameCopied));
    entry.enabled = EnabledOf(row, 1, texts);
    entry.owner = OwnerOf(row, 2, texts);
    std::memcpy(bytes, &entry, sizeof entry);
}

std::string IpNetRow(const BYTE* bytes, const BroadcastTableTexts& texts)
{
    const auto* entry = reinterpret_cast<const IpNetEntry*>(bytes);
    return FormatText("%s\t%s\t%s\t%s", DottedAddress(entry->network).c_str(), DottedAddress(entry->mask).c_str(),
        YesNo(entry->enabled, texts), Owner(entry->owner, texts));
}

void IpNetFromRow(const std::string& row, BYTE* bytes, const BroadcastTableTexts& texts)
{
    IpNetEntry entry = {};
    entry.network = AddressOf(ColumnText(row, 0));
    entry.mask = AddressOf(ColumnText(row, 1));
    entry.enabled = EnabledOf(row, 2, texts);
    entry.owner = OwnerOf(row, 3, texts);
    std::memcpy(bytes, &entry, sizeof entry);
}

std::string IpMaskRow(const BYTE* bytes, const BroadcastTableTexts& texts)
{
    const auto* entry = reinterpret_cast<const IpMaskEntry*>(bytes);
    return FormatText(
        "%s\t%s\t%s", DottedAddress(entry->mask).c_str(), YesNo(entry->enabled, texts), Owner(entry->owner, texts));
}

void IpMaskFromRow(const std::string& row, BYTE* bytes, const BroadcastTableTexts& texts)
{
    IpMaskEntry entry = {};
    entry.mask = AddressOf(ColumnText(row, 0));
    entry.enabled = EnabledOf(row, 1, texts);
    entry.owner = OwnerOf(row, 2, texts);
    std::memcpy(bytes, &entry, sizeof entry);
}

}  // namespace

BroadcastTableTexts BroadcastTableTexts::Load()
{
    return {LoadResString(IDS_TABLE_YES), LoadResString(IDS_TABLE_NO), LoadResString(IDS_TABLE_AUTO),
        LoadResString(IDS_TABLE_USER)};
}

const BroadcastTableKind kNtDomainTable = {IDD_NT_DOMAINS_PAGE, IDD_NT_DOMAIN_ENTRY, 1, sizeof(NtDomainEntry), 3072,
    200, offsetof(NtDomainEntry, enabled), {{"NT Domain", 20}, {"Enabled", 12}, {"Owner", 13}}, IDS_DOMAIN_TABLE_FULL,
    IDS_ERROR_MODIFYING_DOMAIN, IDS_NULL_DOMAIN_RECORD, true, &NtDomainRow, &NtDomainFromRow};

const BroadcastTableKind kIpNetTable = {IDD_IP_NETS_PAGE, IDD_IP_NET_ENTRY, 2, sizeof(IpNetEntry), 4096, 400,
    offsetof(IpNetEntry, enabled), {{"IP SubNet", 14}, {"SubNet Mask", 14}, {"Enabled", 8}, {"Owner", 10}},
    IDS_IPNET_TABLE_FULL, IDS_ERROR_MODIFYING_IPNET, IDS_NULL_IP_RECORD, false, &IpNetRow, &IpNetFromRow};

const BroadcastTableKind kIpMaskTable = {IDD_IP_MASKS_PAGE, IDD_IP_MASK_ENTRY, 4, sizeof(IpMaskEntry), 32, 32,
    offsetof(IpMaskEntry, enabled), {{"SubNet Mask", 14}, {"Enabled", 14}, {"Owner", 18}}, IDS_IPMASK_TABLE_FULL,
    IDS_ERROR_MODIFYING_IPMASK, IDS_NULL_IP_RECORD, false, &IpMaskRow, &IpMaskFromRow};

std::string DottedAddress(DWORD address)
{
    in_addr value = {};
    value.s_addr = address;
    const char* text = inet_ntoa(value);
    return text ? text : "Unknown";
}

DWORD AddressOf(const std::string& text)
{
    return inet_addr(text.c_str());
}
