#pragma once

#include <string>
#include <string_view>

#include "cli/text_form.h"
#include "engine/calculator_state.h"

namespace tamblor::cli {

// Appends the result of one value as a block of lines: the value, the lower, best and higher rows
// in aligned columns, the match list with its fields aligned, and the bands of R1 and R2 by colour.
void AppendHumanResult(std::string_view required, const CalculatorState& state,
                       const TextForm& form, std::string& out);

}  // namespace tamblor::cli
