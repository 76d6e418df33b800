// A main frame on the recording alert core, with the log folders in a scratch directory.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fake_alert_core.h"
#include "main_frame.h"
#include "program_values.h"
#include "service_control.h"

// The Alert Service's status as the test sets it, here and on every other computer.
class FixedServiceControl : public ServiceControl {
public:
    DWORD QueryLocal() override { return status; }
    bool QueryRemote(const char*, DWORD& answer) override
    {
        answer = status;
        return true;
    }
    void CloseLocal() override { }

    DWORD status = SERVICE_RUNNING;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the frame; the core's answers must be set before.
    void CreateFrame();
    // Makes the frame with other pages than the Alert Manager's.
    void CreateFrame(const std::vector<PageRow>& rows);
    // An application list of 64-byte names, as the core hands it over.
    static FakeAnswer ApplicationList(const std::vector<std::string>& names);
    std::vector<std::string> SelectorEntries() const;
    std::string SelectedEntry() const;
    // Sends the tab-change notification the way a click on tab `index` does.
    void ClickTab(CASTabWnd& tab, int index);
    // Runs the idle update of the menu, toolbar and status bars now.
    void UpdateCommands();
    bool Enabled(UINT id);

    FakeAlertCore core;
    FixedServiceControl serviceControl;
    std::unique_ptr<CMainFrame> frame;
    std::string scratch;
};
