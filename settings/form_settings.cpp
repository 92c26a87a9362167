#include "settings/form_settings.h"

namespace tamblor {

void ApplyFormSettings(const Settings& settings, CalculatorState& state) {
  state.E24ONLY = settings.E24ONLY;
  state.USE_1PC = settings.USE_1PC;
  state.limits = settings.limits;
  state.e24MinText = settings.e24MinText;
  state.e24MaxText = settings.e24MaxText;
  state.e96MinText1 = settings.e96MinText1;
  state.e96MaxText1 = settings.e96MaxText1;
  state.e96MinText2 = settings.e96MinText2;
  state.e96MaxText2 = settings.e96MaxText2;
}

void StoreFormSettings(const CalculatorState& state, Settings& settings) {
  settings.E24ONLY = state.E24ONLY;
  settings.USE_1PC = state.USE_1PC;
  settings.limits = state.limits;
  settings.e24MinText = state.e24MinText;
  settings.e24MaxText = state.e24MaxText;
  settings.e96MinText1 = state.e96MinText1;
  settings.e96MaxText1 = state.e96MaxText1;
  settings.e96MinText2 = state.e96MinText2;
  settings.e96MaxText2 = state.e96MaxText2;
}

}  // namespace tamblor
