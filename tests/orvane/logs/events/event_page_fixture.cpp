// An event log page in a tab window over a scratch event-log folder, with a PostScript printer.
#include "event_page_fixture.h"

#include <fstream>
#include <sstream>

#include "locale_format.h"
#include "ui_actions.h"

bool FakePrinterDialog::ChoosePrinter(PrinterRequest& request)
{
    ++asked;
    flags = request.flags;
    request.printerName = kPrinter;
    request.dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
    return request.dc != nullptr;
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

char GlyphCharacter(const std::string& name)
{
    static const std::pair<const char*, char> named[] = {
        {"space", ' '},
        {"hyphen", '-'},
        {"period", '.'},
        {"comma", ','},
        {"colon", ':'},
        {"slash", '/'},
        {"less", '<'},
        {"greater", '>'},
        {"zero", '0'},
        {"one", '1'},
        {"two", '2'},
        {"three", '3'},
        {"four", '4'},
        {"five", '5'},
        {"six", '6'},
        {"seven", '7'},
        {"eight", '8'},
        {"nine", '9'},
    };
    if (name.size() == 1)
        return name[0];
    for (const auto& [glyph, character] : named) {
        if (name == glyph)
            return character;
    }
    return '?';
}

}  // namespace

std::vector<std::vector<std::string>> PostScriptPageTexts(const std::string& ps)
{
    // Each drawn text starts with "x y moveto" and shows its glyphs one by one ("/a glyphshow").
    std::vector<std::vector<std::string>> pages;
    std::istringstream in(ps);
    std::string row;
    bool inText = false;
    const std::string show = " glyphshow";
    while (std::getline(in, row)) {
        if (row.rfind("%%Page:", 0) == 0) {
            pages.emplace_back();
            inText = false;
        } else if (row.size() > 7 && row.compare(row.size() - 7, 7, " moveto") == 0) {
            inText = false;
        } else if (!pages.empty() && row.size() > show.size() + 1 && row[0] == '/' &&
            row.compare(row.size() - show.size(), show.size(), show) == 0) {
            if (!inText)
                pages.back().emplace_back();
            inText = true;
            pages.back().back().push_back(GlyphCharacter(row.substr(1, row.size() - 1 - show.size())));
        }
    }
    return pages;
}

void EventPageTest::SetUp()
{
    EventLogFolderTest::SetUp();
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 700, 500}, nullptr, 0));
    owner.ShowWindow(SW_SHOWNA);
    ASSERT_TRUE(tab.Create(owner.m_hWnd, RECT {0, 0, 640, 420}, 5, 2));
    printOutput = folder + "\\printed.ps";
}

void EventPageTest::TearDown()
{
    if (page.m_hWnd)
        page.DestroyWindow();
    tab.DestroyWindow();
    owner.DestroyWindow();
    EventLogFolderTest::TearDown();
}

void EventPageTest::OpenPage()
{
    ASSERT_TRUE(page.CreateInTab(tab, 1));
    tab.SetTab(1, -1, "Event Log", page.m_hWnd, true);
    tab.Select(1);
    page.printOutputFile = printOutput;
    page.Load(1);
    // The list shows its rows once the posted end of the fill arrives.
    FlushMessages();
}

void EventPageTest::Tick()
{
    page.SendMessage(WM_TIMER, CEventDlg::kReloadTimer);
    FlushMessages();
}

void EventPageTest::Select(const std::vector<int>& positions)
{
    HWND box = page.List().ListBox();
    SendMessageA(box, LB_SETSEL, FALSE, -1);
    for (int position : positions)
        SendMessageA(box, LB_SETSEL, TRUE, position);
}

std::vector<std::string> EventPageTest::Rows()
{
    std::vector<std::string> rows;
    for (int i = 0; i < page.List().ItemCount(); ++i)
        rows.push_back(page.List().GetItemText(i));
    return rows;
}

std::vector<std::string> EventPageTest::Descriptions()
{
    std::vector<std::string> texts;
    for (int i = 0; i < page.List().ItemCount(); ++i)
        texts.push_back(page.List().GetItemColumnText(i, 1));
    return texts;
}

std::vector<int> EventPageTest::Slots()
{
    std::vector<int> slots;
    for (int i = 0; i < page.List().ItemCount(); ++i)
        slots.push_back(static_cast<int>(reinterpret_cast<INT_PTR>(page.List().GetItemData(i))));
    return slots;
}

std::string EventPageTest::DateTimeText(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME universal = {year, month, 0, day, hour, minute, second, 0};
    SYSTEMTIME local = {};
    SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local);
    return ModuleLocaleFormat().FormatDate(local.wYear, local.wMonth, local.wDay) + " " +
        ModuleLocaleFormat().FormatTime(local.wHour, local.wMinute, local.wSecond);
}
