#include "cli/divider_options.h"

#include <CLI/CLI.hpp>
#include <utility>

#include "network/number_text.h"

namespace tamblor::cli {
namespace {

std::optional<std::string> ReadTotals(const GivenDividerOptions& given, DividerRequest& request) {
  if (auto problem = ReadBound("--total-min", given.totalMin, request.totalMin)) return problem;
  if (auto problem = ReadBound("--total-max", given.totalMax, request.totalMax)) return problem;
  if (request.totalMin > request.totalMax) {
    return "--total-min: " + Quoted(given.totalMin) + " is above --total-max " +
           Quoted(given.totalMax);
  }
  return std::nullopt;
}

std::optional<std::string> ReadReference(const std::string& text, double& volts) {
  const std::optional<double> read = ReadNumberText(text);
  if (!read) return "--vref: " + Quoted(text) + " is not a number";
  if (!(*read > 0.0)) return "--vref: " + Quoted(text) + " is not above zero";
  volts = *read;
  return std::nullopt;
}

}  // namespace

void DefineDividerOptions(CLI::App& command, GivenDividerOptions& given) {
  DefinePartOptions(command, given.parts);
  command
      .add_option("--leg-parts", given.legParts,
                  "Parts per leg: 1, or 2 for a part or two in series or in parallel (default 1)")
      ->check(CLI::Range(1, maxLegParts))
      ->option_text("1|2");
  command.add_option("--total-min", given.totalMin, "Smallest total, top + bottom (default 1k)")
      ->option_text("TEXT");
  command.add_option("--total-max", given.totalMax, "Largest total, top + bottom (default 1M)")
      ->option_text("TEXT");
  command
      .add_option("--vref", given.vref,
                  "A regulator's reference in volts: each VALUE is then the output voltage it "
                  "should make, and the ratio is VREF / VALUE")
      ->option_text("VOLTS");
  DefineRankingOptions(command, given.parts, "Dividers shown, best first (default 5, at most 100)");
}

std::optional<std::string> BuildDividerRequest(const CLI::App& command,
                                               const GivenDividerOptions& given,
                                               DividerRequest& request,
                                               std::optional<double>& referenceVolts) {
  PartChoices choices;
  if (auto problem = ReadPartOptions(command, given.parts, choices)) return problem;
  if (auto problem = ReadTotals(given, request)) return problem;
  referenceVolts.reset();
  if (command.get_option("--vref")->count() > 0) {
    if (auto problem = ReadReference(given.vref, referenceVolts.emplace())) return problem;
  }
  request.parts = std::move(choices.parts);
  request.tolerance = choices.tolerance;
  request.legParts = given.legParts;
  request.top = choices.top;
  request.ranking = choices.ranking;
  return std::nullopt;
}

}  // namespace tamblor::cli
