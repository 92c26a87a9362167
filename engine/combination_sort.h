#pragma once

#include <span>

#include "engine/combination_table.h"

namespace tamblor {

// Quicksort by combined value with the first record of each range as pivot. Not stable: the order
// of equal values is the one this exact procedure gives, and the table's users depend on it.
void SortCombinations(std::span<Combination> records);

}  // namespace tamblor
