#pragma once

#include <optional>
#include <string_view>

namespace tamblor {

// A number that makes up the whole text, as the command line and the windows take a tolerance or
// a voltage ("1", "0.5", "2e-1"); nullopt for any other text, NaN and the infinities.
std::optional<double> ReadNumberText(std::string_view text);

// Whether a part may have this tolerance in percent: from 0 up to, not including, 100, at which
// its lower limit would be no resistance at all.
bool IsPartTolerance(double percent);

}  // namespace tamblor
