#pragma once

#include <string_view>

namespace tamblor {

// A message for one input, in the calculator's words ("Validation Error", …).
struct InputMessage {
  std::string_view title;
  std::string_view text;
};

}  // namespace tamblor
