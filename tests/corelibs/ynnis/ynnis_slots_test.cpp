// YNNIS's server objects called through the slot numbers the panel uses, read out of the
// built table, so that a change of declaration order fails here and not in the panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drumel.h"
#include "scan_statistics.h"
#include "scratch_site.h"
#include "state_word.h"
#include "ynnis.h"

namespace {

#define THISCALL __attribute__((thiscall))

template <typename Fn> Fn Slot(CVexomarServer* object, int slot)
{
    void** table = *reinterpret_cast<void***>(object);
    return reinterpret_cast<Fn>(table[slot]);
}

const char* NameAt4(CVexomarServer* o, DWORD domain)
{
    return Slot<const char*(THISCALL*)(CVexomarServer*, DWORD)>(o, 4)(o, domain);
}

CVexomarServer* ChildAt3(CVexomarServer* o, const char* key)
{
    return Slot<CVexomarServer*(THISCALL*)(CVexomarServer*, const char*)>(o, 3)(o, key);
}

DWORD ConnectAt9(CVexomarServer* o, DWORD* message, DWORD force)
{
    return Slot<DWORD(THISCALL*)(CVexomarServer*, DWORD*, DWORD)>(o, 9)(o, message, force);
}

// Reads a listing as the tree does: ask for the count, then read with a buffer of that size.
std::vector<VexomarServerEntry> List(CVexomarServer* o, int slot)
{
    auto call = [&](VexomarServerEntry* buffer, DWORD* count) -> DWORD {
        if (slot == 21)
            return Slot<DWORD(THISCALL*)(CVexomarServer*, const char*, const char*, VexomarServerEntry*, DWORD*)>(
                o, 21)(o, "", "", buffer, count);
        return Slot<DWORD(THISCALL*)(CVexomarServer*, VexomarServerEntry*, DWORD*)>(o, slot)(o, buffer, count);
    };
    DWORD count = 0;
    const DWORD first = call(nullptr, &count);
    if ((first != 0 && first != ERROR_INSUFFICIENT_BUFFER) || count == 0)
        return {};
    std::vector<VexomarServerEntry> entries(count);
    if (call(entries.data(), &count) != 0)
        return {};
    entries.resize(count);
    return entries;
}

class YnnisSlots : public ::testing::Test {
protected:
    void TearDown() override
    {
        VexomarStopQuery();
        VexomarStopService("SALES");
        m_site.UninstallAll();
    }
    ScratchSite m_site;
};

}  // namespace

TEST_F(YnnisSlots, TheSiteIsTheTree)
{
    CVexomarServer* network = CVexomarWindowsNTServer::GetNTSelfServer();
    ASSERT_TRUE(network);
    EXPECT_EQ(network, CVexomarWindowsNTServer::GetNTSelfServer()) << "one object, owned by the library";
    const auto domains = List(network, 13);
    ASSERT_EQ(2u, domains.size());
    EXPECT_STREQ("SALES", domains[0].name);
    EXPECT_STREQ("RESEARCH", domains[1].name);
    EXPECT_EQ(kVexomarKindDomain, domains[0].kind);
    EXPECT_TRUE(List(network, 21).empty()) << "the branch lists no servers itself";

    CVexomarServer* sales = ChildAt3(network, reinterpret_cast<const char*>(&domains[0]) + 48);
    ASSERT_TRUE(sales);
    EXPECT_STREQ("SALES", NameAt4(sales, 1));
    const auto servers = List(sales, 21);
    ASSERT_EQ(2u, servers.size());
    EXPECT_STREQ("ALPHA", servers[0].name);
    EXPECT_STREQ("BETA", servers[1].name);
    CVexomarServer* beta = ChildAt3(sales, reinterpret_cast<const char*>(&servers[1]) + 96);
    ASSERT_TRUE(beta);
    EXPECT_STREQ("BETA", NameAt4(beta, 0));
    EXPECT_EQ(nullptr, ChildAt3(sales, "GAMMA")) << "a server of another domain";
    EXPECT_EQ(nullptr, ChildAt3(network, "NOWHERE"));

    CVexomarServer* research = ChildAt3(network, "RESEARCH");
    const auto gamma = List(research, 21);
    ASSERT_EQ(1u, gamma.size());
    EXPECT_EQ(1u, gamma[0].flags & 1) << "GAMMA asks for a logon";

    CVexomarServer* ptp = CVexomarptpServer::GetPTPSelfServer();
    const auto self = List(ptp, 14);
    ASSERT_EQ(1u, self.size());
    EXPECT_NE(0, self[0].name[0]);
    EXPECT_STREQ(self[0].name, NameAt4(ptp, 0)) << "the local node shares the branch's object";
    EXPECT_TRUE(List(network, 14).empty());
}

