// Writes the application icon as a Windows icon file, for the program's resources on Windows:
// `tamblor_icon file.ico`.

#include <cstdio>

#include "app_icon.h"
#include "ico_file.h"

using namespace tamblor::artwork;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tamblor_icon file.ico\n");
    return 2;
  }
  if (!WriteIco(argv[1], {AppIconArt()})) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
