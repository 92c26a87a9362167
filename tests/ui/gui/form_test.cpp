// The calculator form through its real controls: the limit checks on leaving a box, the rows'
// colours and edges, the list's columns, keys and double-click, and the band picture read pixel
// for pixel.

#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include <algorithm>

#include "tests/ui/gui/frame_fixture.h"
#include "ui/band_picture.h"

namespace tamblor::testing {
namespace {

wxImage Image(const char* name) { return wxXmlResource::Get()->LoadBitmap(name).ConvertToImage(); }

// The picture is exactly the background with the bands' swatches, given as x and swatch, copied on:
// the first digit band of each resistor one row higher, the tolerance at four and five bands and
// the sixth band tall, the tolerance at six tall but as short as the digits and the multiplier.
void ExpectPicture(const wxBitmap& shown, const char* background, const std::vector<int>& bands) {
  const wxImage picture = shown.ConvertToImage();
  wxImage expected = Image(background);
  for (std::size_t band = 0; band + 1 < bands.size(); band += 2) {
    const int x = bands[band], swatch = bands[band + 1];
    const bool first = x == 19 || x == 98, fixed = x == 58 || x == 60 || x == 138;
    const wxImage strip =
        Image(first || fixed || x == 51 || x == 130 ? "PaletteTall" : "PaletteShort");
    expected.Paste(strip.GetSubImage(wxRect(4 * swatch, 0, 4, first || fixed ? 19 : 17)), x,
                   first ? 16 : 17);
  }
  const unsigned char* data = picture.GetData();
  const long equalBytes = std::mismatch(data, data + 161 * 41 * 3, expected.GetData()).first - data;
  EXPECT_EQ(equalBytes, 161 * 41 * 3) << "the first pixel that differs, 3 bytes each, 161 a row";
}

// 4,700 ohms, typed as the standard value it is: R1 alone at four bands. Then both resistors at
// six bands, in a picture of its own over the same control.
TEST_F(FrameTest, BandsStandAtTheirPlacesWhenThePictureIsShown) {
  Open();
  Choose(ID_BAND_PICTURE);
  Calculate("4k7");
  // Shown again, the picture draws the bands it missed while hidden.
  Choose(ID_BAND_PICTURE);
  ExpectPicture(Picture().GetBitmap(), "BackR1Only",
                {19, SwatchYellow, 28, SwatchViolet, 37, SwatchRed, 58, SwatchBrown});
  // Enter on the Calculate button calculates once, not once more as the button's own key: one
  // box. The results cleared for a value out of range leave no bands beside the message.
  Type(IDC_REQUIRED, "25M");
  wxTEST_DIALOG(Press(WXK_RETURN, Control(IDC_CALCULATE)),
                StopMessage("Requested value is too high for the set limits.\n"
                            "Maximum allowed input value = 20M",
                            "Input Value Error",
                            [this] { ExpectPicture(Picture().GetBitmap(), "BackEmpty", {}); }));

  // 51.1 ohms from E96 at 0.1 %, and 0.01 ohm from E24, whose multiplier has no swatch.
  BandPicture picture(&Picture());
  CalculatorState state;
  state.bandsShown = true;
  state.E24ONLY = state.USE_1PC = false;
  state.e24BandCount = state.e96BandCount = 6;
  state.r1Bands = {{5, 1, 1}, 3, -1};
  state.r2Bands = {{1, 0, 0}, 3, -4};
  picture.Redraw(state);
  ExpectPicture(Picture().GetBitmap(), "BackBothBodies",
                {19,  SwatchGreen,  27,  SwatchBrown, 35,  SwatchBrown, 43,  SwatchGold,
                 51,  SwatchViolet, 60,  SwatchBrown, 98,  SwatchBrown, 106, SwatchBlack,
                 114, SwatchBlack,  130, SwatchBrown, 138, SwatchBrown});
}

// One message, and the focus back in the box at fault: the wrong box that the focus leaves to come
// back reports nothing.
TEST_F(FrameTest, ALimitRejectedOnTabbingAwayIsReportedOnceAndGetsTheFocusBack) {
  Open();
  Click(IDC_SERIES_E96);
  Type(IDC_E96_MIN, "1M电阻");
  Type(IDC_E96_MAX, "y");
  const auto message =
      StopMessage("E96 minimum value is not a valid number", "Validation Error", Settle);
  wxTEST_DIALOG(Press(WXK_TAB, Box(IDC_E96_MIN)), message);
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_E96_MIN));
  // Left for the Calculate button, the box is checked by Calculate too: its own check, waiting
  // for its turn, comes while Calculate's box is open and adds none.
  LoseFocus(IDC_E96_MIN);
  wxTEST_DIALOG(Click(IDC_CALCULATE), message);
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_E96_MIN));
}

