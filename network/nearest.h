#pragma once

#include <optional>

#include "network/part.h"

namespace tamblor {

// A standard value and its error from the target, (value - target) / target * 100.
struct StandardValueMatch {
  Part part;
  double error = 0.0;
};

// The standard values of one series around a target: the nearest by the size of the error (a tie
// goes to the value above), the largest at or below and the smallest at or above the target.
struct NearestValues {
  std::optional<StandardValueMatch> nearest;
  std::optional<StandardValueMatch> below;
  std::optional<StandardValueMatch> above;
};

// For a target in ohms (> 0), over every decade it needs; each part with the series' usual
// tolerance.
NearestValues FindNearestValues(double target, PartOrigin series);

}  // namespace tamblor
