// The file operations on an infected local file, on real files under Wine: what each leaves on
// disk when it works, and that a failure leaves the file as it was and touches no other file.
#include <gtest/gtest.h>

#include <windows.h>

#include "action_test_files.h"
#include "local_cure_session.h"
#include "local_file_actions.h"
#include "scan_test_files.h"

using namespace action_test;
using scan_test::ScratchFolder;

namespace {

const std::string kInfected = "infected bytes of the file acted on";

// A folder on another volume than the temporary folder: the memory file system of the host.
std::string OtherVolumeFolder()
{
    const std::string folder = "Z:\\dev\\shm\\quillet-actions-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return Exists(folder) ? folder : std::string();
}

void RemoveFolder(const std::string& folder)
{
    EmptyFolder(folder);
    RemoveDirectoryA(folder.c_str());
}

class LocalFileActionsTest : public ::testing::Test {
protected:
    ScratchFolder folder {"quillet-actions"};
    ScratchFolder moveFolder {"quillet-actions-move"};
    LocalFileActions actions;
};

TEST_F(LocalFileActionsTest, RenameGivesTheRenameExtensionAndKeepsTheBytes)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    ASSERT_TRUE(actions.Rename(file, "AVB"));
    EXPECT_EQ(actions.LastTarget(), folder.Path("GAME.AVB"));
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"GAME.AVB"}));
    EXPECT_EQ(Bytes(folder.Path("GAME.AVB")), kInfected);
}

TEST_F(LocalFileActionsTest, ATakenNameIsNeverOverwrittenTheFirstFreeDigitIsUsed)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    folder.Write("GAME.AVB", "the user's own B");
    folder.Write("GAME.AV0", "the user's own 0");
    ASSERT_TRUE(actions.Rename(file, "AVB"));
    EXPECT_EQ(actions.LastTarget(), folder.Path("GAME.AV1"));
    EXPECT_EQ(Bytes(folder.Path("GAME.AVB")), "the user's own B");
    EXPECT_EQ(Bytes(folder.Path("GAME.AV0")), "the user's own 0");
    EXPECT_EQ(Bytes(folder.Path("GAME.AV1")), kInfected);
    EXPECT_FALSE(Exists(file));

    // The same for a move into a folder that holds the name already.
    const std::string second = folder.Write("TOOL.EXE", kInfected);
    moveFolder.Write("TOOL.EXE", "kept");
    ASSERT_TRUE(actions.Move(second, moveFolder.Path()));
    EXPECT_EQ(Bytes(moveFolder.Path("TOOL.EXE")), "kept");
    EXPECT_EQ(Bytes(moveFolder.Path("TOOL.EX0")), kInfected);
    EXPECT_FALSE(Exists(second));
}

TEST_F(LocalFileActionsTest, WhenAllTenNumberedNamesAreTakenTheActionFailsAndNothingChanges)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    std::vector<std::string> taken = {"GAME.AVB"};
    for (char digit = '0'; digit <= '9'; ++digit)
        taken.push_back(std::string("GAME.AV") + digit);
    for (const std::string& name : taken)
        folder.Write(name, "owner's " + name);
    EXPECT_FALSE(actions.Rename(file, "AVB"));
    EXPECT_FALSE(actions.RenameAndMove(file, folder.Path(), "AVB"));
    for (const std::string& name : taken)
        EXPECT_EQ(Bytes(folder.Path(name)), "owner's " + name) << name;
    EXPECT_EQ(Bytes(file), kInfected);
    EXPECT_EQ(Names(folder.Path()).size(), taken.size() + 1);
}

TEST_F(LocalFileActionsTest, AFileNamedLikeTheOldTemporaryFileIsNeverTouched)
{
    ScratchFolder current("quillet-actions-current");
    const std::string usersFile = current.Write("zzzztemp.tmp", "a user's file that happens to have this name");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(current.Path().c_str()));
    const std::string file = folder.Write("GAME.COM", kInfected);
    folder.Write("GAME.AVB", "taken");
    const bool renamed = actions.Rename(file, "AVB");
    const std::string second = folder.Write("TOOL.EXE", kInfected);
    const bool moved = actions.RenameAndMove(second, moveFolder.Path(), "AVB");
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(renamed);
    EXPECT_TRUE(moved);
    EXPECT_EQ(Bytes(usersFile), "a user's file that happens to have this name");
    EXPECT_EQ(Names(current.Path()), (std::vector<std::string> {"zzzztemp.tmp"}));
    EXPECT_EQ(Bytes(folder.Path("GAME.AV0")), kInfected);
    EXPECT_EQ(Bytes(moveFolder.Path("TOOL.AVB")), kInfected);
}

