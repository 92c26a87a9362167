#include "engine/calculate_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/recording_form.h"

namespace tamblor {
namespace {

using testing::RecordingForm;
using Row = std::vector<std::string>;

const Row emptyRow(7, "");

class CalculateCommandTest : public ::testing::Test {
 protected:
  void Calculate(const std::string& required) {
    form.boxes[IDC_REQUIRED] = required;
    OnCalculate(state, form);
  }

  void Choose(bool E24ONLY, bool USE_1PC) {
    state.E24ONLY = E24ONLY;
    state.USE_1PC = USE_1PC;
    form.boxes[IDC_E96_MIN] = USE_1PC ? "1R" : "51R1";
  }

  Row Fields(const ResultRowFields& row) const {
    return {form.Field(row.actual),    form.Field(row.r1),       form.Field(row.r1Series),
            form.Field(row.r2),        form.Field(row.r2Series), form.Field(row.error),
            form.Field(row.connection)};
  }

  void ExpectRowsEmpty() const {
    EXPECT_EQ(Fields(LOWER_ROW), emptyRow);
    EXPECT_EQ(Fields(BEST_ROW), emptyRow);
    EXPECT_EQ(Fields(HIGHER_ROW), emptyRow);
  }

  CalculatorState state;
  RecordingForm form;
};

struct BoxFault {
  ControlId box;
  std::string text;
  std::string message;
  std::string title;
};

TEST_F(CalculateCommandTest, EachFaultyBoxStopsWithItsMessageAndLeavesThePreviousResults) {
  const std::vector<BoxFault> faults{
      {IDC_E24_MIN, "abc", "E24 minimum value is not a valid number", "Validation Error"},
      {IDC_E24_MIN, "0R999", "E24 minimum value is 1 ohm", "Limits Error"},
      {IDC_E24_MAX, "4K7", "E24 maximum value is not a valid number", "Validation Error"},
      {IDC_E96_MIN, "1 k", "E96 minimum value is not a valid number", "Validation Error"},
      {IDC_E96_MIN, "0R5", "E96 minimum value is 1 ohm", "Limits Error"},
      {IDC_E96_MAX, "-1", "E96 maximum value is not a valid number", "Validation Error"},
      {IDC_REQUIRED, "abc", "Requested value is not a valid number", "Validation Error"},
      {IDC_REQUIRED, "0", "Required value must be at least 1 ohm", "Limits Error"},
      {IDC_REQUIRED, "k", "Required value must be at least 1 ohm", "Limits Error"},
  };
  for (const BoxFault& fault : faults) {
    SCOPED_TRACE(std::to_string(fault.box) + " \"" + fault.text + "\"");
    state = {};
    form = {};
    Calculate("289");  // E24 chosen: the E96 boxes are read all the same
    const auto fieldsBefore = form.fields;
    const auto linesBefore = form.listLines;
    const BandCode r1Before = state.r1Bands;

    form.boxes[fault.box] = fault.text;
    OnCalculate(state, form);

    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].text, fault.message);
    EXPECT_EQ(form.messages[0].title, fault.title);
    EXPECT_EQ(form.focus, fault.box);
    EXPECT_EQ(form.fields, fieldsBefore);
    EXPECT_EQ(form.listLines, linesBefore);
    EXPECT_EQ(state.r1Bands, r1Before);
    EXPECT_GT(state.bestAbsError, 0.0);
  }
}

TEST_F(CalculateCommandTest, AnEmptyRequiredBoxDoesNothingAtAll) {
  Calculate("289");
  const auto eventsBefore = form.events;
  Calculate("");
  EXPECT_EQ(form.events, eventsBefore);
  EXPECT_TRUE(form.messages.empty());
}

struct RangeCase {
  bool E24ONLY;
  bool USE_1PC;
  std::string required;
  std::string message;  // empty: the value is allowed
};

