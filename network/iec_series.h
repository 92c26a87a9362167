#pragma once

#include <span>

#include "network/part.h"

namespace tamblor {

// One decade of an IEC 60063 series as significant-digit integers, ascending: E3 to E24 in two
// digits (10 … 91), E48 to E192 in three (100 … 988).
struct SignificantDigits {
  std::span<const int> values;
  int digits = 2;
};

// The table of a series; the origin must not be Stock.
SignificantDigits SeriesDigits(PartOrigin series);

}  // namespace tamblor
