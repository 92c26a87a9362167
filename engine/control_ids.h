#pragma once

#include <array>

namespace tamblor {

// Ids of the calculator form's controls; the desktop form uses them as its window ids.
enum ControlId : int {
  IDC_REQUIRED = 1000,
  IDC_CALCULATE = 1001,
  IDC_LOWER_ACTUAL = 1002,
  IDC_LOWER_R1 = 1003,
  IDC_LOWER_R2 = 1004,
  IDC_HIGHER_R1_SERIES = 1005,
  IDC_BEST_ACTUAL = 1006,
  IDC_BEST_R1 = 1007,
  IDC_BEST_R2 = 1008,
  IDC_BEST_R1_SERIES = 1009,
  IDC_LOWER_ERROR = 1010,
  IDC_BEST_ERROR = 1011,
  IDC_HIGHER_ACTUAL = 1012,
  IDC_HIGHER_R1 = 1013,
  IDC_HIGHER_R2 = 1014,
  IDC_LOWER_R1_SERIES = 1015,
  IDC_HIGHER_ERROR = 1016,
  IDC_LOWER_CONNECTION = 1017,
  IDC_BEST_CONNECTION = 1018,
  IDC_HIGHER_CONNECTION = 1019,
  IDC_HIGHER_R2_SERIES = 1020,
  IDC_MATCH_LIST = 1021,
  IDC_SERIES_E24 = 1022,
  IDC_SERIES_E96 = 1023,
  IDC_TOLERANCE_1 = 1024,
  IDC_TOLERANCE_01 = 1025,
  IDC_E24_MIN = 1026,
  IDC_E24_MAX = 1027,
  IDC_E96_MIN = 1028,
  IDC_E96_MAX = 1029,
  IDC_BEST_R2_SERIES = 1030,
  IDC_LOWER_R2_SERIES = 1031,
  IDC_TOLERANCE_GROUP = 1032,
  IDC_E96_MIN_LABEL = 1033,
  IDC_E96_MAX_LABEL = 1034,
  IDC_BAND_PICTURE = 1035,
};

// The seven fields of one result row, in column order: actual value, R1, R1 series, R2,
// R2 series, error in percent, connection.
struct ResultRowFields {
  ControlId actual, r1, r1Series, r2, r2Series, error, connection;
};

inline constexpr ResultRowFields LOWER_ROW{
    IDC_LOWER_ACTUAL,    IDC_LOWER_R1,    IDC_LOWER_R1_SERIES, IDC_LOWER_R2,
    IDC_LOWER_R2_SERIES, IDC_LOWER_ERROR, IDC_LOWER_CONNECTION};
inline constexpr ResultRowFields BEST_ROW{
    IDC_BEST_ACTUAL,    IDC_BEST_R1,    IDC_BEST_R1_SERIES, IDC_BEST_R2,
    IDC_BEST_R2_SERIES, IDC_BEST_ERROR, IDC_BEST_CONNECTION};
inline constexpr ResultRowFields HIGHER_ROW{
    IDC_HIGHER_ACTUAL,    IDC_HIGHER_R1,    IDC_HIGHER_R1_SERIES, IDC_HIGHER_R2,
    IDC_HIGHER_R2_SERIES, IDC_HIGHER_ERROR, IDC_HIGHER_CONNECTION};

}  // namespace tamblor
