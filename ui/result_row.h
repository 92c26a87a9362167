#pragma once

#include <string>
#include <vector>

#include "network/part.h"

namespace tamblor {

// One result as a finder's table shows it.
struct ResultRow {
  std::vector<std::string> cells;  // UTF-8, one per column, as the command line writes them
  std::vector<double> sortKeys;    // one per column; NaN keeps the results' own order
  std::vector<Part> parts;         // in the order the cells name them, with their tolerances
};

}  // namespace tamblor
