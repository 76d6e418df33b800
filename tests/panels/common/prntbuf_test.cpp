// The report print buffer on the prefix's PostScript printer: pages, headings, job names, Cancel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "col_list.h"
#include "locale_format.h"
#include "modal_script.h"
#include "prntbuf.h"
#include "scripted_prompter.h"
#include "system_dialogs.h"
#include "window_sources.h"

namespace {

constexpr const char* kPrinter = "Vexomar PostScript";

// The printer dialog as a person who picks the default printer, or who cancels.
class FakePrinterDialog : public SystemDialogs {
public:
    FakePrinterDialog() { m_previous = Install(this); }
    ~FakePrinterDialog() override { Install(m_previous); }

    bool OpenFile(FileDialogRequest&) override { return false; }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }
    bool ChoosePrinter(PrinterRequest& request) override
    {
        ++asked;
        owner = request.owner;
        if (!answerOk)
            return false;
        request.printerName = kPrinter;
        request.dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
        return true;
    }

    int asked = 0;
    bool answerOk = true;
    HWND owner = nullptr;

private:
    SystemDialogs* m_previous;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of each page: what follows each "%%Page:" comment up to the next.
std::vector<std::string> PostScriptPages(const std::string& ps)
{
    std::vector<std::string> pages;
    size_t at = ps.find("%%Page:");
    while (at != std::string::npos) {
        size_t next = ps.find("%%Page:", at + 1);
        pages.push_back(ps.substr(at, next == std::string::npos ? std::string::npos : next - at));
        at = next;
    }
    return pages;
}

// The character of a glyph name that the driver writes for the printer font.
char GlyphCharacter(const std::string& name)
{
    static const std::pair<const char*, char> named[] = {
        {"space", ' '},
        {"hyphen", '-'},
        {"period", '.'},
        {"comma", ','},
        {"colon", ':'},
        {"slash", '/'},
        {"underscore", '_'},
        {"parenleft", '('},
        {"parenright", ')'},
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

// The lines of text on one page: the driver starts each drawn text with "x y moveto" and then
// shows it glyph by glyph ("/a glyphshow"); a moveto followed by no glyph draws no text.
// `tops`, when given, receives the y of each text's moveto (device units from the top).
std::vector<std::string> TextLines(const std::string& page, std::vector<int>* tops = nullptr)
{
    std::vector<std::string> lines;
    std::istringstream in(page);
    std::string row;
    bool inText = false;
    int y = 0;
    while (std::getline(in, row)) {
        if (row.size() > 7 && row.compare(row.size() - 7, 7, " moveto") == 0) {
            int x = 0;
            std::istringstream(row) >> x >> y;
            inText = false;
            continue;
        }
        const std::string show = " glyphshow";
        if (row.size() > show.size() + 1 && row[0] == '/' &&
            row.compare(row.size() - show.size(), show.size(), show) == 0) {
            if (!inText) {
                lines.emplace_back();
                if (tops)
                    tops->push_back(y);
            }
            inText = true;
            lines.back().push_back(GlyphCharacter(row.substr(1, row.size() - 1 - show.size())));
        }
    }
    return lines;
}

std::vector<std::vector<std::string>> PageTexts(const std::string& ps)
{
    std::vector<std::vector<std::string>> texts;
    for (const std::string& page : PostScriptPages(ps))
        texts.push_back(TextLines(page));
    return texts;
}

class PrntbufTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 500, 400}, nullptr, 0));
        output = (std::filesystem::temp_directory_path() /
            ("vex-prntbuf-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ps"))
                     .string();
        std::filesystem::remove(output);
    }
    void TearDown() override
    {
        owner.DestroyWindow();
        // VEX_PRNTBUF_KEEP=1 keeps the printed documents, to look at them.
        std::error_code ignored;
        if (!getenv("VEX_PRNTBUF_KEEP"))
            std::filesystem::remove(output, ignored);
    }

    FakePrinterDialog dialogs;
    CWnd owner;
    std::string output;
};

TEST_F(PrntbufTest, StartJobMeasuresThePrinterFont)
{
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Measure"));
    EXPECT_EQ(1, dialogs.asked);
    EXPECT_EQ(owner.m_hWnd, dialogs.owner);
    EXPECT_EQ(kPrinter, printer.DeviceName());
    EXPECT_FALSE(printer.Cancelled());

    HDC dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    EXPECT_EQ(2 * metrics.tmAveCharWidth, printer.LeftMargin());
    EXPECT_EQ(lineHeight, printer.LineHeight());
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES) / lineHeight - 1, printer.LinesPerPage());
    DeleteDC(dc);
    EXPECT_GT(printer.LinesPerPage(), 10);
}

