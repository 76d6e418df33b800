// Report text and page layout: TAB expansion, headings, underlines, pages and text-file lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "report_run.h"
#include "report_text.h"
#include "string_list_source.h"
#include "text_file_source.h"

namespace {

using Pages = std::vector<std::vector<std::string>>;

// Keeps each page's lines; rows must come in order from the top of the page.
class PageRecorder : public ReportPageSink {
public:
    bool StartPage() override
    {
        EXPECT_FALSE(open);
        if (refuseFrom >= 0 && static_cast<int>(pages.size()) >= refuseFrom)
            return false;
        open = true;
        pages.emplace_back();
        return true;
    }
    void DrawLine(int row, const std::string& text) override
    {
        EXPECT_TRUE(open);
        EXPECT_EQ(static_cast<int>(pages.back().size()), row);
        pages.back().push_back(text);
    }
    bool EndPage() override
    {
        EXPECT_TRUE(open);
        open = false;
        ++ended;
        return true;
    }

    Pages pages;
    int ended = 0;
    bool open = false;
    int refuseFrom = -1;
};

std::vector<std::string> Numbered(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

std::string TempFile(const std::string& name, const std::string& bytes)
{
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(ReportText, TabsExpandToTheNextMultipleOfTheWidth)
{
    EXPECT_EQ("a   b", report_text::ExpandTabs("a\tb", 4));
    EXPECT_EQ("abcd    e", report_text::ExpandTabs("abcd\te", 4));
    EXPECT_EQ("        x", report_text::ExpandTabs("\tx", 8));
    EXPECT_EQ("a b", report_text::ExpandTabs("a\tb", 0));
    EXPECT_EQ("no tabs", report_text::ExpandTabs("no tabs", 8));
}

TEST(ReportText, ExpansionNeverPassesTheLineLimit)
{
    std::string nearlyFull(2040, 'x');
    std::string expanded = report_text::ExpandTabs(nearlyFull + "\tyz", 16);
    EXPECT_EQ(2047u, expanded.size());
    EXPECT_EQ(nearlyFull + std::string(7, ' '), expanded);
    EXPECT_EQ(2047u, report_text::ExpandTabs(std::string(3000, '\t'), 8).size());
}

TEST(ReportText, TabsExpandToTheGivenColumnStops)
{
    EXPECT_EQ("Name      Size      Date", report_text::ExpandTabsAtStops("Name\tSize\tDate", {10, 20}));
    EXPECT_EQ("Name      Size      Date", report_text::ExpandTabsAtStops("Name\tSize\tDate", {20, 10}));
    // A field that passes a stop moves on to the next one; past the last stop one blank.
    EXPECT_EQ("VeryLongName        X", report_text::ExpandTabsAtStops("VeryLongName\tX", {10, 20}));
    EXPECT_EQ("a   b c d", report_text::ExpandTabsAtStops("a\tb\tc\td", {4}));
}

TEST(ReportText, HeadingCarriesTitleDateAndTime)
{
    EXPECT_EQ(
        "Scan Log           3/07/96   2:05:09 PM", report_text::HeadingLine("Scan Log", " 3/07/96", " 2:05:09 PM"));
    std::string heading = report_text::HeadingLine(std::string(300, 'T'), "1/1/01", "1:00");
    EXPECT_EQ(std::string(255, 'T'), heading);
}

TEST(ReportText, UnderlineIsBetween80And2048Dashes)
{
    EXPECT_EQ(std::string(80, '-'), report_text::Underline(""));
    EXPECT_EQ(std::string(80, '-'), report_text::Underline("Name    Size"));
    EXPECT_EQ(std::string(100, '-'), report_text::Underline(std::string(100, 'x')));
    EXPECT_EQ(std::string(2048, '-'), report_text::Underline(std::string(3000, 'x')));
}

TEST(ReportRun, PagesRepeatTheHeadingAndHoldTheLinesPerPage)
{
    std::vector<std::string> lines = Numbered(9);
    StringListSource source(lines);
    ReportPageLayout layout;
    layout.linesPerPage = 5;
    layout.heading = {"Title"};
    PageRecorder pages;
    ReportResult result = ReportRun::Print(source, layout, pages, nullptr);
    Pages expected = {{"Title", "line 1", "line 2", "line 3", "line 4"},
        {"Title", "line 5", "line 6", "line 7", "line 8"}, {"Title", "line 9"}};
    EXPECT_EQ(expected, pages.pages);
    EXPECT_EQ(9, result.lines);
    EXPECT_EQ(3, result.pages);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(3, pages.ended);
}

TEST(ReportRun, AFullLastPageLeavesNoEmptyPageBehind)
{
    std::vector<std::string> lines = Numbered(6);
    StringListSource source(lines);
    ReportPageLayout layout;
    layout.linesPerPage = 3;
    PageRecorder pages;
    ReportRun::Print(source, layout, pages, nullptr);
    Pages expected = {{"line 1", "line 2", "line 3"}, {"line 4", "line 5", "line 6"}};
    EXPECT_EQ(expected, pages.pages);
}

TEST(ReportRun, ColumnListPagesBeginWithHeadingBlankTitlesAndUnderline)
{
    std::vector<std::string> rows = {"a.exe\t12\tCured", "b.com\t7\tDeleted", "c.dll\t300\tReported"};
    StringListSource source(rows);
    ReportPageLayout layout;
    layout.linesPerPage = 6;
    layout.tabStops = {8, 14};
    std::string titles = ReportRun::ExpandLine("File\tSize\tAction", layout);
    layout.heading = {"Scan", "", titles, report_text::Underline(titles)};
    PageRecorder pages;
    ReportRun::Print(source, layout, pages, nullptr);
    const std::string dashes(80, '-');
    Pages expected = {{"Scan", "", "File    Size  Action", dashes, "a.exe   12    Cured", "b.com   7     Deleted"},
        {"Scan", "", "File    Size  Action", dashes, "c.dll   300   Reported"}};
    EXPECT_EQ(expected, pages.pages);
}

TEST(ReportRun, AHeadingTallerThanThePageStillLeavesOneLinePerPage)
{
    std::vector<std::string> lines = Numbered(2);
    StringListSource source(lines);
    ReportPageLayout layout;
    layout.linesPerPage = 1;
    layout.heading = {"H1", "H2"};
    PageRecorder pages;
    ReportRun::Print(source, layout, pages, nullptr);
    Pages expected = {{"H1", "H2", "line 1"}, {"H1", "H2", "line 2"}};
    EXPECT_EQ(expected, pages.pages);
}

TEST(ReportRun, AnEmptySourcePrintsNoPage)
{
    std::vector<std::string> none;
    StringListSource source(none);
    ReportPageLayout layout;
    layout.heading = {"Title"};
    PageRecorder pages;
    ReportResult result = ReportRun::Print(source, layout, pages, nullptr);
    EXPECT_TRUE(pages.pages.empty());
    EXPECT_EQ(0, result.pages);
    EXPECT_FALSE(result.complete);
}

TEST(ReportRun, StoppingBetweenLinesEndsThePartPage)
{
    std::vector<std::string> lines = Numbered(10);
    StringListSource source(lines);
    ReportPageLayout layout;
    layout.linesPerPage = 2;
    int asked = 0;
    PageRecorder pages;
    ReportResult result = ReportRun::Print(source, layout, pages, [&asked] { return ++asked <= 3; });
    Pages expected = {{"line 1", "line 2"}, {"line 3"}};
    EXPECT_EQ(expected, pages.pages);
    EXPECT_EQ(3, result.lines);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(2, pages.ended);
    EXPECT_FALSE(pages.open);
}

TEST(ReportRun, ARefusedPageStopsTheReport)
{
    std::vector<std::string> lines = Numbered(5);
    StringListSource source(lines);
    ReportPageLayout layout;
    layout.linesPerPage = 2;
    PageRecorder pages;
    pages.refuseFrom = 1;
    ReportResult result = ReportRun::Print(source, layout, pages, nullptr);
    EXPECT_EQ(1u, pages.pages.size());
    EXPECT_EQ(2, result.lines);
    EXPECT_FALSE(result.complete);
}

TEST(ReportRun, StringListLinesAreCutAtTheLimit)
{
    std::vector<std::string> lines = {std::string(2100, 'q')};
    StringListSource source(lines);
    std::string line;
    ASSERT_TRUE(source.Next(line));
    EXPECT_EQ(std::string(2047, 'q'), line);
    EXPECT_FALSE(source.Next(line));
}

TEST(TextFileSource, ReadsLinesWithEitherLineEnd)
{
    std::string path = TempFile("vex-report-lines.txt", "one\r\ntwo\n\nthree\tend");
    {
        TextFileSource source(path);
        ASSERT_TRUE(source.IsOpen());
        EXPECT_FALSE(source.Empty());
        ReportPageLayout layout;
        layout.linesPerPage = 60;
        layout.tabWidth = 8;
        PageRecorder pages;
        ReportRun::Print(source, layout, pages, nullptr);
        Pages expected = {{"one", "two", "", "three   end"}};
        EXPECT_EQ(expected, pages.pages);
    }
    std::filesystem::remove(path);
}

TEST(TextFileSource, LongLinesComeInPiecesOfTheLimit)
{
    std::string path =
        TempFile("vex-report-long.txt", std::string(5000, 'a') + "\r\n" + std::string(2047, 'b') + "\r\nc\n");
    std::vector<std::string> got;
    {
        TextFileSource source(path);
        std::string line;
        while (source.Next(line))
            got.push_back(line);
    }
    std::vector<std::string> expected = {
        std::string(2047, 'a'), std::string(2047, 'a'), std::string(906, 'a'), std::string(2047, 'b'), "c"};
    EXPECT_EQ(expected, got);
    std::filesystem::remove(path);
}

TEST(TextFileSource, EmptyAndMissingFiles)
{
    std::string path = TempFile("vex-report-empty.txt", "");
    {
        TextFileSource empty(path);
        EXPECT_TRUE(empty.IsOpen());
        EXPECT_TRUE(empty.Empty());
    }
    std::filesystem::remove(path);
    TextFileSource missing(path + ".none");
    EXPECT_FALSE(missing.IsOpen());
    std::string line;
    EXPECT_FALSE(missing.Next(line));
}

}  // namespace
