// QuilletPlugin: engine start and stop, the archive library's start and the filter devices.
#include "quillet_plugin.h"

#include <vector>

#include "module.h"
#include "prompter.h"
#include "machine_info_dlg.h"
#include "mailbox_source.h"
#include "quillet_frame_wnd.h"
#include "qvctrl.h"
#include "quillet_registry.h"
#include "quillet_resource.h"
#include "scan_options_sheet.h"
#include "scan_options_store.h"
#include "virus_list_dlg.h"

const PanelDescription QuilletPlugin::kDescription = {
    "MDIFiller_Quillet",
    "QUILLET.DLL -  Failed to Register 'MDIFiller_Quillet' Class !",
    IDI_QUILLET_PANEL,
    9,
    "",
    true,
    true,
    false,
};

namespace {

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// Keeps the current directory for the time the engine is bound from the plug-in's folder.
class DirectoryScope {
public:
    explicit DirectoryScope(const std::string& directory)
    {
        char current[MAX_PATH] = {};
        if (GetCurrentDirectoryA(MAX_PATH, current))
            m_previous = current;
        SetCurrentDirectoryA(directory.c_str());
    }
    ~DirectoryScope()
    {
        if (!m_previous.empty())
            SetCurrentDirectoryA(m_previous.c_str());
    }

private:
    std::string m_previous;
};

}  // namespace

QuilletPlugin::QuilletPlugin(CExtensionApp& app, QuilletServices services)
    : PanelPlugin(app, kDescription), m_services(services)
{
    // The panel reaches the mail-database agent only through these; a test binds its own.
    m_mailHooks.connect = [this] { return m_mailAgent.Connect(); };
    m_mailHooks.mailboxes = [this] { return m_mailAgent.Mailboxes(); };
    m_mailHooks.mailboxSource = [this](std::vector<std::string> names) -> std::unique_ptr<ScanItemSource> {
        auto source = std::make_unique<MailboxSource>(m_mailAgent, m_options, std::move(names));
        // The panel's tree decides when a mail scan was whole and keeps its time for the next one.
        source->SetCoversWholeRoot(false);
        return source;
    };
    m_mailHooks.isMailDatabaseExtension = [this](const std::string& extension) {
        return MailAgent::IsMailDatabaseExtension("." + extension, m_options);
    };
}

void QuilletPlugin::OnAttached()
{
    char hostPath[MAX_PATH] = {};
    if (GetModuleFileNameA(nullptr, hostPath, MAX_PATH))
        m_helpFile = HelpFileForHost(hostPath);
}

void QuilletPlugin::OnInitialise()
{
    if (!StartEngine()) {
        m_available = false;
        PromptId(IDS_ENGINE_NOT_INITIALISED);
        return;
    }
    m_temporaryDirectory = TemporaryDirectory();
    m_archive = m_services.archive.Init(kArchiveStartFlags);
    if (m_archive)
        m_services.archive.SetTemporaryDirectory(m_archive, m_temporaryDirectory);
    TellFiltersScannerStarted(m_services.filters, Widen(m_temporaryDirectory));
}

bool QuilletPlugin::StartEngine()
{
    // The directory is given back on every path, not only after a load.
    DirectoryScope scope(ModuleDirectory());
    if (!m_services.engine.Bind())
        return false;
    if (LoadEngine())
        return true;
    m_services.engine.Free();
    return false;
}

bool QuilletPlugin::LoadEngine()
{
    EngineLibrary& engine = m_services.engine;
    m_engine = EngineBinding {};
    if (engine.Open(&m_engine.instance) != 0)
        return false;
    // The block's first contents until a scan sets the mode.
    if (engine.SetOptions(m_engine.instance, m_engine.block.data(), kOptionWords) != 0)
        return false;
    switch (engine.LoadSignatures(m_engine.instance)) {
    case 0:
        engine.Versions(m_engine.instance, &m_versions.engine, &m_versions.signatures, &m_versions.engineDate,
            &m_versions.signatureDate);
        m_engine.library = &engine;
        m_engineLoaded = true;
        return true;
    case 10: ShowEngineBox("Error allocating memory for data file"); return false;
    case 11: ShowEngineBox("Error opening data file"); return false;
    case 20:
        ShowEngineBox("Invalid format of ");
        ShowEngineBox("VIRSIG.DAT");
        return false;
    default: ShowEngineBox("Error loading data file"); return false;
    }
}

void QuilletPlugin::ShowEngineBox(const char* text) const
{
    Prompter::Current().Show(HostWindow(), text, "Vexomar", MB_OK | MB_ICONERROR);
}

void QuilletPlugin::OnTerminate()
{
    m_mailAgent.Disconnect();
    if (!m_engineLoaded)
        return;
    TellFiltersScannerStopped(m_services.filters, Widen(m_temporaryDirectory));
    if (m_archive)
        m_services.archive.DeInit(m_archive);
    m_archive = 0;
    m_services.engine.ReleaseSignatures(m_engine.instance);
    m_services.engine.Close(m_engine.instance);
    m_services.engine.Free();
    m_engine.library = nullptr;
    m_engineLoaded = false;
}

CPanelFrameWnd* QuilletPlugin::MakePanelFrame()
{
    LoadOptions();
    m_frame = new CQuilletFrameWnd(QuilletPanelServices {*this, m_network, m_alerts, m_chooser, m_mailHooks});
    return m_frame;
}

void QuilletPlugin::PanelFrameGone(CQuilletFrameWnd* frame)
{
    if (m_frame == frame)
        m_frame = nullptr;
}

std::string QuilletPlugin::TemporaryDirectory() const
{
    const std::string directory = ReadVexomarString("Path", "TMP", "c:\\");
    return directory.empty() ? std::string("c:\\") : directory;
}

void QuilletPlugin::LoadOptions()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(ModuleInstance(), path, MAX_PATH);
    LoadLocalScanOptions(m_app, std::string(path, length), m_options);
}

void QuilletPlugin::EditOptions(bool mailAgentConnected, bool mailRootShown)
{
    // The date and time fields of the E-Mail page are the custom control library's; a library the host
    // has loaded already is only counted once more.
    HMODULE customControls = LoadLibraryA("QVCTRLU.DLL");
    ScanOptionsSheetSetup setup;
    setup.mailAgentConnected = mailAgentConnected;
    setup.mailRootShown = mailRootShown;
    EditScanOptions(m_app.Host(), m_options, setup,
        [this](const LocalScanOptions& options) { return SaveLocalScanOptions(m_app, options); });
    if (customControls)
        FreeLibrary(customControls);
}

void QuilletPlugin::ShowVirusList()
{
    // virus.lst is made with the signature file and lies beside it, in the plug-in's folder.
    ::ShowVirusList(m_app.Host(), ModuleDirectory() + "\\virus.lst");
}

void QuilletPlugin::ShowVersionInformation()
{
    ShowMachineInformation(m_app.Host(), m_versions);
}

std::string QuilletPlugin::ModuleDirectory() const
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(ModuleInstance(), path, MAX_PATH);
    std::string directory(path, length);
    size_t slash = directory.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : directory.substr(0, slash);
}
