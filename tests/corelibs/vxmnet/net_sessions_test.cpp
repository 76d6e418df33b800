// Connections and logons: the platform's answers for each refusal, and what a logon lasts.
#include <gtest/gtest.h>

#include "net_sessions.h"
#include "sample_network.h"

using namespace netcodes;

namespace {

class SessionsTest : public ::testing::Test {
protected:
    std::uint32_t Connect(const std::string& remote, std::optional<std::string> user,
        std::optional<std::string> password, std::uint32_t type = kTypeAny, const std::string& local = "")
    {
        ConnectRequest request;
        request.remoteName = remote;
        request.localName = local;
        request.type = type;
        request.user = std::move(user);
        request.password = std::move(password);
        request.currentUser = "operator";
        return m_sessions.Connect(m_site, request);
    }

    NetSite m_site = SampleNetwork();
    NetSessions m_sessions;
};

TEST_F(SessionsTest, TheLogonFileDecidesEachAnswer)
{
    EXPECT_EQ(Connect("\\\\GAMMA\\IPC$", "nobody", "Secret"), kLogonFailure);
    EXPECT_EQ(Connect("\\\\GAMMA\\IPC$", "admin", "secret"), kInvalidPassword);
    EXPECT_EQ(Connect("\\\\GAMMA\\IPC$", std::nullopt, std::nullopt), kAccessDenied);
    EXPECT_EQ(Connect("\\\\GAMMA\\IPC$", "", ""), kAccessDenied);
    // Only a password: the caller's own name is checked.
    EXPECT_EQ(Connect("\\\\GAMMA\\IPC$", std::nullopt, "Secret"), kLogonFailure);
    EXPECT_TRUE(m_sessions.Connections().empty());
    EXPECT_FALSE(m_sessions.LoggedOn("GAMMA"));

    EXPECT_EQ(Connect("\\\\GAMMA\\IPC$", "ADMIN", "Secret"), kOk);
    EXPECT_TRUE(m_sessions.LoggedOn("gamma"));
    EXPECT_EQ(Connect("\\\\GAMMA\\DATA", std::nullopt, std::nullopt), kOk);
    // A wrong password later does not take the logon back.
    EXPECT_EQ(Connect("\\\\GAMMA\\ADMIN$", "admin", "wrong"), kInvalidPassword);
    EXPECT_TRUE(m_sessions.LoggedOn("GAMMA"));
}

TEST_F(SessionsTest, AServerWithoutLogonFileTakesAnyAccount)
{
    EXPECT_EQ(Connect("\\\\BETA\\ADMIN$", "whoever", "whatever"), kOk);
    EXPECT_EQ(Connect("\\\\BETA\\IPC$", std::nullopt, std::nullopt), kOk);
    ASSERT_EQ(m_sessions.Connections().size(), 2u);
    EXPECT_EQ(m_sessions.Connections()[0].user, "whoever");
    EXPECT_EQ(m_sessions.Connections()[1].user, "operator");
}

TEST_F(SessionsTest, NamesSharesAndTypesAreChecked)
{
    EXPECT_EQ(Connect("\\\\DELTA\\IPC$", "admin", "Secret"), kBadNetPath);
    EXPECT_EQ(Connect("\\\\ALPHA\\NOSUCH", "a", "b"), kBadNetName);
    EXPECT_EQ(Connect("\\\\ALPHA", "a", "b"), kBadNetName);
    EXPECT_EQ(Connect("\\\\ALPHA\\DATA\\shared", "a", "b"), kBadNetName);
    EXPECT_EQ(Connect("ALPHA\\DATA", "a", "b"), kBadNetName);
    EXPECT_EQ(Connect("\\\\ALPHA\\DATA", "a", "b", kTypePrint), kBadDevType);
    EXPECT_EQ(Connect("\\\\ALPHA\\LASER", "a", "b", kTypeDisk), kBadDevType);
    EXPECT_EQ(Connect("\\\\ALPHA\\LASER", "a", "b", kTypePrint), kOk);
    EXPECT_EQ(Connect("\\\\ALPHA\\PRINT$", "a", "b", kTypeDisk), kOk);
    EXPECT_EQ(Connect("\\\\BETA\\PRINT$", "a", "b", kTypeDisk), kBadNetName);
    // The refusal of an unknown server comes before the logon check.
    EXPECT_EQ(Connect("\\\\GAMMA\\NOSUCH", std::nullopt, std::nullopt), kBadNetName);
}

TEST_F(SessionsTest, DriveLettersAreOneConnectionEach)
{
    EXPECT_EQ(Connect("\\\\ALPHA\\DATA", "a", "b", kTypeDisk, "v:"), kOk);
    EXPECT_EQ(Connect("\\\\BETA\\DATA", "a", "b", kTypeDisk, "V:"), kAlreadyAssigned);
    EXPECT_EQ(Connect("\\\\BETA\\DATA", "a", "b", kTypeDisk, "VV"), kBadDevice);
    EXPECT_EQ(Connect("\\\\ALPHA\\LASER", "a", "b", kTypePrint, "W:"), kBadDevice);
    ASSERT_NE(m_sessions.FindLocal("V:"), nullptr);
    EXPECT_EQ(m_sessions.FindLocal("v:")->remoteName, "\\\\ALPHA\\DATA");
    EXPECT_EQ(m_sessions.Find("\\\\ALPHA")->localName, "V:");
    // Cancelling by remote name leaves the drive: that name is a connection without a device.
    EXPECT_EQ(m_sessions.Cancel("\\\\ALPHA\\DATA"), kNotConnected);
    EXPECT_EQ(m_sessions.Cancel("V:"), kOk);
    EXPECT_EQ(m_sessions.Cancel("V:"), kNotConnected);
    EXPECT_EQ(m_sessions.FindLocal("V:"), nullptr);
}

TEST_F(SessionsTest, ASecondConnectionToTheSameShareIsTheSameUse)
{
    EXPECT_EQ(Connect("\\\\ALPHA\\IPC$", "first", "x"), kOk);
    EXPECT_EQ(Connect("\\\\alpha\\ipc$", "FIRST", "y"), kOk);
    EXPECT_EQ(Connect("\\\\alpha\\ipc$", std::nullopt, std::nullopt), kOk);
    ASSERT_EQ(m_sessions.Connections().size(), 1u);
    EXPECT_EQ(m_sessions.Cancel("\\\\ALPHA\\IPC$"), kOk);
    EXPECT_EQ(m_sessions.Cancel("\\\\ALPHA\\IPC$"), kNotConnected);
}

TEST_F(SessionsTest, AnotherUserOnAServerAlreadyHeldIsAConflict)
{
    EXPECT_EQ(Connect("\\\\GAMMA\\ADMIN$", "admin", "Secret"), kOk);
    EXPECT_EQ(Connect("\\\\GAMMA\\IPC$", "guest", "Secret"), kLogonFailure);
    EXPECT_EQ(Connect("\\\\BETA\\IPC$", "guest", "x"), kOk);
    EXPECT_EQ(Connect("\\\\BETA\\DATA", "admin", "x"), kCredentialConflict);
    // Once the last connection is gone, the server may be held under another account.
    EXPECT_EQ(m_sessions.Cancel("\\\\BETA\\IPC$"), kOk);
    EXPECT_EQ(Connect("\\\\BETA\\DATA", "admin", "x"), kOk);
}

TEST(DriveNameTest, OnlyALetterAndItsColon)
{
    EXPECT_EQ(DriveName("x:"), std::optional<std::string>("X:"));
    for (const char* bad : {"", "X", "X:\\", "1:", "LPT1:", "::"})
        EXPECT_FALSE(DriveName(bad)) << bad;
}

}  // namespace
