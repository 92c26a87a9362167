#pragma once

#include <string>
#include <string_view>

#include "cli/text_form.h"
#include "engine/calculator_state.h"

namespace tamblor::cli {

// Appends the text with what could drive a terminal written as escapes: control characters as
// JSON writes them, a backslash doubled, and every byte outside ASCII as \x and two hex digits,
// since a value in the notation never holds one and an 8-bit terminal takes some of them as
// controls.
void AppendEscaped(std::string_view text, std::string& out);

// Appends the result of one value as a block of lines: the value, the lower, best and higher rows
// in aligned columns, the match list with its fields aligned, and the bands of R1 and R2 by colour.
void AppendHumanResult(std::string_view required, const CalculatorState& state,
                       const TextForm& form, std::string& out);

}  // namespace tamblor::cli
