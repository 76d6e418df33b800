// The test post office: bob holds a nested message and a plain one, alice an attachment
// with an unsafe name, admin nothing.
#include "post_office_fixture.h"

#include <windows.h>

#include <cstring>

#include "post_office_location.h"
#include "sample_messages.h"

namespace {

const std::string kUnsafe =
    "From: carol@site\r\nTo: alice\r\nSubject: tools\r\nDate: Thu, 3 Jul 2003 00:00:00 +0000\r\n"
    "Content-Type: application/octet-stream; name=\"..\\\\..\\\\evil.exe\"\r\nContent-Transfer-Encoding: base64\r\n\r\n"
    "TVpQAA==\r\n";

}  // namespace

void PostOfficeFixture::SetUp()
{
    m_previous = postoffice::PostOfficeFolder();
    m_office = m_folder.Path() + "\\po";
    m_detached = m_folder.Path() + "\\out";
    CreateDirectoryA(m_detached.c_str(), nullptr);
    postoffice::PostOffice office(m_office);
    ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", "bobpw"));
    ASSERT_TRUE(office.CreateMailbox("alice", "Alice Jones", ""));
    ASSERT_TRUE(office.CreateMailbox("admin", "Administrator", "root"));
    ASSERT_TRUE(office.SetAdministrator("admin"));
    ASSERT_EQ(office.Deliver("bob", samples::kNested, "alice@site", 1057049557), postoffice::StoreStatus::kOk);
    ASSERT_EQ(office.Deliver("bob", samples::kPlain, "carol@site", 1057147200), postoffice::StoreStatus::kOk);
    ASSERT_EQ(office.Deliver("alice", kUnsafe, "carol@site", 1057190400), postoffice::StoreStatus::kOk);
    ASSERT_TRUE(postoffice::SetPostOfficeFolder(m_office));
}

void PostOfficeFixture::TearDown()
{
    if (m_agent)
        PLVDisconnectAgent(m_agent, 0);
    if (m_previous) {
        postoffice::SetPostOfficeFolder(*m_previous);
    } else {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, postoffice::kPostOfficeKey);
    }
}

DWORD PostOfficeFixture::Connect()
{
    char names[512] = {};
    DWORD size = 1024;  // the scanner passes twice its buffer's size; the name is short
    EXPECT_EQ(PLVEnumAgents(0, names, &size, 0), 0u);
    EXPECT_EQ(PLVConnectAgent(0, names, "", "", "", &m_agent, 0), 0u);
    EXPECT_EQ(PLVSetDetachedDir(m_agent, m_detached.c_str(), 0), 0u);
    return m_agent;
}

DWORD PostOfficeFixture::Open(const char* name)
{
    DWORD database = 0;
    EXPECT_EQ(PLVOpenDatabase(m_agent, name, 0, &database, 0), 0u) << name;
    return database;
}

std::vector<PLVMessageId> PostOfficeFixture::Ids(DWORD database)
{
    BYTE buffer[16000];
    DWORD size = sizeof buffer;
    EXPECT_EQ(PLVGetAllMsgUids(m_agent, database, buffer, &size, 0), 0u);
    std::vector<PLVMessageId> ids(size / 16);
    std::memcpy(ids.data(), buffer, ids.size() * 16);
    return ids;
}

MailAttachmentRef PostOfficeFixture::Ref(DWORD database, const PLVMessageId& id, DWORD index, const char* name)
{
    MailAttachmentRef ref;
    std::memset(&ref, 0, sizeof ref);
    ref.database = database;
    ref.message = id;
    ref.index = index;
    std::strncpy(ref.name, name, sizeof ref.name - 1);
    return ref;
}
