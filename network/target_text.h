#pragma once

#include <optional>
#include <string_view>

#include "network/input_message.h"

namespace tamblor {

// A target resistance read from its text: the exact ohms, or the message that stops it (a text
// outside the notation or over maxValueTextLength characters, "Validation Error"; zero, "Limits
// Error").
struct TargetReading {
  double ohms = 0.0;
  std::optional<InputMessage> message;
};

TargetReading ReadTarget(std::string_view text);

}  // namespace tamblor
