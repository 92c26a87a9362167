#include "ui/divider_rows.h"

#include <limits>
#include <string>

#include "values/error_percent.h"
#include "values/short_number.h"
#include "values/value_text.h"

namespace tamblor {
namespace {

std::string Range(std::string_view low, std::string_view high) {
  return std::string(low).append(" .. ").append(high);
}

}  // namespace

std::vector<ResultRow> DividerRows(std::span<const DividerResult> results,
                                   std::span<const Part> parts) {
  constexpr double noOutput = std::numeric_limits<double>::quiet_NaN();
  std::vector<ResultRow> rows;
  rows.reserve(results.size());
  for (const DividerResult& result : results) {
    ResultRow& row = rows.emplace_back();
    std::string output, outputRange;
    if (result.output) {
      output = ShortNumber(result.output->nominal, "V").view();
      outputRange = Range(ShortNumber(result.output->low).view(),
                          ShortNumber(result.output->high, "V").view());
    }
    row.cells = {std::string(result.top.text.view()),
                 std::string(result.bottom.text.view()),
                 std::string(ShortNumber(result.ratio).view()),
                 std::string(ErrorPercentText(result.error).view()),
                 std::string(FormatValueText(result.total).view()),
                 Range(ShortNumber(result.worst.low).view(), ShortNumber(result.worst.high).view()),
                 std::string(ErrorPercentText(result.worst.error).view()),
                 output,
                 outputRange};
    const double nominal = result.output ? result.output->nominal : noOutput;
    const double low = result.output ? result.output->low : noOutput;
    row.sortKeys = {result.top.value, result.bottom.value, result.ratio, result.error, result.total,
                    result.worst.low, result.worst.error,  nominal,      low};
    for (const DividerLeg* leg : {&result.top, &result.bottom})
      for (int i = 0; i < leg->parts; ++i)
        row.parts.push_back(parts[static_cast<std::size_t>(leg->resistors[i])]);
  }
  return rows;
}

}  // namespace tamblor
