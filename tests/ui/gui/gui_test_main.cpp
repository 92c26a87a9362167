// Starts wx on the display once for the whole binary, then runs the GUI tests in it.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/modalhook.h>

#include <cstdio>
#include <cstdlib>

#include "ui/resources.h"

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
  ADD_FAILURE_AT(file.utf8_str().data(), line)
      << "wx assertion in " << function.utf8_string() << ": " << condition.utf8_string() << " "
      << message.utf8_string();
}

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
  // Before GTK starts: no OpenGL context and no accessibility bus, neither of which the tests use.
  setenv("GDK_GL", "disable", 1);
  setenv("NO_AT_BRIDGE", "1", 1);
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest's discovery) needs no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "gui tests: cannot start wx; is there a display?\n");
    return EXIT_FAILURE;
  }
  wxSetAssertHandler(FailOnAssert);
  if (!tamblor::LoadResources()) {
    std::fprintf(stderr, "gui tests: a compiled-in resource is missing\n");
    wxEntryCleanup();
    return EXIT_FAILURE;
  }
  UnexpectedDialogGuard guard;
  guard.Register();
  const int result = RUN_ALL_TESTS();
  guard.Unregister();
  wxEntryCleanup();
  return result;
}
