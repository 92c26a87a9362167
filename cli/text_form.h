#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/form_controls.h"

namespace tamblor::cli {

// The texts of the four limit boxes, in the value notation.
struct LimitBoxTexts {
  std::string e24Min;
  std::string e24Max;
  std::string e96Min;
  std::string e96Max;
};

// A message box the calculation showed.
struct StopMessage {
  std::string title;
  std::string text;  // may hold "\n" line breaks
};

// The calculator form over plain strings: boxes, result fields and match list are texts, a message
// box is recorded instead of shown. Nothing is ever selected, there is no focus to move, and the
// band codes are read from the state once the calculation is over. Reused from value to value
// without allocating once warm.
class TextForm final : public FormControls {
 public:
  // Makes the form as fresh: the five boxes hold the limit texts and `required`, the result fields,
  // the match list and the message are empty.
  void Reset(const LimitBoxTexts& limits, std::string_view required);

  std::string_view Field(ControlId field) const;
  std::span<const std::string> MatchLines() const;
  const std::optional<StopMessage>& Message() const { return message_; }

  std::string_view BoxText(ControlId box) override;
  void SetFieldText(ControlId field, std::string_view text) override;
  int MatchListCount() override;
  void MatchListAdd(std::string_view line) override;
  void MatchListDelete(int line) override;
  void ShowStopMessage(std::string_view text, std::string_view title) override;

 private:
  static constexpr int firstId = IDC_REQUIRED;
  static constexpr int lastId = IDC_BAND_PICTURE;

  static bool HasSlot(ControlId id) { return id >= firstId && id <= lastId; }
  std::string& Slot(ControlId id) { return texts_[id - firstId]; }

  // Boxes and fields share one slot per control id.
  std::array<std::string, lastId - firstId + 1> texts_;
  // Lines in use come first; the strings past them keep their buffers for later lines.
  std::vector<std::string> lines_;
  std::size_t lineCount_ = 0;
  std::optional<StopMessage> message_;
};

}  // namespace tamblor::cli
