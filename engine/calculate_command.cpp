#include "engine/calculate_command.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "engine/combination_table.h"
#include "engine/search.h"
#include "values/band_code.h"
#include "values/error_percent.h"
#include "values/value_text.h"

namespace tamblor {

namespace {

using BoxReading = FixedText<boxTextLength + 1>;

constexpr std::string_view validationErrorTitle = "Validation Error";
constexpr std::string_view limitsErrorTitle = "Limits Error";
constexpr std::string_view inputValueErrorTitle = "Input Value Error";

// One limit box as its own check and Calculate read it.
struct LimitBox {
  ControlId box;
  double SeriesLimits::*limit;
  FieldText& acceptedText;
  std::string_view notNumberMessage;
  std::string_view belowOneOhmMessage;  // empty for a maximum: no lower bound applies
};

// The limit boxes in the order Calculate checks them.
constexpr ControlId limitBoxes[] = {IDC_E24_MIN, IDC_E24_MAX, IDC_E96_MIN, IDC_E96_MAX};

// The E96 texts are kept per tolerance; the one chosen now receives the accepted text.
std::optional<LimitBox> LimitBoxOf(CalculatorState& state, ControlId box) {
  switch (box) {
    case IDC_E24_MIN:
      return LimitBox{box, &SeriesLimits::e24Min, state.e24MinText,
                      "E24 minimum value is not a valid number", "E24 minimum value is 1 ohm"};
    case IDC_E24_MAX:
      return LimitBox{box,
                      &SeriesLimits::e24Max,
                      state.e24MaxText,
                      "E24 maximum value is not a valid number",
                      {}};
    case IDC_E96_MIN:
      return LimitBox{box, &SeriesLimits::e96Min, state.e96MinText(),
                      "E96 minimum value is not a valid number", "E96 minimum value is 1 ohm"};
    case IDC_E96_MAX:
      return LimitBox{box,
                      &SeriesLimits::e96Max,
                      state.e96MaxText(),
                      "E96 maximum value is not a valid number",
                      {}};
    default:
      return std::nullopt;
  }
}

// The box's text as its 8-byte buffer holds it; a copy, because the form's text is short-lived.
BoxReading ReadBox(FormControls& form, ControlId box) { return BoxReading(form.BoxText(box)); }

void RejectBox(FormControls& form, ControlId box, std::string_view message,
               std::string_view title) {
  form.ShowStopMessage(message, title);
  form.SetFocusTo(box);
}

// Reads a limit box into its limit and, when it passes, stores its text as accepted.
// A rejected minimum keeps its value in the limits but not its text.
bool CheckLimitBox(CalculatorState& state, FormControls& form, const LimitBox& limitBox) {
  const BoxReading text = ReadBox(form, limitBox.box);
  const auto parsed = ParseValueText(text.view());
  if (!parsed) {
    RejectBox(form, limitBox.box, limitBox.notNumberMessage, validationErrorTitle);
    return false;
  }
  const double ohms = parsed->ohms();
  state.limits.*limitBox.limit = ohms;
  // Written so that a value that can't be compared counts as below 1 ohm.
  if (!limitBox.belowOneOhmMessage.empty() && !(ohms >= 1.0)) {
    RejectBox(form, limitBox.box, limitBox.belowOneOhmMessage, limitsErrorTitle);
    return false;
  }
  limitBox.acceptedText.assign(text.view());
  return true;
}

bool CheckAllLimitBoxes(CalculatorState& state, FormControls& form) {
  return std::ranges::all_of(limitBoxes, [&](ControlId box) {
    return CheckLimitBox(state, form, *LimitBoxOf(state, box));
  });
}

struct AllowedRange {
  double lowest = 0.0;
  double highest = 0.0;
  double quotedLowest = 0.0;  // the lowest value as the too-low message quotes it
};

AllowedRange AllowedRangeOf(bool E24ONLY, bool USE_1PC, const SeriesLimits& limits) {
  if (E24ONLY) {
    const double lowest = limits.e24Min / 2;
    return {lowest, 2 * limits.e24Max, lowest};
  }
  if (USE_1PC) {
    const double lowest = 1 / (1 / limits.e24Min + 1 / limits.e96Min);
    return {lowest, limits.e24Max + limits.e96Max, lowest};
  }
  // The smallest pair at 0.1 %: the E96 minimum in parallel with ten times the smallest E24 value
  // not below it.
  std::int32_t minimumExponent = 0;
  const double minimumMantissa = NormaliseValue(limits.e96Min, minimumExponent);
  const double trimmer = std::pow(10.0, minimumExponent) * NextE24AtOrAbove(minimumMantissa) * 10;
  const double lowest = 1 / (1 / trimmer + 1 / limits.e96Min);
  return {lowest, limits.e24Max / 100 + limits.e96Max, lowest + 0.001};
}

void ClearResults(CalculatorState& state, FormControls& form) {
  for (int lines = form.MatchListCount(); lines > 0; --lines) {
    form.MatchListDelete(0);
  }
  state.bestAbsError = 0.0;
  state.lowerAbsError = 0.0;
  state.higherAbsError = 0.0;
  ClearResultFields(form);
  state.matchCount = 0;
  state.r1Bands.digitCount = 0;
  state.r2Bands.digitCount = 0;
}

void ShowRangeMessage(FormControls& form, const RequiredValueReading& reading) {
  if (!reading.validText) {
    form.ShowStopMessage("Requested value is not a valid number", validationErrorTitle);
    return;
  }
  const ValueText bound = FormatValueText(reading.allowedBound);
  char message[128];
  std::snprintf(
      message, sizeof message,
      reading.tooHigh
          ? "Requested value is too high for the set limits.\nMaximum allowed input value = %s"
          : "Requested value is too low for the set limits.\nMinimum allowed input value = %s",
      bound.c_str());
  form.ShowStopMessage(message, inputValueErrorTitle);
}

std::string_view SeriesName(bool fromE96) { return fromE96 ? "E96" : "E24"; }

std::string_view ConnectionName(bool parallel) { return parallel ? "in parallel" : "in series"; }

void WriteErrorField(FormControls& form, ControlId field, double errorPercent) {
  form.SetFieldText(field, ErrorPercentText(errorPercent).view());
}

// Actual value, R1, R2 and both series: the part of a row written before the band codes.
void WriteRowValues(FormControls& form, const ResultRowFields& row, const PairResult& pair) {
  form.SetFieldText(row.actual, FormatValueText(pair.actualOhms).view());
  form.SetFieldText(row.r1, FormatValueText(pair.r1Ohms).view());
  form.SetFieldText(row.r2, FormatValueText(pair.r2Ohms).view());
  form.SetFieldText(row.r1Series, SeriesName(pair.r1FromE96));
  form.SetFieldText(row.r2Series, "E24");
}

void WriteRowErrorAndConnection(FormControls& form, const ResultRowFields& row,
                                const PairResult& pair) {
  WriteErrorField(form, row.error, pair.errorPercent);
  form.SetFieldText(row.connection, ConnectionName(pair.parallel));
}

void WriteOptionalRow(FormControls& form, const ResultRowFields& row,
                      const std::optional<PairResult>& pair, double& absError) {
  if (!pair) {
    return;
  }
  absError = std::fabs(pair->errorPercent);
  WriteRowValues(form, row, *pair);
  WriteRowErrorAndConnection(form, row, *pair);
}

void ListExactMatches(CalculatorState& state, FormControls& form, const CombinationTable& table,
                      const SearchResult& result, double mantissa, std::int32_t exponent) {
  const double scale = OhmsFromMantissa(1.0, exponent);
  for (const std::int32_t index : result.exactMatches) {
    if (state.matchCount >= matchEntryCapacity) {
      return;
    }
    const PairResult pair = MakePairResult(table, index, mantissa, scale);
    MatchEntry& entry = state.matchEntries[state.matchCount];
    entry.r1Text = FormatValueText(pair.r1Ohms).view();
    entry.r1Series = SeriesName(pair.r1FromE96);
    entry.r2Text = FormatValueText(pair.r2Ohms).view();
    entry.connection = ConnectionName(pair.parallel);
    ++state.matchCount;

    char line[96];
    std::snprintf(line, sizeof line, "R1 (%s) = %s\tR2 (E24) = %s\t%s", entry.r1Series.c_str(),
                  entry.r1Text.c_str(), entry.r2Text.c_str(), entry.connection.c_str());
    form.MatchListAdd(line);
  }
}

void ShowMatchList(CalculatorState& state, FormControls& form, const CombinationTable& table,
                   const SearchResult& result, double mantissa, std::int32_t exponent) {
  if (result.exactCount == 0) {
    form.MatchListAdd("no exact matches found");
  } else if (result.exactCount == 1) {
    form.MatchListAdd("no additional matches meeting criteria found");
  } else {
    ListExactMatches(state, form, table, result, mantissa, exponent);
  }
}

double OhmsOfText(std::string_view text) {
  return ParseValueText(text).value_or(ParsedValue{}).ohms();
}

}  // namespace

RequiredValueReading ParseRequiredValueText(std::string_view text, bool E24ONLY, bool USE_1PC,
                                            const SeriesLimits& limits) {
  RequiredValueReading reading;
  const auto ohms = ParseValueTextOhms(text);
  if (!ohms) {
    return reading;
  }
  reading.validText = true;
  const AllowedRange range = AllowedRangeOf(E24ONLY, USE_1PC, limits);
  if (*ohms < range.lowest) {
    reading.allowedBound = range.quotedLowest;
    return reading;
  }
  if (*ohms > range.highest) {
    reading.tooHigh = true;
    reading.allowedBound = range.highest;
    return reading;
  }
  reading.ok = true;
  reading.mantissa = NormaliseValue(*ohms, reading.exponent);
  return reading;
}

void OnCalculate(CalculatorState& state, FormControls& form) {
  if (!CheckAllLimitBoxes(state, form)) {
    return;
  }

  const BoxReading required = ReadBox(form, IDC_REQUIRED);
  if (required.empty()) {
    return;
  }
  const auto parsed = ParseValueText(required.view());
  if (!parsed) {
    RejectBox(form, IDC_REQUIRED, "Requested value is not a valid number", validationErrorTitle);
    return;
  }
  if (parsed->mantissa == 0.0) {
    RejectBox(form, IDC_REQUIRED, "Required value must be at least 1 ohm", limitsErrorTitle);
    return;
  }

  ClearResults(state, form);

  const RequiredValueReading reading =
      ParseRequiredValueText(required.view(), state.E24ONLY, state.USE_1PC, state.limits);
  if (!reading.ok) {
    ShowRangeMessage(form, reading);
    return;
  }

  const CombinationTable& table = SharedCombinationTable();
  const SearchResult result = SearchCombinations(table, reading.mantissa, reading.exponent,
                                                 state.E24ONLY, state.USE_1PC, state.limits);
  switch (result.kind) {
    case SearchKind::NoPair:
      form.MatchListAdd("no pairs meeting criteria found");
      return;
    case SearchKind::DirectHit:
      form.SetFieldText(BEST_ROW.actual, required.view());
      form.SetFieldText(BEST_ROW.r1, required.view());
      form.SetFieldText(BEST_ROW.r1Series, SeriesName(result.directFromE96));
      SetBandCode(state, form, result.directOhms, result.directFromE96, true);
      return;
    case SearchKind::Pairs:
      break;
  }

  const PairResult& best = result.best;
  state.bestAbsError = std::fabs(best.errorPercent);
  WriteRowValues(form, BEST_ROW, best);
  SetBandCode(state, form, best.r1Ohms, best.r1FromE96, true);
  SetBandCode(state, form, best.r2Ohms, false, false);
  WriteRowErrorAndConnection(form, BEST_ROW, best);

  ShowMatchList(state, form, table, result, reading.mantissa, reading.exponent);
  WriteOptionalRow(form, LOWER_ROW, result.lower, state.lowerAbsError);
  WriteOptionalRow(form, HIGHER_ROW, result.higher, state.higherAbsError);
}

void OnMatchListDoubleClick(CalculatorState& state, FormControls& form) {
  // A single line is a message or a lone match, which the best row already shows.
  if (form.MatchListCount() < 2) {
    return;
  }
  const int line = form.MatchListCurrent();
  if (line < 0 || line >= state.matchCount) {
    return;
  }
  const MatchEntry& entry = state.matchEntries[line];
  form.SetFieldText(BEST_ROW.r1, entry.r1Text.view());
  form.SetFieldText(BEST_ROW.r2, entry.r2Text.view());
  form.SetFieldText(BEST_ROW.r1Series, entry.r1Series.view());
  form.SetFieldText(BEST_ROW.connection, entry.connection.view());
  SetBandCode(state, form, OhmsOfText(entry.r1Text.view()), !state.E24ONLY, true);
  SetBandCode(state, form, OhmsOfText(entry.r2Text.view()), false, false);
}

bool SetBandCode(CalculatorState& state, FormControls& form, double ohms, bool isE96, bool isR1) {
  (isR1 ? state.r1Bands : state.r2Bands) = ComputeBandCode(ohms, isE96, state.e24BandCount);
  form.RepaintBands();
  return true;
}

void ClearResultFields(FormControls& form) {
  for (const ResultRowFields& row : {LOWER_ROW, BEST_ROW, HIGHER_ROW}) {
    for (const ControlId field :
         {row.actual, row.r1, row.r1Series, row.r2, row.r2Series, row.error, row.connection}) {
      form.SetFieldText(field, {});
    }
  }
}

void OnLimitBoxKillFocus(CalculatorState& state, FormControls& form, ControlId box) {
  if (const auto limitBox = LimitBoxOf(state, box)) CheckLimitBox(state, form, *limitBox);
}

}  // namespace tamblor
