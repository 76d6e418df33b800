// VXMAIL32.DLL as the registered mail client: every call goes through the platform's
// MAPI32.DLL, which hands it over, on a real post office.
#include <windows.h>
#include <mapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "mailbox_store.h"
#include "mail_client_registration.h"
#include "post_office.h"
#include "post_office_location.h"
#include "resource.h"
#include "temp_folder.h"

namespace {

struct Platform {
    HMODULE module = nullptr;
    LPMAPILOGON logon = nullptr;
    LPMAPILOGOFF logoff = nullptr;
    LPMAPIADDRESS address = nullptr;
    LPMAPIRESOLVENAME resolve = nullptr;
    LPMAPISENDMAIL send = nullptr;
    LPMAPIFREEBUFFER freeBuffer = nullptr;
};

template <typename F> void Bind(HMODULE module, F& f, const char* name)
{
    f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string CurrentUser()
{
    char user[257] = {};
    DWORD size = sizeof user;
    GetUserNameA(user, &size);
    return user;
}

// The address book script: which rows go to To and CC, and whether OK is pressed.
struct Script {
    std::string to;
    std::string cc;
    bool accept = true;
    std::string caption;  // what the dialog showed
    int rows = 0;
} g_script;

void Press(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Choose(HWND dialog, const std::string& row, int button)
{
    if (row.empty())
        return;
    HWND list = GetDlgItem(dialog, IDC_MAILBOXES);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    LRESULT index =
        SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row.c_str()));
    ASSERT_NE(index, LB_ERR) << row;
    SendMessageA(list, LB_SETSEL, TRUE, index);
    Press(dialog, button);
}

void WINAPI ScriptedDriver(HWND dialog)
{
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    g_script.caption = caption;
    g_script.rows = static_cast<int>(SendDlgItemMessageA(dialog, IDC_MAILBOXES, LB_GETCOUNT, 0, 0));
    Choose(dialog, g_script.to, IDC_ADD_TO);
    Choose(dialog, g_script.cc, IDC_ADD_CC);
    Press(dialog, g_script.accept ? IDOK : IDCANCEL);
}

class MailClientThroughMapi : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        m_registration.Register();
        m_platform.module = LoadLibraryA("MAPI32.DLL");
        ASSERT_NE(m_platform.module, nullptr);
        Bind(m_platform.module, m_platform.logon, "MAPILogon");
        Bind(m_platform.module, m_platform.logoff, "MAPILogoff");
        Bind(m_platform.module, m_platform.address, "MAPIAddress");
        Bind(m_platform.module, m_platform.resolve, "MAPIResolveName");
        Bind(m_platform.module, m_platform.send, "MAPISendMail");
        Bind(m_platform.module, m_platform.freeBuffer, "MAPIFreeBuffer");
        HMODULE client = GetModuleHandleA("VXMAIL32.DLL");
        ASSERT_NE(client, nullptr) << "the platform did not load the registered client";
        auto setDriver = reinterpret_cast<void(WINAPI*)(void(WINAPI*)(HWND))>(
            reinterpret_cast<void*>(GetProcAddress(client, "VxMailSetModalDriver")));
        ASSERT_NE(setDriver, nullptr);
        setDriver(ScriptedDriver);
    }

    static void TearDownTestSuite()
    {
        m_registration.Restore();
    }

    void SetUp() override
    {
        m_office = m_folder.Path() + "\\po";
        postoffice::PostOffice office(m_office);
        ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", "bobpw"));
        ASSERT_TRUE(office.CreateMailbox("alice", "Alice Jones", "alicepw"));
        ASSERT_TRUE(office.CreateMailbox("admin", "", "root"));
        ASSERT_TRUE(postoffice::SetPostOfficeFolder(m_office));
        g_script = Script();
    }

    std::optional<postoffice::Mailbox> Load(const std::string& mailbox)
    {
        std::optional<postoffice::Mailbox> box;
        postoffice::LoadMailbox(m_office + "\\" + mailbox + ".mbx", box);
        return box;
    }

    static Platform m_platform;
    static MailClientRegistration m_registration;
    TempFolder m_folder;
    std::string m_office;
};

Platform MailClientThroughMapi::m_platform;
MailClientRegistration MailClientThroughMapi::m_registration;

}  // namespace

