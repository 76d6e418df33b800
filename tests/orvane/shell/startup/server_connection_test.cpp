// Connecting to a server: the administrative share, the remembered shares, the two messages, the reload.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_network.h"
#include "program_values.h"
#include "test_program.h"
#include "scripted_prompter.h"
#include "server_connection.h"

namespace {

class ReloadRecorder : public FrameRequests {
public:
    void ReloadAllPages(int serviceStopped) override { reloads.push_back(serviceStopped); }
    void ShowServiceStateNow() override { }
    std::vector<int> reloads;
};

class ServerConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Remembered() = RememberedShares();
        std::strcpy(TestProgram().serverName, "HOMESRV");
        TestProgram().frame = &frame;
    }
    void TearDown() override
    {
        TestProgram().frame = nullptr;
        Remembered() = RememberedShares();
    }
    bool Connect(const std::string& server, const std::string& user = "admin", const std::string& password = "pw")
    {
        return ServerConnection(TestProgram(), network).Connect(server, user, password);
    }

    FakeNetwork network;
    ReloadRecorder frame;
};

}  // namespace

TEST_F(ServerConnectionTest, AnEmptyServerDoesNothingAndShowsNothing)
{
    ScriptedPrompter prompter;
    EXPECT_FALSE(Connect(""));
    EXPECT_FALSE(Connect("\\\\"));
    EXPECT_TRUE(network.calls.empty());
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_STREQ("HOMESRV", TestProgram().serverName);
    EXPECT_TRUE(frame.reloads.empty());
}

