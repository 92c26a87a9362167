#pragma once

#include <string>
#include <string_view>

#include "cli/json_line.h"
#include "cli/text_form.h"
#include "engine/calculator_state.h"

namespace tamblor::cli {

// Writes the result of each value as one JSON object on one line: input, message, the best,
// lower and higher rows, the match list, the band codes of R1 and R2, and which rows are alerts.
class JsonResultWriter {
 public:
  // The lines are appended to `out`, which must outlive the writer.
  explicit JsonResultWriter(std::string& out) : json_(out) {}

  void Append(std::string_view required, const CalculatorState& state, const TextForm& form);

 private:
  void Row(std::string_view name, const TextForm& form, const ResultRowFields& fields);
  void Bands(std::string_view name, const BandCode& code, bool isR1, const CalculatorState& state);

  JsonLineWriter json_;
};

}  // namespace tamblor::cli