TEST_F(PrntbufTest, JobsAreNamedOrCalledNoNameJob)
{
    {
        WPrntbuf printer(&owner);
        printer.SetOutputFile(output);
        ASSERT_TRUE(printer.StartJob(nullptr));
        EXPECT_EQ(1, printer.PrintStrings({"only line"}, 8).lines);
    }
    std::string ps = ReadAll(output);
    EXPECT_NE(std::string::npos, ps.find("%%Title: NoName Job"));
    std::vector<std::vector<std::string>> expected = {{"only line"}};
    EXPECT_EQ(expected, PageTexts(ps));
    {
        WPrntbuf printer(&owner);
        printer.SetOutputFile(output);
        ASSERT_TRUE(printer.StartJob("Virus List"));
        printer.PrintStrings({"x"}, 8);
    }
    EXPECT_NE(std::string::npos, ReadAll(output).find("%%Title: Virus List"));
}

TEST_F(PrntbufTest, ColumnListPagesEachCarryHeadingTitlesAndUnderline)
{
    CColList list;
    ASSERT_TRUE(list.Create(3, WS_VISIBLE, RECT {0, 0, 400, 300}, owner.m_hWnd, 77, 0));
    const int rows = 150;
    for (int i = 1; i <= rows; ++i) {
        char row[64];
        wsprintfA(row, "row %03d\t%d\tCured", i, i * 7);
        list.AddItem(row);
    }
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Scan Records"));
    const int bodyPerPage = printer.LinesPerPage() - 4;
    ASSERT_GT(bodyPerPage, 0);
    const int expectedPages = (rows + bodyPerPage - 1) / bodyPerPage;
    ASSERT_GE(expectedPages, 2);

    SYSTEMTIME today = {};
    GetLocalTime(&today);
    const std::string headingStart = "Scan Records" + std::string(10, ' ') +
        ModuleLocaleFormat().FormatDate(today.wYear, today.wMonth, today.wDay) + "  ";
    ReportResult result = printer.PrintColumnList(list, "Scan Records", "File\tSize\tAction", {12, 20});
    EXPECT_EQ(rows, result.lines);
    EXPECT_EQ(expectedPages, result.pages);
    EXPECT_TRUE(result.complete);

    std::string ps = ReadAll(output);
    EXPECT_NE(std::string::npos, ps.find("%%Pages: " + std::to_string(expectedPages)));
    std::vector<std::vector<std::string>> pages = PageTexts(ps);
    ASSERT_EQ(static_cast<size_t>(expectedPages), pages.size());
    int row = 1;
    for (int p = 0; p < expectedPages; ++p) {
        SCOPED_TRACE(p);
        const std::vector<std::string>& page = pages[p];
        // The empty line below the heading draws no text.
        ASSERT_EQ(static_cast<size_t>(3 + std::min(bodyPerPage, rows - p * bodyPerPage)), page.size());
        EXPECT_EQ(0u, page[0].find(headingStart)) << page[0];
        EXPECT_EQ("File        Size    Action", page[1]);
        EXPECT_EQ(std::string(80, '-'), page[2]);
        for (size_t line = 3; line < page.size(); ++line, ++row) {
            char expected[64];
            wsprintfA(expected, "row %03d     %-8dCured", row, row * 7);
            EXPECT_EQ(expected, page[line]);
        }
    }
    EXPECT_EQ(rows + 1, row);
    list.DestroyWindow();
}

TEST_F(PrntbufTest, TabsOfPlainListsStopEveryTabWidth)
{
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Tabs"));
    EXPECT_EQ(2, printer.PrintStrings({"a\tb", "abcd\te"}, 4).lines);
    std::string ps = ReadAll(output);
    std::vector<std::vector<std::string>> expected = {{"a   b", "abcd    e"}};
    EXPECT_EQ(expected, PageTexts(ps));
    EXPECT_NE(std::string::npos, ps.find("%%Pages: 1"));
}

