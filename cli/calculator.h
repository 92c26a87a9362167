#pragma once

#include <string_view>

#include "cli/text_form.h"
#include "engine/calculator_state.h"
#include "settings/settings_file.h"

namespace tamblor::cli {

// Runs the Calculate command for one required value at a time, each on a fresh state and form
// made from the same settings.
class Calculator {
 public:
  explicit Calculator(const Settings& settings);

  // Afterwards State() and Form() show what the desktop form would show for `required`.
  void Calculate(std::string_view required);

  const CalculatorState& State() const { return state_; }
  const TextForm& Form() const { return form_; }

 private:
  CalculatorState freshState_;
  LimitBoxTexts limitBoxes_;
  CalculatorState state_;
  TextForm form_;
};

}  // namespace tamblor::cli
