// The Alert Summary page: loading, the 2-second poll, command enabling, pictures and clean-up.
#include "status_page_fixture.h"

#include "ui_actions.h"
#include "test_program.h"

TEST_F(StatusPageTest, TheTemplateHoldsThreeFramedPicturesCountsAndTheMessage)
{
    for (int id : {IDC_CRITICAL_PICTURE, IDC_WARNING_PICTURE, IDC_INFORMATIONAL_PICTURE, IDC_SERVICE_MESSAGE})
        EXPECT_NE(nullptr, page.GetDlgItem(id)) << id;
    for (int id : {IDC_CRITICAL_COUNT, IDC_WARNING_COUNT, IDC_INFORMATIONAL_COUNT}) {
        HWND edit = page.GetDlgItem(id);
        ASSERT_NE(nullptr, edit) << id;
        EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) << id;
    }
    EXPECT_TRUE(GetWindowLongA(page.GetDlgItem(IDC_SERVICE_MESSAGE), GWL_STYLE) & SS_CENTER);
    // 345 x 198 dialog units.
    RECT units = {0, 0, 345, 198};
    MapDialogRect(page.m_hWnd, &units);
    EXPECT_EQ(units.right, page.GetTotalSize().cx);
    EXPECT_EQ(units.bottom, page.GetTotalSize().cy);
}

TEST_F(StatusPageTest, TheFirstLoadStartsThePollAndLaterLoadsDoNot)
{
    page.Load(0);
    EXPECT_FALSE(KillTimer(page.m_hWnd, CAlStaticWnd::kPollTimer));
    page.Load(1);
    EXPECT_TRUE(KillTimer(page.m_hWnd, CAlStaticWnd::kPollTimer));
}

TEST_F(StatusPageTest, LoadPublishesTheLocalStateAndShowsTheCounts)
{
    const std::pair<DWORD, int> cases[] = {
        {SERVICE_STOPPED, kServiceStopped},
        {SERVICE_PAUSED, kServicePaused},
        {SERVICE_RUNNING, kServiceRunning},
        {SERVICE_START_PENDING, kServiceRunning},
        {SERVICE_STOP_PENDING, kServiceRunning},
    };
    for (const auto& [status, state] : cases) {
        control.localStatus = status;
        AnswerStatistics(7, 0, -3);
        page.Load(0);
        EXPECT_EQ(state, TestProgram().serviceState) << status;
        EXPECT_EQ((std::vector<std::string> {"7", "0", "-3"}), Counts());
    }
    const auto statistics = core.CallsOf("AlertGetStatistics");
    ASSERT_FALSE(statistics.empty());
    EXPECT_EQ(std::string(LocalComputerName()), statistics[0].texts[0]);
    // The message is the poll's business, not the load's.
    EXPECT_EQ("", Text(IDC_SERVICE_MESSAGE));
}

TEST_F(StatusPageTest, LoadMakesAMissingRecordTableWithAZeroedHeader)
{
    const std::string table = folder.File("ALRECORD.TBL");
    ASSERT_FALSE(FileExists(table));
    page.Load(1);
    ASSERT_TRUE(FileExists(table));
    EXPECT_EQ(std::string(256, '\0'), ReadText(table));
}

TEST_F(StatusPageTest, StatisticsThatCannotBeReadShowAsZeros)
{
    for (int failure : {0, AlertCore::kServerUnreachable}) {
        AnswerStatistics(1, 2, 3);
        page.Load(0);
        ASSERT_EQ((std::vector<std::string> {"1", "2", "3"}), Counts());
        // A failing core may still have left bytes in the record.
        core.Answer("AlertGetStatistics", DataAnswer(failure, StatisticsRecord(9, 9, 9)));
        Tick();
        EXPECT_EQ((std::vector<std::string> {"0", "0", "0"}), Counts()) << failure;
    }
}

TEST_F(StatusPageTest, TheCountsRefreshOnEveryTickEvenWhileTheServiceIsStopped)
{
    control.localStatus = SERVICE_STOPPED;
    page.Load(1);
    AnswerStatistics(1, 0, 0);
    Tick();
    EXPECT_EQ((std::vector<std::string> {"1", "0", "0"}), Counts());
    AnswerStatistics(2, 5, 11);
    Tick();
    EXPECT_EQ((std::vector<std::string> {"2", "5", "11"}), Counts());
    EXPECT_EQ(kServiceStopped, TestProgram().serviceState);
}

