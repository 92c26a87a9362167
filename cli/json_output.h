#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/text_form.h"
#include "engine/calculator_state.h"

namespace tamblor::cli {

// Writes the result of each value as one JSON object on one line: input, message, the best,
// lower and higher rows, the match list, the band codes of R1 and R2, and which rows are alerts.
// One document is kept and updated in place, so that a long list costs no allocation per value.
class JsonResultWriter {
 public:
  // The lines are appended to `out`, which must outlive the writer.
  explicit JsonResultWriter(std::string& out);

  void Append(std::string_view required, const CalculatorState& state, const TextForm& form);

 private:
  using Json = nlohmann::ordered_json;

  std::string& out_;
  // Writes straight into `out_`, where dump() would build a fresh string for every line.
  nlohmann::detail::serializer<Json> serializer_;
  Json document_;
  // Nodes of the document; its keys never change, so the references hold.
  Json& input_;
  Json& message_;
  std::array<std::array<Json*, 7>, 3> rowTexts_;  // best, lower, higher; columns in form order
  Json& list_;
  Json& r1Bands_;
  Json& r2Bands_;
  std::array<Json*, 3> alerts_;  // best, lower, higher
};

}  // namespace tamblor::cli
