#include "cli/json_output.h"

#include <utility>

#include "values/band_code.h"

namespace tamblor::cli {
namespace {

// The members of a result row's object, in column order.
constexpr std::pair<std::string_view, ControlId ResultRowFields::*> rowMembers[] = {
    {"actual", &ResultRowFields::actual},        {"r1", &ResultRowFields::r1},
    {"r1_series", &ResultRowFields::r1Series},   {"r2", &ResultRowFields::r2},
    {"r2_series", &ResultRowFields::r2Series},   {"error", &ResultRowFields::error},
    {"connection", &ResultRowFields::connection}};

}  // namespace

void JsonResultWriter::Row(std::string_view name, const TextForm& form,
                           const ResultRowFields& fields) {
  json_.Key(name);
  json_.BeginObject();
  for (const auto& [key, member] : rowMembers) {
    json_.Key(key);
    json_.Text(form.Field(fields.*member));
  }
  json_.EndObject();
}

void JsonResultWriter::Bands(std::string_view name, const BandCode& code, bool isR1,
                             const CalculatorState& state) {
  json_.Key(name);
  if (code.digitCount == 0) {
    json_.Null();
    return;
  }
  json_.BeginObject();
  json_.Key("digits");
  json_.BeginArray();
  for (int digit = 0; digit < code.digitCount; ++digit) json_.Integer(code.digits[digit]);
  json_.EndArray();
  json_.Key("multiplier");
  json_.Integer(code.multiplier);
  json_.Key("colours");
  json_.BeginArray();
  const BandSequence bands = DrawnBands(code, isR1, state.bandSettings());
  for (int band = 0; band < bands.size; ++band) {
    if (const std::optional<int> swatch = bands.swatches[band]) {
      json_.Text(SWATCH_NAMES[*swatch]);
    } else {
      json_.Null();
    }
  }
  json_.EndArray();
  json_.EndObject();
}

void JsonResultWriter::Append(std::string_view required, const CalculatorState& state,
                              const TextForm& form) {
  json_.BeginObject();
  json_.Key("input");
  json_.Text(required);
  json_.Key("message");
  if (const auto& message = form.Message()) {
    json_.BeginObject();
    json_.Key("title");
    json_.Text(message->title);
    json_.Key("text");
    json_.Text(message->text);
    json_.EndObject();
  } else {
    json_.Null();
  }
  Row("best", form, BEST_ROW);
  Row("lower", form, LOWER_ROW);
  Row("higher", form, HIGHER_ROW);
  json_.Key("list");
  json_.BeginArray();
  for (const std::string& line : form.MatchLines()) json_.Text(line);
  json_.EndArray();
  json_.Key("bands");
  json_.BeginObject();
  Bands("r1", state.r1Bands, true, state);
  Bands("r2", state.r2Bands, false, state);
  json_.EndObject();
  const double threshold = state.alertThreshold();
  json_.Key("alert");
  json_.BeginObject();
  json_.Key("best");
  json_.Boolean(state.bestAbsError > threshold);
  json_.Key("lower");
  json_.Boolean(state.lowerAbsError > threshold);
  json_.Key("higher");
  json_.Boolean(state.higherAbsError > threshold);
  json_.EndObject();
  json_.EndObject();
  json_.EndLine();
}

}  // namespace tamblor::cli
