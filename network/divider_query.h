#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "network/input_message.h"
#include "network/network_query.h"
#include "network/network_sketch.h"
#include "network/part.h"
#include "network/ratio_text.h"

namespace tamblor {

inline constexpr int maxLegParts = 2;

struct DividerRequest {
  std::vector<Part> parts;  // the allowed parts, bounds and exclusions applied
  int legParts = 1;         // parts per leg, 1 to maxLegParts
  int top = 5;              // results, 1 to maxTopCount
  Ranking ranking = Ranking::Error;
  std::optional<double> tolerance;  // percent, overriding every part's own
  double totalMin = 1'000.0;        // ohms, bounds of top + bottom, inclusive
  double totalMax = 1'000'000.0;
};

// One leg of a divider: a part, or two in series or in parallel.
struct DividerLeg {
  int parts = 0;
  NetworkText text;                          // canonical, as the network search writes it
  double value = 0.0;                        // ohms, computed from the parts in the text's order
  std::array<int, maxLegParts> resistors{};  // indices into Parts(), in text order
};

// Volts at the output, where the target named voltages: from the input, they follow the ratio;
// from a regulator's reference, the lowest output comes with the highest ratio.
struct OutputVoltage {
  double nominal = 0.0;
  double low = 0.0;
  double high = 0.0;
};

struct DividerResult {
  int parts = 0;       // of both legs
  double ratio = 0.0;  // bottom / (top + bottom)
  double error = 0.0;  // (ratio - wanted) / wanted * 100
  double total = 0.0;  // ohms, top + bottom
  WorstCase worst;     // the ratio's extremes and their larger distance from the wanted one, in %
  std::optional<OutputVoltage> output;
  DividerLeg top;     // from the input to the output
  DividerLeg bottom;  // from the output to ground
};

// The best dividers for one target ratio after another. Built once per set of parts and choices
// (the sorted table of legs), then asked for any number of targets.
class DividerQuery {
 public:
  explicit DividerQuery(DividerRequest request);

  // Set when the table of legs would need more memory than a search may take; Find then finds
  // nothing.
  std::optional<InputMessage> SetUpFailure() const;
  // The parts searched: those given with a positive value, ascending, each at the tolerance
  // the search gives it.
  const std::vector<Part>& Parts() const;

  // Fills `results` (cleared first) with the best dividers for a target ratio in (0, 1): by the
  // size of the error (or by the worst-case error), then fewer parts, fewer distinct values and
  // the lower total. Returns false, with `results` unspecified, once `cancel` is requested.
  bool Find(const DividerTarget& target, std::vector<DividerResult>& results,
            std::stop_token cancel = {}) const;

 private:
  // A leg in the sorted table: its value at nominal and with every part at its lower or upper
  // limit, and its parts (`second` below 0 for a single part).
  struct Leg {
    double value = 0.0;
    double low = 0.0;
    double high = 0.0;
    std::int32_t first = 0;
    std::int32_t second = -1;
    Join join = Join::Series;
  };

  struct Candidate;
  class Ranked;

  bool Allowed(const Leg& top, const Leg& bottom) const;
  void Consider(const DividerTarget& target, std::size_t top, std::size_t bottom,
                Ranked& ranked) const;
  double RisingBound(const Leg& top, const Leg& bottom, double wanted) const;
  double FallingBound(const Leg& top, const Leg& bottom, double wanted) const;
  DividerLeg Describe(const Leg& leg) const;
  DividerResult ResultOf(const DividerTarget& target, const Candidate& candidate) const;

  DividerRequest request_;
  std::vector<Leg> legs_;  // ascending by value
  std::optional<InputMessage> setUpFailure_;
  bool countsLimited_ = false;
  // Bounds of a leg's low / value and high / value over the table, for pruning the worst case.
  double largestLowFactor_ = 0.0;
  double smallestHighFactor_ = 0.0;
};

}  // namespace tamblor
