// CQuilletApp: QUILLET.DLL's application object, which hands the panel's commands to the plug-in.
#pragma once

#include "extension_app.h"

class QuilletPlugin;

class CQuilletApp : public CExtensionApp {
public:
    using CExtensionApp::CExtensionApp;

    void SetPlugin(QuilletPlugin* plugin) { m_plugin = plugin; }
    const MessageMap& GetMessageMap() const override;
    // The open panel answers the menu's commands first, with its own states.
    bool OnCmdMsg(CommandRequest& request) override;

private:
    void OnOptions();
    void OnVirusList();
    void OnVersionInformation();
    void OnScanLog();

    QuilletPlugin* m_plugin = nullptr;
};
