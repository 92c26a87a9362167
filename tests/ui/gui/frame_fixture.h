#pragma once

// The real main frame, opened in a fresh directory, used as the user uses it: real keys and mouse
// where the toolkit's own handling matters, events sent to the controls elsewhere. The test main
// has started wx; wx assertions and modal dialogs that no wxTEST_DIALOG expects fail the test.

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "ui/command_ids.h"
#include "ui/generic_message_dialog.h"
#include "ui/main_frame.h"
#include "ui/match_list.h"
#include "ui/result_field.h"
#include "ui/tamblor_view.h"
#include "ui/tooltips.h"

namespace tamblor::testing {

using Texts = std::vector<std::string>;

// Handles events until `done` holds or about five seconds have passed; returns `done()`.
inline bool WaitUntil(const std::function<bool()>& done) {
  for (int round = 0; round < 500 && !done(); ++round) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
    wxTheApp->ProcessIdle();
    wxMilliSleep(10);
  }
  return done();
}

// Handles what is queued, and lets real input, GTK's layout and drawing catch up: 0.1 s.
inline void Settle() {
  WaitUntil([rounds = 0]() mutable { return ++rounds > 10; });
}

// What `window` shows on the screen.
inline wxImage Grab(const wxWindow& window) {
  const wxRect area = window.GetScreenRect();
  wxBitmap picture(area.GetSize(), 24);
  wxScreenDC screen;
  wxMemoryDC(picture).Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
  return picture.ConvertToImage();
}

// Expects a modal dialog of class Dialog, runs `check` on it while it is open, closes it with OK.
template <typename Dialog>
struct ExpectModal : wxExpectModalBase<Dialog, ExpectModal<Dialog>> {
  explicit ExpectModal(std::function<void(Dialog&)> check = [](Dialog&) {})
      : check(std::move(check)) {}
  int OnInvoked(Dialog* dialog) const override {
    check(*dialog);
    return wxID_OK;
  }
  std::function<void(Dialog&)> check;
};

// One of the form's stop message boxes: text, title, stop icon, OK only.
inline ExpectModal<wxGenericMessageDialog> StopMessage(
    std::string text, std::string title, std::function<void()> whileOpen = [] {}) {
  return ExpectModal<wxGenericMessageDialog>([=](wxGenericMessageDialog& box) {
    EXPECT_EQ(std::tuple(box.GetMessage().utf8_string(), box.GetTitle().utf8_string(),
                         box.GetMessageDialogStyle() & (wxICON_MASK | wxYES_NO | wxCANCEL)),
              std::tuple(text, title, wxICON_STOP));
    whileOpen();
  });
}

class FrameTest : public ::testing::Test {
 protected:
  FrameTest() {
    std::filesystem::create_directory(directory_);
    std::filesystem::current_path(directory_);
  }
  ~FrameTest() override {
    if (frame_) CloseWindow();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(directory_);
  }

  void Open(InitialUpdate when = InitialUpdate::WithFrame) {
    frame_ = new CMainFrame(when);
    frame_->Show();
    // Focus changes reach the controls only once the window manager has activated the window.
    ASSERT_TRUE(WaitUntil([this] { return frame_->IsActive(); })) << "window never activated";
  }
  // Closes the window with "退出", or else as its close box does.
  void CloseWindow(bool withExit = false) {
    withExit ? frame_->ProcessCommand(wxID_EXIT) : frame_->Close();
    frame_ = nullptr;
    Settle();
  }

