// QuilletPlugin: the Local Scanner's side of the protocol: the engine, archive and filter start-up.
#pragma once

#include <cstdint>
#include <string>

#include "archive_library.h"
#include "engine_binding.h"
#include "engine_library.h"
#include "filter_link.h"
#include "local_scan_options.h"
#include "mail_agent.h"
#include "panel_mail_hooks.h"
#include "network_provider.h"
#include "panel_plugin.h"
#include "alert_builder.h"
#include "scan_start.h"

class CQuilletFrameWnd;

enum : UINT { IDS_ENGINE_NOT_INITIALISED = 2039 };
constexpr DWORD kArchiveStartFlags = 0x4000;

struct QuilletServices {
    EngineLibrary& engine;
    ArchiveLibrary& archive;
    FilterLink& filters;
};

struct EngineVersions {
    std::uint32_t engine = 0, signatures = 0, engineDate = 0, signatureDate = 0;
};

class QuilletPlugin : public PanelPlugin {
public:
    static const PanelDescription kDescription;

    QuilletPlugin(CExtensionApp& app, QuilletServices services);

    const std::string& HelpFile() const { return m_helpFile; }
    const EngineVersions& Versions() const { return m_versions; }
    bool EngineLoaded() const { return m_engineLoaded; }
    // The engine as scan jobs use it: its instance and the plug-in's option block.
    EngineBinding& Engine() { return m_engine; }
    ArchiveLibrary& Archive() { return m_services.archive; }
    // The archive library's handle, 0 when it did not start.
    DWORD ArchiveHandle() const { return m_archive; }
    // The one option record of the plug-in: every scan reads it, only the options sheet's OK changes it.
    LocalScanOptions& Options() { return m_options; }
    const LocalScanOptions& Options() const { return m_options; }
    // Reads the record from VEXOMAR.INI and sets its move folder (when the panel window is made).
    void LoadOptions();

    // The panel's commands: the options sheet (OK saves the record), the virus list, the versions.
    // The sheet's mail pieces follow the agent and the tree's mail root.
    void EditOptions(bool mailAgentConnected = false, bool mailRootShown = false);
    void ShowVirusList();
    void ShowVersionInformation();

    // The open panel's frame, null while the panel is closed.
    CQuilletFrameWnd* PanelFrame() const { return m_frame; }
    void PanelFrameGone(CQuilletFrameWnd* frame);
    // The mail-database agent's part of the panel, bound by the agent's owner.
    PanelMailHooks& MailHooks() { return m_mailHooks; }
    // The agent a scan job reads mail-database files through; connected when the panel opens.
    MailAgent& Mail() { return m_mailAgent; }

protected:
    void OnAttached() override;
    void OnInitialise() override;
    void OnTerminate() override;
    CPanelFrameWnd* MakePanelFrame() override;
    // The registry's temporary directory (Path\TMP, "c:\" when absent).
    virtual std::string TemporaryDirectory() const;
    // The folder the engine and its data file lie in: the plug-in's own.
    virtual std::string ModuleDirectory() const;

private:
    bool StartEngine();
    bool LoadEngine();
    void ShowEngineBox(const char* text) const;

    QuilletServices m_services;
    std::string m_helpFile = "VEXOMAR.HLP";
    EngineBinding m_engine;
    bool m_engineLoaded = false;
    EngineVersions m_versions;
    DWORD m_archive = 0;
    std::string m_temporaryDirectory;
    LocalScanOptions m_options;
    SystemNetwork m_network;
    FenwixAlertBuilder m_alerts;
    OpenDialogDirectoryChooser m_chooser;
    MailAgent m_mailAgent;
    PanelMailHooks m_mailHooks;
    CQuilletFrameWnd* m_frame = nullptr;
};
