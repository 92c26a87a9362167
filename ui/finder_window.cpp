#include "ui/finder_window.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include <filesystem>

#include "network/stock_file.h"
#include "ui/accessible_text.h"
#include "ui/parts_picture.h"
#include "ui/translated.h"

namespace tamblor {
namespace {

constexpr const char* seriesNames[seriesCount] = {"E3", "E6", "E12", "E24", "E48", "E96", "E192"};
constexpr int defaultSeries = 3;  // E24
constexpr int boxWidthChars = 12;
constexpr int gap = 6;

wxString FromUtf8(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

}  // namespace

FinderWindow::FinderWindow(wxWindow* parent, const wxString& title, int defaultTop)
    : wxFrame(parent, wxID_ANY, title) {
  panel_ = new wxPanel(this);
  valueRows_ = new wxFlexGridSizer(2, gap, gap);
  partRows_ = new wxFlexGridSizer(2, gap, gap);
  optionRows_ = new wxBoxSizer(wxVERTICAL);

  auto* source = new wxBoxSizer(wxHORIZONTAL);
  fromSeries_ =
      new wxRadioButton(panel_, wxID_ANY, Tr("系列"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  fromStock_ = new wxRadioButton(panel_, wxID_ANY, Tr("库存文件"));
  auto* choose = new wxButton(panel_, wxID_ANY, Tr("选择库存文件..."));
  stockName_ = new wxStaticText(panel_, wxID_ANY, wxString());
  for (wxWindow* control : std::initializer_list<wxWindow*>{fromSeries_, fromStock_, choose})
    source->Add(control, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
  source->Add(stockName_, 1, wxALIGN_CENTER_VERTICAL);
  partRows_->Add(new wxStaticText(panel_, wxID_ANY, Tr("来源:")), 0, wxALIGN_CENTER_VERTICAL);
  partRows_->Add(source, 1, wxEXPAND);

  auto* seriesRow = new wxBoxSizer(wxHORIZONTAL);
  for (int i = 0; i < seriesCount; ++i) {
    series_[i] = new wxCheckBox(panel_, wxID_ANY, seriesNames[i]);
    series_[i]->SetValue(i == defaultSeries);
    seriesRow->Add(series_[i], 0, wxRIGHT, gap);
  }
  partRows_->Add(new wxStaticText(panel_, wxID_ANY, Tr("系列:")), 0, wxALIGN_CENTER_VERTICAL);
  partRows_->Add(seriesRow);

  auto& bounds = AddOptionRow();
  min_ = AddRowBox(bounds, Tr("最小值:"), "1R");
  max_ = AddRowBox(bounds, Tr("最大值:"), "10M");
  exclude_ = AddRowBox(bounds, Tr("排除:"), wxString(), 2);

  auto& choices = AddOptionRow();
  top_ = AddSpin(choices, Tr("结果数:"), 1, maxTopCount, defaultTop);
  tolerance_ = AddRowBox(choices, Tr("容差 (%):"), wxString());
  tolerance_->SetHint(Tr("各元件自己的"));
  const wxString rankingLabel = Tr("排序:");
  choices.Add(new wxStaticText(panel_, wxID_ANY, rankingLabel), 0,
              wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
  ranking_ = new wxChoice(panel_, wxID_ANY);
  ranking_->Append(Tr("误差"));
  ranking_->Append(Tr("最坏情况误差"));
  ranking_->SetSelection(0);
  SetAccessibleName(*ranking_, NameFromLabel(rankingLabel));
  choices.Add(ranking_);

  const auto changed = [this](wxEvent&) { OnInputsChanged(); };
  for (wxCheckBox* box : series_) box->Bind(wxEVT_CHECKBOX, changed);
  for (wxRadioButton* radio : {fromSeries_, fromStock_}) radio->Bind(wxEVT_RADIOBUTTON, changed);
  top_->Bind(wxEVT_SPINCTRL, changed);
  ranking_->Bind(wxEVT_CHOICE, changed);
  choose->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseStockFile(); });
  greyTimer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    table_->SetStale(true);
    status_->SetLabel(Tr("正在查找..."));
  });
  Bind(wxEVT_CHAR_HOOK, &FinderWindow::OnCharHook, this);
}

wxTextCtrl* FinderWindow::AddBox(const wxString& label, const wxString& text) {
  wxTextCtrl* box = AddRowBox(*valueRows_, label, text, 2);
  // The values come first for Tab, as on the screen, though made after the part choices.
  box->MoveBeforeInTabOrder(fromSeries_);
  return box;
}

wxTextCtrl* FinderWindow::AddRowBox(wxSizer& row, const wxString& label, const wxString& text,
                                    int widths) {
  row.Add(new wxStaticText(panel_, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
  auto* box = new wxTextCtrl(panel_, wxID_ANY, text);
  box->SetInitialSize(box->GetSizeFromTextSize(box->GetTextExtent("0").x * boxWidthChars * widths));
  SetAccessibleName(*box, NameFromLabel(label));
  box->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnInputsChanged(); });
  row.Add(box, 0, wxRIGHT, 2 * gap);
  return box;
}

wxSpinCtrl* FinderWindow::AddSpin(wxSizer& row, const wxString& label, int min, int max,
                                  int value) {
  row.Add(new wxStaticText(panel_, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
  auto* spin = new wxSpinCtrl(panel_, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                              wxSP_ARROW_KEYS, min, max, value);
  SetAccessibleName(*spin, NameFromLabel(label));
  spin->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { OnInputsChanged(); });
  row.Add(spin, 0, wxRIGHT, 2 * gap);
  return spin;
}

wxBoxSizer& FinderWindow::AddOptionRow() {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  optionRows_->Add(row, 0, wxTOP, gap);
  return *row;
}

void FinderWindow::Finish(const std::vector<wxString>& headers, int tableChars) {
  status_ = new wxStaticText(panel_, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                             wxST_NO_AUTORESIZE);
  table_ = new ResultTable(panel_, headers);
  picture_ = new PartsPicture(panel_);
  table_->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) { ShowSelectedParts(); });

  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(valueRows_, 0, wxEXPAND | wxALL, 2 * gap);
  page->Add(partRows_, 0, wxEXPAND | wxLEFT | wxRIGHT, 2 * gap);
  page->Add(optionRows_, 0, wxLEFT | wxRIGHT, 2 * gap);
  page->Add(status_, 0, wxEXPAND | wxALL, 2 * gap);
  page->Add(table_, 1, wxEXPAND | wxLEFT | wxRIGHT, 2 * gap);
  page->Add(picture_, 0, wxEXPAND | wxALL, 2 * gap);
  panel_->SetSizer(page);
  const wxSize best = page->ComputeFittingClientSize(this);
  SetClientSize(wxSize(std::max(best.x, tableChars * GetCharWidth()), best.y + 240));
  SetMinClientSize(best);
  OnInputsChanged();
}

PartChoiceTexts FinderWindow::ChoiceTexts() const {
  PartChoiceTexts texts;
  for (int i = 0; i < seriesCount; ++i) texts.series[i] = series_[i]->GetValue();
  texts.fromStock = fromStock_->GetValue();
  texts.min = min_->GetValue().utf8_string();
  texts.max = max_->GetValue().utf8_string();
  texts.exclude = exclude_->GetValue().utf8_string();
  texts.tolerance = tolerance_->GetValue().utf8_string();
  return texts;
}

Ranking FinderWindow::ChosenRanking() const {
  return ranking_->GetSelection() == 1 ? Ranking::WorstCase : Ranking::Error;
}

void FinderWindow::ShowProblem(const wxString& reason) {
  ++search_;  // a search still running is of no use now
  searching_ = false;
  greyTimer_.Stop();
  table_->SetRows({});
  picture_->SetParts({});
  status_->SetLabel(reason);
}

void FinderWindow::ShowProblem(FinderInput input) {
  switch (input) {
    case FinderInput::Series:
      return ShowProblem(Tr("请至少选择一个系列"));
    case FinderInput::StockFile:
      return ShowProblem(Tr("请选择库存文件"));
    case FinderInput::Min:
      return ShowProblem(Tr("最小值不是有效的电阻值"));
    case FinderInput::Max:
      return ShowProblem(Tr("最大值不是有效的电阻值"));
    case FinderInput::MinAboveMax:
      return ShowProblem(Tr("最小值大于最大值"));
    case FinderInput::Exclude:
      return ShowProblem(Tr("排除的值不是有效的电阻值"));
    case FinderInput::Tolerance:
      return ShowProblem(Tr("容差不是 0 到 100 之间的数"));
    case FinderInput::Vref:
      return ShowProblem(Tr("参考电压不是大于 0 的数"));
    case FinderInput::TotalMin:
      return ShowProblem(Tr("总阻值最小值不是有效的电阻值"));
    case FinderInput::TotalMax:
      return ShowProblem(Tr("总阻值最大值不是有效的电阻值"));
    case FinderInput::TotalMinAboveMax:
      return ShowProblem(Tr("总阻值最小值大于最大值"));
  }
}

void FinderWindow::ShowProblem(const InputMessage& message) {
  ShowProblem(FromUtf8(message.title) + ": " + FromUtf8(message.text));
}

int FinderWindow::BeginSearch() {
  searchStart_ = std::chrono::steady_clock::now();
  greyTimer_.StartOnce(static_cast<int>(searchGreyDelay.count()));
  searching_ = true;
  return ++search_;
}

void FinderWindow::ShowResults(int search, std::vector<ResultRow> rows) {
  if (search != search_) return;
  searching_ = false;
  greyTimer_.Stop();
  const auto count = rows.size();
  table_->SetRows(std::move(rows));
  lastFillTime_ = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - searchStart_);
  picture_->SetParts({});
  status_->SetLabel(count == 0 ? Tr("范围内没有结果")
                               : wxString::Format(Tr("%d 个结果"), static_cast<int>(count)));
}

