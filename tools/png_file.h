#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "raster.h"

namespace tamblor::artwork {

// The raster as the bytes of an 8-bit PNG file: RGB, or RGBA when the raster has alpha.
std::vector<std::uint8_t> PngBytes(const Raster& raster);

// Writes the raster as an 8-bit PNG: RGB, or RGBA when the raster has alpha. The data goes in
// uncompressed deflate blocks, so the file is byte-for-byte the same on every run.
// Returns false when the file cannot be written.
bool WritePng(const std::filesystem::path& path, const Raster& raster);

}  // namespace tamblor::artwork
