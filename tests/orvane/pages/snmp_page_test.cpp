// The SNMP page and its editor against the recording core: IPX and IP records byte for byte, the checks and Delete.
#include <gtest/gtest.h>

#include <cstring>

#include "modal_script.h"
#include "page_fixture.h"
#include "pages_ids.h"
#include "scripted_prompter.h"
#include "snmp_dlg.h"
#include "snmp_page.h"
#include "snmp_record.h"
#include "ui_actions.h"

namespace {

SnmpRecord Manager(const char* name, std::int8_t transport)
{
    SnmpRecord record = {};
    std::strcpy(record.managerName, name);
    record.transport = transport;
    return record;
}

std::vector<BYTE> BytesOf(const SnmpRecord& record)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&record);
    return std::vector<BYTE>(bytes, bytes + sizeof record);
}

class SnmpPageTest : public PageTest<CSnmp> {
protected:
    void SetUp() override
    {
        PageTest<CSnmp>::SetUp();
        CSnmp::LastDate().clear();
    }
    void AnswerManagers(const std::vector<SnmpRecord>& records)
    {
        FakeAnswer answer;
        answer.count = static_cast<WORD>(records.size());
        for (const SnmpRecord& record : records) {
            const std::vector<BYTE> bytes = BytesOf(record);
            answer.data.insert(answer.data.end(), bytes.begin(), bytes.end());
        }
        core.Answer("AlertGetSnmp", answer);
    }
    void ThenEditor(std::function<void(CWnd&)> fill)
    {
        script.Then([fill](CWnd& editor) {
            fill(editor);
            Click(editor.m_hWnd, IDOK);
        });
    }
    std::vector<FakeCoreCall> Sets() const { return core.CallsOf("AlertSetSnmp"); }

    ModalScript script;
};

void TypeIp(CWnd& editor, const char* a, const char* b, const char* c, const char* d)
{
    const char* parts[4] = {a, b, c, d};
    for (int i = 0; i < 4; ++i)
        TypeText(editor.m_hWnd, IDC_SNMP_IP_FIRST + i, parts[i]);
}

}  // namespace

TEST_F(SnmpPageTest, LoadListsTheManagersWithTheirTransports)
{
    AnswerManagers({Manager("north", 1), Manager("south", 2)});
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"Via IP\tsouth", "Via IPX\tnorth"}), Rows());
    EXPECT_EQ(7, core.CallsOf("AlertFreeCheckEverySetting").back().numbers.at(0));
}

TEST_F(SnmpPageTest, AnIpxManagerIsPaddedOnTheLeftAndCommittedByteForByte)
{
    OpenPage();
    ThenEditor([](CWnd& editor) {
        EXPECT_EQ(BST_CHECKED, editor.IsDlgButtonChecked(IDC_SNMP_VIA_IPX));
        EXPECT_EQ("00000000", editor.GetDlgItemText(IDC_SNMP_NETWORK));
        TypeText(editor.m_hWnd, IDC_SNMP_NAME, "ipx-manager");
        TypeText(editor.m_hWnd, IDC_SNMP_NETWORK, "12AB");
        TypeText(editor.m_hWnd, IDC_SNMP_NODE, "0080C7");
    });
    Command(ID_SNMP_NEW);
    const auto sets = Sets();
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ((std::vector<int> {1, 0}), sets[0].numbers);
    SnmpRecord expected = Manager("ipx-manager", 1);
    std::memcpy(expected.ipxNode, "\x00\x00\x00\x00\x80\xC7", 6);
    std::memcpy(expected.ipxNetwork, "\x00\x00\x12\xAB", 4);
    EXPECT_EQ(BytesOf(expected), sets[0].bytes.at(0));
}

TEST_F(SnmpPageTest, AnIpManagerStoresTheAddressInNetworkOrder)
{
    AnswerManagers({Manager("old", 1)});
    OpenPage();
    Select(0);
    ThenEditor([](CWnd& editor) {
        editor.CheckDlgButton(IDC_SNMP_VIA_IPX, BST_UNCHECKED);
        editor.CheckDlgButton(IDC_SNMP_VIA_IP, BST_CHECKED);
        TypeIp(editor, "10", "0", "0", "1");
    });
    Command(ID_SNMP_MODIFY);
    const auto sets = Sets();
    ASSERT_EQ(1u, sets.size());
    SnmpRecord expected = Manager("old", 2);
    std::memcpy(expected.ipAddress, "\x0A\x00\x00\x01", 4);
    EXPECT_EQ(BytesOf(expected), sets[0].bytes.at(0));
    EXPECT_EQ((std::vector<std::string> {"Via IP\told"}), Rows());
}

