// The column list's block-wise row storage against a plain vector doing the same operations.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "col_list_rows.h"

namespace {

std::unique_ptr<ColListItem> Row(const std::string& text)
{
    auto item = std::make_unique<ColListItem>(text, 2, 0);
    item->sortKey = text.substr(0, text.find('\t'));
    return item;
}

std::vector<std::string> Texts(const ColListRows& rows)
{
    std::vector<std::string> texts;
    for (int i = 0; i < rows.Count(); ++i)
        texts.push_back(rows.At(i) ? rows.At(i)->text : "<null>");
    return texts;
}

TEST(ColListRows, PositionsOutsideTheRowsAreRefused)
{
    ColListSortOrder order;
    ColListRows rows(order);
    EXPECT_EQ(nullptr, rows.At(0));
    EXPECT_FALSE(rows.Insert(1, Row("a")));
    EXPECT_FALSE(rows.Insert(-1, Row("a")));
    EXPECT_FALSE(rows.Insert(0, nullptr));
    EXPECT_TRUE(rows.Insert(0, Row("a")));
    EXPECT_EQ(nullptr, rows.At(1));
    EXPECT_EQ(nullptr, rows.At(-1));
    EXPECT_EQ(nullptr, rows.Remove(1));
    EXPECT_EQ(1, rows.Count());
}

// A sorted list box stops its search at the first equal row it meets and puts the new row
// before it; owners see that order, so the rows are placed the same way.
TEST(ColListRows, SortedPlacesAreFoundAsASortedListBoxFindsThem)
{
    ColListSortOrder order;
    ColListRows rows(order);
    for (const char* text : {"b\t1", "a\t1", "b\t2", "c\t1", "a\t2", "b\t3"}) {
        auto item = Row(text);
        int at = rows.SortedPosition(*item);
        ASSERT_TRUE(rows.Insert(at, std::move(item)));
    }
    EXPECT_EQ((std::vector<std::string> {"a\t2", "a\t1", "b\t3", "b\t2", "b\t1", "c\t1"}), Texts(rows));
}

// In sorted rows the block-wise search gives the same place as the plain one, ties included,
// whether the equal rows sit inside one block or across a block boundary, and for text keys
// that agree in their first eight bytes or differ only in length.
TEST(ColListRows, TheBlockWiseSearchPlacesRowsAsThePlainOne)
{
    struct Case {
        SortType type;
        SortDirection direction;
        int keys;
        const char* prefix;
    };
    for (Case c : {Case {SortType::Numeric, SortDirection::Ascending, 3, ""},
             Case {SortType::Numeric, SortDirection::Descending, 40, ""},
             Case {SortType::Numeric, SortDirection::Ascending, 5000, ""},
             Case {SortType::Text, SortDirection::Ascending, 700, "10.1.1."},
             Case {SortType::Text, SortDirection::Descending, 50, "\xE9same-prefix"},
             Case {SortType::Text, SortDirection::Ascending, 90, nullptr}}) {
        const int keys = c.keys;
        ColListSortOrder order;
        ColListRows rows(order);
        order.type = c.type;
        order.direction = c.direction;
        std::mt19937 random(static_cast<unsigned>(keys));
        for (int i = 0; i < 3000; ++i) {
            // Without a prefix each key starts with a byte of its own, high bit or not.
            std::string prefix = c.prefix ? c.prefix : std::string(1, static_cast<char>(1 + random() % 255));
            auto item = Row(prefix + std::to_string(random() % keys) + "\t" + std::to_string(i));
            int plain = rows.SortedPosition(*item, false);
            int blockWise = rows.SortedPosition(*item, true);
            ASSERT_EQ(plain, blockWise) << keys << " " << i;
            ASSERT_TRUE(rows.Insert(blockWise, std::move(item)));
        }
        for (int i = 1; i < rows.Count(); ++i)
            ASSERT_LE(order.Compare(*rows.At(i - 1), *rows.At(i)), 0) << keys << " " << i;
    }
}

// Thousands of rows across many blocks: inserts at the front, the back, the middle and in
// sorted places, removals and a reorder, checked row by row against a vector.
TEST(ColListRows, ManyBlocksAgreeWithAPlainVector)
{
    ColListSortOrder order;
    ColListRows rows(order);
    std::vector<std::string> model;
    std::mt19937 random(5);
    for (int i = 0; i < 6000; ++i) {
        std::string text = std::to_string(random() % 1000) + "\t" + std::to_string(i);
        int at = 0;
        switch (i % 4) {
        case 0: at = 0; break;
        case 1: at = rows.Count(); break;
        case 2: at = static_cast<int>(random() % (model.size() + 1)); break;
        default: at = static_cast<int>(random() % (model.size() + 1)); break;
        }
        ASSERT_TRUE(rows.Insert(at, Row(text)));
        model.insert(model.begin() + at, text);
    }
    for (int i = 0; i < 2500; ++i) {
        int at = static_cast<int>(random() % model.size());
        auto removed = rows.Remove(at);
        ASSERT_NE(nullptr, removed);
        ASSERT_EQ(model[static_cast<size_t>(at)], removed->text);
        model.erase(model.begin() + at);
    }
    ASSERT_EQ(static_cast<int>(model.size()), rows.Count());
    EXPECT_EQ(model, Texts(rows));
    // Reading backwards, in strides across the blocks, finds the same rows.
    for (int i = rows.Count() - 1; i >= 0; i -= 97)
        ASSERT_EQ(model[static_cast<size_t>(i)], rows.At(i)->text) << i;

    std::vector<ColListItem*> all = rows.All();
    std::vector<ColListItem*> reversed(all.rbegin(), all.rend());
    rows.Reorder(reversed);
    std::vector<std::string> backwards(model.rbegin(), model.rend());
    EXPECT_EQ(backwards, Texts(rows));
    // After a reorder the rows still take new rows in their sorted places.
    order.Sort(reversed);
    rows.Reorder(reversed);
    for (int i = 0; i < 300; ++i) {
        auto item = Row(std::to_string(random() % 1000));
        int at = rows.SortedPosition(*item, true);
        ASSERT_TRUE(rows.Insert(at, std::move(item)));
    }
    for (int i = 1; i < rows.Count(); ++i)
        ASSERT_LE(order.Compare(*rows.At(i - 1), *rows.At(i)), 0) << i;
    rows.Clear();
    EXPECT_EQ(0, rows.Count());
    EXPECT_EQ(nullptr, rows.At(0));
}

}  // namespace
