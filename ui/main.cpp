#include <wx/app.h>

#include <cstdlib>

#include "ui/app.h"

wxIMPLEMENT_APP_NO_MAIN(tamblor::CTamblorApp);

int main(int argc, char** argv) {
  // Before GTK starts: the program draws nothing with OpenGL, and without a GL context it starts
  // faster in half the memory.
  setenv("GDK_GL", "disable", 1);
  return wxEntry(argc, argv);
}