TEST_F(CalculateCommandTest, RequiredValueOutsideTheAllowedRangeClearsTheForm) {
  const std::string high =
      "Requested value is too high for the set limits.\n"
      "Maximum allowed input value = ";
  const std::string low =
      "Requested value is too low for the set limits.\n"
      "Minimum allowed input value = ";
  const std::vector<RangeCase> cases{
      {true, true, "25M", high + "20M"},
      {true, true, "20M", ""},
      {true, true, "0R4", low + "0R5"},
      {true, true, "0R5", ""},
      {false, true, "0R49", low + "0R5"},
      {false, true, "0R5", ""},
      {false, true, "11M", ""},
      {false, true, "11M1", high + "11M"},
      {false, false, "46R8", low + "46R828"},
      {false, false, "46R83", ""},
      {false, false, "1M1", ""},
      {false, false, "1M11", high + "1M1"},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(c.required + (c.E24ONLY ? " E24" : c.USE_1PC ? " E96 1%" : " E96 0.1%"));
    state = {};
    form = {};
    Choose(c.E24ONLY, c.USE_1PC);
    Calculate("289");
    form.focus = IDC_CALCULATE;

    Calculate(c.required);

    if (c.message.empty()) {
      EXPECT_TRUE(form.messages.empty());
      continue;
    }
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].text, c.message);
    EXPECT_EQ(form.messages[0].title, "Input Value Error");
    EXPECT_EQ(form.focus, IDC_CALCULATE);
    ExpectRowsEmpty();
    EXPECT_TRUE(form.listLines.empty());
    EXPECT_EQ(state.r1Bands.digitCount, 0);
    EXPECT_EQ(state.r2Bands.digitCount, 0);
    EXPECT_EQ(state.bestAbsError, 0.0);
    EXPECT_EQ(state.matchCount, 0);
  }
}

TEST_F(CalculateCommandTest, LimitBoxesAreReadAsTheirFirstSevenCharacters) {
  form.boxes[IDC_E24_MAX] = "100000000";  // read as 1000000
  Calculate("2M5");
  ASSERT_EQ(form.messages.size(), 1u);
  EXPECT_EQ(form.messages[0].text,
            "Requested value is too high for the set limits.\nMaximum allowed input value = 2M");
  EXPECT_EQ(state.e24MaxText, "1000000");
  EXPECT_EQ(state.limits.e24Max, 1'000'000.0);
}

struct DirectHitCase {
  bool E24ONLY;
  std::string required;
  std::string shown;
  std::string series;
};

TEST_F(CalculateCommandTest, DirectHitShowsTheRequiredTextAsTyped) {
  const std::vector<DirectHitCase> cases{
      {true, "4k7", "4k7", "E24"},
      {true, "4700", "4700", "E24"},
      {true, "47000009", "4700000", "E24"},
      {false, "4k75", "4k75", "E96"},
  };
  for (const DirectHitCase& c : cases) {
    SCOPED_TRACE(c.required);
    state = {};
    form = {};
    Choose(c.E24ONLY, true);
    Calculate(c.required);

    EXPECT_EQ(Fields(BEST_ROW), (Row{c.shown, c.shown, c.series, "", "", "", ""}));
    EXPECT_EQ(Fields(LOWER_ROW), emptyRow);
    EXPECT_EQ(Fields(HIGHER_ROW), emptyRow);
    EXPECT_TRUE(form.listLines.empty());
    EXPECT_GT(state.r1Bands.digitCount, 0);
    EXPECT_EQ(state.r2Bands.digitCount, 0);
    EXPECT_EQ(form.repaintCount, 1);
    EXPECT_EQ(state.bestAbsError, 0.0);
  }
}

