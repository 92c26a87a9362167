#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tamblor::artwork {

namespace {

std::uint8_t Level(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// The overlap of the source pixels first..last with the span [from, to) in source pixel units.
struct Coverage {
  int first;
  int last;
  double from;
  double to;

  double Of(int pixel) const {
    return std::min<double>(to, pixel + 1) - std::max<double>(from, pixel);
  }
};

Coverage CoverageOf(int target, int targetSize, int sourceSize) {
  const double scale = static_cast<double>(sourceSize) / targetSize;
  const double from = target * scale;
  const double to = (target + 1) * scale;
  const int last = std::min(static_cast<int>(std::ceil(to)) - 1, sourceSize - 1);
  return {static_cast<int>(from), last, from, to};
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

bool InShape(ColumnShape shape, int column, int row) {
  return std::ranges::any_of(shape, [&](const ColumnSpan& span) {
    return column >= span.firstColumn && column <= span.lastColumn && row >= span.top &&
           row <= span.bottom;
  });
}

Raster Resampled(const Raster& source, int width, int height) {
  const std::size_t channels = source.WithAlpha() ? 4 : 3;
  Raster target(width, height, true);
  for (int y = 0; y < height; ++y) {
    const Coverage rows = CoverageOf(y, height, source.Height());
    for (int x = 0; x < width; ++x) {
      const Coverage columns = CoverageOf(x, width, source.Width());
      // Colours are weighted by their alpha too, so that transparent pixels lend no colour.
      double r = 0, g = 0, b = 0, opacity = 0, area = 0;
      for (int sy = rows.first; sy <= rows.last; ++sy)
        for (int sx = columns.first; sx <= columns.last; ++sx) {
          const std::uint8_t* pixel =
              &source.Bytes()[(static_cast<std::size_t>(sy) * source.Width() + sx) * channels];
          const double weight = rows.Of(sy) * columns.Of(sx);
          const double alpha = channels == 4 ? pixel[3] / 255.0 : 1.0;
          r += pixel[0] * alpha * weight;
          g += pixel[1] * alpha * weight;
          b += pixel[2] * alpha * weight;
          opacity += alpha * weight;
          area += weight;
        }
      if (opacity > 0)
        target.Set(x, y, {Level(r / opacity), Level(g / opacity), Level(b / opacity)},
                   Level(255 * opacity / area));
    }
  }
  return target;
}

}  // namespace tamblor::artwork
