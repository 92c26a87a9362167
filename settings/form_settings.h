#pragma once

#include "engine/calculator_state.h"
#include "settings/settings_file.h"

namespace tamblor {

// The part of the settings that the calculator form holds: series, tolerance, the limits and their
// texts. Both front ends move it between the file's record and the form's state through these.
void ApplyFormSettings(const Settings& settings, CalculatorState& state);
void StoreFormSettings(const CalculatorState& state, Settings& settings);

}  // namespace tamblor
