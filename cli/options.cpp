#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string_view>

namespace tamblor::cli {
namespace {

constexpr std::string_view programName = "tamblor-cli";
constexpr std::string_view version = TAMBLOR_VERSION;

// The options as given; an option left out leaves the settings as they are.
struct GivenOptions {
  std::string series;
  std::string tolerance;
  std::string e24Min, e24Max, e96Min, e96Max;
  int e24BandCount = 4;
  int e96BandCount = 5;
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
      app.add_option("--e24-bands", given.e24BandCount, "Bands of an E24 resistor (default 4)")
          ->check(CLI::IsMember({4, 5, 6}))
          ->option_text("4|5|6");
  handles.e96Bands =
      app.add_option("--e96-bands", given.e96BandCount, "Bands of an E96 resistor (default 5)")
          ->check(CLI::IsMember({5, 6}))
          ->option_text("5|6");
  handles.settingsFile =
      app.add_option("--settings", given.settingsFile,
                     "Take the choices above from a settings file, read only; options given as "
                     "well override it")
          ->check(CLI::ExistingFile)
          ->option_text("FILE");
  app.add_flag("--json", commandLine.json, "One JSON object per value, one per line");
  app.set_version_flag("--version", std::string{programName} + " " + std::string{version});
  app.add_option("VALUE", commandLine.values,
                 "Required resistances in the value notation (4k7, 51R1, 1M); without any, one "
                 "per line from standard input");
  return handles;
}

void ApplyGivenOptions(const GivenOptions& given, const OptionHandles& handles,
                       Settings& settings) {
  if (handles.series->count() > 0) settings.E24ONLY = given.series == "e24";
  if (handles.tolerance->count() > 0) settings.USE_1PC = given.tolerance == "1";
  if (handles.e24Bands->count() > 0) settings.e24BandCount = given.e24BandCount;
  if (handles.e96Bands->count() > 0) settings.e96BandCount = given.e96BandCount;
  if (handles.e24Min->count() > 0) settings.e24MinText.assign(given.e24Min);
  if (handles.e24Max->count() > 0) settings.e24MaxText.assign(given.e24Max);
  // The E96 boxes show the texts of the tolerance chosen, so the options go there.
  SettingText& e96MinText = settings.USE_1PC ? settings.e96MinText1 : settings.e96MinText2;
  SettingText& e96MaxText = settings.USE_1PC ? settings.e96MaxText1 : settings.e96MaxText2;
  if (handles.e96Min->count() > 0) e96MinText.assign(given.e96Min);
  if (handles.e96Max->count() > 0) e96MaxText.assign(given.e96Max);
}

int ReportUsageError(CLI::App& app, std::string_view problem) {
  // The problem line heads the report; the description would stand between it and the usage.
  app.description("");
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
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& request) {
    return app.exit(request);
  } catch (const CLI::CallForVersion& request) {
    return app.exit(request);
  } catch (const CLI::ParseError& error) {
    return ReportUsageError(app, error.what());
  }
  commandLine.settings = Settings{};
  if (handles.settingsFile->count() > 0 &&
      !LoadSettings(commandLine.settings, given.settingsFile)) {
    return ReportUsageError(app, "--settings: cannot read " + given.settingsFile);
  }
  ApplyGivenOptions(given, handles, commandLine.settings);
  return std::nullopt;
}

}  // namespace tamblor::cli
