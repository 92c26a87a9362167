#include "png_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

namespace tamblor::artwork {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const Bytes& data) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t byte : data) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes& data) {
  constexpr std::uint32_t modulus = 65521;
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % modulus;
    b = (b + a) % modulus;
  }
  return (b << 16) | a;
}

void AppendBigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A zlib stream of stored (uncompressed) deflate blocks.
Bytes StoredZlib(const Bytes& data) {
  constexpr std::size_t maxBlock = 65535;
  Bytes out{0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min(maxBlock, data.size() - offset);
    const bool last = offset + length == data.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length & 0xFF));
    out.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
    out.insert(out.end(), data.begin() + offset, data.begin() + offset + length);
    offset += length;
  } while (offset < data.size());
  AppendBigEndian(out, Adler32(data));
  return out;
}

void AppendChunk(Bytes& out, std::string_view type, const Bytes& payload) {
  AppendBigEndian(out, static_cast<std::uint32_t>(payload.size()));
  Bytes checked(type.begin(), type.end());
  checked.insert(checked.end(), payload.begin(), payload.end());
  out.insert(out.end(), checked.begin(), checked.end());
  AppendBigEndian(out, Crc32(checked));
}

}  // namespace

Bytes PngBytes(const Raster& raster) {
  constexpr std::uint8_t colourTypeRgb = 2;
  constexpr std::uint8_t colourTypeRgba = 6;
  const std::size_t rowBytes =
      static_cast<std::size_t>(raster.Width()) * (raster.WithAlpha() ? 4 : 3);

  Bytes header;
  AppendBigEndian(header, static_cast<std::uint32_t>(raster.Width()));
  AppendBigEndian(header, static_cast<std::uint32_t>(raster.Height()));
  header.insert(header.end(), {8, raster.WithAlpha() ? colourTypeRgba : colourTypeRgb, 0, 0, 0});

  // Every row starts with filter type 0: the bytes as they are.
  Bytes scanlines;
  for (int y = 0; y < raster.Height(); ++y) {
    scanlines.push_back(0);
    const auto row = raster.Bytes().begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
    scanlines.insert(scanlines.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
  }

  Bytes file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AppendChunk(file, "IHDR", header);
  AppendChunk(file, "IDAT", StoredZlib(scanlines));
  AppendChunk(file, "IEND", {});
  return file;
}

bool WritePng(const std::filesystem::path& path, const Raster& raster) {
  const Bytes file = PngBytes(raster);
  std::ofstream stream(path, std::ios::binary);
  stream.write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(stream);
}

}  // namespace tamblor::artwork
