// BroadcastTableBuffer: the runs of VexomarTableLoad and VexomarTableSave calls behind a page.
#include "broadcast_table_buffer.h"

#include <algorithm>
#include <cstring>

#include "broadcast_table_calls.h"

BroadcastTableBuffer::BroadcastTableBuffer(const BroadcastTableKind& kind)
    : m_kind(kind), m_bytes(std::size_t(kind.largest) * kind.entrySize)
{
}

void BroadcastTableBuffer::Load(BroadcastTableCalls& calls, const std::string& server)
{
    m_count = 0;
    // Each run asks for no more than the room left, so a full table loads to its last entry.
    while (m_count < m_kind.largest) {
        const DWORD wanted = std::min(m_kind.perCall, m_kind.largest - m_count);
        const DWORD room = (m_kind.largest - m_count) * m_kind.entrySize;
        DWORD got = 0;
        if (calls.TableLoad(server, m_kind.table, m_bytes.data() + std::size_t(m_count) * m_kind.entrySize, room,
                m_count, wanted, &got) != 0)
            break;
        // A library that claims more than it was asked for is held to what was asked.
        const auto counted = static_cast<LONG>(got);
        if (counted <= 0)
            break;
        m_count += std::min(static_cast<DWORD>(counted), wanted);
    }
}

bool BroadcastTableBuffer::Save(BroadcastTableCalls& calls, const std::string& server, bool domainWide) const
{
    const DWORD count = std::min(m_count, m_kind.largest);
    const DWORD wide = domainWide ? 1 : 0;
    bool complete = true;
    if (count == 0) {
        DWORD stored = 0;
        complete = calls.TableSave(server, m_kind.table, m_bytes.data(), 0, 0, 1, wide, &stored) == 0;
    }
    for (DWORD done = 0; done < count;) {
        const DWORD run = std::min(m_kind.perCall, count - done);
        DWORD stored = 0;
        const DWORD status = calls.TableSave(
            server, m_kind.table, Entry(done), run * m_kind.entrySize, run, done == 0 ? 1 : 0, wide, &stored);
        const auto counted = static_cast<LONG>(stored);
        if (status != 0 || counted <= 0) {
            complete = false;
            break;
        }
        if (static_cast<DWORD>(counted) < run)
            complete = false;
        done += run;
    }
    calls.TableReload(server, m_kind.table);
    return complete;
}

bool BroadcastTableBuffer::Append(const BYTE* entry)
{
    if (m_count >= m_kind.largest)
        return false;
    std::memcpy(m_bytes.data() + std::size_t(m_count) * m_kind.entrySize, entry, m_kind.entrySize);
    ++m_count;
    return true;
}
