#include "cli/line_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tamblor::cli {
namespace {

constexpr std::size_t initialBufferSize = 1 << 16;

}  // namespace

LineReader::LineReader(int fd, std::function<void()> beforeWait)
    : fd_(fd), beforeWait_(std::move(beforeWait)), buffer_(initialBufferSize) {}

bool LineReader::Fill() {
  if (atEnd_) return false;
  if (start_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
    end_ -= start_;
    start_ = 0;
  }
  // A line longer than the whole buffer makes it grow.
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  if (beforeWait_) beforeWait_();
  for (;;) {
    const ssize_t count = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (count > 0) {
      end_ += static_cast<std::size_t>(count);
      return true;
    }
    if (count < 0 && errno == EINTR) continue;
    atEnd_ = true;
    return false;
  }
}

bool LineReader::Next(std::string_view& line) {
  std::size_t searchFrom = start_;
  for (;;) {
    const char* newline =
        static_cast<const char*>(std::memchr(buffer_.data() + searchFrom, '\n', end_ - searchFrom));
    if (newline == nullptr) {
      const std::size_t scanned = end_ - start_;
      if (Fill()) {
        searchFrom = start_ + scanned;
        continue;
      }
      if (start_ == end_) return false;
      newline = buffer_.data() + end_;  // the last line has no line end
    }
    const char* first = buffer_.data() + start_;
    std::size_t length = static_cast<std::size_t>(newline - first);
    start_ = std::min(static_cast<std::size_t>(newline - buffer_.data()) + 1, end_);
    if (length > 0 && first[length - 1] == '\r') --length;
    line = {first, length};
    return true;
  }
}

}  // namespace tamblor::cli
