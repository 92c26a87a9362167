#include "cli/part_output.h"

#include <algorithm>

#include "cli/human_output.h"

namespace tamblor::cli {
namespace {

void AppendCode(const std::optional<MarkingCode>& code, JsonLineWriter& json) {
  if (code) {
    json.Text(code->view());
  } else {
    json.Null();
  }
}

}  // namespace

void AppendMarkingsJson(const Markings& markings, JsonLineWriter& json) {
  json.Key("bands");
  if (markings.bands) {
    json.BeginArray();
    for (int band = 0; band < markings.bands->size; ++band) json.Text(markings.bands->names[band]);
    json.EndArray();
  } else {
    json.Null();
  }
  json.Key("smd");
  AppendCode(markings.smd, json);
  json.Key("eia96");
  AppendCode(markings.eia96, json);
}

void AppendResistorJson(const Part& part, JsonLineWriter& json) {
  json.BeginObject();
  json.Key("text");
  json.Text(part.text.view());
  json.Key("value");
  json.Number(part.ohms);
  json.Key("series");
  json.Text(OriginName(part.origin));
  json.Key("tolerance");
  json.Number(part.tolerance);
  AppendMarkingsJson(MarkingsOf(part), json);
  json.EndObject();
}

void AppendMarkingsText(const Markings& markings, std::string& out) {
  const std::size_t start = out.size();
  const auto separate = [&] {
    if (out.size() > start) out += ", ";
  };
  if (markings.bands) {
    for (int band = 0; band < markings.bands->size; ++band) {
      if (band > 0) out += ' ';
      out += markings.bands->names[band];
    }
  }
  if (markings.smd) {
    separate();
    out.append("SMD ").append(markings.smd->view());
  }
  if (markings.eia96) {
    separate();
    out.append("EIA-96 ").append(markings.eia96->view());
  }
  if (out.size() == start) out += "no markings";
}

void AppendPartsMarkingsText(std::span<const Part> parts, std::span<const int> indices,
                             std::string& out) {
  for (auto index = indices.begin(); index != indices.end(); ++index) {
    if (std::find(indices.begin(), index, *index) != index) continue;
    if (index != indices.begin()) out += "; ";
    const Part& part = parts[static_cast<std::size_t>(*index)];
    out.append(part.text.view()).append(1, ' ');
    AppendMarkingsText(MarkingsOf(part), out);
  }
}

void AppendResistorsJson(std::span<const Part> parts, std::span<const int> indices,
                         JsonLineWriter& json) {
  json.Key("resistors");
  json.BeginArray();
  for (int index : indices) AppendResistorJson(parts[static_cast<std::size_t>(index)], json);
  json.EndArray();
}

void AppendWorstJson(const WorstCase& worst, JsonLineWriter& json) {
  json.Key("worst");
  json.BeginObject();
  json.Key("low");
  json.Number(worst.low);
  json.Key("high");
  json.Number(worst.high);
  json.Key("error");
  json.Number(worst.error);
  json.EndObject();
}

void AppendMessageJson(const std::optional<InputMessage>& message, JsonLineWriter& json) {
  json.Key("message");
  if (!message) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("title");
  json.Text(message->title);
  json.Key("text");
  json.Text(message->text);
  json.EndObject();
}

bool StartHumanBlock(std::string_view input, const std::optional<InputMessage>& message, bool first,
                     Output& output) {
  std::string& out = output.Text();
  if (!first) out += '\n';
  AppendEscaped(input, out);
  out += '\n';
  if (!message) return true;
  std::string line(message->title);
  line.append(": ").append(message->text);
  output.Message(line);
  return false;
}

}  // namespace tamblor::cli
