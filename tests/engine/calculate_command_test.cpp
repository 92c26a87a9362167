#include "engine/calculate_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tamblor {
namespace {

using Lines = std::vector<std::string>;

// A form that keeps what the engine does to it. `events` logs the writes in order: L, B or H for
// a field of the lower, best or higher row, R for a repaint, A for a list line added and D with
// its number for one deleted.
struct RecordingForm : FormControls {
  std::map<ControlId, std::string> boxes{
      {IDC_E24_MIN, "1R"}, {IDC_E24_MAX, "10M"}, {IDC_E96_MIN, "1R"}, {IDC_E96_MAX, "1M"}};
  std::map<ControlId, std::string> fields;
  Lines lines, messages;  // messages as "title: text"
  int currentLine = -1;
  ControlId focus = IDC_CALCULATE;
  std::string events;

  static constexpr std::pair<ResultRowFields, char> rows[] = {
      {LOWER_ROW, 'L'}, {BEST_ROW, 'B'}, {HIGHER_ROW, 'H'}};
  static std::array<ControlId, 7> Fields(const ResultRowFields& r) {
    return {r.actual, r.r1, r.r1Series, r.r2, r.r2Series, r.error, r.connection};
  }
  // The seven fields of a row in column order, each followed by "|".
  std::string Row(const ResultRowFields& row) {
    std::string text;
    for (const ControlId field : Fields(row)) text += fields[field] + "|";
    return text;
  }
  std::string Rows() { return Row(LOWER_ROW) + Row(BEST_ROW) + Row(HIGHER_ROW); }

  std::string_view BoxText(ControlId box) override { return boxes[box]; }
  void SetFieldText(ControlId field, std::string_view text) override {
    fields[field] = text;
    for (const auto& [row, letter] : rows) {
      if (std::ranges::count(Fields(row), field) > 0) events += letter;
    }
  }
  int MatchListCount() override { return static_cast<int>(lines.size()); }
  int MatchListCurrent() override { return currentLine; }
  void MatchListAdd(std::string_view line) override {
    lines.emplace_back(line);
    events += 'A';
  }
  void MatchListDelete(int line) override {
    ASSERT_TRUE(line >= 0 && line < MatchListCount()) << line;
    lines.erase(lines.begin() + line);
    events += 'D' + std::to_string(line);
  }
  void SetFocusTo(ControlId control) override { focus = control; }
  void ShowStopMessage(std::string_view text, std::string_view title) override {
    messages.push_back(std::string(title) + ": " + std::string(text));
  }
  void RepaintBands() override { events += 'R'; }
};

const std::string emptyRows(21, '|');
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
    state.E24ONLY = E24ONLY;
    state.USE_1PC = USE_1PC;
    form = {};
    form.boxes[IDC_E96_MIN] = USE_1PC ? "1R" : "51R1";
  }
  void Calculate(const std::string& required) {
    form.boxes[IDC_REQUIRED] = required;
    OnCalculate(state, form);
  }

  CalculatorState state;
  RecordingForm form;
};

// A box at fault takes the focus and leaves the previous results; a required value out of range
// clears the form; "" for a value calculated.
TEST_F(CalculateCommandTest, ABoxAtFaultOrAValueOutOfRangeStopsTheCalculation) {
  const std::tuple<bool, bool, ControlId, std::string, std::string> rows[] = {
      {true, true, IDC_E24_MIN, "0R999", "Limits Error: E24 minimum value is 1 ohm"},
      {true, true, IDC_E24_MAX, "4K7", "Validation Error: E24 maximum value is not a valid number"},
      {true, true, IDC_E96_MIN, "0R5", "Limits Error: E96 minimum value is 1 ohm"},  // for E24 too
      {true, true, IDC_E96_MAX, "-1", "Validation Error: E96 maximum value is not a valid number"},
      {true, true, IDC_REQUIRED, "abc", "Validation Error: Requested value is not a valid number"},
      {true, true, IDC_REQUIRED, "k", "Limits Error: Required value must be at least 1 ohm"},
      {true, true, IDC_REQUIRED, "", ""},
      {true, true, IDC_REQUIRED, "25M", tooHigh + "20M"},
      {true, true, IDC_REQUIRED, "20M", ""},
      {true, true, IDC_REQUIRED, "0R4", tooLow + "0R5"},
      {true, true, IDC_REQUIRED, "0R5", ""},
      {false, true, IDC_REQUIRED, "11M1", tooHigh + "11M"},
      {false, false, IDC_REQUIRED, "46R8", tooLow + "46R828"},
      {false, false, IDC_REQUIRED, "1M11", tooHigh + "1M1"},
  };
  for (const auto& [E24ONLY, USE_1PC, box, text, message] : rows) {
    SCOPED_TRACE(std::to_string(box) + " \"" + text + "\" " + (USE_1PC ? "1 %" : "0.1 %"));
    Reset(E24ONLY, USE_1PC);
    Calculate("289");
    const std::string eventsBefore = form.events;
    const BandCode r1Before = state.r1Bands;
    form.boxes[box] = text;
    OnCalculate(state, form);
    EXPECT_EQ(form.messages, message.empty() ? Lines{} : Lines{message});
    const bool outOfRange = message.starts_with("Input");
    EXPECT_EQ(form.focus, message.empty() || outOfRange ? IDC_CALCULATE : box);
    if (outOfRange) {
      EXPECT_EQ(form.Rows(), emptyRows);
      EXPECT_TRUE(form.lines.empty());
      EXPECT_EQ(state.r1Bands.digitCount + state.r2Bands.digitCount + state.matchCount, 0);
      EXPECT_EQ(state.bestAbsError + state.lowerAbsError + state.higherAbsError, 0.0);
    } else if (!message.empty() || text.empty()) {
      EXPECT_EQ(form.events, eventsBefore);
      EXPECT_EQ(state.r1Bands, r1Before);
      EXPECT_GT(state.bestAbsError, 0.0);
    }
  }
}

