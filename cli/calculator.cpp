#include "cli/calculator.h"

#include "engine/calculate_command.h"

namespace tamblor::cli {
namespace {

CalculatorState StateFromSettings(const Settings& settings) {
  CalculatorState state;
  state.E24ONLY = settings.E24ONLY;
  state.USE_1PC = settings.USE_1PC;
  state.bandsShown = settings.bandsShown;
  state.e24BandCount = settings.e24BandCount;
  state.e96BandCount = settings.e96BandCount;
  state.limits = settings.limits;
  state.e24MinText = settings.e24MinText.view();
  state.e24MaxText = settings.e24MaxText.view();
  state.e96MinText1 = settings.e96MinText1.view();
  state.e96MaxText1 = settings.e96MaxText1.view();
  state.e96MinText2 = settings.e96MinText2.view();
  state.e96MaxText2 = settings.e96MaxText2.view();
  state.initialised = true;
  return state;
}

// The limit boxes as the form fills them: the E96 pair of the tolerance chosen.
LimitBoxTexts BoxesFromSettings(const Settings& settings) {
  return {std::string{settings.e24MinText.view()}, std::string{settings.e24MaxText.view()},
          std::string{(settings.USE_1PC ? settings.e96MinText1 : settings.e96MinText2).view()},
          std::string{(settings.USE_1PC ? settings.e96MaxText1 : settings.e96MaxText2).view()}};
}

}  // namespace

Calculator::Calculator(const Settings& settings)
    : freshState_(StateFromSettings(settings)), limitBoxes_(BoxesFromSettings(settings)) {}

void Calculator::Calculate(std::string_view required) {
  state_ = freshState_;
  form_.Reset(limitBoxes_, required);
  OnCalculate(state_, form_);
}

}  // namespace tamblor::cli
