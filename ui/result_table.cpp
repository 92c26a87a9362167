#include "ui/result_table.h"

#include <wx/settings.h>

#include <algorithm>
#include <compare>
#include <numeric>
#include <utility>

namespace tamblor {

class ResultTable::Model : public wxDataViewIndexListModel {
 public:
  explicit Model(unsigned columns) : columns_(columns) {}

  void SetRows(std::vector<ResultRow> rows) {
    rows_ = std::move(rows);
    Reset(static_cast<unsigned>(rows_.size()));
  }
  const ResultRow& Row(unsigned row) const { return rows_[row]; }
  unsigned Count() const { return static_cast<unsigned>(rows_.size()); }
  bool stale = false;

  unsigned GetColumnCount() const override { return columns_; }
  wxString GetColumnType(unsigned) const override { return "string"; }
  void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override {
    value = row < rows_.size() && column < rows_[row].cells.size()
                ? wxString::FromUTF8(rows_[row].cells[column])
                : wxString();
  }
  bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }
  bool GetAttrByRow(unsigned, unsigned, wxDataViewItemAttr& attr) const override {
    if (!stale) return false;
    attr.SetColour(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    return true;
  }
  int Compare(const wxDataViewItem& a, const wxDataViewItem& b, unsigned column,
              bool ascending) const override {
    const unsigned rowA = GetRow(a), rowB = GetRow(b);
    const auto key = [&](unsigned row) {
      const auto& keys = rows_[row].sortKeys;
      return column < keys.size() ? keys[column] : 0.0;
    };
    // Equal keys keep the results' own order, whichever way the column sorts.
    const std::partial_ordering order = key(rowA) <=> key(rowB);
    if (order == 0 || order == std::partial_ordering::unordered) return rowA < rowB ? -1 : 1;
    return (order < 0) == ascending ? -1 : 1;
  }

 private:
  unsigned columns_;
  std::vector<ResultRow> rows_;
};

ResultTable::ResultTable(wxWindow* parent, const std::vector<wxString>& headers)
    : wxDataViewCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                     wxDV_SINGLE | wxDV_ROW_LINES),
      model_(new Model(static_cast<unsigned>(headers.size()))) {
  AssociateModel(model_);
  model_->DecRef();  // the control holds it
  for (unsigned column = 0; column < headers.size(); ++column)
    AppendTextColumn(headers[column], column, wxDATAVIEW_CELL_INERT, wxCOL_WIDTH_AUTOSIZE,
                     wxALIGN_LEFT, wxDATAVIEW_COL_SORTABLE | wxDATAVIEW_COL_RESIZABLE);
}

void ResultTable::SetRows(std::vector<ResultRow> rows) {
  model_->stale = false;
  model_->SetRows(std::move(rows));
}

void ResultTable::SetStale(bool stale) {
  if (model_->stale == stale) return;
  model_->stale = stale;
  Refresh();
}

bool ResultTable::IsStale() const { return model_->stale; }

int ResultTable::RowCount() const { return static_cast<int>(model_->Count()); }

std::vector<unsigned> ResultTable::ShownOrder() const {
  std::vector<unsigned> order(model_->Count());
  std::iota(order.begin(), order.end(), 0u);
  if (const wxDataViewColumn* sorting = GetSortingColumn()) {
    std::sort(order.begin(), order.end(), [&](unsigned a, unsigned b) {
      return model_->Compare(model_->GetItem(a), model_->GetItem(b), sorting->GetModelColumn(),
                             sorting->IsSortOrderAscending()) < 0;
    });
  }
  return order;
}

std::vector<const ResultRow*> ResultTable::ShownRows() const {
  std::vector<const ResultRow*> rows;
  for (unsigned row : ShownOrder()) rows.push_back(&model_->Row(row));
  return rows;
}

const ResultRow* ResultTable::SelectedRow() const {
  const wxDataViewItem item = GetSelection();
  return item.IsOk() ? &model_->Row(model_->GetRow(item)) : nullptr;
}

void ResultTable::SelectFirstRow() {
  if (model_->Count() == 0 || GetSelection().IsOk()) return;
  const wxDataViewItem first = model_->GetItem(ShownOrder().front());
  Select(first);
  SetCurrentItem(first);
  EnsureVisible(first);
}

}  // namespace tamblor
