#include "ui/match_list.h"

#include <string>
#include <vector>

namespace tamblor {

namespace {

// A list box's stops before it is given any.
constexpr int defaultTabStopDialogUnits = 32;
// A native list cell leaves this much of its width free around the text, pixels.
constexpr int cellPadding = 8;

wxString FromUtf8(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

}  // namespace

CHScrollListBox::CHScrollListBox(wxWindow* parent, wxWindowID id)
    : wxDataViewListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                         wxDV_SINGLE | wxDV_NO_HEADER),
      extent_([this](std::string_view text) { return GetTextExtent(FromUtf8(text)).x; }) {
  SetTabStops(defaultTabStopDialogUnits);
}

void CHScrollListBox::SetTabStops(int stopDialogUnits) {
  const int stops[] = {stopDialogUnits};
  extent_.OnSetTabStops(stops, lines_);
  ApplyColumns();
}

int CHScrollListBox::Count() const { return GetItemCount(); }

int CHScrollListBox::CurrentLine() const { return GetSelectedRow(); }

void CHScrollListBox::SetCurrentLine(int line) {
  if (line < 0 || line >= Count()) {
    UnselectAll();
    return;
  }
  const wxDataViewItem item = RowToItem(line);
  Select(item);
  SetCurrentItem(item);
  EnsureVisible(item);
}

std::string_view CHScrollListBox::Line(int line) const {
  if (line < 0 || line >= Count()) return {};
  return lines_[line];
}

void CHScrollListBox::AddLine(std::string_view line) { InsertLine(Count(), line); }

void CHScrollListBox::InsertLine(int line, std::string_view text) {
  if (line < 0 || line > Count()) return;
  lines_.insert(lines_.begin() + line, std::string(text));
  extent_.OnAddString(line, text);
  if (!ApplyColumns()) wxDataViewListCtrl::InsertItem(line, Cells(text));
}

void CHScrollListBox::DeleteLine(int line) {
  if (line < 0 || line >= Count()) return;
  DeleteItem(line);
  lines_.erase(lines_.begin() + line);
  extent_.OnDeleteString(line, Count());
  ApplyColumns();
}

bool CHScrollListBox::ApplyColumns() {
  const std::vector<int> widths = extent_.ColumnWidths(cellPadding);
  const bool rebuild = GetColumnCount() != widths.size();
  if (rebuild) {
    DeleteAllItems();
    ClearColumns();
    for (const int width : widths) {
      AppendTextColumn(wxString(), wxDATAVIEW_CELL_INERT, width, wxALIGN_LEFT, 0)
          ->GetRenderer()
          ->DisableEllipsize();
    }
    for (const std::string& line : lines_) AppendItem(Cells(line));
    return true;
  }
  for (unsigned column = 0; column < widths.size(); ++column) {
    GetColumn(column)->SetWidth(widths[column]);
  }
  return false;
}

wxVector<wxVariant> CHScrollListBox::Cells(std::string_view line) const {
  wxVector<wxVariant> cells(GetColumnCount(), wxVariant(wxString()));
  std::size_t column = 0;
  for (const std::string_view field : TabFields(line)) cells[column++] = FromUtf8(field);
  return cells;
}

}  // namespace tamblor
