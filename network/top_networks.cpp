#include "network/top_networks.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <tuple>

namespace tamblor {

namespace {

std::tuple<double, int, std::string_view, const std::array<int, maxNetworkParts>&> RankOf(
    const RankedNetwork& network) {
  return {network.key, network.distinctValues, network.result.text.view(),
          network.result.resistors};
}

}  // namespace

void TopNetworks::Reset(int capacity) {
  capacity_ = static_cast<std::size_t>(capacity);
  entries_.clear();
  entries_.reserve(capacity_ + 1);
  bound_ = std::numeric_limits<double>::infinity();
}

void TopNetworks::Offer(const RankedNetwork& network) {
  if (capacity_ == 0 || network.key > bound_) return;
  const auto place = std::lower_bound(
      entries_.begin(), entries_.end(), network,
      [](const RankedNetwork& a, const RankedNetwork& b) { return RankOf(a) < RankOf(b); });
  // One network reached through two decompositions has one text and one set of parts.
  if (place != entries_.end() && RankOf(*place) == RankOf(network)) return;
  if (entries_.size() == capacity_ && place == entries_.end()) return;
  entries_.insert(place, network);
  if (entries_.size() > capacity_) entries_.pop_back();
  if (entries_.size() == capacity_) bound_ = entries_.back().key;
}

}  // namespace tamblor
