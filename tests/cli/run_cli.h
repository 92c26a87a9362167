#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamblor::cli::test {

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when the program did not exit normally
};

// Runs the built tamblor-cli with `arguments`, feeding it `input` on standard input.
CliRun RunCli(const std::vector<std::string>& arguments, std::string_view input = {});

}  // namespace tamblor::cli::test