TEST_F(YnnisSlots, ConnectFollowsTheLogonRule)
{
    CVexomarServer* research = ChildAt3(CVexomarWindowsNTServer::GetNTSelfServer(), "RESEARCH");
    CVexomarServer* gamma = ChildAt3(research, "GAMMA");
    ASSERT_TRUE(gamma);
    VexomarLogon("GAMMA", "admin", "no");  // forget a logon of an earlier test
    DWORD message = 77;
    EXPECT_EQ(kConnectNeedsCredentials, ConnectAt9(gamma, &message, 0));
    EXPECT_EQ(0u, message);

    const char* user = Slot<const char*(THISCALL*)(CVexomarServer*)>(gamma, 10)(gamma);
    EXPECT_NE(nullptr, user);
    const char* text = Slot<const char*(THISCALL*)(CVexomarServer*)>(gamma, 11)(gamma);
    EXPECT_STREQ("Vexomar Service on GAMMA", text);

    auto setCredentials = Slot<DWORD(THISCALL*)(CVexomarServer*, const char*, const char*)>(gamma, 12);
    ASSERT_EQ(0u, setCredentials(gamma, "admin", "secret"));
    EXPECT_EQ(kConnectCredentialsRefused, ConnectAt9(gamma, &message, 0));
    EXPECT_EQ(86u, message) << "wrong password";
    EXPECT_EQ(5u, VexomarCheckAccess("GAMMA"));
    setCredentials(gamma, "visitor", "Secret");
    EXPECT_EQ(kConnectCredentialsRefused, ConnectAt9(gamma, &message, 0));
    EXPECT_EQ(1326u, message);
    setCredentials(gamma, "Admin", "Secret");
    EXPECT_EQ(kConnectDone, ConnectAt9(gamma, &message, 0));
    EXPECT_EQ(0u, VexomarCheckAccess("GAMMA")) << "DRUMEL answers for it now";

    CVexomarServer* alpha = ChildAt3(ChildAt3(CVexomarWindowsNTServer::GetNTSelfServer(), "SALES"), "ALPHA");
    EXPECT_EQ(kConnectDone, ConnectAt9(alpha, &message, 1)) << "no logon file: no logon";
}

TEST_F(YnnisSlots, StatesComeFromTheQueryAndStatisticsFromSlot29)
{
    m_site.WriteFile(m_site.DataFolder("ALPHA") + "\\sample.com", TestVirusText());
    m_site.Install({"ALPHA"});
    ASSERT_EQ(0u, VexomarStartQuery());
    CVexomarServer* alpha = ChildAt3(ChildAt3(CVexomarWindowsNTServer::GetNTSelfServer(), "SALES"), "ALPHA");
    auto state = [&] {
        DWORD word = 0xDEAD;
        Slot<DWORD(THISCALL*)(CVexomarServer*, DWORD*)>(alpha, 1)(alpha, &word);
        return word;
    };
    EXPECT_EQ(0u, state()) << "installed, not started";
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    EXPECT_TRUE(WaitFor([&] { return (state() & kJobMask) == kJobDone; }, 20000)) << "the query brings the job's end";

    ScanStatisticsRecord record {};
    auto read = Slot<DWORD(THISCALL*)(CVexomarServer*, void*, DWORD)>(alpha, 29);
    ASSERT_EQ(0u, read(alpha, record.data(), 1024));
    const ScanStatistics s = DecodeScanStatistics(record);
    EXPECT_EQ(1u, s.filesInfected);
    EXPECT_EQ("EICAR-Test-File", s.lastVirus);
    EXPECT_EQ(87u, read(alpha, record.data(), 512));

    EXPECT_EQ(ERROR_CALL_NOT_IMPLEMENTED, Slot<DWORD(THISCALL*)(CVexomarServer*)>(alpha, 23)(alpha));
    ASSERT_EQ(0u, VexomarStopService("ALPHA"));
    EXPECT_TRUE(WaitFor([&] { return state() == 0; }, 10000)) << "a stopped instance shows inactive";
    EXPECT_EQ(0u, VexomarStopQuery());
    EXPECT_EQ(0u, VexomarStopQuery()) << "stopping twice is harmless";
}

