#include "settings/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tamblor {
namespace {

namespace fs = std::filesystem;

// As many links as the Linux kernel follows before it gives up.
constexpr int maxLinkDepth = 40;

#ifdef _WIN32
// The C runtime Windows ships has no exclusive mode: a leftover is removed first instead.
std::FILE* CreateNewFile(const fs::path& path) {
  std::error_code error;
  fs::remove(path, error);
  return _wfopen(path.c_str(), L"wb");
}
bool SyncToDisk(std::FILE* stream) { return _commit(_fileno(stream)) == 0; }
// NTFS journals the rename itself; a folder can't be opened for flushing.
void SyncFolder(const fs::path&) {}
#else
std::FILE* CreateNewFile(const fs::path& path) { return std::fopen(path.c_str(), "wbx"); }
bool SyncToDisk(std::FILE* stream) { return fsync(fileno(stream)) == 0; }
// Makes the rename itself durable. The new contents are in place by now, so a file system that
// can't flush a folder is no reason to report a failure.
void SyncFolder(const fs::path& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}
#endif

std::string Failure(const fs::path& path, std::string_view reason) {
  return path.string() + ": " + std::string(reason);
}

std::string Failure(const fs::path& path, int error) {
  return Failure(path, error != 0 ? std::generic_category().message(error) : "write error");
}

// The file that links, followed one after another, finally name; it need not exist.
std::optional<fs::path> FinalTarget(fs::path path, std::string& failure) {
  for (int depth = 0; depth <= maxLinkDepth; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::read_symlink(path, error);
    if (error) {
      failure = Failure(path, error.message());
      return std::nullopt;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  failure = Failure(path, ELOOP);
  return std::nullopt;
}

// Writes, flushes to disk and closes; false with errno set when any of it fails.
bool WriteDurably(std::FILE* stream, std::string_view bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
                       std::fflush(stream) == 0 && SyncToDisk(stream);
  const int error = errno;
  const bool closed = std::fclose(stream) == 0;
  if (!written) errno = error;
  return written && closed;
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const fs::path& file, std::string_view bytes) {
  std::string failure;
  const std::optional<fs::path> target = FinalTarget(file, failure);
  if (!target) return failure;

  std::error_code error;
  const fs::file_status status = fs::status(*target, error);
  const bool exists = fs::exists(status);
  error.clear();
  if (exists) {
    if (!fs::is_regular_file(status)) return Failure(*target, "not a regular file");
    // A rename needs only the folder's permission: replace only what a plain save, opening the
    // file for writing, could have changed. Appending nothing leaves the file as it is.
    errno = 0;
    if (!std::ofstream(*target, std::ios::binary | std::ios::app).is_open()) {
      return Failure(*target, errno);
    }
  }

  fs::path temporary = *target;
  temporary += ".tmp";
  errno = 0;
  std::FILE* stream = CreateNewFile(temporary);
  if (stream == nullptr && errno == EEXIST) {
    fs::remove(temporary, error);
    stream = CreateNewFile(temporary);
  }
  if (stream == nullptr) return Failure(temporary, errno);
  if (exists) fs::permissions(temporary, status.permissions(), error);
  if (error) {
    std::fclose(stream);
    failure = Failure(temporary, error.message());
  } else if (!WriteDurably(stream, bytes)) {
    failure = Failure(temporary, errno);
  } else {
    fs::rename(temporary, *target, error);
    if (!error) {
      SyncFolder(target->parent_path());
      return std::nullopt;
    }
    failure = Failure(*target, error.message());
  }
  fs::remove(temporary, error);
  return failure;
}

}  // namespace tamblor
