#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tamblor::cli {

// Reads a file descriptor a line at a time through one buffer. A line ends at "\n" or at the end
// of the input; a trailing "\r" is not part of it.
class LineReader {
 public:
  // `beforeWait` runs whenever all input read so far is used up and the reader is about to wait
  // for more, so that a caller at a terminal sees each answer as soon as it is ready.
  LineReader(int fd, std::function<void()> beforeWait);

  // The next line, valid until the next call; false at the end of the input or on a read error.
  bool Next(std::string_view& line);

 private:
  bool Fill();

  int fd_;
  std::function<void()> beforeWait_;
  std::vector<char> buffer_;
  std::size_t start_ = 0;  // first unread byte
  std::size_t end_ = 0;    // one past the last byte read
  bool atEnd_ = false;
};

}  // namespace tamblor::cli
