#include "cli/network_run.h"

#include "cli/part_output.h"
#include "values/error_percent.h"
#include "values/value_text.h"

namespace tamblor::cli {
namespace {

constexpr std::string_view partCountHeadings[] = {"", "1 part", "2 parts", "3 parts", "4 parts"};

}  // namespace

NetworkRun::NetworkRun(const CommandLine& commandLine, Output& output)
    : json_(commandLine.json),
      query_(commandLine.network),
      setUpFailure_(query_.SetUpFailure()),
      output_(output),
      jsonWriter_(output.Text()) {}

void NetworkRun::Value(std::string_view input) {
  const TargetReading target = ReadTarget(input);
  const std::optional<InputMessage> message = target.message ? target.message : setUpFailure_;
  results_.clear();
  if (!message) query_.Find(target.ohms, results_);
  if (json_) {
    AppendJson(input, target, message);
  } else {
    AppendHuman(input, message);
  }
  anyWithoutResult_ = anyWithoutResult_ || message || results_.empty();
  ++valueCount_;
  output_.WriteIfFull();
}

void NetworkRun::AppendJson(std::string_view input, const TargetReading& target,
                            const std::optional<InputMessage>& message) {
  JsonLineWriter& json = jsonWriter_;
  json.BeginObject();
  json.Key("input");
  json.Text(input);
  json.Key("target");
  if (target.message) {
    json.Null();
  } else {
    json.Number(target.ohms);
  }
  AppendMessageJson(message, json);
  json.Key("results");
  json.BeginArray();
  for (const NetworkResult& result : results_) {
    json.BeginObject();
    json.Key("parts");
    json.Integer(result.parts);
    json.Key("network");
    json.Text(result.text.view());
    json.Key("value");
    json.Number(result.value);
    json.Key("error");
    json.Number(result.error);
    AppendWorstJson(result.worst, json);
    AppendResistorsJson(query_.Parts(), std::span(result.resistors.data(), result.parts), json);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.EndLine();
}

void NetworkRun::AppendHuman(std::string_view input, const std::optional<InputMessage>& message) {
  if (!StartHumanBlock(input, message, valueCount_ == 0, output_)) return;
  std::string& out = output_.Text();
  if (results_.empty()) {
    out += "  no network within the bounds\n";
    return;
  }
  columns_.Clear();
  int heading = 0;
  for (const NetworkResult& result : results_) {
    if (result.parts != heading) {
      heading = result.parts;
      columns_.Heading(partCountHeadings[heading]);
    }
    columns_.Row({result.text.view(), FormatValueText(result.value).view(),
                  ErrorPercentText(result.error).view(), FormatValueText(result.worst.low).view(),
                  "..", FormatValueText(result.worst.high).view(),
                  ErrorPercentText(result.worst.error).view()});
    remark_.clear();
    AppendPartsMarkingsText(query_.Parts(), std::span(result.resistors.data(), result.parts),
                            remark_);
    columns_.Remark(remark_);
  }
  columns_.AppendTo(out, "  ", "    ");
}

}  // namespace tamblor::cli
