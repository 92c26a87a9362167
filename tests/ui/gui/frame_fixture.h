#pragma once

// A fixture that opens the real main frame in a fresh directory, with ways to use its controls as
// the user does.

#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/control_ids.h"
#include "tests/ui/gui/gui_testing.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/match_list.h"
#include "ui/tamblor_view.h"

namespace tamblor::testing {

class FrameTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (frame_) CloseWindow();
  }

  void Open(InitialUpdate when = InitialUpdate::WithFrame) {
    frame_ = new CMainFrame(when);
    frame_->Show();
    // Focus changes reach the controls only once the window manager has activated the window.
    ASSERT_TRUE(WaitUntil([this] { return frame_->IsActive(); })) << "window never activated";
  }

  // Closes the window as its close box does, and lets the frame go.
  void CloseWindow() {
    frame_->Close();
    frame_ = nullptr;
    ProcessEvents();
  }

  CTamblorView& view() { return frame_->view(); }
  const CalculatorState& state() { return frame_->view().state(); }

  wxWindow& Control(int id) { return *frame_->FindWindow(id); }
  wxTextCtrl& Box(ControlId id) { return static_cast<wxTextCtrl&>(Control(id)); }
  wxRadioButton& Radio(ControlId id) { return static_cast<wxRadioButton&>(Control(id)); }
  std::string Text(ControlId id) {
    return static_cast<wxStaticText&>(Control(id)).GetLabelText().utf8_string();
  }
  std::vector<std::string> Row(const ResultRowFields& row) {
    return {Text(row.actual),   Text(row.r1),    Text(row.r1Series),  Text(row.r2),
            Text(row.r2Series), Text(row.error), Text(row.connection)};
  }
  wxColour RowColour(const ResultRowFields& row) {
    return Control(row.actual).GetBackgroundColour();
  }
  std::vector<std::string> ListLines() {
    std::vector<std::string> lines;
    for (int line = 0; line < view().matchList().Count(); ++line) {
      lines.emplace_back(view().matchList().Line(line));
    }
    return lines;
  }

  void Type(ControlId box, const std::string& text) {
    Box(box).ChangeValue(wxString::FromUTF8(text));
  }
  void TypeAndPressEnter(const std::string& text) {
    Type(IDC_REQUIRED, text);
    PressEnter(Box(IDC_REQUIRED));
  }
  // Puts the focus in `box`, then tabs to the next control.
  void TabAwayFrom(ControlId box) {
    Box(box).SetFocus();
    ProcessEvents();
    Box(box).Navigate();
    ProcessEvents();
  }
  void ClickRadio(ControlId id) {
    Radio(id).SetValue(true);
    wxCommandEvent click(wxEVT_RADIOBUTTON, id);
    click.SetEventObject(&Radio(id));
    click.SetInt(1);
    Radio(id).GetEventHandler()->ProcessEvent(click);
    ProcessEvents();
  }
  void ClickCalculate() {
    wxCommandEvent click(wxEVT_BUTTON, IDC_CALCULATE);
    click.SetEventObject(&Control(IDC_CALCULATE));
    Control(IDC_CALCULATE).GetEventHandler()->ProcessEvent(click);
    ProcessEvents();
  }
  void DoubleClickLine(int line) {
    CHScrollListBox& list = view().matchList();
    list.SetCurrentLine(line);
    wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, list.GetId());
    activated.SetEventObject(&list);
    activated.m_itemIndex = line;
    list.GetEventHandler()->ProcessEvent(activated);
    ProcessEvents();
  }

  // Chooses a menu entry; a checkable one toggles first, as a click does.
  void Choose(int menuItemId) {
    frame_->ProcessCommand(menuItemId);
    ProcessEvents();
  }
  void Choose(CommandId command) { Choose(MenuItemId(command)); }
  bool Checked(CommandId command) {
    frame_->DoMenuUpdates();
    return frame_->GetMenuBar()->IsChecked(MenuItemId(command));
  }

  static std::vector<std::string> SettingsFileLines() {
    std::vector<std::string> lines;
    std::ifstream file("Tamblor.dat");
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }
  static void WriteSettingsFile(const std::string& text) { std::ofstream("Tamblor.dat") << text; }

  // The window manager's state of the window, as xprop reports it; empty without xprop.
  static std::string WindowManagerState() {
    std::string output;
    if (FILE* pipe = popen("xprop -name zadazud _NET_WM_STATE 2>/dev/null", "r")) {
      char buffer[256];
      while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
      pclose(pipe);
    }
    return output;
  }

  const wxColour light{225, 225, 225};
  const wxColour grey{200, 200, 200};
  const wxColour alert{255, 100, 100};

  ScopedTemporaryDirectory directory_;
  CMainFrame* frame_ = nullptr;
};

}  // namespace tamblor::testing
