#include "network/ratio_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tamblor {
namespace {

struct GoodRatio {
  std::string_view text;
  std::optional<double> referenceVolts;
  double ratio;
  OutputSource source;
  double volts;
};

TEST(ReadRatio, ReadsADecimalAFractionOrAnOutputVoltage) {
  const GoodRatio cases[] = {
      {"0.275", std::nullopt, 0.275, OutputSource::None, 0.0},
      {".5", std::nullopt, 0.5, OutputSource::None, 0.0},
      {"0.00000000000000000000000000001", std::nullopt, 1e-29, OutputSource::None, 0.0},
      {"3.3/12", std::nullopt, 3.3 / 12.0, OutputSource::Input, 12.0},
      {"1/1.000000001", std::nullopt, 1.0 / 1.000000001, OutputSource::Input, 1.000000001},
      {"3.3", 0.8, 0.8 / 3.3, OutputSource::Reference, 0.8},
      {"0.81", 0.8, 0.8 / 0.81, OutputSource::Reference, 0.8},
  };
  for (const GoodRatio& row : cases) {
    const RatioReading reading = ReadRatio(row.text, row.referenceVolts);
    ASSERT_FALSE(reading.message) << row.text << ": " << reading.message->text;
    EXPECT_EQ(reading.target.ratio, row.ratio) << row.text;
    EXPECT_EQ(reading.target.source, row.source) << row.text;
    EXPECT_EQ(reading.target.volts, row.volts) << row.text;
  }
}

TEST(ReadRatio, SaysWhatIsWrongWithABadValue) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", "Value is empty"},
      {"0.100000000000000000000000000001", "Value is longer than 31 characters"},
      {"nan", "Ratio is not a valid number"},
      {"inf", "Ratio is not a valid number"},
      {"1e-1", "Ratio is not a valid number"},
      {"0.2.5", "Ratio is not a valid number"},
      {".", "Ratio is not a valid number"},
      {"0", "Ratio must lie between 0 and 1"},
      {"1", "Ratio must lie between 0 and 1"},
      {"1.5", "Ratio must lie between 0 and 1"},
      {"-0.5", "Ratio must lie between 0 and 1"},
      {"0.99999999999999999999", "Ratio must lie between 0 and 1"},
      {"12/3.3", "Ratio A/B needs A below B"},
      {"12/12", "Ratio A/B needs A below B"},
      {"3.3/0", "Ratio A/B has a B of zero"},
      {"0/12", "Ratio A/B needs A and B above zero"},
      {"-3.3/12", "Ratio A/B needs A and B above zero"},
      {"3.3/12/2", "Ratio A/B needs two valid numbers"},
      {"3.3/", "Ratio A/B needs two valid numbers"},
      {"inf/nan", "Ratio A/B needs two valid numbers"},
  };
  for (const auto& [text, why] : cases) {
    const RatioReading reading = ReadRatio(text);
    ASSERT_TRUE(reading.message) << text;
    EXPECT_EQ(reading.message->title, "Validation Error") << text;
    EXPECT_EQ(reading.message->text, why) << text;
  }
  const std::pair<std::string_view, std::string_view> voltages[] = {
      {"0.8", "Output voltage must exceed the reference voltage"},
      {"0.5", "Output voltage must exceed the reference voltage"},
      {"3.3/12", "Output voltage is not a valid number"},
      {"1000000000000000000000000000000", "Ratio must lie between 0 and 1"},
  };
  for (const auto& [text, why] : voltages) {
    const RatioReading reading = ReadRatio(text, text.size() > 20 ? 1e-300 : 0.8);
    ASSERT_TRUE(reading.message) << text;
    EXPECT_EQ(reading.message->text, why) << text;
  }
}

}  // namespace
}  // namespace tamblor
