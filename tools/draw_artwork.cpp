// Draws the band picture's bitmaps and the application icon into a folder (resources/ by default
// when run from the repository's root): `tamblor_artwork [folder]`.

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app_icon.h"
#include "band_artwork.h"
#include "png_file.h"

using namespace tamblor::artwork;

int main(int argc, char** argv) {
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
  for (const auto& [name, raster] : files) {
    if (!WritePng(folder / name, raster)) {
      std::fprintf(stderr, "cannot write %s\n", (folder / name).string().c_str());
      return 1;
    }
  }
  return 0;
}
