#include "network/markings.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tamblor {
namespace {

std::string Joined(const std::optional<BandColours>& bands) {
  if (!bands) return "null";
  std::string names;
  for (int i = 0; i < bands->size; ++i) names.append(i ? " " : "").append(bands->names[i]);
  return names;
}

std::string TextOf(const std::optional<MarkingCode>& code) {
  return code ? std::string(code->view()) : "null";
}

struct MarkingCase {
  double ohms;
  double tolerance;
  PartOrigin origin;
  std::string_view bands;
  std::string_view smd;
  std::string_view eia96;
};

constexpr auto E6 = PartOrigin::E6;
constexpr auto E12 = PartOrigin::E12;
constexpr auto E24 = PartOrigin::E24;
constexpr auto E48 = PartOrigin::E48;
constexpr auto E96 = PartOrigin::E96;
constexpr auto E192 = PartOrigin::E192;
constexpr auto Stock = PartOrigin::Stock;

TEST(Markings, FollowTheColourAndSmdCodesOfEachPart) {
  const MarkingCase cases[] = {
      // Two digits for E24 at 5 %, three for a precision series, for below 2 %, for a stock value
      // that needs them; a value needing more than its class has none.
      {4'700.0, 5.0, E24, "yellow violet red gold", "472", "null"},
      {4'700.0, 1.0, E24, "yellow violet black brown brown", "4701", "null"},
      {1'000.0, 2.0, E48, "brown black black brown red", "1001", "null"},
      {1'000.0, 10.0, E96, "brown black black brown silver", "1001", "null"},
      {1'000.0, 5.0, E192, "brown black black brown gold", "1001", "null"},
      {4'750.0, 5.0, E24, "null", "null", "null"},
      {10'000.0, 2.0, Stock, "brown black orange red", "103", "null"},
      {4'750.0, 5.0, Stock, "yellow violet green brown gold", "4751", "null"},
      {4'753.0, 5.0, Stock, "null", "null", "null"},
      {4'753.0, 1.0, Stock, "null", "null", "null"},
      // Below 10 and below 1 ohm: gold and silver multipliers, R for the point, then nothing.
      {1.0, 5.0, E24, "brown black gold gold", "1R0", "null"},
      {4.7, 5.0, E24, "yellow violet gold gold", "4R7", "null"},
      {0.47, 5.0, Stock, "yellow violet silver gold", "R47", "null"},
      {0.047, 5.0, Stock, "null", "null", "null"},
      {49.9, 1.0, E96, "yellow white white gold brown", "49R9", "68X"},
      {4.99, 1.0, E96, "yellow white white silver brown", "4R99", "68Y"},
      {0.102, 1.0, E96, "null", "R102", "02Z"},
      {0.0102, 1.0, E96, "null", "null", "null"},
      // The largest multipliers.
      {1e10, 5.0, E24, "brown black white gold", "109", "null"},
      {1e11, 5.0, E24, "null", "null", "null"},
      {1e7, 1.0, E96, "brown black black green brown", "1005", "01F"},
      {1e8, 1.0, E96, "brown black black blue brown", "1006", "null"},
      // Each tolerance band, none at 20 %, no bands for a tolerance without a colour.
      {1'200.0, 10.0, E12, "brown red red silver", "122", "null"},
      {2'200.0, 20.0, E6, "red red red", "222", "null"},
      {10'000.0, 1.0, E96, "brown black black red brown", "1002", "01C"},
      {4'750.0, 1.0, E96, "yellow violet green brown brown", "4751", "66B"},
      {10.1, 0.5, E192, "brown black brown gold green", "10R1", "null"},
      {1'000.0, 0.25, Stock, "brown black black brown blue", "1001", "01B"},
      {1'000.0, 0.1, Stock, "brown black black brown violet", "1001", "01B"},
      {1'000.0, 0.05, Stock, "brown black black brown grey", "1001", "01B"},
      {1'000.0, 3.0, Stock, "null", "102", "null"},
      {1'000.0, 1.5, Stock, "null", "1001", "null"},
  };
  for (const MarkingCase& row : cases) {
    Part part;
    part.ohms = row.ohms;
    part.tolerance = row.tolerance;
    part.origin = row.origin;
    const Markings markings = MarkingsOf(part);
    EXPECT_EQ(Joined(markings.bands), row.bands) << row.ohms << " at " << row.tolerance << " %";
    EXPECT_EQ(TextOf(markings.smd), row.smd) << row.ohms << " at " << row.tolerance << " %";
    EXPECT_EQ(TextOf(markings.eia96), row.eia96) << row.ohms << " at " << row.tolerance << " %";
  }
}

TEST(Markings, NoneForAValueThatIsNoResistance) {
  for (const double ohms : {0.0, -4'700.0, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()}) {
    Part part;
    part.ohms = ohms;
    const Markings markings = MarkingsOf(part);
    EXPECT_FALSE(markings.bands || markings.smd || markings.eia96) << ohms;
  }
}

}  // namespace
}  // namespace tamblor