TEST_F(StatusPageTest, AStoppedServiceShowsTheExactPleaAndOthersClearIt)
{
    control.localStatus = SERVICE_STOPPED;
    TestProgram().serviceState = kServiceRunning;
    Tick();
    EXPECT_EQ(kServiceStopped, TestProgram().serviceState);
    EXPECT_EQ(kMustStartText, Text(IDC_SERVICE_MESSAGE));

    control.localStatus = SERVICE_PAUSED;
    Tick();
    EXPECT_EQ(kServicePaused, TestProgram().serviceState);
    EXPECT_EQ("", Text(IDC_SERVICE_MESSAGE));

    control.localStatus = SERVICE_STOPPED;
    Tick();
    control.localStatus = SERVICE_CONTINUE_PENDING;
    Tick();
    EXPECT_EQ(kServiceRunning, TestProgram().serviceState);
    EXPECT_EQ("", Text(IDC_SERVICE_MESSAGE));
}

TEST_F(StatusPageTest, AnotherServerIsPolledByTheRemoteQueryUnderItsName)
{
    UseServer("FARSERVER");
    control.remoteStatus = SERVICE_STOPPED;
    Tick();
    EXPECT_EQ(std::vector<std::string> {"remote FARSERVER"}, control.calls);
    EXPECT_EQ(kServiceStopped, TestProgram().serviceState);
    EXPECT_EQ(kMustStartText, Text(IDC_SERVICE_MESSAGE));
    EXPECT_EQ("FARSERVER", core.CallsOf("AlertGetStatistics").at(0).texts[0]);
}

TEST_F(StatusPageTest, AnotherServersUnreadableStatusLeavesTheStateAndMessage)
{
    UseServer("FARSERVER");
    control.remoteStatus = SERVICE_STOPPED;
    Tick();
    control.remoteStatus.reset();
    TestProgram().serviceState = kServicePaused;
    AnswerStatistics(4, 4, 4);
    Tick();
    EXPECT_EQ(kServicePaused, TestProgram().serviceState);
    EXPECT_EQ(kMustStartText, Text(IDC_SERVICE_MESSAGE));
    // The counts came before the status.
    EXPECT_EQ((std::vector<std::string> {"4", "4", "4"}), Counts());
}

TEST_F(StatusPageTest, ThisComputerIsKnownWhateverTheCaseOfItsName)
{
    std::string lower = LocalComputerName();
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    UseServer(lower.c_str());
    Tick();
    EXPECT_EQ(std::vector<std::string> {"local"}, control.calls);
    EXPECT_STREQ(LocalComputerName(), page.ServiceComputerName());
    UseServer("FARSERVER");
    EXPECT_STREQ("FARSERVER", page.ServiceComputerName());
}

TEST_F(StatusPageTest, StartPauseAndStopAreEnabledByTheStatus)
{
    struct Case {
        DWORD status;
        bool start, pause, stop;
    };
    const Case cases[] = {
        {SERVICE_STOPPED, true, false, false},
        {SERVICE_PAUSED, true, false, true},
        {SERVICE_RUNNING, false, true, true},
        {SERVICE_START_PENDING, false, false, true},
    };
    for (const Case& c : cases) {
        control.localStatus = c.status;
        Tick();
        const size_t queries = control.calls.size();
        EXPECT_EQ(c.start, IsCommandEnabled(page, ID_SERVICE_START)) << c.status;
        EXPECT_EQ(c.pause, IsCommandEnabled(page, ID_SERVICE_PAUSE)) << c.status;
        EXPECT_EQ(c.pause, IsCommandEnabled(page, ID_SERVICE_PAUSE_MENU)) << "the menu's Pause, " << c.status;
        EXPECT_EQ(c.stop, IsCommandEnabled(page, ID_SERVICE_STOP)) << c.status;
        UseServer("FARSERVER");
        control.remoteStatus = c.status;
        Tick();
        EXPECT_EQ(c.start, IsCommandEnabled(page, ID_SERVICE_START)) << c.status;
        EXPECT_EQ(c.pause, IsCommandEnabled(page, ID_SERVICE_PAUSE)) << c.status;
        EXPECT_EQ(c.stop, IsCommandEnabled(page, ID_SERVICE_STOP)) << c.status;
        EXPECT_EQ(queries + 1, control.calls.size()) << "the update handlers use the polled status, they never query";
        UseLocalServer();
    }
}

