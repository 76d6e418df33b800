// The "Virus List" and "Local Machine Information" dialogs under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <map>
#include <sstream>

#include "locale_format.h"
#include "machine_info_dlg.h"
#include "modal_script.h"
#include "postscript_printer_choice.h"
#include "quillet_options_ids.h"
#include "scripted_prompter.h"
#include "system_dialogs.h"
#include "ui_actions.h"
#include "virus_list_dlg.h"
#include "quillet_test_files.h"

namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The Save dialog as a person who types a name and picks a filter.
class FakeSaveDialog : public SystemDialogs {
public:
    FakeSaveDialog() { m_previous = Install(this); }
    ~FakeSaveDialog() override { Install(m_previous); }
    bool OpenFile(FileDialogRequest&) override { return false; }
    bool SaveFile(FileDialogRequest& request) override
    {
        m_filter = request.filter;
        if (m_answer.empty())
            return false;
        request.path = m_answer;
        request.filterIndex = m_filterIndex;
        return true;
    }
    bool ChoosePrinter(PrinterRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }

    std::string m_answer;
    DWORD m_filterIndex = 1;
    std::string m_filter;

private:
    SystemDialogs* m_previous;
};

VirusListContents SampleList()
{
    VirusListContents contents;
    contents.signatureVersion = "1.05";
    contents.virusCount = "   4";
    for (const char* name : {"Amber.Boot", "Cinder", "EICAR-Test-File", "Zeta"})
        contents.names.push_back(name);
    return contents;
}

TEST(VirusListDialog, ShowsTheHeaderAndTheNamesUnderItsCaption)
{
    const std::string path = TempPath("qvl_test.lst");
    std::ofstream(path, std::ios::binary) << "Signature file version [1.05]\r\nSignature file date [x]\r\n"
                                             "Number of viruses detected [   2]\r\n----------\r\nAmber\r\nZeta\r\n";
    std::string caption, version, count;
    int names = 0;
    ModalScript script;
    script.Then([&](CWnd& dialog) {
        caption = dialog.GetWindowText();
        version = dialog.GetDlgItemText(IDC_VLIST_VERSION);
        count = dialog.GetDlgItemText(IDC_VLIST_COUNT);
        names = static_cast<int>(::SendDlgItemMessageA(dialog.m_hWnd, IDC_VLIST_NAMES, LB_GETCOUNT, 0, 0));
        Click(dialog.m_hWnd, IDCANCEL);
    });
    ShowVirusList(nullptr, path);
    DeleteFileA(path.c_str());
    EXPECT_EQ("Local Scanner Virus Signatures", caption);
    EXPECT_EQ("1.05", version);
    EXPECT_EQ("   2", count);
    EXPECT_EQ(2, names);
}

TEST(VirusListDialog, AMissingListIsReportedAndNothingOpens)
{
    ScriptedPrompter prompter;
    prompter.Expect("Error file not exist");
    ModalScript script;
    ShowVirusList(nullptr, TempPath("qvl_absent.lst"));
    EXPECT_EQ(0, script.Driven());
}

TEST(VirusListDialog, SearchScrollsTheFirstMatchToTheTopAndAMissLeavesIt)
{
    std::vector<int> tops;
    ModalScript script;
    script.Then([&](CWnd& dialog) {
        auto top = [&] {
            return static_cast<int>(::SendDlgItemMessageA(dialog.m_hWnd, IDC_VLIST_NAMES, LB_GETTOPINDEX, 0, 0));
        };
        for (const char* text : {"ei", "Zebra", "", "CIND"}) {
            TypeText(dialog.m_hWnd, IDC_VLIST_SEARCH, text);
            tops.push_back(top());
        }
        Click(dialog.m_hWnd, IDCANCEL);
    });
    VirusListContents contents = SampleList();
    // Enough names that the list can scroll its last ones to the top.
    for (int i = 0; i < 40; ++i)
        contents.names.push_back("Zeta." + std::to_string(i));
    CVirusListDlg dialog(contents, "virus.lst");
    dialog.DoModal();
    EXPECT_EQ((std::vector<int> {2, 2, 0, 1}), tops);
}

