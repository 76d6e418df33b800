// Which computers a broadcast recipient stands for, how each is reached, and the pop-up text.
#include <gtest/gtest.h>

#include <cstring>

#include "broadcast_popup.h"
#include "broadcast_targets.h"

namespace {

const SiteDescription kSite = SiteDescription::Parse("[SALES]\r\n"
                                                     "ALPHA=C:\\SITE\\ALPHA\r\n"
                                                     "BETA=C:\\SITE\\BETA\r\n"
                                                     "[RESEARCH]\r\n"
                                                     "GAMMA=C:\\SITE\\GAMMA\r\n"
                                                     "[EMPTY]\r\n");

BroadcastRecord Stored(const std::string& name)
{
    BroadcastRecord record {};
    std::memcpy(record.name, name.data(), std::min(name.size(), sizeof record.name));
    return record;
}

std::vector<std::pair<std::string, MessengerRoute>> TargetsOf(const BroadcastRecipient& recipient)
{
    std::vector<std::pair<std::string, MessengerRoute>> targets;
    for (const BroadcastTarget& target : recipient.targets)
        targets.emplace_back(target.machine, target.route);
    return targets;
}

using Targets = std::vector<std::pair<std::string, MessengerRoute>>;

TEST(BroadcastTargets, AMachineIsReachedAsThisComputerASiteServerOrOverTheNetwork)
{
    const auto local = broadcast_targets::Resolve(Stored("\\\\hq"), kSite, "HQ");
    EXPECT_FALSE(local.isDomain);
    EXPECT_EQ(local.name, "hq");
    EXPECT_EQ(local.label, "\\\\hq");
    EXPECT_EQ(TargetsOf(local), (Targets {{"hq", MessengerRoute::Local}}));
    EXPECT_EQ(TargetsOf(broadcast_targets::Resolve(Stored("\\\\beta"), kSite, "HQ")),
        (Targets {{"beta", MessengerRoute::SiteServer}}));
    EXPECT_EQ(TargetsOf(broadcast_targets::Resolve(Stored("\\\\FARAWAY"), kSite, "HQ")),
        (Targets {{"FARAWAY", MessengerRoute::Network}}));
}

TEST(BroadcastTargets, ADomainStandsForEveryServerOfItInSiteOrder)
{
    const auto sales = broadcast_targets::Resolve(Stored("sales*"), kSite, "HQ");
    EXPECT_TRUE(sales.isDomain);
    EXPECT_EQ(sales.name, "sales");
    EXPECT_TRUE(sales.refusal.empty());
    EXPECT_EQ(TargetsOf(sales), (Targets {{"ALPHA", MessengerRoute::SiteServer}, {"BETA", MessengerRoute::SiteServer}}));
}

TEST(BroadcastTargets, TheDefaultSiteIsTheWorkgroupOfThisComputer)
{
    const auto workgroup = broadcast_targets::Resolve(Stored("WORKGROUP*"), SiteDescription::Default("HQ"), "HQ");
    EXPECT_EQ(TargetsOf(workgroup), (Targets {{"HQ", MessengerRoute::Local}}));
}

TEST(BroadcastTargets, ADomainStoredWithoutItsStarIsStillADomain)
{
    const auto research = broadcast_targets::Resolve(Stored("RESEARCH"), kSite, "HQ");
    EXPECT_TRUE(research.isDomain);
    EXPECT_EQ(TargetsOf(research), (Targets {{"GAMMA", MessengerRoute::SiteServer}}));
}

TEST(BroadcastTargets, AnUnknownDomainIsLeftToTheNetworkAndAnEmptyOneIsRefused)
{
    const auto unknown = broadcast_targets::Resolve(Stored("ELSEWHERE*"), kSite, "HQ");
    EXPECT_TRUE(unknown.targets.empty());
    EXPECT_TRUE(unknown.refusal.empty());
    const auto empty = broadcast_targets::Resolve(Stored("EMPTY*"), kSite, "HQ");
    EXPECT_TRUE(empty.targets.empty());
    EXPECT_EQ(empty.refusal, "the domain EMPTY has no servers");
    EXPECT_EQ(empty.label, "domain EMPTY");
}

TEST(BroadcastTargets, RecordsThatNameNoComputerAreRefused)
{
    const auto nothing = broadcast_targets::Resolve(Stored(""), kSite, "HQ");
    EXPECT_EQ(nothing.refusal, "the recipient record holds no name");
    EXPECT_EQ(nothing.label, "an empty record");
    EXPECT_EQ(broadcast_targets::Resolve(Stored("*"), kSite, "HQ").refusal, "the recipient record holds no name");
    EXPECT_EQ(broadcast_targets::Resolve(Stored("\\\\"), kSite, "HQ").refusal,
        "the recipient \"\\\\\" is not a computer name");
    EXPECT_EQ(broadcast_targets::Resolve(Stored("\\\\ALPHA\\C$"), kSite, "HQ").refusal,
        "the recipient \"\\\\ALPHA\\C$\" is not a computer name");
    EXPECT_TRUE(broadcast_targets::Resolve(Stored("\\\\" + std::string(49, 'N')), kSite, "HQ").refusal.empty());
}

TEST(BroadcastTargets, ARecordFilledToItsLastByteIsReadWithinIt)
{
    BroadcastRecord record;
    std::memset(record.name, 'N', sizeof record.name);
    record.name[0] = record.name[1] = '\\';
    const auto recipient = broadcast_targets::Resolve(record, kSite, "HQ");
    EXPECT_EQ(recipient.name, std::string(50, 'N'));
    EXPECT_EQ(TargetsOf(recipient), (Targets {{std::string(50, 'N'), MessengerRoute::Network}}));
}

TEST(BroadcastTargets, TheLogNamesTheComputerAndItsDomain)
{
    const auto sales = broadcast_targets::Resolve(Stored("SALES*"), kSite, "HQ");
    EXPECT_EQ(broadcast_targets::LogName(sales, sales.targets[1]), "\\\\BETA of domain SALES");
    const auto alpha = broadcast_targets::Resolve(Stored("\\\\ALPHA"), kSite, "HQ");
    EXPECT_EQ(broadcast_targets::LogName(alpha, alpha.targets[0]), "\\\\ALPHA");
}

TEST(BroadcastPopup, NamesPriorityApplicationServerAndTimeAboveTheText)
{
    EXPECT_EQ(broadcast_popup::Text({"Critical", "VEXOMAR", "PC1", "12/09/2026 08:30:15", "Virus found", "05"}),
        "Critical alert of VEXOMAR on PC1 at 12/09/2026 08:30:15\r\nVirus found\r\nEvent code: 05");
    EXPECT_EQ(broadcast_popup::Text({"Warning", "ALERT", "", "01/02/2026 03:04:05", "Disk low", ""}),
        "Warning alert of ALERT at 01/02/2026 03:04:05\r\nDisk low");
}

}  // namespace
