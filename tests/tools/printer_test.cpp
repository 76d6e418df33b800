// The prefix's default printer writes real PostScript documents to a file.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string DefaultPrinterName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? name : "";
}

std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PrefixPrinter, DefaultPrinterIsTheFilePrinter)
{
    EXPECT_EQ("Vexomar PostScript", DefaultPrinterName());
}

TEST(PrefixPrinter, PrintingToAFileGivesPostScriptPages)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string output = std::string(folder) + "vexomar-printer-test.ps";
    DeleteFileA(output.c_str());

    HDC printer = CreateDCA(nullptr, DefaultPrinterName().c_str(), nullptr, nullptr);
    ASSERT_NE(nullptr, printer);
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "Printer check";
    document.lpszOutput = output.c_str();
    ASSERT_GT(StartDocA(printer, &document), 0);
    for (const char* line : {"First page", "Second page"}) {
        StartPage(printer);
        TextOutA(printer, 200, 200, line, lstrlenA(line));
        EndPage(printer);
    }
    EndDoc(printer);
    DeleteDC(printer);

    const std::string postscript = ReadFile(output.c_str());
    EXPECT_EQ(0u, postscript.find("%!PS-Adobe-3.0"));
    EXPECT_NE(std::string::npos, postscript.find("%%Title: Printer check"));
    EXPECT_NE(std::string::npos, postscript.find("%%Pages: 2"));
    DeleteFileA(output.c_str());
}

}  // namespace
