// Row texts, sort keys and column geometry of the column list.
#include <gtest/gtest.h>

#include "col_list_columns.h"
#include "col_list_sort_order.h"
#include "column_text.h"
#include "sort_key.h"

namespace {

TEST(ColumnText, FieldsAreCountedFromZeroBetweenTabs)
{
    EXPECT_EQ("alpha", ColumnText("alpha\tbeta\tgamma", 0));
    EXPECT_EQ("beta", ColumnText("alpha\tbeta\tgamma", 1));
    EXPECT_EQ("gamma", ColumnText("alpha\tbeta\tgamma", 2));
    EXPECT_EQ("", ColumnText("alpha\t\tgamma", 1));
    EXPECT_EQ("", ColumnText("alpha\tbeta\t", 2));
}

TEST(ColumnText, MissingFieldsAreEmpty)
{
    EXPECT_EQ("", ColumnText("alpha\tbeta", 2));
    EXPECT_EQ("", ColumnText("", 0));
    EXPECT_EQ("", ColumnText("alpha", -1));
}

TEST(ColumnText, ReplacingKeepsTheOtherFields)
{
    EXPECT_EQ("alpha\tB\tgamma", ReplaceColumnText("alpha\tbeta\tgamma", 1, "B"));
    EXPECT_EQ("A\tbeta", ReplaceColumnText("alpha\tbeta", 0, "A"));
    EXPECT_EQ("alpha\tbeta\tC", ReplaceColumnText("alpha\tbeta\tgamma", 2, "C"));
    EXPECT_EQ("alpha\t\t\tD", ReplaceColumnText("alpha", 3, "D"));
    EXPECT_EQ("alpha\tx", ReplaceColumnText("alpha\t", 1, "x"));
}

TEST(SortKey, NumericKeysCompareByLeadingDigits)
{
    EXPECT_LT(CompareSortKeys("9", "10", SortType::Numeric, SortDirection::Ascending), 0);
    EXPECT_GT(CompareSortKeys("9", "10", SortType::Numeric, SortDirection::Descending), 0);
    EXPECT_EQ(0, CompareSortKeys("12kB", "12", SortType::Numeric, SortDirection::Ascending));
    EXPECT_EQ(0, CompareSortKeys("none", "", SortType::Numeric, SortDirection::Ascending));
    EXPECT_LT(CompareSortKeys("x5", "1", SortType::Numeric, SortDirection::Ascending), 0);
    EXPECT_EQ(0, LeadingNumber("-5"));
    EXPECT_GT(LeadingNumber("99999999999999999999999"), 0);
}

TEST(SortKey, TextKeysAreCaseSensitiveByteOrder)
{
    EXPECT_LT(CompareSortKeys("B", "a", SortType::Text, SortDirection::Ascending), 0);
    EXPECT_GT(CompareSortKeys("B", "a", SortType::Text, SortDirection::Descending), 0);
    EXPECT_LT(CompareSortKeys("10", "9", SortType::Text, SortDirection::Ascending), 0);
    EXPECT_LT(CompareSortKeys("abc", "abcd", SortType::Text, SortDirection::Ascending), 0);
    EXPECT_EQ(0, CompareSortKeys("same", "same", SortType::Text, SortDirection::Descending));
    // Bytes above 127 sort after ASCII, not before it as signed characters would.
    EXPECT_LT(CompareSortKeys("z", "\xe9", SortType::Text, SortDirection::Ascending), 0);
}

TEST(SortKey, DoubleByteCharactersCompareAsUnits)
{
    LeadByteTable lead;
    for (int b = 0x81; b <= 0x9F; ++b)
        lead.set(b);
    // As bytes, 0x81 0x40 is below 0xA0; as a unit (0x8140) it is above every single byte.
    EXPECT_GT(CompareMultibyte("\x81\x40", "\xA0", lead), 0);
    EXPECT_LT(CompareMultibyte("\x81\x40", "\xA0", LeadByteTable()), 0);
    EXPECT_LT(CompareMultibyte("\x81\x40", "\x81\x41", lead), 0);
    // A lead byte at the very end stands alone.
    EXPECT_LT(CompareMultibyte("\x81", "\x81\x40", lead), 0);
}

ColListColumns ThreeColumns()
{
    ColListColumns columns(3);
    columns.SetWidth(0, 100);
    columns.SetWidth(1, 50);
    columns.SetWidth(2, 80);
    return columns;
}

TEST(ColListColumns, WidthsGiveCumulativeRightEdges)
{
    ColListColumns columns = ThreeColumns();
    EXPECT_EQ(100, columns[0].rightEdge);
    EXPECT_EQ(150, columns[1].rightEdge);
    EXPECT_EQ(230, columns[2].rightEdge);
    EXPECT_EQ(230, columns.TotalWidth());
    EXPECT_FALSE(columns.SetWidth(3, 10));
    EXPECT_FALSE(columns.SetWidth(-1, 10));
    columns.SetWidth(0, 10);
    EXPECT_EQ(60, columns[1].rightEdge);
}

TEST(ColListColumns, BoundaryIsFoundWithinFivePixelsFromTheLastColumn)
{
    ColListColumns columns = ThreeColumns();
    EXPECT_EQ(0, columns.BoundaryAt(95, 0));
    EXPECT_EQ(0, columns.BoundaryAt(105, 0));
    EXPECT_EQ(-1, columns.BoundaryAt(106, 0));
    EXPECT_EQ(1, columns.BoundaryAt(160, -10));  // scrolled: edge 150 shows at 160
    columns[0].headerFormat = ColListColumn::kNoResize;
    EXPECT_EQ(-1, columns.BoundaryAt(100, 0));

    // Narrow columns: both boundaries within reach, the last column wins.
    ColListColumns narrow(2);
    narrow.SetWidth(0, 4);
    narrow.SetWidth(1, 3);
    EXPECT_EQ(1, narrow.BoundaryAt(5, 0));
}

TEST(ColListColumns, ButtonsSpanFromAfterThePreviousEdge)
{
    ColListColumns columns = ThreeColumns();
    EXPECT_EQ(-1, columns.ButtonAt(0, 0));
    EXPECT_EQ(0, columns.ButtonAt(1, 0));
    EXPECT_EQ(0, columns.ButtonAt(100, 0));
    EXPECT_EQ(1, columns.ButtonAt(101, 0));
    EXPECT_EQ(2, columns.ButtonAt(230, 0));
    EXPECT_EQ(-1, columns.ButtonAt(231, 0));
    EXPECT_EQ(1, columns.ButtonAt(91, 10));
}

TEST(ColListColumns, DraggingLeftOfTheColumnLeavesFivePixels)
{
    ColListColumns columns = ThreeColumns();
    EXPECT_EQ(5, columns.DraggedWidth(1, 20, 0));
    EXPECT_EQ(5, columns.DraggedWidth(1, 102, 0));
    EXPECT_EQ(70, columns.DraggedWidth(1, 170, 0));
    EXPECT_EQ(70, columns.DraggedWidth(1, 160, 10));
}

std::vector<std::string> Texts(const std::vector<ColListItem*>& items)
{
    std::vector<std::string> texts;
    for (const ColListItem* item : items)
        texts.push_back(item->text);
    return texts;
}

TEST(ColListSortOrder, ReSortRecomputesKeysFromTheKeyColumn)
{
    ColListItem a("a\t10", 2, 0), b("b\t9", 2, 0), c("c", 2, 0);
    std::vector<ColListItem*> items = {&a, &b, &c};
    ColListSortOrder order;
    order.keyColumn = 1;
    order.type = SortType::Numeric;
    order.Sort(items);
    EXPECT_EQ("9", b.sortKey);
    EXPECT_EQ("", c.sortKey);  // missing field: key 0
    EXPECT_EQ((std::vector<std::string> {"c", "b\t9", "a\t10"}), Texts(items));
    order.direction = SortDirection::Descending;
    order.Sort(items);
    EXPECT_EQ((std::vector<std::string> {"a\t10", "b\t9", "c"}), Texts(items));
}

TEST(ColListSortOrder, TiesKeepTheirOrderAndComparisonsAreCounted)
{
    ColListItem x("x\t1", 2, 0), y("y\t1", 2, 0), z("z\t0", 2, 0);
    std::vector<ColListItem*> items = {&y, &x, &z};
    ColListSortOrder order;
    order.keyColumn = 1;
    order.Sort(items);
    EXPECT_EQ((std::vector<std::string> {"z\t0", "y\t1", "x\t1"}), Texts(items));
    EXPECT_GT(order.Comparisons(), 0u);
    order.ResetComparisons();
    EXPECT_EQ(0u, order.Comparisons());
    EXPECT_EQ(0, order.Compare(x, y));
    EXPECT_EQ(1u, order.Comparisons());
}

TEST(ColListSortOrder, SortingThousandsOfRowsStaysNearNLogN)
{
    std::vector<ColListItem> rows;
    for (int i = 0; i < 4096; ++i)
        rows.emplace_back(std::to_string((i * 7919) % 4096), 1, 0);
    std::vector<ColListItem*> items;
    for (ColListItem& row : rows)
        items.push_back(&row);
    ColListSortOrder order;
    order.type = SortType::Numeric;
    order.Sort(items);
    for (size_t i = 0; i < items.size(); ++i)
        ASSERT_EQ(std::to_string(i), items[i]->text);
    // 4096 * log2(4096) = 49152; a quadratic sort would need millions.
    EXPECT_LT(order.Comparisons(), 2u * 49152u);
}

TEST(ColListSortOrder, PositionsAreFoundByRecordNotByText)
{
    ColListItem a("same", 1, 0), b("same", 1, 0), c("other", 1, 0), gone("gone", 1, 0);
    std::vector<ColListItem*> items = {&c, &a, &b};
    EXPECT_EQ((std::vector<int> {0, 2}), PositionsOf(items, {&b, &c}));
    EXPECT_EQ((std::vector<int> {1}), PositionsOf(items, {&gone, &a}));
    EXPECT_TRUE(PositionsOf(items, {}).empty());
}

TEST(ColListItem, ImageArraysHaveOneEntryPerColumn)
{
    ColListItem item("text", 3, 0x123456);
    EXPECT_EQ(3, item.ColumnCount());
    EXPECT_EQ(3u, item.masks.size());
    EXPECT_EQ(nullptr, item.images[2]);
    EXPECT_EQ(0x123456u, item.textColour);
    EXPECT_EQ(0, item.check);
    EXPECT_EQ(0, ColListItem("x", -2, 0).ColumnCount());
}

}  // namespace
