// CPagerDlg: the owner, number, IDs, delays, type and port setting of a pager recipient.
#include "pager_dlg.h"

#include <cstring>

#include "combo_box.h"
#include "edit_control.h"
#include "module.h"
#include "pages_ids.h"
#include "port_file.h"
#include "program_values.h"
#include "prompter.h"
#include "spin_control.h"

namespace {

std::string FieldOf(const char* field, std::size_t size)
{
    return port_file::FieldText(field, size);
}

template <std::size_t N> void Store(char (&field)[N], const std::string& text, int limit)
{
    port_file::SetFieldText(field, N, text, static_cast<std::size_t>(limit));
}

}  // namespace

CPagerDlg::CPagerDlg(PagerRecord& record, const ProgramValues& values, CWnd* parent)
    : CDialog(IDD_PAGER_DLG, parent), m_record(record), m_values(values)
{
    RegisterSpinClass();
    char home[512] = {};
    if (AlertCore::HomeSucceeded(values.Core().AlertGetHomeDir(values.serverName, home)))
        m_home.assign(home, strnlen(home, sizeof home));
}

const MessageMap& CPagerDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDHELP, &CPagerDlg::OnHelp),
        });
    return map;
}

BOOL CPagerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    using namespace pager_record;
    CEdit(GetDlgItem(IDC_PAGER_NUMBER)).LimitText(kPagerNumberLimit);
    CEdit(GetDlgItem(IDC_PAGER_ID)).LimitText(kPagerIdLimit);
    CEdit(GetDlgItem(IDC_PAGER_SITE)).LimitText(kSiteIdLimit);
    CEdit(GetDlgItem(IDC_PAGER_OWNER)).LimitText(kOwnerNameLimit);
    SetDlgItemText(IDC_PAGER_OWNER, FieldOf(m_record.ownerName, sizeof m_record.ownerName).substr(0, kOwnerNameLimit));
    SetDlgItemText(
        IDC_PAGER_NUMBER, FieldOf(m_record.pagerNumber, sizeof m_record.pagerNumber).substr(0, kPagerNumberLimit));
    SetDlgItemText(IDC_PAGER_ID, FieldOf(m_record.pagerId, sizeof m_record.pagerId).substr(0, kPagerIdLimit));
    SetDlgItemText(IDC_PAGER_SITE, FieldOf(m_record.siteId, sizeof m_record.siteId).substr(0, kSiteIdLimit));
    SetUpSpin(GetDlgItem(IDC_PAGER_CONNECT_SPIN), GetDlgItem(IDC_PAGER_CONNECT_DELAY), 0, kMaxDelaySteps,
        DelaySteps(m_record.connectionDelay));
    SetUpSpin(GetDlgItem(IDC_PAGER_MESSAGE_SPIN), GetDlgItem(IDC_PAGER_MESSAGE_DELAY), 0, kMaxDelaySteps,
        DelaySteps(m_record.messageDelay));
    const CComboBox type(GetDlgItem(IDC_PAGER_TYPE));
    type.AddString(LoadResString(IDS_PAGER_NUMERIC));
    type.AddString(LoadResString(IDS_PAGER_ALPHANUMERIC));
    type.SetCurSel(m_record.pagerType);
    FillPorts();
    return TRUE;
}

void CPagerDlg::FillPorts()
{
    const CComboBox ports(GetDlgItem(IDC_PAGER_PORT));
    const auto entries = port_file::PagerPortEntries(m_home + "\\PORT.CFG");
    if (!entries) {
        ports.AddString(LoadResString(IDS_PORT_NOT_CONFIGURED));
        return;
    }
    for (const std::string& entry : *entries)
        ports.AddString(entry);
    const auto defaultId = port_file::ReadDefaultPortId(m_home + "\\PORTDEF.CFG");
    if (!defaultId) {
        PromptId(IDS_PORTDEF_MISSING, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const int chosen = m_record.portSetting == 0 ? *defaultId : m_record.portSetting;
    ports.SetCurSel(chosen - 1);
}

void CPagerDlg::OnOK()
{
    using namespace pager_record;
    const std::string owner = GetDlgItemText(IDC_PAGER_OWNER).substr(0, kOwnerNameLimit);
    if (owner.empty()) {
        PromptId(IDS_NEED_MANAGER_NAME, MB_OK | MB_ICONINFORMATION);
        return;
    }
    Store(m_record.ownerName, owner, kOwnerNameLimit);
    Store(m_record.pagerNumber, GetDlgItemText(IDC_PAGER_NUMBER), kPagerNumberLimit);
    Store(m_record.pagerId, GetDlgItemText(IDC_PAGER_ID), kPagerIdLimit);
    Store(m_record.siteId, GetDlgItemText(IDC_PAGER_SITE), kSiteIdLimit);
    SetDelaySteps(m_record.connectionDelay, SpinPosition(GetDlgItem(IDC_PAGER_CONNECT_SPIN)));
    SetDelaySteps(m_record.messageDelay, SpinPosition(GetDlgItem(IDC_PAGER_MESSAGE_SPIN)));
    const int type = CComboBox(GetDlgItem(IDC_PAGER_TYPE)).GetCurSel();
    if (type >= 0)
        m_record.pagerType = static_cast<std::int8_t>(type);
    // No selection (no PORT.CFG) stores 0: the default port setting.
    m_record.portSetting = static_cast<std::uint16_t>(CComboBox(GetDlgItem(IDC_PAGER_PORT)).GetCurSel() + 1);
    EndDialog(IDOK);
}

void CPagerDlg::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}
