#include "ui/tamblor_view.h"

#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/xrc/xmlres.h>

#include <algorithm>
#include <array>
#include <string>

#include "engine/calculate_command.h"
#include "engine/combination_table.h"
#include "settings/form_settings.h"
#include "settings/settings_file.h"
#include "ui/accessible_text.h"
#include "ui/generic_message_dialog.h"
#include "ui/main_frame.h"
#include "ui/match_list.h"
#include "ui/resources.h"
#include "ui/result_field.h"
#include "ui/tooltips.h"

namespace tamblor {
namespace {

constexpr std::array limitBoxes{IDC_E24_MIN, IDC_E24_MAX, IDC_E96_MIN, IDC_E96_MAX};
constexpr std::array textBoxes{IDC_E24_MIN, IDC_E24_MAX, IDC_E96_MIN, IDC_E96_MAX, IDC_REQUIRED};

// The result fields in the order they take the result font; the match list follows them.
constexpr std::array resultFontOrder{
    IDC_BEST_ACTUAL,      IDC_LOWER_ACTUAL,    IDC_HIGHER_ACTUAL,    IDC_BEST_R1,
    IDC_LOWER_R1,         IDC_HIGHER_R1,       IDC_BEST_R2,          IDC_LOWER_R2,
    IDC_HIGHER_R2,        IDC_BEST_R1_SERIES,  IDC_LOWER_R1_SERIES,  IDC_HIGHER_R1_SERIES,
    IDC_BEST_R2_SERIES,   IDC_LOWER_R2_SERIES, IDC_HIGHER_R2_SERIES, IDC_BEST_ERROR,
    IDC_LOWER_ERROR,      IDC_HIGHER_ERROR,    IDC_BEST_CONNECTION,  IDC_LOWER_CONNECTION,
    IDC_HIGHER_CONNECTION};

// What the series choice switches on and off.
constexpr std::array e96Controls{IDC_TOLERANCE_1,  IDC_TOLERANCE_01, IDC_TOLERANCE_GROUP,
                                 IDC_E96_MIN,      IDC_E96_MAX,      IDC_E96_MIN_LABEL,
                                 IDC_E96_MAX_LABEL};

// The list's top edge in dialog units: just below the result rows' group box.
constexpr int matchListTopDialogUnits = 159;

constexpr int resultFontPoints = 9;
constexpr int matchListTabStopDialogUnits = 40;

wxString FromUtf8(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

// A box's name is its label's text: the label that the template puts just before it.
wxString LabelBefore(const wxWindow& box) {
  return NameFromLabel(box.GetPrevSibling()->GetLabel());
}

}  // namespace

CTamblorView::CTamblorView(CMainFrame& frame) : frame_(frame) {
  wxXmlResource& resources = *wxXmlResource::Get();
  resources.LoadPanel(this, &frame, formTemplateName);
  formSize_ = GetSize();
  // GTK complains of a radio button given less than its best size, which the dialog units miss
  // by a pixel.
  for (ControlId id : {IDC_SERIES_E24, IDC_SERIES_E96, IDC_TOLERANCE_1, IDC_TOLERANCE_01}) {
    wxWindow* radio = FindWindow(id);
    wxSize size = radio->GetSize();
    size.IncTo(radio->GetBestSize());
    radio->SetSize(size);
  }
  for (ControlId box : textBoxes) {
    Box(box).SetMaxLength(boxTextLength);
    SetAccessibleName(Box(box), LabelBefore(Box(box)));
  }
  matchList_ = new CHScrollListBox(this, IDC_MATCH_LIST);
  resources.AttachUnknownControl("IDC_MATCH_LIST", matchList_, this);
  matchListTop_ = ConvertDialogToPixels(wxPoint(0, matchListTopDialogUnits)).y;

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Calculate(); }, IDC_CALCULATE);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSeriesE24(); }, IDC_SERIES_E24);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSeriesE96(); }, IDC_SERIES_E96);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnTolerance1(); }, IDC_TOLERANCE_1);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnTolerance01(); }, IDC_TOLERANCE_01);
  Bind(
      wxEVT_DATAVIEW_ITEM_ACTIVATED,
      [this](wxDataViewEvent&) { OnMatchListDoubleClick(state_, *this); }, IDC_MATCH_LIST);
  Bind(wxEVT_CHAR_HOOK, &CTamblorView::OnCharHook, this);
  Bind(wxEVT_SIZE, &CTamblorView::OnSize, this);
  for (ControlId box : limitBoxes) {
    Box(box).Bind(wxEVT_KILL_FOCUS, &CTamblorView::OnLimitBoxKillFocus, this);
  }
}

CTamblorView::~CTamblorView() {
  // The boxes outlive this body and lose the focus as they go.
  for (ControlId box : limitBoxes) {
    Box(box).Unbind(wxEVT_KILL_FOCUS, &CTamblorView::OnLimitBoxKillFocus, this);
  }
  SaveSettingsNow();
}

