// The calculator form through its real controls: the limit checks on leaving a box, the Enter key,
// the worked examples with their rows, colours and list, the list selection.

#include "tests/ui/gui/frame_fixture.h"

namespace tamblor::testing {
namespace {

// One message, and the focus back in the box at fault: neither the wrong box that the focus
// leaves to come back, nor a box that loses the focus while the message is open, reports too.
TEST_F(FrameTest, ALimitRejectedOnTabbingAwayIsReportedOnceAndGetsTheFocusBack) {
  Open();
  Click(IDC_SERIES_E96);
  const auto limitTexts = [this] {
    return std::tuple(state().e24MinText, state().e24MaxText, state().e96MinText1,
                      state().e96MaxText1);
  };
  const auto before = limitTexts();
  // Each box is followed in the tab order by a box that holds a wrong text too.
  for (const auto& [box, text, message, title] :
       {std::tuple{IDC_E24_MIN, "0R5", "E24 minimum value is 1 ohm", "Limits Error"},
        std::tuple{IDC_E96_MIN, "1M电阻", "E96 minimum value is not a valid number",
                   "Validation Error"}}) {
    SCOPED_TRACE(text);
    const auto next = static_cast<ControlId>(box + 1);
    Type(box, text);
    Type(next, "y");
    const auto nextLosesTheFocus = [&] {
      wxFocusEvent lost(wxEVT_KILL_FOCUS, next);
      lost.SetEventObject(&Box(next));
      Box(next).GetEventHandler()->ProcessEvent(lost);
      ProcessEvents();
    };
    wxTEST_DIALOG(TabAwayFrom(box), StopMessage(message, title, nextLosesTheFocus));
    EXPECT_EQ(wxWindow::FindFocus(), &Box(box));
    EXPECT_EQ(limitTexts(), before);
    Type(box, "1R");
  }
}

TEST_F(FrameTest, EnterInAnyBoxCalculatesOnceTheFormIsInitialised) {
  Open(InitialUpdate::Later);
  Calculate("289");
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "");
  view().OnInitialUpdate();
  PressEnter(IDC_E24_MAX);
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "288R934");
}

TEST_F(FrameTest, Required289FillsThreeRowsAndRowsFurtherOffThanTheToleranceTurnLightRed) {
  Open();
  Calculate("289");
  EXPECT_EQ(Row(BEST_ROW), "288R934|470R|E24|750R|E24|-0.0227|in parallel");
  EXPECT_EQ(Row(LOWER_ROW), "288R462|300R|E24|7k5|E24|-0.1863|in parallel");
  EXPECT_EQ(Row(HIGHER_ROW), "289R412|300R|E24|8k2|E24|+0.1425|in parallel");
  EXPECT_EQ(ListLines(), Texts{"no exact matches found"});
  EXPECT_EQ(RowColours(), (Colours{light, grey, grey}));
  // A text outside the notation, of any length, leaves the rows as they are.
  Type(IDC_REQUIRED, "4k7" + std::string(1000, 'x'));
  Box(IDC_E24_MIN).SetFocus();
  wxTEST_DIALOG(Click(IDC_CALCULATE),
                StopMessage("Requested value is not a valid number", "Validation Error"));
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_REQUIRED)) << wxWindow::FindFocus()->GetClassInfo()->GetClassName() << wxWindow::FindFocus()->GetId();
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "288R934");

  // Every E24 resistor held to 1 ohm: 1R5 is 33 % away from the best pair, 2R.
  Type(IDC_E24_MAX, "1R");
  Calculate("1R5");
  EXPECT_EQ(Text(IDC_BEST_ERROR), "+33.3333");
  EXPECT_EQ(RowColours()[0], alert);
  // 50R's lower pair is 0.12 % off: within 1 %, beyond the 0.1 % of E96 at that tolerance.
  Type(IDC_E24_MAX, "10M");
  Type(IDC_REQUIRED, "50R");
  Click(IDC_SERIES_E96);
  EXPECT_EQ(RowColours(), (Colours{light, grey, grey}));
  Click(IDC_TOLERANCE_01);
  EXPECT_EQ(Text(IDC_LOWER_ERROR), "-0.1199");
  EXPECT_EQ(RowColours(), (Colours{light, alert, grey}));
}

TEST_F(FrameTest, Required5kListsItsExactPairsAtTheTabStopsAndADoubleClickTakesOne) {
  Open();
  Calculate("5k");
  EXPECT_EQ(ListLines(), (Texts{"R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel",
                                "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series",
                                "R1 (E24) = 7k5\tR2 (E24) = 15k\tin parallel",
                                "R1 (E24) = 4k7\tR2 (E24) = 300R\tin series",
                                "R1 (E24) = 2k\tR2 (E24) = 3k\tin series"}));
  CHScrollListBox& list = view().matchList();
  const std::string tail(100, 'x');
  list.AddLine("R1 (E96) = 4k75\tR2 (E24) = 240R\t" + tail);
  ProcessEvents();
  // The result font is monospaced: the average width of the 52 letters is that of any one.
  const int stop = 10 * list.GetTextExtent("x").x;
  ASSERT_EQ(list.Extent().TabStops(), std::vector<int>{stop});
  // Fields of 14 or 15 characters end between the first and the second stop after their start.
  EXPECT_EQ(list.GetTextValue(1, 1), "R2 (E24) = 3k9");
  EXPECT_EQ((std::pair{list.GetColumn(0)->GetWidth(), list.GetColumn(1)->GetWidth()}),
            (std::pair{2 * stop, 2 * stop}));
  EXPECT_EQ(list.Extent().MaxWidth(), 4 * stop + list.GetTextExtent(tail).x + 6);
  EXPECT_GE(4 * stop + list.GetColumn(2)->GetWidth(), list.Extent().MaxWidth()) << stop << " " << list.Extent().ColumnWidths(8)[2];
  EXPECT_GT(list.GetScrollRange(wxHORIZONTAL), list.GetScrollThumb(wxHORIZONTAL));

  const BandCode r1Before = state().r1Bands;
  DoubleClickLine(1);
  EXPECT_EQ(Row(BEST_ROW), "5k|1k1|E24|3k9|E24|+0.0000|in series");
  EXPECT_NE(state().r1Bands, r1Before);
}

}  // namespace
}  // namespace tamblor::testing
