#pragma once

#include <array>
#include <stop_token>
#include <vector>

#include "network/network_tables.h"
#include "network/top_networks.h"

namespace tamblor {

struct SearchChoices {
  int maxParts = 3;
  int top = 3;
  Ranking ranking = Ranking::Error;
};

// The lists one search fills, kept between searches so that a target costs no allocation.
struct SearchScratch {
  std::array<TopNetworks, maxNetworkParts> top;
};

// The best networks of 1 to choices.maxParts parts for a target in ohms (> 0), into `results`;
// false once `cancel` is requested.
bool SearchNetworks(const NetworkTables& tables, const SearchChoices& choices, double target,
                    SearchScratch& scratch, std::vector<NetworkResult>& results,
                    std::stop_token cancel);

}  // namespace tamblor
