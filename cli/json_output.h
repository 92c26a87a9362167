#pragma once

#include <string>
#include <string_view>

#include "cli/text_form.h"
#include "engine/calculator_state.h"

namespace tamblor::cli {

// Appends the result of one value as one JSON object on one line: input, message, the best,
// lower and higher rows, the match list, the band codes of R1 and R2, and which rows are alerts.
void AppendJsonResult(std::string_view required, const CalculatorState& state, const TextForm& form,
                      std::string& out);

}  // namespace tamblor::cli
