#include "ui/divider_rows.h"

#include <charconv>
#include <limits>

#include "values/error_percent.h"
#include "values/value_text.h"

namespace tamblor {
namespace {

constexpr int ratioDecimals = 6;
constexpr int voltDecimals = 4;

std::string Range(const std::string& low, const std::string& high) { return low + " .. " + high; }

}  // namespace

std::string DecimalText(double number, int decimals) {
  char text[400];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, decimals);
  return error == std::errc() ? std::string(text, end) : std::string();
}

std::vector<ResultRow> DividerRows(std::span<const DividerResult> results,
                                   std::span<const Part> parts) {
  std::vector<ResultRow> rows;
  rows.reserve(results.size());
  for (const DividerResult& result : results) {
    ResultRow& row = rows.emplace_back();
    std::string output;
    if (result.output) {
      output = DecimalText(result.output->nominal, voltDecimals) + " V (" +
               Range(DecimalText(result.output->low, voltDecimals),
                     DecimalText(result.output->high, voltDecimals)) +
               ")";
    }
    row.cells = {std::string(result.top.text.view()),
                 std::string(result.bottom.text.view()),
                 DecimalText(result.ratio, ratioDecimals),
                 std::string(ErrorPercentText(result.error).view()),
                 std::string(FormatValueText(result.total).view()),
                 Range(DecimalText(result.worst.low, ratioDecimals),
                       DecimalText(result.worst.high, ratioDecimals)),
                 output};
    row.sortKeys = {
        result.top.value,
        result.bottom.value,
        result.ratio,
        result.error,
        result.total,
        result.worst.low,
        result.output ? result.output->nominal : std::numeric_limits<double>::quiet_NaN()};
    for (const DividerLeg* leg : {&result.top, &result.bottom})
      for (int i = 0; i < leg->parts; ++i)
        row.parts.push_back(parts[static_cast<std::size_t>(leg->resistors[i])]);
  }
  return rows;
}

}  // namespace tamblor
