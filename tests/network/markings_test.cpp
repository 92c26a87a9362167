#include "network/markings.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tamblor {
namespace {

struct MarkingCase {
  double ohms;
  double tolerance;
  PartOrigin origin;
  std::string_view bands, smd, eia96;
};

constexpr auto E6 = PartOrigin::E6, E12 = PartOrigin::E12, E24 = PartOrigin::E24;
constexpr auto E48 = PartOrigin::E48, E96 = PartOrigin::E96, E192 = PartOrigin::E192;
constexpr auto Stock = PartOrigin::Stock;

TEST(Markings, FollowTheColourAndSmdCodesOfEachPart) {
  const MarkingCase cases[] = {
      // Two digits for E24 at 5 %, three for a precision series, for below 2 %, for a stock value
      // that needs them; a value needing more than its class has none.
      {4'700.0, 5.0, E24, "yellow violet red gold", "472", ""},
      {4'700.0, 1.0, E24, "yellow violet black brown brown", "4701", ""},
      {1'000.0, 2.0, E48, "brown black black brown red", "1001", ""},
      {1'000.0, 10.0, E96, "brown black black brown silver", "1001", ""},
      {1'000.0, 5.0, E192, "brown black black brown gold", "1001", ""},
      {10'000.0, 2.0, Stock, "brown black orange red", "103", ""},
      {4'750.0, 5.0, Stock, "yellow violet green brown gold", "4751", ""},
      {4'750.0, 5.0, E24, "", "", ""},
      {4'753.0, 1.0, Stock, "", "", ""},
      // Below 10 and below 1 ohm: gold and silver multipliers, R for the point, then nothing.
      {1.0, 5.0, E24, "brown black gold gold", "1R0", ""},
      {0.47, 5.0, Stock, "yellow violet silver gold", "R47", ""},
      {0.047, 5.0, Stock, "", "", ""},
      {49.9, 1.0, E96, "yellow white white gold brown", "49R9", "68X"},
      {0.102, 1.0, E96, "", "R102", "02Z"},
      {0.0102, 1.0, E96, "", "", ""},
      // The largest multipliers.
      {1e10, 5.0, E24, "brown black white gold", "109", ""},
      {1e11, 5.0, E24, "", "", ""},
      {1e7, 1.0, E96, "brown black black green brown", "1005", "01F"},
      {1e8, 1.0, E96, "brown black black blue brown", "1006", ""},
      // Each tolerance band, none at 20 %, no bands for a tolerance without a colour.
      {1'200.0, 10.0, E12, "brown red red silver", "122", ""},
      {2'200.0, 20.0, E6, "red red red", "222", ""},
      {10'000.0, 1.0, E96, "brown black black red brown", "1002", "01C"},
      {4'750.0, 1.0, E96, "yellow violet green brown brown", "4751", "66B"},
      {10.1, 0.5, E192, "brown black brown gold green", "10R1", ""},
      {1'000.0, 0.25, Stock, "brown black black brown blue", "1001", "01B"},
      {1'000.0, 0.1, Stock, "brown black black brown violet", "1001", "01B"},
      {1'000.0, 0.05, Stock, "brown black black brown grey", "1001", "01B"},
      {1'000.0, 3.0, Stock, "", "102", ""},
      {1'000.0, 1.5, Stock, "", "1001", ""},
      // No resistance at all.
      {0.0, 5.0, Stock, "", "", ""},
      {std::numeric_limits<double>::quiet_NaN(), 5.0, Stock, "", "", ""},
  };
  for (const MarkingCase& row : cases) {
    const Markings markings = MarkingsOf({row.ohms, row.tolerance, row.origin, unlimitedCount, {}});
    std::string bands;
    for (int i = 0; markings.bands && i < markings.bands->size; ++i) {
      bands.append(i ? " " : "").append(markings.bands->names[i]);
    }
    EXPECT_EQ(bands, row.bands) << row.ohms << " at " << row.tolerance << " %";
    EXPECT_EQ(markings.smd.value_or(MarkingCode()), row.smd)
        << row.ohms << " at " << row.tolerance << " %";
    EXPECT_EQ(markings.eia96.value_or(MarkingCode()), row.eia96)
        << row.ohms << " at " << row.tolerance;
  }
}

}  // namespace
}  // namespace tamblor
