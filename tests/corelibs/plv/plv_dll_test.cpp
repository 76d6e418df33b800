// PLV.DLL's agent, mailbox, message and header calls on a real post office.
#include <windows.h>

#include <cstring>
#include <string>

#include "post_office_fixture.h"
#include "post_office_location.h"

namespace {

std::string List(const char* buffer, DWORD size)
{
    return std::string(buffer, size);
}

}  // namespace

using PlvAgents = PostOfficeFixture;
using PlvMessages = PostOfficeFixture;

TEST_F(PlvAgents, TheOneAgentIsThePostOfficeAndItsNameIsListedTwiceEnded)
{
    char names[512];
    std::memset(names, 'x', sizeof names);
    DWORD size = sizeof names;
    ASSERT_EQ(PLVEnumAgents(0, names, &size, 0), 0u);
    EXPECT_EQ(List(names, size), std::string("Morwick Post Office\0\0", 21));
    DWORD small = 10;
    EXPECT_EQ(PLVEnumAgents(0, names, &small, 0), 234u);
    EXPECT_EQ(small, 21u);
    EXPECT_EQ(PLVEnumAgents(0, nullptr, &size, 0), 87u);
}

TEST_F(PlvAgents, WithoutAPostOfficeThereIsNoAgent)
{
    ASSERT_TRUE(postoffice::SetPostOfficeFolder(m_folder.Path() + "\\missing"));
    char names[64] = "junk";
    DWORD size = sizeof names;
    EXPECT_EQ(PLVEnumAgents(0, names, &size, 0), 2u);
    EXPECT_EQ(names[0], '\0');
    DWORD agent = 0;
    EXPECT_EQ(PLVConnectAgent(0, "Morwick Post Office", "", "", "", &agent, 0), 2u);
}

TEST_F(PlvAgents, ConnectingChecksTheNameAndTheDetachedDirectoryMustExist)
{
    DWORD agent = 0;
    EXPECT_EQ(PLVConnectAgent(0, "Other Agent", "", "", "", &agent, 0), 2u);
    ASSERT_EQ(PLVConnectAgent(0, "morwick post office", "", "", "", &agent, 0), 0u);
    EXPECT_NE(agent, 0u);
    EXPECT_NE(agent, 0xFFFFFFFFu);
    EXPECT_EQ(PLVSetDetachedDir(agent, (m_folder.Path() + "\\nowhere").c_str(), 0), 2u);
    EXPECT_EQ(PLVSetDetachedDir(agent, m_detached.c_str(), 0), 0u);
    EXPECT_EQ(PLVDisconnectAgent(agent, 0), 0u);
    EXPECT_EQ(PLVDisconnectAgent(agent, 0), 6u);
    EXPECT_EQ(PLVSetDetachedDir(agent, m_detached.c_str(), 0), 6u);
}

TEST_F(PlvAgents, MailboxesAreListedNulSeparatedInOrder)
{
    DWORD agent = Connect();
    char buffer[65536];
    DWORD size = sizeof buffer, written = 9, total = 9, spare = 9, more = 0, bytes = 0;
    ASSERT_EQ(PLVEnumObjects(agent, 4, 0, 0, 0, 0, &written, &total, &spare, buffer, &size, &more, &bytes, 0), 0u);
    EXPECT_EQ(List(buffer, size), std::string("admin\0alice\0bob\0\0", 17));
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(total, 3u);
    EXPECT_EQ(spare, 0u);
    EXPECT_EQ(more, 0u);
    EXPECT_EQ(bytes, 17u);
    EXPECT_EQ(PLVEnumObjects(agent, 3, 0, 0, 0, 0, &written, &total, &spare, buffer, &size, &more, &bytes, 0), 50u);
}

TEST_F(PlvAgents, ASmallBufferTakesTheMailboxesInTurns)
{
    DWORD agent = Connect();
    char buffer[16];
    DWORD size = 14, written = 0, total = 0, spare = 0, more = 0, bytes = 0;
    ASSERT_EQ(PLVEnumObjects(agent, 4, 0, 0, 0, 0, &written, &total, &spare, buffer, &size, &more, &bytes, 0), 234u);
    EXPECT_EQ(std::string(buffer, 13), std::string("admin\0alice\0\0", 13));
    EXPECT_EQ(written, 2u);
    EXPECT_EQ(bytes, 13u);
    EXPECT_EQ(size, 17u);  // what the whole list needs
    EXPECT_EQ(more, 2u);
    size = 14;
    ASSERT_EQ(PLVEnumObjects(agent, 4, 0, 0, 0, 0, &written, &total, &spare, buffer, &size, &more, &bytes, 0), 0u);
    EXPECT_EQ(List(buffer, size), std::string("bob\0\0", 5));
    EXPECT_EQ(more, 0u);
}

