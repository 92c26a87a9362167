// Starts wx on the display once for the whole binary, then runs the GUI tests in it.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/modalhook.h>

#include <cstdio>

#include "ui/resources.h"
#include "ui/translations.h"

namespace {

// Registered first, so it is asked last: a modal dialog that no wxTEST_DIALOG expects fails the
// test and is dismissed at once instead of waiting for a click that never comes.
class UnexpectedDialogGuard : public wxModalDialogHook {
 protected:
  int Enter(wxDialog* dialog) override {
    ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_string() << "\"";
    return wxID_CANCEL;
  }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest's discovery) needs no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv) || !tamblor::LoadResources()) {
    std::fprintf(stderr, "gui tests: cannot start wx or load the resources; is there a display?\n");
    return 1;
  }
  // The tests expect the texts as written, whatever the machine's language.
  tamblor::UseInterfaceLanguage(tamblor::InterfaceLanguage::Chinese);
  wxSetAssertHandler([](const wxString& file, int line, const wxString& function,
                        const wxString& condition, const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wx assertion in " << function << ": " << condition << " " << message;
  });
  UnexpectedDialogGuard guard;
  guard.Register();
  // An active loop, though never run: on Windows, yielding dispatches messages only through one,
  // and only its dispatch turns keys into the form's char hook events.
  wxGUIEventLoop loop;
  wxEventLoopActivator activeLoop(&loop);
  const int result = RUN_ALL_TESTS();
  guard.Unregister();
  wxEntryCleanup();
  return result;
}
