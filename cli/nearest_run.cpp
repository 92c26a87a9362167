#include "cli/nearest_run.h"

#include "cli/part_output.h"
#include "values/error_percent.h"

namespace tamblor::cli {
namespace {

// A standard value's two columns in the human layout: its text and its error; "-" and nothing
// where there is none.
struct MatchTexts {
  explicit MatchTexts(const std::optional<StandardValueMatch>& match)
      : shown(match.has_value()),
        value(shown ? match->part.text.view() : "-"),
        error(shown ? match->error : 0.0) {}

  std::string_view Error() const { return shown ? error.view() : std::string_view{}; }

  bool shown;
  std::string_view value;
  ErrorPercentText error;
};

}  // namespace

NearestRun::NearestRun(const CommandLine& commandLine, Output& output)
    : json_(commandLine.json),
      series_(commandLine.nearestSeries),
      output_(output),
      jsonWriter_(output.Text()) {}

void NearestRun::Value(std::string_view input) {
  const TargetReading target = ReadTarget(input);
  found_.clear();
  if (!target.message) {
    for (const PartOrigin series : series_)
      found_.push_back(FindNearestValues(target.ohms, series));
  }
  if (json_) {
    AppendJson(input, target);
  } else {
    AppendHuman(input, target.message);
  }
  anyWithoutResult_ = anyWithoutResult_ || target.message;
  ++valueCount_;
  output_.WriteIfFull();
}

void NearestRun::AppendStandardValue(const std::optional<StandardValueMatch>& match) {
  JsonLineWriter& json = jsonWriter_;
  if (!match) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("text");
  json.Text(match->part.text.view());
  json.Key("value");
  json.Number(match->part.ohms);
  json.Key("error");
  json.Number(match->error);
  AppendMarkingsJson(MarkingsOf(match->part), json);
  json.EndObject();
}

void NearestRun::AppendJson(std::string_view input, const TargetReading& target) {
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
  AppendMessageJson(target.message, json);
  json.Key("series");
  json.BeginArray();
  for (std::size_t index = 0; index < found_.size(); ++index) {
    json.BeginObject();
    json.Key("series");
    json.Text(OriginName(series_[index]));
    json.Key("nearest");
    AppendStandardValue(found_[index].nearest);
    json.Key("below");
    AppendStandardValue(found_[index].below);
    json.Key("above");
    AppendStandardValue(found_[index].above);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.EndLine();
}

void NearestRun::AppendHuman(std::string_view input, const std::optional<InputMessage>& message) {
  if (!StartHumanBlock(input, message, valueCount_ == 0, output_)) return;
  std::string& out = output_.Text();
  columns_.Clear();
  columns_.Row({"set", "nearest", "", "below", "", "above", "", "nearest's markings"});
  for (std::size_t index = 0; index < found_.size(); ++index) {
    const MatchTexts nearest(found_[index].nearest);
    const MatchTexts below(found_[index].below);
    const MatchTexts above(found_[index].above);
    markings_.clear();
    if (found_[index].nearest)
      AppendMarkingsText(MarkingsOf(found_[index].nearest->part), markings_);
    columns_.Row({OriginName(series_[index]), nearest.value, nearest.Error(), below.value,
                  below.Error(), above.value, above.Error(), markings_});
  }
  columns_.AppendTo(out, "  ", "  ");
}

}  // namespace tamblor::cli
