// The e-mail page through the platform's real MAPI32.DLL and the site's mail client on a real post
// office: a refused password, then the address book listing the post office's mailboxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "email_ids.h"
#include "email_page.h"
#include "list_box.h"
#include "mail_client_registration.h"
#include "modal_script.h"
#include "page_fixture.h"
#include "post_office.h"
#include "post_office_location.h"
#include "scripted_prompter.h"
#include "temp_folder.h"
#include "ui_actions.h"

namespace {

// The address book's controls in VXMAIL32.DLL.
constexpr int kMailboxes = 101;
constexpr int kAddTo = 102;
constexpr int kAddCc = 103;

struct AddressBookSeen {
    std::string caption;
    std::vector<std::string> rows;
} g_seen;

void Choose(HWND dialog, const char* row, int button)
{
    HWND list = GetDlgItem(dialog, kMailboxes);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    const LRESULT index =
        SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row));
    SendMessageA(list, LB_SETSEL, TRUE, index);
    Click(dialog, button);
}

// The address book as a person uses it: Bob to To, Carol to CC, OK.
void WINAPI AddressBookDriver(HWND dialog)
{
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    g_seen.caption = caption;
    CListBox rows(GetDlgItem(dialog, kMailboxes));
    for (int i = 0; i < rows.GetCount(); ++i)
        g_seen.rows.push_back(rows.GetText(i));
    Choose(dialog, "Bob Smith (bob)", kAddTo);
    Choose(dialog, "Carol White (carol)", kAddCc);
    Click(dialog, IDOK);
}

class EmailThroughMapi : public PagesTest {
protected:
    static void SetUpTestSuite()
    {
        m_registration.Register();
    }
    static void TearDownTestSuite()
    {
        m_registration.Restore();
    }
    void SetUp() override
    {
        PagesTest::SetUp();
        CEmail::LastDate().clear();
        m_office = m_folder.Path() + "\\po";
        postoffice::PostOffice office(m_office);
        ASSERT_TRUE(office.CreateMailbox("alice", "Alice Jones", "alice"));
        ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", "bob"));
        ASSERT_TRUE(office.CreateMailbox("carol", "Carol White", "carol"));
        ASSERT_TRUE(postoffice::SetPostOfficeFolder(m_office));
        g_seen = AddressBookSeen();
    }
    void TearDown() override
    {
        page.reset();
        PagesTest::TearDown();
    }

    static MailClientRegistration m_registration;
    TempFolder m_folder;
    std::string m_office;
    std::unique_ptr<CEmail> page;
};

MailClientRegistration EmailThroughMapi::m_registration;

}  // namespace

TEST_F(EmailThroughMapi, AWrongPasswordIsRefusedThenTheAddressBookListsThePostOfficesMailboxes)
{
    // The real binding: the platform library reads the client's registration as it loads.
    page = std::make_unique<CEmail>(TestProgram());
    ASSERT_TRUE(page->CreateInTab(*tab, 0));
    tab->SetTab(0, -1, "Email", page->m_hWnd, true);
    tab->Select(0);
    page->Load(1);
    HMODULE client = GetModuleHandleA("VXMAIL32.DLL");
    ASSERT_NE(client, nullptr) << "the platform did not load the registered client";
    auto setDriver = reinterpret_cast<void(WINAPI*)(void(WINAPI*)(HWND))>(
        reinterpret_cast<void*>(GetProcAddress(client, "VxMailSetModalDriver")));
    ASSERT_NE(setDriver, nullptr);
    setDriver(AddressBookDriver);

    ScriptedPrompter prompter;
    prompter.Expect("The mailbox name or password is incorrect.");
    ModalScript script;
    script.Then([](CWnd& dialog) {
        TypeText(dialog.m_hWnd, IDC_SIGN_IN_NAME, "alice");
        TypeText(dialog.m_hWnd, IDC_SIGN_IN_PASSWORD, "wrong");
        Click(dialog.m_hWnd, IDOK);
    });
    // The dialog comes back with the stored (still empty) name and password.
    script.Then([](CWnd& dialog) {
        EXPECT_EQ("", dialog.GetDlgItemText(IDC_SIGN_IN_NAME));
        TypeText(dialog.m_hWnd, IDC_SIGN_IN_NAME, "alice");
        TypeText(dialog.m_hWnd, IDC_SIGN_IN_PASSWORD, "alice");
        Click(dialog.m_hWnd, IDOK);
    });
    page->SendMessage(WM_COMMAND, ID_EMAIL_ADDRESS, 0);
    setDriver(nullptr);

    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(2, script.Driven());
    EXPECT_EQ("ALERT PostOffice", g_seen.caption);
    EXPECT_EQ(
        (std::vector<std::string> {"Alice Jones (alice)", "Bob Smith (bob)", "Carol White (carol)"}), g_seen.rows);
    EXPECT_EQ((std::vector<std::string> {"Bob Smith"}), page->Lines(IDC_EMAIL_TO));
    EXPECT_EQ((std::vector<std::string> {"Carol White"}), page->Lines(IDC_EMAIL_CC));
    EXPECT_STREQ("alice", page->Mail().mailbox);
    const std::vector<FakeCoreCall> sets = core.CallsOf("AlertSetEMail");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ(2, sets[0].numbers.at(0));
}
