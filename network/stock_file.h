#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "network/part.h"

namespace tamblor {

// At most this many bytes of a stock file are read: a list of parts on hand is far shorter.
inline constexpr std::size_t maxStockFileSize = 1 << 20;

// The parts of a stock file, as ParseStockList reads them, or what stops the file: "cannot read
// FILE: REASON" (missing, not a regular file, larger than maxStockFileSize, a read error) or
// "FILE: line N: REASON" for its first bad line.
struct StockFileReading {
  std::vector<Part> parts;
  std::optional<std::string> failure;
};

StockFileReading ReadStockFile(const std::filesystem::path& file);

}  // namespace tamblor
