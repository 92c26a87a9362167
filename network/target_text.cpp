#include "network/target_text.h"

#include "network/exact_value.h"

namespace tamblor {

TargetReading ReadTarget(std::string_view text) {
  const std::optional<double> ohms = ExactOhmsFromText(text);
  if (!ohms) {
    return {0.0, InputMessage{"Validation Error", "Requested value is not a valid number"}};
  }
  if (*ohms <= 0.0) {
    return {0.0, InputMessage{"Limits Error", "Required value must be above 0 ohms"}};
  }
  return {*ohms, std::nullopt};
}

}  // namespace tamblor
