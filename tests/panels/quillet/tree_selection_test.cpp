// What a scan over the tree visits: drive and share paths, folders and files by their states,
// mailboxes, and the file list's kinds.
#include <gtest/gtest.h>

#include "file_list_kind.h"
#include "tree_selection.h"

using namespace scan_tree;

namespace {

struct Tree {
    ScanTreeNode computer, network;
    ScanTreeNode *a, *c, *docs, *share;
    Tree()
    {
        computer.kind = network.kind = kNodeRoot;
        a = &computer.AddChild(kNodeDrive, kImageRemovable, "A:", "A:\\");
        c = &computer.AddChild(kNodeDrive, kImageFixed, "C:", "C:\\");
        SetState(*c, kSelected);
        MergeChildren(*c, {"DOCS", "TEMP"}, kNodeDirectory, kImageDirectory);
        docs = c->FindChild("DOCS");
        ScanTreeNode& provider = network.AddChild(kNodeProvider, kImageProvider, "Microsoft Windows Network", "");
        // A domain between the provider and its servers.
        ScanTreeNode& domain = provider.AddChild(kNodeProvider, kImageProvider, "SALES", "");
        ScanTreeNode& server = domain.AddChild(kNodeServer, kImageServer, "ALPHA", "\\\\ALPHA\\");
        share = &server.AddChild(kNodeShare, kImageShare, "\\\\ALPHA\\DATA", "\\\\ALPHA\\DATA\\");
        server.AddChild(kNodeShare, kImageShare, "\\\\ALPHA\\ADMIN$", "\\\\ALPHA\\ADMIN$\\");
        UpdateSummaries(*share);
    }
};

TEST(TreeSelection, PathsAreTheDrivesAndSharesThatAreNotUnselected)
{
    Tree t;
    EXPECT_EQ((std::vector<std::string> {"C:\\"}), TreeSelection(&t.computer, &t.network).Paths());
    ToggleNode(*t.share);
    ToggleNode(*t.a);
    EXPECT_EQ((std::vector<std::string> {"A:\\", "C:\\", "\\\\ALPHA\\DATA\\"}),
        TreeSelection(&t.computer, &t.network).Paths());
}

TEST(TreeSelection, UnselectedFoldersAndFilesAreLeftOutOfTheWalk)
{
    Tree t;
    ToggleNode(*t.c->FindChild("TEMP"));
    ToggleFile(*t.docs, "keep.doc");
    const TreeSelection selection(&t.computer, &t.network);
    EXPECT_TRUE(selection.Includes("C:\\", "DOCS", true));
    EXPECT_FALSE(selection.Includes("C:\\", "temp", true));
    EXPECT_TRUE(selection.Includes("c:\\", "autoexec.bat", false));
    // Not yet listed in the tree: follows the drive's own state.
    EXPECT_TRUE(selection.Includes("C:\\", "WINDOWS", true));
    EXPECT_FALSE(selection.Includes("C:\\DOCS", "KEEP.DOC", false));
    EXPECT_TRUE(selection.Includes("C:\\DOCS\\", "other.doc", false));
    // Inside a folder the tree does not know, everything is taken.
    EXPECT_TRUE(selection.Includes("C:\\WINDOWS\\SYSTEM", "x.dll", false));
}

TEST(TreeSelection, AFolderTickedUnderAnUnselectedDriveIsTheOnlyThingTaken)
{
    Tree t;
    ToggleNode(*t.c);
    ToggleNode(*t.docs);
    const TreeSelection selection(&t.computer, nullptr);
    EXPECT_EQ((std::vector<std::string> {"C:\\"}), selection.Paths());
    EXPECT_FALSE(selection.Includes("C:\\", "config.sys", false));
    EXPECT_FALSE(selection.Includes("C:\\", "WINDOWS", true));
    EXPECT_TRUE(selection.Includes("C:\\", "DOCS", true));
    EXPECT_TRUE(selection.Includes("C:\\DOCS", "a.doc", false));
}

TEST(TreeSelection, MailboxesOfAnUnlistedRootAreAllOrNone)
{
    ScanTreeNode mail;
    mail.kind = kNodeMailRoot;
    const std::vector<std::string> all {"ANNA", "BORIS"};
    EXPECT_TRUE(SelectedMailboxes(mail, all).empty());
    SetState(mail, kSelected);
    EXPECT_EQ(all, SelectedMailboxes(mail, all));
    MergeChildren(mail, all, kNodeMailbox, kImageMailbox);
    ToggleNode(*mail.children[0]);
    EXPECT_EQ((std::vector<std::string> {"BORIS"}), SelectedMailboxes(mail, all));
}

FileKindRules Rules()
{
    FileKindRules rules;
    rules.plain.renameExtension = "AVB";
    rules.plain.executables = {"EXE", "COM"};
    rules.scanArchives = true;
    rules.scanMailDatabases = true;
    rules.mailAgentConnected = true;
    rules.archiveType = [](const std::string& name) { return name.find("ZIP") != std::string::npos ? 1 : 0; };
    rules.isMailDatabaseExtension = [](const std::string& extension) { return scan_rules::EqualNoCase(extension, "NSF"); };
    return rules;
}

TEST(FileListKind, KindsAreDecidedInTheScansOrder)
{
    FileKindRules rules = Rules();
    EXPECT_EQ(kFileNotListed, KindOfFile("OLD.AVB", rules));
    EXPECT_EQ(kFileNotListed, KindOfFile("OLD.AV3", rules));
    EXPECT_EQ(kFileExecutable, KindOfFile("RUN.EXE", rules));
    EXPECT_EQ(kFileExecutable, KindOfFile("RUN.EX_", rules));
    EXPECT_EQ(kFileArchive, KindOfFile("PACK.ZIP", rules));
    EXPECT_EQ(kFileMailDatabase, KindOfFile("mail.nsf", rules));
    EXPECT_EQ(kFilePlain, KindOfFile("README", rules));
    EXPECT_EQ(kFilePlain, KindOfFile("NOTE.TXT", rules));
}

TEST(FileListKind, SwitchedOffContainersAndExecutablesOnlyLeaveFilesOut)
{
    FileKindRules rules = Rules();
    rules.scanArchives = false;
    rules.mailAgentConnected = false;
    rules.plain.executablesOnly = true;
    EXPECT_EQ(kFileNotListed, KindOfFile("PACK.ZIP", rules));
    EXPECT_EQ(kFileNotListed, KindOfFile("mail.nsf", rules));
    EXPECT_EQ(kFileNotListed, KindOfFile("README", rules));
    EXPECT_EQ(kFileExecutable, KindOfFile("RUN.COM", rules));
    // An archive needs an extension to be listed as one.
    rules.scanArchives = true;
    EXPECT_EQ(kFileNotListed, KindOfFile("ZIPPED", rules));
}

}  // namespace
