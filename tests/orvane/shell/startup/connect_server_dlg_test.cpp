// The Connect Alert Server dialog: its edits and limits, centring, and Select Server end to end.
#include <gtest/gtest.h>

#include <cstring>

#include "connect_server_dlg.h"
#include "fake_network.h"
#include "modal_script.h"
#include "program_values.h"
#include "test_program.h"
#include "scripted_prompter.h"
#include "server_connection.h"
#include "startup_ids.h"
#include "ui_actions.h"

namespace {

LRESULT LimitOf(CWnd& dialog, int id)
{
    return SendMessageA(dialog.GetDlgItem(id), EM_GETLIMITTEXT, 0, 0);
}

class SelectServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Remembered() = RememberedShares();
        std::strcpy(TestProgram().serverName, "HOMESRV");
    }
    void TearDown() override { Remembered() = RememberedShares(); }
    FakeNetwork network;
};

}  // namespace

TEST(ConnectServerDlg, TheEditsAreLimitedToWhatTheConnectionHoldsAndOkStoresThem)
{
    CConnectServerDlg dialog;
    dialog.m_server = "OLD";
    std::string shownServer, caption;
    LRESULT serverLimit = 0, userLimit = 0, passwordLimit = 0;
    bool passwordHidden = false;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        caption = modal.GetWindowText();
        shownServer = modal.GetDlgItemText(IDC_CONNECT_SERVER);
        serverLimit = LimitOf(modal, IDC_CONNECT_SERVER);
        userLimit = LimitOf(modal, IDC_CONNECT_USER);
        passwordLimit = LimitOf(modal, IDC_CONNECT_PASSWORD);
        passwordHidden = GetWindowLongA(modal.GetDlgItem(IDC_CONNECT_PASSWORD), GWL_STYLE) & ES_PASSWORD;
        TypeText(modal.m_hWnd, IDC_CONNECT_SERVER, "ALPHA");
        TypeText(modal.m_hWnd, IDC_CONNECT_USER, "ops");
        TypeText(modal.m_hWnd, IDC_CONNECT_PASSWORD, "secret");
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("Connect Alert Server", caption);
    EXPECT_EQ("OLD", shownServer);
    EXPECT_EQ(63, serverLimit);
    EXPECT_EQ(63, userLimit);
    EXPECT_EQ(31, passwordLimit);
    EXPECT_TRUE(passwordHidden);
    EXPECT_EQ("ALPHA", dialog.m_server);
    EXPECT_EQ("ops", dialog.m_user);
    EXPECT_EQ("secret", dialog.m_password);
}

TEST(ConnectServerDlg, OverlongTextPutInTheEditsIsRefusedOnOkAndTheDialogStaysOpen)
{
    CConnectServerDlg dialog;
    ScriptedPrompter prompter;
    prompter.Expect("Enter no more than 63 characters.")
        .Expect("Enter no more than 63 characters.")
        .Expect("Enter no more than 31 characters.");
    bool openAfterServer = false, openAfterUser = false, openAfterPassword = false;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& connect = static_cast<CConnectServerDlg&>(modal);
        // Text set by program passes the edit's own limit.
        TypeText(modal.m_hWnd, IDC_CONNECT_SERVER, std::string(64, 's'));
        Click(modal.m_hWnd, IDOK);
        openAfterServer = !connect.IsModalEnded();
        TypeText(modal.m_hWnd, IDC_CONNECT_SERVER, std::string(63, 's'));
        TypeText(modal.m_hWnd, IDC_CONNECT_USER, std::string(64, 'u'));
        Click(modal.m_hWnd, IDOK);
        openAfterUser = !connect.IsModalEnded();
        TypeText(modal.m_hWnd, IDC_CONNECT_USER, std::string(63, 'u'));
        TypeText(modal.m_hWnd, IDC_CONNECT_PASSWORD, std::string(32, 'p'));
        Click(modal.m_hWnd, IDOK);
        openAfterPassword = !connect.IsModalEnded();
        TypeText(modal.m_hWnd, IDC_CONNECT_PASSWORD, std::string(31, 'p'));
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(openAfterServer);
    EXPECT_TRUE(openAfterUser);
    EXPECT_TRUE(openAfterPassword);
    EXPECT_EQ(std::string(63, 's'), dialog.m_server);
    EXPECT_EQ(std::string(63, 'u'), dialog.m_user);
    EXPECT_EQ(std::string(31, 'p'), dialog.m_password);
}

TEST(ConnectServerDlg, OpensCentredOnItsParent)
{
    HWND parentWindow = CreateWindowA(
        "STATIC", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 700, 500, nullptr, nullptr, nullptr, nullptr);
    CWnd parent;
    parent.Attach(parentWindow);
    CConnectServerDlg dialog(&parent);
    RECT placed = {};
    ModalScript script;
    script.Then([&](CWnd& modal) {
        placed = modal.GetWindowRect();
        Click(modal.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    RECT outer = {};
    GetWindowRect(parentWindow, &outer);
    EXPECT_NEAR((outer.left + outer.right) / 2, (placed.left + placed.right) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, (placed.top + placed.bottom) / 2, 1);
    parent.Detach();
    DestroyWindow(parentWindow);
}

TEST_F(SelectServerTest, OkWithAnEmptyServerConnectsNothingAndShowsNothing)
{
    ScriptedPrompter prompter;
    ModalScript script;
    script.Then([](CWnd& modal) {
        TypeText(modal.m_hWnd, IDC_CONNECT_USER, "ops");
        Click(modal.m_hWnd, IDOK);
    });
    RunSelectServer(nullptr, TestProgram(), network);
    EXPECT_TRUE(network.calls.empty());
    EXPECT_STREQ("HOMESRV", TestProgram().serverName);
}

TEST_F(SelectServerTest, OkConnectsToTheServerTypedAndCancelDoesNot)
{
    ModalScript script;
    script
        .Then([](CWnd& modal) {
            TypeText(modal.m_hWnd, IDC_CONNECT_SERVER, "ALPHA");
            Click(modal.m_hWnd, IDCANCEL);
        })
        .Then([](CWnd& modal) {
            TypeText(modal.m_hWnd, IDC_CONNECT_SERVER, "ALPHA");
            TypeText(modal.m_hWnd, IDC_CONNECT_USER, "ops");
            TypeText(modal.m_hWnd, IDC_CONNECT_PASSWORD, "secret");
            Click(modal.m_hWnd, IDOK);
        });
    RunSelectServer(nullptr, TestProgram(), network);
    EXPECT_TRUE(network.calls.empty());
    RunSelectServer(nullptr, TestProgram(), network);
    ASSERT_EQ(1u, network.calls.size());
    EXPECT_EQ("\\\\ALPHA\\ADMIN$", network.calls[0].remote);
    EXPECT_EQ("ops", network.calls[0].user);
    EXPECT_EQ("secret", network.calls[0].password);
    EXPECT_STREQ("ALPHA", TestProgram().serverName);
}
