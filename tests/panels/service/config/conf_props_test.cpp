// The "Service Configuration" sheet over recorded calls: what it reads, shows, writes, and says when a call fails.
#include <gtest/gtest.h>

#include "conf_props.h"
#include "extension_app.h"
#include "modal_script.h"
#include "qvctrl.h"
#include "recording_service_calls.h"
#include "scripted_prompter.h"
#include "service_config_ids.h"
#include "ui_actions.h"

namespace {

CExtensionApp g_app("SERVICE");
using Kind = ConfigRecordKind;

int SpinValue(CWnd& page, int id)
{
    return int(SendDlgItemMessageA(page.m_hWnd, id, QVM_GETVALUE, 0, 0));
}

class ConfPropsTest : public ::testing::Test {
protected:
    ConfPropsTest()
    {
        m_calls.records[Kind::kService] = Record3(7, 600, 0);
        m_calls.records[Kind::kActivityLog] = Record3(500, 30, 7);
        m_calls.records[Kind::kScanLog] = Record3(200, 30, 7);
    }
    // Shows page `index`, runs `act` on it and ends the sheet with `button`.
    template <class Act> void OnPage(int index, Act act, int button = PSBTN_OK)
    {
        m_script.Then([index, act, button](CWnd& modal) {
            auto& sheet = static_cast<CPropertySheet&>(modal);
            sheet.SetActivePage(index);
            act(*sheet.GetPage(index));
            sheet.PressButton(button);
        });
    }
    INT_PTR Run(const ConfigTarget& target)
    {
        CConfProps sheet(m_calls, target);
        return sheet.DoModal();
    }

    ConfigTarget m_server {TargetKind::kMemberServer, "ALPHA", "ALPHA"};
    RecordingServiceCalls m_calls;
    ScriptedPrompter m_prompter;
    ModalScript m_script;
};

}  // namespace

