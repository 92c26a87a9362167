#include "cli/divider_run.h"

#include <span>

#include "cli/part_output.h"
#include "values/error_percent.h"
#include "values/short_number.h"
#include "values/value_text.h"

namespace tamblor::cli {

DividerRun::DividerRun(const CommandLine& commandLine, Output& output)
    : json_(commandLine.json),
      referenceVolts_(commandLine.referenceVolts),
      query_(commandLine.divider),
      setUpFailure_(query_.SetUpFailure()),
      output_(output),
      jsonWriter_(output.Text()) {}

void DividerRun::Value(std::string_view input) {
  const RatioReading reading = ReadRatio(input, referenceVolts_);
  const std::optional<InputMessage> message = reading.message ? reading.message : setUpFailure_;
  results_.clear();
  if (!message) query_.Find(reading.target, results_);
  if (json_) {
    AppendJson(input, reading, message);
  } else {
    AppendHuman(input, reading, message);
  }
  anyWithoutResult_ = anyWithoutResult_ || message || results_.empty();
  ++valueCount_;
  output_.WriteIfFull();
}

void DividerRun::AppendLegJson(const DividerLeg& leg) {
  JsonLineWriter& json = jsonWriter_;
  json.BeginObject();
  json.Key("network");
  json.Text(leg.text.view());
  json.Key("value");
  json.Number(leg.value);
  AppendResistorsJson(query_.Parts(), std::span(leg.resistors.data(), leg.parts), json);
  json.EndObject();
}

void DividerRun::AppendJson(std::string_view input, const RatioReading& reading,
                            const std::optional<InputMessage>& message) {
  JsonLineWriter& json = jsonWriter_;
  json.BeginObject();
  json.Key("input");
  json.Text(input);
  // The ratio wanted, as read from the value; null when the value itself could not be read.
  json.Key("ratio");
  if (reading.message) {
    json.Null();
  } else {
    json.Number(reading.target.ratio);
  }
  AppendMessageJson(message, json);
  json.Key("results");
  json.BeginArray();
  for (const DividerResult& result : results_) {
    json.BeginObject();
    json.Key("parts");
    json.Integer(result.parts);
    json.Key("ratio");
    json.Number(result.ratio);
    json.Key("error");
    json.Number(result.error);
    json.Key("total");
    json.Number(result.total);
    AppendWorstJson(result.worst, json);
    json.Key("top");
    AppendLegJson(result.top);
    json.Key("bottom");
    AppendLegJson(result.bottom);
    if (result.output) {
      json.Key("output");
      json.BeginObject();
      json.Key("nominal");
      json.Number(result.output->nominal);
      json.Key("low");
      json.Number(result.output->low);
      json.Key("high");
      json.Number(result.output->high);
      json.EndObject();
    }
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.EndLine();
}

void DividerRun::AppendLegRemark(std::string_view name, const DividerLeg& leg) {
  remark_.assign(name).append(": ");
  AppendPartsMarkingsText(query_.Parts(), std::span(leg.resistors.data(), leg.parts), remark_);
  columns_.Remark(remark_);
}

void DividerRun::AppendHuman(std::string_view input, const RatioReading& reading,
                             const std::optional<InputMessage>& message) {
  if (!StartHumanBlock(input, message, valueCount_ == 0, output_)) return;
  std::string& out = output_.Text();
  const DividerTarget& target = reading.target;
  remark_.assign("wanted ratio ").append(ShortNumber(target.ratio).view());
  if (target.source == OutputSource::Input) {
    remark_.append(", ").append(ShortNumber(target.volts, "V").view()).append(" in");
  } else if (target.source == OutputSource::Reference) {
    remark_.append(", reference ").append(ShortNumber(target.volts, "V").view());
  }
  out.append("  ").append(remark_).append(1, '\n');
  if (results_.empty()) {
    out += "  no divider within the bounds\n";
    return;
  }
  columns_.Clear();
  if (target.source != OutputSource::None) {
    columns_.Row(
        {"top", "bottom", "ratio", "error", "total", "worst case", "", "output", "worst case"});
  } else {
    columns_.Row({"top", "bottom", "ratio", "error", "total", "worst case"});
  }
  for (const DividerResult& result : results_) {
    const ShortNumber ratio(result.ratio);
    const ErrorPercentText error(result.error);
    const ValueText total = FormatValueText(result.total);
    const ErrorPercentText worstError(result.worst.error);
    ratioRange_.assign(ShortNumber(result.worst.low).view())
        .append(" .. ")
        .append(ShortNumber(result.worst.high).view());
    if (result.output) {
      const ShortNumber nominal(result.output->nominal, "V");
      voltageRange_.assign(ShortNumber(result.output->low).view())
          .append(" .. ")
          .append(ShortNumber(result.output->high, "V").view());
      columns_.Row({result.top.text.view(), result.bottom.text.view(), ratio.view(), error.view(),
                    total.view(), ratioRange_, worstError.view(), nominal.view(), voltageRange_});
    } else {
      columns_.Row({result.top.text.view(), result.bottom.text.view(), ratio.view(), error.view(),
                    total.view(), ratioRange_, worstError.view()});
    }
    AppendLegRemark("top", result.top);
    AppendLegRemark("bottom", result.bottom);
  }
  columns_.AppendTo(out, "  ", "  ");
}

}  // namespace tamblor::cli
