#pragma once

#include <optional>
#include <span>
#include <vector>

#include "network/network_query.h"
#include "ui/result_row.h"

namespace tamblor {

// The network finder's columns: parts, network, value, error, worst-case range, worst-case error.
inline constexpr int networkColumnCount = 6;

// The results as rows, in their order, with the texts the command line writes: values in the
// notation, errors as "%+.4f", the range as "LOW .. HIGH". `tolerance` overrides every part's own.
std::vector<ResultRow> NetworkRows(std::span<const NetworkResult> results,
                                   std::span<const Part> parts, std::optional<double> tolerance);

}  // namespace tamblor
