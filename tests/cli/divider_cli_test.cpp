// The divider subcommand from outside: its JSON lines against figures worked out by hand, the
// human layout, stock counts across both legs, the messages of bad ratios and the usage errors of
// its own options.
#include <gtest/gtest.h>

#include "run_cli.h"

namespace tamblor::cli::test {
namespace {

using Texts = std::vector<std::string>;

double Ratio(double top, double bottom) { return bottom / (top + bottom); }

TEST(DividerCli, TwelveVoltsToThreePointThreeFromE24) {
  const CliRun run = RunCli({"divider", "--json", "3.3/12"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Json line = JsonLines(run.out).at(0);
  EXPECT_EQ(KeysOf(line), (Texts{"input", "ratio", "message", "results"}));
  EXPECT_EQ(line["ratio"], 3.3 / 12);
  ASSERT_EQ(line["results"].size(), 5u);
  const Json& best = line["results"][0];
  EXPECT_EQ(KeysOf(best),
            (Texts{"parts", "ratio", "error", "total", "worst", "top", "bottom", "output"}));
  EXPECT_EQ(KeysOf(best["top"]), (Texts{"network", "value", "resistors"}));
  EXPECT_EQ(KeysOf(best["top"]["resistors"][0]),
            (Texts{"text", "value", "series", "tolerance", "bands", "smd", "eia96"}));
  EXPECT_EQ(std::tuple(best["parts"], best["top"]["network"], best["bottom"]["network"]),
            std::tuple(2, "2k4", "910R"));
  const double ratio = Ratio(2400, 910);
  const double low = Ratio(2400 * 1.05, 910 * 0.95);
  const double high = Ratio(2400 * 0.95, 910 * 1.05);
  EXPECT_DOUBLE_EQ(best["ratio"], ratio);
  const double wanted = 3.3 / 12;
  EXPECT_DOUBLE_EQ(best["error"], (ratio - wanted) / wanted * 100);
  EXPECT_EQ(best["total"], 3310.0);
  EXPECT_DOUBLE_EQ(best["worst"]["low"], low);
  EXPECT_DOUBLE_EQ(best["worst"]["high"], high);
  EXPECT_DOUBLE_EQ(best["worst"]["error"], (high - wanted) / wanted * 100);
  EXPECT_DOUBLE_EQ(best["output"]["nominal"], 12 * ratio);
  EXPECT_DOUBLE_EQ(best["output"]["low"], 12 * low);
  EXPECT_DOUBLE_EQ(best["output"]["high"], 12 * high);
  EXPECT_EQ(best["bottom"]["resistors"][0],
            Json::parse(R"({"text":"910R","value":910.0,"series":"E24","tolerance":5.0,
                "bands":["white","brown","brown","gold"],"smd":"911","eia96":null})"));
  // The same ratio ten times over ties; the lower total goes first.
  EXPECT_EQ(std::tuple(line["results"][1]["top"]["network"], line["results"][1]["total"]),
            std::tuple("24k", 33100.0));
  // Ranked by the worst case, a pair whose range reaches less far from the wanted ratio wins.
  const Json worst =
      JsonLines(RunCli({"divider", "--json", "--rank", "worst", "--top", "1", "3.3/12"}).out)
          .at(0)["results"][0];
  EXPECT_EQ(std::tuple(worst["top"]["network"], worst["bottom"]["network"]),
            std::tuple("1k8", "680R"));
  EXPECT_LT(worst["worst"]["error"], best["worst"]["error"]);
  // A plain ratio names no voltage.
  EXPECT_FALSE(
      JsonLines(RunCli({"divider", "--json", "0.275"}).out).at(0)["results"][0].contains("output"));
}

TEST(DividerCli, ARegulatorsFeedbackPairFromItsReference) {
  const CliRun run =
      RunCli({"divider", "--json", "--vref", "0.8", "--tolerance", "1", "--top", "1", "3.3"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Json line = JsonLines(run.out).at(0);
  EXPECT_DOUBLE_EQ(line["ratio"], 0.8 / 3.3);
  const Json& best = line["results"].at(0);
  EXPECT_EQ(std::tuple(best["top"]["network"], best["bottom"]["network"]),
            std::tuple("7k5", "2k4"));
  EXPECT_NEAR(best["error"], 0.0, 1e-12);
  // The output is lowest where the ratio is highest.
  EXPECT_DOUBLE_EQ(best["output"]["nominal"], 0.8 / Ratio(7500, 2400));
  EXPECT_DOUBLE_EQ(best["output"]["low"], 0.8 / Ratio(7500 * 0.99, 2400 * 1.01));
  EXPECT_DOUBLE_EQ(best["output"]["high"], 0.8 / Ratio(7500 * 1.01, 2400 * 0.99));
}

TEST(DividerCli, HumanLayoutShowsBothLegsTheirMarkingsAndTheOutput) {
  const CliRun run = RunCli({"divider", "--top", "1", "3.3/12", "0.5"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "3.3/12\n"
            "  wanted ratio 0.275, 12 V in\n"
            "  top  bottom  ratio     error    total  worst case                     output     "
            "worst case\n"
            "  2k4  910R    0.274924  -0.0275  3k31   0.255429 .. 0.295318  +7.3882  3.29909 V  "
            "3.06515 .. 3.54381 V\n"
            "    top: 2k4 red yellow red gold, SMD 242\n"
            "    bottom: 910R white brown brown gold, SMD 911\n"
            "\n"
            "0.5\n"
            "  wanted ratio 0.5\n"
            "  top   bottom  ratio  error    total  worst case\n"
            "  510R  510R    0.5    +0.0000  1k02   0.475 .. 0.525  +5.0000\n"
            "    top: 510R green brown brown gold, SMD 511\n"
            "    bottom: 510R green brown brown gold, SMD 511\n");
}

TEST(DividerCli, ATempFilesCountsHoldAcrossBothLegs) {
  // A third from 1k parts takes three pieces: 1k + 1k over 1k, or 1k over 1k || 1k.
  const std::tuple<std::string, Json> cases[] = {
      {"1k 3\n", {1.0 / 3, 3}}, {"1k 2 # a pair\n", {0.5, 2}}, {"1k 1\n", nullptr}};
  for (const auto& [stock, best] : cases) {
    const TempFile file(stock);
    const CliRun run =
        RunCli({"divider", "--json", "--leg-parts", "2", "--stock", file.path, "1/3"});
    const Json results = JsonLines(run.out).at(0)["results"];
    EXPECT_EQ(run.status, best.is_null() ? 1 : 0) << stock;
    if (best.is_null()) {
      EXPECT_TRUE(results.empty()) << stock;
      continue;
    }
    EXPECT_EQ(Json({results.at(0)["ratio"], results[0]["parts"]}), best) << stock;
    EXPECT_EQ(results[0]["top"]["resistors"][0]["series"], "stock");
    EXPECT_EQ(results[0]["top"]["resistors"].size() + results[0]["bottom"]["resistors"].size(),
              results[0]["parts"]);
  }
  // A part used twice in a leg is marked once.
  const TempFile three("1k 3\n");
  const std::string marked =
      RunCli({"divider", "--leg-parts", "2", "--top", "1", "--stock", three.path, "1/3"}).out;
  EXPECT_EQ(marked.substr(marked.find("\n    top: ")),
            "\n    top: 1k brown black red gold, SMD 102\n"
            "    bottom: 1k brown black red gold, SMD 102\n");
  const TempFile file("1k 1\n");
  EXPECT_EQ(RunCli({"divider", "--stock", file.path, "0.5"}).out,
            "0.5\n  wanted ratio 0.5\n  no divider within the bounds\n");
}

TEST(DividerCli, BadRatiosAreMessagesAndTheRunGoesOn) {
  const Texts bad{"0", "1", "1.5", "-0.5", "5/3", "3/0", "nan", "inf", "1e-3", "0.3.3"};
  Texts arguments{"divider", "--json", "--top", "1"};
  arguments.insert(arguments.end(), bad.begin(), bad.end());
  arguments.push_back("0.5");
  const CliRun run = RunCli(arguments);
  EXPECT_EQ(run.status, 1);
  const std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), bad.size() + 1);
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_EQ(Json({lines[i]["input"], lines[i]["ratio"], lines[i]["message"]["title"],
                    lines[i]["results"].size()}),
              Json({bad[i], nullptr, "Validation Error", 0}));
  }
  EXPECT_EQ(lines.back()["results"].size(), 1u);
  // From standard input, and in the human layout each message on standard error.
  const CliRun human = RunCli({"divider", "--top", "1"}, "0.5\n\n3/0\n");
  EXPECT_EQ(std::tuple(human.status, human.err),
            std::tuple(1, "Validation Error: Ratio A/B has a B of zero\n"));
  EXPECT_EQ(RunCli({"divider", "--vref", "0.8", "0.8"}).err,
            "Validation Error: Output voltage must exceed the reference voltage\n");
  EXPECT_EQ(RunCli({"divider", "--top", "1", "0.1", "1/3", "3.3/5"}).status, 0);
}

TEST(DividerCli, EveryBadOptionOfItsOwnIsAUsageErrorNamingIt) {
  const Json cases = Json::array({
      {{"--leg-parts", "3"}, "--leg-parts"},
      {{"--leg-parts", "0"}, "--leg-parts"},
      {{"--total-min", "1M", "--total-max", "1k"}, "--total-min: \"1M\" is above --total-max"},
      {{"--total-min", "4x7"}, "--total-min: \"4x7\" is not a value in the notation"},
      {{"--total-max", "0"}, "--total-max: \"0\" is not above zero"},
      {{"--vref", "-1"}, "--vref: \"-1\" is not above zero"},
      {{"--vref", "0"}, "--vref: \"0\" is not above zero"},
      {{"--vref", "0.8V"}, "--vref: \"0.8V\" is not a number"},
      {{"--vref", "inf"}, "--vref: \"inf\" is not a number"},
      {{"--max-parts", "2"}, "--max-parts"},
  });
  for (const Json& c : cases) ExpectUsageError("divider", c[0], c[1], "0.5");
  const std::string help = RunCli({"divider", "--help"}).out;
  EXPECT_NE(help.find("Usage: tamblor-cli divider [OPTIONS] [VALUE...]"), std::string::npos);
  EXPECT_NE(help.find("(default 5, at most 100)"), std::string::npos);
}

}  // namespace
}  // namespace tamblor::cli::test
