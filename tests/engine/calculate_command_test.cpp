#include "engine/calculate_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/engine/recording_form.h"

namespace tamblor {
namespace {

using Lines = std::vector<std::string>;
const std::string emptyRow = "||||||";
const std::string clearedFields = "LLLLLLLBBBBBBBHHHHHHH";
const std::string tooHigh =
    "Input Value Error: Requested value is too high for the set limits.\n"
    "Maximum allowed input value = ";
const std::string tooLow =
    "Input Value Error: Requested value is too low for the set limits.\n"
    "Minimum allowed input value = ";

class CalculateCommandTest : public ::testing::Test {
 protected:
  void Calculate(const std::string& required) {
    form.boxes[IDC_REQUIRED] = required;
    OnCalculate(state, form);
  }
  // The selection, with the E96 minimum a first start gives it.
  void Choose(bool E24ONLY, bool USE_1PC) {
    state.E24ONLY = E24ONLY;
    state.USE_1PC = USE_1PC;
    form.boxes[IDC_E96_MIN] = USE_1PC ? "1R" : "51R1";
  }
  bool Cleared() {
    return form.Row(LOWER_ROW) + form.Row(BEST_ROW) + form.Row(HIGHER_ROW) ==
               emptyRow + emptyRow + emptyRow &&
           state.r1Bands.digitCount == 0 && state.r2Bands.digitCount == 0 &&
           state.bestAbsError == 0.0 && state.matchCount == 0;
  }

  CalculatorState state;
  testing::RecordingForm form;
};

TEST_F(CalculateCommandTest, StopInStepsOneToFiveFocusesTheBoxAndLeavesThePreviousResults) {
  struct Row {
    ControlId box;
    std::string text;
    Lines messages;
  };
  const Row rows[] = {
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
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.box) + " \"" + row.text + "\"");
    state = {};
    form = {};
    Calculate("289");
    const std::string eventsBefore = form.events;
    const BandCode r1Before = state.r1Bands;
    form.boxes[row.box] = row.text;
    OnCalculate(state, form);
    EXPECT_EQ(form.messages, row.messages);
    EXPECT_EQ(form.focus, row.messages.empty() ? IDC_CALCULATE : row.box);
    EXPECT_EQ(form.events, eventsBefore);
    EXPECT_EQ(state.r1Bands, r1Before);
    EXPECT_GT(state.bestAbsError, 0.0);
  }
}

TEST_F(CalculateCommandTest, ValueOutsideTheAllowedRangeStopsWithTheFormCleared) {
  struct Row {
    bool E24ONLY, USE_1PC;
    std::string required;
    Lines messages;
  };
  const Row rows[] = {
      {true, true, "25M", {tooHigh + "20M"}},      {true, true, "20M", {}},
      {true, true, "0R4", {tooLow + "0R5"}},       {true, true, "0R5", {}},
      {false, true, "0R49", {tooLow + "0R5"}},     {false, true, "0R5", {}},
      {false, true, "11M1", {tooHigh + "11M"}},    {false, true, "11M", {}},
      {false, false, "46R8", {tooLow + "46R828"}}, {false, false, "46R83", {}},
      {false, false, "1M11", {tooHigh + "1M1"}},   {false, false, "1M1", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.required + (row.E24ONLY ? " E24" : row.USE_1PC ? " 1 %" : " 0.1 %"));
    state = {};
    form = {};
    Choose(row.E24ONLY, row.USE_1PC);
    Calculate("289");
    Calculate(row.required);
    EXPECT_EQ(form.messages, row.messages);
    if (row.messages.empty()) continue;
    EXPECT_EQ(form.focus, IDC_CALCULATE);
    EXPECT_TRUE(Cleared());
    EXPECT_TRUE(form.lines.empty());
  }
}

TEST_F(CalculateCommandTest, LimitBoxCountsItsFirstSevenCharacters) {
  form.boxes[IDC_E24_MAX] = "100000000";
  Calculate("2M5");
  EXPECT_EQ(form.messages, Lines{tooHigh + "2M"});
  EXPECT_EQ(state.e24MaxText, "1000000");
}

TEST_F(CalculateCommandTest, DirectHitShowsTheRequiredTextAsTyped) {
  struct Row {
    bool E24ONLY;
    std::string required, best;
  };
  const Row rows[] = {{true, "4k7", "4k7|4k7|E24||||"},
                      {true, "4700", "4700|4700|E24||||"},
                      {true, "47000009", "4700000|4700000|E24||||"},
                      {false, "4k75", "4k75|4k75|E96||||"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.required);
    state = {};
    form = {};
    Choose(row.E24ONLY, true);
    Calculate(row.required);
    EXPECT_EQ(form.Row(LOWER_ROW) + form.Row(BEST_ROW) + form.Row(HIGHER_ROW),
              emptyRow + row.best + emptyRow);
    EXPECT_EQ(form.events, clearedFields + "BBBR");
    EXPECT_TRUE(form.lines.empty());
    EXPECT_GT(state.r1Bands.digitCount, 0);
    EXPECT_EQ(state.r2Bands.digitCount, 0);
    EXPECT_EQ(state.bestAbsError, 0.0);
  }
}