TEST_F(SnmpPageTest, TheEditorShowsTheStoredAddresses)
{
    SnmpRecord stored = Manager("shown", 2);
    std::memcpy(stored.ipAddress, "\xC0\xA8\x01\x14", 4);
    std::memcpy(stored.ipxNode, "\x00\x80\xC7\x0A\xFF\x01", 6);
    std::memcpy(stored.ipxNetwork, "\xDE\xAD\x00\x01", 4);
    AnswerManagers({stored});
    OpenPage();
    Select(0);
    std::vector<std::string> texts;
    script.Then([&](CWnd& editor) {
        for (int id : {IDC_SNMP_NAME, IDC_SNMP_NODE, IDC_SNMP_NETWORK, IDC_SNMP_IP_FIRST, IDC_SNMP_IP_FIRST + 1,
                 IDC_SNMP_IP_FIRST + 2, IDC_SNMP_IP_FIRST + 3})
            texts.push_back(editor.GetDlgItemText(id));
        EXPECT_EQ(BST_CHECKED, editor.IsDlgButtonChecked(IDC_SNMP_VIA_IP));
        EXPECT_EQ(BST_UNCHECKED, editor.IsDlgButtonChecked(IDC_SNMP_VIA_IPX));
        Click(editor.m_hWnd, IDCANCEL);
    });
    Command(ID_SNMP_MODIFY);
    EXPECT_EQ((std::vector<std::string> {"shown", "0080C70AFF01", "DEAD0001", "192", "168", "1", "20"}), texts);
    EXPECT_TRUE(Sets().empty());
}

TEST_F(SnmpPageTest, NamesAndAddressesAreCheckedWithTheirTexts)
{
    SnmpRecord record = Manager("", 2);
    CSnmpDlg dialog(record, TestProgram(), &owner);
    ScriptedPrompter prompter;
    prompter.Expect("Please type in the manager name !!!")
        .Expect("The Manager Name is too long!, please provide shorter Manager Name")
        .Expect("Each part of the IP address must be a number from 0 to 255.");
    script.Then([](CWnd& editor) {
        Click(editor.m_hWnd, IDOK);
        TypeText(editor.m_hWnd, IDC_SNMP_NAME, std::string(50, 'm'));
        Click(editor.m_hWnd, IDOK);
        TypeText(editor.m_hWnd, IDC_SNMP_NAME, std::string(49, 'm'));
        TypeIp(editor, "10", "256", "0", "1");
        Click(editor.m_hWnd, IDOK);
        EXPECT_FALSE(static_cast<CDialog&>(editor).IsModalEnded());
        TypeIp(editor, "255", "255", "255", "0");
        Click(editor.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(std::string(49, 'm'), std::string(record.managerName));
    EXPECT_EQ(0, std::memcmp(record.ipAddress, "\xFF\xFF\xFF\x00", 4));
}

TEST_F(SnmpPageTest, IpxTextsThatAreNoHexDigitsAreRefused)
{
    SnmpRecord record = Manager("m", 1);
    CSnmpDlg dialog(record, TestProgram(), &owner);
    ScriptedPrompter prompter;
    prompter.Expect("The IPX network and node numbers take the hex digits 0 to 9 and A to F only.");
    script.Then([](CWnd& editor) {
        TypeText(editor.m_hWnd, IDC_SNMP_NETWORK, "12G4");
        Click(editor.m_hWnd, IDOK);
        Click(editor.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(BytesOf(Manager("m", 1)), BytesOf(record));
}

TEST_F(SnmpPageTest, DeletingTheLastManagerCommitsCountZeroStoredDisabled)
{
    AnswerManagers({Manager("last", 2)});
    OpenPage();
    Command(ID_NOTIFY_TOGGLE);
    Select(0);
    ScriptedPrompter prompter;
    prompter.Expect("Are you sure to delete this item?", IDYES);
    Command(ID_SNMP_DELETE);
    const auto sets = Sets();
    ASSERT_EQ(2u, sets.size());
    EXPECT_EQ((std::vector<int> {1, 1}), sets[0].numbers);
    EXPECT_EQ((std::vector<int> {0, 0}), sets[1].numbers);
    EXPECT_EQ(0, page->List().ItemCount());
}

TEST_F(SnmpPageTest, ACancelledNewAddsNothing)
{
    OpenPage();
    script.Then([](CWnd& editor) { Click(editor.m_hWnd, IDCANCEL); });
    Command(ID_SNMP_NEW);
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(0, page->List().ItemCount());
}

TEST_F(SnmpPageTest, TheCacheKeepsTheCommittedArrayAndThePageDoesNotFreeIt)
{
    AnswerManagers({Manager("kept", 1), Manager("too", 2)});
    OpenPage();
    Command(ID_NOTIFY_TOGGLE);
    const auto sets = Sets();
    ASSERT_EQ(1u, sets.size());
    void* handed = const_cast<void*>(sets[0].buffers.at(0));
    EXPECT_EQ(handed, tab->Settings().Record().arrays[kSnmpSlot]);
    EXPECT_EQ(2 * sizeof(SnmpRecord), GlobalSize(handed));
}
