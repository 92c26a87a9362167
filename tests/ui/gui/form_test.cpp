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
      Settle();
    };
    wxTEST_DIALOG(Press(WXK_TAB, Box(box)), StopMessage(message, title, nextLosesTheFocus));
    EXPECT_EQ(wxWindow::FindFocus(), &Box(box));
    Type(box, "1R");
  }
  // A box left for the Calculate button is checked by Calculate too: the check waiting for its
  // turn comes while Calculate's box is open and adds none of its own.
  Type(IDC_E24_MAX, "x");
  Box(IDC_E24_MAX).SetFocus();
  Settle();
  Control(IDC_CALCULATE).SetFocus();
  wxTEST_DIALOG(Click(IDC_CALCULATE),
                StopMessage("E24 maximum value is not a valid number", "Validation Error", Settle));
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_E24_MAX));
}

TEST_F(FrameTest, EnterInAnyBoxCalculatesOnceTheFormIsInitialised) {
  Open(InitialUpdate::Later);
  Calculate("289");
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "");
  frame_->view().OnInitialUpdate();
  Press(WXK_RETURN, Box(IDC_E24_MAX));
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "288R934");
}

TEST_F(FrameTest, Required289FillsTheBorderedRowsAndRowsFurtherOffThanTheToleranceTurnLightRed) {
  Open();
  Calculate("289");
  EXPECT_EQ(Row(BEST_ROW), "288R934|470R|E24|750R|E24|-0.0227|in parallel");
  EXPECT_EQ(Row(HIGHER_ROW), "289R412|300R|E24|8k2|E24|+0.1425|in parallel");
  EXPECT_EQ(ListLines(), Texts{"no exact matches found"});
  EXPECT_EQ(RowColours(), (Colours{light, grey, grey}));

  // Each field shows its row's colour inside its edge, and its text halfway down.
  const wxColour shadow{160, 160, 160}, darkShadow{105, 105, 105}, white{255, 255, 255},
      lightEdge{227, 227, 227};
  for (const auto& [id, background, inner] :
       {std::tuple{IDC_BEST_ACTUAL, light, std::pair{darkShadow, lightEdge}},
        std::tuple{IDC_LOWER_ACTUAL, grey, std::pair{grey, grey}}}) {
    SCOPED_TRACE(id);
    const auto& field = static_cast<ResultField&>(Control(id));
    const wxImage image = Grab(field);
    const auto at = [&](int x, int y) {
      return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    };
    const int w = image.GetWidth(), h = image.GetHeight(), edge = field.EdgeWidth();
    EXPECT_EQ((Colours{at(0, 0), at(w - 1, h - 1), at(1, 1), at(w - 2, h - 2), at(w - 3, 2)}),
              (Colours{shadow, white, inner.first, inner.second, background}));
    // The first and the last row of the text's ink between the edges.
    int top = h, bottom = 0;
    for (int y = edge; y < h - edge; ++y)
      for (int x = edge; x < w - edge; ++x)
        if (at(x, y) != background) top = std::min(top, y), bottom = y;
    EXPECT_NEAR(top - edge, h - edge - 1 - bottom, 2) << top << " to " << bottom;
  }

  // 50R's lower pair is 0.12 % off: within 1 %, beyond the 0.1 % of E96 at that tolerance.
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
  Calculate("5k");
  // Their texts, line for line and field for field, are what the screen reader's test reads.
  CHScrollListBox& list = List();
  EXPECT_EQ(ListLines().at(2), "R1 (E24) = 7k5\tR2 (E24) = 15k\tin parallel");
  // One width per line after the list was emptied and filled again.
  EXPECT_EQ(list.Extent().ItemWidths().size(), 5u);
  const std::string tail(100, 'x');
  list.AddLine("R1 (E96) = 4k75\tR2 (E24) = 240R\t" + tail);
  // The result font is monospaced: the average width of the 52 letters is that of any one.
  const int stop = 10 * list.GetTextExtent("x").x;
  ASSERT_EQ(list.Extent().TabStops(), std::vector<int>{stop});
  // Fields of 14 or 15 characters end between the first and the second stop after their start.
  EXPECT_EQ(list.Extent().MaxWidth(), 4 * stop + list.GetTextExtent(tail).x + 6);
  EXPECT_TRUE(WaitUntil([&] {
    return std::tuple(list.GetColumn(0)->GetWidth(), list.GetColumn(1)->GetWidth(),
                      list.GetColumn(2)->GetWidth() >= list.Extent().MaxWidth() - 4 * stop) ==
           std::tuple(2 * stop, 2 * stop, true);
  }));

  // The arrow keys move the current line, which the focus puts on the first; a double-click takes
  // a line into the best row.
  Press(WXK_DOWN, list);
  EXPECT_EQ(list.CurrentLine(), 1);
  const wxRect line = list.GetItemRect(list.RowToItem(2));
  wxUIActionSimulator mouse;
  mouse.MouseMove(list.ClientToScreen(wxPoint(line.x + 4, line.y + line.height / 2)));
  mouse.MouseDblClick();
  Settle();
  EXPECT_EQ(Row(BEST_ROW), "5k|7k5|E24|15k|E24|+0.0000|in parallel");
}

}  // namespace
}  // namespace tamblor::testing
