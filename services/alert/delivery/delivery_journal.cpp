#include "delivery_journal.h"

#include <windows.h>

#include <algorithm>

#include "atomic_file.h"

namespace {

constexpr std::size_t kEntryLimit = 4u << 20;
constexpr std::size_t kListLimit = 64u << 10;

}  // namespace

DeliveryJournal::DeliveryJournal(std::string folder) : m_folder(std::move(folder))
{
    if (!m_folder.empty())
        EnsureFolder(m_folder);
}

bool DeliveryJournal::ValidId(const std::string& id)
{
    if (id.empty() || id.size() > 64)
        return false;
    return std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
    });
}

std::string DeliveryJournal::EntryPath(const std::string& id) const
{
    return m_folder + "\\" + id + ".DLV";
}

void DeliveryJournal::LoadList()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_folder.empty())
        return;
    const auto bytes = ReadWholeFile(ListPath(), kListLimit);
    if (!bytes)
        return;
    std::string line;
    for (std::uint8_t c : *bytes) {
        if (c == '\n' || c == '\r') {
            if (ValidId(line))
                m_delivered.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    if (ValidId(line))
        m_delivered.push_back(line);
    while (m_delivered.size() > kRemembered)
        m_delivered.pop_front();
}

bool DeliveryJournal::WasDelivered(const std::string& id)
{
    std::lock_guard<std::mutex> hold(m_lock);
    LoadList();
    return std::find(m_delivered.begin(), m_delivered.end(), id) != m_delivered.end();
}

std::vector<PendingDelivery> DeliveryJournal::Resume()
{
    std::vector<PendingDelivery> entries;
    if (m_folder.empty())
        return entries;
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((m_folder + "\\*.DLV").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    // Ids begin with the recording time in fixed-width hex, so name order is recording order.
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string path = m_folder + "\\" + name;
        const auto bytes = ReadWholeFile(path, kEntryLimit);
        std::optional<PendingDelivery> entry = bytes ? PendingDelivery::Decode(*bytes) : std::nullopt;
        if (!entry || EntryPath(entry->alert.id) != path || WasDelivered(entry->alert.id)) {
            DeleteFileA(path.c_str());
            continue;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
}

bool DeliveryJournal::Save(const PendingDelivery& entry)
{
    if (m_folder.empty())
        return true;
    if (!ValidId(entry.alert.id))
        return false;
    return ReplaceFileContents(EntryPath(entry.alert.id), entry.Encode());
}

void DeliveryJournal::Finish(const std::string& id)
{
    std::lock_guard<std::mutex> hold(m_lock);
    LoadList();
    m_delivered.push_back(id);
    while (m_delivered.size() > kRemembered)
        m_delivered.pop_front();
    if (m_folder.empty() || !ValidId(id))
        return;
    std::string text;
    for (const std::string& done : m_delivered)
        text += done + "\r\n";
    // The entry goes only once the list says delivered: otherwise a crash here would deliver
    // the alert again at the next start.
    if (ReplaceFileContents(ListPath(), std::vector<std::uint8_t>(text.begin(), text.end())))
        DeleteFileA(EntryPath(id).c_str());
}
