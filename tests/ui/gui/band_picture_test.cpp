#include "ui/band_picture.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>

#include "engine/control_ids.h"
#include "tests/ui/gui/gui_testing.h"
#include "ui/main_frame.h"
#include "ui/tamblor_view.h"

namespace tamblor {
namespace {

struct Rgb {
  unsigned char r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::string ToString(Rgb colour) {
  return "(" + std::to_string(colour.r) + ", " + std::to_string(colour.g) + ", " +
         std::to_string(colour.b) + ")";
}

Rgb PixelAt(const wxImage& image, int x, int y) {
  return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

wxImage LoadImage(const char* name) {
  return wxXmlResource::Get()->LoadBitmap(name).ConvertToImage();
}

constexpr Rgb white{255, 255, 255};
constexpr Rgb boardGreen{75, 144, 24};

// --- The bitmaps themselves -------------------------------------------------------------------

TEST(BandBitmaps, HaveTheirSizesAndAreOpaque24Bit) {
  struct Expected {
    const char* name;
    int width;
    int height;
  };
  for (const Expected& bitmap : {Expected{"BandCanvas", 161, 41},
                                 {"BackBothBodies", 161, 41},
                                 {"BackR1Only", 161, 41},
                                 {"BackEmpty", 161, 41},
                                 {"PaletteTall", 48, 19},
                                 {"PaletteShort", 48, 17}}) {
    SCOPED_TRACE(bitmap.name);
    const wxBitmap loaded = wxXmlResource::Get()->LoadBitmap(bitmap.name);
    ASSERT_TRUE(loaded.IsOk());
    EXPECT_EQ(loaded.GetWidth(), bitmap.width);
    EXPECT_EQ(loaded.GetHeight(), bitmap.height);
    EXPECT_EQ(loaded.GetDepth(), 24);
    EXPECT_FALSE(loaded.HasAlpha());
    EXPECT_EQ(loaded.GetMask(), nullptr);
  }
  EXPECT_TRUE(wxXmlResource::Get()->LoadBitmap("AppIcon").IsOk());
}

TEST(BandBitmaps, CanvasIsPlainBoardGreen) {
  const wxImage canvas = LoadImage("BandCanvas");
  for (int y = 0; y < canvas.GetHeight(); ++y)
    for (int x = 0; x < canvas.GetWidth(); ++x)
      ASSERT_EQ(PixelAt(canvas, x, y), boardGreen) << "at " << x << ", " << y;
}

TEST(BandBitmaps, SwatchesStartWithTheirMainColours) {
  constexpr std::array<Rgb, 12> mainColours{{{67, 67, 67},
                                             {185, 142, 98},
                                             {218, 74, 84},
                                             {242, 156, 42},
                                             {231, 221, 85},
                                             {128, 187, 95},
                                             {74, 76, 222},
                                             {170, 74, 222},
                                             {175, 175, 175},
                                             {232, 232, 232},
                                             {214, 187, 159},
                                             {224, 221, 221}}};
  for (const char* name : {"PaletteTall", "PaletteShort"}) {
    const wxImage strip = LoadImage(name);
    for (int swatch = 0; swatch < 12; ++swatch)
      for (int x = 4 * swatch; x < 4 * swatch + 4; ++x) {
        SCOPED_TRACE(std::string(name) + " column " + std::to_string(x));
        EXPECT_EQ(PixelAt(strip, x, 0), mainColours[swatch]);
        // Shaded, never brighter, towards the bottom.
        const Rgb bottom = PixelAt(strip, x, strip.GetHeight() - 1);
        EXPECT_LT(bottom.r + bottom.g + bottom.b,
                  mainColours[swatch].r + mainColours[swatch].g + mainColours[swatch].b);
      }
  }
}

// The white 2-pixel outline with outer edges left..right, rows 18..32, and nothing white just
// outside it or inside it.
void ExpectEmptyFrame(const wxImage& image, int left, int right) {
  const int top = 18;
  const int bottom = 32;
  for (int y = top - 1; y <= bottom + 1; ++y)
    for (int x = left - 1; x <= right + 1; ++x) {
      const bool outside = x < left || x > right || y < top || y > bottom;
      const bool inside = x > left + 1 && x < right - 1 && y > top + 1 && y < bottom - 1;
      SCOPED_TRACE("at " + std::to_string(x) + ", " + std::to_string(y));
      if (outside || inside)
        EXPECT_NE(PixelAt(image, x, y), white);
      else
        EXPECT_EQ(PixelAt(image, x, y), white);
    }
}

TEST(BandBitmaps, EmptyFramesSitInTheResistorsPlaces) {
  for (auto [name, left, right] :
       {std::tuple{"BackEmpty", 15, 67}, {"BackEmpty", 93, 145}, {"BackR1Only", 93, 145}}) {
    SCOPED_TRACE(std::string(name) + " from x " + std::to_string(left));
    ExpectEmptyFrame(LoadImage(name), left, right);
  }
}

// --- The composed picture ---------------------------------------------------------------------

// One band expected on the canvas: `height` rows from `top`, copied from a strip's swatch.
struct Band {
  int x;
  int top;
  int height;
  const char* strip;
  int swatch;
};

constexpr const char* tall = "PaletteTall";
constexpr const char* low = "PaletteShort";

BandCode Code(std::initializer_list<int> digits, int multiplier) {
  BandCode code;
  for (int digit : digits) code.digits[code.digitCount++] = digit;
  code.multiplier = multiplier;
  return code;
}

// The canvas is exactly the background with the bands pasted on it, nothing else.
void ExpectCanvas(const wxBitmap& canvasBitmap, const char* background,
                  std::initializer_list<Band> bands) {
  wxImage expected = LoadImage(background);
  for (const Band& band : bands) {
    const wxImage strip = LoadImage(band.strip);
    for (int row = 0; row < band.height; ++row)
      for (int column = 0; column < 4; ++column)
        expected.SetRGB(band.x + column, band.top + row,
                        strip.GetRed(4 * band.swatch + column, row),
                        strip.GetGreen(4 * band.swatch + column, row),
                        strip.GetBlue(4 * band.swatch + column, row));
  }
  const wxImage canvas = canvasBitmap.ConvertToImage();
  int mismatches = 0;
  for (int y = 0; y < expected.GetHeight(); ++y)
    for (int x = 0; x < expected.GetWidth(); ++x)
      if (PixelAt(canvas, x, y) != PixelAt(expected, x, y) && ++mismatches <= 5)
        ADD_FAILURE() << "at " << x << ", " << y << ": " << ToString(PixelAt(canvas, x, y))
                      << " instead of " << ToString(PixelAt(expected, x, y));
  EXPECT_EQ(mismatches, 0);
}

class BandPictureTest : public ::testing::Test {
 protected:
  BandPictureTest()
      : frame_(new wxFrame(nullptr, wxID_ANY, "band picture")),
        control_(
            new wxStaticBitmap(frame_, wxID_ANY, wxBitmap(), wxDefaultPosition, wxSize(161, 41))),
        picture_(std::make_unique<BandPicture>(control_)) {
    frame_->Show();
    testing::ProcessEvents();
    state_.bandsShown = true;
  }
  ~BandPictureTest() override {
    picture_.reset();
    frame_->Destroy();
    testing::ProcessEvents();
  }

  void ExpectPicture(const char* background, std::initializer_list<Band> bands) {
    ExpectCanvas(picture_->Canvas(), background, bands);
  }

  wxFrame* frame_;
  wxStaticBitmap* control_;
  std::unique_ptr<BandPicture> picture_;
  CalculatorState state_;
};

TEST_F(BandPictureTest, HiddenDrawsNothingWhateverTheCodes) {
  state_.bandsShown = false;
  state_.r1Bands = Code({4, 7}, 2);
  state_.r2Bands = Code({1, 0}, 0);
  picture_->Redraw(state_);
  EXPECT_FALSE(control_->GetBitmap().IsOk());
  const wxImage canvas = picture_->Canvas().ConvertToImage();
  const wxImage untouched = LoadImage("BandCanvas");
  EXPECT_EQ(memcmp(canvas.GetData(), untouched.GetData(), 161 * 41 * 3), 0);
}

TEST_F(BandPictureTest, StandardValueShowsR1AloneBesideAnEmptyFrame) {
  state_.r1Bands = Code({4, 7}, 2);  // 4,700 ohms, E24 at four bands
  picture_->Redraw(state_);
  ExpectPicture("BackR1Only", {{19, 16, 19, tall, SwatchYellow},
                               {28, 17, 17, low, SwatchViolet},
                               {37, 17, 17, low, SwatchRed},
                               {58, 17, 19, tall, SwatchBrown}});
}

TEST_F(BandPictureTest, E96AtTenthPercentAndSixBands) {
  state_.E24ONLY = false;
  state_.USE_1PC = false;
  state_.e96BandCount = 6;
  state_.r1Bands = Code({5, 1, 1}, -1);  // 51.1 ohms
  state_.r2Bands = Code({1, 0}, -1);     // 1 ohm, E24 at four bands
  picture_->Redraw(state_);
  ExpectPicture("BackBothBodies", {{19, 16, 19, tall, SwatchGreen},
                                   {27, 17, 17, low, SwatchBrown},
                                   {35, 17, 17, low, SwatchBrown},
                                   {43, 17, 17, low, SwatchGold},
                                   {51, 17, 17, tall, SwatchViolet},
                                   {60, 17, 19, tall, SwatchBrown},
                                   {98, 16, 19, tall, SwatchBrown},
                                   {107, 17, 17, low, SwatchBlack},
                                   {116, 17, 17, low, SwatchGold},
                                   {138, 17, 19, tall, SwatchBrown}});
}

TEST_F(BandPictureTest, R1AtFiveBandsBesideR2AtSix) {
  state_.E24ONLY = false;
  state_.e96BandCount = 5;
  state_.e24BandCount = 6;
  state_.r1Bands = Code({9, 7, 6}, 1);  // 9,760 ohms
  state_.r2Bands = Code({1, 0, 0}, 5);  // 10 megohms
  picture_->Redraw(state_);
  ExpectPicture("BackBothBodies", {{19, 16, 19, tall, SwatchWhite},
                                   {28, 17, 17, low, SwatchViolet},
                                   {37, 17, 17, low, SwatchBlue},
                                   {46, 17, 17, low, SwatchBrown},
                                   {58, 17, 19, tall, SwatchBrown},
                                   {98, 16, 19, tall, SwatchBrown},
                                   {106, 17, 17, low, SwatchBlack},
                                   {114, 17, 17, low, SwatchBlack},
                                   {122, 17, 17, low, SwatchGreen},
                                   {130, 17, 17, tall, SwatchBrown},
                                   {138, 17, 19, tall, SwatchBrown}});
}

TEST_F(BandPictureTest, MultiplierWithoutSwatchIsLeftUndrawn) {
  state_.r1Bands = Code({1, 0}, 10);
  state_.r2Bands = Code({1, 0}, -3);
  picture_->Redraw(state_);
  ExpectPicture("BackBothBodies", {{19, 16, 19, tall, SwatchBrown},
                                   {28, 17, 17, low, SwatchBlack},
                                   {58, 17, 19, tall, SwatchBrown},
                                   {98, 16, 19, tall, SwatchBrown},
                                   {107, 17, 17, low, SwatchBlack},
                                   {138, 17, 19, tall, SwatchBrown}});
}

TEST_F(BandPictureTest, ControlHoldsEachFinishedPictureUpToEmptyCodes) {
  state_.r1Bands = Code({4, 7}, 2);
  picture_->Redraw(state_);
  const wxImage first = control_->GetBitmap().ConvertToImage();
  ASSERT_TRUE(first.IsOk());
  EXPECT_EQ(memcmp(first.GetData(), picture_->Canvas().ConvertToImage().GetData(), 161 * 41 * 3),
            0);

  state_.r1Bands = BandCode{};
  picture_->Redraw(state_);
  ExpectPicture("BackEmpty", {});
  const wxImage second = control_->GetBitmap().ConvertToImage();
  EXPECT_EQ(memcmp(second.GetData(), LoadImage("BackEmpty").GetData(), 161 * 41 * 3), 0);
}

// The whole form: a band count changed from the menu recalculates, and the picture shows the new
// code when the command returns.
TEST(BandPictureInTheForm, MenuBandCountChangeRedrawsTheResult) {
  testing::ScopedTemporaryDirectory directory;
  auto* frame = new CMainFrame;
  frame->Show();
  if (!frame->menuState().bandsShown) frame->OnBandPicture();
  auto* required = static_cast<wxTextCtrl*>(frame->FindWindow(IDC_REQUIRED));
  required->SetValue("4k7");  // a standard E24 value: R1 alone
  testing::PressEnter(*required);
  const wxBitmap& canvas = frame->view().picture().Canvas();
  ExpectCanvas(canvas, "BackR1Only",
               {{19, 16, 19, tall, SwatchYellow},
                {28, 17, 17, low, SwatchViolet},
                {37, 17, 17, low, SwatchRed},
                {58, 17, 19, tall, SwatchBrown}});

  frame->OnE24Bands(5);
  ExpectCanvas(canvas, "BackR1Only",
               {{19, 16, 19, tall, SwatchYellow},
                {28, 17, 17, low, SwatchViolet},
                {37, 17, 17, low, SwatchBlack},
                {46, 17, 17, low, SwatchBrown},
                {58, 17, 19, tall, SwatchBrown}});
  frame->Destroy();
  testing::ProcessEvents();
}

}  // namespace
}  // namespace tamblor
