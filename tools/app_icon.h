#pragma once

#include "raster.h"

namespace tamblor::artwork {

// The application icon: a banded resistor on a transparent 32 x 32 ground.
Raster AppIconArt();

}  // namespace tamblor::artwork