// A click on the other tolerance takes the focus from an E96 box before it swaps the boxes' texts:
// the text typed there is kept under the tolerance it was typed for.
TEST_F(FrameTest, AnE96LimitTypedBeforeAToleranceClickIsKeptUnderItsOwnTolerance) {
  Open();
  Click(IDC_SERIES_E96);
  for (const auto& [box, at1, at01] :
       {std::tuple{IDC_E96_MIN, "10R", "56R"}, std::tuple{IDC_E96_MAX, "10k", "2M"}}) {
    for (const auto& [typed, tolerance] :
         {std::pair{at1, IDC_TOLERANCE_01}, std::pair{at01, IDC_TOLERANCE_1}}) {
      Box(box).SetFocus();
      Settle();
      Type(box, typed);
      ClickWithMouse(tolerance);
    }
    EXPECT_EQ(Text(box), at1);
  }
  EXPECT_EQ(
      (Texts{std::string(state().e96MinText1.view()), std::string(state().e96MinText2.view()),
             std::string(state().e96MaxText1.view()), std::string(state().e96MaxText2.view())}),
      (Texts{"10R", "56R", "10k", "2M"}));
}

// Rows further off than the tolerance turn light red; each field shows its row's colour inside
// its edge, and its text halfway down. 5k lists its exact pairs at the tab stops. Enter on the
// keypad calculates as the main one does.
TEST_F(FrameTest, TheRowsShowTheirColoursAndTheListItsPairsAtTheTabStops) {
  Open();
#ifdef __WXMSW__
  // Under wine the keypad's Enter that the simulator sends never reaches the window.
  Calculate("0R6", WXK_RETURN);
#else
  Calculate("0R6", WXK_NUMPAD_ENTER);
#endif
  EXPECT_EQ((std::vector{Control(IDC_BEST_R1).GetBackgroundColour(),
                         Control(IDC_LOWER_ERROR).GetBackgroundColour(),
                         Control(IDC_HIGHER_CONNECTION).GetBackgroundColour()}),
            (std::vector{light, grey, alert}));
  const auto& field = static_cast<ResultField&>(Control(IDC_BEST_ACTUAL));
  const wxImage image = Grab(field);
  const auto at = [&](int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
  };
  const int w = image.GetWidth(), h = image.GetHeight(), edge = field.EdgeWidth();
  EXPECT_EQ((std::vector{at(0, 0), at(w - 1, h - 1), at(1, 1), at(w - 2, h - 2), at(w - 3, 2)}),
            (std::vector<wxColour>{
                {160, 160, 160}, {255, 255, 255}, {105, 105, 105}, {227, 227, 227}, light}));
  // The first and the last row of the text's ink between the edges.
  int top = h, bottom = 0;
  for (int y = edge; y < h - edge; ++y)
    for (int x = edge; x < w - edge; ++x)
      if (at(x, y) != light) top = std::min(top, y), bottom = y;
  EXPECT_NEAR(top - edge, h - edge - 1 - bottom, 2) << top << " to " << bottom;

  Calculate("5k");
  // One width per line after the list was emptied and filled again; what the lines say is what
  // the screen reader's test reads.
  CHScrollListBox& list = List();
  EXPECT_EQ(list.Extent().ItemWidths().size(), 5u);
  // The result font is monospaced: the average width of the 52 letters is that of any one.
  const int stop = 10 * list.GetTextExtent("x").x;
  ASSERT_EQ(list.Extent().TabStops(), std::vector<int>{stop});
  // Fields of 14 or 15 characters end between the first and the second stop after their start.
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
  EXPECT_EQ((Texts{Text(IDC_BEST_R1), Text(IDC_BEST_CONNECTION)}), (Texts{"7k5", "in parallel"}));
}

}  // namespace
}  // namespace tamblor::testing
