#include "ui/band_picture.h"

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include "values/band_code.h"

namespace tamblor {

namespace {

constexpr int canvasWidth = 161;
constexpr int canvasHeight = 41;
constexpr int bandWidth = 4;
constexpr int tallHeight = 19;
constexpr int shortHeight = 17;
constexpr int bandTop = 17;
constexpr int firstDigitTop = 16;  // the first band stands one row higher than the rest

// Left edges in canvas pixels.
struct ResistorPlaces {
  int firstBand;
  int tolerance;  // at four and five bands; at six it follows the multiplier
  int sixthBand;
};
constexpr ResistorPlaces r1Places{19, 58, 60};
constexpr ResistorPlaces r2Places{98, 138, 138};

wxBitmap Load(const char* name) { return wxXmlResource::Get()->LoadBitmap(name); }

// Copies the top `height` rows of one swatch onto the canvas at (x, y).
void CopySwatch(wxDC& canvas, wxMemoryDC& strip, int swatch, int x, int y, int height) {
  canvas.Blit(x, y, bandWidth, height, &strip, bandWidth * swatch, 0, wxCOPY);
}

void DrawBands(wxDC& canvas, const BandSequence& bands, const ResistorPlaces& places,
               const wxBitmap& paletteTall, const wxBitmap& paletteShort) {
  wxMemoryDC tall;
  tall.SelectObjectAsSource(paletteTall);
  wxMemoryDC low;
  low.SelectObjectAsSource(paletteShort);

  const bool sixBands = bands.bandCount == 6;
  const int spacing = sixBands ? 8 : 9;
  const int multiplierIndex = bands.size - (sixBands ? 3 : 2);
  const int toleranceIndex = multiplierIndex + 1;

  for (int i = 0; i < bands.size; ++i) {
    // A multiplier outside the palette keeps its place but stays undrawn.
    if (!bands.swatches[i]) continue;
    const int swatch = *bands.swatches[i];
    const int stepped = places.firstBand + i * spacing;
    if (i == 0) {
      CopySwatch(canvas, tall, swatch, stepped, firstDigitTop, tallHeight);
    } else if (i <= multiplierIndex) {
      CopySwatch(canvas, low, swatch, stepped, bandTop, shortHeight);
    } else if (i == toleranceIndex && sixBands) {
      CopySwatch(canvas, tall, swatch, stepped, bandTop, shortHeight);
    } else if (i == toleranceIndex) {
      CopySwatch(canvas, tall, swatch, places.tolerance, bandTop, tallHeight);
    } else {
      CopySwatch(canvas, tall, swatch, places.sixthBand, bandTop, tallHeight);
    }
  }
}

// On a screen of two or more device pixels to the pixel, every picture pixel becomes a square of
// them: a smooth scaling would blur the four-pixel bands into their neighbours.
wxBitmap ForScreen(const wxBitmap& picture, double scale) {
  const int factor = static_cast<int>(scale);
  if (factor < 2) return picture;
  const wxImage image = picture.ConvertToImage().Scale(
      picture.GetWidth() * factor, picture.GetHeight() * factor, wxIMAGE_QUALITY_NEAREST);
  return wxBitmap(image, -1, factor);
}

}  // namespace

BandPicture::BandPicture(wxStaticBitmap* control)
    : control_(control),
      canvas_(Load("BandCanvas")),
      backBothBodies_(Load("BackBothBodies")),
      backR1Only_(Load("BackR1Only")),
      backEmpty_(Load("BackEmpty")),
      paletteTall_(Load("PaletteTall")),
      paletteShort_(Load("PaletteShort")) {}

void BandPicture::Redraw(const CalculatorState& state) {
  if (!state.bandsShown) return;

  const bool r1Set = state.r1Bands.digitCount > 0;
  const bool r2Set = state.r2Bands.digitCount > 0;
  const wxBitmap& background = r1Set && r2Set ? backBothBodies_ : r1Set ? backR1Only_ : backEmpty_;
  {
    wxMemoryDC canvas;
    canvas.SelectObject(canvas_);  // unshares it from the picture the control holds
    wxMemoryDC source;
    source.SelectObjectAsSource(background);
    canvas.Blit(0, 0, canvasWidth, canvasHeight, &source, 0, 0, wxCOPY);

    const BandSettings settings = state.bandSettings();
    if (r1Set)
      DrawBands(canvas, DrawnBands(state.r1Bands, true, settings), r1Places, paletteTall_,
                paletteShort_);
    if (r2Set)
      DrawBands(canvas, DrawnBands(state.r2Bands, false, settings), r2Places, paletteTall_,
                paletteShort_);
  }
  // The control holds the finished picture and repaints it by itself when uncovered.
  control_->SetBitmap(ForScreen(canvas_, control_->GetContentScaleFactor()));
  control_->Update();
}

}  // namespace tamblor
