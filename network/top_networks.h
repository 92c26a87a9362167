#pragma once

#include <span>
#include <vector>

#include "network/network_query.h"

namespace tamblor {

// A network as ranked: by its key (the size of its error, or its worst-case error), then by fewer
// distinct values, then by its text and its parts.
struct RankedNetwork {
  double key = 0.0;
  int distinctValues = 0;
  NetworkResult result;
};

// The best networks offered so far, at most `capacity`, each network once.
class TopNetworks {
 public:
  void Reset(int capacity);

  // The key a network must not exceed to enter: infinity until the list is full.
  double Bound() const { return bound_; }

  void Offer(const RankedNetwork& network);

  std::span<const RankedNetwork> Ranked() const { return entries_; }

 private:
  std::vector<RankedNetwork> entries_;
  std::size_t capacity_ = 0;
  double bound_ = 0.0;
};

}  // namespace tamblor
