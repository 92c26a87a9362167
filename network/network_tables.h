#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "network/network_sketch.h"
#include "network/part.h"
#include "network/value_index.h"

namespace tamblor {

// The two parts of a 2-part network, first ≤ second by index.
struct PairMembers {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  Join join = Join::Series;
};

// What a search walks and searches: the parts' values and every 2-part network's, ascending.
struct NetworkTables {
  std::vector<Part> parts;         // ascending, tolerances as the search counts them
  std::vector<double> partOhms;    // parts[i].ohms
  std::vector<double> pairOhms;    // ascending, ties by their parts; empty below 3 parts
  std::vector<PairMembers> pairs;  // pairOhms[j]'s parts
  ValueIndex pairIndex;            // over pairOhms
  double lowestTolerance = 0.0;    // the smallest tolerance of any part, as a fraction
  bool limitedCounts = false;      // whether any part has a count
};

// The most memory a query's tables may take.
inline constexpr std::size_t maxTableBytes = 256u << 20;

// The tables for networks of up to `maxParts` parts from the parts of a positive finite value,
// sorted by value, every tolerance replaced by `tolerance` when given; nullopt when they would take
// more than maxTableBytes.
std::optional<NetworkTables> BuildNetworkTables(std::vector<Part> parts, int maxParts,
                                                std::optional<double> tolerance);

// Whether a part may be used `uses` times.
inline bool CountAllows(const Part& part, int uses) {
  return part.count == unlimitedCount || uses <= part.count;
}

}  // namespace tamblor
