#pragma once

#include <string>
#include <string_view>

#include "cli/options.h"
#include "cli/text_form.h"
#include "engine/calculator_state.h"

namespace tamblor::cli {

// Runs the Calculate command for one required value at a time, each on a fresh state and form
// made from the same command line.
class Calculator {
 public:
  explicit Calculator(const CommandLine& commandLine);

  // Afterwards State() and Form() show what the desktop form would show for `required`. A text
  // longer than the form's box takes, which the form could never have read whole, stops at a
  // message of its own instead. True when the value gave a result: no message and a best row.
  bool Calculate(std::string_view required);

  const CalculatorState& State() const { return state_; }
  const TextForm& Form() const { return form_; }

 private:
  CalculatorState freshState_;
  LimitBoxTexts limitBoxes_;
  std::string overlongLimitMessage_;  // empty when every limit fits its box
  CalculatorState state_;
  TextForm form_;
};

}  // namespace tamblor::cli
