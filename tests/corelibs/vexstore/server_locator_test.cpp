// The site as the antivirus service's libraries find it: lookups by any spelling of a name, a
// domain's members in the site's order, and a reading that follows the site file and the
// registry as soon as they change, though it is taken once per call.
#include <gtest/gtest.h>

#include "held_machine_key.h"
#include "registry_value.h"
#include "scratch_alert_home.h"
#include "server_locator.h"

namespace {

constexpr const char* kScratchKey = "SOFTWARE\\Morwick\\LocatorTest";

std::vector<std::string> Names(const std::vector<ServerPlace>& places)
{
    std::vector<std::string> names;
    for (const ServerPlace& place : places)
        names.push_back(place.name);
    return names;
}

class ServerLocatorTest : public ::testing::Test {
protected:
    ServerLocatorTest()
    {
        m_home.UseSite("[SALES]\r\nALPHA=" + m_home.File("A") + "\\\r\nbeta=" + m_home.File("B") +
            "\r\n[RESEARCH]\r\nGAMMA=" + m_home.File("G") + "\r\n[EMPTY]\r\n");
    }
    ScratchAlertHome m_home {"locator"};
};

}  // namespace

TEST_F(ServerLocatorTest, NamesAreFoundInAnySpelling)
{
    const ServerLocator site = ServerLocator::FromRegistry();
    const auto alpha = site.Server("\\\\alpha");
    ASSERT_TRUE(alpha);
    EXPECT_EQ("ALPHA", alpha->name) << "as the site spells it";
    EXPECT_EQ("SALES", alpha->domain);
    EXPECT_EQ(m_home.File("A"), alpha->dataFolder) << "without its trailing backslash";
    EXPECT_EQ("beta", site.Server("BETA")->name);
    EXPECT_FALSE(site.Server("DELTA"));
    EXPECT_FALSE(site.Server("SALES")) << "a domain is no server";
    EXPECT_TRUE(site.Server("")->local);
    EXPECT_TRUE(site.Server(".")->local);

    EXPECT_TRUE(site.IsDomain("sales"));
    EXPECT_TRUE(site.IsDomain("EMPTY"));
    EXPECT_FALSE(site.IsDomain("ALPHA"));
    EXPECT_EQ((std::vector<std::string> {"ALPHA", "beta"}), Names(site.ServersOf("Sales")));
    EXPECT_TRUE(site.ServersOf("EMPTY").empty());
    EXPECT_TRUE(site.ServersOf("").empty()) << "the local computer outside the site is in no domain";
    EXPECT_EQ((std::vector<std::string> {"ALPHA", "beta"}), Names(site.Targets("BETA", true)));
    EXPECT_EQ((std::vector<std::string> {"beta"}), Names(site.Targets("BETA", false)));
    EXPECT_EQ((std::vector<std::string> {"GAMMA"}), Names(site.Targets("research", false)));
    EXPECT_TRUE(site.Targets("NOWHERE", false).empty());
    EXPECT_EQ(4u, site.AllServers().size()) << "the local computer and the three servers";
    EXPECT_TRUE(site.AllServers().front().local);
}

TEST_F(ServerLocatorTest, AChangedSiteIsSeenAtOnceWhileOlderReadingsKeepTheirs)
{
    const ServerLocator before = ServerLocator::FromRegistry();
    ASSERT_TRUE(before.Server("GAMMA"));

    m_home.UseSite("[RESEARCH]\r\nDELTA=" + m_home.File("D") + "\r\n");
    const ServerLocator after = ServerLocator::FromRegistry();
    EXPECT_TRUE(after.Server("DELTA"));
    EXPECT_FALSE(after.Server("GAMMA"));
    EXPECT_FALSE(after.IsDomain("SALES"));
    EXPECT_TRUE(before.Server("GAMMA")) << "a reading taken earlier does not change under its holder";

    // Another file named in the registry.
    ScratchAlertHome other("locator2");
    other.UseSite("[LAB]\r\nEPSILON=" + other.File("E") + "\r\n");
    EXPECT_EQ((std::vector<std::string> {"EPSILON"}), Names(ServerLocator::FromRegistry().ServersOf("LAB")));
}

TEST(HeldMachineKey, FollowsTheKeyThroughChangesDeletionAndRemaking)
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kScratchKey);
    HeldMachineKey key(kScratchKey);
    EXPECT_FALSE(key.ReadString("File")) << "no key yet";

    ASSERT_EQ(0, WriteMachineString(kScratchKey, "File", "first"));
    EXPECT_EQ("first", key.ReadString("File").value_or("?"));
    EXPECT_FALSE(key.ReadString("Missing"));
    ASSERT_EQ(0, WriteMachineString(kScratchKey, "File", std::string(2000, 'x')));
    EXPECT_EQ(std::string(2000, 'x'), key.ReadString("File").value_or("?")) << "longer than the first buffer";

    HKEY handle = nullptr;
    ASSERT_EQ(0, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr));
    const DWORD number = 7;
    RegSetValueExA(handle, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(handle);
    EXPECT_FALSE(key.ReadString("Number")) << "not a string";

    ASSERT_EQ(0, RegDeleteKeyA(HKEY_LOCAL_MACHINE, kScratchKey));
    EXPECT_FALSE(key.ReadString("File")) << "the held handle's key is gone";
    ASSERT_EQ(0, WriteMachineString(kScratchKey, "File", "remade"));
    EXPECT_EQ("remade", key.ReadString("File").value_or("?"));
    EXPECT_EQ(ReadMachineString(kScratchKey, "File"), key.ReadString("File"));
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kScratchKey);
}