void FinderWindow::ShowSearchProblem(int search, const InputMessage& message) {
  if (search == search_) ShowProblem(message);
}

bool FinderWindow::UseStockFile(const wxString& path) {
  // The name in the file system's own terms: wide characters on Windows, bytes elsewhere.
#ifdef __WINDOWS__
  const std::filesystem::path file(path.ToStdWstring());
#else
  const std::filesystem::path file(path.fn_str().data());
#endif
  const StockFileReading reading = ReadStockFile(file);
  if (reading.failure) {
    ShowProblem(FromUtf8(*reading.failure));
    return false;
  }
  stock_ = std::make_shared<const std::vector<Part>>(reading.parts);
  ++stockGeneration_;
  stockName_->SetLabel(wxFileName(path).GetFullName());
  fromStock_->SetValue(true);
  OnInputsChanged();
  return true;
}

void FinderWindow::ChooseStockFile() {
  wxFileDialog dialog(this, Tr("选择库存文件"), wxString(), wxString(),
                      Tr("文本文件") + " (*.txt)|*.txt|" + Tr("所有文件") + "|*",
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() == wxID_OK) UseStockFile(dialog.GetPath());
}

wxString FinderWindow::SelectedRowText() const {
  const ResultRow* row = table_->SelectedRow();
  if (!row) return {};
  std::string line;
  for (const std::string& cell : row->cells) {
    if (!line.empty()) line += '\t';
    line += cell;
  }
  return FromUtf8(line);
}

void FinderWindow::CopySelectedRow() {
  const wxString text = SelectedRowText();
  if (text.empty() || !wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(text));
  wxTheClipboard->Close();
}

void FinderWindow::ShowSelectedParts() {
  const ResultRow* row = table_->SelectedRow();
  picture_->SetParts(row ? row->parts : std::vector<Part>{});
}

bool FinderWindow::TableHasFocus() const {
  for (const wxWindow* window = FindFocus(); window; window = window->GetParent())
    if (window == table_) return true;
  return false;
}

void FinderWindow::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
    Close();
    return;
  }
  if (key == 'C' && event.GetModifiers() == wxMOD_CONTROL && TableHasFocus()) {
    CopySelectedRow();
    return;
  }
  const bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
  const wxWindow* focus = FindFocus();
  if (enter && (dynamic_cast<const wxTextCtrl*>(focus) || dynamic_cast<const wxSpinCtrl*>(focus) ||
                dynamic_cast<const wxChoice*>(focus))) {
    table_->SetFocus();
    table_->SelectFirstRow();
    ShowSelectedParts();
    return;
  }
  event.Skip();
}

}  // namespace tamblor
