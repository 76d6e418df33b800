// The e-mail page against the recording core and a recording Simple MAPI: Load, Commit's bytes,
// sign-in, the address book, attachments and a missing mail client.
#include <gtest/gtest.h>

#include "dialog_item_cmd_ui.h"
#include "email_page_fixture.h"
#include "mapi_library.h"
#include "modal_script.h"
#include "scripted_prompter.h"
#include "system_dialogs.h"
#include "ui_actions.h"

namespace {

MailRecord Mail(const char* mailbox, const char* password, const char* subject, int receipt)
{
    MailRecord mail = {};
    std::strcpy(mail.mailbox, mailbox);
    std::strcpy(mail.password, password);
    std::strcpy(mail.subject, subject);
    mail.returnReceipt = receipt;
    for (std::size_t i = 0; i < sizeof mail.core; ++i)
        mail.core[i] = static_cast<std::uint8_t>(0xA0 + i);
    return mail;
}

MailAttachments Attached(const std::vector<std::string>& paths, std::uint32_t count)
{
    MailAttachments attachments = {};
    attachments.count = count;
    for (std::size_t i = 0; i < paths.size() && i < 10; ++i)
        std::strcpy(attachments.paths[i], paths[i].c_str());
    return attachments;
}

// The file chooser: answers each request with the next path; none left means Cancel.
class ScriptedFiles : public SystemDialogs {
public:
    ScriptedFiles() : m_previous(SystemDialogs::Install(this)) { }
    ~ScriptedFiles() override { SystemDialogs::Install(m_previous); }
    bool OpenFile(FileDialogRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty())
            return false;
        request.path = answers.front();
        answers.erase(answers.begin());
        return true;
    }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChoosePrinter(PrinterRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }

    std::vector<std::string> answers;
    std::vector<FileDialogRequest> requests;

private:
    SystemDialogs* m_previous;
};

void SignInWith(ModalScript& script, const char* name, const char* password, std::string* shownName = nullptr)
{
    script.Then([=](CWnd& dialog) {
        if (shownName)
            *shownName = dialog.GetDlgItemText(IDC_SIGN_IN_NAME);
        TypeText(dialog.m_hWnd, IDC_SIGN_IN_NAME, name);
        TypeText(dialog.m_hWnd, IDC_SIGN_IN_PASSWORD, password);
        Click(dialog.m_hWnd, IDOK);
    });
}

}  // namespace

TEST_F(EmailPageTest, LoadKeepsToAndCcApartAndShowsTheMessageRecords)
{
    AnswerMail({Recipient("Zoe", 1), Recipient("Bob", 2), Recipient("Amy", 1), Recipient("Ghost", 3)},
        Mail("alertbox", "pw", "Virus found", 1), Attached({"C:\\a.txt", "C:\\b.txt"}, 2));
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"Amy", "Zoe"}), To());
    EXPECT_EQ((std::vector<std::string> {"Bob"}), Cc());
    EXPECT_EQ((std::vector<std::string> {"C:\\a.txt", "C:\\b.txt"}), Files());
    EXPECT_EQ("Virus found", page->GetDlgItemText(IDC_EMAIL_SUBJECT));
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), page->IsDlgButtonChecked(IDC_EMAIL_RECEIPT));
    EXPECT_STREQ("pw", page->Mail().password);
    EXPECT_EQ(2, core.CallsOf("AlertFreeCheckEverySetting").back().numbers.at(0));
    EXPECT_TRUE(Sets().empty());
}

TEST_F(EmailPageTest, AnAttachmentCountBeyondTheTenSlotsListsTenAndTheStoredFlagIsKept)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 10; ++i)
        paths.push_back("C:\\file" + std::to_string(i));
    AnswerMail({}, Mail("", "", "", 0), Attached(paths, 0x0001000C), 0);
    OpenPage();
    EXPECT_EQ(10u, Files().size());
    EXPECT_EQ(0, page->Enabled());
}

