#include "ui/parts_picture.h"

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <wx/xrc/xmlres.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "network/markings.h"

namespace tamblor {
namespace {

// The left body of the band picture's background, without its label and the board's edges.
const wxRect bodyArea{2, 14, 78, 26};
constexpr ResistorPlaces bodyPlaces{19, 58, 60};
constexpr int captionGap = 2;
constexpr int cellGap = 16;

// The bands as swatches; the tolerance band, which a 20 % part lacks, follows the multiplier.
BandSequence SwatchesOf(const BandColours& colours, bool toleranceBand) {
  BandSequence bands;
  bands.size = colours.size;
  bands.bandCount = colours.size + (toleranceBand ? 0 : 1);
  for (int i = 0; i < colours.size; ++i) {
    const auto swatch = std::find(SWATCH_NAMES.begin(), SWATCH_NAMES.end(), colours.names[i]);
    if (swatch != SWATCH_NAMES.end()) bands.swatches[i] = int(swatch - SWATCH_NAMES.begin());
  }
  return bands;
}

}  // namespace

PartsPicture::PartsPicture(wxWindow* parent)
    : wxWindow(parent, wxID_ANY),
      bodies_(wxXmlResource::Get()->LoadBitmap("BackBothBodies")),
      palette_(BandPalette::Load()) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  const int lineHeight = GetCharHeight();
  SetMinSize(wxSize(-1, bodyArea.height + captionGap + 2 * lineHeight));
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
}

void PartsPicture::SetParts(std::vector<Part> parts) {
  parts_ = std::move(parts);
  Refresh();
}

std::vector<std::string> PartsPicture::Captions(const Part& part) {
  char tolerance[32];
  std::snprintf(tolerance, sizeof tolerance, "%g%%", part.tolerance);
  const Markings markings = MarkingsOf(part);
  std::string codes(markings.smd ? markings.smd->view() : "-");
  if (markings.eia96) codes.append("  ").append(markings.eia96->view());
  return {std::string(part.text.view()) + " " + tolerance, codes};
}

void PartsPicture::OnPaint() {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(GetFont());
  dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
  wxMemoryDC bodies;
  bodies.SelectObjectAsSource(bodies_);
  const int lineHeight = dc.GetCharHeight();
  int left = 0;
  for (const Part& part : parts_) {
    dc.Blit(left, 0, bodyArea.width, bodyArea.height, &bodies, bodyArea.x, bodyArea.y, wxCOPY);
    if (const std::optional<BandColours> colours = MarkingsOf(part).bands) {
      const BandSequence bands = SwatchesOf(*colours, part.tolerance != 20.0);
      const int digits = bands.size - (bands.bandCount == bands.size ? 2 : 1);
      dc.SetDeviceOrigin(left - bodyArea.x, -bodyArea.y);
      PaintBands(dc, PlaceBands(bands, bodyPlaces, digits), palette_);
      dc.SetDeviceOrigin(0, 0);
    }
    int width = bodyArea.width;
    int y = bodyArea.height + captionGap;
    for (const std::string& line : Captions(part)) {
      const wxString text = wxString::FromUTF8(line);
      dc.DrawText(text, left, y);
      width = std::max(width, dc.GetTextExtent(text).x);
      y += lineHeight;
    }
    left += width + cellGap;
  }
}

}  // namespace tamblor
