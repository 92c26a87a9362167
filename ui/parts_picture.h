#pragma once

#include <wx/window.h>

#include <vector>

#include "network/part.h"
#include "ui/band_painter.h"

namespace tamblor {

// The parts of a result side by side, each drawn with its colour bands on the band picture's body,
// its value, tolerance and codes (SMD, then EIA-96) below it.
class PartsPicture : public wxWindow {
 public:
  explicit PartsPicture(wxWindow* parent);

  void SetParts(std::vector<Part> parts);
  const std::vector<Part>& Parts() const { return parts_; }
  // A picture: Tab passes it by.
  bool AcceptsFocus() const override { return false; }

  // The lines of text shown below a part.
  static std::vector<std::string> Captions(const Part& part);

 private:
  void OnPaint();

  std::vector<Part> parts_;
  wxBitmap bodies_;
  BandPalette palette_;
};

}  // namespace tamblor
