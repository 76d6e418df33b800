// CPortEditDlg: the port name, description and line settings of one port record.
#include "port_edit_dlg.h"

#include <vector>

#include "combo_box.h"
#include "edit_control.h"
#include "pages_ids.h"
#include "prompter.h"

namespace {

void Fill(HWND combo, const std::vector<std::string>& texts, int selected)
{
    const CComboBox box(combo);
    box.ResetContent();
    for (const std::string& text : texts)
        box.AddString(text);
    // A stored position outside the list selects nothing, and OK then keeps the stored value.
    if (selected >= 0 && selected < static_cast<int>(texts.size()))
        box.SetCurSel(selected);
}

// The selected position, or `kept` when nothing is selected.
std::int32_t Chosen(HWND combo, std::int32_t kept)
{
    const int selected = CComboBox(combo).GetCurSel();
    return selected < 0 ? kept : selected;
}

}  // namespace

CPortEditDlg::CPortEditDlg(const PortRecord* record, int mode, CWnd* parent)
    : CDialog(IDD_PORT_EDIT, parent), m_mode(mode)
{
    if (record)
        m_record = *record;
}

BOOL CPortEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Fill(GetDlgItem(IDC_PORT_NAME), port_file::kPortNames, m_record.portNumber - 1);
    CEdit description(GetDlgItem(IDC_PORT_DESCRIPTION));
    description.LimitText(static_cast<int>(port_file::kDescriptionLimit));
    description.SetText(port_file::FieldText(m_record.description, port_file::kDescriptionSize)
                            .substr(0, port_file::kDescriptionLimit));
    Fill(GetDlgItem(IDC_PORT_BAUD), port_file::kBaudTexts, m_record.baudIndex);
    Fill(GetDlgItem(IDC_PORT_PARITY), port_file::kParityTexts, m_record.parityIndex);
    Fill(GetDlgItem(IDC_PORT_DATA_BITS), port_file::kDataBitsTexts, m_record.dataBitsIndex);
    Fill(GetDlgItem(IDC_PORT_STOP_BITS), port_file::kStopBitsTexts, m_record.stopBitsIndex);
    return TRUE;
}

void CPortEditDlg::OnOK()
{
    const std::string description =
        CEdit(GetDlgItem(IDC_PORT_DESCRIPTION)).GetText().substr(0, port_file::kDescriptionLimit);
    if (description.empty()) {
        PromptId(IDS_PORT_NEED_DESCRIPTION, MB_OK | MB_ICONINFORMATION);
        return;
    }
    port_file::SetFieldText(
        m_record.description, port_file::kDescriptionSize, description, port_file::kDescriptionLimit);
    const int number = Chosen(GetDlgItem(IDC_PORT_NAME), m_record.portNumber - 1) + 1;
    // The name always follows the number, so that the two never disagree in the file.
    const std::string name = port_file::PortNameFor(number);
    if (!name.empty()) {
        m_record.portNumber = static_cast<std::uint16_t>(number);
        port_file::SetFieldText(m_record.portName, port_file::kPortNameSize, name, port_file::kPortNameSize - 1);
    }
    m_record.baudIndex = Chosen(GetDlgItem(IDC_PORT_BAUD), m_record.baudIndex);
    m_record.parityIndex = Chosen(GetDlgItem(IDC_PORT_PARITY), m_record.parityIndex);
    m_record.dataBitsIndex = Chosen(GetDlgItem(IDC_PORT_DATA_BITS), m_record.dataBitsIndex);
    m_record.stopBitsIndex = Chosen(GetDlgItem(IDC_PORT_STOP_BITS), m_record.stopBitsIndex);
    EndDialog(IDOK);
}