TEST_F(MailClientThroughMapi, LogonChecksTheMailboxPassword)
{
    LHANDLE session = 0;
    EXPECT_EQ(m_platform.logon(0, const_cast<LPSTR>("bob"), const_cast<LPSTR>("wrong"),
                  MAPI_LOGON_UI | MAPI_NEW_SESSION, 0, &session),
        ULONG(MAPI_E_LOGON_FAILURE));
    EXPECT_EQ(m_platform.logon(
                  0, const_cast<LPSTR>("nobody"), const_cast<LPSTR>(""), MAPI_LOGON_UI | MAPI_NEW_SESSION, 0, &session),
        ULONG(MAPI_E_LOGON_FAILURE));
    ASSERT_EQ(m_platform.logon(0, const_cast<LPSTR>("BOB"), const_cast<LPSTR>("bobpw"),
                  MAPI_LOGON_UI | MAPI_NEW_SESSION, 0, &session),
        ULONG(SUCCESS_SUCCESS));
    EXPECT_NE(session, 0u);
    EXPECT_EQ(m_platform.logoff(session, 0, 0, 0), ULONG(SUCCESS_SUCCESS));
    EXPECT_EQ(m_platform.logoff(session, 0, 0, 0), ULONG(MAPI_E_INVALID_SESSION));
}

TEST_F(MailClientThroughMapi, LogonWithoutAProfileUsesTheCurrentUsersMailbox)
{
    LHANDLE session = 0;
    EXPECT_EQ(m_platform.logon(0, nullptr, nullptr, 0, 0, &session), ULONG(MAPI_E_LOGON_FAILURE));
    std::string user = CurrentUser();
    ASSERT_TRUE(postoffice::PostOffice::ValidMailboxName(user)) << user;
    ASSERT_TRUE(postoffice::PostOffice(m_office).CreateMailbox(user, "Me", "secret"));
    ASSERT_EQ(m_platform.logon(0, nullptr, nullptr, 0, 0, &session), ULONG(SUCCESS_SUCCESS));
    EXPECT_EQ(m_platform.logoff(session, 0, 0, 0), ULONG(SUCCESS_SUCCESS));
}

TEST_F(MailClientThroughMapi, TheAddressBookListsTheMailboxesAndReturnsToAndCC)
{
    LHANDLE session = 0;
    ASSERT_EQ(
        m_platform.logon(0, const_cast<LPSTR>("alice"), const_cast<LPSTR>("alicepw"), MAPI_LOGON_UI, 0, &session), 0u);
    g_script.to = "Bob Smith (bob)";
    g_script.cc = "admin";
    ULONG count = 99;
    lpMapiRecipDesc chosen = nullptr;
    ASSERT_EQ(m_platform.address(session, 0, const_cast<LPSTR>("ALERT PostOffice"), 2, const_cast<LPSTR>("Recipients:"),
                  0, nullptr, MAPI_LOGON_UI, 0, &count, &chosen),
        ULONG(SUCCESS_SUCCESS));
    EXPECT_EQ(g_script.caption, "ALERT PostOffice");
    EXPECT_EQ(g_script.rows, 3);
    ASSERT_EQ(count, 2u);
    ASSERT_NE(chosen, nullptr);
    EXPECT_STREQ(chosen[0].lpszName, "Bob Smith");
    EXPECT_STREQ(chosen[0].lpszAddress, "bob");
    EXPECT_EQ(chosen[0].ulRecipClass, ULONG(MAPI_TO));
    EXPECT_STREQ(chosen[1].lpszName, "admin");
    EXPECT_EQ(chosen[1].ulRecipClass, ULONG(MAPI_CC));
    // The platform's own free takes the block back.
    EXPECT_EQ(m_platform.freeBuffer(chosen), ULONG(SUCCESS_SUCCESS));
    m_platform.logoff(session, 0, 0, 0);
}

TEST_F(MailClientThroughMapi, CancellingTheAddressBookReturnsNoRecipients)
{
    g_script.to = "Alice Jones (alice)";
    g_script.accept = false;
    ULONG count = 99;
    lpMapiRecipDesc chosen = reinterpret_cast<lpMapiRecipDesc>(1);
    EXPECT_EQ(m_platform.address(0, 0, nullptr, 2, nullptr, 0, nullptr, 0, 0, &count, &chosen), ULONG(MAPI_USER_ABORT));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(chosen, nullptr);
    EXPECT_EQ(g_script.caption, "Address Book");
    EXPECT_EQ(m_platform.address(0x1234, 0, nullptr, 2, nullptr, 0, nullptr, 0, 0, &count, &chosen),
        ULONG(MAPI_E_INVALID_SESSION));
}

