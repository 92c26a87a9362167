#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>

#include <span>
#include <vector>

#include "values/band_code.h"

namespace tamblor {

// Left edges in pixels of a resistor's bands on its body.
struct ResistorPlaces {
  int firstBand;
  int tolerance;  // at four and five bands; at six it follows the multiplier
  int sixthBand;
};

// One band: a swatch's top rows copied from the tall or the short palette to (x, top).
struct PlacedBand {
  int swatch = 0;
  int x = 0;
  int top = 0;
  int height = 0;
  bool tallPalette = false;
};

// Where the bands go: the digits and the multiplier (at `multiplierIndex`) nine pixels apart, eight
// at six bands, the first one row higher and tall; the tolerance and a sixth band tall at their
// fixed places, but at six bands the tolerance follows the multiplier, as short as the digits. A
// band without a swatch keeps its place and is not drawn.
std::vector<PlacedBand> PlaceBands(const BandSequence& bands, const ResistorPlaces& places,
                                   int multiplierIndex);

// The twelve swatches in their two heights, as the compiled-in bitmaps hold them.
struct BandPalette {
  wxBitmap tall;
  wxBitmap low;

  // Loads the bitmaps; the XRC resources must already be loaded.
  static BandPalette Load();
};

void PaintBands(wxDC& canvas, std::span<const PlacedBand> bands, const BandPalette& palette);

}  // namespace tamblor
