// CBroadcastEntryDlg: one table entry shown, checked and taken from the dialog's fields.
#include "broadcast_entry_dlg.h"

#include <cstring>

#include "broadcast_table_entries.h"
#include "broadcast_table_kind.h"
#include "broadcast_tables_ids.h"
#include "module.h"
#include "prompter.h"

namespace {

constexpr char kAllOnes[] = "255.255.255.255";

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CBroadcastEntryDlg::CBroadcastEntryDlg(const BroadcastTableKind& kind, BYTE* entry, bool isNew, CWnd* parent)
    : CDialog(kind.entryTemplate, parent), m_kind(kind), m_entry(entry), m_isNew(isNew)
{
}

BOOL CBroadcastEntryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_entry) {
        PromptId(m_kind.nullEntryMessage);
        return TRUE;
    }
    SendDlgItemMessageA(m_hWnd, IDC_ENTRY_NAME, EM_LIMITTEXT, kMaxName, 0);
    if (m_kind.table == 1) {
        const auto* entry = reinterpret_cast<const NtDomainEntry*>(m_entry);
        SetDlgItemText(IDC_ENTRY_NAME, std::string(entry->name, strnlen(entry->name, 64)));
    } else if (m_kind.table == 2) {
        const auto* entry = reinterpret_cast<const IpNetEntry*>(m_entry);
        // A new entry starts with empty fields rather than 0.0.0.0.
        if (!m_isNew) {
            SetDlgItemText(IDC_ENTRY_NETWORK, DottedAddress(entry->network));
            SetDlgItemText(IDC_ENTRY_MASK, DottedAddress(entry->mask));
        }
    } else if (!m_isNew) {
        const auto* entry = reinterpret_cast<const IpMaskEntry*>(m_entry);
        SetDlgItemText(IDC_ENTRY_MASK, DottedAddress(entry->mask));
    }
    const bool disabled = !m_isNew && !m_kind.Enabled(m_entry);
    CheckDlgButton(IDC_ENTRY_DISABLE, disabled ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

std::string CBroadcastEntryDlg::StoredDomainName(const std::string& typed)
{
    if (typed.size() <= kLongestName)
        return typed;
    std::size_t length = kLongestName;
    // The fifteenth byte opening a double-byte character would leave half a character.
    bool lead = false;
    for (std::size_t i = 0; i < kLongestName; ++i)
        lead = lead ? false : IsDBCSLeadByte(static_cast<BYTE>(typed[i])) != 0;
    if (lead)
        length = kLongestName - 1;
    return typed.substr(0, length);
}

bool CBroadcastEntryDlg::TakeDomain()
{
    const std::string name = StoredDomainName(GetDlgItemText(IDC_ENTRY_NAME));
    if (Trimmed(name).empty()) {
        PromptId(IDS_NO_DOMAIN_NAME);
        return false;
    }
    const std::string forbidden = LoadResString(IDS_DOMAIN_FORBIDDEN_CHARACTERS);
    const auto bad = name.find_first_of(forbidden);
    if (!forbidden.empty() && bad != std::string::npos) {
        Prompt(FormatResString(IDS_DOMAIN_BAD_CHARACTER, name[bad]));
        return false;
    }
    auto* entry = reinterpret_cast<NtDomainEntry*>(m_entry);
    std::memset(entry->name, 0, sizeof entry->name);
    std::memcpy(entry->name, name.data(), name.size());
    return true;
}

bool CBroadcastEntryDlg::MaskOf(int id, bool refuseZero, DWORD& mask)
{
    const std::string text = Trimmed(GetDlgItemText(id));
    mask = AddressOf(text);
    // kNoAddress is also what a text that is no address converts to: only the all-ones
    // mask written out stands for itself.
    const bool unconverted = mask == kNoAddress && text != kAllOnes;
    if (unconverted || (refuseZero && mask == 0)) {
        PromptId(IDS_BAD_IP_MASK);
        return false;
    }
    return true;
}

bool CBroadcastEntryDlg::TakeIpNet()
{
    const DWORD network = AddressOf(Trimmed(GetDlgItemText(IDC_ENTRY_NETWORK)));
    if (network == kNoAddress) {
        PromptId(IDS_BAD_IP_NET);
        return false;
    }
    DWORD mask = 0;
    if (!MaskOf(IDC_ENTRY_MASK, false, mask))
        return false;
    auto* entry = reinterpret_cast<IpNetEntry*>(m_entry);
    entry->network = network;
    entry->mask = mask;
    return true;
}

bool CBroadcastEntryDlg::TakeIpMask()
{
    DWORD mask = 0;
    if (!MaskOf(IDC_ENTRY_MASK, true, mask))
        return false;
    reinterpret_cast<IpMaskEntry*>(m_entry)->mask = mask;
    return true;
}

void CBroadcastEntryDlg::OnOK()
{
    if (!m_entry) {
        EndDialog(IDCANCEL);
        return;
    }
    const bool taken = m_kind.table == 1 ? TakeDomain() : m_kind.table == 2 ? TakeIpNet() : TakeIpMask();
    if (!taken)
        return;
    const bool disabled = IsDlgButtonChecked(IDC_ENTRY_DISABLE) == BST_CHECKED;
    // The enabled and owner bytes sit side by side in every entry.
    BYTE* enabled = m_entry + m_kind.enabledOffset;
    enabled[0] = disabled ? 0 : 1;
    enabled[1] = kOwnerUser;
    EndDialog(IDOK);
}