TEST(VirusListDialog, ListToFileAddsTheListExtensionAndWritesEveryName)
{
    FakeSaveDialog save;
    const std::string base = TempPath("qvl_saved");
    DeleteFileA((base + ".vst").c_str());
    DeleteFileA(base.c_str());
    save.m_answer = base;
    CVirusListDlg dialog(SampleList(), "virus.lst");
    dialog.m_holdMilliseconds = 0;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        Click(modal.m_hWnd, IDC_VLIST_SAVE);
        save.m_filterIndex = 2;  // "All Files(*.*)": the name is kept
        Click(modal.m_hWnd, IDC_VLIST_SAVE);
        Click(modal.m_hWnd, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ("Virus List (*.vst)|*.vst|All Files(*.*)|*.*", save.m_filter);
    EXPECT_EQ("Amber.Boot\r\nCinder\r\nEICAR-Test-File\r\nZeta\r\n", ReadAll(base + ".vst"));
    EXPECT_EQ("Amber.Boot\r\nCinder\r\nEICAR-Test-File\r\nZeta\r\n", ReadAll(base));
    DeleteFileA((base + ".vst").c_str());
    DeleteFileA(base.c_str());
}

TEST(VirusListDialog, AnEmptyListOrAFileThatCannotBeMadeBeepsAndWritesNothing)
{
    ScriptedPrompter prompter;
    prompter.ExpectBeep().ExpectBeep();
    FakeSaveDialog save;
    const std::string path = TempPath("qvl_empty.vst");
    DeleteFileA(path.c_str());
    save.m_answer = path;
    CVirusListDlg empty(VirusListContents {}, "virus.lst");
    ModalScript script;
    script.Then([&](CWnd& modal) {
        Click(modal.m_hWnd, IDC_VLIST_SAVE);
        Click(modal.m_hWnd, IDCANCEL);
    });
    script.Then([&](CWnd& modal) {
        save.m_answer = TempPath("qvl_no_such_folder\\list.vst");
        Click(modal.m_hWnd, IDC_VLIST_SAVE);
        save.m_answer.clear();  // Cancel in the Save dialog: nothing at all
        Click(modal.m_hWnd, IDC_VLIST_SAVE);
        EXPECT_TRUE(modal.IsWindowEnabled());
        Click(modal.m_hWnd, IDCANCEL);
    });
    empty.DoModal();
    CVirusListDlg full(SampleList(), "virus.lst");
    full.m_holdMilliseconds = 0;
    full.DoModal();
    EXPECT_FALSE(Exists(path));
    EXPECT_TRUE(prompter.Done());
}

TEST(VirusListDialog, PrintListSendsTheFileThroughThePrintBuffer)
{
    const std::string list = TempPath("qvl_print.lst");
    const std::string output = TempPath("qvl_print.ps");
    std::ofstream(list, std::ios::binary) << "a [1.05]\r\nb\r\nc [   1]\r\nd\r\nEICAR-Test-File\r\n";
    DeleteFileA(output.c_str());
    PostScriptPrinterChoice printers;
    CVirusListDlg dialog(ParseVirusList(ReadAll(list)), list);
    dialog.m_printOutputFile = output;
    ModalScript script;
    script.Then([](CWnd& modal) {
        Click(modal.m_hWnd, IDC_VLIST_PRINT);
        Click(modal.m_hWnd, IDCANCEL);
    });
    script.Then([](CWnd&) {});  // "Sending To Printer" is left to run
    dialog.DoModal();
    const std::string printed = ReadAll(output);
    DeleteFileA(list.c_str());
    DeleteFileA(output.c_str());
    EXPECT_NE(std::string::npos, printed.find("%%Page:"));
}

TEST(MachineInformation, FieldsShowTheMachineAndTheDecodedVersions)
{
    const LocaleFormat format;
    MachineFacts facts {"SCANHOST", OsVersionText(VER_PLATFORM_WIN32_NT, 5, 1), "administrator"};
    EngineVersions versions;
    versions.engine = 1900;
    versions.signatures = 1905;
    versions.engineDate = (46u << 9) | (11u << 5) | 30u;
    versions.signatureDate = (45u << 9) | (2u << 5) | 1u;
    std::map<int, std::string> shown;
    ModalScript script;
    script.Then([&](CWnd& dialog) {
        for (int id = IDC_INFO_NAME; id <= IDC_INFO_ENGINE_DATE; ++id)
            shown[id] = dialog.GetDlgItemText(id);
        Click(dialog.m_hWnd, IDOK);
    });
    CMachineInfoDlg dialog(facts, versions, format);
    dialog.DoModal();
    EXPECT_EQ("SCANHOST", shown[IDC_INFO_NAME]);
    EXPECT_EQ("Microsoft NT 5.1", shown[IDC_INFO_OS]);
    EXPECT_EQ("administrator", shown[IDC_INFO_USER]);
    EXPECT_EQ("1.01", shown[IDC_INFO_VERSION]);
    EXPECT_EQ("1.05", shown[IDC_INFO_SIGNATURE]);
    EXPECT_EQ(format.FormatDate(2025, 2, 1), shown[IDC_INFO_SIGNATURE_DATE]);
    EXPECT_EQ("1.00", shown[IDC_INFO_ENGINE]);
    EXPECT_EQ(format.FormatDate(2026, 11, 30), shown[IDC_INFO_ENGINE_DATE]);
}

TEST(MachineInformation, OsVersionNamesThePlatform)
{
    EXPECT_EQ("Microsoft Windows 4.10", OsVersionText(VER_PLATFORM_WIN32_WINDOWS, 4, 10));
    EXPECT_EQ("Microsoft NT 10.0", OsVersionText(VER_PLATFORM_WIN32_NT, 10, 0));
    const MachineFacts facts = ReadMachineFacts();
    EXPECT_FALSE(facts.computerName.empty());
    EXPECT_EQ(0u, facts.osVersion.find("Microsoft "));
}

}  // namespace
