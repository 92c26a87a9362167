// The calculator form through its real controls: limit checks on leaving a box, the Enter key,
// the worked examples with their rows, list and colours, the list selection, the radio buttons.

#include <ostream>
#include <string>

#include "tests/ui/gui/frame_fixture.h"

namespace tamblor::testing {
namespace {

using Fields = std::vector<std::string>;

struct RejectedLimit {
  const char* name;
  ControlId box;
  const char* text;
  const char* message;
  const char* title;
};

void PrintTo(const RejectedLimit& rejected, std::ostream* out) { *out << rejected.text; }

class RejectedLimitTest : public FrameTest, public ::testing::WithParamInterface<RejectedLimit> {};

TEST_P(RejectedLimitTest, TabbingAwayShowsTheMessageAndPutsTheFocusBack) {
  const RejectedLimit& rejected = GetParam();
  SCOPED_TRACE(rejected.text);
  Open();
  ClickRadio(IDC_SERIES_E96);
  const CalculatorState before = state();
  Type(rejected.box, rejected.text);
  wxTEST_DIALOG(TabAwayFrom(rejected.box), ExpectStopMessage(rejected.message, rejected.title));
  ProcessEvents();
  EXPECT_EQ(wxWindow::FindFocus(), &Box(rejected.box));
  EXPECT_EQ(state().e24MinText, before.e24MinText);
  EXPECT_EQ(state().e24MaxText, before.e24MaxText);
  EXPECT_EQ(state().e96MinText1, before.e96MinText1);
  EXPECT_EQ(state().e96MaxText1, before.e96MaxText1);
}

INSTANTIATE_TEST_SUITE_P(
    Form, RejectedLimitTest,
    ::testing::Values(RejectedLimit{"E24MinNotANumber", IDC_E24_MIN, "1x",
                                    "E24 minimum value is not a valid number", "Validation Error"},
                      RejectedLimit{"E24MinBelowOneOhm", IDC_E24_MIN, "0R5",
                                    "E24 minimum value is 1 ohm", "Limits Error"},
                      RejectedLimit{"E24MaxNotANumber", IDC_E24_MAX, "10M?",
                                    "E24 maximum value is not a valid number", "Validation Error"},
                      RejectedLimit{"E96MinBelowOneOhm", IDC_E96_MIN, "0R999",
                                    "E96 minimum value is 1 ohm", "Limits Error"},
                      RejectedLimit{"E96MaxNotANumber", IDC_E96_MAX, "1M电阻",
                                    "E96 maximum value is not a valid number", "Validation Error"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, TooSmallMinimumKeepsItsValueButNotItsText) {
  Open();
  Type(IDC_E24_MIN, "0R5");
  wxTEST_DIALOG(TabAwayFrom(IDC_E24_MIN),
                ExpectStopMessage("E24 minimum value is 1 ohm", "Limits Error"));
  EXPECT_EQ(state().limits.e24Min, 0.5);
  EXPECT_EQ(state().e24MinText, "1R");
}

struct AcceptedLimit {
  const char* name;
  ControlId box;
  const char* typed;
  double limit;
  const char* stored;
};

void PrintTo(const AcceptedLimit& accepted, std::ostream* out) { *out << accepted.typed; }

class AcceptedLimitTest : public FrameTest, public ::testing::WithParamInterface<AcceptedLimit> {};

TEST_P(AcceptedLimitTest, TabbingAwayStoresTheLimitAndItsFirstSevenCharacters) {
  const AcceptedLimit& accepted = GetParam();
  SCOPED_TRACE(accepted.typed);
  Open();
  Type(accepted.box, accepted.typed);
  TabAwayFrom(accepted.box);
  if (accepted.box == IDC_E24_MIN) {
    EXPECT_EQ(state().limits.e24Min, accepted.limit);
    EXPECT_EQ(state().e24MinText, accepted.stored);
  } else {
    EXPECT_EQ(state().limits.e24Max, accepted.limit);
    EXPECT_EQ(state().e24MaxText, accepted.stored);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Form, AcceptedLimitTest,
    ::testing::Values(AcceptedLimit{"E24MinKilohms", IDC_E24_MIN, "1k5", 1500.0, "1k5"},
                      AcceptedLimit{"E24MinOneOhm", IDC_E24_MIN, "1R", 1.0, "1R"},
                      AcceptedLimit{"E24MaxEmpty", IDC_E24_MAX, "", 0.0, ""},
                      AcceptedLimit{"E24MaxCutToSeven", IDC_E24_MAX, "2M20000xyz", 2.2e6,
                                    "2M20000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, EnterCalculatesOnlyOnceTheFormIsInitialised) {
  Open(InitialUpdate::Later);
  TypeAndPressEnter("289");
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "");
  view().OnInitialUpdate();
  PressEnter(Box(IDC_REQUIRED));
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "288R934");
}

TEST_F(FrameTest, EnterInAnyBoxCalculates) {
  Open();
  Type(IDC_REQUIRED, "289");
  PressEnter(Box(IDC_E24_MAX));
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "288R934");
}

TEST_F(FrameTest, Required289ShowsThreeRowsNoExactMatchAndUnalertedColours) {
  Open();
  TypeAndPressEnter("289");
  EXPECT_EQ(Row(BEST_ROW),
            (Fields{"288R934", "470R", "E24", "750R", "E24", "-0.0227", "in parallel"}));
  EXPECT_EQ(Row(LOWER_ROW),
            (Fields{"288R462", "300R", "E24", "7k5", "E24", "-0.1863", "in parallel"}));
  EXPECT_EQ(Row(HIGHER_ROW),
            (Fields{"289R412", "300R", "E24", "8k2", "E24", "+0.1425", "in parallel"}));
  EXPECT_EQ(ListLines(), (Fields{"no exact matches found"}));
  EXPECT_EQ(RowColour(BEST_ROW), light);
  EXPECT_EQ(RowColour(LOWER_ROW), grey);
  EXPECT_EQ(RowColour(HIGHER_ROW), grey);
}

TEST_F(FrameTest, Required4k7IsADirectHitShownAsTyped) {
  Open();
  TypeAndPressEnter("4k7");
  EXPECT_EQ(Row(BEST_ROW), (Fields{"4k7", "4k7", "E24", "", "", "", ""}));
  EXPECT_EQ(Row(LOWER_ROW), Fields(7, ""));
  EXPECT_EQ(Row(HIGHER_ROW), Fields(7, ""));
  EXPECT_TRUE(ListLines().empty());
  EXPECT_NE(state().r1Bands.digitCount, 0);
  EXPECT_EQ(state().r2Bands.digitCount, 0);
}

TEST_F(FrameTest, Required5kListsFiveExactPairsAndADoubleClickTakesOneIntoTheBestRow) {
  Open();
  TypeAndPressEnter("5k");
  const Fields lines = ListLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel");
  EXPECT_EQ(lines[1], "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series");

  const BandCode r1Before = state().r1Bands;
  DoubleClickLine(1);
  EXPECT_EQ(Row(BEST_ROW), (Fields{"5k", "1k1", "E24", "3k9", "E24", "+0.0000", "in series"}));
  EXPECT_NE(state().r1Bands, r1Before);
  EXPECT_EQ(ListLines(), lines);
}

TEST_F(FrameTest, RowsAboveTheSeriesToleranceTurnLightRed) {
  Open();
  // With every E24 resistor held to 1 ohm, 1R5 is 33 % away from the best pair, 2R.
  Type(IDC_E24_MAX, "1R");
  TypeAndPressEnter("1R5");
  EXPECT_EQ(Text(IDC_BEST_ERROR), "+33.3333");
  EXPECT_EQ(RowColour(BEST_ROW), alert);

  // E96 at 0.1 %: 50R's lower pair is 0.12 % off, above that tolerance though below 1 %.
  Type(IDC_E24_MAX, "10M");
  Type(IDC_REQUIRED, "50R");
  ClickRadio(IDC_SERIES_E96);
  ClickRadio(IDC_TOLERANCE_01);
  EXPECT_EQ(Text(IDC_LOWER_ERROR), "-0.1199");
  EXPECT_EQ(RowColour(LOWER_ROW), alert);
  EXPECT_EQ(RowColour(BEST_ROW), light);
  EXPECT_EQ(RowColour(HIGHER_ROW), grey);
  for (ControlId field : {IDC_LOWER_R1, IDC_LOWER_CONNECTION}) {
    EXPECT_EQ(Control(field).GetBackgroundColour(), alert);
  }
}

TEST_F(FrameTest, SeriesRadioButtonsSwitchTheE96ControlsAndRecalculate) {
  Open();
  Type(IDC_REQUIRED, "4k75");
  ClickRadio(IDC_SERIES_E96);
  EXPECT_TRUE(Control(IDC_E96_MIN).IsEnabled());
  EXPECT_TRUE(Control(IDC_TOLERANCE_GROUP).IsEnabled());
  EXPECT_FALSE(state().E24ONLY);
  EXPECT_EQ(Row(BEST_ROW), (Fields{"4k75", "4k75", "E96", "", "", "", ""}));

  Type(IDC_E96_MIN, "2R");
  ClickRadio(IDC_SERIES_E24);
  EXPECT_FALSE(Control(IDC_E96_MIN).IsEnabled());
  EXPECT_FALSE(Control(IDC_E96_MAX_LABEL).IsEnabled());
  EXPECT_EQ(Box(IDC_E96_MIN).GetValue(), "2R");
  EXPECT_EQ(Text(IDC_BEST_R1_SERIES), "E24");
}

TEST_F(FrameTest, ToleranceRadioButtonsSwapTheE96TextsKeepingAcceptedOnes) {
  Open();
  ClickRadio(IDC_SERIES_E96);
  ClickRadio(IDC_TOLERANCE_01);
  EXPECT_EQ(Box(IDC_E96_MIN).GetValue(), "51R1");
  EXPECT_EQ(Box(IDC_E96_MAX).GetValue(), "1M");
  Type(IDC_E96_MIN, "100R");
  TabAwayFrom(IDC_E96_MIN);
  ClickRadio(IDC_TOLERANCE_1);
  EXPECT_EQ(Box(IDC_E96_MIN).GetValue(), "1R");
  ClickRadio(IDC_TOLERANCE_01);
  EXPECT_EQ(Box(IDC_E96_MIN).GetValue(), "100R");
}

TEST_F(FrameTest, CalculateButtonReportsABadRequiredValueAndFocusesItsBox) {
  Open();
  TypeAndPressEnter("289");
  Type(IDC_REQUIRED, std::string("4k7") + std::string(1000, 'x'));
  Box(IDC_E24_MIN).SetFocus();
  ProcessEvents();
  wxTEST_DIALOG(ClickCalculate(),
                ExpectStopMessage("Requested value is not a valid number", "Validation Error"));
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_REQUIRED));
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "288R934") << "a rejected text keeps the earlier results";
}

TEST_F(FrameTest, OneFailedCheckShowsOneMessageBox) {
  Open();
  // A bad limit and a bad required value: the limit's box reports, and a further check set off
  // while it is open (a box losing the focus to it) shows nothing more.
  Type(IDC_E24_MIN, "x");
  Type(IDC_E24_MAX, "y");
  Box(IDC_E24_MAX).SetFocus();
  ProcessEvents();
  const auto loseFocusToTheBox = [this] {
    wxFocusEvent lost(wxEVT_KILL_FOCUS, IDC_E24_MAX);
    lost.SetEventObject(&Box(IDC_E24_MAX));
    Box(IDC_E24_MAX).GetEventHandler()->ProcessEvent(lost);
    ProcessEvents();
  };
  wxTEST_DIALOG(PressEnter(Box(IDC_E24_MAX)),
                ExpectStopMessage("E24 minimum value is not a valid number", "Validation Error")
                    .WhileOpen(loseFocusToTheBox));
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_E24_MIN));
}

TEST_F(FrameTest, RequiredTextOfAnyContentIsReportedNotTrusted) {
  Open();
  for (const char* text : {"%s%n%s", "电阻电阻", "&&&", "1R\t5", "-5k"}) {
    SCOPED_TRACE(text);
    wxTEST_DIALOG(TypeAndPressEnter(text),
                  ExpectStopMessage("Requested value is not a valid number", "Validation Error"));
  }
}

}  // namespace
}  // namespace tamblor::testing
