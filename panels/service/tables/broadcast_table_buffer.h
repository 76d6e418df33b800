// BroadcastTableBuffer: one table's entries as the service core exchanges them, loaded and saved in runs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "broadcast_table_kind.h"

class BroadcastTableCalls;

class BroadcastTableBuffer {
public:
    // Room for the table's largest count; throws std::bad_alloc when there is none.
    explicit BroadcastTableBuffer(const BroadcastTableKind& kind);

    // Reads the table from entry 0 in runs of the kind's calls' worth, until a call brings
    // nothing more, fails or the buffer is full. What was read stays; nothing is reported.
    void Load(BroadcastTableCalls& calls, const std::string& server);
    // Stores the entries in runs, the first replacing the table and the rest appending (an
    // empty table is one replacing call with no entries), then asks the service to take the
    // table up. True when every entry was stored.
    bool Save(BroadcastTableCalls& calls, const std::string& server, bool domainWide) const;

    DWORD Count() const { return m_count; }
    const BYTE* Entry(DWORD index) const { return m_bytes.data() + std::size_t(index) * m_kind.entrySize; }
    // Appends an entry; false when the table is full.
    bool Append(const BYTE* entry);
    void Clear() { m_count = 0; }
    void Shrink() { m_count = m_count ? m_count - 1 : 0; }

private:
    const BroadcastTableKind& m_kind;
    std::vector<BYTE> m_bytes;
    DWORD m_count = 0;
};