TEST_F(LocalFileActionsTest, AFolderThatTakesNoNewFileLeavesTheFileWhereItIs)
{
    // The host's system folder refuses new files even to its administrator.
    const std::string refusing = "Z:\\sys";
    HANDLE probe = CreateFileA((refusing + "\\probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        DeleteFileA((refusing + "\\probe").c_str());
        GTEST_SKIP() << "no folder here refuses new files";
    }
    const std::string file = folder.Write("GAME.COM", kInfected);
    EXPECT_FALSE(actions.Move(file, refusing));
    EXPECT_FALSE(actions.RenameAndMove(file, refusing, "AVB"));
    EXPECT_EQ(Bytes(file), kInfected);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"GAME.COM"}));
}

TEST_F(LocalFileActionsTest, ATargetThatCannotBeCreatedLeavesTheFileWhereItIs)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    // A name too long for the file system, and a folder that is not there.
    const std::string tooLong = moveFolder.Path(std::string(250, 'L'));
    EXPECT_FALSE(actions.Move(file, tooLong));
    EXPECT_FALSE(actions.Move(file, moveFolder.Path("NOT-THERE")));
    // Every name taken by a folder: none is used, none is removed.
    CreateDirectoryA(folder.Path("GAME.AVB").c_str(), nullptr);
    for (char digit = '0'; digit <= '9'; ++digit)
        CreateDirectoryA(folder.Path(std::string("GAME.AV") + digit).c_str(), nullptr);
    EXPECT_FALSE(actions.Rename(file, "AVB"));
    EXPECT_EQ(Bytes(file), kInfected);
    EXPECT_EQ(Names(moveFolder.Path()), std::vector<std::string> {});
    EXPECT_EQ(Names(folder.Path()).size(), 12u);
    // With one of them free again, the file goes there.
    RemoveDirectoryA(folder.Path("GAME.AV7").c_str());
    ASSERT_TRUE(actions.Rename(file, "AVB"));
    EXPECT_EQ(Bytes(folder.Path("GAME.AV7")), kInfected);
}

TEST_F(LocalFileActionsTest, ALockedFileIsLeftAsItIsByEveryAction)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    LockedFile lock(file);
    ASSERT_TRUE(lock.Held());
    EXPECT_FALSE(actions.Delete(file));
    EXPECT_FALSE(actions.Purge(file));
    EXPECT_FALSE(actions.Rename(file, "AVB"));
    EXPECT_FALSE(actions.Move(file, moveFolder.Path()));
    EXPECT_FALSE(actions.RenameAndMove(file, moveFolder.Path(), "AVB"));
    EXPECT_FALSE(actions.SafeCopy(file, moveFolder.Path("COPY.COM")));
    LocalCureSession cure;
    EXPECT_EQ(cure.Open(file), INVALID_HANDLE_VALUE);
    cure.Close(INVALID_HANDLE_VALUE, false);
    lock.Release();
    EXPECT_EQ(Bytes(file), kInfected);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"GAME.COM"}));
    EXPECT_EQ(Names(moveFolder.Path()), std::vector<std::string> {});
}

TEST_F(LocalFileActionsTest, ASourceThatCannotBeRemovedLeavesNoCopyBehind)
{
    // Another program reads the file: it can be copied, but not removed.
    const std::string file = folder.Write("GAME.COM", kInfected);
    folder.Write("GAME.AVB", "taken");
    const std::string other = OtherVolumeFolder();
    {
        LockedFile reader(file, FILE_SHARE_READ);
        ASSERT_TRUE(reader.Held());
        EXPECT_FALSE(actions.Rename(file, "AVB"));
        EXPECT_FALSE(actions.RenameAndMove(file, moveFolder.Path(), "AVB"));
        if (!other.empty())
            EXPECT_FALSE(actions.Move(file, other));
    }
    const std::vector<std::string> onOtherVolume = other.empty() ? std::vector<std::string> {} : Names(other);
    RemoveFolder(other);
    EXPECT_EQ(Bytes(file), kInfected);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"GAME.AVB", "GAME.COM"}));
    EXPECT_EQ(Names(moveFolder.Path()), std::vector<std::string> {});
    EXPECT_EQ(onOtherVolume, std::vector<std::string> {});
}

