#include "ui/network_rows.h"

#include <limits>
#include <string>

#include "values/error_percent.h"
#include "values/value_text.h"

namespace tamblor {

std::vector<ResultRow> NetworkRows(std::span<const NetworkResult> results,
                                   std::span<const Part> parts, std::optional<double> tolerance) {
  constexpr double resultsOrder = std::numeric_limits<double>::quiet_NaN();
  std::vector<ResultRow> rows;
  rows.reserve(results.size());
  for (const NetworkResult& result : results) {
    ResultRow& row = rows.emplace_back();
    row.cells = {std::to_string(result.parts),
                 std::string(result.text.view()),
                 std::string(FormatValueText(result.value).view()),
                 std::string(ErrorPercentText(result.error).view()),
                 std::string(FormatValueText(result.worst.low).view()) + " .. " +
                     std::string(FormatValueText(result.worst.high).view()),
                 std::string(ErrorPercentText(result.worst.error).view())};
    row.sortKeys = {double(result.parts), resultsOrder,     result.value,
                    result.error,         result.worst.low, result.worst.error};
    for (int i = 0; i < result.parts; ++i) {
      Part part = parts[static_cast<std::size_t>(result.resistors[i])];
      part.tolerance = tolerance.value_or(part.tolerance);
      row.parts.push_back(part);
    }
  }
  return rows;
}

}  // namespace tamblor
