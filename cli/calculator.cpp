#include "cli/calculator.h"

#include "engine/calculate_command.h"

namespace tamblor::cli {
namespace {

constexpr std::string_view overlongTitle = "Validation Error";
constexpr std::string_view overlong = " value is longer than 7 characters";

// The limit boxes as the form fills them: the E96 pair of the tolerance chosen.
LimitBoxTexts BoxesFromState(const CalculatorState& state) {
  return {std::string{state.e24MinText.view()}, std::string{state.e24MaxText.view()},
          std::string{state.e96MinText().view()}, std::string{state.e96MaxText().view()}};
}

}  // namespace

Calculator::Calculator(const CommandLine& commandLine)
    : freshState_(commandLine.state),
      limitBoxes_(BoxesFromState(commandLine.state)),
      overlongLimitMessage_(commandLine.overlongLimit.empty()
                                ? std::string{}
                                : std::string{commandLine.overlongLimit}.append(overlong)) {}

bool Calculator::Calculate(std::string_view required) {
  state_ = freshState_;
  form_.Reset(limitBoxes_, required);
  if (!overlongLimitMessage_.empty()) {
    form_.ShowStopMessage(overlongLimitMessage_, overlongTitle);
  } else if (required.size() > boxTextLength) {
    form_.ShowStopMessage(std::string{"Requested"}.append(overlong), overlongTitle);
  } else {
    OnCalculate(state_, form_);
  }
  return !form_.Message() && !form_.Field(BEST_ROW.actual).empty();
}

}  // namespace tamblor::cli
