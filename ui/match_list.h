#pragma once

#include <wx/dataview.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/list_extent.h"

namespace tamblor {

// The list of further matches: tab-separated lines shown with their fields in columns at tab
// stops of 40 dialog units of its font, and a horizontal scroll bar reaching the end of the
// widest line. A native list, so screen readers read its lines. A double-click on a line emits
// wxEVT_DATAVIEW_ITEM_ACTIVATED; the arrow keys move the current line.
class CHScrollListBox : public wxDataViewListCtrl {
 public:
  CHScrollListBox(wxWindow* parent, wxWindowID id);

  // Sets the stops in dialog units of the list's current font and measures every line again.
  void SetTabStops(int stopDialogUnits);

  int Count() const;
  int CurrentLine() const;  // -1 when no line is current
  void SetCurrentLine(int line);
  std::string_view Line(int line) const;
  void AddLine(std::string_view line);
  void InsertLine(int line, std::string_view text);
  void DeleteLine(int line);
  // An index outside the lines changes nothing, and Line() gives an empty text for it.

  const ListExtent& Extent() const { return extent_; }

 private:
  // Columns at the tab stops, one per field, wide enough for every field and the widest line.
  // A change in the number of columns shows every line again; true when it did.
  bool ApplyColumns();
  wxVector<wxVariant> Cells(std::string_view line) const;

  std::vector<std::string> lines_;  // UTF-8, in line order
  ListExtent extent_;
};

}  // namespace tamblor
