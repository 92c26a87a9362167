#pragma once

#include <wx/bitmap.h>
#include <wx/statbmp.h>

#include "engine/calculator_state.h"
#include "ui/band_painter.h"

namespace tamblor {

// R1 and R2 with their colour bands, composed on a 161 x 41 canvas from the compiled-in bitmaps
// and shown in the form's picture control 1035.
class BandPicture {
 public:
  // Loads the bitmaps; the XRC resources must already be loaded.
  explicit BandPicture(wxStaticBitmap* control);

  // Composes the picture from the state's codes and band settings and shows it before returning.
  // Does nothing while state.bandsShown is false.
  void Redraw(const CalculatorState& state);

  const wxBitmap& Canvas() const { return canvas_; }

 private:
  wxStaticBitmap* control_;
  wxBitmap canvas_;
  wxBitmap backBothBodies_;
  wxBitmap backR1Only_;
  wxBitmap backEmpty_;
  BandPalette palette_;
};

}  // namespace tamblor
