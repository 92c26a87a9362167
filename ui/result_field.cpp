#include "ui/result_field.h"

#include <wx/dcclient.h>

#include <algorithm>

#include "ui/accessible_text.h"

namespace tamblor {
namespace {

// The classic three-dimensional edge colours: light falls from the top left.
const wxColour shadow{160, 160, 160};
const wxColour darkShadow{105, 105, 105};
const wxColour highlight{255, 255, 255};
const wxColour light{227, 227, 227};

// Pixels between the edge and the start of the text.
constexpr int textIndent = 1;

void Fill(wxDC& dc, const wxColour& colour, int x, int y, int width, int height) {
  dc.SetBrush(wxBrush(colour));
  dc.DrawRectangle(x, y, width, height);
}

// A one-pixel frame at `inset` from the field's border: `topLeft` along the top and left sides,
// `bottomRight` along the bottom and right sides.
void DrawFrame(wxDC& dc, wxSize size, int inset, const wxColour& topLeft,
               const wxColour& bottomRight) {
  const int width = size.x - 2 * inset;
  const int height = size.y - 2 * inset;
  Fill(dc, topLeft, inset, inset, width - 1, 1);
  Fill(dc, topLeft, inset, inset, 1, height - 1);
  Fill(dc, bottomRight, inset, inset + height - 1, width, 1);
  Fill(dc, bottomRight, inset + width - 1, inset, 1, height);
}

}  // namespace

ResultField::ResultField(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                         FieldEdge edge)
    : wxWindow(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE), edge_(edge) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  label_ = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                            wxALIGN_LEFT | wxST_NO_AUTORESIZE);
  Bind(wxEVT_PAINT, &ResultField::OnPaint, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent&) { PlaceLabel(); });
  PlaceLabel();
}

void ResultField::SetValue(const wxString& text) {
  label_->SetLabelText(text);
  // The field's own window text too: what Windows tools read of a window that is not a control.
  SetLabel(text);
}

void ResultField::SetAccessibleName(const wxString& name) {
  tamblor::SetAccessibleName(*label_, name);
}

#if defined(__WXGTK__) && wxUSE_TOOLTIPS
void ResultField::GTKApplyToolTip(const char* tip) {
  wxWindow::GTKApplyToolTip(tip);
  SetAccessibleDescription(*label_, wxString::FromUTF8(tip ? tip : ""));
}
#endif

bool ResultField::SetFont(const wxFont& font) {
  if (!wxWindow::SetFont(font)) return false;
  label_->SetFont(font);
  PlaceLabel();
  return true;
}

void ResultField::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetPen(*wxTRANSPARENT_PEN);
  Fill(dc, GetBackgroundColour(), 0, 0, size.x, size.y);
  DrawFrame(dc, size, 0, shadow, highlight);
  if (edge_ == FieldEdge::Sunken) DrawFrame(dc, size, 1, darkShadow, light);
}

void ResultField::PlaceLabel() {
  const wxSize size = GetClientSize();
  const int inner = std::max(size.y - 2 * EdgeWidth(), 0);
  const int textHeight = std::min(label_->GetTextExtent("0").y, inner);
  const int x = EdgeWidth() + textIndent;
  label_->SetSize(x, (size.y - textHeight) / 2, std::max(size.x - x - EdgeWidth(), 0), textHeight);
}

}  // namespace tamblor
