#include "ui/part_choices.h"

#include "network/exact_value.h"
#include "network/number_text.h"

namespace tamblor {
namespace {

constexpr std::array<PartOrigin, seriesCount> allSeries{
    PartOrigin::E3,  PartOrigin::E6,  PartOrigin::E12, PartOrigin::E24,
    PartOrigin::E48, PartOrigin::E96, PartOrigin::E192};

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<std::vector<double>> ReadExclusions(std::string_view list) {
  std::vector<double> values;
  while (!list.empty()) {
    const auto comma = list.find(',');
    const std::string_view item = Trimmed(list.substr(0, comma));
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    if (item.empty()) continue;
    const std::optional<double> ohms = ExactOhmsFromText(item);
    if (!ohms) return std::nullopt;
    values.push_back(*ohms);
  }
  return values;
}

}  // namespace

std::optional<double> ReadVolts(std::string_view text) {
  const std::optional<double> volts = ReadNumberText(Trimmed(text));
  if (!volts || !(*volts > 0.0)) return std::nullopt;
  return volts;
}

std::optional<double> ReadBound(std::string_view text) {
  const std::optional<double> ohms = ExactOhmsFromText(Trimmed(text));
  if (!ohms || !(*ohms > 0.0)) return std::nullopt;
  return ohms;
}

std::optional<double> ReadTolerance(std::string_view text) {
  const std::optional<double> percent = ReadNumberText(text);
  if (!percent || !IsPartTolerance(*percent)) return std::nullopt;
  return percent;
}

std::variant<PartChoices, FinderInput> ReadPartChoices(const PartChoiceTexts& texts) {
  PartChoices choices;
  if (!texts.fromStock) {
    // Finest first: a value in several sets is the part of the finest, at its tolerance, as
    // `--series e96,e24` makes the mix of a 1 % line.
    for (int i = seriesCount - 1; i >= 0; --i)
      if (texts.series[i]) choices.series.push_back(allSeries[i]);
    if (choices.series.empty()) return FinderInput::Series;
  }
  const std::optional<double> min = ReadBound(texts.min);
  if (!min) return FinderInput::Min;
  const std::optional<double> max = ReadBound(texts.max);
  if (!max) return FinderInput::Max;
  if (*min > *max) return FinderInput::MinAboveMax;
  std::optional<std::vector<double>> excluded = ReadExclusions(texts.exclude);
  if (!excluded) return FinderInput::Exclude;
  choices.bounds = {*min, *max, std::move(*excluded)};
  if (const std::string_view tolerance = Trimmed(texts.tolerance); !tolerance.empty()) {
    choices.tolerance = ReadTolerance(tolerance);
    if (!choices.tolerance) return FinderInput::Tolerance;
  }
  return choices;
}

std::vector<Part> ChosenParts(const PartChoices& choices, std::span<const Part> stock) {
  if (choices.series.empty()) return BoundedParts(stock, choices.bounds);
  return SeriesParts(choices.series, choices.bounds);
}

}  // namespace tamblor
