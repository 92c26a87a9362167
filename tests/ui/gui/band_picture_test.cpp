// The band picture, read pixel for pixel from the picture control.

#include "ui/band_picture.h"

#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include <algorithm>

#include "tests/ui/gui/frame_fixture.h"

namespace tamblor::testing {
namespace {

// How a band is copied from a strip: the first digit band, the other digits and the multiplier,
// a band at its fixed place (the tolerance at four and five bands, the sixth), the tolerance at
// six.
enum BandKind { First, Digit, Fixed, SixthTolerance };

struct Band {
  int x, swatch;
  BandKind kind;
};

wxImage Image(const char* name) { return wxXmlResource::Get()->LoadBitmap(name).ConvertToImage(); }

// The picture is exactly the background with the bands' swatches copied on.
void ExpectPicture(const wxBitmap& shown, const char* background, const std::vector<Band>& bands) {
  ASSERT_TRUE(shown.IsOk());
  const wxImage picture = shown.ConvertToImage();
  wxImage expected = Image(background);
  for (const auto& [x, swatch, kind] : bands) {
    const wxImage strip = Image(kind == Digit ? "PaletteShort" : "PaletteTall");
    const int top = kind == First ? 16 : 17;
    const int height = kind == Digit || kind == SixthTolerance ? 17 : 19;
    expected.Paste(strip.GetSubImage(wxRect(4 * swatch, 0, 4, height)), x, top);
  }
  const unsigned char* data = picture.GetData();
  const long equalBytes = std::mismatch(data, data + 161 * 41 * 3, expected.GetData()).first - data;
  EXPECT_EQ(equalBytes, 161 * 41 * 3)
      << "pixel " << equalBytes / 3 % 161 << ", " << equalBytes / 3 / 161 << " differs";
}

// 4,700 ohms, typed as the standard value it is: R1 alone, at four bands and then at five. Then
// both resistors at every count, in a picture of its own over the same control.
TEST_F(FrameTest, BandsStandAtTheirPlacesWhenThePictureIsShown) {
  Open();
  Choose(ID_BAND_PICTURE);
  Calculate("4k7");
  // Hidden, the picture drew nothing: the control still holds the empty frames of the start.
  ExpectPicture(Picture().GetBitmap(), "BackEmpty", {});
  Choose(ID_BAND_PICTURE);
  ExpectPicture(Picture().GetBitmap(), "BackR1Only",
                {Band{19, SwatchYellow, First}, Band{28, SwatchViolet, Digit},
                 Band{37, SwatchRed, Digit}, Band{58, SwatchBrown, Fixed}});
  Choose(ID_E24_5_BANDS);
  ExpectPicture(
      Picture().GetBitmap(), "BackR1Only",
      {Band{19, SwatchYellow, First}, Band{28, SwatchViolet, Digit}, Band{37, SwatchBlack, Digit},
       Band{46, SwatchBrown, Digit}, Band{58, SwatchBrown, Fixed}});
  // Enter on the Calculate button calculates once, not once more as the button's own key: one
  // box. The results cleared for a value out of range leave no bands beside the message.
  Type(IDC_REQUIRED, "25M");
  wxTEST_DIALOG(Press(WXK_RETURN, Control(IDC_CALCULATE)),
                StopMessage("Requested value is too high for the set limits.\n"
                            "Maximum allowed input value = 20M",
                            "Input Value Error",
                            [this] { ExpectPicture(Picture().GetBitmap(), "BackEmpty", {}); }));

  BandPicture picture(&Picture());
  CalculatorState state;
  state.bandsShown = true;
  // 51.1 ohms from E96 at 0.1 % and six bands; 0.01 ohm, whose multiplier has no swatch.
  state.E24ONLY = state.USE_1PC = false;
  state.e96BandCount = 6;
  state.r1Bands = {{5, 1, 1}, 3, -1};
  state.r2Bands = {{1, 0}, 2, -3};
  picture.Redraw(state);
  ExpectPicture(
      Picture().GetBitmap(), "BackBothBodies",
      {Band{19, SwatchGreen, First}, Band{27, SwatchBrown, Digit}, Band{35, SwatchBrown, Digit},
       Band{43, SwatchGold, Digit}, Band{51, SwatchViolet, SixthTolerance},
       Band{60, SwatchBrown, Fixed}, Band{98, SwatchBrown, First}, Band{107, SwatchBlack, Digit},
       Band{138, SwatchBrown, Fixed}});
  // 9,760 ohms from E96 at 1 % and five bands, 10 megohms from E24 at six.
  state.USE_1PC = true;
  state.e24BandCount = 6;
  state.e96BandCount = 5;
  state.r1Bands = {{9, 7, 6}, 3, 1};
  state.r2Bands = {{1, 0, 0}, 3, 5};
  picture.Redraw(state);
  ExpectPicture(
      Picture().GetBitmap(), "BackBothBodies",
      {Band{19, SwatchWhite, First}, Band{28, SwatchViolet, Digit}, Band{37, SwatchBlue, Digit},
       Band{46, SwatchBrown, Digit}, Band{58, SwatchBrown, Fixed}, Band{98, SwatchBrown, First},
       Band{106, SwatchBlack, Digit}, Band{114, SwatchBlack, Digit}, Band{122, SwatchGreen, Digit},
       Band{130, SwatchBrown, SixthTolerance}, Band{138, SwatchBrown, Fixed}});
}

}  // namespace
}  // namespace tamblor::testing
