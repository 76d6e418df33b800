// The broadcast and event-log pages on the recording core and a fake network: the browse tree,
// the sorted list, Add / Add All / Remove with their record bytes, and the refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "broadcast_page.h"
#include "broadcast_record.h"
#include "event_log_page.h"
#include "network_page_fixture.h"
#include "network_pages_ids.h"
#include "ui_actions.h"

namespace {

std::vector<BYTE> Records(const std::vector<std::string>& names)
{
    std::vector<BYTE> bytes(names.size() * sizeof(BroadcastRecord));
    for (std::size_t i = 0; i < names.size(); ++i)
        std::memcpy(bytes.data() + i * sizeof(BroadcastRecord), names[i].data(), names[i].size());
    return bytes;
}

template <class P> class RecipientsTest : public NetworkPageTest<P> {
protected:
    void SetUp() override
    {
        NetworkPageTest<P>::SetUp();
        P::LastDate().clear();
    }
    void AnswerStored(const char* function, const std::vector<std::string>& stored)
    {
        FakeAnswer answer;
        answer.count = static_cast<WORD>(stored.size());
        answer.data = Records(stored);
        this->core.Answer(function, answer);
    }
    CTreeCtrl& Tree() { return this->page->NetTree().Tree(); }
    HTREEITEM Find(HTREEITEM parent, const std::string& text)
    {
        for (HTREEITEM item = Tree().GetChildItem(parent); item; item = Tree().GetNextSiblingItem(item))
            if (Tree().GetItemText(item) == text)
                return item;
        return nullptr;
    }
    std::vector<std::string> Children(HTREEITEM parent)
    {
        std::vector<std::string> texts;
        for (HTREEITEM item = Tree().GetChildItem(parent); item; item = Tree().GetNextSiblingItem(item))
            texts.push_back(Tree().GetItemText(item));
        return texts;
    }
    // Expands the Microsoft network and one domain, and selects `server` under it.
    void SelectServer(const std::string& domain, const std::string& server)
    {
        HTREEITEM top = Tree().GetRootItem();
        Tree().Expand(top);
        HTREEITEM group = Find(top, domain);
        Tree().Expand(group);
        Tree().SelectItem(Find(group, server));
    }
    bool Enabled(UINT id) { return IsItemEnabled(this->page->m_hWnd, id); }
};

using BroadcastTest = RecipientsTest<CBrdCast>;
using EventLogTest = RecipientsTest<CEventLog>;

}  // namespace