void CTamblorView::OnInitialUpdate() {
  EnableToolTips(false);

  resultFont_ = wxFont(wxFontInfo(resultFontPoints).Family(wxFONTFAMILY_TELETYPE));
  for (ControlId field : resultFontOrder) {
    FindWindow(field)->SetFont(resultFont_);
    FindWindow(field)->Refresh();
  }
  matchList_->SetFont(resultFont_);
  matchList_->SetTabStops(matchListTabStopDialogUnits);
  matchList_->SetBackgroundColour(lightColour_);
  matchList_->SetForegroundColour(textColour_);
  RefreshRowColours();
  picture_.emplace(static_cast<wxStaticBitmap*>(FindWindow(IDC_BAND_PICTURE)));

  Settings settings;
  LoadSettings(settings, settingsFileName);
  ApplyFormSettings(settings, state_);
  // The frame's requests below toggle these three back to the loaded values.
  MenuState& menu = frame_.menuState();
  menu.e24BandCount = settings.e24BandCount;
  menu.e96BandCount = settings.e96BandCount;
  menu.tooltipsOn = !settings.tooltipsOn;
  menu.bandsShown = !settings.bandsShown;
  menu.alwaysOnTop = !settings.alwaysOnTop;

  state_.bestAbsError = state_.lowerAbsError = state_.higherAbsError = 0.0;
  state_.r1Bands.digitCount = 0;
  state_.r2Bands.digitCount = 0;

  static_cast<wxRadioButton*>(FindWindow(state_.E24ONLY ? IDC_SERIES_E24 : IDC_SERIES_E96))
      ->SetValue(true);
  state_.E24ONLY ? OnSeriesE24() : OnSeriesE96();
  static_cast<wxRadioButton*>(FindWindow(state_.USE_1PC ? IDC_TOLERANCE_1 : IDC_TOLERANCE_01))
      ->SetValue(true);
  state_.USE_1PC ? OnTolerance1() : OnTolerance01();

  ShowBoxText(IDC_E24_MIN, state_.e24MinText.view());
  ShowBoxText(IDC_E24_MAX, state_.e24MaxText.view());
  ShowBoxText(IDC_E96_MIN, state_.e96MinText().view());
  ShowBoxText(IDC_E96_MAX, state_.e96MaxText().view());

  frame_.SetClientSize(formSize_);
  frame_.Layout();

  SharedCombinationTable();
  Box(IDC_REQUIRED).SetFocus();
  for (int request : {RequestTooltips, RequestBandPicture, RequestE24Bands, RequestE96Bands,
                      RequestAlwaysOnTop}) {
    frame_.OnFrameRequest(request);
  }
  state_.initialised = true;
}

void CTamblorView::OnApplySetting(int code, int value) {
  switch (code) {
    case ApplyTooltips:
      EnableToolTips(value != 0);
      break;
    case ApplyBandPicture:
      ShowBands(value != 0);
      break;
    case ApplyE24BandCount:
      state_.e24BandCount = value;
      break;
    case ApplyE96BandCount:
      state_.e96BandCount = value;
      break;
    case ApplyRecalculate:
      if (state_.initialised) Calculate();
      break;
    default:
      break;
  }
}

std::string_view CTamblorView::BoxText(ControlId box) {
  boxText_ = Box(box).GetValue().utf8_string();
  return boxText_;
}

void CTamblorView::SetFieldText(ControlId field, std::string_view text) {
  static_cast<ResultField*>(FindWindow(field))->SetValue(FromUtf8(text));
}

int CTamblorView::MatchListCount() { return matchList_->Count(); }

int CTamblorView::MatchListCurrent() { return matchList_->CurrentLine(); }

void CTamblorView::MatchListAdd(std::string_view line) { matchList_->AddLine(line); }

void CTamblorView::MatchListDelete(int line) { matchList_->DeleteLine(line); }

void CTamblorView::SetFocusTo(ControlId control) {
  if (inFocusEvent_) {
    CallAfter([this, control] { SetFocusTo(control); });
    return;
  }
  // The box that loses the focus to the one at fault is not being left by the user: checking it
  // here would let two wrong boxes take the focus from each other for ever.
  refocusing_ = true;
  FindWindow(control)->SetFocus();
  refocusing_ = false;
}

void CTamblorView::ShowStopMessage(std::string_view text, std::string_view title) {
  if (inFocusEvent_) {
    CallAfter([this, text = std::string(text), title = std::string(title)] {
      ShowStopMessage(text, title);
    });
    return;
  }
  // One failed check, one box: a check set off while a box is open (its box losing the focus
  // to the message, say) reports nothing more.
  if (messageOpen_) return;
  // Results cleared before the message leave no bands drawn beside it.
  RepaintBands();
  messageOpen_ = true;
  wxGenericMessageDialog box(this, FromUtf8(text), FromUtf8(title), wxOK | wxICON_STOP);
  box.ShowModal();
  messageOpen_ = false;
}

