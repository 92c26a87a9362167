#include "network/ratio_text.h"

#include <gtest/gtest.h>

namespace tamblor {
namespace {

TEST(ReadRatio, ReadsADecimalAFractionOrAnOutputVoltage) {
  const std::tuple<std::string_view, std::optional<double>, DividerTarget> cases[] = {
      {"0.275", {}, {0.275, OutputSource::None, 0.0}},
      {".5", {}, {0.5, OutputSource::None, 0.0}},
      {"0.00000000000000000000000000001", {}, {1e-29, OutputSource::None, 0.0}},
      {"3.3/12", {}, {3.3 / 12.0, OutputSource::Input, 12.0}},
      {"3.3", 0.8, {0.8 / 3.3, OutputSource::Reference, 0.8}},
  };
  for (const auto& [text, reference, target] : cases) {
    const RatioReading reading = ReadRatio(text, reference);
    ASSERT_FALSE(reading.message) << text << ": " << reading.message->text;
    EXPECT_EQ(reading.target.ratio, target.ratio) << text;
    EXPECT_EQ(reading.target.source, target.source) << text;
    EXPECT_EQ(reading.target.volts, target.volts) << text;
  }
}

TEST(ReadRatio, SaysWhatIsWrongWithABadValue) {
  const std::tuple<std::string_view, std::optional<double>, std::string_view> cases[] = {
      {"", {}, "Value is empty"},
      {"0.100000000000000000000000000001", {}, "Value is longer than 31 characters"},
      {"nan", {}, "Ratio is not a valid number"},
      {"inf", {}, "Ratio is not a valid number"},
      {"0.2.5", {}, "Ratio is not a valid number"},
      {".", {}, "Ratio is not a valid number"},
      {"0", {}, "Ratio must lie between 0 and 1"},
      {"1", {}, "Ratio must lie between 0 and 1"},
      {"1.5", {}, "Ratio must lie between 0 and 1"},
      {"-0.5", {}, "Ratio must lie between 0 and 1"},
      {"12/12", {}, "Ratio A/B needs A below B"},
      {"3.3/0", {}, "Ratio A/B has a B of zero"},
      {"0/12", {}, "Ratio A/B needs A and B above zero"},
      {"-3.3/12", {}, "Ratio A/B needs A and B above zero"},
      {"3.3/-12", {}, "Ratio A/B needs A and B above zero"},
      {"3.3/12/2", {}, "Ratio A/B needs two valid numbers"},
      {"0.8", 0.8, "Output voltage must exceed the reference voltage"},
      {"3.3/12", 0.8, "Output voltage is not a valid number"},
      {"1000000000000000000000000000000", 1e-300, "Ratio must lie between 0 and 1"},
  };
  for (const auto& [text, reference, why] : cases) {
    const RatioReading reading = ReadRatio(text, reference);
    ASSERT_TRUE(reading.message) << text;
    EXPECT_EQ(reading.message->title, "Validation Error") << text;
    EXPECT_EQ(reading.message->text, why) << text;
  }
}

}  // namespace
}  // namespace tamblor
