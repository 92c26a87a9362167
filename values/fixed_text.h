#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace tamblor {

// A text in a fixed field of Capacity bytes: at most Capacity - 1 characters and a terminator.
// Longer texts are cut to what fits. Never allocates.
template <std::size_t Capacity>
class FixedText {
  static_assert(Capacity >= 2 && Capacity <= 256);

 public:
  static constexpr std::size_t maxLength = Capacity - 1;

  constexpr FixedText() = default;
  constexpr FixedText(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose

  constexpr void assign(std::string_view text) {
    length_ = std::min(text.size(), maxLength);
    std::copy_n(text.data(), length_, data_);
    data_[length_] = '\0';
  }

  constexpr std::string_view view() const { return {data_, length_}; }
  constexpr const char* c_str() const { return data_; }
  constexpr std::size_t size() const { return length_; }
  constexpr bool empty() const { return length_ == 0; }

  friend constexpr bool operator==(const FixedText& a, const FixedText& b) {
    return a.view() == b.view();
  }
  friend constexpr bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

 private:
  char data_[Capacity]{};
  std::size_t length_ = 0;
};

}  // namespace tamblor
