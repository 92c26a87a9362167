#include "cli/line_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tamblor::cli {

LineReader::LineReader(int fd, std::function<void()> beforeWait)
    : fd_(fd), beforeWait_(std::move(beforeWait)) {
  line_.reserve(maxLineLength + 1);
}

bool LineReader::Fill() {
  if (atEnd_) return false;
  if (beforeWait_) beforeWait_();
  for (;;) {
    const ssize_t count = ::read(fd_, buffer_.data(), buffer_.size());
    if (count > 0) {
      start_ = 0;
      end_ = static_cast<std::size_t>(count);
      return true;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) error_ = errno;
    atEnd_ = true;
    return false;
  }
}

bool LineReader::Next(std::string_view& line) {
  line_.clear();
  std::size_t length = 0;  // of the whole line read so far
  char last = '\0';
  for (;;) {
    if (start_ == end_ && !Fill()) {
      if (length == 0) return false;
      break;  // the last line has no line end
    }
    const char* begin = buffer_.data() + start_;
    const char* newline = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
    const std::size_t count =
        static_cast<std::size_t>((newline ? newline : buffer_.data() + end_) - begin);
    line_.append(begin, std::min(count, maxLineLength + 1 - line_.size()));
    if (count > 0) last = begin[count - 1];
    length += count;
    start_ += count;
    if (newline != nullptr) {
      ++start_;
      break;
    }
  }
  if (last == '\r' && length == line_.size()) line_.pop_back();
  if (line_.size() > maxLineLength) line_.resize(maxLineLength);
  line = line_;
  return true;
}

}  // namespace tamblor::cli
