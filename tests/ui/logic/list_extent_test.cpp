#include "ui/list_extent.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tamblor {
namespace {

using Widths = std::vector<int>;

// Every character 7 pixels wide and a stop every 40 dialog units, as the form sets it: 70 pixels.
ListExtent ListWith(const std::vector<std::string>& lines) {
  ListExtent extent([](std::string_view text) { return 7 * static_cast<int>(text.size()); });
  const int stop = 40;
  extent.OnSetTabStops({&stop, 1}, lines);
  return extent;
}

TEST(ListExtent, StopsConvertWithTheRoundedAverageCharacterWidthOfTheFont) {
  // a = (x / 26 + 1) / 2 turns from 7 to 8 at x = 390 for the 52 letters; stop s: (s * a + 2) / 4.
  for (const auto& [letters, stop, pixels] : {std::tuple{389, 40, 70}, std::tuple{390, 40, 80},
                                              std::tuple{389, 1, 2}, std::tuple{389, 3, 5}}) {
    const int stops[] = {stop};
    EXPECT_EQ(TabStopsInPixels(stops, [width = letters](std::string_view) { return width; }),
              Widths{pixels})
        << letters << " pixels, stop " << stop;
  }
}

TEST(ListExtent, TabsReachTheNextStopHoweverShortTheirFields) {
  const std::vector<std::pair<std::string, int>> lines{
      {"abc", 21}, {"a\tb", 77}, {"\t\t", 140}, {"abcdefghi\tb", 77}, {"abcdefghij\tb", 147}};
  for (const auto& [line, width] : lines)
    EXPECT_EQ(ListWith({line}).ItemWidths(), Widths{width + 6}) << line;
}

TEST(ListExtent, LinesKeepTheirWidthsInLineOrderAndTheExtentFollowsTheWidest) {
  ListExtent extent = ListWith({"a", "abc"});
  extent.OnAddString(1, "abcdefgh");  // inserted, wider
  extent.OnAddString(3, "ab");        // added, narrower
  EXPECT_EQ(extent.ItemWidths(), (Widths{13, 62, 27, 20}));
  EXPECT_EQ(extent.MaxWidth(), 62);
  extent.OnDeleteString(1, 3);  // the widest
  EXPECT_EQ(extent.ItemWidths(), (Widths{13, 27, 20}));
  EXPECT_EQ(extent.MaxWidth(), 27);
  extent.OnDeleteString(2, 2);  // another
  EXPECT_EQ(extent.MaxWidth(), 27);
}

TEST(ListExtent, DeletingEveryLineFromTheTopEndsAtZero) {
  ListExtent extent = ListWith({"abcdef", "abcdefgh", "ab", "abcdefgh"});
  for (const int width : {62, 62, 62, 0}) {
    extent.OnDeleteString(0, static_cast<int>(extent.ItemWidths().size()) - 1);
    EXPECT_EQ(extent.MaxWidth(), width);
  }
}

TEST(ListExtent, RefusedAddsAndDeletesOfMissingLinesChangeNothing) {
  ListExtent extent = ListWith({"abc"});
  extent.OnAddString(ListExtent::listError, "abcdefgh");
  extent.OnAddString(ListExtent::listErrorSpace, "abcdefgh");
  extent.OnDeleteString(1, 0);
  extent.OnDeleteString(0, ListExtent::listError);
  EXPECT_EQ(extent.ItemWidths(), Widths{27});
  EXPECT_EQ(extent.MaxWidth(), 27);
}

}  // namespace
}  // namespace tamblor
