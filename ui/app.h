#pragma once

#include <wx/app.h>

namespace tamblor {

// The application: loads the compiled-in resources and opens the one main frame.
class CTamblorApp : public wxApp {
 public:
  // False, ending the program, when a resource is missing.
  bool OnInit() override;

 private:
  void CloseMainFrame();
  // Ends the modal dialogs open, then closes the frame when no dialog's loop is left running.
  void CloseMainFrameAfterDialogs();
};

}  // namespace tamblor