TEST_F(YnnisSlots, EachListingReadsTheSiteAndTheLogonFilesAfresh)
{
    CVexomarServer* network = CVexomarWindowsNTServer::GetNTSelfServer();
    CVexomarServer* sales = ChildAt3(network, "SALES");
    ASSERT_TRUE(sales);
    auto listServers = Slot<DWORD(THISCALL*)(CVexomarServer*, const char*, const char*, VexomarServerEntry*, DWORD*)>(
        sales, 21);
    DWORD count = 0;
    EXPECT_EQ(122u, listServers(sales, "", "", nullptr, &count));
    EXPECT_EQ(2u, count);
    VexomarServerEntry entries[2] = {};
    count = 1;
    EXPECT_EQ(122u, listServers(sales, "", "", entries, &count)) << "room for one of two";
    EXPECT_EQ(2u, count);
    EXPECT_EQ(0, entries[0].name[0]) << "nothing is written into too small a buffer";

    auto flags = [&] {
        const auto servers = List(sales, 21);
        std::vector<DWORD> each;
        for (const auto& entry : servers)
            each.push_back(entry.flags & 1);
        return each;
    };
    EXPECT_EQ((std::vector<DWORD> {0, 0}), flags());
    m_site.WriteFile(m_site.DataFolder("BETA") + "\\LOGON.TXT", "admin=Secret\r\n");
    EXPECT_EQ((std::vector<DWORD> {0, 1}), flags()) << "a logon file put there since the last listing";
    DeleteFileA((m_site.DataFolder("BETA") + "\\LOGON.TXT").c_str());
    EXPECT_EQ((std::vector<DWORD> {0, 0}), flags());

    // A server added to the site shows in the next listing, and its object is its own.
    ScratchAlertHome grown("vexomar2");
    grown.UseSite("[SALES]\r\nALPHA=" + m_site.DataFolder("ALPHA") + "\r\nBETA=" + m_site.DataFolder("BETA") +
        "\r\nDELTA=" + grown.File("D") + "\r\n");
    const auto servers = List(sales, 21);
    ASSERT_EQ(3u, servers.size());
    EXPECT_STREQ("DELTA", servers[2].name);
    CVexomarServer* delta = ChildAt3(sales, servers[2].serverKey);
    ASSERT_TRUE(delta);
    EXPECT_NE(ChildAt3(sales, "ALPHA"), delta);
    EXPECT_EQ(delta, ChildAt3(sales, "delta")) << "one object per server, whatever the spelling";
    EXPECT_STREQ(grown.File("D").c_str(), Slot<const char*(THISCALL*)(CVexomarServer*)>(delta, 19)(delta));
    EXPECT_EQ(nullptr, ChildAt3(network, "RESEARCH")) << "a domain that left the site";
}

TEST_F(YnnisSlots, WithoutTheQueryEachReadSeesTheStateOfNow)
{
    m_site.Install({"BETA"});
    CVexomarServer* beta = ChildAt3(ChildAt3(CVexomarWindowsNTServer::GetNTSelfServer(), "SALES"), "BETA");
    ASSERT_TRUE(beta);
    auto state = [&] {
        DWORD word = 0xDEAD;
        Slot<DWORD(THISCALL*)(CVexomarServer*, DWORD*)>(beta, 1)(beta, &word);
        return word;
    };
    EXPECT_EQ(0u, state());
    ASSERT_EQ(0u, VexomarStartService("BETA", 0));
    EXPECT_NE(0u, state()) << "started since the last read";
    ASSERT_EQ(0u, VexomarStopService("BETA"));
    EXPECT_EQ(0u, state()) << "stopped since the last read";
}

TEST_F(YnnisSlots, TheQueryStopsInTimeOnALargeSite)
{
    // A round over two thousand servers lasts far longer than the stop waits.
    ScratchAlertHome large("vexomar3");
    std::string site = "[MANY]\r\n";
    for (int i = 0; i < 2000; ++i)
        site += "M" + std::to_string(i) + "=" + large.File("M" + std::to_string(i)) + "\r\n";
    large.UseSite(site);
    ASSERT_EQ(0u, VexomarStartQuery());
    EXPECT_EQ(0u, VexomarStopQuery()) << "the thread ended, not left running";
}
