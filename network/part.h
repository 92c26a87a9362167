#pragma once

#include <cstdint>
#include <string_view>

#include "values/value_text.h"

namespace tamblor {

// Where a part comes from: one of the IEC 60063 series, or the user's stock list.
enum class PartOrigin : std::uint8_t { E3, E6, E12, E24, E48, E96, E192, Stock };

// "E3" … "E192", and "stock".
std::string_view OriginName(PartOrigin origin);

// A count meaning that any number of pieces may be used.
inline constexpr int unlimitedCount = -1;

// A resistor that networks and dividers may use.
struct Part {
  double ohms = 0.0;       // the double nearest the part's decimal value
  double tolerance = 5.0;  // percent
  PartOrigin origin = PartOrigin::Stock;
  int count = unlimitedCount;  // pieces on hand
  ValueText text;              // the value in the notation, as results write it
};

}  // namespace tamblor
