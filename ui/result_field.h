#pragma once

#include <wx/stattext.h>
#include <wx/window.h>

namespace tamblor {

// The edge a result field is drawn with: two pixels sunken, or the thin one-pixel static edge.
enum class FieldEdge { Sunken, Static };

// One of the 21 result fields: its row's background, its edge, and its text left-aligned and
// centred vertically in the field's font. The text is shown by a native label, which screen
// readers read as the field's text under the field's accessible name.
class ResultField : public wxWindow {
 public:
  ResultField(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
              FieldEdge edge);

  void SetValue(const wxString& text);
  wxString Value() const { return label_->GetLabelText(); }
  // What a screen reader calls the field, such as "最佳 R1"; its text stays the value.
  void SetAccessibleName(const wxString& name);

  bool SetFont(const wxFont& font) override;
#if defined(__WXGTK__) && wxUSE_TOOLTIPS
  // Every change of the tooltip passes here: the label, which screen readers see, takes it as its
  // description, as a standard control's own tooltip is.
  void GTKApplyToolTip(const char* tip) override;
#endif
  // Pixels the edge takes on each side.
  int EdgeWidth() const { return edge_ == FieldEdge::Sunken ? 2 : 1; }

 private:
  void OnPaint(wxPaintEvent& event);
  void PlaceLabel();

  FieldEdge edge_;
  wxStaticText* label_;
};

}  // namespace tamblor
