#include "cli/text_form.h"

namespace tamblor::cli {

void TextForm::Reset(const LimitBoxTexts& limits, std::string_view required) {
  for (std::string& text : texts_) text.clear();
  Slot(IDC_E24_MIN) = limits.e24Min;
  Slot(IDC_E24_MAX) = limits.e24Max;
  Slot(IDC_E96_MIN) = limits.e96Min;
  Slot(IDC_E96_MAX) = limits.e96Max;
  Slot(IDC_REQUIRED) = required;
  lineCount_ = 0;
  message_.reset();
}

std::string_view TextForm::Field(ControlId field) const {
  return HasSlot(field) ? std::string_view{texts_[field - firstId]} : std::string_view{};
}

std::span<const std::string> TextForm::MatchLines() const { return {lines_.data(), lineCount_}; }

std::string_view TextForm::BoxText(ControlId box) { return Field(box); }

void TextForm::SetFieldText(ControlId field, std::string_view text) {
  if (HasSlot(field)) Slot(field) = text;
}

int TextForm::MatchListCount() { return static_cast<int>(lineCount_); }

void TextForm::MatchListAdd(std::string_view line) {
  if (lineCount_ == lines_.size()) lines_.emplace_back();
  lines_[lineCount_++] = line;
}

void TextForm::MatchListDelete(int line) {
  if (line < 0 || static_cast<std::size_t>(line) >= lineCount_) return;
  lines_.erase(lines_.begin() + line);
  --lineCount_;
}

void TextForm::ShowStopMessage(std::string_view text, std::string_view title) {
  message_ = StopMessage{std::string{title}, std::string{text}};
}

}  // namespace tamblor::cli
