#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tamblor {

// A ratio or a voltage to six significant digits, as "%g" writes it in the C locale: "0.274924",
// "3.29909", "1e+30"; with a unit after a space when one is given ("3.3 V", at most 7 characters).
class ShortNumber {
 public:
  explicit ShortNumber(double number, std::string_view unit = {});

  std::string_view view() const { return {chars_.data(), size_}; }

 private:
  std::array<char, 40> chars_{};
  std::size_t size_ = 0;
};

}  // namespace tamblor
