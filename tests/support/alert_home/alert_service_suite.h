// Installs ALERTSVC.EXE in the test prefix for a suite and removes it afterwards, and runs the
// programs that lie beside a test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "scratch_alert_home.h"

// The full path of `name` in the test program's own folder.
std::string PathBesideTest(const std::string& name);
// Runs a program beside the test (bounded wait) and gives its exit code; -1 on failure.
int RunBesideTest(const std::string& program, const std::string& arguments);

// The service's state as the service control manager reports it; 0 when it cannot be read.
DWORD ServiceState();
// True when the service control manager knows the service.
bool ServiceInstalled();

class AlertServiceSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static std::unique_ptr<ScratchAlertHome> m_home;
};
