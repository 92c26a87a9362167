#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "network/input_message.h"

namespace tamblor {

// Which voltage a divider's output follows from, when its VALUE named voltages.
enum class OutputSource : std::uint8_t {
  None,
  Input,      // "A/B": B volts in, the output is `volts` × ratio
  Reference,  // a regulator's feedback pin: the output is `volts` (the reference) / ratio
};

// What a VALUE asks of a divider.
struct DividerTarget {
  double ratio = 0.0;  // bottom / (top + bottom), in (0, 1)
  OutputSource source = OutputSource::None;
  double volts = 0.0;
};

struct RatioReading {
  DividerTarget target;
  std::optional<InputMessage> message;  // "Validation Error" and what is wrong; target unset
};

// Reads a VALUE: a decimal in (0, 1) ("0.275") or "A/B" with 0 < A < B ("3.3/12"), each number
// digits with at most one point, the whole at most maxValueTextLength characters. Given a
// reference in volts (> 0), the VALUE is instead the output voltage, above the reference.
RatioReading ReadRatio(std::string_view text, std::optional<double> referenceVolts = std::nullopt);

}  // namespace tamblor
