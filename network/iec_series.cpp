#include "network/iec_series.h"

#include <array>
#include <cassert>

#include "values/series.h"

namespace tamblor {

namespace {

// Significant digits of mantissas in [1, 10): 1.1 is 11 at two digits, 1.02 is 102 at three.
template <std::size_t Size>
constexpr std::array<int, Size> DigitsOf(const std::array<double, Size>& mantissas, int scale) {
  std::array<int, Size> digits{};
  for (std::size_t i = 0; i < Size; ++i) digits[i] = static_cast<int>(mantissas[i] * scale + 0.5);
  return digits;
}

// Each coarser series is every other value of the next finer one.
template <std::size_t Size>
constexpr std::array<int, Size / 2> EveryOther(const std::array<int, Size>& finer) {
  std::array<int, Size / 2> coarser{};
  for (std::size_t i = 0; i < coarser.size(); ++i) coarser[i] = finer[2 * i];
  return coarser;
}

constexpr std::array<int, 24> e24 = DigitsOf(E24_MANTISSAS, 10);
constexpr std::array<int, 12> e12 = EveryOther(e24);
constexpr std::array<int, 6> e6 = EveryOther(e12);
constexpr std::array<int, 3> e3 = EveryOther(e6);
constexpr std::array<int, 96> e96 = DigitsOf(E96_MANTISSAS, 100);
constexpr std::array<int, 48> e48 = EveryOther(e96);
// 920, not the 919 that the formula gives: the standard's value.
constexpr std::array<int, 192> e192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

}  // namespace

SignificantDigits SeriesDigits(PartOrigin series) {
  switch (series) {
    case PartOrigin::E3:
      return {e3, 2};
    case PartOrigin::E6:
      return {e6, 2};
    case PartOrigin::E12:
      return {e12, 2};
    case PartOrigin::E24:
      return {e24, 2};
    case PartOrigin::E48:
      return {e48, 3};
    case PartOrigin::E96:
      return {e96, 3};
    case PartOrigin::E192:
      return {e192, 3};
    case PartOrigin::Stock:
      break;
  }
  assert(false && "a stock list has no series table");
  return {};
}

}  // namespace tamblor
