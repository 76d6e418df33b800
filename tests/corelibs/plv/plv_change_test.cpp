// PLV.DLL's extraction, deletion, attaching, database search and new mail.
#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "mailbox_store.h"
#include "post_office_fixture.h"

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

int FilesIn(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++count;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

}  // namespace

using PlvChanges = PostOfficeFixture;

TEST_F(PlvChanges, ExtractionWritesAGeneratedFileAndNeverUsesTheAttachmentsName)
{
    Connect();
    DWORD alice = Open("alice");
    MailAttachmentRef ref = Ref(alice, Ids(alice)[0], 0, "..\\..\\evil.exe");
    char path[MAX_PATH] = {};
    std::strcpy(path, m_detached.c_str());
    ASSERT_EQ(PLVExtractFile(m_agent, &ref, path, 0), 0u);
    std::string extracted = path;
    EXPECT_EQ(extracted.substr(0, m_detached.size() + 4), m_detached + "\\PLV");
    EXPECT_EQ(extracted.size(), m_detached.size() + 1 + 11 + 4);
    EXPECT_EQ(extracted.substr(extracted.size() - 4), ".exe");
    EXPECT_EQ(ReadAll(extracted), std::string("MZP\0", 4));
    // A second extraction never overwrites the first.
    char second[MAX_PATH] = "";
    ASSERT_EQ(PLVExtractFile(m_agent, &ref, second, 0), 0u);  // empty: the detached directory
    EXPECT_NE(extracted, second);
    EXPECT_EQ(FilesIn(m_detached), 2);
    EXPECT_EQ(FilesIn(m_folder.Path()), 0);
}

TEST_F(PlvChanges, ExtractingAMissingAttachmentFailsAndWritesNothing)
{
    Connect();
    DWORD bob = Open("bob");
    MailAttachmentRef ref = Ref(bob, Ids(bob)[1], 0, "none.txt");
    char path[MAX_PATH] = {};
    std::strcpy(path, m_detached.c_str());
    EXPECT_EQ(PLVExtractFile(m_agent, &ref, path, 0), 2u);
    EXPECT_EQ(std::string(path), m_detached);
    EXPECT_EQ(FilesIn(m_detached), 0);
}

TEST_F(PlvChanges, DeletingThenAttachingReplacesTheAttachmentAndKeepsTheIdentity)
{
    Connect();
    DWORD bob = Open("bob");
    std::vector<PLVMessageId> before = Ids(bob);
    MailAttachmentRef ref = Ref(bob, before[0], 1, "caf\xE9.txt");
    ASSERT_EQ(PLVDeleteFile(m_agent, &ref, "", 0), 0u);
    std::string cured = m_folder.File("cured.txt");
    std::ofstream(cured, std::ios::binary) << "clean";
    ASSERT_EQ(PLVAttachFile(m_agent, &ref, cured.c_str(), 0), 0u);
    std::vector<PLVMessageId> after = Ids(bob);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(std::memcmp(&after[0], &before[0], 16), 0);
    char names[16384];
    DWORD size = sizeof names;
    ASSERT_EQ(PLVGetAttFileFromMessage(m_agent, bob, &after[0], names, &size, 0), 0u);
    EXPECT_EQ(std::string(names, size), std::string("a.bin\0\x80.gif\0caf\xE9.txt\0\0", 22));
    MailAttachmentRef added = Ref(bob, after[0], 2, "caf\xE9.txt");
    char path[MAX_PATH] = "";
    ASSERT_EQ(PLVExtractFile(m_agent, &added, path, 0), 0u);
    EXPECT_EQ(ReadAll(path), "clean");
    EXPECT_EQ(std::string(path).substr(std::strlen(path) - 4), ".txt");
}

TEST_F(PlvChanges, DeletingByNameAndAStaleIndexFindTheRightAttachment)
{
    Connect();
    DWORD bob = Open("bob");
    PLVMessageId id = Ids(bob)[0];
    MailAttachmentRef ref = Ref(bob, id, 0, "");
    ASSERT_EQ(PLVDeleteFile(m_agent, &ref, "\x80.gif", 0), 0u);
    MailAttachmentRef stale = Ref(bob, id, 5, "a.bin");  // the index no longer fits; the name does
    ASSERT_EQ(PLVDeleteFile(m_agent, &stale, nullptr, 0), 0u);
    char names[256];
    DWORD size = sizeof names;
    ASSERT_EQ(PLVGetAttFileFromMessage(m_agent, bob, &id, names, &size, 0), 0u);
    EXPECT_EQ(std::string(names, size), std::string("caf\xE9.txt\0\0", 10));
    EXPECT_EQ(PLVDeleteFile(m_agent, &stale, nullptr, 0), 2u);
}

