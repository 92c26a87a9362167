#include "ui/list_extent.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tamblor {

namespace {

constexpr std::string_view averageWidthSample =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

std::vector<std::string_view> TabFields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

int NextTabStop(int x, std::span<const int> stopsPixels) {
  if (stopsPixels.empty()) return x;
  const auto beyond = std::upper_bound(stopsPixels.begin(), stopsPixels.end(), x);
  if (beyond != stopsPixels.end()) return *beyond;
  const int every = stopsPixels.back();
  if (every <= 0) return x;
  return (x / every + 1) * every;
}

int TabbedWidth(std::span<const int> fieldWidths, std::span<const int> stopsPixels) {
  int x = 0;
  for (std::size_t i = 0; i < fieldWidths.size(); ++i) {
    x += fieldWidths[i];
    if (i + 1 < fieldWidths.size()) x = NextTabStop(x, stopsPixels);
  }
  return x;
}

std::vector<int> TabStopsInPixels(std::span<const int> stopsDialogUnits,
                                  const MeasureText& measure) {
  if (stopsDialogUnits.empty()) return {};
  const int averageCharWidth = (measure(averageWidthSample) / 26 + 1) / 2;
  std::vector<int> pixels;
  pixels.reserve(stopsDialogUnits.size());
  for (const int stop : stopsDialogUnits) pixels.push_back((stop * averageCharWidth + 2) / 4);
  return pixels;
}

ListExtent::ListExtent(MeasureText measure) : measure_(std::move(measure)) {}

void ListExtent::OnAddString(int result, std::string_view text) {
  if (result < 0 || static_cast<std::size_t>(result) > itemWidths_.size()) return;
  Measure(result, text);
}

void ListExtent::OnDeleteString(int index, int linesLeft) {
  if (linesLeft < 0 || index < 0 || static_cast<std::size_t>(index) >= itemWidths_.size()) return;
  const int width = itemWidths_[index];
  itemWidths_.erase(itemWidths_.begin() + index);
  fieldWidths_.erase(fieldWidths_.begin() + index);
  if (width >= maxWidth_) {
    RecomputeMaxWidth(std::min(static_cast<std::size_t>(linesLeft), itemWidths_.size()));
  }
}

void ListExtent::OnSetTabStops(std::span<const int> stopsDialogUnits,
                               std::span<const std::string> lines) {
  tabStops_ = TabStopsInPixels(stopsDialogUnits, measure_);
  itemWidths_.clear();
  fieldWidths_.clear();
  maxWidth_ = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) Measure(static_cast<int>(i), lines[i]);
}

std::vector<int> ListExtent::ColumnWidths(int cellPadding) const {
  std::size_t columns = 1;
  for (const auto& fields : fieldWidths_) columns = std::max(columns, fields.size());

  std::vector<int> widths(columns, 0);
  int start = 0;
  for (std::size_t column = 0; column + 1 < columns; ++column) {
    int next = start;
    for (const auto& fields : fieldWidths_) {
      if (column < fields.size()) {
        next = std::max(next, NextTabStop(start + fields[column] + cellPadding, tabStops_));
      }
    }
    widths[column] = next - start;
    start = next;
  }

  int last = 0;
  for (const auto& fields : fieldWidths_) {
    if (fields.size() == columns) last = std::max(last, fields.back() + cellPadding);
  }
  widths.back() = std::max(last, maxWidth_ - start);
  return widths;
}

void ListExtent::Measure(int index, std::string_view text) {
  std::vector<int> fields;
  for (const std::string_view field : TabFields(text)) fields.push_back(measure_(field));
  const int width = TabbedWidth(fields, tabStops_) + lineMargin;
  fieldWidths_.insert(fieldWidths_.begin() + index, std::move(fields));
  itemWidths_.insert(itemWidths_.begin() + index, width);
  maxWidth_ = std::max(maxWidth_, width);
}

void ListExtent::RecomputeMaxWidth(std::size_t lines) {
  maxWidth_ = 0;
  for (std::size_t i = 0; i < lines; ++i) maxWidth_ = std::max(maxWidth_, itemWidths_[i]);
}

}  // namespace tamblor
