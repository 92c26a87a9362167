#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <tuple>
#include <utility>

#include "cli/divider_options.h"
#include "cli/network_options.h"
#include "engine/calculate_command.h"
#include "settings/form_settings.h"
#include "settings/settings_file.h"

namespace tamblor::cli {
namespace {

constexpr std::string_view programName = "tamblor-cli";
constexpr std::string_view version = TAMBLOR_VERSION;

// The options as given; an option left out leaves the settings as they are.
struct GivenOptions {
  std::string series;
  std::string tolerance;
  std::string e24Min, e24Max, e96Min, e96Max;
  std::string e24Bands, e96Bands;
  std::string settingsFile;
};

struct OptionHandles {
  CLI::Option* series;
  CLI::Option* tolerance;
  CLI::Option *e24Min, *e24Max, *e96Min, *e96Max;
  CLI::Option *e24Bands, *e96Bands;
  CLI::Option* settingsFile;
};

OptionHandles DefineOptions(CLI::App& app, GivenOptions& given, CommandLine& commandLine) {
  OptionHandles handles{};
  handles.series = app.add_option("--series", given.series, "Series of R1 (default e24)")
                       ->check(CLI::IsMember({"e24", "e96"}))
                       ->option_text("e24|e96");
  handles.tolerance =
      app.add_option("--tolerance", given.tolerance, "E96 tolerance in percent (default 1)")
          ->check(CLI::IsMember({"1", "0.1"}))
          ->option_text("1|0.1");
  handles.e24Min =
      app.add_option("--e24-min", given.e24Min, "E24 minimum (default 1R)")->option_text("TEXT");
  handles.e24Max =
      app.add_option("--e24-max", given.e24Max, "E24 maximum (default 10M)")->option_text("TEXT");
  handles.e96Min =
      app.add_option("--e96-min", given.e96Min, "E96 minimum (default 1R at 1 %, 51R1 at 0.1 %)")
          ->option_text("TEXT");
  handles.e96Max =
      app.add_option("--e96-max", given.e96Max, "E96 maximum (default 1M)")->option_text("TEXT");
  handles.e24Bands =
      app.add_option("--e24-bands", given.e24Bands, "Bands of an E24 resistor (default 4)")
          ->check(CLI::IsMember({"4", "5", "6"}))
          ->option_text("4|5|6");
  handles.e96Bands =
      app.add_option("--e96-bands", given.e96Bands, "Bands of an E96 resistor (default 5)")
          ->check(CLI::IsMember({"5", "6"}))
          ->option_text("5|6");
  handles.settingsFile =
      app.add_option("--settings", given.settingsFile,
                     "Take the choices above from a settings file (a regular file), read only; "
                     "options given as well override it")
          ->option_text("FILE");
  app.add_flag("--json", commandLine.json, "One JSON object per value, one per line");
  app.set_version_flag("--version", std::string{programName} + " " + std::string{version});
  app.add_option("VALUE", commandLine.values,
                 "Required resistances in the value notation (4k7, 51R1, 1M), at most 7 "
                 "characters each; without any, one per line from standard input")
      ->check(CLI::Validator(
          [](const std::string& value) { return value.empty() ? "empty text" : ""; }, ""));
  app.footer(
      "Exit status: 0 when every value gave a result, 1 when any stopped at a message or found no "
      "pair (all are still processed), 2 for a usage error or input that can't be read.\n\n"
      "Subcommands, named first, each with its own --help:\n"
      "  network  the best networks of 1 to 4 resistors from a set of values or a stock file\n"
      "  divider  the best voltage dividers for a ratio, an A/B of voltages or a regulator's "
      "output\n"
      "  nearest  the standard values nearest each value, in each set");
  return handles;
}

constexpr std::string_view subcommandFooter =
    "Exit status: 0 when every value gave a result, 1 when any stopped at a message or had "
    "nothing within the bounds (all are still processed), 2 for a usage error or input that "
    "can't be read.";

constexpr std::string_view resistanceValues =
    "Required resistances in the value notation (4k7, 51R1, 1M), at most 31 characters each; "
    "without any, one per line from standard input";

// The values, described by `valuesHelp`, and --json, as every subcommand takes them.
void AddValuesAndJson(CLI::App& command, CommandLine& commandLine, std::string_view valuesHelp) {
  command.add_flag("--json", commandLine.json, "One JSON object per value, one per line");
  command.add_option("VALUE", commandLine.values, std::string{valuesHelp})
      ->check(CLI::Validator(
          [](const std::string& value) { return value.empty() ? "empty text" : ""; }, ""));
  command.footer(std::string{subcommandFooter});
}

constexpr std::string_view allSeries = "e3,e6,e12,e24,e48,e96,e192";

struct Subcommands {
  CLI::App* network;
  GivenNetworkOptions networkGiven;
  CLI::App* divider;
  GivenDividerOptions dividerGiven;
  CLI::App* nearest;
  std::string nearestSeries{allSeries};
};

// Adds the subcommands, each enabled only when named first: a value of the calculator's is never
// taken for one, and its usage shows none.
void DefineSubcommands(CLI::App& app, std::string_view first, Subcommands& subcommands,
                       CommandLine& commandLine) {
  subcommands.network = app.add_subcommand(
      "network",
      "Finds the networks of 1 to 4 resistors, joined in series and in parallel, that come "
      "closest to each required value, best first for each number of parts, with the worst case "
      "within the parts' tolerances.");
  DefineNetworkOptions(*subcommands.network, subcommands.networkGiven);
  AddValuesAndJson(*subcommands.network, commandLine, resistanceValues);
  subcommands.divider = app.add_subcommand(
      "divider",
      "Finds the voltage dividers, a top leg from the input to the output and a bottom leg from "
      "the output to ground, whose ratio bottom / (top + bottom) comes closest to each required "
      "one, best first, with the worst case within the parts' tolerances and the output voltage "
      "where the value names one. Each part's colour bands and SMD and EIA-96 codes follow its "
      "leg.");
  DefineDividerOptions(*subcommands.divider, subcommands.dividerGiven);
  AddValuesAndJson(*subcommands.divider, commandLine,
                   "Required ratios: a decimal between 0 and 1 (0.275) or A/B with 0 < A < B "
                   "(3.3/12: 3.3 V out of 12 V), or with --vref the output voltage (3.3); plain "
                   "decimals, at most 31 characters each; without any, one per line from "
                   "standard input");
  subcommands.nearest = app.add_subcommand(
      "nearest",
      "Finds the standard value nearest each required value in each set, with the largest at or "
      "below it and the smallest at or above it.");
  subcommands.nearest
      ->add_option("--series", subcommands.nearestSeries,
                   "Value sets, comma-separated: e3, e6, e12, e24, e48, e96, e192 (default all "
                   "seven)")
      ->option_text("LIST");
  AddValuesAndJson(*subcommands.nearest, commandLine, resistanceValues);
  for (CLI::App* subcommand : {subcommands.network, subcommands.divider, subcommands.nearest}) {
    subcommand->disabled(subcommand->get_name() != first);
    subcommand->group("");  // the footer lists them: the usage shows the calculator's as it was
  }
}

// The arguments last first, as the parser takes them. "--name=" gives the option of `app`, the
// command named, an empty value, where the parser would take the next argument instead.
std::vector<std::string> ParserArguments(int argc, const char* const* argv, const CLI::App& app) {
  std::vector<std::string> arguments;
  bool optionsEnded = false;
  for (int index = 1; index < argc; ++index) {
    std::string text = argv[index];
    optionsEnded = optionsEnded || text == "--";
    const bool emptyValue = !optionsEnded && text.starts_with("--") && text.ends_with('=');
    const CLI::Option* option =
        emptyValue ? app.get_option_no_throw(text.substr(0, text.size() - 1)) : nullptr;
    if (option != nullptr && option->get_expected_min() > 0) {
      text.pop_back();
      arguments.push_back(std::move(text));
      arguments.emplace_back();
    } else {
      arguments.push_back(std::move(text));
    }
  }
  std::reverse(arguments.begin(), arguments.end());
  return arguments;
}

// Applies the options given over `state`, noting the first limit text longer than a box takes.
void ApplyGivenOptions(const GivenOptions& given, const OptionHandles& handles,
                       CommandLine& commandLine) {
  CalculatorState& state = commandLine.state;
  if (handles.series->count() > 0) state.E24ONLY = given.series == "e24";
  if (handles.tolerance->count() > 0) state.USE_1PC = given.tolerance == "1";
  if (handles.e24Bands->count() > 0) state.e24BandCount = given.e24Bands.front() - '0';
  if (handles.e96Bands->count() > 0) state.e96BandCount = given.e96Bands.front() - '0';
  // The E96 boxes show the texts of the tolerance chosen, so the options go there.
  const std::tuple<CLI::Option*, const std::string&, FieldText&, std::string_view> limits[] = {
      {handles.e24Min, given.e24Min, state.e24MinText, "E24 minimum"},
      {handles.e24Max, given.e24Max, state.e24MaxText, "E24 maximum"},
      {handles.e96Min, given.e96Min, state.e96MinText(), "E96 minimum"},
      {handles.e96Max, given.e96Max, state.e96MaxText(), "E96 maximum"}};
  for (const auto& [option, text, field, name] : limits) {
    if (option->count() == 0) continue;
    field.assign(text);
    if (text.size() > boxTextLength && commandLine.overlongLimit.empty()) {
      commandLine.overlongLimit = name;
    }
  }
}

int ReportUsageError(CLI::App& app, std::string_view problem) {
  // The problem line heads the report; the description would stand between it and the usage,
  // which is the subcommand's when one was named.
  app.description("");
  for (CLI::App* subcommand : app.get_subcommands()) subcommand->description("");
  std::fprintf(stderr, "%s: %.*s\n%s", app.get_name().c_str(), static_cast<int>(problem.size()),
               problem.data(), app.help().c_str());
  return 2;
}

}  // namespace

std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& commandLine) {
  CLI::App app{
      "Finds the pair of standard resistors, joined in series or in parallel, that comes "
      "closest to each required value.",
      std::string{programName}};
  GivenOptions given;
  const OptionHandles handles = DefineOptions(app, given, commandLine);
  const std::string_view first = argc > 1 ? argv[1] : "";
  Subcommands subcommands;
  DefineSubcommands(app, first, subcommands, commandLine);
  const CLI::App* named = first == "network"   ? subcommands.network
                          : first == "divider" ? subcommands.divider
                          : first == "nearest" ? subcommands.nearest
                                               : &app;
  try {
    std::vector<std::string> arguments = ParserArguments(argc, argv, *named);
    app.parse(arguments);
  } catch (const CLI::CallForHelp& request) {
    return app.exit(request);
  } catch (const CLI::CallForVersion& request) {
    return app.exit(request);
  } catch (const CLI::ParseError& error) {
    return ReportUsageError(app, error.what());
  }
  if (subcommands.network->parsed()) {
    commandLine.command = Command::Network;
    const std::optional<std::string> problem =
        BuildNetworkRequest(*subcommands.network, subcommands.networkGiven, commandLine.network);
    return problem ? std::optional{ReportUsageError(app, *problem)} : std::nullopt;
  }
  if (subcommands.divider->parsed()) {
    commandLine.command = Command::Divider;
    const std::optional<std::string> problem =
        BuildDividerRequest(*subcommands.divider, subcommands.dividerGiven, commandLine.divider,
                            commandLine.referenceVolts);
    return problem ? std::optional{ReportUsageError(app, *problem)} : std::nullopt;
  }
  if (subcommands.nearest->parsed()) {
    commandLine.command = Command::Nearest;
    const std::optional<std::string> problem =
        ReadSeriesList("--series", subcommands.nearestSeries, commandLine.nearestSeries);
    return problem ? std::optional{ReportUsageError(app, *problem)} : std::nullopt;
  }
  Settings settings;
  if (handles.settingsFile->count() > 0) {
    std::string failure;
    const std::optional<std::string> bytes = ReadSettingsFile(given.settingsFile, failure);
    if (!bytes) {
      return ReportUsageError(app,
                              "--settings: cannot read " + given.settingsFile + ": " + failure);
    }
    settings = ReadSettings(*bytes);
  }
  commandLine.state = CalculatorState{};
  ApplyFormSettings(settings, commandLine.state);
  commandLine.state.bandsShown = settings.bandsShown;
  commandLine.state.e24BandCount = settings.e24BandCount;
  commandLine.state.e96BandCount = settings.e96BandCount;
  commandLine.state.initialised = true;
  ApplyGivenOptions(given, handles, commandLine);
  return std::nullopt;
}

}  // namespace tamblor::cli
