// Settings file layout: magic, serial, time, the three blocks, six lists and a CRC-32.
#include "application_settings.h"

#include <cstring>

#include <zlib.h>

#include "byte_order.h"

namespace {

constexpr char kMagic[8] = {'M', 'W', 'A', 'L', 'S', 'E', 'T', '1'};
constexpr std::size_t kFlagsAt = 24;
constexpr std::size_t kCountsAt = kFlagsAt + kFlagBlockSize;
constexpr std::size_t kSettingsAt = kCountsAt + kCountBlockSize;
constexpr std::size_t kListCountsAt = kSettingsAt + kSettingsBlockSize;
constexpr std::size_t kListsAt = kListCountsAt + 4 * kNotifyMethods.size();
constexpr std::size_t kCrcSize = 4;

std::uint32_t Crc(const std::uint8_t* data, std::size_t size)
{
    return static_cast<std::uint32_t>(crc32(0L, data, static_cast<uInt>(size)));
}

}  // namespace

std::size_t ApplicationSettings::RecipientCount(NotifyMethod method) const
{
    return recipients[static_cast<std::size_t>(method)].size() / InfoOf(method).recordSize;
}

bool ApplicationSettings::Enabled(NotifyMethod method) const
{
    return flags[InfoOf(method).slot] != 0;
}

bool ApplicationSettings::SetRecipients(NotifyMethod method, const std::uint8_t* list, std::size_t count, bool enabled)
{
    if (count > kMaxRecipients || (count != 0 && list == nullptr))
        return false;
    const NotifyMethodInfo& info = InfoOf(method);
    auto& stored = recipients[static_cast<std::size_t>(method)];
    stored.assign(list, list + count * info.recordSize);
    flags[info.slot] = count != 0 && enabled ? 1 : 0;
    PutU16(counts.data() + 2 * info.slot, static_cast<std::uint16_t>(count));
    return true;
}

void ApplicationSettings::Touch(std::int64_t now)
{
    changedAt = now;
    ++serial;
    if (serial == 0)
        serial = 1;
}

std::array<std::uint8_t, kCountBlockSize> ApplicationSettings::CountBlock() const
{
    std::array<std::uint8_t, kCountBlockSize> block = counts;
    for (const NotifyMethodInfo& info : kNotifyMethods)
        PutU16(block.data() + 2 * info.slot, static_cast<std::uint16_t>(RecipientCount(info.method)));
    return block;
}

std::vector<std::uint8_t> ApplicationSettings::Encode() const
{
    std::size_t listBytes = 0;
    for (const auto& list : recipients)
        listBytes += list.size();
    std::vector<std::uint8_t> bytes(kListsAt + listBytes + kCrcSize, 0);
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    PutU32(bytes.data() + 8, serial);
    PutU64(bytes.data() + 16, static_cast<std::uint64_t>(changedAt));
    std::memcpy(bytes.data() + kFlagsAt, flags.data(), flags.size());
    std::memcpy(bytes.data() + kCountsAt, counts.data(), counts.size());
    std::memcpy(bytes.data() + kSettingsAt, settings.data(), settings.size());
    std::size_t at = kListsAt;
    for (std::size_t i = 0; i < kNotifyMethods.size(); ++i) {
        PutU32(bytes.data() + kListCountsAt + 4 * i,
            static_cast<std::uint32_t>(recipients[i].size() / kNotifyMethods[i].recordSize));
        if (!recipients[i].empty())
            std::memcpy(bytes.data() + at, recipients[i].data(), recipients[i].size());
        at += recipients[i].size();
    }
    PutU32(bytes.data() + at, Crc(bytes.data(), at));
    return bytes;
}

std::optional<ApplicationSettings> ApplicationSettings::Decode(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < kListsAt + kCrcSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    // Sizes are checked against the real length before anything is copied, so a forged
    // count can neither read past the end nor ask for a huge allocation.
    std::size_t expected = kListsAt + kCrcSize;
    for (std::size_t i = 0; i < kNotifyMethods.size(); ++i) {
        const std::uint32_t count = GetU32(bytes.data() + kListCountsAt + 4 * i);
        if (count > kMaxRecipients)
            return std::nullopt;
        expected += count * kNotifyMethods[i].recordSize;
    }
    if (bytes.size() != expected)
        return std::nullopt;
    const std::size_t crcAt = bytes.size() - kCrcSize;
    if (GetU32(bytes.data() + crcAt) != Crc(bytes.data(), crcAt))
        return std::nullopt;

    ApplicationSettings result;
    result.serial = GetU32(bytes.data() + 8);
    result.changedAt = static_cast<std::int64_t>(GetU64(bytes.data() + 16));
    std::memcpy(result.flags.data(), bytes.data() + kFlagsAt, kFlagBlockSize);
    std::memcpy(result.counts.data(), bytes.data() + kCountsAt, kCountBlockSize);
    std::memcpy(result.settings.data(), bytes.data() + kSettingsAt, kSettingsBlockSize);
    std::size_t at = kListsAt;
    for (std::size_t i = 0; i < kNotifyMethods.size(); ++i) {
        const std::size_t size = GetU32(bytes.data() + kListCountsAt + 4 * i) * kNotifyMethods[i].recordSize;
        result.recipients[i].assign(
            bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    }
    return result;
}