TEST_F(EmailPageTest, TwoToNamesAndOneCcAreSentAsThreeRecordsWithTheMailRecordsByteForByte)
{
    AnswerMail({Recipient("Amy", 1), Recipient("Zoe", 1), Recipient("Bob", 2)}, Mail("alertbox", "s3cret", "Hi", 0),
        Attached({"C:\\a.txt"}, 1));
    OpenPage();
    Command(ID_EMAIL_TOGGLE);  // on to off: commits
    ASSERT_EQ(1u, Sets().size());
    const FakeCoreCall set = Sets().front();
    EXPECT_EQ("ALERT", set.texts.at(1));
    EXPECT_EQ(3, set.numbers.at(0));
    EXPECT_EQ(0, set.numbers.at(1));
    std::vector<EMailRecipientRecord> sent = SentRecipients(set);
    ASSERT_EQ(3u, sent.size());
    const std::vector<EMailRecipientRecord> expected = {Recipient("Amy", 1), Recipient("Zoe", 1), Recipient("Bob", 2)};
    EXPECT_EQ(0, std::memcmp(expected.data(), sent.data(), 3 * sizeof(EMailRecipientRecord)));

    const MailRecord mail = SentMail(set);
    MailRecord clear = Mail("alertbox", "s3cret", "Hi", 0);
    EXPECT_EQ(0, std::memcmp(&mail, &clear, 53));  // receipt and mailbox
    EXPECT_EQ(0, std::memcmp(mail.subject, clear.subject, sizeof clear.subject + sizeof clear.core));
    const char* table = tab->Settings().Record().scrambleTable;
    for (std::size_t i = 0; i < 48; ++i)
        EXPECT_EQ(static_cast<char>(clear.password[i] ^ table[i]), mail.password[i]) << i;
    const MailAttachments attachments = SentAttachments(set);
    const MailAttachments expectedFiles = Attached({"C:\\a.txt"}, 1);
    EXPECT_EQ(0, std::memcmp(&expectedFiles, &attachments, sizeof attachments));
}

TEST_F(EmailPageTest, TheToggleLabelsTheCommandAndTheReceiptCommandFollowsTheBox)
{
    AnswerMail({Recipient("Amy", 1)}, Mail("", "", "", 0), Attached({}, 0));
    OpenPage();
    EXPECT_EQ(1, page->Enabled());
    Command(ID_EMAIL_RECEIPT);
    ASSERT_EQ(1u, Sets().size());
    EXPECT_EQ(1, SentMail(Sets().back()).returnReceipt);
    EXPECT_EQ(1, Sets().back().numbers.at(1));
    SendMessageA(page->Control(IDC_EMAIL_RECEIPT), BM_CLICK, 0, 0);
    ASSERT_EQ(2u, Sets().size());
    EXPECT_EQ(0, SentMail(Sets().back()).returnReceipt);
    Command(ID_EMAIL_TOGGLE);
    EXPECT_EQ(0, page->Enabled());
    EXPECT_EQ(0, Sets().back().numbers.at(1));
}

TEST_F(EmailPageTest, LeavingTheSubjectUnchangedDoesNotCommitAndAChangedCharacterDoes)
{
    AnswerMail({}, Mail("", "", "Virus", 0), Attached({}, 0));
    OpenPage();
    HWND subject = page->Control(IDC_EMAIL_SUBJECT);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EMAIL_SUBJECT, EN_KILLFOCUS), reinterpret_cast<LPARAM>(subject));
    EXPECT_TRUE(Sets().empty());
    SetWindowTextA(subject, "Virun");
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EMAIL_SUBJECT, EN_KILLFOCUS), reinterpret_cast<LPARAM>(subject));
    ASSERT_EQ(1u, Sets().size());
    EXPECT_STREQ("Virun", SentMail(Sets().back()).subject);
}

TEST_F(EmailPageTest, TheAddressBookSignsInWithoutAProfileFirstAndFillsBothLists)
{
    AnswerMail({Recipient("Old", 1)}, Mail("alice", "alice", "", 0), Attached({}, 0));
    OpenPage();
    mapi->chosen = {{"Carol Ann", MAPI_CC, "carol"}, {"Bob Smith", MAPI_TO, "bob"}, {"Blind", MAPI_BCC, "x"}};
    ModalScript script;
    std::string shownName;
    SignInWith(script, "alice", "alice", &shownName);
    Command(ID_EMAIL_ADDRESS);
    EXPECT_EQ("alice", shownName);
    EXPECT_EQ(
        (std::vector<std::string> {"MAPILogon", "MAPIAddress", "MAPIFreeBuffer", "MAPILogoff"}), mapi->Functions());
    EXPECT_EQ("<null>", mapi->calls[0].profile);
    EXPECT_EQ(0u, mapi->calls[0].flags);
    const FakeMapiCall& address = mapi->calls[1];
    EXPECT_EQ("ALERT PostOffice", address.caption);
    EXPECT_EQ("Recipients:", address.labels);
    EXPECT_EQ(2u, address.editFields);
    EXPECT_EQ(static_cast<FLAGS>(MAPI_LOGON_UI), address.flags);
    EXPECT_EQ(address.session, mapi->calls[3].session);
    EXPECT_EQ(0, mapi->buffersOut);
    EXPECT_EQ((std::vector<std::string> {"Bob Smith"}), To());
    EXPECT_EQ((std::vector<std::string> {"Carol Ann"}), Cc());
    ASSERT_EQ(1u, Sets().size());
    const std::vector<EMailRecipientRecord> sent = SentRecipients(Sets().back());
    ASSERT_EQ(2u, sent.size());
    EXPECT_STREQ("Bob Smith", sent[0].name);
    EXPECT_EQ(1, sent[0].recipientClass);
    EXPECT_STREQ("Carol Ann", sent[1].name);
    EXPECT_EQ(2, sent[1].recipientClass);
}