TEST_F(BroadcastTest, TheTreeKeepsTheMicrosoftNetworkAndExpandsOneEntryAtATime)
{
    OpenPage();
    HTREEITEM top = Tree().GetRootItem();
    EXPECT_EQ((std::vector<std::string> {"Microsoft Windows Network"}), Children(TVI_ROOT));
    EXPECT_EQ((std::vector<std::string> {"Bogus Parent"}), Children(top));
    EXPECT_EQ(nullptr, page->NetTree().ItemData(Tree().GetChildItem(top)));
    Tree().Expand(top);
    EXPECT_EQ((std::vector<std::string> {"VEXDOM", "LABDOM"}), Children(top));
    HTREEITEM group = Find(top, "VEXDOM");
    EXPECT_EQ((std::vector<std::string> {"Bogus Child"}), Children(group));
    Tree().Expand(group);
    // A share is no machine to send to.
    EXPECT_EQ((std::vector<std::string> {"\\\\GAMMA", "\\\\ALPHA"}), Children(group));
    // Domains lie under the Microsoft network and expand; their servers have no children.
    EXPECT_TRUE(page->NetTree().ItemData(group)->underMicrosoft);
    EXPECT_FALSE(page->NetTree().ItemData(Find(group, "\\\\GAMMA"))->underMicrosoft);
    EXPECT_EQ(nullptr, Tree().GetChildItem(Find(group, "\\\\GAMMA")));
    for (DWORD asked : network.asked)
        EXPECT_EQ(1u, asked);
    EXPECT_EQ(0, network.openEnumerations);
    EXPECT_EQ("VEXDOM", network.opens.back().container);

    // Collapsed by the user (the left arrow on the selected item).
    Tree().SelectItem(group);
    SendMessageA(Tree().m_hWnd, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ((std::vector<std::string> {"Bogus Child"}), Children(group));
}

TEST_F(BroadcastTest, AnEnumerationErrorEndsTheListWithAMessageTitledWNetEnumResource)
{
    network.enumFailures["Microsoft Windows Network"] = ERROR_NO_NETWORK;
    OpenPage();
    CaptionPrompter prompter;
    Tree().Expand(Tree().GetRootItem());
    EXPECT_EQ((std::vector<std::string> {"VEXDOM", "LABDOM"}), Children(Tree().GetRootItem()));
    ASSERT_EQ(1u, prompter.captions.size());
    EXPECT_EQ("WNetEnumResource", prompter.captions[0]);
    EXPECT_EQ("The network could not be listed (error 1222).", prompter.texts[0]);
}

TEST_F(BroadcastTest, StoredDomainsLoseTheirStarAndTheListIsSortedByteForByte)
{
    AnswerStored("AlertGetBroadcast", {"\\\\ALPHA", "WORKGROUP*", "Zeta*"});
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"WORKGROUP", "Zeta", "\\\\ALPHA"}), page->Lines());
    EXPECT_EQ(1, core.CallsOf("AlertFreeCheckEverySetting").back().numbers.at(0));
    EXPECT_TRUE(Enabled(IDC_NET_REMOVE));
    EXPECT_TRUE(Enabled(IDC_NET_REMOVE_ALL));
    EXPECT_EQ(1, page->Enabled());

    // Saved back, the domains get their star again.
    SelectServer("VEXDOM", "\\\\GAMMA");
    Command(IDC_NET_ADD);
    const auto sets = core.CallsOf("AlertSetBroadcast");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ((std::vector<int> {4, 1}), sets[0].numbers);
    EXPECT_EQ(Records({"WORKGROUP*", "Zeta*", "\\\\ALPHA", "\\\\GAMMA"}), sets[0].bytes.at(0));
    EXPECT_FALSE(page->Modified());
}

TEST_F(BroadcastTest, ADuplicateIsRefusedOnAddButSkippedQuietlyByAddAll)
{
    AnswerStored("AlertGetBroadcast", {"\\\\GAMMA", "LABDOM*"});
    OpenPage();
    SelectServer("VEXDOM", "\\\\GAMMA");
    {
        CaptionPrompter prompter;
        Command(IDC_NET_ADD);
        EXPECT_EQ((std::vector<std::string> {"Name already exist in recipient"}), prompter.texts);
    }
    EXPECT_EQ((std::vector<std::string> {"LABDOM", "\\\\GAMMA"}), page->Lines());
    CaptionPrompter quiet;
    Command(IDC_NET_ADD_ALL);
    EXPECT_TRUE(quiet.texts.empty());
    EXPECT_EQ((std::vector<std::string> {"LABDOM", "VEXDOM", "\\\\GAMMA"}), page->Lines());
    EXPECT_EQ(Records({"LABDOM*", "VEXDOM*", "\\\\GAMMA"}), core.CallsOf("AlertSetBroadcast").back().bytes.at(0));
    EXPECT_FALSE(Enabled(IDC_NET_ADD));
    EXPECT_FALSE(Enabled(IDC_NET_ADD_ALL));
    EXPECT_TRUE(Enabled(IDC_NET_REMOVE_ALL));
}

TEST_F(BroadcastTest, AddAllBeforeTheTopIsExpandedFindsOnlyThePlaceholder)
{
    OpenPage();
    Command(IDC_NET_ADD_ALL);
    EXPECT_TRUE(page->Lines().empty());
    const auto sets = core.CallsOf("AlertSetBroadcast");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ((std::vector<int> {0, 0}), sets[0].numbers);
}

