#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tamblor::cli {

// Reads a file descriptor a line at a time. A line ends at "\n" or at the end of the input; a
// trailing "\r" is not part of it. Only the first maxLineLength bytes of a line are kept and the
// rest is skipped as it streams past, so memory stays the same whatever the input.
class LineReader {
 public:
  // Far more than the 7 characters a value may have, so that the value can be told too long and
  // shown as it began.
  static constexpr std::size_t maxLineLength = 64;

  // `beforeWait` runs whenever all input read so far is used up and the reader is about to wait
  // for more, so that a caller at a terminal sees each answer as soon as it is ready.
  LineReader(int fd, std::function<void()> beforeWait);

  // The next line, cut to maxLineLength bytes, valid until the next call; false at the end of the
  // input or on a read error.
  bool Next(std::string_view& line);
  // The error number of the read that failed, or 0 when the input just ended.
  int Error() const { return error_; }

 private:
  bool Fill();

  int fd_;
  std::function<void()> beforeWait_;
  std::array<char, 1 << 16> buffer_;
  std::size_t start_ = 0;  // first unread byte
  std::size_t end_ = 0;    // one past the last byte read
  bool atEnd_ = false;
  int error_ = 0;
  std::string line_;  // the kept bytes, one more than a line keeps to see a final "\r"
};

}  // namespace tamblor::cli