TEST_F(LocalFileActionsTest, AMoveToAnotherVolumeCopiesFirstAndKeepsTheAttributes)
{
    const std::string other = OtherVolumeFolder();
    if (other.empty())
        GTEST_SKIP() << "no second volume";
    const std::string file = folder.Write("GAME.COM", kInfected);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string taken = other + "\\GAME.COM";
    std::ofstream(taken, std::ios::binary) << "already there";
    const bool moved = actions.Move(file, other);
    const std::string movedBytes = Bytes(other + "\\GAME.CO0");
    const bool readOnly = IsReadOnly(other + "\\GAME.CO0");
    const std::string kept = Bytes(taken);
    RemoveFolder(other);
    EXPECT_TRUE(moved);
    EXPECT_EQ(movedBytes, kInfected);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(kept, "already there");
    EXPECT_FALSE(Exists(file));
}

TEST_F(LocalFileActionsTest, DeleteClearsReadOnlyAndPutsItBackWhenTheDeleteFails)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    {
        LockedFile lock(file);
        EXPECT_FALSE(actions.Delete(file));
        EXPECT_FALSE(actions.Purge(file));
    }
    EXPECT_EQ(GetFileAttributesA(file.c_str()), DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(actions.Delete(file));
    EXPECT_FALSE(Exists(file));
}

TEST_F(LocalFileActionsTest, PurgeOverwritesEveryByteWithZerosBeforeTheFileGoes)
{
    // Longer than two purge blocks, so that the last block is a short one.
    const std::string content(2 * LocalFileActions::kPurgeBlockBytes + 123, 'V');
    const std::string file = folder.Write("GAME.COM", content);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    // A second name for the same data shows what the purge wrote.
    const std::string witness = folder.Path("WITNESS.BIN");
    ASSERT_TRUE(CreateHardLinkA(witness.c_str(), file.c_str(), nullptr));
    ASSERT_TRUE(actions.Purge(file));
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(Bytes(witness), std::string(content.size(), '\0'));
}

TEST_F(LocalFileActionsTest, APurgeThatCannotWriteEveryByteLeavesTheFile)
{
    const std::string content(3 * LocalFileActions::kPurgeBlockBytes, 'V');
    const std::string file = folder.Write("GAME.COM", content);
    // Another program holds a lock on the third block: the purge cannot write it.
    HANDLE holder = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(LockFile(holder, 2 * LocalFileActions::kPurgeBlockBytes + 10, 0, 100, 0));
    const bool purged = actions.Purge(file);
    UnlockFile(holder, 2 * LocalFileActions::kPurgeBlockBytes + 10, 0, 100, 0);
    CloseHandle(holder);
    EXPECT_FALSE(purged);
    ASSERT_TRUE(Exists(file));
    EXPECT_EQ(Bytes(file).size(), content.size());
}

TEST_F(LocalFileActionsTest, ACopyOntoItselfFails)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    EXPECT_FALSE(actions.SafeCopy(file, folder.Path("game.com")));
    EXPECT_FALSE(actions.Rename(file, "COM"));
    EXPECT_EQ(Bytes(file), kInfected);
}

TEST_F(LocalFileActionsTest, ACureSessionPutsTheContentBackUnlessCured)
{
    const std::string file = folder.Write("GAME.COM", kInfected);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    LocalCureSession cure;
    HANDLE handle = cure.Open(file);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    const std::string backup = cure.BackupPath();
    EXPECT_EQ(Bytes(backup), kInfected);
    // Nobody else may open the file while it is cured.
    EXPECT_EQ(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                  nullptr),
        INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(handle, "half", 4, &written, nullptr);
    cure.Close(handle, false);
    EXPECT_EQ(Bytes(file), kInfected);
    EXPECT_TRUE(IsReadOnly(file));
    EXPECT_FALSE(Exists(backup));

    handle = cure.Open(file);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    SetEndOfFile(handle);  // the cure's answer: nothing was left to keep
    cure.Close(handle, true);
    EXPECT_EQ(Bytes(file), "");
    EXPECT_TRUE(IsReadOnly(file));
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> {"GAME.COM"}));
}

}  // namespace
