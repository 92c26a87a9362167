#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tamblor::artwork {

namespace {

std::uint8_t Level(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

Rgb Scaled(Rgb colour, double factor) {
  return {Level(colour.r * factor), Level(colour.g * factor), Level(colour.b * factor)};
}

Rgb Mixed(Rgb from, Rgb to, double t) {
  return {Level(from.r + (to.r - from.r) * t), Level(from.g + (to.g - from.g) * t),
          Level(from.b + (to.b - from.b) * t)};
}

Raster::Raster(int width, int height, bool withAlpha)
    : width_(width),
      height_(height),
      withAlpha_(withAlpha),
      bytes_(static_cast<std::size_t>(width) * height * (withAlpha ? 4 : 3), 0) {}

void Raster::Set(int x, int y, Rgb colour, std::uint8_t alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const std::size_t channels = withAlpha_ ? 4 : 3;
  std::uint8_t* pixel = &bytes_[(static_cast<std::size_t>(y) * width_ + x) * channels];
  pixel[0] = colour.r;
  pixel[1] = colour.g;
  pixel[2] = colour.b;
  if (withAlpha_) pixel[3] = alpha;
}

void Raster::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) Set(x, y, colour);
}

Rgb Raster::At(int x, int y) const {
  const std::size_t channels = withAlpha_ ? 4 : 3;
  const std::uint8_t* pixel = &bytes_[(static_cast<std::size_t>(y) * width_ + x) * channels];
  return {pixel[0], pixel[1], pixel[2]};
}

}  // namespace tamblor::artwork
