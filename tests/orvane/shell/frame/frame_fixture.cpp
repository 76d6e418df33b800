// The frame tests' set-up: program values, scratch log folders and the frame itself.
#include "frame_fixture.h"

#include <cstring>

#include "as_tab_wnd.h"
#include "framework.h"
#include "resource.h"
#include "ui_actions.h"
#include "test_program.h"

namespace {

FakeAnswer DirectoryAnswer(const std::string& directory)
{
    FakeAnswer answer;
    answer.data.assign(directory.begin(), directory.end());
    answer.data.resize(512, 0);
    return answer;
}

}  // namespace

void FrameTest::SetUp()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    scratch = std::string(temp) + "orvane_frame_test";
    CreateDirectoryA(scratch.c_str(), nullptr);
    core.AnswerAlways("AlertGetHomeEventLog", DirectoryAnswer(scratch));
    core.AnswerAlways("AlertGetHomeLog", DirectoryAnswer(scratch));
    ProgramValues& program = TestProgram();
    program.core = &core;
    std::memset(program.applicationName, 0, sizeof program.applicationName);
    program.serviceState = kServiceRunning;
}

void FrameTest::TearDown()
{
    frame.reset();
    TestProgram().core = nullptr;
    DeleteFileA((scratch + "\\ALRECORD.TBL").c_str());
    RemoveDirectoryA(scratch.c_str());
}

void FrameTest::CreateFrame()
{
    CreateFrame(AlertManagerPages());
}

void FrameTest::CreateFrame(const std::vector<PageRow>& rows)
{
    TestProgram().serviceControl = &serviceControl;
    frame = std::make_unique<CMainFrame>(TestProgram(), rows);
    ASSERT_TRUE(frame->Create(
        nullptr, "Alert Manager", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, nullptr, IDR_MENU_STATISTICS));
    FlushMessages();
}

FakeAnswer FrameTest::ApplicationList(const std::vector<std::string>& names)
{
    FakeAnswer answer;
    answer.count = static_cast<WORD>(names.size());
    answer.data.assign(names.size() * 64, 0);
    for (size_t i = 0; i < names.size(); ++i)
        std::memcpy(answer.data.data() + i * 64, names[i].data(), std::min<size_t>(names[i].size(), 64));
    return answer;
}

std::vector<std::string> FrameTest::SelectorEntries() const
{
    std::vector<std::string> entries;
    HWND selector = frame->Selector();
    const int count = static_cast<int>(SendMessageA(selector, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        SendMessageA(selector, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

std::string FrameTest::SelectedEntry() const
{
    HWND selector = frame->Selector();
    const LRESULT index = SendMessageA(selector, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return "";
    char text[128] = {};
    SendMessageA(selector, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

void FrameTest::ClickTab(CASTabWnd& tab, int index)
{
    tab.Select(index);
    frame->SendMessage(kTabSelectedMessage, 100, index);
}

void FrameTest::UpdateCommands()
{
    frame->UpdateCommandStates();
}

bool FrameTest::Enabled(UINT id)
{
    return IsCommandEnabled(*frame, id);
}
