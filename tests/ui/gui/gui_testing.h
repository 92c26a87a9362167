#pragma once

// Helpers shared by the GUI tests. Every test binary's main (gui_test_main.cpp) has started wx and
// loaded the resources; wx assertions and unexpected modal dialogs fail the running test.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/testing.h>
#include <wx/utils.h>

#include <filesystem>
#include <functional>
#include <string>
#include <typeinfo>

#include "ui/generic_message_dialog.h"

namespace tamblor::testing {

// Handles what is queued: pending events, CallAfter calls, idle processing and delayed deletions.
inline void ProcessEvents() {
  for (int round = 0; round < 3; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
    wxTheApp->ProcessIdle();
  }
}

// Handles events until `done` holds or about five seconds have passed; returns `done()`.
template <typename Condition>
bool WaitUntil(Condition done) {
  for (int round = 0; round < 500 && !done(); ++round) {
    ProcessEvents();
    wxMilliSleep(10);
  }
  return done();
}

// Presses and releases Enter in a control, the way GTK delivers the key to wx: the char hook
// first, up through the control's parents, then the control itself.
inline void PressEnter(wxWindow& control) {
  wxKeyEvent hook(wxEVT_CHAR_HOOK);
  hook.m_keyCode = WXK_RETURN;
  hook.SetEventObject(&control);
  hook.SetId(control.GetId());
  control.GetEventHandler()->ProcessEvent(hook);
  ProcessEvents();
}

// Runs the test in a fresh empty directory, so settings files of one test never reach another.
class ScopedTemporaryDirectory {
 public:
  ScopedTemporaryDirectory() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tamblor-gui-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
  }
  ~ScopedTemporaryDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  ScopedTemporaryDirectory(const ScopedTemporaryDirectory&) = delete;
  ScopedTemporaryDirectory& operator=(const ScopedTemporaryDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// Expects one of the program's stop message boxes (text, title, stop icon, OK only) and answers OK.
// Use inside wxTEST_DIALOG.
class ExpectStopMessage : public wxExpectModalBase<wxGenericMessageDialog, ExpectStopMessage> {
 public:
  ExpectStopMessage(std::string text, std::string title)
      : text_(std::move(text)), title_(std::move(title)) {}

  // A copy that runs `action` while the box is open, before it is answered.
  ExpectStopMessage WhileOpen(std::function<void()> action) const {
    ExpectStopMessage copy(*this);
    copy.whileOpen_ = std::move(action);
    return copy;
  }

 protected:
  int OnInvoked(wxGenericMessageDialog* dialog) const override {
    EXPECT_EQ(dialog->GetMessage().utf8_string(), text_);
    EXPECT_EQ(dialog->GetTitle().utf8_string(), title_);
    const long style = dialog->GetMessageDialogStyle();
    EXPECT_EQ(style & wxICON_MASK, wxICON_STOP) << "message box without the stop icon";
    EXPECT_EQ(style & (wxYES_NO | wxCANCEL | wxHELP), 0) << "message box with more than OK";
    if (whileOpen_) whileOpen_();
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override {
    return wxString::FromUTF8("stop message \"" + text_ + "\" titled \"" + title_ + "\"");
  }

 private:
  std::string text_;
  std::string title_;
  std::function<void()> whileOpen_;
};

// Expects a modal dialog of class Dialog owned by `owner`, and closes it with OK.
template <typename Dialog>
class ExpectDialog : public wxExpectModalBase<Dialog, ExpectDialog<Dialog>> {
 public:
  explicit ExpectDialog(const wxWindow* owner) : owner_(owner) {}

 protected:
  int OnInvoked(Dialog* dialog) const override {
    EXPECT_EQ(dialog->GetParent(), owner_) << "dialog not owned by the expected window";
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return typeid(Dialog).name(); }

 private:
  const wxWindow* owner_;
};

}  // namespace tamblor::testing
