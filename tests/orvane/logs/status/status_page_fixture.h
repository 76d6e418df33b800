// The Alert Summary page on its own, with the recording core, service control and frame.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "al_static_wnd.h"
#include "alert_record_table.h"
#include "fake_alert_core.h"
#include "fake_service_control.h"
#include "status_ids.h"
#include "status_test_support.h"
#include "test_program.h"

class StatusPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseLocalServer();
        TestProgram().core = &core;
        TestProgram().frame = &frame;
        TestProgram().serviceState = kServiceRunning;
        CAlertRecordTable::ForgetPaths();
        core.AnswerAlways("AlertGetHomeEventLog", DataAnswer(1, CoreText(folder.Path())));
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 600, 450}, nullptr, 0));
        ASSERT_TRUE(page.Create(&owner, RECT {0, 0, 580, 420}, 0));
        page.m_wait = [this](DWORD milliseconds) { waits.push_back(milliseconds); };
    }
    void TearDown() override
    {
        page.DestroyWindow();
        owner.DestroyWindow();
        CAlertRecordTable::ForgetPaths();
    }

    void Tick() { page.SendMessage(WM_TIMER, CAlStaticWnd::kPollTimer); }
    void Command(UINT id) { page.SendMessage(WM_COMMAND, id); }
    std::string Text(int id) const { return page.GetDlgItemText(id); }
    std::vector<std::string> Counts() const
    {
        return {Text(IDC_CRITICAL_COUNT), Text(IDC_WARNING_COUNT), Text(IDC_INFORMATIONAL_COUNT)};
    }
    void AnswerStatistics(int critical, int warning, int informational)
    {
        core.Answer("AlertGetStatistics", DataAnswer(1, StatisticsRecord(critical, warning, informational)));
    }

    ProgramValuesScope scope;
    ScratchFolder folder {TestName()};
    FakeAlertCore core;
    FakeServiceControl control;
    RecordingFrame frame;
    std::vector<DWORD> waits;
    CWnd owner;
    CAlStaticWnd page {TestProgramWith(control)};
};

inline constexpr const char* kMustStartText =
    "You must start the Alert Service before you may view and modify it's configuration";