void CTamblorView::RepaintBands() { picture_->Redraw(state_); }

wxTextCtrl& CTamblorView::Box(ControlId box) const {
  return *static_cast<wxTextCtrl*>(FindWindow(box));
}

void CTamblorView::EnableToolTips(bool on) {
  // GTK has no switch for all tooltips at once: each control gets its text or loses it.
  for (const ToolTipEntry& entry : toolTipTable) {
    wxWindow* control = FindWindow(entry.control);
    if (on) {
      control->SetToolTip(wxGetTranslation(wxString::FromUTF8(entry.textUtf8)));
    } else {
      control->UnsetToolTip();
    }
  }
}

void CTamblorView::ShowBands(bool on) {
  state_.bandsShown = on;
  FindWindow(IDC_BAND_PICTURE)->Show(on);
  picture_->Redraw(state_);
}

void CTamblorView::RefreshRowColours() {
  const double threshold = state_.alertThreshold();
  const auto paint = [&](const ResultRowFields& row, double absError, const wxColour& normal) {
    const wxColour& colour = absError > threshold ? alertColour_ : normal;
    for (ControlId field :
         {row.actual, row.r1, row.r1Series, row.r2, row.r2Series, row.error, row.connection}) {
      wxWindow* control = FindWindow(field);
      if (control->GetBackgroundColour() == colour) continue;
      control->SetBackgroundColour(colour);
      control->Refresh();
    }
  };
  paint(BEST_ROW, state_.bestAbsError, lightColour_);
  paint(LOWER_ROW, state_.lowerAbsError, greyColour_);
  paint(HIGHER_ROW, state_.higherAbsError, greyColour_);
}

void CTamblorView::Calculate() {
  OnCalculate(state_, *this);
  // A calculation that cleared the results and drew no band leaves the picture empty.
  RepaintBands();
  RefreshRowColours();
}

void CTamblorView::OnSeriesE24() {
  for (ControlId control : e96Controls) FindWindow(control)->Disable();
  state_.E24ONLY = true;
  if (state_.initialised) Calculate();
}

void CTamblorView::OnSeriesE96() {
  for (ControlId control : e96Controls) FindWindow(control)->Enable();
  state_.E24ONLY = false;
  if (state_.initialised) Calculate();
}

void CTamblorView::OnTolerance1() {
  ShowBoxText(IDC_E96_MIN, state_.e96MinText1.view());
  ShowBoxText(IDC_E96_MAX, state_.e96MaxText1.view());
  state_.USE_1PC = true;
  if (state_.initialised) Calculate();
}

void CTamblorView::OnTolerance01() {
  ShowBoxText(IDC_E96_MIN, state_.e96MinText2.view());
  ShowBoxText(IDC_E96_MAX, state_.e96MaxText2.view());
  state_.USE_1PC = false;
  if (state_.initialised) Calculate();
}

void CTamblorView::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (!matchList_) return;
  const wxSize client = GetClientSize();
  // The list sits in the placeholder the template reserved for it; moving that moves the list.
  matchList_->GetParent()->SetSize(1, matchListTop_, std::max(client.x - 3, 0),
                                   std::max(client.y - matchListTop_, 0));
}

void CTamblorView::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && state_.initialised) {
    // Taken here, so that the focused control (the Calculate button, say) does not act on it too.
    Calculate();
    return;
  }
  event.Skip();
}

void CTamblorView::OnLimitBoxKillFocus(wxFocusEvent& event) {
  event.Skip();
  // The focus going to the form's own message box, or back to a box at fault, is not the user
  // leaving a box.
  if (messageOpen_ || refocusing_) return;
  // Checked now: the click that took the focus, on a tolerance button say, is handled next and may
  // change the box's text. Its message and the focus's return wait for the next turn of the event
  // loop, as wx allows neither a modal box nor a focus change while the focus moves.
  inFocusEvent_ = true;
  tamblor::OnLimitBoxKillFocus(state_, *this, static_cast<ControlId>(event.GetId()));
  inFocusEvent_ = false;
}

void CTamblorView::ShowBoxText(ControlId box, std::string_view text) {
  // A longer text, from an older settings file, always counted by its first characters only.
  Box(box).ChangeValue(FromUtf8(text).Left(boxTextLength));
}

void CTamblorView::SaveSettingsNow() {
  const MenuState& menu = frame_.menuState();
  Settings settings;
  settings.tooltipsOn = menu.tooltipsOn;
  settings.bandsShown = menu.bandsShown;
  settings.e24BandCount = menu.e24BandCount;
  settings.e96BandCount = menu.e96BandCount;
  settings.alwaysOnTop = menu.alwaysOnTop;
  StoreFormSettings(state_, settings);
  SaveSettings(settings, settingsFileName);
}

}  // namespace tamblor