TEST_F(ConfPropsTest, TheServicePageShowsTheRecordAndOkWritesAllThreeInOrder)
{
    std::string title;
    std::vector<std::string> tabs;
    bool automatic = true;
    int hold = -1, minutes = -1;
    m_script.Then([&](CWnd& modal) {
        auto& sheet = static_cast<CPropertySheet&>(modal);
        CWnd& page = *sheet.GetPage(0);
        char text[128] = {};
        GetWindowTextA(modal.m_hWnd, text, sizeof text);
        title = text;
        tabs = sheet.GetTabTexts();
        automatic = IsDlgButtonChecked(page.m_hWnd, IDC_STARTUP_AUTOMATIC) == BST_CHECKED;
        hold = SpinValue(page, IDC_HOLD_DAYS);
        minutes = SpinValue(page, IDC_SERVER_TIMEOUT);
        CheckRadioButton(page.m_hWnd, IDC_STARTUP_AUTOMATIC, IDC_STARTUP_MANUAL, IDC_STARTUP_AUTOMATIC);
        TypeText(page.m_hWnd, IDC_HOLD_DAYS, "12");
        TypeText(page.m_hWnd, IDC_SERVER_TIMEOUT, "25");
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, Run(m_server));
    EXPECT_EQ("Service Configuration for Server: ALPHA", title);
    EXPECT_EQ((std::vector<std::string> {"Service", "Event Log", "Scan Log"}), tabs);
    EXPECT_FALSE(automatic);
    EXPECT_EQ(7, hold);
    EXPECT_EQ(10, minutes);
    EXPECT_EQ(
        (std::vector<std::string> {"getservice", "getactivity", "getscan", "setservice", "setactivity", "setscan"}),
        m_calls.Names());
    for (const TableCall& call : m_calls.calls) {
        EXPECT_EQ("ALPHA", call.server);
        EXPECT_EQ(12u, call.size);
        EXPECT_EQ(0u, call.domainWide);
    }
    EXPECT_EQ(Record3(12, 1500, 1), m_calls.records[Kind::kService]);
    // Pages never shown go back as read.
    EXPECT_EQ(Record3(500, 30, 7), m_calls.records[Kind::kActivityLog]);
    EXPECT_EQ(Record3(200, 30, 7), m_calls.records[Kind::kScanLog]);
}

TEST_F(ConfPropsTest, TimeOutsAreWholeMinutesWithinTheControlsRange)
{
    // 450 s shows as 7 minutes and goes back as 420 s; 90 s is below the 3-minute floor.
    m_calls.records[Kind::kService] = Record3(2000, 450, 1);
    int minutes = -1, hold = -1;
    OnPage(0, [&](CWnd& page) {
        minutes = SpinValue(page, IDC_SERVER_TIMEOUT);
        hold = SpinValue(page, IDC_HOLD_DAYS);
    });
    EXPECT_EQ(IDOK, Run(m_server));
    EXPECT_EQ(7, minutes);
    EXPECT_EQ(1000, hold);
    EXPECT_EQ(Record3(1000, 420, 1), m_calls.records[Kind::kService]);

    m_calls.records[Kind::kService] = Record3(7, 90, 0);
    OnPage(0, [&](CWnd& page) { minutes = SpinValue(page, IDC_SERVER_TIMEOUT); });
    EXPECT_EQ(IDOK, Run(m_server));
    EXPECT_EQ(3, minutes);
    EXPECT_EQ(Record3(7, 180, 0), m_calls.records[Kind::kService]);
}

TEST_F(ConfPropsTest, LogPagesClampTheirCountsAndRebuildTheFilter)
{
    m_script.Then([](CWnd& modal) {
        auto& sheet = static_cast<CPropertySheet&>(modal);
        sheet.SetActivePage(1);
        HWND events = sheet.GetPage(1)->m_hWnd;
        TypeText(events, IDC_LOG_MAX_MESSAGES, "5000");
        TypeText(events, IDC_LOG_PURGE_DAYS, "400");
        CheckDlgButton(events, IDC_LOG_CRITICAL, BST_UNCHECKED);
        CheckDlgButton(events, IDC_LOG_INFORMATIONAL, BST_UNCHECKED);
        // Leaving the page stores it; the scan log keeps at most 500.
        sheet.SetActivePage(2);
        TypeText(sheet.GetPage(2)->m_hWnd, IDC_LOG_MAX_MESSAGES, "5000");
        TypeText(sheet.GetPage(2)->m_hWnd, IDC_LOG_PURGE_DAYS, "3");
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, Run(m_server));
    EXPECT_EQ(Record3(1000, 365, 2), m_calls.records[Kind::kActivityLog]);
    EXPECT_EQ(Record3(500, 3, 7), m_calls.records[Kind::kScanLog]);
}

TEST_F(ConfPropsTest, TheScanLogAlwaysKeepsCriticalMessagesOnceShown)
{
    m_calls.records[Kind::kScanLog] = Record3(200, 30, 4);
    bool checked = false, enabled = true;
    OnPage(2, [&](CWnd& page) {
        checked = IsDlgButtonChecked(page.m_hWnd, IDC_LOG_CRITICAL) == BST_CHECKED;
        enabled = IsWindowEnabled(GetDlgItem(page.m_hWnd, IDC_LOG_CRITICAL));
    });
    EXPECT_EQ(IDOK, Run(m_server));
    EXPECT_TRUE(checked);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(Record3(200, 30, 5), m_calls.records[Kind::kScanLog]);

    // Unshown, it goes back as read.
    m_calls.records[Kind::kScanLog] = Record3(200, 30, 4);
    OnPage(0, [](CWnd&) {});
    EXPECT_EQ(IDOK, Run(m_server));
    EXPECT_EQ(Record3(200, 30, 4), m_calls.records[Kind::kScanLog]);
}

TEST_F(ConfPropsTest, ADomainIsTitledAsOneAndWrittenDomainWide)
{
    std::string title;
    m_script.Then([&](CWnd& modal) {
        char text[128] = {};
        GetWindowTextA(modal.m_hWnd, text, sizeof text);
        title = text;
        static_cast<CPropertySheet&>(modal).PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, Run({TargetKind::kDomain, "SALES", "SALES"}));
    EXPECT_EQ("Service Configuration for Domain: SALES", title);
    ASSERT_EQ(6u, m_calls.calls.size());
    for (size_t i = 3; i < 6; ++i)
        EXPECT_EQ(1u, m_calls.calls[i].domainWide);

    OnPage(0, [&](CWnd& page) {
        char text[128] = {};
        GetWindowTextA(GetParent(page.m_hWnd), text, sizeof text);
        title = text;
    });
    EXPECT_EQ(IDOK, Run({TargetKind::kSingleServer, "DELTA", "DELTA"}));
    EXPECT_EQ("Service Configuration for Single Server: DELTA", title);
}

TEST_F(ConfPropsTest, CancelWritesNothing)
{
    OnPage(
        0, [](CWnd& page) { TypeText(page.m_hWnd, IDC_HOLD_DAYS, "99"); }, PSBTN_CANCEL);
    EXPECT_EQ(IDCANCEL, Run(m_server));
    EXPECT_EQ((std::vector<std::string> {"getservice", "getactivity", "getscan"}), m_calls.Names());
    EXPECT_EQ(Record3(7, 600, 0), m_calls.records[Kind::kService]);
}

TEST_F(ConfPropsTest, TheFirstRecordThatCannotBeReadIsNamedAndTheSheetDoesNotOpen)
{
    const struct {
        const char* call;
        const char* text;
        size_t calls;
    } cases[] = {
        {"getservice", "Error Retrieving Service Configuration.", 1},
        {"getactivity", "Error Retrieving Event Log Configuration.", 2},
        {"getscan", "Error Retrieving Job Scan Log Configuration.", 3},
    };
    for (const auto& c : cases) {
        m_calls.calls.clear();
        m_calls.failing = {{c.call, ERROR_ACCESS_DENIED}};
        m_prompter.Expect(c.text);
        EXPECT_EQ(-1, Run(m_server)) << c.call;
        EXPECT_EQ(c.calls, m_calls.calls.size()) << c.call;
    }
    EXPECT_EQ(0, m_script.Driven());
}

TEST_F(ConfPropsTest, EachRecordThatCannotBeSavedIsNamedAndTheOthersAreStillWritten)
{
    m_calls.failing = {{"setservice", 1392}, {"setscan", 5}};
    m_prompter.Expect("Error Saving Service Configuration.").Expect("Error Saving Job Scan Log Configuration.");
    OnPage(1, [](CWnd& page) { TypeText(page.m_hWnd, IDC_LOG_MAX_MESSAGES, "42"); });
    EXPECT_EQ(IDOK, Run(m_server));
    EXPECT_EQ(6u, m_calls.calls.size());
    EXPECT_EQ(Record3(42, 30, 7), m_calls.records[Kind::kActivityLog]);

    m_calls.failing = {{"setactivity", 5}};
    m_prompter.Expect("Error Saving Event Log Configuration.");
    OnPage(0, [](CWnd&) {});
    EXPECT_EQ(IDOK, Run(m_server));
}
