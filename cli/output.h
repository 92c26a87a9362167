#pragma once

#include <string>
#include <string_view>

namespace tamblor::cli {

// Standard output gathered in one buffer and written in large pieces; messages go to standard
// error in their place among the results.
class Output {
 public:
  // The writers append here.
  std::string& Text() { return text_; }

  // Writes the gathered text once there is enough of it.
  void WriteIfFull();
  // Writes everything gathered; throws std::runtime_error when standard output fails.
  void Flush();
  // Writes the results so far, then `line` and a line end to standard error.
  void Message(std::string_view line);

 private:
  std::string text_;
};

}  // namespace tamblor::cli
