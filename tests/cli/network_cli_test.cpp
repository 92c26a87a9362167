// The network and nearest subcommands from outside: their JSON lines, the human layout, exit
// statuses, stock files and the usage errors of every option.
#include <gtest/gtest.h>

#include "run_cli.h"

namespace tamblor::cli::test {
namespace {

using Texts = std::vector<std::string>;

TEST(NetworkCli, WorkedExampleAsJsonKeysInOrder) {
  const CliRun run = RunCli({"network", "--json", "--max-parts", "2", "289"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind(R"({"input":"289","target":289.0,"message":null,"results":[{)", 0), 0u);
  const Json line = JsonLines(run.out).at(0);
  EXPECT_EQ(KeysOf(line), (Texts{"input", "target", "message", "results"}));
  const Json& results = line["results"];
  ASSERT_EQ(results.size(), 6u);
  const Json& best = results[3];
  EXPECT_EQ(KeysOf(best), (Texts{"parts", "network", "value", "error", "worst", "resistors"}));
  EXPECT_EQ(std::tuple(results[2]["parts"], best["parts"], best["network"]),
            std::tuple(1, 2, "470R || 750R"));
  EXPECT_NEAR(best["value"].get<double>(), 288.934426229508, 1e-9);
  EXPECT_NEAR(best["error"].get<double>(), -0.0226898, 1e-6);
  EXPECT_EQ(KeysOf(best["worst"]), (Texts{"low", "high", "error"}));
  EXPECT_NEAR(best["worst"]["low"].get<double>(), best["value"].get<double>() * 0.95, 1e-9);
  EXPECT_EQ(best["resistors"], Json::parse(R"([
      {"text":"470R","value":470.0,"series":"E24","tolerance":5.0,
       "bands":["yellow","violet","brown","gold"],"smd":"471","eia96":null},
      {"text":"750R","value":750.0,"series":"E24","tolerance":5.0,
       "bands":["violet","green","brown","gold"],"smd":"751","eia96":null}])"));
  // One tolerance for every part, and bounds that take a standard value in.
  const CliRun narrow = RunCli({"network", "--json", "--tolerance", "0.1", "--max-parts", "1",
                                "--min", "300R", "--max", "300R", "289"});
  const Json only = JsonLines(narrow.out).at(0)["results"];
  EXPECT_EQ(std::tuple(only.size(), only[0]["network"], only[0]["resistors"][0]["tolerance"]),
            std::tuple(1u, "300R", 0.1));
}

TEST(NetworkCli, HumanLayoutHasPartCountsAsHeadingsAndAlignedColumns) {
  const CliRun run = RunCli({"network", "--max-parts", "2", "--top", "2", "289", "1\x1b"});
  EXPECT_EQ(run.status, 1);
  // The columns line up across the headings.
  EXPECT_EQ(run.out,
            "289\n"
            "  1 part\n"
            "    300R          300R     +3.8062  285R     ..  315R     +8.9965\n"
            "      300R orange black brown gold, SMD 301\n"
            "    270R          270R     -6.5744  256R5    ..  283R5    +11.2457\n"
            "      270R red violet brown gold, SMD 271\n"
            "  2 parts\n"
            "    470R || 750R  288R934  -0.0227  274R488  ..  303R381  +5.0216\n"
            "      470R yellow violet brown gold, SMD 471; 750R violet green brown gold, SMD 751\n"
            "    300R || 8k2   289R412  +0.1425  274R941  ..  303R882  +5.1496\n"
            "      300R orange black brown gold, SMD 301; 8k2 grey red red gold, SMD 822\n"
            "\n1\\u001b\n");
  EXPECT_EQ(run.err, "Validation Error: Requested value is not a valid number\n");
}

TEST(NetworkCli, ExitStatusesAndValuesFromStandardInput) {
  const CliRun run = RunCli({"network", "--json", "--max-parts", "1"}, "4k7\n\nabc\n0\n1k\n");
  EXPECT_EQ(run.status, 1);
  Json summary = Json::array();
  for (const Json& line : JsonLines(run.out))
    summary.push_back({line["input"], line["target"],
                       line["message"].is_null() ? "" : line["message"]["title"],
                       line["results"].size()});
  EXPECT_EQ(summary, Json::parse(R"([["4k7", 4700.0, "", 3], ["abc", null, "Validation Error", 0],
      ["0", null, "Limits Error", 0], ["1k", 1000.0, "", 3]])"));
  EXPECT_EQ(RunCli({"network", "--max-parts", "1", "4k7", "1k"}).status, 0);
  // No part of E3 lies within the bounds: nothing for any value.
  const CliRun none = RunCli({"network", "--series", "e3", "--min", "5k", "--max", "6k", "5k"});
  EXPECT_EQ(std::tuple(none.status, none.out),
            std::tuple(1, "5k\n  no network within the bounds\n"));
  // The calculator keeps every value that is not named first.
  EXPECT_EQ(JsonLines(RunCli({"--json", "289", "network"}).out).at(1)["input"], "network");
}

TEST(NetworkCli, ATempFilesCountsLimitTheNetworks) {
  // Per stock file, the networks found of 1, 2 and 3 parts.
  const std::pair<std::string, Json> cases[] = {
      {"1k 1\n", {1, 0, 0}}, {"1k 2%  2 # two\n", {1, 2, 0}}, {"1k\n", {1, 2, 3}}};
  for (const auto& [stock, counts] : cases) {
    const TempFile file(stock);
    const CliRun run = RunCli({"network", "--json", "--stock", file.path, "2k"});
    const Json line = JsonLines(run.out).at(0);
    Json found = {0, 0, 0};
    for (const Json& result : line["results"])
      found[result["parts"].get<int>() - 1] = found[result["parts"].get<int>() - 1].get<int>() + 1;
    EXPECT_EQ(found, counts) << stock;
    EXPECT_EQ(line["results"][0]["resistors"][0]["series"], "stock");
  }
  const TempFile file("1k 2% 2\n");
  const Json best =
      JsonLines(RunCli({"network", "--json", "--stock", file.path, "2k"}).out).at(0)["results"][1];
  EXPECT_EQ(std::tuple(best["network"], best["resistors"][1]["tolerance"], best["worst"]["error"]),
            std::tuple("1k + 1k", 2.0, 2.0));
}

TEST(NetworkCli, EveryBadOptionIsAUsageErrorNamingIt) {
  // The part options are the divider's too.
  const TempFile badLine("4k7\n\n4x7 1%\n");
  const Json partCases = Json::array({
      {{"--series", "e24,e5"}, "--series: unknown set \"e5\""},
      {{"--top", "0"}, "--top"},
      {{"--top", "101"}, "--top"},
      {{"--min", "10k", "--max", "1k"}, "--min: \"10k\" is above --max \"1k\""},
      {{"--min", "4x7"}, "--min: \"4x7\" is not a value in the notation"},
      {{"--max", "0"}, "--max: \"0\" is not above zero"},
      {{"--exclude", "1k,,2k"}, "--exclude: \"\" is not a value"},
      {{"--tolerance", "-1"}, "--tolerance: \"-1\" is not from 0 up to 100"},
      {{"--tolerance", "5%"}, "--tolerance: \"5%\" is not a number"},
      {{"--rank", "best"}, "--rank"},
      {{"--series", "e24", "--stock", badLine.path}, "--series excludes --stock"},
      {{"--stock", "/nonexistent/stock"}, "--stock: cannot read /nonexistent/stock: "},
      {{"--stock", "/"}, "--stock: cannot read /: not a regular file"},
      {{"--stock", badLine.path}, "--stock: " + badLine.path + ": line 3: bad value"},
  });
  for (const char* subcommand : {"network", "divider"}) {
    for (const Json& c : partCases) ExpectUsageError(subcommand, c[0], c[1], "0.5");
  }
  ExpectUsageError("network", {"--max-parts", "0"}, "--max-parts", "4k7");
  ExpectUsageError("network", {"--max-parts", "5"}, "--max-parts", "4k7");
  EXPECT_NE(RunCli({"nearest", "--series", "e7", "1k"}).err.find("--series: unknown set \"e7\""),
            std::string::npos);
}

TEST(NearestCli, EachSetInTheOrderGivenWithNullWhereNone) {
  const CliRun run = RunCli({"nearest", "--json", "--series", "e24,E3", "289"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Json line = JsonLines(run.out).at(0);
  EXPECT_EQ(KeysOf(line), (Texts{"input", "target", "message", "series"}));
  EXPECT_EQ(KeysOf(line["series"][0]), (Texts{"series", "nearest", "below", "above"}));
  Json texts = Json::array();
  for (const Json& set : line["series"])
    texts.push_back(
        {set["series"], set["nearest"]["text"], set["below"]["text"], set["above"]["text"]});
  EXPECT_EQ(texts,
            Json::parse(R"([["E24", "300R", "270R", "300R"], ["E3", "220R", "220R", "470R"]])"));
  EXPECT_EQ(RunCli({"nearest", "1k", "abc"}).status, 1);
  const std::string huge(31, '9');
  EXPECT_NE(RunCli({"nearest", "--json", "--series", "e3", huge}).out.find(R"("above":null)"),
            std::string::npos);
  const CliRun human = RunCli({"nearest", "--series", "e6,e12", "1R25"});
  EXPECT_EQ(
      human.out,
      "1R25\n"
      "  set  nearest            below            above            nearest's markings\n"
      "  E6   1R5      +20.0000  1R     -20.0000  1R5    +20.0000  brown green gold, SMD 1R5\n"
      "  E12  1R2      -4.0000   1R2    -4.0000   1R5    +20.0000  brown red gold silver, SMD "
      "1R2\n");
}

TEST(NearestCli, EachValueCarriesTheMarkingsOfItsSetsTolerance) {
  const CliRun run = RunCli({"nearest", "--json", "--series", "e24,e96,e192", "4k7", "10k"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Json> lines = JsonLines(run.out);
  const auto markings = [](const Json& value) {
    return Json{value["text"], value["bands"], value["smd"], value["eia96"]};
  };
  // 5 % and two digits; 1 % and three with an E96 code; 0.5 %, whose value has no EIA-96 code.
  EXPECT_EQ(markings(lines.at(0)["series"][0]["nearest"]),
            Json::parse(R"(["4k7", ["yellow","violet","red","gold"], "472", null])"));
  EXPECT_EQ(markings(lines.at(1)["series"][1]["below"]),
            Json::parse(R"(["10k", ["brown","black","black","red","brown"], "1002", "01C"])"));
  EXPECT_EQ(markings(lines.at(0)["series"][2]["above"]),
            Json::parse(R"(["4k7", ["yellow","violet","black","brown","green"], "4701", null])"));
  EXPECT_EQ(KeysOf(lines.at(0)["series"][0]["nearest"]),
            (Texts{"text", "value", "error", "bands", "smd", "eia96"}));
}

TEST(NetworkCli, HelpNamesTheSubcommandsAndTheirDefaults) {
  EXPECT_NE(RunCli({"--help"}).out.find("\n  network  "), std::string::npos);
  const std::string network = RunCli({"network", "--help"}).out;
  EXPECT_NE(network.find("Usage: tamblor-cli network [OPTIONS] [VALUE...]"), std::string::npos);
  EXPECT_NE(network.find("(default e24)"), std::string::npos);
  EXPECT_NE(RunCli({"nearest", "--help"}).out.find("(default all"), std::string::npos);
}

}  // namespace
}  // namespace tamblor::cli::test
