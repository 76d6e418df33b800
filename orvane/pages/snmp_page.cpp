// CSnmp: the SNMP manager list, its commands and its exchange with the settings cache.
#include "snmp_page.h"

#include "alert_settings.h"
#include "module.h"
#include "pages_ids.h"
#include "port_file.h"
#include "prompter.h"
#include "snmp_dlg.h"
#include "snmp_record.h"

namespace {

const SnmpRecord& AsSnmp(const BYTE* record)
{
    return *reinterpret_cast<const SnmpRecord*>(record);
}

}  // namespace

std::string& CSnmp::LastDate()
{
    static std::string date;
    return date;
}

CSnmp::CSnmp(ProgramValues& values)
    : CRecipientPage(values,
          Shape {IDD_SNMP_PAGE, IDC_SNMP_LIST_PLACE, sizeof(SnmpRecord), 7, kHelpTopic,
              {{"SNMP Type", 80}, {"Manager Name", -1}}, 1},
          LastDate()),
      m_ipx(LoadMarker(IDB_SNMP_IPX)), m_ip(LoadMarker(IDB_SNMP_IP)), m_mask(LoadMarker(IDB_SNMP_MASK))
{
}

const MessageMap& CSnmp::GetMessageMap() const
{
    static const MessageMap map(CRecipientPage::GetMessageMap(),
        {
            on::Command(ID_SNMP_NEW, &CSnmp::OnNew),
            on::Command(ID_SNMP_MODIFY, &CSnmp::OnModify),
            on::Command(ID_SNMP_DELETE, &CSnmp::OnDelete),
            on::Command(ID_NOTIFY_TOGGLE, &CSnmp::OnToggle),
            on::UpdateCommand(ID_NOTIFY_TOGGLE, &CSnmp::OnUpdateToggle),
        });
    return map;
}

int CSnmp::ReadList(CAlertSettings& settings, int& enabled, void*& array)
{
    return settings.GetSnmp(enabled, array, settings.ApplicationName().c_str());
}

int CSnmp::SendList(CAlertSettings& settings, WORD count, void* array)
{
    return settings.SetSnmp(count, m_enabled, array, settings.ApplicationName().c_str());
}

std::string CSnmp::LineText(const BYTE* record) const
{
    const SnmpRecord& snmp = AsSnmp(record);
    const std::string transport = snmp.transport == snmp_record::kViaIp ? LoadResString(IDS_SNMP_VIA_IP)
        : snmp.transport == snmp_record::kViaIpx                        ? LoadResString(IDS_SNMP_VIA_IPX)
                                                                        : std::string();
    return transport + '\t' + port_file::FieldText(snmp.managerName, sizeof snmp.managerName);
}

void CSnmp::LineImages(int position, const BYTE* record)
{
    const std::int8_t transport = AsSnmp(record).transport;
    if (transport == snmp_record::kViaIp)
        m_list.SetItemImage(position, 0, m_ip, m_mask);
    else if (transport == snmp_record::kViaIpx)
        m_list.SetItemImage(position, 0, m_ipx, m_mask);
}

bool CSnmp::Edit(BYTE* record)
{
    CSnmpDlg editor(*reinterpret_cast<SnmpRecord*>(record), m_values, this);
    return editor.DoModal() == IDOK;
}

void CSnmp::OnNew()
{
    BYTE* record = NewRecord();
    if (!record)
        return;
    reinterpret_cast<SnmpRecord*>(record)->transport = snmp_record::kViaIpx;
    if (!Edit(record)) {
        FreeRecord(record);
        return;
    }
    if (AddLine(record) >= 0)
        Commit();
}

void CSnmp::OnModify()
{
    int selected = -1;
    BYTE* record = SelectedRecord(selected);
    if (!record || !Edit(record))
        return;
    RemoveLine(selected);
    if (AddLine(record) >= 0)
        Commit();
}
