#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include <optional>
#include <string>
#include <string_view>

#include "engine/calculator_state.h"
#include "engine/form_controls.h"
#include "ui/band_picture.h"

namespace tamblor {

class CHScrollListBox;
class CMainFrame;

// The codes of OnApplySetting.
enum ApplySetting : int {
  ApplyTooltips = 1,
  ApplyBandPicture = 2,
  ApplyE24BandCount = 3,
  ApplyE96BandCount = 4,
  ApplyRecalculate = 5,
};

// The calculator form filling the frame. It owns the calculator's state and lends
// its real controls to the engine's commands through FormControls.
class CTamblorView : public wxPanel, public FormControls {
 public:
  explicit CTamblorView(CMainFrame& frame);
  // Saves the settings, the frame's menu state included; the frame must still be whole.
  ~CTamblorView() override;

  // Once, after the frame's own creation: settings, controls, table, focus, the frame's requests.
  void OnInitialUpdate();
  // The frame's settings; codes as in ApplySetting, any other does nothing.
  void OnApplySetting(int code, int value);

  const CalculatorState& state() const { return state_; }
  // The form's size from its template, in pixels.
  wxSize FormSize() const { return formSize_; }
  CHScrollListBox& matchList() { return *matchList_; }
  const BandPicture& picture() const { return *picture_; }

  // FormControls
  std::string_view BoxText(ControlId box) override;
  void SetFieldText(ControlId field, std::string_view text) override;
  int MatchListCount() override;
  int MatchListCurrent() override;
  void MatchListAdd(std::string_view line) override;
  void MatchListDelete(int line) override;
  void SetFocusTo(ControlId control) override;
  void ShowStopMessage(std::string_view text, std::string_view title) override;
  void RepaintBands() override;

 private:
  wxTextCtrl& Box(ControlId box) const;
  // Shows a stored text in a box, as much of it as the box holds and the checks read.
  void ShowBoxText(ControlId box, std::string_view text);
  void EnableToolTips(bool on);
  void ShowBands(bool on);
  void RefreshRowColours();
  void Calculate();

  void OnSeriesE24();
  void OnSeriesE96();
  void OnTolerance1();
  void OnTolerance01();
  void OnSize(wxSizeEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnLimitBoxKillFocus(wxFocusEvent& event);
  void SaveSettingsNow();

  CMainFrame& frame_;
  CalculatorState state_;
  wxSize formSize_;
  int matchListTop_ = 0;  // pixels: the list fills the form below the result rows
  wxFont resultFont_;
  wxColour lightColour_{225, 225, 225};
  wxColour textColour_{0, 0, 0};
  wxColour greyColour_{200, 200, 200};
  wxColour alertColour_{255, 100, 100};
  CHScrollListBox* matchList_ = nullptr;
  std::optional<BandPicture> picture_;
  std::string boxText_;
  bool messageOpen_ = false;   // one of the form's message boxes is open
  bool refocusing_ = false;    // the focus is going back to a box at fault
  bool inFocusEvent_ = false;  // a limit box's focus event: message and focus change must wait
};

}  // namespace tamblor
