#include "cli/network_options.h"

#include <CLI/CLI.hpp>
#include <utility>

#include "cli/human_output.h"
#include "network/exact_value.h"
#include "network/number_text.h"
#include "network/part_set.h"
#include "network/stock_file.h"

namespace tamblor::cli {
namespace {

constexpr std::string_view notationHint = " (4k7, 51R1, 1M)";

// Calls `visit` with each item of a comma-separated list; stops at the first problem it returns.
template <typename Visit>
std::optional<std::string> ForEachListItem(std::string_view list, Visit visit) {
  for (std::size_t start = 0;;) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    if (std::optional<std::string> problem = visit(list.substr(start, comma - start))) {
      return problem;
    }
    if (comma == list.size()) return std::nullopt;
    start = comma + 1;
  }
}

std::optional<std::string> ReadBounds(const GivenPartOptions& given, PartBounds& bounds) {
  if (auto problem = ReadBound("--min", given.min, bounds.min)) return problem;
  if (auto problem = ReadBound("--max", given.max, bounds.max)) return problem;
  if (bounds.min > bounds.max) {
    return "--min: " + Quoted(given.min) + " is above --max " + Quoted(given.max);
  }
  if (given.exclude.empty()) return std::nullopt;
  return ForEachListItem(given.exclude, [&bounds](std::string_view item) {
    const std::optional<double> ohms = ExactOhmsFromText(item);
    if (!ohms || item.empty()) {
      return std::optional<std::string>{"--exclude: " + Quoted(item) +
                                        " is not a value in the notation" +
                                        std::string{notationHint}};
    }
    bounds.excluded.push_back(*ohms);
    return std::optional<std::string>{};
  });
}

std::optional<std::string> ReadTolerance(const std::string& text, double& percent) {
  const std::optional<double> read = ReadNumberText(text);
  if (!read) return "--tolerance: " + Quoted(text) + " is not a number";
  if (!IsPartTolerance(*read)) return "--tolerance: " + Quoted(text) + " is not from 0 up to 100";
  percent = *read;
  return std::nullopt;
}

}  // namespace

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  AppendEscaped(text, quoted);
  return quoted += '"';
}

std::optional<std::string> ReadBound(std::string_view option, std::string_view text, double& ohms) {
  const std::optional<double> read = ExactOhmsFromText(text);
  if (!read || text.empty()) {
    return std::string{option} + ": " + Quoted(text) + " is not a value in the notation" +
           std::string{notationHint};
  }
  if (!(*read > 0.0)) return std::string{option} + ": " + Quoted(text) + " is not above zero";
  ohms = *read;
  return std::nullopt;
}

std::optional<std::string> ReadSeriesList(std::string_view option, std::string_view list,
                                          std::vector<PartOrigin>& series) {
  series.clear();
  return ForEachListItem(list, [&](std::string_view name) {
    const std::optional<PartOrigin> one = SeriesFromName(name);
    if (!one) {
      return std::optional<std::string>{std::string{option} + ": unknown set " + Quoted(name) +
                                        " (e3, e6, e12, e24, e48, e96, e192)"};
    }
    series.push_back(*one);
    return std::optional<std::string>{};
  });
}

void DefinePartOptions(CLI::App& command, GivenPartOptions& given) {
  CLI::Option* series =
      command
          .add_option("--series", given.series,
                      "Value sets to take parts from, comma-separated: e3, e6, e12, e24, e48, "
                      "e96, e192; a value in several is a part of the first (default e24)")
          ->option_text("LIST");
  command
      .add_option("--stock", given.stock,
                  "Take parts from a stock file instead: one part a line, VALUE [TOL%] [COUNT] "
                  "(5 % and any count when left out), # starts a comment; a regular file of at "
                  "most 1 MiB")
      ->option_text("FILE")
      ->excludes(series);
  command.add_option("--min", given.min, "Smallest part allowed (default 1R)")->option_text("TEXT");
  command.add_option("--max", given.max, "Largest part allowed (default 10M)")->option_text("TEXT");
  command.add_option("--exclude", given.exclude, "Part values not to use, comma-separated")
      ->option_text("LIST");
}

void DefineRankingOptions(CLI::App& command, GivenPartOptions& given, std::string_view topHelp) {
  command.add_option("--top", given.top, std::string{topHelp})
      ->check(CLI::Range(1, maxTopCount))
      ->option_text("K");
  command
      .add_option("--tolerance", given.tolerance,
                  "Tolerance in percent of every part, stock parts included (default: the set's "
                  "own: E3, E6 20; E12 10; E24 5; E48 2; E96 1; E192 0.5; stock as listed)")
      ->option_text("PCT");
  command
      .add_option("--rank", given.rank,
                  "Rank by the error at the parts' values, or by the worst case within their "
                  "tolerances (default error)")
      ->check(CLI::IsMember({"error", "worst"}))
      ->option_text("error|worst");
}

std::optional<std::string> ReadPartOptions(const CLI::App& command, const GivenPartOptions& given,
                                           PartChoices& choices) {
  PartBounds bounds;
  if (auto problem = ReadBounds(given, bounds)) return problem;
  if (command.get_option("--stock")->count() > 0) {
    const StockFileReading stock = ReadStockFile(given.stock);
    if (stock.failure) return "--stock: " + *stock.failure;
    choices.parts = BoundedParts(stock.parts, bounds);
  } else {
    std::vector<PartOrigin> series;
    if (auto problem = ReadSeriesList("--series", given.series, series)) return problem;
    choices.parts = SeriesParts(series, bounds);
  }
  choices.tolerance.reset();
  if (command.get_option("--tolerance")->count() > 0) {
    if (auto problem = ReadTolerance(given.tolerance, choices.tolerance.emplace())) return problem;
  }
  choices.top = given.top;
  choices.ranking = given.rank == "worst" ? Ranking::WorstCase : Ranking::Error;
  return std::nullopt;
}

void DefineNetworkOptions(CLI::App& command, GivenNetworkOptions& given) {
  DefinePartOptions(command, given.parts);
  command.add_option("--max-parts", given.maxParts, "Networks of 1 up to N parts (default 3)")
      ->check(CLI::Range(1, maxNetworkParts))
      ->option_text("1-4");
  DefineRankingOptions(command, given.parts,
                       "Networks shown per part count, best first (default 3, at most 100)");
}

std::optional<std::string> BuildNetworkRequest(const CLI::App& command,
                                               const GivenNetworkOptions& given,
                                               NetworkRequest& request) {
  PartChoices choices;
  if (auto problem = ReadPartOptions(command, given.parts, choices)) return problem;
  request.parts = std::move(choices.parts);
  request.tolerance = choices.tolerance;
  request.maxParts = given.maxParts;
  request.top = choices.top;
  request.ranking = choices.ranking;
  return std::nullopt;
}

}  // namespace tamblor::cli
