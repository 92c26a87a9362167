#include "ui/list_extent.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tamblor {
namespace {

using Widths = std::vector<int>;

// Every character 7 pixels wide and a stop every 40 dialog units, as the form sets it: 70 pixels.
const int formStop = 40;
ListExtent ListWith(const std::vector<std::string>& lines) {
  ListExtent extent([](std::string_view text) { return 7 * static_cast<int>(text.size()); });
  extent.OnSetTabStops({&formStop, 1}, lines);
  return extent;
}

TEST(ListExtent, StopsConvertWithTheRoundedAverageCharacterWidthOfTheFont) {
  // a = (x / 26 + 1) / 2 turns from 7 to 8 at x = 390 for the 52 letters; stop s: (s * a + 2) / 4.
  for (const auto& [letters, stop, pixels] : {std::tuple{389, 40, 70}, std::tuple{390, 40, 80},
                                              std::tuple{389, 1, 2}, std::tuple{389, 3, 5}})
    EXPECT_EQ(
        TabStopsInPixels(std::vector{stop}, [width = letters](std::string_view) { return width; }),
        Widths{pixels})
        << letters << " pixels, stop " << stop;
}

// A tab reaches the next stop however short its field; the columns start at the stops beyond
// their widest field with its cell's padding, and the last one reaches the widest line.
TEST(ListExtent, TabsReachTheNextStopAndTheColumnsHoldTheirFields) {
  const std::vector<std::pair<std::string, int>> lines{
      {"abc", 21}, {"a\tb", 77}, {"\t\t", 140}, {"abcdefghi\tb", 77}, {"abcdefghij\tb", 147}};
  for (const auto& [line, width] : lines)
    EXPECT_EQ(ListWith({line}).ItemWidths(), Widths{width + 6}) << line;
  for (const auto& [padding, widths] : {std::pair{0, Widths{70, 76}}, std::pair{10, Widths{70, 80}},
                                        std::pair{50, Widths{140, 120}}})
    EXPECT_EQ(ListWith({"abc\tabcdefghij"}).ColumnWidths(padding), widths) << padding;
}

// Inserted and added lines keep their widths in line order; deleting the widest falls back to
// the next widest, deleting another changes nothing, refused changes change nothing; new stops
// measure the lines given afresh.
TEST(ListExtent, TheExtentFollowsTheWidestLineThroughEveryChange) {
  ListExtent extent = ListWith({"a", "abc"});
  const auto step = [&](auto change, const Widths& widths, int maxWidth) {
    change();
    EXPECT_EQ(extent.ItemWidths(), widths);
    EXPECT_EQ(extent.MaxWidth(), maxWidth);
  };
  step([&] { extent.OnAddString(1, "abcdefgh"); }, {13, 62, 27}, 62);
  step([&] { extent.OnAddString(3, "ab"); }, {13, 62, 27, 20}, 62);
  step([&] { extent.OnAddString(4, "abcdefgh"); }, {13, 62, 27, 20, 62}, 62);
  step([&] { extent.OnDeleteString(1, 4); }, {13, 27, 20, 62}, 62);
  step([&] { extent.OnDeleteString(3, 3); }, {13, 27, 20}, 27);
  step([&] { extent.OnDeleteString(2, 2); }, {13, 27}, 27);
  step([&] { extent.OnAddString(ListExtent::listError, "abcdefgh"); }, {13, 27}, 27);
  step([&] { extent.OnAddString(ListExtent::listErrorSpace, "abcdefgh"); }, {13, 27}, 27);
  step([&] { extent.OnDeleteString(2, 1); }, {13, 27}, 27);
  step([&] { extent.OnDeleteString(0, ListExtent::listError); }, {13, 27}, 27);
  step([&] { extent.OnDeleteString(0, 1); }, {27}, 27);
  step([&] { extent.OnSetTabStops({&formStop, 1}, std::vector<std::string>{"a"}); }, {13}, 13);
  step([&] { extent.OnDeleteString(0, 0); }, {}, 0);
}

}  // namespace
}  // namespace tamblor
