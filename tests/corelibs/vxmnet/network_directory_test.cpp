// Browsing the network one level at a time: names, display types, filters and refusals.
#include <gtest/gtest.h>

#include "net_path.h"
#include "network_directory.h"
#include "sample_network.h"

using namespace netcodes;

namespace {

std::vector<std::string> Names(const std::vector<NetEntry>& entries)
{
    std::vector<std::string> names;
    for (const NetEntry& entry : entries)
        names.push_back(entry.remoteName);
    return names;
}

class DirectoryTest : public ::testing::Test {
protected:
    std::uint32_t List(const std::string& container, std::uint32_t type = kTypeAny, std::uint32_t usage = 0)
    {
        return NetworkDirectory(m_site, m_sessions).List(container, type, usage, m_entries);
    }

    NetSite m_site = SampleNetwork();
    NetSessions m_sessions;
    std::vector<NetEntry> m_entries;
};

TEST_F(DirectoryTest, TheTopListsTheDomainsAsContainers)
{
    ASSERT_EQ(List(""), kOk);
    EXPECT_EQ(Names(m_entries), std::vector<std::string>({"SALES", "RESEARCH"}));
    for (const NetEntry& entry : m_entries) {
        EXPECT_EQ(entry.displayType, kDisplayDomain);
        EXPECT_EQ(entry.usage, kUsageContainer);
    }
    // A browse for connectable resources only has nothing at the top.
    ASSERT_EQ(List("", kTypeAny, kUsageConnectable), kOk);
    EXPECT_TRUE(m_entries.empty());
}

TEST_F(DirectoryTest, ADomainListsItsServersWhateverItsSpelling)
{
    ASSERT_EQ(List("sales", kTypePrint), kOk);
    EXPECT_EQ(Names(m_entries), std::vector<std::string>({"\\\\ALPHA", "\\\\BETA"}));
    EXPECT_EQ(m_entries[0].displayType, kDisplayServer);
    EXPECT_EQ(List("MARKETING"), kBadNetPath);
}

TEST_F(DirectoryTest, AServerListsItsSharesAndQueuesByType)
{
    ASSERT_EQ(List("\\\\alpha"), kOk);
    EXPECT_EQ(Names(m_entries),
        std::vector<std::string>({"\\\\ALPHA\\ADMIN$", "\\\\ALPHA\\IPC$", "\\\\ALPHA\\DATA", "\\\\ALPHA\\LASER"}));
    EXPECT_EQ(m_entries[3].type, kTypePrint);
    EXPECT_EQ(m_entries[3].comment, "Sales laser");
    EXPECT_EQ(m_entries[3].usage, kUsageConnectable);

    ASSERT_EQ(List("\\\\ALPHA", kTypePrint), kOk);
    EXPECT_EQ(Names(m_entries), std::vector<std::string>({"\\\\ALPHA\\LASER"}));
    // IPC$ is of no device type and PRINT$ is never listed.
    ASSERT_EQ(List("\\\\ALPHA", kTypeDisk), kOk);
    EXPECT_EQ(Names(m_entries), std::vector<std::string>({"\\\\ALPHA\\ADMIN$", "\\\\ALPHA\\DATA"}));
    ASSERT_EQ(List("\\\\ALPHA", kTypeAny, kUsageContainer), kOk);
    EXPECT_TRUE(m_entries.empty());
}

TEST_F(DirectoryTest, RefusalsFollowThePlatform)
{
    EXPECT_EQ(List("\\\\DELTA"), kBadNetPath);
    EXPECT_EQ(List("\\\\ALPHA\\DATA"), kNotContainer);
    EXPECT_EQ(List("\\\\ALPHA\\NOSUCH"), kBadNetName);
    EXPECT_EQ(List("\\\\"), kBadNetName);
    EXPECT_EQ(List("\\\\GAMMA"), kAccessDenied);
    EXPECT_TRUE(m_entries.empty());
}

TEST_F(DirectoryTest, ALogonOpensTheServerUntilItsLastConnectionEnds)
{
    ConnectRequest request;
    request.remoteName = "\\\\GAMMA\\IPC$";
    request.user = "admin";
    request.password = "Secret";
    ASSERT_EQ(m_sessions.Connect(m_site, request), kOk);
    ASSERT_EQ(List("\\\\GAMMA"), kOk);
    EXPECT_EQ(Names(m_entries), std::vector<std::string>({"\\\\GAMMA\\ADMIN$", "\\\\GAMMA\\IPC$", "\\\\GAMMA\\DATA"}));
    ASSERT_EQ(m_sessions.Cancel("\\\\gamma\\ipc$"), kOk);
    EXPECT_EQ(List("\\\\GAMMA"), kAccessDenied);
}

TEST(NetPathTest, SplitsServerShareAndRest)
{
    const auto full = NetPath::Parse("\\\\ALPHA\\DATA\\shared\\budget.csv");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->server, "ALPHA");
    EXPECT_EQ(full->share, "DATA");
    EXPECT_EQ(full->rest, "shared\\budget.csv");
    EXPECT_EQ(NetPath::Parse("//BETA/IPC$")->ShareName(), "\\\\BETA\\IPC$");
    EXPECT_EQ(NetPath::Parse("\\\\GAMMA")->share, "");
    for (const char* bad : {"", "\\", "\\\\", "\\\\\\X", "\\\\X\\", "ALPHA\\DATA", "\\ALPHA"})
        EXPECT_FALSE(NetPath::Parse(bad)) << bad;
}

}  // namespace
