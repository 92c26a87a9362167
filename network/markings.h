#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "network/part.h"
#include "values/fixed_text.h"

namespace tamblor {

// A resistor's colour bands by name ("yellow", "violet", …), first digit first: the digits, the
// multiplier and, but at 20 %, the tolerance band.
struct BandColours {
  std::array<std::string_view, 6> names{};
  int size = 0;
};

using MarkingCode = FixedText<8>;

// What is printed on a part: its colour bands, its SMD code ("472", "4701", "4R7") and, for an
// E96 value at 1 % or better, its EIA-96 code ("01C"); nullopt where a value or tolerance has none.
struct Markings {
  std::optional<BandColours> bands;
  std::optional<MarkingCode> smd;
  std::optional<MarkingCode> eia96;
};

Markings MarkingsOf(const Part& part);

}  // namespace tamblor
