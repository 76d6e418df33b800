// VXMNET.DLL as the prefix's network provider: every call goes through the platform's own
// network functions (MPR.DLL), on a scratch site with a print queue and a server that asks
// for a logon. Its servers are named apart from the sample site's, whose print queues are
// printers of the same prefix.
#include <windows.h>
#include <winnetwk.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "scratch_alert_home.h"
#include "spool_printer.h"

namespace {

const char kNetwork[] = "Microsoft Windows Network";
const char kQueuePrinter[] = "TESTQ on LYRA (vxmnet test)";
const char kQueuePort[] = "VXMTEST-TESTQ:";
constexpr DWORD kBufferSize = 16384;

struct Listed {
    std::string remote;
    DWORD displayType;
    DWORD type;
    std::string provider;
};

class NetworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_home = std::make_unique<ScratchAlertHome>("vxmnet");
        for (const char* server : {"ORION", "LYRA", "VEGA"})
            CreateDirectoryA(Folder(server).c_str(), nullptr);
        MakeUncFolder();
        s_home->UseSite("[SALES]\r\nORION=" + Folder("ORION") + "\r\nLYRA=" + Folder("LYRA") +
            "\r\n[RESEARCH]\r\nVEGA=" + Folder("VEGA") + "\r\nVXMPROBE=" + s_uncFolder + "\r\n");
        ScratchAlertHome::WriteBytes(Folder("VEGA") + "\\LOGON.TXT",
            std::vector<BYTE>({'a', 'd', 'm', 'i', 'n', '=', 'S', 'e', 'c', 'r', 'e', 't', '\r', '\n'}));
        AddQueuePrinter();
    }

    static void TearDownTestSuite()
    {
        RemoveQueuePrinter();
        s_home.reset();
        if (!s_uncFolder.empty())
            RemoveTree(s_uncFolder.substr(0, s_uncFolder.find_last_of('\\')));
    }

    // VXMPROBE's data folder is the prefix's own UNC folder of \\VXMPROBE\DATA (where
    // tools/vxmnet-setup links a site server's data folder), so its paths open for real.
    static void MakeUncFolder()
    {
        char prefix[MAX_PATH] = {};
        ASSERT_GT(GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH), 0u) << "runs in the project's Wine prefix";
        std::string folder = std::string("Z:") + prefix + "/dosdevices/unc/VXMPROBE";
        std::replace(folder.begin(), folder.end(), '/', '\\');
        CreateDirectoryA(folder.substr(0, folder.size() - 9).c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        s_uncFolder = folder + "\\DATA";
        ASSERT_TRUE(CreateDirectoryA(s_uncFolder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }

    static std::string Folder(const std::string& server) { return s_home->Path() + "\\" + server; }

    // LYRA's queue TESTQ: a printer of this computer whose location names it, on a port that
    // pipes each document into LYRA's spool folder, as tools/vxmnet-setup makes them.
    static void AddQueuePrinter()
    {
        s_queue = std::make_unique<SpoolPrinter>(kQueuePrinter, kQueuePort, "\\\\LYRA\\TESTQ", Folder("LYRA") + "\\SPOOL");
        ASSERT_EQ("", s_queue->Error());
    }

    static void RemoveQueuePrinter() { s_queue.reset(); }

    void TearDown() override
    {
        // Every connection a test made is gone before the next one starts.
        for (const char* name : {"\\\\VEGA\\IPC$", "\\\\VEGA\\DATA", "\\\\LYRA\\TESTQ", "V:", "W:"})
            WNetCancelConnection2A(name, 0, TRUE);
    }

    // One level of the network, read one entry a call, as the browse trees do. `open` gets
    // WNetOpenEnumA's answer; `end` the answer that ended the walk.
    static std::vector<Listed> Walk(NETRESOURCEA* parent, DWORD type, DWORD* open = nullptr, DWORD* end = nullptr)
    {
        std::vector<Listed> listed;
        HANDLE handle = nullptr;
        const DWORD opened = WNetOpenEnumA(RESOURCE_GLOBALNET, type, 0, parent, &handle);
        if (open)
            *open = opened;
        if (opened != NO_ERROR)
            return listed;
        std::vector<BYTE> buffer(kBufferSize);
        DWORD result = NO_ERROR;
        for (int guard = 0; guard < 100; ++guard) {
            DWORD count = 1;
            DWORD size = kBufferSize;
            result = WNetEnumResourceA(handle, &count, buffer.data(), &size);
            if (result != NO_ERROR)
                break;
            const auto* entry = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
            for (DWORD i = 0; i < count; ++i)
                listed.push_back({entry[i].lpRemoteName ? entry[i].lpRemoteName : "", entry[i].dwDisplayType,
                    entry[i].dwType, entry[i].lpProvider ? entry[i].lpProvider : ""});
        }
        if (end)
            *end = result;
        WNetCloseEnum(handle);
        return listed;
    }

    // The resource of a container as the browse trees hand it back: remote name and provider.
    static NETRESOURCEA Container(const char* remote)
    {
        NETRESOURCEA resource = {};
        resource.dwScope = RESOURCE_GLOBALNET;
        resource.dwUsage = RESOURCEUSAGE_CONTAINER;
        resource.lpRemoteName = const_cast<char*>(remote);
        resource.lpProvider = const_cast<char*>(kNetwork);
        return resource;
    }

    static DWORD Connect(const char* remote, const char* user, const char* password, DWORD type = RESOURCETYPE_DISK,
        const char* local = nullptr)
    {
        NETRESOURCEA resource = {};
        resource.dwType = type;
        resource.lpRemoteName = const_cast<char*>(remote);
        resource.lpLocalName = const_cast<char*>(local);
        return WNetAddConnection2A(&resource, password, user, 0);
    }

    static std::vector<std::string> Names(const std::vector<Listed>& listed)
    {
        std::vector<std::string> names;
        for (const Listed& entry : listed)
            names.push_back(entry.remote);
        return names;
    }

    static std::unique_ptr<ScratchAlertHome> s_home;
    static std::string s_uncFolder;
    static std::unique_ptr<SpoolPrinter> s_queue;
};

std::unique_ptr<ScratchAlertHome> NetworkTest::s_home;
std::string NetworkTest::s_uncFolder;
std::unique_ptr<SpoolPrinter> NetworkTest::s_queue;

TEST_F(NetworkTest, TheWholeNetworkListsTheProviderThenItsDomainsServersAndShares)
{
    DWORD end = 0;
    const std::vector<Listed> top = Walk(nullptr, RESOURCETYPE_ANY, nullptr, &end);
    ASSERT_EQ(Names(top), std::vector<std::string>({kNetwork}));
    EXPECT_EQ(top[0].provider, kNetwork);
    EXPECT_EQ(top[0].displayType, static_cast<DWORD>(RESOURCEDISPLAYTYPE_NETWORK));
    EXPECT_EQ(end, static_cast<DWORD>(ERROR_NO_MORE_ITEMS));

    NETRESOURCEA network = Container(kNetwork);
    const std::vector<Listed> domains = Walk(&network, RESOURCETYPE_ANY, nullptr, &end);
    EXPECT_EQ(Names(domains), std::vector<std::string>({"SALES", "RESEARCH"}));
    for (const Listed& domain : domains) {
        EXPECT_EQ(domain.displayType, static_cast<DWORD>(RESOURCEDISPLAYTYPE_DOMAIN));
        EXPECT_EQ(domain.provider, kNetwork);
    }
    EXPECT_EQ(end, static_cast<DWORD>(ERROR_NO_MORE_ITEMS));

    NETRESOURCEA sales = Container("SALES");
    const std::vector<Listed> servers = Walk(&sales, RESOURCETYPE_ANY);
    EXPECT_EQ(Names(servers), std::vector<std::string>({"\\\\ORION", "\\\\LYRA"}));
    for (const Listed& server : servers)
        EXPECT_EQ(server.displayType, static_cast<DWORD>(RESOURCEDISPLAYTYPE_SERVER));

    NETRESOURCEA alpha = Container("\\\\ORION");
    const std::vector<Listed> shares = Walk(&alpha, RESOURCETYPE_ANY);
    EXPECT_EQ(Names(shares), std::vector<std::string>({"\\\\ORION\\ADMIN$", "\\\\ORION\\IPC$", "\\\\ORION\\DATA"}));
    for (const Listed& share : shares)
        EXPECT_EQ(share.displayType, static_cast<DWORD>(RESOURCEDISPLAYTYPE_SHARE));

    NETRESOURCEA beta = Container("\\\\LYRA");
    EXPECT_EQ(Names(Walk(&beta, RESOURCETYPE_DISK)), std::vector<std::string>({"\\\\LYRA\\ADMIN$", "\\\\LYRA\\DATA"}));
}

TEST_F(NetworkTest, PrintQueuesAreListedUnderTheirServerOnly)
{
    NETRESOURCEA beta = Container("\\\\LYRA");
    const std::vector<Listed> queues = Walk(&beta, RESOURCETYPE_PRINT);
    ASSERT_EQ(Names(queues), std::vector<std::string>({"\\\\LYRA\\TESTQ"}));
    EXPECT_EQ(queues[0].type, static_cast<DWORD>(RESOURCETYPE_PRINT));

    DWORD end = 0;
    NETRESOURCEA alpha = Container("\\\\ORION");
    EXPECT_TRUE(Walk(&alpha, RESOURCETYPE_PRINT, nullptr, &end).empty());
    EXPECT_EQ(end, static_cast<DWORD>(ERROR_NO_MORE_ITEMS));

    // A print browse still shows every domain and server, so that the queues can be reached.
    NETRESOURCEA sales = Container("SALES");
    EXPECT_EQ(Names(Walk(&sales, RESOURCETYPE_PRINT)), std::vector<std::string>({"\\\\ORION", "\\\\LYRA"}));

    EXPECT_EQ(Connect("\\\\LYRA\\TESTQ", "anyone", "x", RESOURCETYPE_PRINT), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(Connect("\\\\LYRA\\PRINT$", "anyone", "x"), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(WNetCancelConnectionA("\\\\LYRA\\PRINT$", TRUE), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(Connect("\\\\LYRA\\NOSUCH", "anyone", "x", RESOURCETYPE_PRINT), static_cast<DWORD>(ERROR_BAD_NET_NAME));
    EXPECT_EQ(Connect("\\\\ORION\\PRINT$", "anyone", "x"), static_cast<DWORD>(ERROR_BAD_NET_NAME));
}

TEST_F(NetworkTest, ADocumentPrintedOnAQueueLandsInItsServersSpoolFolderAsPostScript)
{
    HDC dc = CreateDCA(nullptr, kQueuePrinter, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    DOCINFOA document = {sizeof document, "Trouble ticket", nullptr, nullptr, 0};
    ASSERT_GT(StartDocA(dc, &document), 0);
    StartPage(dc);
    TextOutA(dc, 100, 100, "Critical alert of VEXOMAR", 25);
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);

    const std::string printed = s_queue->TakeJob();
    EXPECT_EQ(printed.compare(0, 4, "%!PS"), 0) << printed.substr(0, 40);
}

TEST_F(NetworkTest, AServerThatAsksForALogonRefusesUntilLoggedOn)
{
    NETRESOURCEA gamma = Container("\\\\VEGA");
    DWORD open = 0;
    Walk(&gamma, RESOURCETYPE_ANY, &open);
    EXPECT_EQ(open, static_cast<DWORD>(ERROR_ACCESS_DENIED));

    EXPECT_EQ(Connect("\\\\VEGA\\IPC$", "nobody", "Secret"), static_cast<DWORD>(ERROR_LOGON_FAILURE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_LOGON_FAILURE));
    EXPECT_EQ(Connect("\\\\VEGA\\IPC$", "admin", "secret"), static_cast<DWORD>(ERROR_INVALID_PASSWORD));
    EXPECT_EQ(Connect("\\\\VEGA\\IPC$", nullptr, nullptr), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Connect("\\\\VEGA\\IPC$", "ADMIN", "Secret"), static_cast<DWORD>(NO_ERROR));

    const std::vector<Listed> shares = Walk(&gamma, RESOURCETYPE_ANY, &open);
    EXPECT_EQ(open, static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(Names(shares), std::vector<std::string>({"\\\\VEGA\\ADMIN$", "\\\\VEGA\\IPC$", "\\\\VEGA\\DATA"}));
    // While logged on, another share needs no credentials.
    EXPECT_EQ(Connect("\\\\VEGA\\DATA", nullptr, nullptr), static_cast<DWORD>(NO_ERROR));

    EXPECT_EQ(WNetCancelConnection2A("\\\\VEGA\\DATA", 0, TRUE), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(WNetCancelConnection2A("\\\\VEGA\\IPC$", 0, TRUE), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(WNetCancelConnection2A("\\\\VEGA\\IPC$", 0, TRUE), static_cast<DWORD>(ERROR_NOT_CONNECTED));
    // The last connection took the logon with it.
    Walk(&gamma, RESOURCETYPE_ANY, &open);
    EXPECT_EQ(open, static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(NetworkTest, UnknownServersAndSharesAnswerAsThePlatformDoes)
{
    EXPECT_EQ(Connect("\\\\NOSUCH\\IPC$", "admin", "Secret"), static_cast<DWORD>(ERROR_BAD_NETPATH));
    EXPECT_EQ(Connect("\\\\ORION\\NOSUCH", "admin", "Secret"), static_cast<DWORD>(ERROR_BAD_NET_NAME));
    EXPECT_EQ(
        Connect("\\\\ORION\\DATA", "admin", "Secret", RESOURCETYPE_PRINT), static_cast<DWORD>(ERROR_BAD_DEV_TYPE));
    // This computer is on the network by name even where the site does not list it.
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD computerSize = sizeof computer;
    ASSERT_TRUE(GetComputerNameA(computer, &computerSize));
    const std::string own = std::string("\\\\") + computer + "\\ADMIN$";
    EXPECT_EQ(Connect(own.c_str(), "whoever", "whatever"), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(WNetCancelConnection2A(own.c_str(), 0, TRUE), static_cast<DWORD>(NO_ERROR));
    // A server without a logon file takes any account.
    EXPECT_EQ(Connect("\\\\ORION\\ADMIN$", "whoever", "whatever"), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(WNetCancelConnection2A("\\\\ORION\\ADMIN$", 0, TRUE), static_cast<DWORD>(NO_ERROR));

    DWORD open = 0;
    NETRESOURCEA unknown = Container("\\\\NOSUCH");
    Walk(&unknown, RESOURCETYPE_ANY, &open);
    EXPECT_EQ(open, static_cast<DWORD>(ERROR_BAD_NETPATH));
    NETRESOURCEA share = Container("\\\\ORION\\DATA");
    Walk(&share, RESOURCETYPE_ANY, &open);
    EXPECT_EQ(open, static_cast<DWORD>(ERROR_NOT_CONTAINER));
}

TEST_F(NetworkTest, ABufferTooSmallForOneEntryAnswersMoreData)
{
    NETRESOURCEA network = Container(kNetwork);
    HANDLE handle = nullptr;
    ASSERT_EQ(WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, &network, &handle), static_cast<DWORD>(NO_ERROR));
    std::vector<BYTE> buffer(kBufferSize);
    DWORD count = 1;
    DWORD size = sizeof(NETRESOURCEA) + 4;
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer.data(), &size), static_cast<DWORD>(ERROR_MORE_DATA));
    // Nothing was handed out: the next call with room gets the first domain.
    count = 1;
    size = kBufferSize;
    ASSERT_EQ(WNetEnumResourceA(handle, &count, buffer.data(), &size), static_cast<DWORD>(NO_ERROR));
    ASSERT_EQ(count, 1u);
    EXPECT_STREQ(reinterpret_cast<NETRESOURCEA*>(buffer.data())->lpRemoteName, "SALES");
    // As many as fit when the caller asks for all.
    count = static_cast<DWORD>(-1);
    ASSERT_EQ(WNetEnumResourceA(handle, &count, buffer.data(), &size), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(count, 1u);
    EXPECT_STREQ(reinterpret_cast<NETRESOURCEA*>(buffer.data())->lpRemoteName, "RESEARCH");
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer.data(), &size), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    EXPECT_EQ(WNetCloseEnum(handle), static_cast<DWORD>(NO_ERROR));
}

TEST_F(NetworkTest, ADriveConnectionOpensTheShareAndIsReportedUntilCancelled)
{
    const std::string probe = s_uncFolder + "\\probe.txt";
    ScratchAlertHome::WriteBytes(probe, std::vector<BYTE>({'n', 'e', 't'}));
    // The UNC path opens without any connection.
    EXPECT_EQ(ScratchAlertHome::ReadText("\\\\VXMPROBE\\DATA\\probe.txt"), "net");

    ASSERT_EQ(Connect("\\\\VXMPROBE\\DATA", "admin", "Secret", RESOURCETYPE_DISK, "V:"), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(GetDriveTypeA("V:\\"), static_cast<UINT>(DRIVE_REMOTE));
    EXPECT_EQ(ScratchAlertHome::ReadText("V:\\probe.txt"), "net");
    char remote[MAX_PATH] = {};
    DWORD size = sizeof remote;
    ASSERT_EQ(WNetGetConnectionA("V:", remote, &size), static_cast<DWORD>(NO_ERROR));
    EXPECT_STREQ(remote, "\\\\VXMPROBE\\DATA");
    size = 4;
    EXPECT_EQ(WNetGetConnectionA("V:", remote, &size), static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_EQ(size, 16u);
    EXPECT_EQ(Connect("\\\\LYRA\\DATA", "admin", "Secret", RESOURCETYPE_DISK, "V:"),
        static_cast<DWORD>(ERROR_ALREADY_ASSIGNED));

    // The platform's list of connections holds it, and a connection without a device beside it.
    ASSERT_EQ(Connect("\\\\LYRA\\IPC$", "admin", "Secret", RESOURCETYPE_ANY), static_cast<DWORD>(NO_ERROR));
    HANDLE handle = nullptr;
    ASSERT_EQ(WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_ANY, 0, nullptr, &handle), static_cast<DWORD>(NO_ERROR));
    std::vector<BYTE> buffer(kBufferSize);
    DWORD count = static_cast<DWORD>(-1);
    DWORD bytes = kBufferSize;
    ASSERT_EQ(WNetEnumResourceA(handle, &count, buffer.data(), &bytes), static_cast<DWORD>(NO_ERROR));
    ASSERT_EQ(count, 2u);
    const auto* connected = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
    EXPECT_STREQ(connected[0].lpLocalName, "V:");
    EXPECT_STREQ(connected[0].lpRemoteName, "\\\\VXMPROBE\\DATA");
    EXPECT_STREQ(connected[1].lpLocalName, "");
    EXPECT_STREQ(connected[1].lpRemoteName, "\\\\LYRA\\IPC$");
    WNetCloseEnum(handle);
    EXPECT_EQ(WNetCancelConnection2A("\\\\LYRA\\IPC$", 0, TRUE), static_cast<DWORD>(NO_ERROR));

    // The user of a connection comes from the provider itself: under Wine the platform's
    // WNetGetUser answers the process's own user whatever the connection.
    using GetUser = DWORD(WINAPI*)(LPWSTR, LPWSTR, LPDWORD);
    const auto npGetUser =
        reinterpret_cast<GetUser>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("VXMNET.DLL"), "NPGetUser")));
    ASSERT_NE(npGetUser, nullptr) << "the platform did not load the provider";
    wchar_t user[64] = {};
    DWORD length = 64;
    EXPECT_EQ(npGetUser(const_cast<LPWSTR>(L"V:"), user, &length), static_cast<DWORD>(NO_ERROR));
    EXPECT_STREQ(user, L"admin");
    length = 2;
    EXPECT_EQ(npGetUser(const_cast<LPWSTR>(L"\\\\VXMPROBE\\DATA"), user, &length), static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_EQ(length, 6u);
    char platformUser[64] = {};
    DWORD platformSize = sizeof platformUser;
    EXPECT_EQ(WNetGetUserA("V:", platformUser, &platformSize), static_cast<DWORD>(NO_ERROR));

    EXPECT_EQ(WNetCancelConnection2A("V:", 0, TRUE), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(GetDriveTypeA("V:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    size = sizeof remote;
    EXPECT_EQ(WNetGetConnectionA("V:", remote, &size), static_cast<DWORD>(ERROR_BAD_DEVICE));
    length = 64;
    EXPECT_EQ(npGetUser(const_cast<LPWSTR>(L"V:"), user, &length), static_cast<DWORD>(ERROR_NOT_CONNECTED));
    EXPECT_EQ(WNetCancelConnection2A("V:", 0, TRUE), static_cast<DWORD>(ERROR_NOT_CONNECTED));
    DeleteFileA(probe.c_str());
}

}  // namespace
