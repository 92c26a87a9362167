#include "ui/list_extent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamblor {
namespace {

constexpr int charWidth = 7;  // so a stop of 40 dialog units is 70 pixels

int FixedWidth(std::string_view text) { return charWidth * static_cast<int>(text.size()); }

// A list of `lines` with a stop every 40 dialog units, as the form sets it up.
ListExtent ListWith(const std::vector<std::string>& lines) {
  ListExtent extent(FixedWidth);
  const int stop = 40;
  extent.OnSetTabStops({&stop, 1}, lines);
  return extent;
}

void Add(ListExtent& extent, std::string_view text) {
  extent.OnAddString(static_cast<int>(extent.ItemWidths().size()), text);
}

void DeleteFirst(ListExtent& extent) {
  extent.OnDeleteString(0, static_cast<int>(extent.ItemWidths().size()) - 1);
}

TEST(ListExtentTabs, TabbedWidthCountsTheExpansionToEachStop) {
  struct Row {
    std::vector<int> fields;
    std::vector<int> stops;
    int width;
  };
  const std::vector<Row> rows{
      {{10}, {70}, 10},
      {{10, 0}, {70}, 70},     // a short field still reaches its stop
      {{0, 0, 0}, {70}, 140},  // tabs alone
      {{69, 5}, {70}, 75},     // one pixel before the stop
      {{70, 5}, {70}, 145},    // on the stop: the next one
      {{71, 5}, {70}, 145},    // past it
      {{10, 10, 10}, {50, 120}, 130},
      {{10, 10, 10, 10}, {50, 120}, 250},  // beyond the last stop: its multiples
      {{10, 10}, {}, 20},                  // no stops: fields end to end
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << "first field " << row.fields[0] << ", " << row.fields.size() << " fields, "
                 << row.stops.size() << " stops");
    EXPECT_EQ(TabbedWidth(row.fields, row.stops), row.width);
  }
}

TEST(ListExtentTabs, StopsConvertWithTheAverageCharacterWidthOfTheFont) {
  struct Row {
    int alphabetWidth;
    int stop;
    int pixels;
  };
  // a = (x / 26 + 1) / 2 turns from 7 to 8 at x = 390; stops round at (s * a + 2) / 4.
  const std::vector<Row> rows{
      {389, 40, 70}, {390, 40, 80}, {389, 1, 2}, {389, 2, 4}, {389, 3, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << "52 letters " << row.alphabetWidth << " px, stop " << row.stop);
    const auto measure = [&](std::string_view) { return row.alphabetWidth; };
    const int stops[] = {row.stop};
    EXPECT_EQ(TabStopsInPixels(stops, measure), std::vector<int>{row.pixels});
  }
}

TEST(ListExtent, AWiderLineWidensTheExtentToItsWidthPlusSixANarrowerOneDoesNot) {
  ListExtent extent = ListWith({});
  Add(extent, "abcd");
  EXPECT_EQ(extent.MaxWidth(), 4 * charWidth + 6);
  Add(extent, "ab");
  EXPECT_EQ(extent.MaxWidth(), 4 * charWidth + 6);
  EXPECT_EQ(extent.ItemWidths(), (std::vector<int>{34, 20}));
}

TEST(ListExtent, ShortFieldsStillReachTheLastTabStop) {
  ListExtent extent = ListWith({});
  Add(extent, "a\tb");
  EXPECT_EQ(extent.MaxWidth(), 70 + charWidth + 6);
}

TEST(ListExtent, DeletingTheWidestLineShrinksToTheNextWidestOtherDeletionsDoNot) {
  ListExtent extent = ListWith({"abc", "abcdef", "abcde", "a"});
  extent.OnDeleteString(3, 3);
  EXPECT_EQ(extent.MaxWidth(), 6 * charWidth + 6);
  extent.OnDeleteString(1, 2);
  EXPECT_EQ(extent.MaxWidth(), 5 * charWidth + 6);
  EXPECT_EQ(extent.ItemWidths(), (std::vector<int>{27, 41}));
}

