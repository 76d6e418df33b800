// Command routing over pages that record what reaches them: the page in front first, then the
// page that handles the command, then the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "admin_fv.h"
#include "al_tab_wnd.h"
#include "frame_fixture.h"
#include "resource.h"

namespace {

constexpr UINT kShared = 40100;  // handled by a log page and a configuration page
constexpr UINT kLogsOnly = 40101;  // handled by the second log page only
constexpr UINT kUnhandled = 40102;  // handled by no page

std::vector<std::string>& Routed()
{
    static std::vector<std::string> log;
    return log;
}

// An empty page that handles the commands it is given and notes each one carried out.
class RoutingPage : public CAdminFV {
public:
    RoutingPage(const char* name, std::vector<UINT> handled)
        : CAdminFV(IDD_EMPTY_PAGE), m_name(name), m_handled(std::move(handled))
    {
    }
    bool OnCmdMsg(CommandRequest& request) override
    {
        if (request.code == kCodeUpdateCommandUI)
            return CAdminFV::OnCmdMsg(request);
        const bool handles = std::find(m_handled.begin(), m_handled.end(), request.id) != m_handled.end();
        if (handles && !request.probe)
            Routed().push_back(m_name + " " + std::to_string(request.id));
        return handles || CAdminFV::OnCmdMsg(request);
    }
    void Load(int) override { }

private:
    std::string m_name;
    std::vector<UINT> m_handled;
};

template <char Name> std::unique_ptr<FramePage> MakeRouting(ProgramValues&)
{
    switch (Name) {
    case 'A': return std::make_unique<RoutingPage>("A", std::vector<UINT> {kShared});
    case 'B': return std::make_unique<RoutingPage>("B", std::vector<UINT> {kLogsOnly});
    case 'D': return std::make_unique<RoutingPage>("D", std::vector<UINT> {kShared});
    default: return std::make_unique<RoutingPage>("E", std::vector<UINT> {});
    }
}

const std::vector<PageRow>& RoutingRows()
{
    static const std::vector<PageRow> rows = {
        {PageTab::Logs, IDS_TITLE_ALERT_SUMMARY, IDR_MENU_STATISTICS, &MakeRouting<'A'>},
        {PageTab::Logs, IDS_TITLE_EVENT_LOG, IDR_MENU_EVENTS, &MakeRouting<'B'>},
        {PageTab::Configuration, IDS_TITLE_SUMMARY, IDR_MENU_BROADCAST, &MakeRouting<'D'>},
        {PageTab::Configuration, IDS_TITLE_PAGER, IDR_MENU_PAGER, &MakeRouting<'E'>},
    };
    return rows;
}

}  // namespace

TEST_F(FrameTest, TheFrontPageTakesACommandBeforeThePageThatAlsoHandlesIt)
{
    Routed().clear();
    CreateFrame(RoutingRows());
    frame->SendMessage(WM_COMMAND, kShared, 0);
    frame->ShowConfiguration();
    frame->SendMessage(WM_COMMAND, kShared, 0);
    EXPECT_EQ((std::vector<std::string> {"A 40100", "D 40100"}), Routed());
}

TEST_F(FrameTest, ACommandTheFrontPageLacksGoesToThePageThatHandlesItInEitherTabWindow)
{
    Routed().clear();
    CreateFrame(RoutingRows());
    frame->SendMessage(WM_COMMAND, kLogsOnly, 0);
    frame->ShowConfiguration();
    frame->SendMessage(WM_COMMAND, kLogsOnly, 0);
    frame->SendMessage(WM_COMMAND, kUnhandled, 0);
    EXPECT_EQ((std::vector<std::string> {"B 40101", "B 40101"}), Routed());
    EXPECT_FALSE(Enabled(kUnhandled)) << "a command no page handles is no command of the frame's";
    EXPECT_TRUE(Enabled(kLogsOnly));
}

TEST_F(FrameTest, TheMenuOfEachPageComesFromItsRow)
{
    CreateFrame(RoutingRows());
    EXPECT_EQ(static_cast<UINT>(IDR_MENU_STATISTICS), frame->CurrentMenuId());
    ClickTab(frame->LogsTab(), 1);
    EXPECT_EQ(static_cast<UINT>(IDR_MENU_EVENTS), frame->CurrentMenuId());
    frame->ShowConfiguration();
    ClickTab(frame->ConfigTab(), 1);
    EXPECT_EQ(static_cast<UINT>(IDR_MENU_PAGER), frame->CurrentMenuId());
}
