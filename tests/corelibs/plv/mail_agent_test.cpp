// The mail agent behind PLV.DLL, natively: databases that follow changes made by others,
// changes that check the mailbox again under its lock, and generated extraction names.
#include <gtest/gtest.h>

#include <filesystem>

#include "mail_agent.h"
#include "mailbox_store.h"
#include "sample_messages.h"
#include "temp_folder.h"

using plv::AttachmentEntry;
using plv::MailAgent;
using plv::Result;

namespace {

class MailAgentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        postoffice::PostOffice office(m_folder.Path());
        ASSERT_TRUE(office.CreateMailbox("bob", "Bob Smith", ""));
        ASSERT_EQ(office.Deliver("bob", samples::kNested, "alice", 1057049557), postoffice::StoreStatus::kOk);
        m_agent = std::make_unique<MailAgent>(office, 0x10);
        ASSERT_EQ(m_agent->OpenDatabase("bob", m_database), Result::kOk);
        std::vector<postoffice::MessageIdentity> ids;
        ASSERT_EQ(m_agent->MessageIds(m_database, ids), Result::kOk);
        ASSERT_EQ(ids.size(), 1u);
        m_first = ids[0];
    }

    AttachmentEntry Entry(std::uint32_t index, const std::string& name) { return {m_database, m_first, index, name}; }

    TempFolder m_folder;
    std::unique_ptr<MailAgent> m_agent;
    std::uint32_t m_database = 0;
    postoffice::MessageIdentity m_first {};
};

}  // namespace

TEST_F(MailAgentTest, AnOpenDatabaseSeesMailDeliveredByAnotherProgram)
{
    postoffice::PostOffice other(m_folder.Path());
    ASSERT_EQ(other.Deliver("bob", samples::kPlain, "carol", 1057147200), postoffice::StoreStatus::kOk);
    std::vector<postoffice::MessageIdentity> ids;
    ASSERT_EQ(m_agent->MessageIds(m_database, ids), Result::kOk);
    EXPECT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids[0], m_first);
}

TEST_F(MailAgentTest, ADeleteChecksTheAttachmentIsStillThereUnderTheLock)
{
    // Another program removes the attachment after this agent last read the mailbox.
    std::vector<std::string> names;
    ASSERT_EQ(m_agent->AttachmentNames(m_database, m_first, names), Result::kOk);
    ASSERT_EQ(
        postoffice::ChangeMailbox(
            m_folder.Path() + "/bob.mbx", [](postoffice::Mailbox& box) { return box.DeleteAttachment(0, 0); }, false),
        postoffice::StoreStatus::kOk);
    EXPECT_EQ(m_agent->Delete(Entry(0, "a.bin"), ""), Result::kNotFound);
    ASSERT_EQ(m_agent->AttachmentNames(m_database, m_first, names), Result::kOk);
    EXPECT_EQ(names, (std::vector<std::string> {"caf\xC3\xA9.txt", "\xE2\x82\xAC.gif"}));
}

TEST_F(MailAgentTest, ExtractedFilesGetGeneratedNamesAndSkipTakenOnes)
{
    std::string out = m_folder.Path() + "/out";
    std::filesystem::create_directories(out);
    std::FILE* planted = std::fopen((out + "/PLV00000010.bin").c_str(), "wb");
    ASSERT_NE(planted, nullptr);
    std::fputs("keep me", planted);
    std::fclose(planted);
    std::string path;
    ASSERT_EQ(m_agent->Extract(Entry(0, "a.bin"), out, path), Result::kOk);
#ifdef _WIN32
    EXPECT_EQ(path, out + "\\PLV00000011.bin");
#else
    EXPECT_EQ(path, out + "/PLV00000011.bin");
#endif
    std::string kept;
    ASSERT_EQ(postoffice::ReadFileBytes(out + "/PLV00000010.bin", 100, kept), postoffice::StoreStatus::kOk);
    EXPECT_EQ(kept, "keep me");
    EXPECT_EQ(m_agent->Extract(Entry(0, "a.bin"), "", path), Result::kInvalid);  // no detached directory yet
}

TEST_F(MailAgentTest, SafeExtensionsAreShortLettersAndDigitsOnly)
{
    EXPECT_EQ(plv::SafeExtension("report.PDF"), "PDF");
    EXPECT_EQ(plv::SafeExtension("archive.tar.gz"), "gz");
    EXPECT_EQ(plv::SafeExtension("..\\..\\evil.exe"), "exe");
    EXPECT_EQ(plv::SafeExtension("name.ex$"), "");
    EXPECT_EQ(plv::SafeExtension("name.abcdefghi"), "");
    EXPECT_EQ(plv::SafeExtension("noextension"), "");
    EXPECT_EQ(plv::SafeExtension("trailing."), "");
}

TEST_F(MailAgentTest, MailToAnEmptyRecipientGoesToTheDatabasesMailbox)
{
    ASSERT_EQ(m_agent->Send(m_database, "", "", "Vexomar/Morwick Software", "A virus found in e-mail message!", "body",
                  "windows-1252", 0),
        Result::kOk);
    std::vector<postoffice::MessageIdentity> ids;
    ASSERT_EQ(m_agent->MessageIds(m_database, ids), Result::kOk);
    EXPECT_EQ(ids.size(), 2u);
    EXPECT_EQ(m_agent->Send(0, "", "", "x", "s", "b", "us-ascii", 0), Result::kNotFound);
    EXPECT_EQ(m_agent->CloseDatabase(m_database), Result::kOk);
    EXPECT_EQ(m_agent->MessageIds(m_database, ids), Result::kBadHandle);
}