TEST_F(CalculateCommandTest, InexactValueFillsTheBestRowAndCodesThenTheListThenTheOtherRows) {
  Calculate("5k");
  form.events.clear();
  Calculate("289");
  EXPECT_EQ(form.Row(BEST_ROW), "288R934|470R|E24|750R|E24|-0.0227|in parallel");
  EXPECT_EQ(form.Row(LOWER_ROW), "288R462|300R|E24|7k5|E24|-0.1863|in parallel");
  EXPECT_EQ(form.Row(HIGHER_ROW), "289R412|300R|E24|8k2|E24|+0.1425|in parallel");
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
  const std::pair<std::string, Lines> rows[] = {
      {"219", {"R1 (E24) = 180R\tR2 (E24) = 39R\tin series"}},
      {"128", {"no additional matches meeting criteria found"}}};
  for (const auto& [required, lines] : rows) {
    Calculate(required);
    EXPECT_EQ(form.lines, lines);
    form.currentLine = 0;
    form.events.clear();
    OnMatchListDoubleClick(state, form);
    EXPECT_EQ(form.events, "");
  }
}

TEST_F(CalculateCommandTest, NoOfferedPairLeavesTheFormClearedWithOneListLine) {
  Calculate("289");
  form.boxes[IDC_E24_MIN] = form.boxes[IDC_E24_MAX] = "1R05";
  form.events.clear();
  Calculate("1R5");
  EXPECT_TRUE(form.messages.empty());
  EXPECT_EQ(form.lines, Lines{"no pairs meeting criteria found"});
  EXPECT_TRUE(Cleared());
  EXPECT_EQ(std::ranges::count(form.events, 'R'), 0);
}

std::string Texts(const CalculatorState& s) {
  return std::string(s.e24MinText.view()) + " " + std::string(s.e24MaxText.view()) + " " +
         std::string(s.e96MinText1.view()) + " " + std::string(s.e96MaxText1.view()) + " " +
         std::string(s.e96MinText2.view()) + " " + std::string(s.e96MaxText2.view());
}

TEST(LimitCheck, StoresAnAcceptedTextForTheToleranceAndRejectsWithTheFocusBack) {
  struct Row {
    void (*check)(CalculatorState&, FormControls&);
    ControlId box;
    bool USE_1PC;
    std::string text;
    Lines messages;
    SeriesLimits limits;
    std::string texts;
  };
  const Row rows[] = {
      {OnKillFocusE24Min,
       IDC_E24_MIN,
       true,
       "0R5",
       {"Limits Error: E24 minimum value is 1 ohm"},
       {0.5, 1e7, 1.0, 1e6},
       "1R 10M 1R 1M 51R1 1M"},
      {OnKillFocusE24Min, IDC_E24_MIN, true, "1R", {}, {}, "1R 10M 1R 1M 51R1 1M"},
      {OnKillFocusE24Min,
       IDC_E24_MIN,
       true,
       "1k5",
       {},
       {1'500.0, 1e7, 1.0, 1e6},
       "1k5 10M 1R 1M 51R1 1M"},
      {OnKillFocusE24Max, IDC_E24_MAX, true, "", {}, {1.0, 0.0, 1.0, 1e6}, "1R  1R 1M 51R1 1M"},
      {OnKillFocusE24Max,
       IDC_E24_MAX,
       true,
       "12345678",
       {},
       {1.0, 1'234'567.0, 1.0, 1e6},
       "1R 1234567 1R 1M 51R1 1M"},
      {OnKillFocusE96Min,
       IDC_E96_MIN,
       true,
       "2R",
       {},
       {1.0, 1e7, 2.0, 1e6},
       "1R 10M 2R 1M 51R1 1M"},
      {OnKillFocusE96Min,
       IDC_E96_MIN,
       false,
       "47R",
       {},
       {1.0, 1e7, 47.0, 1e6},
       "1R 10M 1R 1M 47R 1M"},
      {OnKillFocusE96Max,
       IDC_E96_MAX,
       false,
       "2M",
       {},
       {1.0, 1e7, 1.0, 2e6},
       "1R 10M 1R 1M 51R1 2M"},
      {OnKillFocusE96Max,
       IDC_E96_MAX,
       true,
       "abc",
       {"Validation Error: E96 maximum value is not a valid number"},
       {},
       "1R 10M 1R 1M 51R1 1M"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.box) + " \"" + row.text + "\"");
    CalculatorState state;
    state.USE_1PC = row.USE_1PC;
    testing::RecordingForm form;
    form.boxes[row.box] = row.text;
    row.check(state, form);
    EXPECT_EQ(state.limits, row.limits);
    EXPECT_EQ(Texts(state), row.texts);
    EXPECT_EQ(form.messages, row.messages);
    EXPECT_EQ(form.focus, row.messages.empty() ? IDC_CALCULATE : row.box);
  }
}

}  // namespace
}  // namespace tamblor
