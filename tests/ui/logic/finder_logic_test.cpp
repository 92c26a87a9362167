#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <tuple>
#include <variant>

#include "network/network_query.h"
#include "ui/latest_search.h"
#include "ui/network_rows.h"
#include "ui/part_choices.h"

namespace tamblor {
namespace {

using namespace std::chrono_literals;

// A newer search cancels the one running and replaces the one waiting: of three given while the
// first runs, the first is cancelled, the second never runs, the third runs to its end.
TEST(LatestSearch, ANewerSearchCancelsTheRunningOneAndReplacesTheWaitingOne) {
  std::promise<void> started;
  std::promise<bool> firstCancelled;
  std::atomic<int> runs{0};
  std::promise<int> last;
  {
    LatestSearch search;
    search.Run([&](std::stop_token cancel) {
      ++runs;
      started.set_value();
      const auto deadline = std::chrono::steady_clock::now() + 5s;
      while (!cancel.stop_requested() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
      firstCancelled.set_value(cancel.stop_requested());
    });
    started.get_future().wait();
    search.Run([&](std::stop_token) { runs += 10; });
    search.Run(
        [&](std::stop_token cancel) { last.set_value(cancel.stop_requested() ? -1 : ++runs); });
    EXPECT_TRUE(firstCancelled.get_future().get());
    EXPECT_EQ(last.get_future().get(), 2);
  }
}

// Destruction cancels a search that would run for ever and waits for it.
TEST(LatestSearch, DestructionCancelsTheRunningSearch) {
  std::promise<void> started;
  bool ended = false;
  {
    LatestSearch search;
    search.Run([&](std::stop_token cancel) {
      started.set_value();
      while (!cancel.stop_requested()) std::this_thread::sleep_for(1ms);
      ended = true;
    });
    started.get_future().wait();
  }
  EXPECT_TRUE(ended);
}

PartChoiceTexts E24(std::string min, std::string max, std::string exclude = "",
                    std::string tolerance = "") {
  PartChoiceTexts texts;
  texts.series[3] = true;
  texts.min = std::move(min);
  texts.max = std::move(max);
  texts.exclude = std::move(exclude);
  texts.tolerance = std::move(tolerance);
  return texts;
}

// The first input that does not read, as the command line's options refuse them; the boundaries
// of the tolerance (0 up to, not including, 100) and of the bounds (above zero, min ≤ max).
TEST(PartChoices, TheFirstInputThatDoesNotReadIsNamed) {
  using Outcome = std::variant<PartChoices, FinderInput>;
  const auto problem = [](const Outcome& outcome) {
    return std::holds_alternative<FinderInput>(outcome) ? int(std::get<FinderInput>(outcome)) : -1;
  };
  for (const auto& [texts, expected] : {
           std::tuple{E24("1R", "10M"), -1},
           std::tuple{E24("0", "10M"), int(FinderInput::Min)},
           std::tuple{E24("1x", "10M"), int(FinderInput::Min)},
           std::tuple{E24("1R", ""), int(FinderInput::Max)},
           std::tuple{E24("4k7", "4k7"), -1},
           std::tuple{E24("4k71", "4k7"), int(FinderInput::MinAboveMax)},
           std::tuple{E24("1R", "10M", "4k7, ,1k,"), -1},
           std::tuple{E24("1R", "10M", "4k7,1y"), int(FinderInput::Exclude)},
           std::tuple{E24("1R", "10M", "", "0"), -1},
           std::tuple{E24("1R", "10M", "", "99.99"), -1},
           std::tuple{E24("1R", "10M", "", "100"), int(FinderInput::Tolerance)},
           std::tuple{E24("1R", "10M", "", "-1"), int(FinderInput::Tolerance)},
           std::tuple{E24("1R", "10M", "", "inf"), int(FinderInput::Tolerance)},
           std::tuple{E24("1R", "10M", "", "5%"), int(FinderInput::Tolerance)},
           std::tuple{PartChoiceTexts{{}, false, "1R", "10M", "", ""}, int(FinderInput::Series)},
       })
    EXPECT_EQ(problem(ReadPartChoices(texts)), expected)
        << texts.min << " " << texts.max << " [" << texts.exclude << "] " << texts.tolerance;
  PartChoiceTexts withE96 = E24("1k", "2k", "1k2, ,1k5,", "1");
  withE96.series[5] = true;
  const auto read = std::get<PartChoices>(ReadPartChoices(withE96));
  EXPECT_EQ(read.series, (std::vector{PartOrigin::E96, PartOrigin::E24}));
  EXPECT_EQ(read.bounds.excluded, (std::vector{1200.0, 1500.0}));
  EXPECT_EQ(read.tolerance, 1.0);
  // 1k is in both sets, taken from E96; 1k6 is E24's alone; 1k5 is excluded.
  std::vector<std::pair<std::string, PartOrigin>> parts;
  for (const Part& part : ChosenParts(read, {})) parts.emplace_back(part.text.view(), part.origin);
  EXPECT_EQ(parts.size(), 31u);
  EXPECT_EQ(parts.front(), std::pair(std::string("1k"), PartOrigin::E96));
  EXPECT_NE(std::find(parts.begin(), parts.end(), std::pair(std::string("1k6"), PartOrigin::E24)),
            parts.end());
}

// A row's parts carry the tolerance that overrides their own, which their markings follow.
TEST(NetworkRows, PartsCarryTheOverridingTolerance) {
  std::vector<Part> parts(2);
  parts[0].ohms = 470.0, parts[0].text.assign("470R");
  parts[1].ohms = 750.0, parts[1].text.assign("750R");
  NetworkResult result;
  result.parts = 2;
  result.text.assign("470R || 750R");
  result.value = 288.9344262295082;
  result.error = -0.0226899;
  result.worst = {274.4877, 303.3811, 5.0216};
  result.resistors = {0, 1};
  const std::vector<NetworkResult> results{result};
  const std::vector<ResultRow> rows = NetworkRows(results, parts, 1.0);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"2", "470R || 750R", "288R934", "-0.0227",
                                                     "274R488 .. 303R381", "+5.0216"}));
  EXPECT_EQ(rows[0].parts.size(), 2u);
  EXPECT_EQ(rows[0].parts[1].tolerance, 1.0);
  EXPECT_EQ(rows[0].sortKeys[3], result.error);
}

}  // namespace
}  // namespace tamblor
