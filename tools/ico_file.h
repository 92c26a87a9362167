#pragma once

#include <filesystem>
#include <vector>

#include "raster.h"

namespace tamblor::artwork {

// Writes the pictures as one Windows icon file, each stored as PNG, the form Windows Vista and
// later read at every size. Pictures are at most 256 pixels a side. Returns false when the file
// cannot be written.
bool WriteIco(const std::filesystem::path& path, const std::vector<Raster>& pictures);

}  // namespace tamblor::artwork