TEST_F(CalculateCommandTest, InexactValueFillsAllThreeRowsInOrder) {
  Calculate("289");

  EXPECT_EQ(Fields(BEST_ROW),
            (Row{"288R934", "470R", "E24", "750R", "E24", "-0.0227", "in parallel"}));
  EXPECT_EQ(Fields(LOWER_ROW),
            (Row{"288R462", "300R", "E24", "7k5", "E24", "-0.1863", "in parallel"}));
  EXPECT_EQ(Fields(HIGHER_ROW),
            (Row{"289R412", "300R", "E24", "8k2", "E24", "+0.1425", "in parallel"}));
  EXPECT_EQ(form.listLines, std::vector<std::string>{"no exact matches found"});
  EXPECT_NEAR(state.bestAbsError, 0.0227, 0.00005);
  EXPECT_LT(state.bestAbsError, state.alertThreshold());
  EXPECT_NEAR(state.lowerAbsError, 0.1863, 0.00005);
  EXPECT_NEAR(state.higherAbsError, 0.1425, 0.00005);
  EXPECT_EQ(state.r1Bands, (BandCode{{4, 7}, 2, 1}));
  EXPECT_EQ(state.r2Bands, (BandCode{{7, 5}, 2, 1}));

  // The best row and both codes come before the list, the list before the other rows.
  const std::vector<std::string> tail(form.events.end() - 24, form.events.end());
  const std::vector<std::string> expected{
      "field 1006", "field 1007", "field 1008", "field 1009", "field 1030", "repaint",
      "repaint",    "field 1011", "field 1018", "list add",   "field 1002", "field 1003",
      "field 1004", "field 1015", "field 1031", "field 1010", "field 1017", "field 1012",
      "field 1013", "field 1014", "field 1005", "field 1020", "field 1016", "field 1019"};
  EXPECT_EQ(tail, expected);
}

TEST_F(CalculateCommandTest, ExactValueListsItsMatchesAndADoubleClickTakesOneIntoTheBestRow) {
  Calculate("5k");
  const std::vector<std::string> lines{
      "R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel", "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series",
      "R1 (E24) = 7k5\tR2 (E24) = 15k\tin parallel", "R1 (E24) = 4k7\tR2 (E24) = 300R\tin series",
      "R1 (E24) = 2k\tR2 (E24) = 3k\tin series"};
  EXPECT_EQ(form.listLines, lines);
  EXPECT_EQ(state.matchCount, 5);
  EXPECT_EQ(Fields(LOWER_ROW)[5], "-0.1224");
  EXPECT_EQ(Fields(HIGHER_ROW)[5], "+0.0760");

  for (const int outside : {-1, 5}) {
    form.currentLine = outside;
    const auto eventsBefore = form.events;
    OnMatchListDoubleClick(state, form);
    EXPECT_EQ(form.events, eventsBefore) << "line " << outside;
  }

  form.currentLine = 1;
  const int repaintsBefore = form.repaintCount;
  OnMatchListDoubleClick(state, form);
  EXPECT_EQ(Fields(BEST_ROW), (Row{"5k", "1k1", "E24", "3k9", "E24", "+0.0000", "in series"}));
  EXPECT_EQ(form.repaintCount, repaintsBefore + 2);
  EXPECT_EQ(state.r1Bands, (BandCode{{1, 1}, 2, 2}));
  EXPECT_EQ(state.r2Bands, (BandCode{{3, 9}, 2, 2}));

  // The next calculation empties the list from the top, line by line.
  form.events.clear();
  Calculate("289");
  const std::vector<std::string> firstEvents(form.events.begin(), form.events.begin() + 6);
  std::vector<std::string> expectedStart(5, "list delete 0");
  expectedStart.push_back("field 1002");  // then the clearing of the fields
  EXPECT_EQ(firstEvents, expectedStart);
}

TEST_F(CalculateCommandTest, ExactValueWhoseOtherMatchesAreNotOfferedListsTheBestAlone) {
  Calculate("219");
  EXPECT_EQ(form.listLines, std::vector<std::string>{"R1 (E24) = 180R\tR2 (E24) = 39R\tin series"});
  form.currentLine = 0;
  const auto eventsBefore = form.events;
  OnMatchListDoubleClick(state, form);
  EXPECT_EQ(form.events, eventsBefore);
}