TEST_F(StatusPageTest, AnotherServerWhoseStatusCannotBeReadHasNoServiceCommands)
{
    UseServer("FARSERVER");
    control.remoteStatus.reset();
    EXPECT_FALSE(IsCommandEnabled(page, ID_SERVICE_START));
    EXPECT_FALSE(IsCommandEnabled(page, ID_SERVICE_PAUSE));
    EXPECT_FALSE(IsCommandEnabled(page, ID_SERVICE_STOP));
    for (const std::string& call : control.calls)
        EXPECT_EQ("remote FARSERVER", call);
}

TEST_F(StatusPageTest, HelpOpensTheSummaryTopic)
{
    std::vector<UINT> topics;
    TestProgram().openHelp = [&](HWND, UINT topic) { topics.push_back(topic); };
    Command(ID_PAGE_HELP);
    EXPECT_EQ(std::vector<UINT> {3010u}, topics);
}

TEST_F(StatusPageTest, DestructionClosesTheKeptServiceManagerHandle)
{
    page.Load(1);
    control.calls.clear();
    page.DestroyWindow();
    EXPECT_EQ(std::vector<std::string> {"close"}, control.calls);
}

namespace {

// The colour painted on the page at point (x, y) of a 48 x 48 picture stretched into frame `id`.
COLORREF PictureColour(CWnd& page, int id, int x, int y)
{
    RECT frame = {};
    ::GetWindowRect(page.GetDlgItem(id), &frame);
    MapWindowPoints(nullptr, page.m_hWnd, reinterpret_cast<POINT*>(&frame), 2);
    const int pageX = frame.left + (2 * x + 1) * (frame.right - frame.left) / 96;
    const int pageY = frame.top + (2 * y + 1) * (frame.bottom - frame.top) / 96;
    HDC dc = GetDC(page.m_hWnd);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP copy = CreateCompatibleBitmap(dc, 1, 1);
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, 1, 1, dc, pageX, pageY, SRCCOPY);
    const COLORREF colour = GetPixel(memory, 0, 0);
    SelectObject(memory, previous);
    DeleteObject(copy);
    DeleteDC(memory);
    ReleaseDC(page.m_hWnd, dc);
    return colour;
}

}  // namespace

TEST_F(StatusPageTest, EachPictureIsStretchedIntoItsFrame)
{
    owner.ShowWindow(SW_SHOW);
    page.Invalidate();
    page.UpdateWindow();
    FlushMessages();
    // Points well inside each drawing (res/orvane/art/status_art.py): the red disc, the yellow
    // triangle beside its mark, the blue disc; and the marks themselves.
    EXPECT_EQ(RGB(230, 30, 30), PictureColour(page, IDC_CRITICAL_PICTURE, 12, 30));
    EXPECT_EQ(RGB(255, 255, 255), PictureColour(page, IDC_CRITICAL_PICTURE, 23, 20));
    EXPECT_EQ(RGB(255, 220, 0), PictureColour(page, IDC_WARNING_PICTURE, 16, 38));
    EXPECT_EQ(RGB(0, 0, 0), PictureColour(page, IDC_WARNING_PICTURE, 23, 25));
    EXPECT_EQ(RGB(20, 90, 210), PictureColour(page, IDC_INFORMATIONAL_PICTURE, 12, 30));
    EXPECT_EQ(RGB(255, 255, 255), PictureColour(page, IDC_INFORMATIONAL_PICTURE, 23, 28));
    // The drawings' grey ground becomes the page's face.
    for (int id : {IDC_CRITICAL_PICTURE, IDC_WARNING_PICTURE, IDC_INFORMATIONAL_PICTURE})
        EXPECT_EQ(page.FaceColour(), PictureColour(page, id, 2, 2)) << id;
}
