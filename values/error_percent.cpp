#include "values/error_percent.h"

#include <charconv>
#include <cmath>

namespace tamblor {

ErrorPercentText::ErrorPercentText(double percent) {
  // The digits go after the first character, which takes the '+' that to_chars never writes.
  const auto printed = std::to_chars(chars_.data() + 1, chars_.data() + chars_.size(), percent,
                                     std::chars_format::fixed, 4);
  first_ = std::signbit(percent) ? 1 : 0;
  chars_[0] = '+';
  size_ = static_cast<std::size_t>(printed.ptr - chars_.data()) - first_;
}

}  // namespace tamblor
