// CPager: the pager list, its commands and its exchange with the settings cache.
#include "pager_page.h"

#include <cstring>

#include "alert_settings.h"
#include "module.h"
#include "pager_dlg.h"
#include "pager_record.h"
#include "pages_ids.h"
#include "port_file.h"
#include "port_setup_dlg.h"
#include "prompter.h"

namespace {

const PagerRecord& AsPager(const BYTE* record)
{
    return *reinterpret_cast<const PagerRecord*>(record);
}

std::string Field(const char* field, std::size_t size)
{
    return port_file::FieldText(field, size);
}

}  // namespace

std::string& CPager::LastDate()
{
    static std::string date;
    return date;
}

CPager::CPager(ProgramValues& values)
    : CRecipientPage(values,
          Shape {IDD_PAGER_PAGE, IDC_PAGER_LIST_PLACE, sizeof(PagerRecord), 3, kHelpTopic,
              {{"Pager Type", 100}, {"Owner Name", 160}, {"Pager Number", -1}}, 2},
          LastDate()),
      m_numeric(LoadMarker(IDB_PAGER_NUMERIC)), m_alphanumeric(LoadMarker(IDB_PAGER_ALPHA)),
      m_mask(LoadMarker(IDB_PAGER_MASK))
{
}

const MessageMap& CPager::GetMessageMap() const
{
    static const MessageMap map(CRecipientPage::GetMessageMap(),
        {
            on::Command(ID_PAGER_NEW, &CPager::OnNew),
            on::Command(ID_PAGER_MODIFY, &CPager::OnModify),
            on::Command(ID_PAGER_DELETE, &CPager::OnDelete),
            on::Command(ID_PAGER_TOGGLE, &CPager::OnToggle),
            on::UpdateCommand(ID_PAGER_TOGGLE, &CPager::OnUpdateToggle),
            on::Command(ID_PAGER_PORT_SETUP, &CPager::OnPortSetup),
        });
    return map;
}

int CPager::ReadList(CAlertSettings& settings, int& enabled, void*& array)
{
    return settings.GetPager(enabled, array, m_pagerText, settings.ApplicationName().c_str());
}

int CPager::SendList(CAlertSettings& settings, WORD count, void* array)
{
    return settings.SetPager(count, m_enabled, array, m_pagerText, settings.ApplicationName().c_str());
}

std::string CPager::LineText(const BYTE* record) const
{
    const PagerRecord& pager = AsPager(record);
    const std::string type =
        LoadResString(pager.pagerType == pager_record::kNumeric ? IDS_PAGER_NUMERIC : IDS_PAGER_ALPHANUMERIC);
    return type + '\t' + Field(pager.ownerName, sizeof pager.ownerName) + '\t' +
        Field(pager.pagerNumber, sizeof pager.pagerNumber) + '/' + Field(pager.pagerId, sizeof pager.pagerId);
}

void CPager::LineImages(int position, const BYTE* record)
{
    const bool numeric = AsPager(record).pagerType == pager_record::kNumeric;
    m_list.SetItemImage(position, 0, numeric ? m_numeric : m_alphanumeric, m_mask);
}

bool CPager::Edit(BYTE* record)
{
    CPagerDlg editor(*reinterpret_cast<PagerRecord*>(record), m_values, this);
    return editor.DoModal() == IDOK;
}

void CPager::OnNew()
{
    BYTE* record = NewRecord();
    if (!record)
        return;
    reinterpret_cast<PagerRecord*>(record)->pagerType = pager_record::kAlphanumeric;
    if (!Edit(record) || AsPager(record).pagerNumber[0] == '\0') {
        FreeRecord(record);
        return;
    }
    if (AddLine(record) >= 0)
        Commit();
}

void CPager::OnModify()
{
    int selected = -1;
    BYTE* record = SelectedRecord(selected);
    if (!record || !Edit(record))
        return;
    RemoveLine(selected);
    // A recipient without a number is never kept; the core keeps it until the next Commit.
    if (AsPager(record).pagerNumber[0] == '\0') {
        FreeRecord(record);
        return;
    }
    if (AddLine(record) >= 0)
        Commit();
}

void CPager::OnPortSetup()
{
    CPortSetupDlg dialog(m_values, this);
    dialog.DoModal();
}
