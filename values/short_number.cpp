#include "values/short_number.h"

#include <charconv>

namespace tamblor {

ShortNumber::ShortNumber(double number, std::string_view unit) {
  const auto [end, error] = std::to_chars(chars_.data(), chars_.data() + chars_.size() - 8, number,
                                          std::chars_format::general, 6);
  size_ = error == std::errc{} ? static_cast<std::size_t>(end - chars_.data()) : 0;
  if (unit.empty()) return;
  chars_[size_++] = ' ';
  size_ += unit.copy(chars_.data() + size_, 7);
}

}  // namespace tamblor
