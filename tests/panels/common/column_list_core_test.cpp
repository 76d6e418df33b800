// Row texts, sort keys and column geometry of the column list.
#include <gtest/gtest.h>

#include "col_list_columns.h"
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

}  // namespace