TEST_F(MailClientThroughMapi, NamesResolveToMailboxes)
{
    lpMapiRecipDesc found = nullptr;
    ASSERT_EQ(m_platform.resolve(0, 0, const_cast<LPSTR>("Bob Smith"), 0, 0, &found), ULONG(SUCCESS_SUCCESS));
    EXPECT_STREQ(found->lpszName, "Bob Smith");
    EXPECT_STREQ(found->lpszAddress, "bob");
    m_platform.freeBuffer(found);
    ASSERT_EQ(m_platform.resolve(0, 0, const_cast<LPSTR>("SMTP:alice@site"), 0, 0, &found), ULONG(SUCCESS_SUCCESS));
    EXPECT_STREQ(found->lpszAddress, "alice");
    m_platform.freeBuffer(found);
    EXPECT_EQ(m_platform.resolve(0, 0, const_cast<LPSTR>("carol"), 0, 0, &found), ULONG(MAPI_E_UNKNOWN_RECIPIENT));
}

TEST_F(MailClientThroughMapi, SentMailArrivesInEveryRecipientsMailboxWithItsAttachment)
{
    LHANDLE session = 0;
    ASSERT_EQ(m_platform.logon(0, const_cast<LPSTR>("alice"), const_cast<LPSTR>("alicepw"), 0, 0, &session), 0u);
    std::string attachment = m_folder.File("report.txt");
    std::ofstream(attachment, std::ios::binary) << "quarterly figures";
    MapiRecipDesc recipients[2] = {};
    recipients[0].ulRecipClass = MAPI_TO;
    recipients[0].lpszName = const_cast<LPSTR>("Bob Smith");
    recipients[1].ulRecipClass = MAPI_CC;
    recipients[1].lpszName = const_cast<LPSTR>("admin");
    recipients[1].lpszAddress = const_cast<LPSTR>("SMTP:admin@site");
    MapiFileDesc file = {};
    file.lpszPathName = const_cast<LPSTR>(attachment.c_str());
    file.nPosition = static_cast<ULONG>(-1);
    MapiMessage message = {};
    message.lpszSubject = const_cast<LPSTR>("Figures");
    message.lpszNoteText = const_cast<LPSTR>("Here they are.\n");
    message.nRecipCount = 2;
    message.lpRecips = recipients;
    message.nFileCount = 1;
    message.lpFiles = &file;
    ASSERT_EQ(m_platform.send(session, 0, &message, 0, 0), ULONG(SUCCESS_SUCCESS));
    for (const char* mailbox : {"bob", "admin"}) {
        std::optional<postoffice::Mailbox> box = Load(mailbox);
        ASSERT_TRUE(box && box->Count() == 1) << mailbox;
        EXPECT_EQ(box->Field(0, "Subject"), "Figures");
        EXPECT_EQ(box->Field(0, "From"), "Alice Jones <alice>");
        EXPECT_EQ(box->Field(0, "To"), "bob");
        EXPECT_EQ(box->Field(0, "CC"), "admin");
        EXPECT_EQ(box->AttachmentNames(0), std::vector<std::string> {"report.txt"});
        EXPECT_EQ(*box->AttachmentBytes(0, 0), "quarterly figures");
        EXPECT_NE(std::string(box->Content(0)).find("\r\n\r\nHere they are.\r\n"), std::string::npos);
    }
    EXPECT_EQ(Load("alice")->Count(), 0u);
    m_platform.logoff(session, 0, 0, 0);
}

TEST_F(MailClientThroughMapi, AnUnknownRecipientStopsTheWholeMessage)
{
    MapiRecipDesc recipients[2] = {};
    recipients[0].ulRecipClass = MAPI_TO;
    recipients[0].lpszName = const_cast<LPSTR>("bob");
    recipients[1].ulRecipClass = MAPI_TO;
    recipients[1].lpszName = const_cast<LPSTR>("carol");
    MapiMessage message = {};
    message.lpszSubject = const_cast<LPSTR>("x");
    message.nRecipCount = 2;
    message.lpRecips = recipients;
    EXPECT_EQ(m_platform.send(0, 0, &message, 0, 0), ULONG(MAPI_E_UNKNOWN_RECIPIENT));
    EXPECT_EQ(Load("bob")->Count(), 0u);
    MapiFileDesc missing = {};
    missing.lpszPathName = const_cast<LPSTR>("C:\\no\\such\\file.txt");
    message.nRecipCount = 1;
    message.nFileCount = 1;
    message.lpFiles = &missing;
    EXPECT_EQ(m_platform.send(0, 0, &message, 0, 0), ULONG(MAPI_E_ATTACHMENT_OPEN_FAILURE));
    EXPECT_EQ(Load("bob")->Count(), 0u);
}
