// The journal entry: magic, method, the alert's fields, the settings file's own bytes (with
// their CRC) and the done units, each length-prefixed, little-endian.
#include "pending_delivery.h"

#include <cstring>

namespace {

constexpr char kMagic[8] = {'V', 'X', 'D', 'L', 'V', 'R', 'Y', '1'};
constexpr std::uint32_t kMaxField = 1u << 20;

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutText(std::vector<std::uint8_t>& out, const std::string& text)
{
    PutU32(out, static_cast<std::uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) { }
    bool U32(std::uint32_t& value)
    {
        if (m_bytes.size() - m_at < 4)
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(m_bytes[m_at + i]) << (8 * i);
        m_at += 4;
        return true;
    }
    bool Int(int& value)
    {
        std::uint32_t raw = 0;
        if (!U32(raw))
            return false;
        value = static_cast<int>(static_cast<std::int32_t>(raw));
        return true;
    }
    bool Bytes(std::vector<std::uint8_t>& out)
    {
        std::uint32_t size = 0;
        if (!U32(size) || size > kMaxField || m_bytes.size() - m_at < size)
            return false;
        out.assign(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_at),
            m_bytes.begin() + static_cast<std::ptrdiff_t>(m_at + size));
        m_at += size;
        return true;
    }
    bool Text(std::string& out)
    {
        std::vector<std::uint8_t> raw;
        if (!Bytes(raw))
            return false;
        out.assign(raw.begin(), raw.end());
        return true;
    }
    bool AtEnd() const { return m_at == m_bytes.size(); }

private:
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_at = sizeof kMagic;
};

}  // namespace

std::size_t PendingDelivery::UnitCount() const
{
    const std::size_t recipients = settings.RecipientCount(method);
    if (method == NotifyMethod::EMail)
        return recipients == 0 ? 0 : 1;
    return recipients;
}

ApplicationSettings PendingDelivery::UnitSettings(std::size_t unit) const
{
    if (method == NotifyMethod::EMail)
        return settings;
    ApplicationSettings one = settings;
    const std::size_t size = InfoOf(method).recordSize;
    const auto& all = settings.recipients[static_cast<std::size_t>(method)];
    auto& list = one.recipients[static_cast<std::size_t>(method)];
    list.assign(all.begin() + static_cast<std::ptrdiff_t>(unit * size),
        all.begin() + static_cast<std::ptrdiff_t>((unit + 1) * size));
    return one;
}

std::vector<std::uint8_t> PendingDelivery::Encode() const
{
    std::vector<std::uint8_t> out(kMagic, kMagic + sizeof kMagic);
    PutU32(out, static_cast<std::uint32_t>(method));
    PutText(out, alert.id);
    PutText(out, alert.application);
    PutText(out, alert.text);
    PutText(out, alert.code);
    PutText(out, alert.server);
    PutU32(out, static_cast<std::uint32_t>(alert.priority));
    for (int part : {alert.time.year, alert.time.month, alert.time.day, alert.time.hour, alert.time.minute,
             alert.time.second})
        PutU32(out, static_cast<std::uint32_t>(part));
    PutText(out, alert.homeDirectory);
    PutText(out, eventFile);
    PutText(out, logPath);
    const std::vector<std::uint8_t> stored = settings.Encode();
    PutU32(out, static_cast<std::uint32_t>(stored.size()));
    out.insert(out.end(), stored.begin(), stored.end());
    PutU32(out, static_cast<std::uint32_t>(done.size()));
    for (std::size_t unit : done)
        PutU32(out, static_cast<std::uint32_t>(unit));
    return out;
}

std::optional<PendingDelivery> PendingDelivery::Decode(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    Reader in(bytes);
    PendingDelivery entry;
    std::uint32_t method = 0;
    if (!in.U32(method) || method >= kNotifyMethods.size())
        return std::nullopt;
    entry.method = static_cast<NotifyMethod>(method);
    DeliveredAlert& a = entry.alert;
    std::vector<std::uint8_t> stored;
    if (!in.Text(a.id) || !in.Text(a.application) || !in.Text(a.text) || !in.Text(a.code) || !in.Text(a.server) ||
        !in.Int(a.priority) || !in.Int(a.time.year) || !in.Int(a.time.month) || !in.Int(a.time.day) ||
        !in.Int(a.time.hour) || !in.Int(a.time.minute) || !in.Int(a.time.second) || !in.Text(a.homeDirectory) ||
        !in.Text(entry.eventFile) || !in.Text(entry.logPath) || !in.Bytes(stored))
        return std::nullopt;
    std::optional<ApplicationSettings> settings = ApplicationSettings::Decode(stored);
    std::uint32_t count = 0;
    if (!settings || !in.U32(count))
        return std::nullopt;
    entry.settings = *settings;
    const std::size_t units = entry.UnitCount();
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t unit = 0;
        if (!in.U32(unit) || unit >= units)
            return std::nullopt;
        entry.done.insert(unit);
    }
    if (!in.AtEnd() || a.id.empty())
        return std::nullopt;
    return entry;
}
