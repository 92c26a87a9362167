#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "network/network_query.h"

namespace tamblor {

enum class Join : std::uint8_t { Series, Parallel };

// A network as the search puts it together, one two-member join at a time, in any order and
// nesting; CanonicalResult turns it into its one text.
class NetworkSketch {
 public:
  // Each returns the node's index, for use as a member of a later join; the last node is the root.
  int AddPart(int part);
  int AddJoin(Join join, int first, int second);

 private:
  friend NetworkResult CanonicalResult(const NetworkSketch&, std::span<const Part>, double);

  struct Node {
    int part = -1;  // -1 for a join
    Join join = Join::Series;
    std::array<std::uint8_t, 2> members{};
  };
  std::array<Node, 2 * maxNetworkParts - 1> nodes_{};
  int size_ = 0;
};

// The network in its canonical form: joins of one kind flattened, each join's members in ascending
// order of value, then of text, then of their parts' indices. The value is computed in that order,
// one join at a time from the innermost: a series join sums its members left to right, a parallel
// join is 1 / (1/a + 1/b + …) with the conductances summed left to right. The worst case takes the
// same steps with every part at ohms × (1 ∓ tolerance / 100), the tolerance taken from `parts`.
NetworkResult CanonicalResult(const NetworkSketch& sketch, std::span<const Part> parts,
                              double target);

// How many different values of ohms the network's parts have.
int DistinctValues(const NetworkResult& result, std::span<const Part> parts);

}  // namespace tamblor
