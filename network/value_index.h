#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace tamblor {

// A lower_bound over an ascending table of positive doubles in about constant time: positive
// doubles order as their bit patterns, which rise nearly with the logarithm of the value, so the
// top bits of a value pick a bucket of a few entries.
class ValueIndex {
 public:
  ValueIndex() = default;
  explicit ValueIndex(std::span<const double> values);

  // The first index whose value is not below `need`, as std::lower_bound gives it.
  std::size_t LowerBound(std::span<const double> values, double need) const {
    if (!(need > values.front())) return 0;
    if (!(need <= values.back())) return values.size();
    const std::size_t bucket = (std::bit_cast<std::uint64_t>(need) - base_) >> shift_;
    return std::lower_bound(values.begin() + starts_[bucket], values.begin() + starts_[bucket + 1],
                            need) -
           values.begin();
  }

  // Bytes per table entry that the index takes.
  static constexpr std::size_t bytesPerEntry = 2 * sizeof(std::uint32_t);

 private:
  std::uint64_t base_ = 0;
  int shift_ = 0;
  std::vector<std::uint32_t> starts_;  // starts_[b]: the first entry of bucket b or above
};

}  // namespace tamblor
