#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "network/part.h"
#include "network/part_set.h"

namespace tamblor {

// A finder window's inputs, named for the status line's reasons.
enum class FinderInput : std::uint8_t {
  Series,     // no series checked
  StockFile,  // the stock list chosen but no file read
  Min,
  Max,
  MinAboveMax,
  Exclude,
  Tolerance,
  Vref,
  TotalMin,
  TotalMax,
  TotalMinAboveMax,
};

inline constexpr int seriesCount = 7;  // E3 to E192, in PartOrigin's order

// Which parts a search may use, as a window's boxes and check boxes hold them.
struct PartChoiceTexts {
  std::array<bool, seriesCount> series{};
  bool fromStock = false;
  std::string min, max, exclude, tolerance;
};

// The same, read: what a query is built from, compared to know when to build another.
struct PartChoices {
  std::vector<PartOrigin> series;  // empty for the stock list
  PartBounds bounds;
  std::optional<double> tolerance;  // percent, for every part

  friend bool operator==(const PartChoices& a, const PartChoices& b) {
    return a.series == b.series && a.bounds.min == b.bounds.min && a.bounds.max == b.bounds.max &&
           a.bounds.excluded == b.bounds.excluded && a.tolerance == b.tolerance;
  }
};

// The choices, or the first input that does not read. The sets checked are listed finest first. An
// empty tolerance is each part's own; an empty item of the exclusions, as while one is typed, is
// skipped.
std::variant<PartChoices, FinderInput> ReadPartChoices(const PartChoiceTexts& texts);

// A tolerance override in percent, from 0 up to, not including, 100; nullopt for any other text.
std::optional<double> ReadTolerance(std::string_view text);

// A voltage: a number above zero; nullopt for any other text.
std::optional<double> ReadVolts(std::string_view text);

// A bound in ohms: a value in the notation above zero; nullopt for any other text.
std::optional<double> ReadBound(std::string_view text);

// The allowed parts, ascending: the chosen series' within the bounds, or the stock list's.
std::vector<Part> ChosenParts(const PartChoices& choices, std::span<const Part> stock);

}  // namespace tamblor
