#include "engine/calculate_command.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/engine/recording_form.h"

namespace tamblor {
namespace {

using Lines = std::vector<std::string>;
const std::string emptyRow = "||||||";
const std::string emptyRows = emptyRow + emptyRow + emptyRow;
const std::string clearedFields = "LLLLLLLBBBBBBBHHHHHHH";
const std::string tooHigh =
    "Input Value Error: Requested value is too high for the set limits.\n"
    "Maximum allowed input value = ";
const std::string tooLow =
    "Input Value Error: Requested value is too low for the set limits.\n"
    "Minimum allowed input value = ";

class CalculateCommandTest : public ::testing::Test {
 protected:
  // A fresh form with the selection and the E96 minimum a first start gives it.
  void Reset(bool E24ONLY = true, bool USE_1PC = true) {
    state = {};
    form = {};
    state.E24ONLY = E24ONLY;
    state.USE_1PC = USE_1PC;
    form.boxes[IDC_E96_MIN] = USE_1PC ? "1R" : "51R1";
  }
  void Calculate(const std::string& required) {
    form.boxes[IDC_REQUIRED] = required;
    OnCalculate(state, form);
  }
  std::string Rows() { return form.Row(LOWER_ROW) + form.Row(BEST_ROW) + form.Row(HIGHER_ROW); }

