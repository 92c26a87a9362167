#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/form_controls.h"

namespace tamblor::testing {

// A form that keeps what the engine does to it. `events` logs the writes in order: B, L or H for
// a field of the best, lower or higher row, R for a repaint, A for a list line added and D with
// its number for one deleted.
class RecordingForm : public FormControls {
 public:
  std::map<ControlId, std::string> boxes{
      {IDC_E24_MIN, "1R"}, {IDC_E24_MAX, "10M"}, {IDC_E96_MIN, "1R"}, {IDC_E96_MAX, "1M"}};
  std::map<ControlId, std::string> fields;
  std::vector<std::string> lines;
  int currentLine = -1;
  ControlId focus = IDC_CALCULATE;
  std::vector<std::string> messages;  // "title: text"
  std::string events;

  static std::array<ControlId, 7> Fields(const ResultRowFields& row) {
    return {row.actual, row.r1, row.r1Series, row.r2, row.r2Series, row.error, row.connection};
  }

  // The seven fields of a row in column order, joined by "|".
  std::string Row(const ResultRowFields& row) {
    std::string text = fields[row.actual];
    for (const ControlId field : Fields(row))
      text += field == row.actual ? "" : "|" + fields[field];
    return text;
  }

  std::string_view BoxText(ControlId box) override { return boxes[box]; }
  void SetFieldText(ControlId field, std::string_view text) override {
    fields[field] = text;
    for (const auto& [row, letter] :
         {std::pair{LOWER_ROW, 'L'}, {BEST_ROW, 'B'}, {HIGHER_ROW, 'H'}}) {
      if (std::ranges::count(Fields(row), field) > 0) events += letter;
    }
  }
  int MatchListCount() override { return static_cast<int>(lines.size()); }
  int MatchListCurrent() override { return currentLine; }
  void MatchListAdd(std::string_view line) override {
    lines.emplace_back(line);
    events += 'A';
  }
  void MatchListDelete(int line) override {
    ASSERT_TRUE(line >= 0 && line < MatchListCount()) << line;
    lines.erase(lines.begin() + line);
    events += 'D' + std::to_string(line);
  }
  void SetFocusTo(ControlId control) override { focus = control; }
  void ShowStopMessage(std::string_view text, std::string_view title) override {
    messages.push_back(std::string(title) + ": " + std::string(text));
  }
  void RepaintBands() override { events += 'R'; }
};

}  // namespace tamblor::testing
