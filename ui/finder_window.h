#pragma once

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "network/input_message.h"
#include "network/network_query.h"
#include "network/part.h"
#include "ui/part_choices.h"
#include "ui/result_table.h"

namespace tamblor {

class PartsPicture;

// What the finder windows share: the part choices, the status line, the results table with the
// selected row's parts below it, and the keys: Enter in a box goes to the table, Escape closes,
// Ctrl+C in the table copies the selected row. Each input's change calls OnInputsChanged; a search
// that outlasts searchGreyDelay greys the old results until its own arrive.
class FinderWindow : public wxFrame {
 public:
  static constexpr std::chrono::milliseconds searchGreyDelay{50};

  ResultTable& table() { return *table_; }
  wxStaticText& statusLine() { return *status_; }
  PartsPicture& partsPicture() { return *picture_; }
  // A search has begun whose results are not shown yet.
  bool Searching() const { return searching_; }
  // From the last input change to its results in the table.
  std::chrono::microseconds LastFillTime() const { return lastFillTime_; }
  // Reads a stock list as if chosen in the file dialog; false, with the reason shown, when it
  // does not read.
  bool UseStockFile(const wxString& path);
  // The selected row's cells, tab-separated: what Ctrl+C copies.
  wxString SelectedRowText() const;

 protected:
  FinderWindow(wxWindow* parent, const wxString& title, int defaultTop);

  // Adds a labelled box to the value rows; its accessible name is its label without the colon.
  wxTextCtrl* AddBox(const wxString& label, const wxString& text = {});
  // Adds a labelled box to a row, `widths` times as wide as a bound's box.
  wxTextCtrl* AddRowBox(wxSizer& row, const wxString& label, const wxString& text, int widths = 1);
  wxSpinCtrl* AddSpin(wxSizer& row, const wxString& label, int min, int max, int value);
  // Adds a row of its own below the part bounds.
  wxBoxSizer& AddOptionRow();
  // Lays out the window once the subclass has added its inputs, with the table's columns and room
  // for `tableChars` characters of its rows.
  void Finish(const std::vector<wxString>& headers, int tableChars);

  virtual void OnInputsChanged() = 0;

  PartChoiceTexts ChoiceTexts() const;
  int Top() const { return top_->GetValue(); }
  Ranking ChosenRanking() const;
  // The stock list read last, and a number that changes with each one read.
  std::shared_ptr<const std::vector<Part>> StockParts() const { return stock_; }
  int StockGeneration() const { return stockGeneration_; }

  // The reasons an input does not read, shown in place of results.
  void ShowProblem(const wxString& reason);
  void ShowProblem(FinderInput input);
  void ShowProblem(const InputMessage& message);
  // Starts a search: returns its number, which its results must carry to be shown.
  int BeginSearch();
  // Shows a search's results unless a newer search has begun since.
  void ShowResults(int search, std::vector<ResultRow> rows);
  void ShowSearchProblem(int search, const InputMessage& message);

 private:
  void OnCharHook(wxKeyEvent& event);
  void ChooseStockFile();
  void CopySelectedRow();
  void ShowSelectedParts();
  bool TableHasFocus() const;

  wxPanel* panel_;
  wxFlexGridSizer* valueRows_;
  wxFlexGridSizer* partRows_;
  wxBoxSizer* optionRows_;
  std::array<wxCheckBox*, seriesCount> series_{};
  wxRadioButton* fromSeries_ = nullptr;
  wxRadioButton* fromStock_ = nullptr;
  wxStaticText* stockName_ = nullptr;
  wxTextCtrl* min_ = nullptr;
  wxTextCtrl* max_ = nullptr;
  wxTextCtrl* exclude_ = nullptr;
  wxTextCtrl* tolerance_ = nullptr;
  wxSpinCtrl* top_ = nullptr;
  wxChoice* ranking_ = nullptr;
  wxStaticText* status_ = nullptr;
  ResultTable* table_ = nullptr;
  PartsPicture* picture_ = nullptr;
  wxTimer greyTimer_;

  std::shared_ptr<const std::vector<Part>> stock_ = std::make_shared<std::vector<Part>>();
  int stockGeneration_ = 0;
  int search_ = 0;  // the number of the newest search
  bool searching_ = false;
  std::chrono::steady_clock::time_point searchStart_;
  std::chrono::microseconds lastFillTime_{0};
};

}  // namespace tamblor
