// BCTABLES.EXE: the three address table pages of one server in a sheet of their own, to look at.
// BCTABLES SERVER [PAGE] [/sample] [/add | /edit]: PAGE 0 NT domains, 1 IP nets, 2 IP masks;
// /sample stores a few entries first, some of them as the service's own; /add and /edit open the
// entry dialog of the page shortly after the sheet shows; /close N closes every window it shows
// after N seconds, as Cancel would.
#include <winsock2.h>

#include <commctrl.h>

#include <sstream>
#include <string>
#include <vector>

#include "broadcast_table_calls.h"
#include "framework.h"
#include "table_entries_for_tests.h"
#include "table_sheet.h"

namespace {

CTableSheet* g_sheet = nullptr;
int g_page = 0;
bool g_edit = false;

void CALLBACK OpenEntryOnce(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (!g_sheet)
        return;
    auto* page = static_cast<CBroadcastTablePage*>(g_sheet->GetPage(g_page));
    if (g_edit)
        ::SendMessageA(page->List().m_hWnd, WM_COMMAND, MAKEWPARAM(CColList::kListId, LBN_DBLCLK),
            reinterpret_cast<LPARAM>(page->List().ListBox()));
    else
        ::SendMessageA(page->List().ListBox(), WM_KEYDOWN, VK_INSERT, 0);
}

void CALLBACK CloseShown(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_sheet && g_sheet->m_hWnd)
        ::PostMessageA(GetLastActivePopup(g_sheet->m_hWnd), WM_COMMAND, IDCANCEL, 0);
}

template <class Entry>
void Store(BroadcastTableCalls& calls, const std::string& server, DWORD table, const std::vector<Entry>& entries)
{
    DWORD stored = 0;
    calls.TableSave(
        server, table, entries.data(), DWORD(entries.size() * sizeof(Entry)), DWORD(entries.size()), 1, 0, &stored);
    calls.TableReload(server, table);
}

void StoreSample(BroadcastTableCalls& calls, const std::string& server)
{
    Store(calls, server, 1,
        std::vector<NtDomainEntry> {NtDomain("SALES"), NtDomain("RESEARCH"), NtDomain("WORKGROUP", 1, kOwnerAutomatic),
            NtDomain("ARCHIVE", 0)});
    Store(calls, server, 2,
        std::vector<IpNetEntry> {IpNet("192.168.10.0", "255.255.255.0"), IpNet("10.20.0.0", "255.255.0.0"),
            IpNet("172.16.4.0", "255.255.252.0", 1, kOwnerAutomatic), IpNet("192.168.99.0", "255.255.255.0", 0),
            IpNet("10.1.0.0", "255.255.0.0", 1, kOwnerAutomatic)});
    Store(calls, server, 4,
        std::vector<IpMaskEntry> {
            IpMask("255.255.255.0"), IpMask("255.255.0.0", 1, kOwnerAutomatic), IpMask("255.255.252.0", 0)});
}

class CTableSheetApp : public CWinApp {
public:
    CTableSheetApp() : CWinApp("Broadcast Tables") { }

    BOOL InitInstance() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        std::istringstream words(m_cmdLine);
        std::string server = "ALPHA", word;
        bool sample = false, open = false;
        int closeAfter = 0;
        for (int position = 0; words >> word; ++position) {
            if (word == "/sample")
                sample = true;
            else if (word == "/close" && words >> closeAfter)
                continue;
            else if (word == "/add" || word == "/edit")
                open = true, g_edit = word == "/edit";
            else if (position == 0)
                server = word;
            else
                g_page = std::atoi(word.c_str()) % 3;
        }
        DrumelTableCalls calls;
        if (sample)
            StoreSample(calls, server);
        CTableSheet sheet(calls, server, false, UINT(g_page));
        g_sheet = &sheet;
        if (open)
            SetTimer(nullptr, 0, 1500, OpenEntryOnce);
        if (closeAfter > 0)
            SetTimer(nullptr, 0, UINT(closeAfter) * 1000, CloseShown);
        if (sheet.DoModal() == IDOK)
            sheet.m_pages.Save();
        g_sheet = nullptr;
        return FALSE;
    }
};

CTableSheetApp g_app;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    return g_app.WinMainBody(instance, commandLine, show);
}