TEST_F(PlvChanges, AVirusNoteAttachesToAPlainMessage)
{
    Connect();
    DWORD bob = Open("bob");
    PLVMessageId id = Ids(bob)[1];
    std::string note = m_folder.File("VIRUS.$$$");
    std::ofstream(note, std::ios::binary) << "\n-------------------------------------------------\nFile x infected\n";
    MailAttachmentRef ref = Ref(bob, id, 0, "VIRUS.TXT");
    ASSERT_EQ(PLVAttachFile(m_agent, &ref, note.c_str(), 0), 0u);
    char names[256];
    DWORD size = sizeof names;
    ASSERT_EQ(PLVGetAttFileFromMessage(m_agent, bob, &id, names, &size, 0), 0u);
    EXPECT_EQ(std::string(names, size), std::string("VIRUS.TXT\0\0", 11));
    EXPECT_EQ(PLVAttachFile(m_agent, &ref, m_folder.File("absent").c_str(), 0), 2u);
}

TEST_F(PlvChanges, TheDatabaseSearchWalksEveryAttachmentOfAFile)
{
    Connect();
    // A mail-database file outside the post office, whatever its name says.
    std::string file = m_folder.File("archive.nsf");
    std::ofstream(file, std::ios::binary) << ReadAll(m_office + "\\bob.mbx");
    DWORD find = 0;
    MailAttachmentRef entry;
    ASSERT_EQ(PLVScanDatabaseFindFirst(m_agent, file.c_str(), 0, 0, &find, &entry, 0), 0u);
    std::string seen = entry.name;
    EXPECT_EQ(entry.index, 0u);
    char path[MAX_PATH] = "";
    ASSERT_EQ(PLVExtractFile(m_agent, &entry, path, 0), 0u);
    EXPECT_EQ(ReadAll(path), std::string("\x00\x01\x02\xFF", 4));
    while (PLVScanDatabaseFindNext(m_agent, find, &entry, 0) == 0)
        seen += "|" + std::string(entry.name);
    EXPECT_EQ(seen, "a.bin|caf\xE9.txt|\x80.gif");
    EXPECT_EQ(PLVScanDatabaseFindNext(m_agent, find, &entry, 0), 18u);
    EXPECT_EQ(PLVCloseFindHandle(m_agent, find, 0), 0u);
    EXPECT_EQ(PLVCloseFindHandle(m_agent, find, 0), 6u);
    std::string empty = m_folder.File("empty.nsf");
    std::ofstream(empty, std::ios::binary) << "Subject: nothing\r\n\r\ntext\r\n";
    EXPECT_EQ(PLVScanDatabaseFindFirst(m_agent, empty.c_str(), 0, 0, &find, &entry, 0), 18u);
    EXPECT_EQ(PLVScanDatabaseFindFirst(m_agent, m_folder.File("none.nsf").c_str(), 0, 0, &find, &entry, 0), 2u);
}

TEST_F(PlvChanges, SendMailDeliversToTheRecipientOrTheMessagesMailbox)
{
    Connect();
    DWORD bob = Open("bob");
    MailAttachmentRef message = Ref(bob, Ids(bob)[0], 0, "");
    ASSERT_EQ(PLVSendMail(m_agent, &message, "bob", "", "Vexomar/Morwick Software", "A virus found in e-mail message!",
                  "A virus found in your mailbox.", 0),
        0u);
    ASSERT_EQ(PLVSendMail(m_agent, &message, "bob", "Alice <alice@site>", "Vexomar/Morwick Software",
                  "A virus found in e-mail message!", "to the sender", 0),
        0u);
    EXPECT_EQ(PLVSendMail(m_agent, &message, "bob", "nobody@site", "x", "s", "b", 0), 2u);
    std::vector<PLVMessageId> ids = Ids(bob);
    ASSERT_EQ(ids.size(), 3u);
    MailAttachmentRef note = Ref(bob, ids[2], 0, "");
    LONG offsets[5];
    char text[8192];
    DWORD size = sizeof text;
    ASSERT_EQ(PLVGetMailInfoFromAfile(m_agent, &note, offsets, text, &size, 0), 0u);
    EXPECT_STREQ(text + offsets[0], "bob");
    EXPECT_STREQ(text + offsets[1], "Vexomar/Morwick Software");
    EXPECT_STREQ(text + offsets[3], "A virus found in e-mail message!");
    std::optional<postoffice::Mailbox> alice;
    ASSERT_EQ(postoffice::LoadMailbox(m_office + "\\alice.mbx", alice), postoffice::StoreStatus::kOk);
    ASSERT_EQ(alice->Count(), 2u);
    std::string content(alice->Content(1));
    EXPECT_NE(content.find("\r\n\r\nto the sender\r\n"), std::string::npos);
    EXPECT_EQ(alice->Field(1, "From"), "Vexomar/Morwick Software");
}
