// The tree's selection states: summaries, the effective state, double clicks and refreshed listings.
#include <gtest/gtest.h>

#include "scan_tree_node.h"

using namespace scan_tree;

namespace {

struct Drive {
    ScanTreeNode root;
    ScanTreeNode* drive;
    ScanTreeNode* docs;
    ScanTreeNode* games;
    Drive()
    {
        root.kind = kNodeRoot;
        drive = &root.AddChild(kNodeDrive, kImageFixed, "C:", "C:\\");
        SetState(*drive, kSelected);
        MergeChildren(*drive, {"DOCS", "GAMES"}, kNodeDirectory, kImageDirectory);
        docs = drive->FindChild("DOCS");
        games = drive->FindChild("games");
    }
};

TEST(ScanTreeStates, EffectiveStateFollowsOwnStateWhenSummaryAgreesOrNothingIsBelow)
{
    ScanTreeNode node;
    for (int state : {kUnselected, kSelected}) {
        node.state = state;
        node.summary = kNothingBelow;
        EXPECT_EQ(state, EffectiveState(node));
        node.summary = state;
        EXPECT_EQ(state, EffectiveState(node));
    }
    node.state = kSelected;
    node.summary = kUnselected;
    EXPECT_EQ(kPartlySelected, EffectiveState(node));
    node.summary = kPartlySelected;
    EXPECT_EQ(kPartlySelected, EffectiveState(node));
    node.state = kUnselected;
    node.summary = kSelected;
    EXPECT_EQ(kPartlySelected, EffectiveState(node));
}

TEST(ScanTreeStates, NewFoldersTakeTheirParentsStateAndPathsEndInABackslash)
{
    Drive c;
    EXPECT_EQ(kSelected, c.docs->state);
    EXPECT_EQ("C:\\DOCS\\", c.docs->path);
    EXPECT_EQ("C:\\DOCS\\OLD\\", ChildPath(c.docs->path, "OLD"));
    EXPECT_EQ("\\\\ALPHA\\DATA\\", ChildPath("\\\\ALPHA", "DATA"));
    EXPECT_EQ(kSelected, EffectiveState(*c.drive));
    // The root's own state is still unselected.
    EXPECT_EQ(kPartlySelected, EffectiveState(c.root));
}

TEST(ScanTreeStates, DeselectingOneFolderMakesEveryNodeAbovePartlySelected)
{
    Drive c;
    ToggleNode(*c.games);
    EXPECT_EQ(kUnselected, EffectiveState(*c.games));
    EXPECT_EQ(kSelected, c.drive->state);
    EXPECT_EQ(kPartlySelected, EffectiveState(*c.drive));
    EXPECT_EQ(kPartlySelected, EffectiveState(c.root));
    // The other folder is left as it was.
    EXPECT_EQ(kSelected, EffectiveState(*c.docs));
}

TEST(ScanTreeStates, DoubleClickOnAPartlySelectedNodeSelectsItsWholeSubtree)
{
    Drive c;
    MergeChildren(*c.games, {"SAVES"}, kNodeDirectory, kImageDirectory);
    ToggleNode(*c.games->children[0]);
    ASSERT_EQ(kPartlySelected, EffectiveState(*c.drive));
    ToggleNode(*c.drive);
    EXPECT_EQ(kSelected, EffectiveState(*c.drive));
    EXPECT_EQ(kSelected, c.games->children[0]->state);
    ToggleNode(*c.drive);
    EXPECT_EQ(kUnselected, EffectiveState(*c.drive));
    EXPECT_EQ(kUnselected, c.games->children[0]->state);
    EXPECT_EQ(kUnselected, EffectiveState(c.root));
}

TEST(ScanTreeStates, SelectingEveryChildOfAnUnselectedNodeStillLeavesItPartly)
{
    // The node's own files stay unselected, so the scan visits it without scanning them.
    ScanTreeNode root;
    ScanTreeNode& a = root.AddChild(kNodeDrive, kImageFixed, "A:", "A:\\");
    ToggleNode(a);
    EXPECT_EQ(kSelected, EffectiveState(a));
    EXPECT_EQ(kUnselected, root.state);
    EXPECT_EQ(kPartlySelected, EffectiveState(root));
}

TEST(ScanTreeStates, FileDoubleClicksAreExceptionsOfTheirFolder)
{
    Drive c;
    EXPECT_TRUE(FileSelected(*c.docs, "memo.doc"));
    ToggleFile(*c.docs, "memo.doc");
    EXPECT_FALSE(FileSelected(*c.docs, "MEMO.DOC"));
    EXPECT_TRUE(FileSelected(*c.docs, "other.doc"));
    EXPECT_EQ(kPartlySelected, EffectiveState(*c.docs));
    EXPECT_EQ(kPartlySelected, EffectiveState(*c.drive));
    ToggleFile(*c.docs, "Memo.Doc");
    EXPECT_EQ(kSelected, EffectiveState(*c.docs));
    EXPECT_EQ(kSelected, EffectiveState(*c.drive));
    // A double click on the partly selected drive selects it whole, exceptions below it dropped.
    ToggleFile(*c.docs, "memo.doc");
    ToggleNode(*c.drive);
    EXPECT_TRUE(FileSelected(*c.docs, "memo.doc"));
    EXPECT_TRUE(c.docs->fileExceptions.empty());
}

TEST(ScanTreeStates, ARefreshedListingKeepsKnownChildrenAndReportsTheGoneOnes)
{
    Drive c;
    ToggleNode(*c.games);
    c.docs->item = 11;
    c.games->item = 12;
    const MergeResult result = MergeChildren(*c.drive, {"games", "NEW"}, kNodeDirectory, kImageDirectory);
    ASSERT_EQ(2u, c.drive->children.size());
    EXPECT_EQ(kUnselected, c.drive->children[0]->state);
    EXPECT_EQ(12u, c.drive->children[0]->item);
    ASSERT_EQ(1u, result.added.size());
    EXPECT_EQ("NEW", result.added[0]->name);
    EXPECT_EQ(kSelected, result.added[0]->state);
    EXPECT_EQ((std::vector<std::uintptr_t> {11}), result.removedItems);
    EXPECT_EQ(kPartlySelected, EffectiveState(*c.drive));
}

}  // namespace