TEST_F(PlvMessages, IdentitiesTimesAndAttachmentNames)
{
    DWORD agent = Connect();
    DWORD bob = Open("bob");
    std::vector<PLVMessageId> ids = Ids(bob);
    ASSERT_EQ(ids.size(), 2u);
    DWORD time = 0;
    ASSERT_EQ(PLVGetMsgTime(agent, bob, &ids[0], &time, 0), 0u);
    EXPECT_EQ(time, 1057049557u);
    ASSERT_EQ(PLVGetMsgTime(agent, bob, &ids[1], &time, 0), 0u);
    EXPECT_EQ(time, 1057147200u);
    char names[16384];
    DWORD size = sizeof names;
    ASSERT_EQ(PLVGetAttFileFromMessage(agent, bob, &ids[0], names, &size, 0), 0u);
    // The names in the caller's code page (Windows-1252 here).
    EXPECT_EQ(List(names, size), std::string("a.bin\0caf\xE9.txt\0\x80.gif\0\0", 22));
    size = sizeof names;
    ASSERT_EQ(PLVGetAttFileFromMessage(agent, bob, &ids[1], names, &size, 0), 0u);
    EXPECT_EQ(List(names, size), std::string("\0", 1));
    size = 12;
    EXPECT_EQ(PLVGetAttFileFromMessage(agent, bob, &ids[0], names, &size, 0), 234u);
    EXPECT_EQ(size, 22u);
    EXPECT_EQ(std::string(names, 7), std::string("a.bin\0\0", 7));
    EXPECT_EQ(PLVCloseDatabase(agent, bob, 0), 0u);
    EXPECT_EQ(PLVCloseDatabase(agent, bob, 0), 6u);
    EXPECT_EQ(PLVGetMsgTime(agent, bob, &ids[0], &time, 0), 6u);
}

TEST_F(PlvMessages, DatabasesOpenByMailboxNameOrFilePath)
{
    Connect();
    DWORD byPath = Open((m_office + "\\alice.mbx").c_str());
    EXPECT_EQ(Ids(byPath).size(), 1u);
    DWORD database = 0;
    EXPECT_EQ(PLVOpenDatabase(m_agent, "nobody", 0, &database, 0), 2u);
    EXPECT_EQ(PLVOpenDatabase(m_agent, "", 0, &database, 0), 87u);
    EXPECT_EQ(PLVOpenDatabase(m_agent + 1, "bob", 0, &database, 0), 6u);
}

TEST_F(PlvMessages, IdentitiesBeyondTheBufferAreLeftOutAndSaidSo)
{
    Connect();
    DWORD bob = Open("bob");
    BYTE buffer[32];
    DWORD size = 16;
    EXPECT_EQ(PLVGetAllMsgUids(m_agent, bob, buffer, &size, 0), 234u);
    EXPECT_EQ(size, 16u);
    size = 31;
    EXPECT_EQ(PLVGetAllMsgUids(m_agent, bob, buffer, &size, 0), 234u);
    EXPECT_EQ(size, 16u);
    size = 32;
    EXPECT_EQ(PLVGetAllMsgUids(m_agent, bob, buffer, &size, 0), 0u);
    EXPECT_EQ(size, 32u);
}

TEST_F(PlvMessages, MailInformationGivesFiveOffsetsAndTheDecodedFields)
{
    Connect();
    DWORD bob = Open("bob");
    std::vector<PLVMessageId> ids = Ids(bob);
    MailAttachmentRef ref = Ref(bob, ids[0], 0, "");
    LONG offsets[6] = {7, 7, 7, 7, 7, 12345};
    char text[8192];
    DWORD size = sizeof text;
    ASSERT_EQ(PLVGetMailInfoFromAfile(m_agent, &ref, offsets, text, &size, 0), 0u);
    EXPECT_EQ(List(text, size),
        std::string("bob@site\0Alice <alice@site>\0Tue, 1 Jul 2003 10:52:37 +0200\0r\xE9sum\xE9\0", 66));
    EXPECT_EQ(offsets[0], 0);
    EXPECT_EQ(offsets[1], 9);
    EXPECT_EQ(offsets[2], 28);
    EXPECT_EQ(offsets[3], 59);
    EXPECT_EQ(offsets[4], -1);  // no CC field
    EXPECT_EQ(offsets[5], 12345);
    size = 20;
    EXPECT_EQ(PLVGetMailInfoFromAfile(m_agent, &ref, offsets, text, &size, 0), 234u);
    EXPECT_EQ(offsets[0], 0);
    EXPECT_EQ(offsets[1], -1);  // what does not fit is left out; what follows may still fit
    EXPECT_EQ(offsets[2], -1);
    EXPECT_EQ(offsets[3], 9);
    PLVMessageId unknown = {{1, 2, 3, 4}};
    MailAttachmentRef missing = Ref(bob, unknown, 0, "");
    size = sizeof text;
    EXPECT_EQ(PLVGetMailInfoFromAfile(m_agent, &missing, offsets, text, &size, 0), 2u);
    EXPECT_EQ(offsets[0], -1);
}

TEST_F(PlvMessages, AddressListsBecomeReadable)
{
    Connect();
    char buffer[16384];
    DWORD size = sizeof buffer;
    ASSERT_EQ(PLVParseAddrList(m_agent, "\"Smith, Bob\" <bob@site>, alice@site (Alice Jones)", buffer, &size, 0), 0u);
    EXPECT_STREQ(buffer, "Smith, Bob <bob@site>, Alice Jones <alice@site>");
    EXPECT_EQ(size, 48u);
    size = 10;
    EXPECT_EQ(PLVParseAddrList(m_agent, "bob@site, alice@site", buffer, &size, 0), 234u);
    EXPECT_EQ(size, 21u);
}
