#pragma once

#include "raster.h"

namespace tamblor::artwork {

// The application icon: a banded resistor on a transparent square ground, drawn at 32 x 32 and
// resampled to `size` pixels a side.
Raster AppIconArt(int size = 32);

}  // namespace tamblor::artwork