TEST_F(PrntbufTest, ACancelledPrinterDialogLeavesTheObjectInert)
{
    dialogs.answerOk = false;
    ModalScript script;
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    EXPECT_FALSE(printer.StartJob("Nothing"));
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_EQ(0, printer.PrintStrings({"a", "b"}, 8).lines);
    EXPECT_EQ(0, printer.PrintFile("C:\\no such file.txt", 8).lines);
    EXPECT_EQ(0, script.Driven());
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(PrntbufTest, AMissingFileIsToldAndPrintsNothing)
{
    ScriptedPrompter prompter;
    prompter.Expect("File Does Not Exist");
    ModalScript script;
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Missing"));
    EXPECT_EQ(0, printer.PrintFile("C:\\no such file.txt", 8).lines);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(0, script.Driven());
}

TEST_F(PrntbufTest, ASourceWithNothingToPrintStillEndsTheDocument)
{
    const std::string empty = (std::filesystem::temp_directory_path() / "vex-prntbuf-empty.txt").string();
    std::ofstream(empty, std::ios::binary).close();
    ScriptedPrompter prompter;
    prompter.Expect("File Does Not Exist");
    ModalScript script;
    struct Case {
        const char* name;
        std::function<ReportResult(WPrntbuf&)> print;
    };
    const Case cases[] = {
        {"no strings", [](WPrntbuf& p) { return p.PrintStrings({}, 8); }},
        {"empty file", [&](WPrntbuf& p) { return p.PrintFile(empty, 8); }},
        {"missing file", [](WPrntbuf& p) { return p.PrintFile("C:\\no such file.txt", 8); }},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(output);
        WPrntbuf printer(&owner);
        printer.SetOutputFile(output);
        ASSERT_TRUE(printer.StartJob("Empty"));
        EXPECT_EQ(0, c.print(printer).lines) << c.name;
        // The document is closed while the object lives on, and later calls print nothing.
        EXPECT_TRUE(printer.Cancelled()) << c.name;
        // The spooler lets go of the output only when the document has ended.
        HANDLE file = CreateFileA(output.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, file) << c.name << " " << GetLastError();
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        EXPECT_TRUE(PostScriptPages(ReadAll(output)).empty()) << c.name;
        EXPECT_EQ(0, printer.PrintStrings({"late"}, 8).lines) << c.name;
    }
    std::filesystem::remove(empty);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(0, script.Driven());
}

TEST_F(PrntbufTest, TextFileLinesPrintInPiecesWithTabsExpanded)
{
    const std::string source = (std::filesystem::temp_directory_path() / "vex-prntbuf-source.txt").string();
    std::ofstream(source, std::ios::binary) << "Virus\tKind\r\n" << std::string(2050, 'v') << "\r\n\r\nend\n";
    int lineHeight = 0;
    {
        WPrntbuf printer(&owner);
        printer.SetOutputFile(output);
        ASSERT_TRUE(printer.StartJob("virus.lst"));
        lineHeight = printer.LineHeight();
        ReportResult result = printer.PrintFile(source, 8);
        EXPECT_EQ(5, result.lines);
        EXPECT_TRUE(result.complete);
    }
    std::filesystem::remove(source);
    std::string ps = ReadAll(output);
    EXPECT_NE(std::string::npos, ps.find("%%Title: virus.lst"));
    // The empty line takes its row but draws no text.
    std::vector<std::vector<std::string>> expected = {{"Virus   Kind", std::string(2047, 'v'), "vvv", "end"}};
    EXPECT_EQ(expected, PageTexts(ps));
    std::vector<std::string> pages = PostScriptPages(ps);
    ASSERT_EQ(1u, pages.size());
    std::vector<int> tops;
    TextLines(pages[0], &tops);
    ASSERT_EQ(4u, tops.size());
    const int step = tops[1] - tops[0];
    EXPECT_EQ(lineHeight, step);
    EXPECT_EQ(tops[0] + 2 * step, tops[2]);
    EXPECT_EQ(tops[0] + 4 * step, tops[3]);
}

TEST_F(PrntbufTest, OneSourcePerJob)
{
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Once"));
    EXPECT_EQ(1, printer.PrintStrings({"first"}, 8).lines);
    EXPECT_EQ(0, printer.PrintStrings({"second"}, 8).lines);
    EXPECT_EQ(std::string::npos, ReadAll(output).find("second"));
}

// A list box that presses Cancel in the progress dialog while its item `cancelAt` is read.
struct CancellingListBox {
    static inline HWND progress = nullptr;
    static inline int cancelAt = -1;
    static inline WNDPROC original = nullptr;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == LB_GETTEXT && static_cast<int>(wParam) == cancelAt && progress)
            PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(progress, IDCANCEL)));
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
};

