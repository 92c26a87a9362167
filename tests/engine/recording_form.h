#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/form_controls.h"

namespace tamblor::testing {

// A form that keeps what the engine does to it: box texts to read, field texts, list lines,
// focus, messages, repaints, and the order of all writes in `events`.
class RecordingForm : public FormControls {
 public:
  struct Message {
    std::string text;
    std::string title;
  };

  std::map<ControlId, std::string> boxes{{IDC_E24_MIN, "1R"},
                                         {IDC_E24_MAX, "10M"},
                                         {IDC_E96_MIN, "1R"},
                                         {IDC_E96_MAX, "1M"},
                                         {IDC_REQUIRED, ""}};
  std::map<ControlId, std::string> fields;
  std::vector<std::string> listLines;
  int currentLine = -1;
  std::optional<ControlId> focus;
  std::vector<Message> messages;
  int repaintCount = 0;
  std::vector<std::string> events;

  std::string Field(ControlId id) const {
    const auto found = fields.find(id);
    return found == fields.end() ? std::string() : found->second;
  }

  std::string_view BoxText(ControlId box) override { return boxes[box]; }

  void SetFieldText(ControlId field, std::string_view text) override {
    fields[field] = std::string(text);
    events.push_back("field " + std::to_string(field));
  }

  int MatchListCount() override { return static_cast<int>(listLines.size()); }
  int MatchListCurrent() override { return currentLine; }

  void MatchListAdd(std::string_view line) override {
    listLines.emplace_back(line);
    events.push_back("list add");
  }

  void MatchListDelete(int line) override {
    listLines.erase(listLines.begin() + line);
    events.push_back("list delete " + std::to_string(line));
  }

  void SetFocusTo(ControlId control) override { focus = control; }

  void ShowStopMessage(std::string_view text, std::string_view title) override {
    messages.push_back({std::string(text), std::string(title)});
  }

  void RepaintBands() override {
    ++repaintCount;
    events.push_back("repaint");
  }
};

}  // namespace tamblor::testing
