#pragma once

#include "raster.h"

namespace tamblor::artwork {

// The bitmaps of the band picture. Every place the band layout depends on is exact: the labels
// "R1" at x 35..47 and "R2" at x 115..129 (rows 3..13), the bodies at x 12..71 and 91..150
// (rows 17..36), the empty frames' outer edges at x 15..67 and 93..145 (rows 18..32).

inline constexpr int pictureWidth = 161;
inline constexpr int pictureHeight = 41;
inline constexpr int swatchWidth = 4;
inline constexpr int tallSwatchHeight = 19;
inline constexpr int shortSwatchHeight = 17;

// The plain board green on which the picture is composed.
Raster BandCanvasArt();

// The board with its edges, the labels, and for each resistor its body or an empty frame.
Raster BackgroundArt(bool r1Body, bool r2Body);

// The twelve swatches side by side, each swatchWidth wide, shaded from their main colour at the
// top to a darker lower third.
Raster PaletteArt(int height);

}  // namespace tamblor::artwork
