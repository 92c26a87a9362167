#pragma once

#include <cstdint>
#include <string_view>

#include "engine/calculator_state.h"
#include "engine/form_controls.h"

namespace tamblor {

// Characters of a box that count: the form reads its boxes into 8-byte buffers.
inline constexpr std::size_t boxTextLength = 7;

// The required value read against the allowed range of the selection and limits.
struct RequiredValueReading {
  bool ok = false;
  bool validText = false;     // the text is in the notation
  bool tooHigh = false;       // for a valid text out of range: which bound was crossed
  double allowedBound = 0.0;  // that bound in ohms, as the message quotes it
  double mantissa = 0.0;
  std::int32_t exponent = 0;
};

RequiredValueReading ParseRequiredValueText(std::string_view text, bool E24ONLY, bool USE_1PC,
                                            const SeriesLimits& limits);

// The Calculate command: validates the boxes, searches, and fills the rows, the list and the codes.
void OnCalculate(CalculatorState& state, FormControls& form);

// Takes the current line of the match list into the best row.
void OnMatchListDoubleClick(CalculatorState& state, FormControls& form);

// Computes the code of a resistance, stores it for R1 or R2, and has the picture redrawn.
bool SetBandCode(CalculatorState& state, FormControls& form, double ohms, bool isE96, bool isR1);

// Sets all 21 result fields to the empty text.
void ClearResultFields(FormControls& form);

// The check of the limit box `box` (IDC_E24_MIN, IDC_E24_MAX, IDC_E96_MIN or IDC_E96_MAX) as it
// loses the focus; no recalculation follows. Any other id is ignored.
void OnLimitBoxKillFocus(CalculatorState& state, FormControls& form, ControlId box);

}  // namespace tamblor