TEST_F(CalculateCommandTest, NoOfferedPairLeavesTheRowsClearedWithOneListLine) {
  Calculate("289");
  form.boxes[IDC_E24_MIN] = "1R05";
  form.boxes[IDC_E24_MAX] = "1R05";
  const int repaintsBefore = form.repaintCount;
  Calculate("1R5");

  EXPECT_TRUE(form.messages.empty());
  ExpectRowsEmpty();
  EXPECT_EQ(form.listLines, std::vector<std::string>{"no pairs meeting criteria found"});
  EXPECT_EQ(state.r1Bands.digitCount, 0);
  EXPECT_EQ(state.r2Bands.digitCount, 0);
  EXPECT_EQ(form.repaintCount, repaintsBefore);
}

struct LimitCheckCase {
  void (*handler)(CalculatorState&, FormControls&);
  ControlId box;
  bool USE_1PC;
  std::string text;
  std::string message;  // empty: accepted
  double SeriesLimits::*limit;
  double limitAfter;
  FieldText CalculatorState::*storedText;
  std::string storedTextAfter;
};

TEST(LimitCheckTest, StoresAcceptedTextsAndRejectsWithFocusBack) {
  using S = CalculatorState;
  using L = SeriesLimits;
  const std::string e24MinRule = "E24 minimum value is 1 ohm";
  const std::vector<LimitCheckCase> cases{
      {OnKillFocusE24Min, IDC_E24_MIN, true, "0R5", e24MinRule, &L::e24Min, 0.5, &S::e24MinText,
       "1R"},
      {OnKillFocusE24Min, IDC_E24_MIN, true, "0R0001", e24MinRule, &L::e24Min, 0.0, &S::e24MinText,
       "1R"},
      {OnKillFocusE24Min, IDC_E24_MIN, true, "1R", "", &L::e24Min, 1.0, &S::e24MinText, "1R"},
      {OnKillFocusE24Min, IDC_E24_MIN, true, "1k5", "", &L::e24Min, 1500.0, &S::e24MinText, "1k5"},
      {OnKillFocusE24Max, IDC_E24_MAX, true, "", "", &L::e24Max, 0.0, &S::e24MaxText, ""},
      {OnKillFocusE24Max, IDC_E24_MAX, true, "12345678", "", &L::e24Max, 1234567.0, &S::e24MaxText,
       "1234567"},
      {OnKillFocusE96Max, IDC_E96_MAX, true, "abc", "E96 maximum value is not a valid number",
       &L::e96Max, 1'000'000.0, &S::e96MaxText1, "1M"},
      {OnKillFocusE96Min, IDC_E96_MIN, false, "47R", "", &L::e96Min, 47.0, &S::e96MinText2, "47R"},
      {OnKillFocusE96Max, IDC_E96_MAX, false, "2M", "", &L::e96Max, 2'000'000.0, &S::e96MaxText2,
       "2M"},
  };
  for (const LimitCheckCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.box) + " \"" + c.text + "\"");
    CalculatorState state;
    state.USE_1PC = c.USE_1PC;
    RecordingForm form;
    form.boxes[c.box] = c.text;

    c.handler(state, form);

    EXPECT_DOUBLE_EQ(state.limits.*c.limit, c.limitAfter);
    EXPECT_EQ(state.*c.storedText, c.storedTextAfter);
    // No case accepts a text for E96 at 1 %: a text at 0.1 % is never stored there.
    EXPECT_EQ(state.e96MinText1, "1R");
    EXPECT_EQ(state.e96MaxText1, "1M");
    if (c.message.empty()) {
      EXPECT_TRUE(form.messages.empty());
      EXPECT_FALSE(form.focus);
      continue;
    }
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].text, c.message);
    EXPECT_EQ(form.messages[0].title,
              c.message.ends_with("1 ohm") ? "Limits Error" : "Validation Error");
    EXPECT_EQ(form.focus, c.box);
  }
}

}  // namespace
}  // namespace tamblor
