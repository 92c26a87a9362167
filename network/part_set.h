#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "network/part.h"

namespace tamblor {

// Which parts a search may use, in ohms, inclusive; a part whose value is listed in `excluded`
// is left out.
struct PartBounds {
  double min = 1.0;
  double max = 10'000'000.0;
  std::vector<double> excluded;
};

// A series from its name in a list: "e3" … "e192", either case.
std::optional<PartOrigin> SeriesFromName(std::string_view name);

// The usual tolerance of a series in percent: E3 and E6 20, E12 10, E24 5, E48 2, E96 1, E192 0.5.
double UsualTolerance(PartOrigin series);

// Every value of the union of `series` in every decade within the bounds, ascending, one part per
// value: a value in several series is the part of the first named, with its usual tolerance.
std::vector<Part> SeriesParts(std::span<const PartOrigin> series, const PartBounds& bounds);

// A stock list's first bad line (numbered from 1) and what is wrong with it.
struct StockLineError {
  int line = 0;
  std::string reason;
};

struct StockList {
  std::vector<Part> parts;  // ascending by value, then tolerance; counts of repeats added
  std::optional<StockLineError> error;
};

// Reads a stock list: one part a line, "VALUE [TOLERANCE%] [COUNT]", '#' starts a comment, blank
// lines skipped; 5 % and unlimited when not given.
StockList ParseStockList(std::string_view text);

// The parts within the bounds and not excluded.
std::vector<Part> BoundedParts(std::span<const Part> parts, const PartBounds& bounds);

}  // namespace tamblor