// The selection, the required text, the E24 maximum and the series of a direct hit, "" for a
// search: a value of the chosen series inside its limits, shown as typed, up to seven characters.
TEST_F(CalculateCommandTest, DirectHitShowsTheRequiredTextAsTyped) {
  const std::tuple<bool, std::string, std::string, std::string> rows[] = {
      {true, "4700", "10M", "E24"},    {true, "47000009", "10M", "E24"},
      {true, "4k70001", "10M", "E24"}, {false, "4k75", "10M", "E96"},
      {false, "1M", "10M", "E96"},     {false, "4k7", "10M", ""},
      {true, "4k75", "10M", ""},       {false, "10M", "10M", ""},
      {true, "4k7", "4k7", "E24"},     {true, "4k7", "4k699", ""}};
  for (const auto& [E24ONLY, required, e24Max, series] : rows) {
    SCOPED_TRACE(required + " up to " + e24Max);
    Reset(E24ONLY);
    form.boxes[IDC_E24_MAX] = e24Max;
    Calculate(required);
    EXPECT_EQ(form.messages, Lines{});
    EXPECT_EQ(state.r2Bands.digitCount == 0, !series.empty());
    if (series.empty()) continue;
    const std::string shown = required.substr(0, 7) + "|";
    EXPECT_EQ(form.Rows(), std::string(7, '|') + shown + shown + series + std::string(12, '|'));
    EXPECT_EQ(form.events, clearedFields + "BBBR");
    EXPECT_TRUE(form.lines.empty());
    EXPECT_EQ(state.bestAbsError, 0.0);
  }
}

// The lines of 5k, and the rows of 289, are checked through tamblor-cli.
TEST_F(CalculateCommandTest, ADoubleClickTakesAListedMatchIntoTheBestRowAndACalculationRedoesAll) {
  Calculate("5k");
  ASSERT_EQ(state.matchCount, 5);
  for (const int line : {-1, 5, 1}) {
    form.currentLine = line;
    form.events.clear();
    OnMatchListDoubleClick(state, form);
    EXPECT_EQ(form.events, line == 1 ? "BBBBRR" : "") << line;
  }
  EXPECT_EQ(form.Row(BEST_ROW), "5k|1k1|E24|3k9|E24|+0.0000|in series|");
  EXPECT_EQ(state.r1Bands, (BandCode{{1, 1}, 2, 2}));
  EXPECT_EQ(state.r2Bands, (BandCode{{3, 9}, 2, 2}));
  form.events.clear();
  Calculate("289");
  EXPECT_EQ(state.r1Bands, (BandCode{{4, 7}, 2, 1}));
  EXPECT_EQ(state.r2Bands, (BandCode{{7, 5}, 2, 1}));
  // The five lines of 5k deleted from the top, the 21 fields cleared, the best row, the codes, the
  // list, then the other rows.
  EXPECT_EQ(form.events, "D0D0D0D0D0" + clearedFields + "BBBBBRRBBALLLLLLLHHHHHHH");
  // A list of one line, a match or a note, ignores it.
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
  EXPECT_EQ(form.Rows(), emptyRows);
  EXPECT_TRUE(form.messages.empty());
}

// The four limits, then the texts E24 minimum and maximum, and the E96 ones at 1 % and at 0.1 %.
// The required box is no limit box.
TEST(LimitCheck, StoresAnAcceptedTextForTheToleranceAndRejectsWithTheFocusBack) {
  const std::tuple<ControlId, bool, std::string, std::string, std::string> rows[] = {
      {IDC_E24_MIN, true, "0R5", "Limits Error: E24 minimum value is 1 ohm",
       "0.5 10000000 1 1000000 1R 10M 1R 1M 51R1 1M"},
      {IDC_E24_MAX, true, "", "", "1 0 1 1000000 1R  1R 1M 51R1 1M"},
      {IDC_E96_MIN, false, "47R", "", "1 10000000 47 1000000 1R 10M 1R 1M 47R 1M"},
      {IDC_E96_MAX, false, "2M", "", "1 10000000 1 2000000 1R 10M 1R 1M 51R1 2M"},
      {IDC_REQUIRED, true, "abc", "", "1 10000000 1 1000000 1R 10M 1R 1M 51R1 1M"},
  };
  for (const auto& [box, USE_1PC, text, message, stored] : rows) {
    SCOPED_TRACE(std::to_string(box) + " \"" + text + "\"");
    CalculatorState state;
    state.USE_1PC = USE_1PC;
    RecordingForm form;
    form.boxes[box] = text;
    OnLimitBoxKillFocus(state, form, box);
    char limits[80];
    std::snprintf(limits, sizeof limits, "%.10g %.10g %.10g %.10g", state.limits.e24Min,
                  state.limits.e24Max, state.limits.e96Min, state.limits.e96Max);
    std::string texts = limits;
    for (const FieldText* t : {&state.e24MinText, &state.e24MaxText, &state.e96MinText1,
                               &state.e96MaxText1, &state.e96MinText2, &state.e96MaxText2}) {
      texts.append(" ").append(t->view());
    }
    EXPECT_EQ(texts, stored);
    EXPECT_EQ(form.messages, message.empty() ? Lines{} : Lines{message});
    EXPECT_EQ(form.focus, message.empty() ? IDC_CALCULATE : box);
  }
}

}  // namespace
}  // namespace tamblor
