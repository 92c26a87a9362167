#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_cli.h"

namespace tamblor::cli::test {

using Json = nlohmann::ordered_json;

// Each line of a --json run, parsed; a line that is not JSON fails the parse with an exception.
inline std::vector<Json> JsonLines(const std::string& out) {
  std::vector<Json> lines;
  for (std::size_t start = 0; start < out.size();) {
    const std::size_t end = out.find('\n', start);
    lines.push_back(Json::parse(out.substr(start, end - start)));
    start = end == std::string::npos ? out.size() : end + 1;
  }
  return lines;
}

// The seven texts of a result row, in column order.
inline std::vector<std::string> RowTexts(const Json& row) {
  std::vector<std::string> texts;
  for (const char* key : {"actual", "r1", "r1_series", "r2", "r2_series", "error", "connection"}) {
    texts.push_back(row.at(key).get<std::string>());
  }
  return texts;
}

}  // namespace tamblor::cli::test
