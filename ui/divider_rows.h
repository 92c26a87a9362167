#pragma once

#include <span>
#include <vector>

#include "network/divider_query.h"
#include "ui/result_row.h"

namespace tamblor {

// The divider finder's columns: top, bottom, ratio, error, total, worst-case range, worst-case
// error, output voltage and its worst-case range.
inline constexpr int dividerColumnCount = 9;

// The results as rows, in their order, with the texts the command line writes: legs and the total
// in the value notation, ratios and volts to six digits, errors as "%+.4f", ranges as "LOW ..
// HIGH"; the output's cells empty where the target named no voltage.
std::vector<ResultRow> DividerRows(std::span<const DividerResult> results,
                                   std::span<const Part> parts);

}  // namespace tamblor