TEST_F(EmailPageTest, AWrongPasswordShowsTheRefusalAndTheDialogAgainAndCancelAbandonsTheAddressBook)
{
    AnswerMail({Recipient("Old", 1)}, Mail("bob", "", "", 0), Attached({}, 0));
    OpenPage();
    mapi->logonResults = {MAPI_E_LOGON_FAILURE, MAPI_E_LOGON_FAILURE};
    ScriptedPrompter prompter;
    prompter.Expect("The mailbox name or password is incorrect.");
    ModalScript script;
    SignInWith(script, "bob", "wrong");
    script.Then([](CWnd& dialog) { Click(dialog.m_hWnd, IDCANCEL); });
    Command(ID_EMAIL_ADDRESS);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), prompter.LastType() & MB_ICONMASK);
    EXPECT_EQ(2, script.Driven());
    EXPECT_EQ((std::vector<std::string> {"MAPILogon", "MAPILogon"}), mapi->Functions());
    EXPECT_EQ("bob", mapi->calls[1].profile);
    EXPECT_EQ("wrong", mapi->calls[1].password);
    EXPECT_EQ(static_cast<FLAGS>(MAPI_LOGON_UI | MAPI_NEW_SESSION), mapi->calls[1].flags);
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ((std::vector<std::string> {"Old"}), To());
}

TEST_F(EmailPageTest, ANewMailboxAndPasswordAreKeptAfterASignInAndSentScrambled)
{
    AnswerMail({}, Mail("old", "oldpw", "", 0), Attached({}, 0));
    OpenPage();
    mapi->logonResults = {MAPI_E_LOGON_FAILURE, SUCCESS_SUCCESS};
    mapi->addressResult = MAPI_E_USER_ABORT;
    ModalScript script;
    SignInWith(script, "carol", "carolpw");
    Command(ID_EMAIL_ADDRESS);
    EXPECT_EQ((std::vector<std::string> {"MAPILogon", "MAPILogon", "MAPIAddress", "MAPILogoff"}), mapi->Functions());
    EXPECT_STREQ("carol", page->Mail().mailbox);
    ASSERT_EQ(1u, Sets().size());
    const MailRecord sent = SentMail(Sets().back());
    EXPECT_STREQ("carol", sent.mailbox);
    const char* table = tab->Settings().Record().scrambleTable;
    MailRecord clear = {};
    std::strcpy(clear.password, "carolpw");
    for (std::size_t i = 0; i < 48; ++i)
        EXPECT_EQ(static_cast<char>(clear.password[i] ^ table[i]), sent.password[i]) << i;
}

TEST_F(EmailPageTest, ANameLongerThanTheRecordIsRefusedWithAMessageAndNeverCut)
{
    AnswerMail({}, Mail("", "", "", 0), Attached({}, 0));
    OpenPage();
    const std::string longName(52, 'n');
    mapi->chosen = {{longName, MAPI_TO, "long"}, {std::string(51, 'k'), MAPI_TO, "fits"}};
    ScriptedPrompter prompter;
    prompter.Expect("These recipients were not added, because their names are longer than the 51 characters Alert "
                    "can store:\n" +
        longName + "\n");
    ModalScript script;
    SignInWith(script, "a", "b");
    Command(ID_EMAIL_ADDRESS);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ((std::vector<std::string> {std::string(51, 'k')}), To());
    ASSERT_EQ(1u, Sets().size());
    EXPECT_EQ(1, Sets().back().numbers.at(0));
}

TEST_F(EmailPageTest, AttachAsksForAFileAndTheEleventhIsRefused)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 9; ++i)
        paths.push_back("C:\\f" + std::to_string(i));
    AnswerMail({}, Mail("", "", "", 0), Attached(paths, 9));
    OpenPage();
    ScriptedFiles files;
    files.answers = {"C:\\report.txt"};
    Command(ID_EMAIL_ATTACH);
    ASSERT_EQ(1u, files.requests.size());
    EXPECT_EQ("Attach", files.requests[0].title);
    EXPECT_EQ("All Files(*.*)|*.*", files.requests[0].filter);
    EXPECT_EQ("*.*", files.requests[0].path);
    ASSERT_EQ(1u, Sets().size());
    const MailAttachments sent = SentAttachments(Sets().back());
    EXPECT_EQ(10u, sent.count);
    EXPECT_STREQ("C:\\report.txt", sent.paths[9]);

    ScriptedPrompter prompter;
    prompter.Expect("Too many Attachment !!!");
    Command(ID_EMAIL_ATTACH);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(1u, files.requests.size());
    EXPECT_EQ(1u, Sets().size());
}

