#include "ico_file.h"

#include <cstdint>
#include <fstream>

#include "png_file.h"

namespace tamblor::artwork {

namespace {

using Bytes = std::vector<std::uint8_t>;

void AppendLittleEndian(Bytes& out, std::uint32_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An icon directory entry stores 256 as 0.
std::uint8_t SideByte(int side) { return static_cast<std::uint8_t>(side == 256 ? 0 : side); }

}  // namespace

bool WriteIco(const std::filesystem::path& path, const std::vector<Raster>& pictures) {
  constexpr std::uint32_t headerSize = 6;
  constexpr std::uint32_t entrySize = 16;
  constexpr std::uint32_t iconType = 1;
  constexpr std::uint32_t bitsPerPixel = 32;

  Bytes file;
  AppendLittleEndian(file, 0, 2);
  AppendLittleEndian(file, iconType, 2);
  AppendLittleEndian(file, static_cast<std::uint32_t>(pictures.size()), 2);

  Bytes images;
  std::uint32_t offset = headerSize + entrySize * static_cast<std::uint32_t>(pictures.size());
  for (const Raster& picture : pictures) {
    const Bytes png = PngBytes(picture);
    file.push_back(SideByte(picture.Width()));
    file.push_back(SideByte(picture.Height()));
    file.push_back(0);  // no palette
    file.push_back(0);
    AppendLittleEndian(file, 1, 2);  // colour planes
    AppendLittleEndian(file, bitsPerPixel, 2);
    AppendLittleEndian(file, static_cast<std::uint32_t>(png.size()), 4);
    AppendLittleEndian(file, offset, 4);
    offset += static_cast<std::uint32_t>(png.size());
    images.insert(images.end(), png.begin(), png.end());
  }
  file.insert(file.end(), images.begin(), images.end());

  std::ofstream stream(path, std::ios::binary);
  stream.write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(stream);
}

}  // namespace tamblor::artwork
