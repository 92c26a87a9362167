#include "cli/json_output.h"

#include <nlohmann/json.hpp>

#include "values/band_code.h"

namespace tamblor::cli {
namespace {

using Json = nlohmann::ordered_json;

Json RowObject(const TextForm& form, const ResultRowFields& fields) {
  return Json{{"actual", form.Field(fields.actual)},        {"r1", form.Field(fields.r1)},
              {"r1_series", form.Field(fields.r1Series)},   {"r2", form.Field(fields.r2)},
              {"r2_series", form.Field(fields.r2Series)},   {"error", form.Field(fields.error)},
              {"connection", form.Field(fields.connection)}};
}

Json BandsObject(const BandCode& code, bool isR1, const CalculatorState& state) {
  if (code.digitCount == 0) return nullptr;
  Json digits = Json::array();
  for (int digit = 0; digit < code.digitCount; ++digit) digits.push_back(code.digits[digit]);
  Json colours = Json::array();
  const BandSequence bands = DrawnBands(code, isR1, state.bandSettings());
  for (int band = 0; band < bands.size; ++band) {
    const std::optional<int> swatch = bands.swatches[band];
    colours.push_back(swatch ? Json(SWATCH_NAMES[*swatch]) : Json(nullptr));
  }
  return Json{{"digits", std::move(digits)},
              {"multiplier", code.multiplier},
              {"colours", std::move(colours)}};
}

Json MessageObject(const TextForm& form) {
  if (!form.Message()) return nullptr;
  return Json{{"title", form.Message()->title}, {"text", form.Message()->text}};
}

}  // namespace

void AppendJsonResult(std::string_view required, const CalculatorState& state, const TextForm& form,
                      std::string& out) {
  Json list = Json::array();
  for (const std::string& line : form.MatchLines()) list.push_back(line);
  const double threshold = state.alertThreshold();
  const Json result{{"input", required},
                    {"message", MessageObject(form)},
                    {"best", RowObject(form, BEST_ROW)},
                    {"lower", RowObject(form, LOWER_ROW)},
                    {"higher", RowObject(form, HIGHER_ROW)},
                    {"list", std::move(list)},
                    {"bands",
                     {{"r1", BandsObject(state.r1Bands, true, state)},
                      {"r2", BandsObject(state.r2Bands, false, state)}}},
                    {"alert",
                     {{"best", state.bestAbsError > threshold},
                      {"lower", state.lowerAbsError > threshold},
                      {"higher", state.higherAbsError > threshold}}}};
  // The input comes as typed and may hold bytes that are not UTF-8; they must not stop the run.
  out += result.dump(-1, ' ', false, Json::error_handler_t::replace);
  out += '\n';
}

}  // namespace tamblor::cli
