// CSnmpDlg: the manager's name and its IPX or IP address.
#include "snmp_dlg.h"

#include <cstring>

#include "edit_control.h"
#include "pages_ids.h"
#include "port_file.h"
#include "program_values.h"
#include "prompter.h"
#include "spin_control.h"

CSnmpDlg::CSnmpDlg(SnmpRecord& record, const ProgramValues& values, CWnd* parent)
    : CDialog(IDD_SNMP_DLG, parent), m_record(record), m_values(values)
{
    RegisterSpinClass();
}

const MessageMap& CSnmpDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDHELP, &CSnmpDlg::OnHelp),
        });
    return map;
}

BOOL CSnmpDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    using namespace snmp_record;
    CEdit(GetDlgItem(IDC_SNMP_NETWORK)).LimitText(kNetworkDigits);
    CEdit(GetDlgItem(IDC_SNMP_NODE)).LimitText(kNodeDigits);
    CEdit(GetDlgItem(IDC_SNMP_NAME)).LimitText(kNameReadLimit);
    SetDlgItemText(IDC_SNMP_NAME,
        port_file::FieldText(m_record.managerName, sizeof m_record.managerName).substr(0, kNameReadLimit));
    if (m_record.transport & 2)
        CheckDlgButton(IDC_SNMP_VIA_IP, BST_CHECKED);
    if (m_record.transport & 1)
        CheckDlgButton(IDC_SNMP_VIA_IPX, BST_CHECKED);
    const auto parts = AddressParts(m_record.ipAddress);
    for (int i = 0; i < 4; ++i) {
        CEdit(GetDlgItem(IDC_SNMP_IP_FIRST + i)).LimitText(3);
        SetUpSpin(
            GetDlgItem(IDC_SNMP_IP_SPIN_FIRST + i), GetDlgItem(IDC_SNMP_IP_FIRST + i), 0, 255, m_record.ipAddress[i]);
        SetDlgItemText(IDC_SNMP_IP_FIRST + i, parts[static_cast<std::size_t>(i)]);
    }
    SetDlgItemText(IDC_SNMP_NODE, HexText(m_record.ipxNode, sizeof m_record.ipxNode));
    SetDlgItemText(IDC_SNMP_NETWORK, HexText(m_record.ipxNetwork, sizeof m_record.ipxNetwork));
    return TRUE;
}

void CSnmpDlg::OnOK()
{
    const std::string name = GetDlgItemText(IDC_SNMP_NAME).substr(0, kNameReadLimit);
    if (name.empty()) {
        PromptId(IDS_NEED_MANAGER_NAME, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (static_cast<int>(name.size()) >= kNameReadLimit) {
        PromptId(IDS_SNMP_NAME_TOO_LONG, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const bool viaIp = IsDlgButtonChecked(IDC_SNMP_VIA_IP) == BST_CHECKED;
    const bool viaIpx = IsDlgButtonChecked(IDC_SNMP_VIA_IPX) == BST_CHECKED;
    // The address is checked before the name and transport are stored.
    if ((viaIp && !StoreIp()) || (viaIpx && !StoreIpx()))
        return;
    port_file::SetFieldText(m_record.managerName, sizeof m_record.managerName, name, snmp_record::kManagerNameLimit);
    if (viaIp)
        m_record.transport = snmp_record::kViaIp;
    if (viaIpx)
        m_record.transport = snmp_record::kViaIpx;
    EndDialog(IDOK);
}

bool CSnmpDlg::StoreIp()
{
    std::array<std::string, 4> parts;
    for (int i = 0; i < 4; ++i)
        parts[static_cast<std::size_t>(i)] = GetDlgItemText(IDC_SNMP_IP_FIRST + i).substr(0, 3);
    const auto address = snmp_record::AddressFromParts(parts);
    if (!address) {
        PromptId(IDS_SNMP_BAD_ADDRESS, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    std::memcpy(m_record.ipAddress, address->data(), 4);
    return true;
}

bool CSnmpDlg::StoreIpx()
{
    using namespace snmp_record;
    const std::string network = GetDlgItemText(IDC_SNMP_NETWORK).substr(0, kNetworkDigits);
    const std::string node = GetDlgItemText(IDC_SNMP_NODE).substr(0, kNodeDigits);
    if (!IsHexText(network) || !IsHexText(node)) {
        PromptId(IDS_SNMP_BAD_IPX, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    HexToBytes(network, kNetworkDigits, m_record.ipxNetwork);
    HexToBytes(node, kNodeDigits, m_record.ipxNode);
    return true;
}

void CSnmpDlg::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}
