// CQuilletFrameWnd: creation of the panel's parts, the layout, the commands with their states,
// the scan run and the refused close.
#include "quillet_frame_wnd.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "cmd_ui.h"
#include "module.h"
#include "prompter.h"
#include "quillet_options_ids.h"
#include "quillet_panel_ids.h"
#include "quillet_plugin.h"
#include "quillet_resource.h"
#include "scan_log_file.h"
#include "scan_records.h"
#include "tree_scan_source.h"

namespace {

constexpr UINT_PTR kCloseHookId = 0x5153;

HFONT CreatePanelFont()
{
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

std::string FieldText(const char* field, size_t size)
{
    return std::string(field, strnlen(field, size));
}

LRESULT CALLBACK CloseHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_CLOSE && !reinterpret_cast<CQuilletFrameWnd*>(data)->QueryClose())
        return 0;
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

// The job's progress goes to the form; the run holds the drive watcher from its Begin to its End.
class CQuilletFrameWnd::Progress : public ScanProgress {
public:
    Progress(CScanProgressForm& form, CDriveWatcher& watcher) : m_form(form), m_watcher(watcher) { }
    void Started() override
    {
        m_watcher.Pause();
        m_held = true;
        m_form.Started();
    }
    void ShowNode(const std::string& text) override { m_form.ShowNode(text); }
    void ShowCounters(const ScanCounters& counters) override { m_form.ShowCounters(counters); }
    void Finished() override
    {
        m_form.Finished();
        if (m_held)
            m_watcher.Resume();
        m_held = false;
    }

private:
    CScanProgressForm& m_form;
    CDriveWatcher& m_watcher;
    bool m_held = false;
};

// Options, Scan Log, Version Information, three separators, Start, Stop.
const UINT CQuilletFrameWnd::kToolbarButtons[8] = {ID_QUILLET_OPTIONS, ID_QUILLET_LOG, ID_QUILLET_VERSION_INFO,
    ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_QUILLET_START, ID_QUILLET_STOP};

CQuilletFrameWnd::CQuilletFrameWnd(QuilletPanelServices services)
    : CPanelFrameWnd(PanelToolbar {IDB_QUILLET_TOOLBAR, {std::begin(kToolbarButtons), std::end(kToolbarButtons)}}),
      m_services(services)
{
}

CQuilletFrameWnd::~CQuilletFrameWnd()
{
    m_job.reset();
    m_source.reset();
    if (m_font)
        DeleteObject(m_font);
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
    m_services.plugin.PanelFrameGone(this);
}

const MessageMap& CQuilletFrameWnd::GetMessageMap() const
{
    static const MessageMap map(CPanelFrameWnd::GetMessageMap(),
        {
            on::Create(&CQuilletFrameWnd::OnCreate),
            on::Size(&CQuilletFrameWnd::OnSize),
            on::SetFocus(&CQuilletFrameWnd::OnSetFocus),
            on::Destroy(&CQuilletFrameWnd::OnDestroy),
            on::Message(kStartScan, &CQuilletFrameWnd::OnStartScan),
            on::Command(ID_QUILLET_START, &CQuilletFrameWnd::OnStart),
            on::Command(ID_QUILLET_STOP, &CQuilletFrameWnd::OnStop),
            on::Command(ID_QUILLET_OPTIONS, &CQuilletFrameWnd::OnOptions),
            on::Command(ID_QUILLET_LOG, &CQuilletFrameWnd::OnScanLog),
            on::Command(ID_QUILLET_VERSION_INFO, &CQuilletFrameWnd::OnVersionInformation),
            on::Command(ID_QUILLET_VIRUS_LIST, &CQuilletFrameWnd::OnVirusList),
            on::Command(ID_QUILLET_SELECT_DRIVE, &CQuilletFrameWnd::OnSelectDrive),
            on::UpdateCommand(ID_QUILLET_START, &CQuilletFrameWnd::OnUpdateStart),
            on::UpdateCommand(ID_QUILLET_STOP, &CQuilletFrameWnd::OnUpdateStop),
            on::UpdateCommand(ID_QUILLET_OPTIONS, &CQuilletFrameWnd::OnUpdateIdle),
            on::UpdateCommand(ID_QUILLET_LOG, &CQuilletFrameWnd::OnUpdateIdle),
            on::UpdateCommand(ID_QUILLET_VERSION_INFO, &CQuilletFrameWnd::OnUpdateIdle),
            on::UpdateCommand(ID_QUILLET_VIRUS_LIST, &CQuilletFrameWnd::OnUpdateIdle),
        });
    return map;
}

int CQuilletFrameWnd::OnCreate(CREATESTRUCTA&)
{
    m_font = CreatePanelFont();
    if (!m_font || !ToolBar().Create(this, WS_CHILD | WS_VISIBLE, 0xE800) || !ToolBar().LoadBitmap(IDB_QUILLET_TOOLBAR) ||
        !ToolBar().SetButtons(kToolbarButtons, static_cast<int>(std::size(kToolbarButtons))))
        return -1;
    if (!CreatePanes())
        return -1;
    m_accelerators = LoadAcceleratorsA(ResourceInstance(), MAKEINTRESOURCEA(IDR_QUILLET_ACCELERATORS));
    m_mailConnected = m_services.mail.connect && m_services.mail.connect();
    m_tree->InsertRoots(m_mailConnected);
    MakeRecordDirectory();
    m_tree->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    m_files->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    ::SendMessageA(m_tree->Tree().m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    ::SendMessageA(m_files->List(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    HookClose();
    ::SetFocus(m_tree->Tree().m_hWnd);
    return 0;
}

bool CQuilletFrameWnd::CreatePanes()
{
    if (!m_splitter.CreateStatic(this, 1, 2))
        return false;
    m_files = new CFileListPane;
    if (!m_files->CreatePane(&m_splitter, CSplitterWnd::IdFromRowCol(0, 1))) {
        if (!m_files->m_hWnd)
            delete m_files;
        m_files = nullptr;
        return false;
    }
    m_tree = new CScanTreePane(m_services.network, m_services.mail);
    if (!m_tree->CreatePane(&m_splitter, CSplitterWnd::IdFromRowCol(0, 0))) {
        if (!m_tree->m_hWnd)
            delete m_tree;
        m_tree = nullptr;
        return false;
    }
    m_splitter.SetPane(0, m_tree->m_hWnd);
    m_splitter.SetPane(1, m_files->m_hWnd);
    // The progress form lies in the file list's place, hidden until a scan runs.
    if (m_form.Create(m_files->m_hWnd))
        m_files->SetAlternateContent(m_form.Handle());
    m_progress = std::make_unique<Progress>(m_form, m_tree->Watcher());
    m_tree->SetShowNode([this](ScanTreeNode* node) { ShowNode(node); });
    m_tree->SetCommandSink([this](UINT command) {
        RouteCommand(command == ID_CONTEXT_MAIL_OPTIONS ? ID_QUILLET_OPTIONS : command);
    });
    m_files->SetFileToggled([this](ScanTreeNode& folder) { m_tree->ShowStates(folder); });
    return true;
}

void CQuilletFrameWnd::MakeRecordDirectory()
{
    // The panel opens anyway; the message has said why no record can be kept.
    EnsureScanRecordDirectory(m_hWnd);
}

FileKindRules CQuilletFrameWnd::KindRules(const ScanTreeNode* folder) const
{
    const LocalScanOptions& options = m_services.plugin.Options();
    FileKindRules rules;
    rules.plain.renameExtension = FieldText(options.renameExtension, sizeof options.renameExtension);
    rules.plain.executablesOnly = options.executablesOnly != 0;
    const int count = std::clamp(options.executableCount, 0, kExtensionListCapacity);
    for (int i = 0; i < count; ++i)
        rules.plain.executables.push_back(FieldText(options.executableExtensions[i], kExtensionSize));
    rules.scanArchives = options.scanArchives != 0 && m_services.plugin.ArchiveHandle() != 0;
    rules.scanMailDatabases = options.scanMailDatabases != 0;
    rules.mailAgentConnected = m_mailConnected;
    QuilletPlugin& plugin = m_services.plugin;
    const std::string directory = folder ? folder->path : std::string();
    rules.archiveType = [&plugin, directory](const std::string& name) {
        return plugin.Archive().ArchiveType(plugin.ArchiveHandle(), directory + name);
    };
    rules.isMailDatabaseExtension = m_services.mail.isMailDatabaseExtension;
    return rules;
}

void CQuilletFrameWnd::ShowNode(ScanTreeNode* node)
{
    if (!m_files)
        return;
    m_files->Show(node, KindRules(node));
    // The search told whether the folder has subfolders: its button follows.
    if (node && m_tree && !node->expandable)
        m_tree->ShowStates(*node);
}

void CQuilletFrameWnd::OnSize(UINT, int width, int height)
{
    LayOutBarAndSplitter(m_splitter, m_splitPlaced, width, height);
}

void CQuilletFrameWnd::OnSetFocus(HWND)
{
    if (m_tree && m_tree->Tree().m_hWnd)
        ::SetFocus(m_tree->Tree().m_hWnd);
}

void CQuilletFrameWnd::OnDestroy()
{
    UnhookClose();
    if (m_job)
        m_job->Cancel();
}

bool CQuilletFrameWnd::HookClose()
{
    HWND child = GetParent();
    if (!child || !SetWindowSubclass(child, CloseHook, kCloseHookId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hookedChild = child;
    return true;
}

void CQuilletFrameWnd::UnhookClose()
{
    if (m_hookedChild && IsWindow(m_hookedChild))
        RemoveWindowSubclass(m_hookedChild, CloseHook, kCloseHookId);
    m_hookedChild = nullptr;
}

bool CQuilletFrameWnd::QueryClose()
{
    if (!m_scanning)
        return true;
    Prompter::Current().Show(m_hWnd, LoadResString(IDS_PANEL_CLOSE_WHILE_SCANNING), LoadResString(IDS_PANEL_TITLE),
        MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CQuilletFrameWnd::OnCmdMsg(CommandRequest& request)
{
    return CPanelFrameWnd::OnCmdMsg(request);
}

bool CQuilletFrameWnd::PreTranslateMessage(MSG& message)
{
    if (!m_accelerators || message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    if (message.hwnd != m_hWnd && !::IsChild(m_hWnd, message.hwnd))
        return false;
    return TranslateAcceleratorA(m_hWnd, m_accelerators, &message) != 0;
}

void CQuilletFrameWnd::OnUpdateIdle(CCmdUI& ui)
{
    ui.Enable(!m_scanning);
}

bool CQuilletFrameWnd::CanStart() const
{
    const bool formShown = m_form.Handle() && ::IsWindowVisible(m_form.Handle());
    return !m_scanning && !formShown && m_services.plugin.EngineLoaded();
}

void CQuilletFrameWnd::OnUpdateStart(CCmdUI& ui)
{
    ui.Enable(CanStart());
}

void CQuilletFrameWnd::OnUpdateStop(CCmdUI& ui)
{
    ui.Enable(m_scanning);
}

void CQuilletFrameWnd::OnStart()
{
    // Ctrl+B reaches here without the button's state: the same rule holds.
    if (CanStart())
        PostMessage(kStartScan);
}

LRESULT CQuilletFrameWnd::OnStartScan(WPARAM, LPARAM)
{
    RunScan();
    return 0;
}

void CQuilletFrameWnd::OnStop()
{
    if (!m_scanning || !m_job)
        return;
    if (m_source)
        m_source->Stop();
    m_job->Cancel();
}

void CQuilletFrameWnd::EnablePanes(bool enable)
{
    if (m_tree)
        m_tree->EnableWindow(enable);
    if (m_files)
        ::EnableWindow(m_files->List(), enable);
}

void CQuilletFrameWnd::RunScan()
{
    if (m_scanning || !m_tree)
        return;
    QuilletPlugin& plugin = m_services.plugin;
    LocalScanOptions& options = plugin.Options();
    PassArchiveExtensions(plugin.Archive(), plugin.ArchiveHandle(), options);
    if (!CheckMoveDirectory(options, m_hWnd, m_services.chooser))
        return;
    m_scanning = true;
    EnablePanes(false);
    m_tree->FillSelectedServers();
    m_job.reset();
    m_source = MakeTreeScanSource({m_tree->Computer(), m_tree->NetworkRoot(), m_tree->MailRoot(), plugin.Archive(),
        plugin.ArchiveHandle(), m_services.mail, options});
    ScanServices services {plugin.Engine(), plugin.Archive(), plugin.ArchiveHandle(), options, m_services.alerts,
        m_hWnd, m_mailConnected, m_mailConnected ? &plugin.Mail() : nullptr};
    m_job = std::make_unique<PanelScanJob>(*m_source, services, *m_progress);
    m_form.Begin(*m_job);
    m_files->ShowProgress(true);
    m_job->Run();
    m_form.End();
    m_files->ShowProgress(false);
    m_scanning = false;
    EnablePanes(true);
    FinishScan(m_hWnd, options, *m_job, m_form);
    ShowNode(m_tree->SelectedNode());
}

void CQuilletFrameWnd::OnOptions()
{
    if (m_scanning)
        return;
    m_services.plugin.EditOptions(m_mailConnected, m_tree && m_tree->MailRoot());
    if (m_tree)
        m_tree->Refresh();
}

void CQuilletFrameWnd::OnScanLog()
{
    if (!m_scanning)
        ViewScanningRecords(m_hWnd);
}

void CQuilletFrameWnd::OnVersionInformation()
{
    if (!m_scanning)
        m_services.plugin.ShowVersionInformation();
}

void CQuilletFrameWnd::OnVirusList()
{
    if (!m_scanning)
        m_services.plugin.ShowVirusList();
}