TEST_F(PrntbufTest, CancelStopsAfterTheCurrentLineAndEndsTheDocument)
{
    HWND box = CreateWindowA("LISTBOX", "", WS_CHILD, 0, 0, 200, 200, owner.m_hWnd, nullptr, nullptr, nullptr);
    for (int i = 1; i <= 100; ++i) {
        char item[32];
        wsprintfA(item, "item %03d", i);
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    CancellingListBox::original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CancellingListBox::Proc)));
    CancellingListBox::cancelAt = 9;  // the tenth item

    ModalScript script;
    std::string caption;
    script.Then([&caption](CWnd& progress) {
        CancellingListBox::progress = progress.m_hWnd;
        caption = progress.GetDlgItemText(IDCANCEL);
        EXPECT_TRUE(progress.IsWindowVisible());
    });
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Cancelled"));
    ReportResult result = printer.PrintListBox(box, 8);
    EXPECT_EQ("Cancel", caption);
    EXPECT_EQ(10, result.lines);
    EXPECT_FALSE(result.complete);
    EXPECT_FALSE(IsWindow(CancellingListBox::progress));
    CancellingListBox::progress = nullptr;

    std::string ps = ReadAll(output);
    std::vector<std::vector<std::string>> expected = {{"item 001", "item 002", "item 003", "item 004", "item 005",
        "item 006", "item 007", "item 008", "item 009", "item 010"}};
    EXPECT_EQ(expected, PageTexts(ps));
    EXPECT_NE(std::string::npos, ps.find("%%Pages: 1"));
    EXPECT_NE(std::string::npos, ps.find("%%EOF"));
    DestroyWindow(box);
}

TEST_F(PrntbufTest, TheProgressDialogClosesAfterACompletePrintout)
{
    ModalScript script;
    HWND progress = nullptr;
    script.Then([&progress](CWnd& dialog) { progress = dialog.m_hWnd; });
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Closed"));
    EXPECT_TRUE(printer.PrintStrings({"a", "b", "c"}, 8).complete);
    ASSERT_NE(nullptr, progress);
    EXPECT_FALSE(IsWindow(progress));
}

TEST_F(PrntbufTest, EditLinesCarryTheHeadingAndAreCutAtTheLimit)
{
    HWND edit = CreateWindowA("EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0, 300, 200,
        owner.m_hWnd, nullptr, nullptr, nullptr);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    std::string text = "first\tline\r\n" + std::string(3000, 'x') + "\r\nlast";
    SetWindowTextA(edit, text.c_str());
    {
        EditSource source(edit);
        std::string line;
        ASSERT_TRUE(source.Next(line));
        EXPECT_EQ("first\tline", line);
        ASSERT_TRUE(source.Next(line));
        EXPECT_EQ(std::string(2047, 'x'), line);
        ASSERT_TRUE(source.Next(line));
        EXPECT_EQ("last", line);
        EXPECT_FALSE(source.Next(line));
    }
    WPrntbuf printer(&owner);
    printer.SetOutputFile(output);
    ASSERT_TRUE(printer.StartJob("Activity Log"));
    ReportResult result = printer.PrintEdit(edit, "Activity Log", 8);
    EXPECT_EQ(3, result.lines);
    std::string ps = ReadAll(output);
    std::vector<std::vector<std::string>> pages = PageTexts(ps);
    ASSERT_EQ(1u, pages.size());
    ASSERT_EQ(4u, pages[0].size());
    EXPECT_EQ(0u, pages[0][0].find("Activity Log" + std::string(10, ' '))) << pages[0][0];
    EXPECT_EQ("first   line", pages[0][1]);
    EXPECT_EQ(std::string(2047, 'x'), pages[0][2]);
    EXPECT_EQ("last", pages[0][3]);
    DestroyWindow(edit);
}

TEST(PrntbufSources, ListBoxItemsInOrderAndCut)
{
    HWND box = CreateWindowA("LISTBOX", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    {
        ListBoxSource source(box);
        EXPECT_TRUE(source.Empty());
    }
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b"));
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    std::string longItem(2100, 'z');
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longItem.c_str()));
    ListBoxSource source(box);
    EXPECT_FALSE(source.Empty());
    std::vector<std::string> got;
    std::string line;
    while (source.Next(line))
        got.push_back(line);
    std::vector<std::string> expected = {"b", "", std::string(2047, 'z')};
    EXPECT_EQ(expected, got);
    DestroyWindow(box);
}

}  // namespace
