// The calculator's worked examples through the command line, read back from --json.
#include <gtest/gtest.h>

#include <optional>

#include "cli_json.h"

namespace tamblor::cli::test {
namespace {

using Texts = std::vector<std::string>;
const Texts emptyRow(7, "");

struct Example {
  std::string name;
  Texts arguments;  // options before the value
  std::string value;
  Texts best;
  std::optional<Texts> lower;  // nullopt: not checked
  std::optional<Texts> higher;
  std::optional<Texts> list;
  std::optional<Texts> r1Colours;
  std::optional<Texts> r2Colours;  // nullopt: R2 has no code
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Example& c, std::ostream* os) { *os << c.name; }

const std::vector<Example> examples{
    {"E24DirectHit",
     {},
     "4k7",
     {"4k7", "4k7", "E24", "", "", "", ""},
     emptyRow,
     emptyRow,
     Texts{},
     Texts{"yellow", "violet", "red", "brown"},
     std::nullopt},
    {"E24DirectHitKeepsTheTypedText",
     {},
     "4700",
     {"4700", "4700", "E24", "", "", "", ""},
     emptyRow,
     emptyRow,
     Texts{},
     Texts{"yellow", "violet", "red", "brown"},
     std::nullopt},
    {"E96ExactSeriesPairs",
     {"--series", "e96"},
     "4k7",
     {"4k7", "3k4", "E96", "1k3", "E24", "+0.0000", "in series"},
     Texts{"4k7", "4k02", "E96", "680R", "E24", "-0.0000", "in series"},
     std::nullopt,
     Texts{"R1 (E96) = 3k4\tR2 (E24) = 1k3\tin series", "R1 (E96) = 1k1\tR2 (E24) = 3k6\tin series",
           "R1 (E96) = 2k\tR2 (E24) = 2k7\tin series"},
     Texts{"orange", "yellow", "black", "brown", "brown"},
     Texts{"brown", "orange", "red", "brown"}},
    {"NearestBelowWins",
     {},
     "289",
     {"288R934", "470R", "E24", "750R", "E24", "-0.0227", "in parallel"},
     Texts{"288R462", "300R", "E24", "7k5", "E24", "-0.1863", "in parallel"},
     Texts{"289R412", "300R", "E24", "8k2", "E24", "+0.1425", "in parallel"},
     Texts{"no exact matches found"},
     Texts{"yellow", "violet", "brown", "brown"},
     Texts{"violet", "green", "brown", "brown"}},
    {"ExactRunWithAnE96RecordListsTheBestAlone",
     {},
     "219",
     {"219R", "180R", "E24", "39R", "E24", "+0.0000", "in series"},
     std::nullopt,
     Texts{"219R055", "220R", "E24", "51k", "E24", "+0.0251", "in parallel"},
     Texts{"R1 (E24) = 180R\tR2 (E24) = 39R\tin series"},
     std::nullopt,
     Texts{"orange", "white", "black", "brown"}},
    {"FiveExactPairs",
     {},
     "5k",
     {"5k", "10k", "E24", "10k", "E24", "+0.0000", "in parallel"},
     std::nullopt,
     std::nullopt,
     Texts{"R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel",
           "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series",
           "R1 (E24) = 7k5\tR2 (E24) = 15k\tin parallel",
           "R1 (E24) = 4k7\tR2 (E24) = 300R\tin series", "R1 (E24) = 2k\tR2 (E24) = 3k\tin series"},
     std::nullopt,
     std::nullopt},
    {"NoPairAtTheTopOfTheDecade",
     {},
     "9k999",
     {"9k99", "10k", "E24", "10M", "E24", "-0.0899", "in parallel"},
     std::nullopt,
     emptyRow,
     Texts{"no exact matches found"},
     std::nullopt,
     std::nullopt},
    {"NothingAboveTheLimits",
     {},
     "19M9",
     {"20M", "10M", "E24", "10M", "E24", "+0.5025", "in series"},
     Texts{"19M1", "10M", "E24", "9M1", "E24", "-4.0201", "in series"},
     emptyRow,
     Texts{"no exact matches found"},
     Texts{"brown", "black", "blue", "brown"},
     Texts{"brown", "black", "blue", "brown"}},
    {"BelowOneOhm",
     {},
     "0R6",
     {"0R6", "1R2", "E24", "1R2", "E24", "+0.0000", "in parallel"},
     std::nullopt,
     std::nullopt,
     std::nullopt,
     Texts{"brown", "red", "gold", "brown"},
     Texts{"brown", "red", "gold", "brown"}},
    {"SixBandsAtOnePerMille",
     {"--series", "e96", "--tolerance", "0.1", "--e96-bands", "6"},
     "51R1",
     {"51R1", "51R1", "E96", "", "", "", ""},
     emptyRow,
     emptyRow,
     Texts{},
     Texts{"green", "brown", "brown", "gold", "violet", "brown"},
     std::nullopt},
};

void ExpectIfGiven(const char* what, const std::optional<Texts>& expected, const Texts& actual) {
  if (expected) {
    EXPECT_EQ(actual, *expected) << what;
  }
}

class WorkedExample : public testing::TestWithParam<Example> {};

TEST_P(WorkedExample, FillsTheFormAsTheDesktopDoes) {
  const Example& example = GetParam();
  Texts arguments = example.arguments;
  arguments.insert(arguments.end(), {"--json", example.value});
  const CliRun run = RunCli(arguments);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 1u);
  Json& result = lines[0];
  EXPECT_EQ(result["input"], example.value);
  EXPECT_TRUE(result["message"].is_null());
  EXPECT_EQ(RowTexts(result["best"]), example.best);
  ExpectIfGiven("lower", example.lower, RowTexts(result["lower"]));
  ExpectIfGiven("higher", example.higher, RowTexts(result["higher"]));
  ExpectIfGiven("list", example.list, result["list"].get<Texts>());
  ExpectIfGiven("R1 colours", example.r1Colours, result["bands"]["r1"]["colours"].get<Texts>());
  if (example.r2Colours) {
    EXPECT_EQ(result["bands"]["r2"]["colours"].get<Texts>(), *example.r2Colours);
  } else if (example.best[3].empty()) {
    EXPECT_TRUE(result["bands"]["r2"].is_null());
  }
}

INSTANTIATE_TEST_SUITE_P(Cli, WorkedExample, testing::ValuesIn(examples),
                         [](const auto& info) { return info.param.name; });

TEST(CliAlert, ARowTurnsRedOnlyAboveTheSeriesTolerance) {
  // 19M9: best +0.5025 stays light at 1 %, lower -4.0201 turns red; at 0.1 % the threshold is 0.1.
  std::vector<Json> e24 = JsonLines(RunCli({"--json", "19M9"}).out);
  ASSERT_EQ(e24.size(), 1u);
  EXPECT_EQ(e24[0]["alert"], (Json{{"best", false}, {"lower", true}, {"higher", false}}));
  std::vector<Json> permille =
      JsonLines(RunCli({"--json", "--series", "e96", "--tolerance", "0.1", "289"}).out);
  ASSERT_EQ(permille.size(), 1u);
  const double bestError = std::stod(permille[0]["best"]["error"].get<std::string>());
  EXPECT_EQ(permille[0]["alert"]["best"], std::abs(bestError) > 0.1);
}

}  // namespace
}  // namespace tamblor::cli::test
