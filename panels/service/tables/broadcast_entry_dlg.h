// CBroadcastEntryDlg: "NT Domain", "IP Net" and "IP Mask", the dialog that edits one table entry.
#pragma once

#include <windows.h>

#include <string>

#include "dialog.h"

struct BroadcastTableKind;

class CBroadcastEntryDlg : public CDialog {
public:
    static constexpr int kMaxName = 63;
    static constexpr std::size_t kLongestName = 15;

    // Edits `entry` (kind.entrySize bytes) in place on a valid OK; a null entry is refused
    // with the kind's message and left alone.
    CBroadcastEntryDlg(const BroadcastTableKind& kind, BYTE* entry, bool isNew, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The name as it is stored: cut to 15 bytes, or 14 when the fifteenth is the first
    // half of a double-byte character.
    static std::string StoredDomainName(const std::string& typed);

private:
    bool TakeDomain();
    bool TakeIpNet();
    bool TakeIpMask();
    // A mask text that converts: 0 and texts that are no address at all are refused.
    bool MaskOf(int id, bool refuseZero, DWORD& mask);

    const BroadcastTableKind& m_kind;
    BYTE* m_entry;
    bool m_isNew;
};
