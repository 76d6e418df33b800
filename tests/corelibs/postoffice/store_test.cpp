// Mailbox files on disk: atomic rewrites, the lock, and two writers at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "mailbox_store.h"
#include "temp_folder.h"

using namespace postoffice;

TEST(MailboxStore, ChangeWritesTheWholeNewFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    std::string path = folder.File("u.mbx");
    StoreStatus status = ChangeMailbox(
        path, [](Mailbox& box) { return box.Append("Subject: a\n\nx\n", "s@site", 1057049557); }, true);
    ASSERT_EQ(status, StoreStatus::kOk);
    EXPECT_EQ(folder.Read("u.mbx"), "From s@site Tue Jul  1 08:52:37 2003\nSubject: a\n\nx\n\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

TEST(MailboxStore, AMissingMailboxIsCreatedOnlyWhenAsked)
{
    TempFolder folder;
    std::string path = folder.File("none.mbx");
    EXPECT_EQ(ChangeMailbox(
                  path, [](Mailbox&) { return true; }, false),
        StoreStatus::kMissing);
    EXPECT_FALSE(std::filesystem::exists(path));
    std::optional<Mailbox> box;
    EXPECT_EQ(LoadMailbox(path, box), StoreStatus::kMissing);
    EXPECT_FALSE(box);
}

TEST(MailboxStore, ARefusedChangeWritesNothing)
{
    TempFolder folder;
    folder.Write("u.mbx", "Subject: bare\n\nbody");
    EXPECT_EQ(ChangeMailbox(
                  folder.File("u.mbx"), [](Mailbox& box) { return box.DeleteAttachment(0, 0); }, false),
        StoreStatus::kUnchanged);
    EXPECT_EQ(folder.Read("u.mbx"), "Subject: bare\n\nbody");
}

TEST(MailboxStore, ReadsStopAtTheLimitExactly)
{
    TempFolder folder;
    folder.Write("f", std::string(100, 'a'));
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(folder.File("f"), 100, bytes), StoreStatus::kOk);
    EXPECT_EQ(bytes.size(), 100u);
    EXPECT_EQ(ReadFileBytes(folder.File("f"), 99, bytes), StoreStatus::kTooLarge);
    EXPECT_TRUE(bytes.empty());
}

TEST(MailboxStore, AHeldLockMakesOthersWaitAndThenGiveUp)
{
    TempFolder folder;
    std::string path = folder.File("u.mbx");
    MailboxLock held(path, 0);
    ASSERT_TRUE(held.Held());
    MailboxLock second(path, 20);
    EXPECT_FALSE(second.Held());
}

TEST(MailboxStore, TwoWritersAtOnceLoseNoMessage)
{
    TempFolder folder;
    std::string path = folder.File("u.mbx");
    constexpr int kEach = 40;
    auto writer = [&](const std::string& who) {
        for (int i = 0; i < kEach; ++i) {
            std::string message = "Subject: " + who + std::to_string(i) + "\n\nbody\n";
            StoreStatus status = ChangeMailbox(
                path, [&](Mailbox& box) { return box.Append(message, who, 0); }, true);
            EXPECT_EQ(status, StoreStatus::kOk);
        }
    };
    std::thread a(writer, "a"), b(writer, "b");
    a.join();
    b.join();
    std::optional<Mailbox> box;
    ASSERT_EQ(LoadMailbox(path, box), StoreStatus::kOk);
    ASSERT_EQ(box->Count(), 2u * kEach);
    int fromA = 0;
    for (std::size_t i = 0; i < box->Count(); ++i)
        if (box->Field(i, "Subject")[0] == 'a')
            ++fromA;
    EXPECT_EQ(fromA, kEach);
}
