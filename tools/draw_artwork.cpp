// Draws the band picture's bitmaps and the application icon into a folder (resources/ by default
// when run from the repository's root): `tamblor_artwork [folder]`; or the application icon alone
// at another size, for the desktop's icon theme: `tamblor_artwork --icon SIZE FILE`; or as the
// Windows icon file of the program's resources: `tamblor_artwork --ico FILE`.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app_icon.h"
#include "band_artwork.h"
#include "ico_file.h"
#include "png_file.h"

using namespace tamblor::artwork;

namespace {

bool Written(const std::filesystem::path& path, const Raster& raster) {
  if (WritePng(path, raster)) return true;
  std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string{argv[1]} == "--icon") {
    const int size = std::atoi(argv[2]);
    if (size < 1 || size > 1024) {
      std::fprintf(stderr, "icon size %s is not between 1 and 1024\n", argv[2]);
      return 1;
    }
    return Written(argv[3], AppIconArt(size)) ? 0 : 1;
  }
  if (argc == 3 && std::string{argv[1]} == "--ico") {
    if (WriteIco(argv[2], {AppIconArt(16), AppIconArt(32), AppIconArt(48), AppIconArt(256)}))
      return 0;
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  const std::filesystem::path folder = argc > 1 ? argv[1] : "resources";
  const std::vector<std::pair<std::string, Raster>> files{
      {"band_canvas.png", BandCanvasArt()},
      {"back_both_bodies.png", BackgroundArt(true, true)},
      {"back_r1_only.png", BackgroundArt(true, false)},
      {"back_empty.png", BackgroundArt(false, false)},
      {"palette_tall.png", PaletteArt(tallSwatchHeight)},
      {"palette_short.png", PaletteArt(shortSwatchHeight)},
      {"app_icon.png", AppIconArt()},
  };
  for (const auto& [name, raster] : files)
    if (!Written(folder / name, raster)) return 1;
  return 0;
}
