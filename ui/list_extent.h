#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamblor {

// Width in pixels of a text holding no tab character, in the list's font.
using MeasureText = std::function<int(std::string_view text)>;

// The tab-separated fields of a line, at least one.
std::vector<std::string_view> TabFields(std::string_view line);

// The first tab stop beyond x (pixels). The stops, ascending, are used in order; beyond the last
// one, tabs fall on its multiples, so a single stop means a stop every stop-width. No stops: x
// itself.
int NextTabStop(int x, std::span<const int> stopsPixels);

// Width in pixels of a line whose tab-separated fields measure `fieldWidths`: every tab moves the
// pen to the next stop, so short fields still reach their stop.
int TabbedWidth(std::span<const int> fieldWidths, std::span<const int> stopsPixels);

// Tab stops of a list given in dialog units, converted with the average character width of its
// font: a = (x / 26 + 1) / 2 for the width x of the 52 letters, a stop s lands on (s * a + 2) / 4.
std::vector<int> TabStopsInPixels(std::span<const int> stopsDialogUnits,
                                  const MeasureText& measure);

// What a list box with tab stops must know to give its horizontal scroll bar the reach of its
// widest line: the measured width of every line, in line order, and the largest of them.
// The list reports each change of its lines after it has made it.
class ListExtent {
 public:
  // What a list returns for an add it refused.
  static constexpr int listError = -1;
  static constexpr int listErrorSpace = -2;
  // Added to the tabbed width of a line, pixels.
  static constexpr int lineMargin = 6;

  explicit ListExtent(MeasureText measure);

  // After an add or an insert: `result` is the new line's index, or an error code, which
  // changes nothing; so does an index beyond the lines known.
  void OnAddString(int result, std::string_view text);
  // After line `index` was deleted and `linesLeft` remain (listError: nothing was deleted).
  void OnDeleteString(int index, int linesLeft);
  // After new stops were accepted: stores them in pixels and measures every line again.
  void OnSetTabStops(std::span<const int> stopsDialogUnits, std::span<const std::string> lines);

  const std::vector<int>& ItemWidths() const { return itemWidths_; }
  // The horizontal extent in pixels: the widest line, 0 when there is none.
  int MaxWidth() const { return maxWidth_; }
  const std::vector<int>& TabStops() const { return tabStops_; }

  // Widths in pixels of the columns that show the lines' fields side by side, one column per
  // field: each column starts at a tab stop beyond every field of the previous column plus the
  // `cellPadding` its cell draws around the text, and the columns together reach MaxWidth().
  std::vector<int> ColumnWidths(int cellPadding) const;

 private:
  void Measure(int index, std::string_view text);
  void RecomputeMaxWidth(std::size_t lines);

  MeasureText measure_;
  std::vector<std::vector<int>> fieldWidths_;  // per line, pixels
  std::vector<int> itemWidths_;
  int maxWidth_ = 0;
  std::vector<int> tabStops_;
};

}  // namespace tamblor
