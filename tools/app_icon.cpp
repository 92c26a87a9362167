#include "app_icon.h"

#include <array>

namespace tamblor::artwork {

namespace {

constexpr int iconSize = 32;
constexpr Rgb bodyTan{214, 186, 140};
constexpr Rgb outline{92, 70, 48};
constexpr Rgb leadLight{200, 200, 196};
constexpr Rgb leadUnderside{140, 140, 136};

constexpr std::array<ColumnSpan, 7> bodyShape{{
    {6, 6, 12, 19},
    {7, 7, 10, 21},
    {8, 11, 9, 22},    // left cap
    {12, 19, 11, 20},  // middle
    {20, 23, 9, 22},   // right cap
    {24, 24, 10, 21},
    {25, 25, 12, 19},
}};

// 4,700 ohms at 5 %: yellow, violet, red, gold.
struct Band {
  int left;
  Rgb colour;
};
constexpr std::array<Band, 4> bands{{
    {9, {231, 221, 85}},
    {13, {170, 74, 222}},
    {16, {218, 74, 84}},
    {21, {196, 150, 40}},
}};
constexpr int bandWidth = 2;

bool InBody(int x, int y) { return InShape(bodyShape, x, y); }

Rgb BodyColourAt(int x, int y) {
  Rgb colour = bodyTan;
  for (const Band& band : bands)
    if (x >= band.left && x < band.left + bandWidth) colour = band.colour;
  if (y <= 10) return Mixed(colour, {255, 255, 255}, 0.35);
  if (y >= 18) return Scaled(colour, 1.0 - 0.08 * (y - 17));
  return colour;
}

}  // namespace

Raster AppIconArt(int size) {
  Raster raster(iconSize, iconSize, true);
  const int leadRow = 15;
  for (int x = 1; x < iconSize - 1; ++x) {
    raster.Set(x, leadRow, leadLight);
    raster.Set(x, leadRow + 1, leadUnderside);
  }
  PaintShape(raster, bodyShape, 0, 0, BodyColourAt);
  for (int y = 0; y < iconSize; ++y)
    for (int x = 0; x < iconSize; ++x)
      if (!InBody(x, y) &&
          (InBody(x - 1, y) || InBody(x + 1, y) || InBody(x, y - 1) || InBody(x, y + 1)))
        raster.Set(x, y, outline);
  return size == iconSize ? raster : Resampled(raster, size, size);
}

}  // namespace tamblor::artwork