  CalculatorState state;
  testing::RecordingForm form;
};

TEST_F(CalculateCommandTest, ABoxAtFaultTakesTheFocusAndLeavesThePreviousResults) {
  const std::tuple<ControlId, std::string, Lines> rows[] = {
      {IDC_E24_MIN, "abc", {"Validation Error: E24 minimum value is not a valid number"}},
      {IDC_E24_MIN, "0R999", {"Limits Error: E24 minimum value is 1 ohm"}},
      {IDC_E24_MAX, "4K7", {"Validation Error: E24 maximum value is not a valid number"}},
      {IDC_E96_MIN, "1 k", {"Validation Error: E96 minimum value is not a valid number"}},
      {IDC_E96_MIN, "0R5", {"Limits Error: E96 minimum value is 1 ohm"}},  // read for E24 too
      {IDC_E96_MAX, "-1", {"Validation Error: E96 maximum value is not a valid number"}},
      {IDC_REQUIRED, "abc", {"Validation Error: Requested value is not a valid number"}},
      {IDC_REQUIRED, "0", {"Limits Error: Required value must be at least 1 ohm"}},
      {IDC_REQUIRED, "k", {"Limits Error: Required value must be at least 1 ohm"}},
      {IDC_REQUIRED, "", {}},
  };
  for (const auto& [box, text, messages] : rows) {
    SCOPED_TRACE(std::to_string(box) + " \"" + text + "\"");
    Reset();
    Calculate("289");
    const std::string eventsBefore = form.events;
    const BandCode r1Before = state.r1Bands;
    form.boxes[box] = text;
    OnCalculate(state, form);
    EXPECT_EQ(form.messages, messages);
    EXPECT_EQ(form.focus, messages.empty() ? IDC_CALCULATE : box);
    EXPECT_EQ(form.events, eventsBefore);
    EXPECT_EQ(state.r1Bands, r1Before);
    EXPECT_GT(state.bestAbsError, 0.0);
  }
}

TEST_F(CalculateCommandTest, ValueOutsideTheAllowedRangeStopsWithTheFormCleared) {
  const std::tuple<bool, bool, std::string, std::string> rows[] = {
      {true, true, "25M", tooHigh + "20M"},      {true, true, "20M", ""},
      {true, true, "0R4", tooLow + "0R5"},       {true, true, "0R5", ""},
      {false, true, "0R49", tooLow + "0R5"},     {false, true, "0R5", ""},
      {false, true, "11M1", tooHigh + "11M"},    {false, true, "11M", ""},
      {false, false, "46R8", tooLow + "46R828"}, {false, false, "46R83", ""},
      {false, false, "1M11", tooHigh + "1M1"},   {false, false, "1M1", ""},
  };
  for (const auto& [E24ONLY, USE_1PC, required, message] : rows) {
    SCOPED_TRACE(required + (E24ONLY ? " E24" : USE_1PC ? " 1 %" : " 0.1 %"));
    Reset(E24ONLY, USE_1PC);
    Calculate("289");
    Calculate(required);
    EXPECT_EQ(form.messages, message.empty() ? Lines{} : Lines{message});
    if (message.empty()) continue;
    EXPECT_EQ(form.focus, IDC_CALCULATE);
    EXPECT_EQ(Rows(), emptyRows);
    EXPECT_TRUE(form.lines.empty());
    EXPECT_EQ(state.r1Bands.digitCount + state.r2Bands.digitCount + state.matchCount, 0);
    EXPECT_EQ(state.bestAbsError + state.lowerAbsError + state.higherAbsError, 0.0);
  }
  Reset();
  form.boxes[IDC_E24_MAX] = "100000000";  // a box counts its first seven characters
  Calculate("2M5");
  EXPECT_EQ(form.messages, Lines{tooHigh + "2M"});
  EXPECT_EQ(state.e24MaxText, "1000000");
}

TEST_F(CalculateCommandTest, DirectHitShowsTheRequiredTextAsTyped) {
  const std::tuple<bool, std::string, std::string> rows[] = {
      {true, "4k7", "4k7|4k7|E24||||"},
      {true, "4700", "4700|4700|E24||||"},
      {true, "47000009", "4700000|4700000|E24||||"},
      {false, "4k75", "4k75|4k75|E96||||"}};
  for (const auto& [E24ONLY, required, best] : rows) {
    Reset(E24ONLY);
    Calculate(required);
    EXPECT_EQ(Rows(), emptyRow + best + emptyRow) << required;
    EXPECT_EQ(form.events, clearedFields + "BBBR") << required;
    EXPECT_TRUE(form.lines.empty());
    EXPECT_EQ(state.r2Bands.digitCount, 0);
    EXPECT_EQ(state.bestAbsError, 0.0);
  }
}

TEST_F(CalculateCommandTest, InexactValueFillsTheBestRowAndCodesThenTheListThenTheOtherRows) {
  Calculate("5k");
  form.events.clear();
  Calculate("289");
  EXPECT_EQ(Rows(),
            "288R462|300R|E24|7k5|E24|-0.1863|in parallel"
            "288R934|470R|E24|750R|E24|-0.0227|in parallel"
            "289R412|300R|E24|8k2|E24|+0.1425|in parallel");
  EXPECT_EQ(form.lines, Lines{"no exact matches found"});
  EXPECT_EQ(state.r1Bands, (BandCode{{4, 7}, 2, 1}));
  EXPECT_EQ(state.r2Bands, (BandCode{{7, 5}, 2, 1}));
  EXPECT_NEAR(state.bestAbsError, 0.0227, 0.00005);
  EXPECT_NEAR(state.lowerAbsError, 0.1863, 0.00005);
  EXPECT_NEAR(state.higherAbsError, 0.1425, 0.00005);
  // The five lines of 5k deleted from the top, the 21 fields cleared, then the results.
  EXPECT_EQ(form.events, "D0D0D0D0D0" + clearedFields + "BBBBBRRBBALLLLLLLHHHHHHH");
}

TEST_F(CalculateCommandTest, ExactValueListsItsMatchesAndADoubleClickTakesOneIntoTheBestRow) {
  Calculate("5k");
  EXPECT_EQ(form.lines, (Lines{"R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel",
                               "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series",
                               "R1 (E24) = 7k5\tR2 (E24) = 15k\tin parallel",
                               "R1 (E24) = 4k7\tR2 (E24) = 300R\tin series",
                               "R1 (E24) = 2k\tR2 (E24) = 3k\tin series"}));
  EXPECT_EQ(state.matchCount, 5);
  for (const int line : {-1, 5, 1}) {
    form.currentLine = line;
    form.events.clear();
    OnMatchListDoubleClick(state, form);
    EXPECT_EQ(form.events, line == 1 ? "BBBBRR" : "") << line;
  }
  EXPECT_EQ(form.Row(BEST_ROW), "5k|1k1|E24|3k9|E24|+0.0000|in series");
  EXPECT_EQ(state.r1Bands, (BandCode{{1, 1}, 2, 2}));
  EXPECT_EQ(state.r2Bands, (BandCode{{3, 9}, 2, 2}));
}

TEST_F(CalculateCommandTest, ListOfOneLineIgnoresADoubleClick) {
  const std::pair<std::string, std::string> rows[] = {
      {"219", "R1 (E24) = 180R\tR2 (E24) = 39R\tin series"},
      {"128", "no additional matches meeting criteria found"},
      {"1R5", "no pairs meeting criteria found"}};  // with no E24 value inside the limits
  for (const auto& [required, line] : rows) {
    if (required == "1R5") form.boxes[IDC_E24_MIN] = form.boxes[IDC_E24_MAX] = "1R05";
    Calculate(required);
    EXPECT_EQ(form.lines, Lines{line});
    form.currentLine = 0;
    form.events.clear();
    OnMatchListDoubleClick(state, form);
    EXPECT_EQ(form.events, "");
  }
  EXPECT_EQ(Rows(), emptyRows);
  EXPECT_TRUE(form.messages.empty());
}

TEST(LimitCheck, StoresAnAcceptedTextForTheToleranceAndRejectsWithTheFocusBack) {
  const std::tuple<ControlId, bool, std::string, std::string, double, std::string> rows[] = {
      {IDC_E24_MIN, true, "0R5", "Limits Error: E24 minimum value is 1 ohm", 0.5,
       "1R 10M 1R 1M 51R1 1M"},
      {IDC_E24_MIN, true, "1k5", "", 1'500.0, "1k5 10M 1R 1M 51R1 1M"},
      {IDC_E24_MAX, true, "", "", 0.0, "1R  1R 1M 51R1 1M"},
      {IDC_E24_MAX, true, "12345678", "", 1'234'567.0, "1R 1234567 1R 1M 51R1 1M"},
      {IDC_E96_MIN, true, "2R", "", 2.0, "1R 10M 2R 1M 51R1 1M"},
      {IDC_E96_MIN, false, "47R", "", 47.0, "1R 10M 1R 1M 47R 1M"},
      {IDC_E96_MAX, false, "2M", "", 2e6, "1R 10M 1R 1M 51R1 2M"},
      {IDC_E96_MAX, true, "abc", "Validation Error: E96 maximum value is not a valid number", 1e6,
       "1R 10M 1R 1M 51R1 1M"},
      {IDC_REQUIRED, true, "abc", "", 0.0, "1R 10M 1R 1M 51R1 1M"},  // not a limit box
  };
  for (const auto& [box, USE_1PC, text, message, limit, texts] : rows) {
    SCOPED_TRACE(std::to_string(box) + " \"" + text + "\"");
    CalculatorState state;
    state.USE_1PC = USE_1PC;
    testing::RecordingForm form;
    form.boxes[box] = text;
    OnLimitBoxKillFocus(state, form, box);
    SeriesLimits expected;
    double* const fields[] = {&expected.e24Min, &expected.e24Max, &expected.e96Min,
                              &expected.e96Max};
    if (box != IDC_REQUIRED) *fields[box - IDC_E24_MIN] = limit;
    EXPECT_EQ(state.limits, expected);
    std::string accepted;
    for (const FieldText* t : {&state.e24MinText, &state.e24MaxText, &state.e96MinText1,
                               &state.e96MaxText1, &state.e96MinText2, &state.e96MaxText2}) {
      accepted += std::string(t->view()) + " ";
    }
    EXPECT_EQ(accepted, texts + " ");
    EXPECT_EQ(form.messages, message.empty() ? Lines{} : Lines{message});
    EXPECT_EQ(form.focus, message.empty() ? IDC_CALCULATE : box);
  }
}

}  // namespace
}  // namespace tamblor
