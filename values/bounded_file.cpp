#include "values/bounded_file.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace tamblor {
namespace {

// The system's text for an error number; some failed reads leave none.
std::string ErrorText(int error) {
  return error != 0 ? std::generic_category().message(error) : "read error";
}

}  // namespace

std::optional<std::string> ReadBoundedRegularFile(const std::filesystem::path& file,
                                                  std::size_t maxBytes, std::string& failure) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error) {
    failure = error.message();
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(status)) {
    failure = "not a regular file";
    return std::nullopt;
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) {
    failure = ErrorText(errno);
    return std::nullopt;
  }
  std::string bytes(maxBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    failure = ErrorText(errno);
    return std::nullopt;
  }
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > maxBytes) {
    failure = "larger than " + std::to_string(maxBytes) + " bytes";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace tamblor
