#include "band_artwork.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tamblor::artwork {

namespace {

constexpr Rgb boardGreen{75, 144, 24};
constexpr Rgb boardGreenAtRow30{63, 123, 21};
constexpr Rgb edgeOlive{163, 177, 92};
constexpr Rgb rightEdge{44, 86, 14};
constexpr Rgb bottomEdge{18, 24, 12};
constexpr Rgb labelWhite{255, 255, 255};
constexpr Rgb bodyGreyGreen{176, 190, 158};
constexpr Rgb bodyShadow{34, 66, 11};
constexpr Rgb leadLight{214, 214, 204};
constexpr Rgb leadUnderside{160, 160, 150};
constexpr Rgb frameWhite{255, 255, 255};

constexpr std::array<Rgb, 12> swatchColours{{
    {67, 67, 67},     // black
    {185, 142, 98},   // brown
    {218, 74, 84},    // red
    {242, 156, 42},   // orange
    {231, 221, 85},   // yellow
    {128, 187, 95},   // green
    {74, 76, 222},    // blue
    {170, 74, 222},   // violet
    {175, 175, 175},  // grey
    {232, 232, 232},  // white
    {214, 187, 159},  // gold
    {224, 221, 221},  // silver
}};

constexpr int shadingStartRow = 20;

Rgb BoardAtRow(int y) {
  const double t = std::max(0, y - shadingStartRow) / double(30 - shadingStartRow);
  return Mixed(boardGreen, boardGreenAtRow30, t);
}

// Brightness of a row of a swatch or body of the given height: the main colour over the upper two
// thirds, darkening over the lower third.
double LowerThirdShade(int row, int height) {
  const int lowerStart = height - height / 3;
  if (row < lowerStart) return 1.0;
  return 1.0 - 0.4 * (row - lowerStart + 1) / (height - lowerStart);
}

// Bold capitals 11 rows high; '#' is lit.
using Glyph = std::array<std::string_view, 11>;
constexpr Glyph glyphR{"######.", "#######", "##...##", "##...##", "#######", "######.",
                       "##.##..", "##..##.", "##..##.", "##...##", "##...##"};
constexpr Glyph glyphOne{"..##.", ".###.", "####.", "..##.", "..##.", "..##.",
                         "..##.", "..##.", "..##.", "#####", "#####"};
constexpr Glyph glyphTwo{".#####.", "#######", "##...##", ".....##", "....###", "...###.",
                         "..###..", ".###...", "###....", "#######", "#######"};
constexpr int labelTop = 3;

// Draws the glyph with its top-left corner at (left, labelTop); returns the column after it.
int DrawGlyph(Raster& raster, const Glyph& glyph, int left) {
  for (int row = 0; row < int(glyph.size()); ++row)
    for (int column = 0; column < int(glyph[row].size()); ++column)
      if (glyph[row][column] == '#') raster.Set(left + column, labelTop + row, labelWhite);
  return left + int(glyph[0].size());
}

void DrawLabel(Raster& raster, int left, const Glyph& digit) {
  const int gap = 1;
  DrawGlyph(raster, digit, DrawGlyph(raster, glyphR, left) + gap);
}

void DrawBoard(Raster& raster) {
  for (int y = 0; y < pictureHeight; ++y) raster.FillRect(0, y, pictureWidth - 1, y, BoardAtRow(y));
  raster.FillRect(pictureWidth - 1, 0, pictureWidth - 1, pictureHeight - 1, rightEdge);
  raster.FillRect(0, 0, pictureWidth - 1, 0, edgeOlive);
  raster.FillRect(0, 0, 1, pictureHeight - 1, edgeOlive);
  raster.FillRect(0, pictureHeight - 1, pictureWidth - 1, pictureHeight - 1, bottomEdge);
}

constexpr int leftCapEnd = 17;  // body columns, counted from its left end
constexpr int rightCapStart = 39;

// Rows a body covers in each of its 58 columns: rounded ends, raised end caps, a narrower middle.
constexpr std::array<ColumnSpan, 8> bodyShape{{
    {0, 0, 21, 30},
    {1, 1, 19, 32},
    {2, leftCapEnd, 17, 34},
    {leftCapEnd + 1, rightCapStart - 1, 18, 33},
    {rightCapStart, 54, 17, 34},
    {55, 55, 18, 33},
    {56, 56, 19, 32},
    {57, 57, 21, 30},
}};
constexpr int bodyTop = 17;
constexpr int bodyBottom = 34;
constexpr int shadowOffset = 2;
constexpr int leadTopRow = 25;

// Highlight along the top rows, shading over the lower third, as on the swatches; the middle a
// little darker than the raised ends.
Rgb BodyAt(int column, int y) {
  const bool middle = column > leftCapEnd && column < rightCapStart;
  const Rgb base = middle ? Scaled(bodyGreyGreen, 0.94) : bodyGreyGreen;
  if (y <= bodyTop + 1) return Mixed(base, {255, 255, 255}, 0.3);
  return Scaled(base, LowerThirdShade(y - bodyTop, bodyBottom - bodyTop + 1));
}

void DrawBody(Raster& raster, int left, int leadLeft, int leadRight) {
  PaintShape(raster, bodyShape, left + shadowOffset, shadowOffset,
             [](int, int) { return bodyShadow; });
  raster.FillRect(leadLeft, leadTopRow, leadRight, leadTopRow, leadLight);
  raster.FillRect(leadLeft, leadTopRow + 1, leadRight, leadTopRow + 1, leadUnderside);
  PaintShape(raster, bodyShape, left, 0, BodyAt);
}

void DrawEmptyFrame(Raster& raster, int left, int right) {
  const int top = 18;
  const int bottom = 32;
  const int thickness = 2;
  raster.FillRect(left, top, right, top + thickness - 1, frameWhite);
  raster.FillRect(left, bottom - thickness + 1, right, bottom, frameWhite);
  raster.FillRect(left, top, left + thickness - 1, bottom, frameWhite);
  raster.FillRect(right - thickness + 1, top, right, bottom, frameWhite);
}

}  // namespace

Raster BandCanvasArt() {
  Raster raster(pictureWidth, pictureHeight);
  raster.FillRect(0, 0, pictureWidth - 1, pictureHeight - 1, boardGreen);
  return raster;
}

Raster BackgroundArt(bool r1Body, bool r2Body) {
  Raster raster(pictureWidth, pictureHeight);
  DrawBoard(raster);
  DrawLabel(raster, 35, glyphOne);
  DrawLabel(raster, 115, glyphTwo);
  if (r1Body)
    DrawBody(raster, 12, 4, 76);
  else
    DrawEmptyFrame(raster, 15, 67);
  if (r2Body)
    DrawBody(raster, 91, 83, 155);
  else
    DrawEmptyFrame(raster, 93, 145);
  return raster;
}

Raster PaletteArt(int height) {
  Raster raster(swatchWidth * int(swatchColours.size()), height);
  for (int swatch = 0; swatch < int(swatchColours.size()); ++swatch)
    for (int y = 0; y < height; ++y)
      raster.FillRect(swatch * swatchWidth, y, swatch * swatchWidth + swatchWidth - 1, y,
                      Scaled(swatchColours[swatch], LowerThirdShade(y, height)));
  return raster;
}

}  // namespace tamblor::artwork
