#include "cli/json_output.h"

#include "values/band_code.h"

namespace tamblor::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<const char*, 7> rowKeys{"actual",    "r1",    "r1_series", "r2",
                                             "r2_series", "error", "connection"};
// The rows in the document's order.
constexpr std::array<const char*, 3> rowNames{"best", "lower", "higher"};
constexpr std::array<const ResultRowFields*, 3> rowFields{&BEST_ROW, &LOWER_ROW, &HIGHER_ROW};

Json EmptyRow() {
  Json row = Json::object();
  for (const char* key : rowKeys) row[key] = "";
  return row;
}

Json Skeleton() {
  return Json{{"input", ""},
              {"message", nullptr},
              {"best", EmptyRow()},
              {"lower", EmptyRow()},
              {"higher", EmptyRow()},
              {"list", Json::array()},
              {"bands", {{"r1", nullptr}, {"r2", nullptr}}},
              {"alert", {{"best", false}, {"lower", false}, {"higher", false}}}};
}

// Puts a text into a node, reusing the node's string when it already holds one.
void SetText(Json& node, std::string_view text) {
  if (std::string* held = node.get_ptr<std::string*>()) {
    held->assign(text);
  } else {
    node = text;
  }
}

// Makes an array node hold `size` elements, keeping the elements it has.
Json::array_t& Resize(Json& node, std::size_t size) {
  Json::array_t& elements = node.get_ref<Json::array_t&>();
  elements.resize(size);
  return elements;
}

void SetBands(Json& node, const BandCode& code, bool isR1, const CalculatorState& state) {
  if (code.digitCount == 0) {
    node = nullptr;
    return;
  }
  if (!node.is_object()) {
    node = Json{{"digits", Json::array()}, {"multiplier", 0}, {"colours", Json::array()}};
  }
  Json::array_t& digits = Resize(node["digits"], static_cast<std::size_t>(code.digitCount));
  for (std::size_t digit = 0; digit < digits.size(); ++digit) digits[digit] = code.digits[digit];
  node["multiplier"] = code.multiplier;
  const BandSequence bands = DrawnBands(code, isR1, state.bandSettings());
  Json::array_t& colours = Resize(node["colours"], static_cast<std::size_t>(bands.size));
  for (std::size_t band = 0; band < colours.size(); ++band) {
    const std::optional<int> swatch = bands.swatches[band];
    if (swatch) {
      SetText(colours[band], SWATCH_NAMES[*swatch]);
    } else {
      colours[band] = nullptr;
    }
  }
}

}  // namespace

JsonResultWriter::JsonResultWriter(std::string& out)
    : out_(out),
      // The input comes as typed and may hold bytes that are not UTF-8; they must not stop the run.
      serializer_(nlohmann::detail::output_adapter<char>(out), ' ', Json::error_handler_t::replace),
      document_(Skeleton()),
      input_(document_["input"]),
      message_(document_["message"]),
      list_(document_["list"]),
      r1Bands_(document_["bands"]["r1"]),
      r2Bands_(document_["bands"]["r2"]),
      alerts_{&document_["alert"]["best"], &document_["alert"]["lower"],
              &document_["alert"]["higher"]} {
  for (std::size_t row = 0; row < rowTexts_.size(); ++row) {
    for (std::size_t column = 0; column < rowKeys.size(); ++column) {
      rowTexts_[row][column] = &document_[rowNames[row]][rowKeys[column]];
    }
  }
}

void JsonResultWriter::Append(std::string_view required, const CalculatorState& state,
                              const TextForm& form) {
  SetText(input_, required);
  if (const auto& message = form.Message()) {
    message_ = Json{{"title", message->title}, {"text", message->text}};
  } else {
    message_ = nullptr;
  }
  for (std::size_t row = 0; row < rowTexts_.size(); ++row) {
    const ResultRowFields& fields = *rowFields[row];
    const std::array<ControlId, 7> ids{fields.actual,   fields.r1,    fields.r1Series,  fields.r2,
                                       fields.r2Series, fields.error, fields.connection};
    for (std::size_t column = 0; column < ids.size(); ++column) {
      SetText(*rowTexts_[row][column], form.Field(ids[column]));
    }
  }
  const auto lines = form.MatchLines();
  Json::array_t& list = Resize(list_, lines.size());
  for (std::size_t line = 0; line < lines.size(); ++line) SetText(list[line], lines[line]);
  SetBands(r1Bands_, state.r1Bands, true, state);
  SetBands(r2Bands_, state.r2Bands, false, state);
  const double threshold = state.alertThreshold();
  *alerts_[0] = state.bestAbsError > threshold;
  *alerts_[1] = state.lowerAbsError > threshold;
  *alerts_[2] = state.higherAbsError > threshold;
  serializer_.dump(document_, false, false, 0);
  out_ += '\n';
}

}  // namespace tamblor::cli
