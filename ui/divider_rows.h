#pragma once

#include <span>
#include <string>
#include <vector>

#include "network/divider_query.h"
#include "ui/result_row.h"

namespace tamblor {

// The divider finder's columns: top, bottom, ratio, error, total, worst-case range, output voltage.
inline constexpr int dividerColumnCount = 7;

// A number written with `decimals` places whatever the process's locale: the toolkit sets it from
// the environment, and a decimal comma has no place in a result.
std::string DecimalText(double number, int decimals);

// The results as rows, in their order: legs and the total in the value notation, the ratio and its
// range with six places, the error as "%+.4f", the output "NOMINAL V (LOW .. HIGH)" where the
// target named voltages and empty otherwise.
std::vector<ResultRow> DividerRows(std::span<const DividerResult> results,
                                   std::span<const Part> parts);

}  // namespace tamblor
