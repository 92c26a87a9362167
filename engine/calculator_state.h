#pragma once

#include <array>
#include <cstdint>

#include "values/band_code.h"
#include "values/fixed_text.h"
#include "values/series.h"

namespace tamblor {

using FieldText = FixedText<16>;

// The texts of one listed exact match; entry i belongs to line i of the match list.
struct MatchEntry {
  FieldText r1Text;
  FixedText<8> r1Series;  // "E24" or "E96"
  FieldText r2Text;
  FieldText connection;  // "in series" or "in parallel"
};

inline constexpr std::int32_t matchEntryCapacity = 128;

// The calculator form's state apart from its controls and drawing resources.
struct CalculatorState {
  bool E24ONLY = true;
  bool USE_1PC = true;
  bool bandsShown = false;
  bool initialised = false;  // gates the automatic recalculations and the Enter key
  int e24BandCount = 4;
  int e96BandCount = 5;
  SeriesLimits limits;
  double bestAbsError = 0.0;  // size of each row's error in percent
  double lowerAbsError = 0.0;
  double higherAbsError = 0.0;
  FieldText e24MinText{"1R"};
  FieldText e24MaxText{"10M"};
  FieldText e96MinText1{"1R"};
  FieldText e96MaxText1{"1M"};
  FieldText e96MinText2{"51R1"};
  FieldText e96MaxText2{"1M"};
  BandCode r1Bands;
  BandCode r2Bands;
  std::array<MatchEntry, matchEntryCapacity> matchEntries{};
  std::int32_t matchCount = 0;

  // The E96 limit texts of the tolerance chosen: the pair the E96 boxes show.
  FieldText& e96MinText() { return USE_1PC ? e96MinText1 : e96MinText2; }
  FieldText& e96MaxText() { return USE_1PC ? e96MaxText1 : e96MaxText2; }
  const FieldText& e96MinText() const { return USE_1PC ? e96MinText1 : e96MinText2; }
  const FieldText& e96MaxText() const { return USE_1PC ? e96MaxText1 : e96MaxText2; }

  BandSettings bandSettings() const { return {e24BandCount, e96BandCount, E24ONLY, USE_1PC}; }
  // The error size above which a row turns light red: the tolerance of the chosen series.
  double alertThreshold() const { return !E24ONLY && !USE_1PC ? 0.1 : 1.0; }
};

}  // namespace tamblor