TEST(ListExtent, DeletingEveryLineFromTheTopBringsTheExtentToZero) {
  ListExtent extent = ListWith({"abcdef", "abcdefgh", "ab", "abcdefgh"});
  const std::vector<int> expected{62, 62, 62, 0};
  for (const int width : expected) {
    DeleteFirst(extent);
    EXPECT_EQ(extent.MaxWidth(), width);
  }
  EXPECT_TRUE(extent.ItemWidths().empty());
}

TEST(ListExtent, RefusedAddsAndDeletesOfMissingLinesChangeNothing) {
  ListExtent extent = ListWith({"abc"});
  extent.OnAddString(ListExtent::listError, "abcdefgh");
  extent.OnAddString(ListExtent::listErrorSpace, "abcdefgh");
  extent.OnAddString(2, "abcdefgh");
  extent.OnDeleteString(1, 0);
  extent.OnDeleteString(-1, 0);
  extent.OnDeleteString(0, ListExtent::listError);
  EXPECT_EQ(extent.ItemWidths(), std::vector<int>{27});
  EXPECT_EQ(extent.MaxWidth(), 27);
}

TEST(ListExtent, InsertedLinesKeepTheWidthsInLineOrder) {
  ListExtent extent = ListWith({"a", "abc"});
  extent.OnAddString(1, "abcdefgh");
  EXPECT_EQ(extent.ItemWidths(), (std::vector<int>{13, 62, 27}));
  extent.OnDeleteString(1, 2);
  EXPECT_EQ(extent.ItemWidths(), (std::vector<int>{13, 27}));
  EXPECT_EQ(extent.MaxWidth(), 27);
}

TEST(ListExtent, NewTabStopsMeasureEveryLineAgain) {
  ListExtent extent = ListWith({"a\tb", "abc"});
  EXPECT_EQ(extent.MaxWidth(), 83);
  const int stop = 20;  // 35 pixels
  extent.OnSetTabStops({&stop, 1}, std::vector<std::string>{"a\tb", "abc"});
  EXPECT_EQ(extent.TabStops(), std::vector<int>{35});
  EXPECT_EQ(extent.ItemWidths(), (std::vector<int>{48, 27}));
  EXPECT_EQ(extent.MaxWidth(), 48);
  extent.OnSetTabStops({}, std::vector<std::string>{"a\tb"});
  EXPECT_EQ(extent.TabCount(), 0);
  EXPECT_EQ(extent.ItemWidths(), std::vector<int>{20});
}

TEST(ListExtentColumns, ColumnsStartAtStopsBeyondTheirWidestPaddedField) {
  // Fields of 15 and 14 characters (105 and 98 px) end between the first and second stop.
  ListExtent extent = ListWith({"R1 (E96) = 4k75\tR2 (E24) = 10k\tin parallel",
                                "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series"});
  EXPECT_EQ(extent.ColumnWidths(8), (std::vector<int>{140, 140, 11 * charWidth + 8}));
  // A field whose padding crosses a stop moves the next column one stop on.
  ListExtent tight = ListWith({"abcdefghi\tx"});  // 63 + 8 > 70
  EXPECT_EQ(tight.ColumnWidths(8), (std::vector<int>{140, charWidth + 8}));
}

TEST(ListExtentColumns, TheColumnsReachTheWidestLine) {
  ListExtent lone = ListWith({"no exact matches found"});
  EXPECT_EQ(lone.ColumnWidths(8), std::vector<int>{22 * charWidth + 8});
  EXPECT_EQ(lone.ColumnWidths(0), std::vector<int>{22 * charWidth + 6});
  EXPECT_EQ(ListWith({}).ColumnWidths(8), std::vector<int>{0});
  // A lone field is never cut: the next column moves on to a stop beyond it.
  ListExtent mixed = ListWith({"a\tb", std::string(30, 'x')});
  EXPECT_EQ(mixed.ColumnWidths(8), (std::vector<int>{280, charWidth + 8}));
}

}  // namespace
}  // namespace tamblor
