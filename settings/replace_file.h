#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tamblor {

// Replaces the contents of `file` with `bytes` so that a crash or a power cut at any moment leaves
// either the old contents or the new: they are written to "<target>.tmp" beside the file's final
// target (links are followed to it), flushed to disk and renamed over the target, and the folder
// is flushed after. A target that exists must be a regular file that this process may open for
// writing, and keeps its mode. A temporary file left by an interrupted replacement is replaced.
// Nothing on success; otherwise the file concerned and the reason, the target being untouched.
std::optional<std::string> ReplaceFileContents(const std::filesystem::path& file,
                                               std::string_view bytes);

}  // namespace tamblor
