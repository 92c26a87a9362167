#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tamblor::artwork {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour scaled towards black by factor (1 keeps it), rounded to the nearest level.
Rgb Scaled(Rgb colour, double factor);

// The colour a fraction t of the way from `from` to `to`, rounded to the nearest level.
Rgb Mixed(Rgb from, Rgb to, double t);

// A picture of opaque pixels, or of pixels with alpha when made with alpha; row 0 at the top.
class Raster {
 public:
  Raster(int width, int height, bool withAlpha = false);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool WithAlpha() const { return withAlpha_; }

  // Writes outside the picture are dropped.
  void Set(int x, int y, Rgb colour, std::uint8_t alpha = 255);
  void FillRect(int left, int top, int right, int bottom, Rgb colour);  // inclusive edges
  Rgb At(int x, int y) const;

  // Rows top to bottom, each pixel as R, G, B (and A when with alpha).
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  int width_;
  int height_;
  bool withAlpha_;
  std::vector<std::uint8_t> bytes_;
};

// One piece of a shape drawn column by column: each of its columns covers the rows top to bottom,
// edges inclusive.
struct ColumnSpan {
  int firstColumn;
  int lastColumn;
  int top;
  int bottom;
};
using ColumnShape = std::span<const ColumnSpan>;

bool InShape(ColumnShape shape, int column, int row);

// Sets every pixel of the shape, its column 0 and row 0 placed at (left, top), to
// colourAt(column, row) in the shape's own coordinates.
template <typename ColourAt>
void PaintShape(Raster& raster, ColumnShape shape, int left, int top, ColourAt colourAt) {
  for (const ColumnSpan& span : shape)
    for (int column = span.firstColumn; column <= span.lastColumn; ++column)
      for (int row = span.top; row <= span.bottom; ++row)
        raster.Set(left + column, top + row, colourAt(column, row));
}

// The raster redrawn at another size with alpha, each new pixel the area-weighted mean of the
// pixels it covers: whole-number enlargements keep hard pixel edges, reductions blend them.
Raster Resampled(const Raster& source, int width, int height);

}  // namespace tamblor::artwork
