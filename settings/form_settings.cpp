#include "settings/form_settings.h"

namespace tamblor {
namespace {

// The record and the state name these fields alike, so one list serves both directions.
template <typename From, typename To>
void CopyFormFields(const From& from, To& to) {
  to.E24ONLY = from.E24ONLY;
  to.USE_1PC = from.USE_1PC;
  to.limits = from.limits;
  to.e24MinText = from.e24MinText;
  to.e24MaxText = from.e24MaxText;
  to.e96MinText1 = from.e96MinText1;
  to.e96MaxText1 = from.e96MaxText1;
  to.e96MinText2 = from.e96MinText2;
  to.e96MaxText2 = from.e96MaxText2;
}

}  // namespace

void ApplyFormSettings(const Settings& settings, CalculatorState& state) {
  CopyFormFields(settings, state);
}

void StoreFormSettings(const CalculatorState& state, Settings& settings) {
  CopyFormFields(state, settings);
}

}  // namespace tamblor
