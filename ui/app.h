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
};

}  // namespace tamblor