  const CalculatorState& state() { return frame_->view().state(); }
  CHScrollListBox& List() { return frame_->view().matchList(); }
  wxWindow& Control(int id) { return *frame_->FindWindow(id); }
  wxTextCtrl& Box(ControlId id) { return static_cast<wxTextCtrl&>(Control(id)); }
  wxStaticBitmap& Picture() { return static_cast<wxStaticBitmap&>(Control(IDC_BAND_PICTURE)); }
  // What a box or a field shows.
  std::string Text(ControlId id) {
    const auto* field = dynamic_cast<ResultField*>(&Control(id));
    return (field ? field->Value() : Box(id).GetValue()).utf8_string();
  }
  // The series and tolerance chosen, such as "E24 1%", and whether the tolerance, which E96 alone
  // has, can be chosen.
  std::string SeriesChoice() {
    const auto on = [this](int id) { return static_cast<wxRadioButton&>(Control(id)).GetValue(); };
    return (on(IDC_SERIES_E24) ? "E24 " : "E96 ") +
           std::string(on(IDC_TOLERANCE_1) ? "1%" : "0.1%") +
           (Control(IDC_TOLERANCE_01).IsEnabled() ? "" : " fixed");
  }
  // The three switches of the menu, tooltips, band picture and always on top, all on or all off,
  // and the labels of the checked entries in the order of their command numbers.
  void ExpectSwitches(bool on, const Texts& checkedEntries) {
    frame_->DoMenuUpdates();
    Texts checked;
    for (int id = MenuItemId(ID_EXPLAIN); id <= MenuItemId(ID_ALWAYS_ON_TOP); ++id)
      if (const wxMenuItem* item = frame_->GetMenuBar()->FindItem(id);
          item && item->IsCheckable() && item->IsChecked())
        checked.push_back(item->GetItemLabelText().utf8_string());
    EXPECT_EQ(checked, checkedEntries);
    for (const ToolTipEntry& entry : toolTipTable)
      EXPECT_EQ(Control(entry.control).GetToolTipText().utf8_string(), on ? entry.textUtf8 : "");
    EXPECT_EQ(std::pair(Picture().IsShown(), frame_->HasFlag(wxSTAY_ON_TOP)), std::pair(on, on));
  }

  void Type(ControlId box, std::string text) { Box(box).ChangeValue(wxString::FromUTF8(text)); }
  // Presses a key on the keyboard with the focus in `control`.
  void Press(int key, wxWindow& control) {
    control.SetFocus();
    Settle();
    wxUIActionSimulator().Char(key);
    Settle();
  }
  // Types `required` and calculates with `enter`, the main Enter key or the keypad's.
  void Calculate(const std::string& required, int enter = WXK_RETURN) {
    Type(IDC_REQUIRED, required);
    Press(enter, Box(IDC_REQUIRED));
  }
  // Tells `box` that it lost the focus, as GTK does when the user leaves it.
  void LoseFocus(ControlId box) {
    wxFocusEvent lost(wxEVT_KILL_FOCUS, box);
    Box(box).GetEventHandler()->ProcessEvent(lost);
  }
  // Clicks a push button or a radio button.
  void Click(ControlId id) {
    auto* radio = dynamic_cast<wxRadioButton*>(&Control(id));
    if (radio) radio->SetValue(true);
    wxCommandEvent click(radio ? wxEVT_RADIOBUTTON : wxEVT_BUTTON, id);
    click.SetEventObject(&Control(id));
    Control(id).GetEventHandler()->ProcessEvent(click);
    Settle();
  }
  // Clicks a control with the real mouse: GTK moves the focus to it on the press, before the click.
  void ClickWithMouse(int id) {
    wxUIActionSimulator mouse;
    mouse.MouseMove(Control(id).GetScreenRect().GetPosition() + wxPoint(4, 4));
    mouse.MouseClick();
    Settle();
  }
  // Chooses a menu entry by its command number or stock id; a checkable one toggles first, as a
  // click does.
  void Choose(int command) {
    frame_->ProcessCommand(command > menuIdOffset ? command - menuIdOffset : command);
    Settle();
  }

  const wxColour light{225, 225, 225}, grey{200, 200, 200}, alert{255, 100, 100};
  CMainFrame* frame_ = nullptr;
  const std::filesystem::path previous_ = std::filesystem::current_path();
  const std::filesystem::path directory_ =
      std::filesystem::temp_directory_path() / ("tamblor-gui-" + std::to_string(getpid()));
};

}  // namespace tamblor::testing