TEST_F(EmailPageTest, APathLongerThanItsFieldIsRefusedAndDetachRemovesTheSelectedFile)
{
    AnswerMail({}, Mail("", "", "", 0), Attached({"C:\\a", "C:\\b"}, 2));
    OpenPage();
    const std::string longPath = "C:\\" + std::string(253, 'p');
    ScriptedFiles files;
    files.answers = {longPath};
    ScriptedPrompter prompter;
    prompter.Expect("This file was not attached, because its path is longer than the 255 characters Alert can "
                    "store:\n" +
        longPath);
    Command(ID_EMAIL_ATTACH);
    EXPECT_TRUE(prompter.Done());
    EXPECT_TRUE(Sets().empty());

    Command(ID_EMAIL_DETACH);  // nothing selected
    EXPECT_TRUE(Sets().empty());
    CListBox(page->Control(IDC_EMAIL_FILES)).SetCurSel(0);
    Command(ID_EMAIL_DETACH);
    EXPECT_EQ((std::vector<std::string> {"C:\\b"}), Files());
    ASSERT_EQ(1u, Sets().size());
    const MailAttachments sent = SentAttachments(Sets().back());
    const MailAttachments expected = Attached({"C:\\b"}, 1);
    EXPECT_EQ(0, std::memcmp(&expected, &sent, sizeof sent));
}

TEST_F(EmailPageTest, WithoutTheMailClientThePageSaysWhyAndStillStoresEverything)
{
    mapi->available = false;
    mapi->why = "The mail client library MAPI32.DLL could not be loaded.";
    AnswerMail({Recipient("Amy", 1)}, Mail("", "", "", 0), Attached({}, 0));
    OpenPage();
    RunIdleUpdate(page->m_hWnd);
    EXPECT_FALSE(IsWindowEnabled(page->Control(ID_EMAIL_ADDRESS)));
    EXPECT_EQ(mapi->why, page->GetDlgItemText(IDC_EMAIL_STATUS));
    ScriptedPrompter prompter;
    prompter.ExpectBeep(MB_ICONEXCLAMATION);
    Command(ID_EMAIL_ADDRESS);
    EXPECT_TRUE(mapi->calls.empty());
    ScriptedFiles files;
    files.answers = {"C:\\x.txt"};
    Command(ID_EMAIL_ATTACH);
    ASSERT_EQ(1u, Sets().size());
    EXPECT_EQ(1, Sets().back().numbers.at(0));
    EXPECT_STREQ("C:\\x.txt", SentAttachments(Sets().back()).paths[0]);
}

TEST_F(EmailPageTest, TheSameDateIsNotReadAgainAndANewOneIs)
{
    AnswerMail({Recipient("Amy", 1)}, Mail("", "", "", 0), Attached({}, 0));
    OpenPage();
    const std::size_t reads = core.CallsOf("AlertGetEMail").size();
    page->SendMessage(WM_TIMER, CEmail::kPollTimer, 0);
    EXPECT_EQ(reads, core.CallsOf("AlertGetEMail").size());
    SetDate("2026-12-02 09:00:00");
    AnswerMail({Recipient("Zed", 2)}, Mail("", "", "", 0), Attached({}, 0));
    page->SendMessage(WM_TIMER, CEmail::kPollTimer, 0);
    EXPECT_EQ(reads + 1, core.CallsOf("AlertGetEMail").size());
    EXPECT_TRUE(To().empty());
    EXPECT_EQ((std::vector<std::string> {"Zed"}), Cc());
}

TEST(MapiLibraryTest, AMissingLibraryLeavesTheBindingUnavailableWithItsReason)
{
    MapiLibrary missing("NOSUCHMAPI.DLL");
    EXPECT_FALSE(missing.Available());
    EXPECT_EQ("The mail client library MAPI32.DLL could not be loaded, so the address book is not available. The "
              "recipients already set are kept and still sent.",
        missing.Why());
    LHANDLE session = 0;
    EXPECT_EQ(static_cast<ULONG>(MAPI_E_FAILURE), missing.Logon(nullptr, nullptr, nullptr, 0, session));
}
