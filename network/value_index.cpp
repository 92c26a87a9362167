#include "network/value_index.h"

namespace tamblor {

ValueIndex::ValueIndex(std::span<const double> values) {
  if (values.empty()) return;
  base_ = std::bit_cast<std::uint64_t>(values.front());
  const std::uint64_t span = std::bit_cast<std::uint64_t>(values.back()) - base_;
  // About two buckets per entry.
  while ((span >> shift_) > 2 * values.size()) ++shift_;
  const std::size_t buckets = (span >> shift_) + 1;
  starts_.resize(buckets + 1);
  std::size_t entry = 0;
  for (std::size_t bucket = 0; bucket <= buckets; ++bucket) {
    while (entry < values.size() &&
           (std::bit_cast<std::uint64_t>(values[entry]) - base_) >> shift_ < bucket) {
      ++entry;
    }
    starts_[bucket] = static_cast<std::uint32_t>(entry);
  }
}

}  // namespace tamblor
