#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string_view>

namespace tamblor {

// An error in percent as "%+.4f" writes it in the C locale ("+0.0100", "-4.0201"), whatever the
// process's locale: the desktop toolkit sets it from the environment, and a decimal comma has no
// place in a result.
class ErrorPercentText {
 public:
  explicit ErrorPercentText(double percent);

  std::string_view view() const { return {chars_.data() + first_, size_}; }

 private:
  // The sign, the 309 digits of the largest double, the point and four decimals.
  std::array<char, 1 + std::numeric_limits<double>::max_exponent10 + 1 + 1 + 4> chars_{};
  std::size_t first_ = 0;
  std::size_t size_ = 0;
};

}  // namespace tamblor
