#include <wx/app.h>
#include <wx/utils.h>

#include "ui/app.h"

wxIMPLEMENT_APP_NO_MAIN(tamblor::CTamblorApp);

int main(int argc, char** argv) {
  // Before GTK starts: the program draws nothing with OpenGL, and without a GL context it starts
  // faster in half the memory.
  wxSetEnv("GDK_GL", "disable");
  return wxEntry(argc, argv);
}