TEST_F(BroadcastTest, RemovingTheLastRecipientDisablesTheRemoveButtonsAndCommitsAnEmptyList)
{
    AnswerStored("AlertGetBroadcast", {"\\\\ALPHA"});
    OpenPage();
    SendMessageA(page->Recipients(), LB_SETCURSEL, 0, 0);
    // A double click in the list removes, as "<<Remove" does.
    page->SendMessage(
        WM_COMMAND, MAKEWPARAM(IDC_NET_RECIPIENTS, LBN_DBLCLK), reinterpret_cast<LPARAM>(page->Recipients()));
    EXPECT_TRUE(page->Lines().empty());
    EXPECT_FALSE(Enabled(IDC_NET_REMOVE));
    EXPECT_FALSE(Enabled(IDC_NET_REMOVE_ALL));
    const auto sets = core.CallsOf("AlertSetBroadcast");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ((std::vector<int> {0, 0}), sets[0].numbers);
    // With nothing selected Remove does nothing at all.
    Command(IDC_NET_REMOVE);
    EXPECT_EQ(1u, core.CallsOf("AlertSetBroadcast").size());
}

TEST_F(BroadcastTest, TogglingTwiceReturnsToOnWithoutCommitting)
{
    OpenPage();
    Command(ID_NOTIFY_TOGGLE);
    EXPECT_EQ(0, page->Enabled());
    EXPECT_TRUE(page->Modified());
    Command(ID_NOTIFY_TOGGLE);
    EXPECT_EQ(1, page->Enabled());
    EXPECT_TRUE(core.CallsOf("AlertSetBroadcast").empty());
}

TEST_F(BroadcastTest, ANameTooLongForTheRecordIsRefusedWithAMessage)
{
    const std::string longName(51, 'L');  // 52 with its star
    network.children["Microsoft Windows Network"].push_back(Resource(longName, RESOURCEDISPLAYTYPE_DOMAIN));
    OpenPage();
    Tree().Expand(Tree().GetRootItem());
    Tree().SelectItem(Find(Tree().GetRootItem(), longName));
    CaptionPrompter prompter;
    Command(IDC_NET_ADD);
    ASSERT_EQ(1u, prompter.texts.size());
    EXPECT_EQ("The name " + longName + " is too long to be a recipient: at most 51 characters are stored.",
        prompter.texts[0]);
    EXPECT_TRUE(page->Lines().empty());
}

TEST_F(EventLogTest, LoadsAMachineAndADomainAndCommitsThroughTheEventLogCalls)
{
    AnswerStored("AlertGetEventLog", {"\\\\DELTA", "VEXDOM*"});
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"VEXDOM", "\\\\DELTA"}), page->Lines());
    EXPECT_EQ(9, core.CallsOf("AlertFreeCheckEverySetting").back().numbers.at(0));
    EXPECT_TRUE(Enabled(IDC_NET_REMOVE));
    Command(IDC_NET_REMOVE_ALL);
    const auto sets = core.CallsOf("AlertSetEventLog");
    ASSERT_EQ(1u, sets.size());
    // The core stores an empty list as disabled.
    EXPECT_EQ((std::vector<int> {0, 0}), sets[0].numbers);
    EXPECT_TRUE(core.CallsOf("AlertSetBroadcast").empty());
}

TEST_F(EventLogTest, AnUnchangedDateLeavesTheListAlone)
{
    AnswerStored("AlertGetEventLog", {"\\\\DELTA"});
    OpenPage();
    const std::size_t reads = core.CallsOf("AlertGetEventLog").size();
    page->Load(0);
    EXPECT_EQ(reads, core.CallsOf("AlertGetEventLog").size());
    SetDate("2026-12-02 09:00:00");
    page->Load(0);
    EXPECT_EQ(reads + 1, core.CallsOf("AlertGetEventLog").size());
    EXPECT_TRUE(page->Lines().empty());
}
