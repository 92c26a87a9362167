#include "ui/match_list.h"

#include <string>
#include <vector>

namespace tamblor {

namespace {

// A list box's stops before it is given any.
constexpr int defaultTabStopDialogUnits = 32;
// A report-mode cell leaves this much of its width free around the text, pixels.
constexpr int cellPadding = 8;

wxString FromUtf8(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

}  // namespace

CHScrollListBox::CHScrollListBox(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                 const wxSize& size)
    : wxListCtrl(parent, id, pos, size, wxLC_REPORT | wxLC_NO_HEADER | wxLC_SINGLE_SEL),
      extent_([this](std::string_view text) { return GetTextExtent(FromUtf8(text)).x; }) {
  AppendColumn(wxString());
  SetTabStops(defaultTabStopDialogUnits);
}

void CHScrollListBox::SetTabStops(int stopDialogUnits) {
  const int stops[] = {stopDialogUnits};
  extent_.OnSetTabStops(stops, lines_);
  ApplyColumns();
}

int CHScrollListBox::Count() const { return GetItemCount(); }

int CHScrollListBox::CurrentLine() const {
  return static_cast<int>(GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void CHScrollListBox::SetCurrentLine(int line) {
  if (line < 0 || line >= Count()) {
    const int current = CurrentLine();
    if (current >= 0) SetItemState(current, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    return;
  }
  const long states = wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED;
  SetItemState(line, states, states);
  EnsureVisible(line);
}

std::string_view CHScrollListBox::Line(int line) const {
  if (line < 0 || line >= Count()) return {};
  return lines_[line];
}

void CHScrollListBox::AddLine(std::string_view line) { InsertLine(Count(), line); }

void CHScrollListBox::InsertLine(int line, std::string_view text) {
  if (line < 0 || line > Count()) return;
  const long index = InsertItem(line, wxString());
  if (index < 0) return;
  lines_.insert(lines_.begin() + index, std::string(text));
  extent_.OnAddString(static_cast<int>(index), text);
  ApplyColumns();
  ShowFields(index, text);
}

void CHScrollListBox::DeleteLine(int line) {
  if (line < 0 || line >= Count() || !DeleteItem(line)) return;
  lines_.erase(lines_.begin() + line);
  extent_.OnDeleteString(line, Count());
  ApplyColumns();
}

void CHScrollListBox::ApplyColumns() {
  const std::vector<int> widths = extent_.ColumnWidths(cellPadding);
  const int columns = static_cast<int>(widths.size());
  while (GetColumnCount() < columns) AppendColumn(wxString());
  while (GetColumnCount() > columns) DeleteColumn(GetColumnCount() - 1);
  for (int column = 0; column < columns; ++column) SetColumnWidth(column, widths[column]);
}

void CHScrollListBox::ShowFields(long index, std::string_view text) {
  int column = 0;
  for (const std::string_view field : TabFields(text)) SetItem(index, column++, FromUtf8(field));
}

}  // namespace tamblor
