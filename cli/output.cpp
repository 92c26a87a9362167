#include "cli/output.h"

#include <cstdio>
#include <stdexcept>

namespace tamblor::cli {
namespace {

constexpr std::size_t writeThreshold = 1 << 16;

}  // namespace

void Output::WriteIfFull() {
  if (text_.size() >= writeThreshold) Flush();
}

void Output::Flush() {
  const bool written = std::fwrite(text_.data(), 1, text_.size(), stdout) == text_.size() &&
                       std::fflush(stdout) == 0;
  text_.clear();
  if (!written) throw std::runtime_error("cannot write to standard output");
}

void Output::Message(std::string_view line) {
  Flush();
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace tamblor::cli
