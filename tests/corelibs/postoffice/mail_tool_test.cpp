// POMAIL.EXE, the program behind tools/mail, run as a user runs it on a post office folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "post_office.h"
#include "sample_messages.h"
#include "temp_folder.h"

namespace {

struct Outcome {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;  // standard output and standard error together
};

Outcome RunTool(const std::string& arguments)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string program = self;
    program = program.substr(0, program.find_last_of('\\') + 1) + "POMAIL.EXE";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    Outcome outcome;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return outcome;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = writeEnd;
    start.hStdError = writeEnd;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + program + "\" " + arguments;
    BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            outcome.output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &outcome.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return outcome;
}

class MailTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        postoffice::PostOffice office(m_folder.Path());
        ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", ""));
        ASSERT_TRUE(office.CreateMailbox("alice", "Alice Jones", ""));
        ASSERT_TRUE(office.SetAdministrator("alice"));
    }
    std::string Folder() const { return "/folder \"" + m_folder.Path() + "\" "; }
    TempFolder m_folder;
};

}  // namespace

TEST_F(MailTool, DeliveredMessagesAreListedAndShown)
{
    m_folder.Write("message.eml", samples::kNested);
    Outcome delivered = RunTool(Folder() + "deliver bob \"" + m_folder.File("message.eml") + "\"");
    EXPECT_EQ(delivered.exitCode, 0u);
    EXPECT_EQ(delivered.output, "1 message(s) delivered to bob\r\n");
    Outcome mailboxes = RunTool(Folder() + "list");
    EXPECT_EQ(mailboxes.output,
        "alice                Alice Jones                  0 messages  (administrator)\r\n"
        "bob                  Bob Smith                    1 messages\r\n");
    Outcome messages = RunTool(Folder() + "list bob");
    EXPECT_EQ(messages.output,
        "  1  Tue, 01 Jul 2003 08:52:37 +0000  Alice <alice@site>  r\xE9sum\xE9  [a.bin, caf\xE9.txt, \x80.gif]\r\n");
    Outcome shown = RunTool(Folder() + "show bob 1");
    EXPECT_EQ(shown.output,
        "Date: Tue, 1 Jul 2003 10:52:37 +0200\r\nFrom: Alice <alice@site>\r\nTo: bob@site\r\nSubject: r\xE9sum\xE9\r\n"
        "Message-ID: <1@site>\r\nAttachment 1: a.bin (4 bytes)\r\nAttachment 2: caf\xE9.txt (9 bytes)\r\n"
        "Attachment 3: \x80.gif (5 bytes)\r\n");
}

TEST_F(MailTool, MistakesAreToldAndEndWithAFailure)
{
    Outcome unknown = RunTool(Folder() + "list carol");
    EXPECT_EQ(unknown.exitCode, 1u);
    EXPECT_EQ(unknown.output, "POMAIL: no mailbox \"carol\"\r\n");
    Outcome missing = RunTool(Folder() + "show bob 1");
    EXPECT_EQ(missing.output, "POMAIL: no message 1 in \"bob\"\r\n");
    m_folder.Write("empty.eml", "");
    Outcome empty = RunTool(Folder() + "deliver bob \"" + m_folder.File("empty.eml") + "\"");
    EXPECT_EQ(empty.exitCode, 1u);
    EXPECT_EQ(empty.output, "POMAIL: " + m_folder.File("empty.eml") + ": holds no message\r\n");
    EXPECT_EQ(RunTool(Folder() + "frobnicate").exitCode, 2u);
}
