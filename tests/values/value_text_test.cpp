#include "values/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

namespace tamblor {
namespace {

// The mantissa and exponent read, as "4.7e3", or "invalid".
std::string Read(std::string_view text) {
  const std::optional<ParsedValue> value = ParseValueText(text);
  if (!value) return "invalid";
  return (std::ostringstream() << value->mantissa << 'e' << value->exponent).str();
}

// 1M5k: the k wins and the number stops at the M; 1R5M: the M wins and it stops at the R.
TEST(ParseValueText, ReadsTheFirstOfKThenMThenRAsThePointAndRejectsOtherCharacters) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"4.7k", "4.7e3"},  {"2k2k", "2.2e3"},   {"1M5k", "1e3"},    {"1R5M", "1e6"},
      {"R47", "4.7e-1"},  {".5k", "5e2"},      {"", "0e0"},        {"k", "0e0"},
      {"47K", "invalid"}, {"4 k7", "invalid"}, {"1e3", "invalid"}, {"-1", "invalid"}};
  for (const auto& [text, reading] : cases) EXPECT_EQ(Read(text), reading) << '"' << text << '"';
  EXPECT_EQ(Read(std::string(maxValueTextLength, '1')), "1.11111e30");
  EXPECT_EQ(Read(std::string(maxValueTextLength + 1, '1')), "invalid");
}

// The unit is chosen before rounding; what no text of the notation holds is written outside it.
TEST(FormatValueText, WritesTheUnitLetterInPlaceOfThePoint) {
  const std::pair<double, std::string_view> cases[] = {
      {1.0, "1R"},         {0.47, "0R47"},    {51.1, "51R1"},         {12'345.678, "12k346"},
      {100.0, "100R"},     {1e3, "1k"},       {999'999.0, "999k999"}, {2'150.0, "2k15"},
      {999.9996, "1000R"}, {1e6, "1M"},       {2.2e6, "2M2"},         {999'999.9, "1000k"},
      {0.00049, "0R"},     {0.0005, "0R001"}, {-4'700.0, "-4k7"},     {-INFINITY, "-inf"},
      {1e36, "1e+36"},     {INFINITY, "inf"}, {NAN, "nan"},           {0.0, "0R"}};
  for (const auto& [ohms, text] : cases) EXPECT_EQ(FormatValueText(ohms), text) << ohms;
  EXPECT_EQ(FormatValueText(std::nextafter(1e36, 0.0)).size(), maxValueTextLength);
}

}  // namespace
}  // namespace tamblor
