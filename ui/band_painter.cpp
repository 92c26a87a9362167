#include "ui/band_painter.h"

#include <wx/dcmemory.h>
#include <wx/xrc/xmlres.h>

namespace tamblor {
namespace {

constexpr int bandWidth = 4;
constexpr int tallHeight = 19;
constexpr int shortHeight = 17;
constexpr int bandTop = 17;
constexpr int firstDigitTop = 16;  // the first band stands one row higher than the rest

}  // namespace

std::vector<PlacedBand> PlaceBands(const BandSequence& bands, const ResistorPlaces& places,
                                   int multiplierIndex) {
  const bool sixBands = bands.bandCount == 6;
  const int spacing = sixBands ? 8 : 9;
  const int toleranceIndex = multiplierIndex + 1;

  std::vector<PlacedBand> placed;
  for (int i = 0; i < bands.size; ++i) {
    if (!bands.swatches[i]) continue;
    const int swatch = *bands.swatches[i];
    const int stepped = places.firstBand + i * spacing;
    if (i == 0) {
      placed.push_back({swatch, stepped, firstDigitTop, tallHeight, true});
    } else if (i <= multiplierIndex) {
      placed.push_back({swatch, stepped, bandTop, shortHeight, false});
    } else if (i == toleranceIndex && sixBands) {
      placed.push_back({swatch, stepped, bandTop, shortHeight, true});
    } else if (i == toleranceIndex) {
      placed.push_back({swatch, places.tolerance, bandTop, tallHeight, true});
    } else {
      placed.push_back({swatch, places.sixthBand, bandTop, tallHeight, true});
    }
  }
  return placed;
}

BandPalette BandPalette::Load() {
  wxXmlResource& resources = *wxXmlResource::Get();
  return {resources.LoadBitmap("PaletteTall"), resources.LoadBitmap("PaletteShort")};
}

void PaintBands(wxDC& canvas, std::span<const PlacedBand> bands, const BandPalette& palette) {
  wxMemoryDC tall;
  tall.SelectObjectAsSource(palette.tall);
  wxMemoryDC low;
  low.SelectObjectAsSource(palette.low);
  for (const PlacedBand& band : bands)
    canvas.Blit(band.x, band.top, bandWidth, band.height, band.tallPalette ? &tall : &low,
                bandWidth * band.swatch, 0, wxCOPY);
}

}  // namespace tamblor
