// The panel's Options, Virus List, Version Information and Scan Log commands, through the plug-in's application object.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "combo_box.h"
#include "modal_script.h"
#include "quillet_app.h"
#include "quillet_fakes.h"
#include "quillet_options_ids.h"
#include "quillet_plugin.h"
#include "quillet_resource.h"
#include "scan_options_sheet.h"
#include "ui_actions.h"
#include "quillet_test_files.h"

extern CQuilletApp g_optionsApp;

namespace {

class QuilletCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_ini = TempPath("qcmd_test.ini");
        std::ofstream(m_ini, std::ios::binary) << "[ScanOptions]\r\nInfctAct=3\r\n";
        g_optionsApp.m_profileName = m_ini;
        g_optionsApp.SetPlugin(&m_plugin);
        m_plugin.LoadOptions();
    }
    void TearDown() override
    {
        g_optionsApp.SetPlugin(nullptr);
        g_optionsApp.m_profileName.clear();
        DeleteFileA(m_ini.c_str());
    }
    bool Command(UINT id)
    {
        CommandRequest request;
        request.id = id;
        return g_optionsApp.OnCmdMsg(request);
    }

    std::string m_ini;
    FakeEngine m_engine;
    FakeArchive m_archive;
    FakeFilters m_filters;
    QuilletPlugin m_plugin {g_optionsApp, QuilletServices {m_engine, m_archive, m_filters}};
};

TEST_F(QuilletCommandsTest, OptionsOkChangesThePluginsRecordAndWritesTheFile)
{
    int shownAction = -1;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& sheet = static_cast<CScanOptionsSheet&>(modal);
        CComboBox action(GetDlgItem(sheet.m_optionsPage.m_hWnd, IDC_OPT_ACTION));
        shownAction = action.GetCurSel();
        action.SetCurSel(kActionDelete);
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_TRUE(Command(ID_QUILLET_OPTIONS));
    EXPECT_EQ(kActionCure, shownAction);
    EXPECT_EQ(kActionDelete, m_plugin.Options().infectionAction);
    EXPECT_NE(std::string::npos, ReadAll(m_ini).find("InfctAct=1\r\n"));
}

TEST_F(QuilletCommandsTest, OptionsCancelWritesNothingAndKeepsTheRecord)
{
    const LocalScanOptions before = m_plugin.Options();
    const std::string file = ReadAll(m_ini);
    ModalScript script;
    script.Then([](CWnd& modal) {
        auto& sheet = static_cast<CScanOptionsSheet&>(modal);
        CComboBox(GetDlgItem(sheet.m_optionsPage.m_hWnd, IDC_OPT_ACTION)).SetCurSel(kActionPurge);
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_TRUE(Command(ID_QUILLET_OPTIONS));
    EXPECT_EQ(0, std::memcmp(&before, &m_plugin.Options(), sizeof before));
    EXPECT_EQ(file, ReadAll(m_ini));
}

TEST_F(QuilletCommandsTest, VirusListAndVersionCommandsOpenTheirDialogs)
{
    std::vector<std::string> captions;
    int names = 0;
    ModalScript script;
    script.Then([&](CWnd& dialog) {
        captions.push_back(dialog.GetWindowText());
        names = static_cast<int>(::SendDlgItemMessageA(dialog.m_hWnd, IDC_VLIST_NAMES, LB_GETCOUNT, 0, 0));
        Click(dialog.m_hWnd, IDCANCEL);
    });
    script.Then([&](CWnd& dialog) {
        captions.push_back(dialog.GetWindowText());
        captions.push_back(dialog.GetDlgItemText(IDC_INFO_VERSION));
        Click(dialog.m_hWnd, IDOK);
    });
    EXPECT_TRUE(Command(ID_QUILLET_VIRUS_LIST));
    EXPECT_TRUE(Command(ID_QUILLET_VERSION_INFO));
    EXPECT_EQ(
        (std::vector<std::string> {"Local Scanner Virus Signatures", "Local Machine Information", "1.01"}), captions);
    EXPECT_GT(names, 0);  // the virus.lst the build made beside the signatures
}

TEST_F(QuilletCommandsTest, ScanLogOpensTheViewerOverTheCurrentDirectorysLog)
{
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    const std::string folder = TempPath("qcmd_scan_log");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    std::ofstream("MASTER.DB", std::ios::binary) << std::string(256, '\0');
    std::string caption;
    ModalScript script;
    script.Then([&](CWnd& modal) { caption = modal.GetWindowText(); });
    EXPECT_TRUE(Command(ID_QUILLET_LOG));
    DeleteFileA("MASTER.DB");
    SetCurrentDirectoryA(previous);
    RemoveDirectoryA(folder.c_str());
    EXPECT_EQ("Local Scanner - Scan Log", caption);
}

}  // namespace