TEST_F(ServerConnectionTest, ASuccessAddsTheAdminShareAsADiskWithTheLogonAndReloadsWithZero)
{
    ScriptedPrompter prompter;
    EXPECT_TRUE(Connect("ALPHA", "ops", "secret"));
    ASSERT_EQ(1u, network.calls.size());
    const NetworkCall& add = network.calls[0];
    EXPECT_EQ("Add", add.function);
    EXPECT_EQ("\\\\ALPHA\\ADMIN$", add.remote);
    EXPECT_EQ(static_cast<DWORD>(RESOURCETYPE_DISK), add.type);
    EXPECT_FALSE(add.hasLocal);
    EXPECT_FALSE(add.hasProvider);
    EXPECT_EQ("ops", add.user);
    EXPECT_EQ("secret", add.password);
    EXPECT_EQ(0u, add.flags);
    EXPECT_STREQ("ALPHA", TestProgram().serverName);
    EXPECT_STREQ("\\\\ALPHA\\ADMIN$", Remembered().adminShare);
    EXPECT_STREQ("\\\\ALPHA\\IPC$", Remembered().ipcShare);
    EXPECT_EQ(std::vector<int> {0}, frame.reloads);
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(ServerConnectionTest, TheWaitCursorShowsWhileSharesAreCancelledAndAddedAndGoesAfterwards)
{
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    ASSERT_TRUE(Connect("ALPHA"));
    SetCursor(arrow);
    network.FailNextAdd(53);
    HCURSOR afterwards = nullptr;
    {
        ScriptedPrompter prompter;
        prompter.ExpectBeep(MB_OK).Expect("Logon Failed ! Please Retry, [Error Code is 53 ]");
        Connect("BETA");
        afterwards = GetCursor();
    }
    for (const NetworkCall& call : network.calls)
        EXPECT_EQ(wait, call.cursor) << call.function << " " << call.remote;
    EXPECT_EQ(arrow, afterwards);
}

TEST_F(ServerConnectionTest, ASecondConnectionCancelsBothSharesOfTheFirstOnceTheNewOneStands)
{
    ASSERT_TRUE(Connect("ALPHA"));
    network.calls.clear();
    ASSERT_TRUE(Connect("BETA"));
    ASSERT_EQ(3u, network.calls.size());
    EXPECT_EQ("Add", network.calls[0].function);
    EXPECT_EQ("\\\\BETA\\ADMIN$", network.calls[0].remote);
    EXPECT_EQ("Cancel", network.calls[1].function);
    EXPECT_EQ("\\\\ALPHA\\ADMIN$", network.calls[1].remote);
    EXPECT_EQ("Cancel", network.calls[2].function);
    EXPECT_EQ("\\\\ALPHA\\IPC$", network.calls[2].remote);
    for (int index : {1, 2}) {
        EXPECT_EQ(0u, network.calls[index].flags) << "the user profile is not updated";
        EXPECT_TRUE(network.calls[index].force);
    }
    EXPECT_STREQ("BETA", TestProgram().serverName);
    EXPECT_EQ((std::vector<int> {0, 0}), frame.reloads);
}

TEST_F(ServerConnectionTest, ReconnectingToTheSameServerDropsItsShareBeforeTheNewLogon)
{
    ASSERT_TRUE(Connect("ALPHA"));
    network.calls.clear();
    ASSERT_TRUE(Connect("alpha", "other", "pw2"));
    ASSERT_EQ(3u, network.calls.size());
    EXPECT_EQ("Cancel", network.calls[0].function);
    EXPECT_EQ("\\\\ALPHA\\ADMIN$", network.calls[0].remote);
    EXPECT_EQ("Cancel", network.calls[1].function);
    EXPECT_EQ("Add", network.calls[2].function);
    EXPECT_EQ("\\\\alpha\\ADMIN$", network.calls[2].remote);
}

TEST_F(ServerConnectionTest, AFailedAttemptLeavesTheEarlierServerAndItsSharesUntouched)
{
    ASSERT_TRUE(Connect("ALPHA"));
    network.calls.clear();
    network.FailNextAdd(1326);
    {
        ScriptedPrompter prompter;
        prompter.ExpectBeep(MB_OK).Expect("Unknown User Name, Bad Password, or ALERT is not installed on (GAMMA).");
        EXPECT_FALSE(Connect("GAMMA"));
    }
    ASSERT_EQ(1u, network.calls.size());
    EXPECT_EQ("Add", network.calls[0].function) << "nothing of ALPHA is cancelled";
    EXPECT_STREQ("ALPHA", TestProgram().serverName);
    // The connection still stands, so the next successful attempt still cancels it.
    EXPECT_STREQ("\\\\ALPHA\\ADMIN$", Remembered().adminShare);
    EXPECT_STREQ("\\\\ALPHA\\IPC$", Remembered().ipcShare);
    EXPECT_EQ(std::vector<int> {0}, frame.reloads);
}

TEST_F(ServerConnectionTest, AnyOtherErrorIsShownByNumber)
{
    network.FailNextAdd(53);
    ScriptedPrompter prompter;
    prompter.ExpectBeep(MB_OK).Expect("Logon Failed ! Please Retry, [Error Code is 53 ]");
    EXPECT_FALSE(Connect("DELTA"));
    EXPECT_STREQ("HOMESRV", TestProgram().serverName);
    EXPECT_TRUE(frame.reloads.empty());
}

TEST_F(ServerConnectionTest, AfterAFailureTheNextSuccessStillCancelsTheEarlierServersShares)
{
    ASSERT_TRUE(Connect("ALPHA"));
    network.FailNextAdd(1222);
    {
        ScriptedPrompter prompter;
        prompter.ExpectBeep(MB_OK).Expect("Logon Failed ! Please Retry, [Error Code is 1222 ]");
        Connect("GAMMA");
    }
    network.calls.clear();
    ASSERT_TRUE(Connect("BETA"));
    ASSERT_EQ(3u, network.calls.size());
    EXPECT_EQ("Add", network.calls[0].function);
    EXPECT_EQ("\\\\ALPHA\\ADMIN$", network.calls[1].remote);
    EXPECT_EQ("\\\\ALPHA\\IPC$", network.calls[2].remote);
}

TEST_F(ServerConnectionTest, EmptyUserAndPasswordMeanTheAdministratorsOwnLogon)
{
    ASSERT_TRUE(Connect("ALPHA", "", ""));
    ASSERT_EQ(1u, network.calls.size());
    EXPECT_FALSE(network.calls[0].userGiven);
    EXPECT_FALSE(network.calls[0].passwordGiven);
}

TEST_F(ServerConnectionTest, AUserWithAnEmptyPasswordLogsOnWithThatEmptyPassword)
{
    ASSERT_TRUE(Connect("ALPHA", "guest", ""));
    ASSERT_EQ(1u, network.calls.size());
    EXPECT_TRUE(network.calls[0].userGiven);
    EXPECT_EQ("guest", network.calls[0].user);
    EXPECT_TRUE(network.calls[0].passwordGiven);
    EXPECT_EQ("", network.calls[0].password);
}

TEST_F(ServerConnectionTest, LeadingBackslashesAreDroppedFromTheServer)
{
    ASSERT_TRUE(Connect("\\\\ALPHA"));
    EXPECT_EQ("\\\\ALPHA\\ADMIN$", network.calls[0].remote);
    EXPECT_STREQ("ALPHA", TestProgram().serverName);
}

TEST_F(ServerConnectionTest, AServerOf63CharactersFitsAndOneMoreIsRefusedWithoutConnecting)
{
    std::string longest(63, 's');
    ASSERT_TRUE(Connect(longest));
    EXPECT_STREQ(longest.c_str(), TestProgram().serverName);
    EXPECT_EQ("\\\\" + longest + "\\IPC$", std::string(Remembered().ipcShare));
    network.calls.clear();
    ScriptedPrompter prompter;
    prompter.Expect("The server, user or password is too long.")
        .Expect("The server, user or password is too long.")
        .Expect("The server, user or password is too long.");
    EXPECT_FALSE(Connect(std::string(64, 't')));
    EXPECT_FALSE(Connect("ALPHA", std::string(64, 'u')));
    EXPECT_FALSE(Connect("ALPHA", "admin", std::string(32, 'p')));
    EXPECT_TRUE(network.calls.empty());
    EXPECT_STREQ(longest.c_str(), TestProgram().serverName);
}

TEST_F(ServerConnectionTest, WithoutAFrameASuccessOnlyChangesTheServer)
{
    TestProgram().frame = nullptr;
    EXPECT_TRUE(Connect("ALPHA"));
    EXPECT_STREQ("ALPHA", TestProgram().serverName);
    EXPECT_TRUE(frame.reloads.empty());
}
