#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tamblor {

// The bytes of a regular file, or of a link to one, of at most `maxBytes` bytes, read without
// ever taking more. Nothing when it can't be opened, is of another kind (a FIFO or a device would
// block or never end), is larger or fails to read; `failure` then says which, in the system's
// words where it has them.
std::optional<std::string> ReadBoundedRegularFile(const std::filesystem::path& file,
                                                  std::size_t maxBytes, std::string& failure);

}  // namespace tamblor
