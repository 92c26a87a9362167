#include "ui/band_picture.h"

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include "values/band_code.h"

namespace tamblor {

namespace {

constexpr int canvasWidth = 161;
constexpr int canvasHeight = 41;
constexpr ResistorPlaces r1Places{19, 58, 60};
constexpr ResistorPlaces r2Places{98, 138, 138};

wxBitmap Load(const char* name) { return wxXmlResource::Get()->LoadBitmap(name); }

void DrawBands(wxDC& canvas, const BandSequence& bands, const ResistorPlaces& places,
               const BandPalette& palette) {
  const int multiplierIndex = bands.size - (bands.bandCount == 6 ? 3 : 2);
  PaintBands(canvas, PlaceBands(bands, places, multiplierIndex), palette);
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
      palette_(BandPalette::Load()) {}

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
    if (r1Set) DrawBands(canvas, DrawnBands(state.r1Bands, true, settings), r1Places, palette_);
    if (r2Set) DrawBands(canvas, DrawnBands(state.r2Bands, false, settings), r2Places, palette_);
  }
  // The control holds the finished picture and repaints it by itself when uncovered.
  control_->SetBitmap(ForScreen(canvas_, control_->GetContentScaleFactor()));
  control_->Update();
}

}  // namespace tamblor
