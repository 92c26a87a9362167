#pragma once

#include <wx/dataview.h>

#include <vector>

#include "ui/result_row.h"

namespace tamblor {

// A finder's results: a native table (a screen reader reads it cell by cell), sorted by a click on
// a column's header, and greyed while a newer search runs.
class ResultTable : public wxDataViewCtrl {
 public:
  ResultTable(wxWindow* parent, const std::vector<wxString>& headers);

  void SetRows(std::vector<ResultRow> rows);
  void SetStale(bool stale);
  bool IsStale() const;
  int RowCount() const;
  // The rows in the order shown, and the one selected (nullptr when none).
  std::vector<const ResultRow*> ShownRows() const;
  const ResultRow* SelectedRow() const;
  void SelectFirstRow();

 private:
  class Model;
  // Indices of the rows in the order shown.
  std::vector<unsigned> ShownOrder() const;
  Model* model_;
};

}  // namespace tamblor
