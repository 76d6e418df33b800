// CQuilletFrameWnd: the Local Scanner panel in the host's MDI child: toolbar, splitter with the
// scan tree and the file list (or the progress form), the scanner's commands and the scan run.
#pragma once

#include <memory>

#include "file_list_pane.h"
#include "panel_frame_wnd.h"
#include "panel_mail_hooks.h"
#include "network_provider.h"
#include "panel_scan_job.h"
#include "scan_progress_form.h"
#include "scan_start.h"
#include "scan_tree_pane.h"
#include "source_sequence.h"
#include "splitter_wnd.h"

class QuilletPlugin;
class AlertBuilder;

// What the panel works with; all of it outlives the panel.
struct QuilletPanelServices {
    QuilletPlugin& plugin;
    NetworkProvider& network;
    AlertBuilder& alerts;
    DirectoryChooser& chooser;
    const PanelMailHooks& mail;
};

class CQuilletFrameWnd : public CPanelFrameWnd {
public:
    // Posted by Start; its handler runs the scan.
    static constexpr UINT kStartScan = 1025;
    static const UINT kToolbarButtons[8];

    explicit CQuilletFrameWnd(QuilletPanelServices services);
    ~CQuilletFrameWnd() override;

    bool Scanning() const { return m_scanning; }
    // No scan runs, the progress form is hidden and the engine is there.
    bool CanStart() const;
    CScanTreePane* TreePane() { return m_tree; }
    CFileListPane* FilePane() { return m_files; }
    CScanProgressForm& ProgressForm() { return m_form; }
    const PanelScanJob* Job() const { return m_job.get(); }
    bool MailConnected() const { return m_mailConnected; }
    CSplitterWnd& Splitter() { return m_splitter; }
    // What the file list lists of `folder`, from the options in force.
    FileKindRules KindRules(const ScanTreeNode* folder) const;

    bool OnCmdMsg(CommandRequest& request) override;
    // Ctrl+B, Ctrl+P and Ctrl+D inside the panel.
    bool PreTranslateMessage(MSG& message) override;
    const MessageMap& GetMessageMap() const override;

    // The MDI child's close: refused (678) while a scan runs. True when the panel may close.
    bool QueryClose();

protected:
    int OnCreate(CREATESTRUCTA& create);
    void OnSize(UINT type, int width, int height);
    void OnSetFocus(HWND previous);
    void OnDestroy();
    LRESULT OnStartScan(WPARAM, LPARAM);

    void OnStart();
    void OnStop();
    void OnOptions();
    void OnScanLog();
    void OnVersionInformation();
    void OnVirusList();
    void OnSelectDrive() { }
    void OnUpdateIdle(CCmdUI& ui);
    void OnUpdateStart(CCmdUI& ui);
    void OnUpdateStop(CCmdUI& ui);

private:
    class Progress;
    bool CreatePanes();
    void ShowNode(ScanTreeNode* node);
    void RunScan();
    void EnablePanes(bool enable);
    void MakeRecordDirectory();
    bool HookClose();
    void UnhookClose();

    QuilletPanelServices m_services;
    HFONT m_font = nullptr;
    HACCEL m_accelerators = nullptr;
    CSplitterWnd m_splitter;
    CScanTreePane* m_tree = nullptr;  // both panes delete themselves with their windows
    CFileListPane* m_files = nullptr;
    CScanProgressForm m_form;
    std::unique_ptr<Progress> m_progress;
    std::unique_ptr<SourceSequence> m_source;
    std::unique_ptr<PanelScanJob> m_job;
    bool m_scanning = false;
    bool m_mailConnected = false;
    bool m_splitPlaced = false;
    HWND m_hookedChild = nullptr;
};
