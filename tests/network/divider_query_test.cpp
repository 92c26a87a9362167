#include "network/divider_query.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <tuple>

#include "network/part_set.h"

namespace tamblor {
namespace {

// A leg of the brute force: nominal, with every part at its lower and at its upper limit.
struct Leg {
  double value, low, high;
  std::vector<int> parts;
};

Leg LegOf(const std::vector<Part>& parts, const std::vector<int>& members, bool series) {
  const auto joined = [&](double side) {
    double sum = 0.0;
    for (const int i : members) {
      const double ohms = parts[i].ohms * (1 + side * parts[i].tolerance / 100);
      sum += series ? ohms : 1 / ohms;
    }
    return series ? sum : 1 / sum;
  };
  return {joined(0), joined(-1), joined(1), members};
}

// A divider's key, parts, distinct values and total; nullopt outside the total or the counts.
using Rank = std::tuple<double, int, int, double>;

std::optional<Rank> RankOf(const DividerRequest& request, const std::vector<Part>& parts,
                           const Leg& top, const Leg& bottom, double wanted) {
  std::vector<int> used = top.parts;
  used.insert(used.end(), bottom.parts.begin(), bottom.parts.end());
  std::vector<double> values;
  for (const int i : used) {
    if (parts[i].count >= 0 && std::count(used.begin(), used.end(), i) > parts[i].count) return {};
    values.push_back(parts[i].ohms);
  }
  const double total = top.value + bottom.value;
  if (total < request.totalMin || total > request.totalMax) return {};
  std::sort(values.begin(), values.end());
  const int distinct = int(std::unique(values.begin(), values.end()) - values.begin());
  const double low = bottom.low / (top.high + bottom.low);
  const double high = bottom.high / (top.low + bottom.high);
  const double key =
      request.ranking == Ranking::Error
          ? std::fabs((bottom.value / total - wanted) / wanted * 100)
          : std::max(std::fabs(low - wanted), std::fabs(high - wanted)) / wanted * 100;
  return Rank{key, int(used.size()), distinct, total};
}

std::vector<Rank> BruteForce(const DividerRequest& request, const std::vector<Part>& parts,
                             double wanted) {
  std::vector<Leg> legs;
  for (int i = 0; i < int(parts.size()); ++i) {
    legs.push_back(LegOf(parts, {i}, true));
    for (int k = 0; request.legParts == 2 && k <= i; ++k) {
      for (const bool series : {true, false}) legs.push_back(LegOf(parts, {k, i}, series));
    }
  }
  std::vector<Rank> ranks;
  for (const Leg& top : legs) {
    for (const Leg& bottom : legs) {
      if (const std::optional<Rank> rank = RankOf(request, parts, top, bottom, wanted)) {
        ranks.push_back(*rank);
      }
    }
  }
  std::sort(ranks.begin(), ranks.end());
  ranks.resize(std::min(ranks.size(), std::size_t(request.top)));
  return ranks;
}

// A result's leg rebuilt from its parts, which its text must join in ascending order.
Leg Rebuilt(const DividerLeg& leg, const std::vector<Part>& parts) {
  const bool series = leg.text.view().find(" || ") == std::string_view::npos;
  const std::vector<int> members(leg.resistors.begin(), leg.resistors.begin() + leg.parts);
  std::string text;
  for (const int i : members) {
    text.append(text.empty() ? "" : series ? " + " : " || ").append(parts[i].text.view());
  }
  EXPECT_EQ(leg.text.view(), text);
  EXPECT_TRUE(std::is_sorted(members.begin(), members.end(),
                             [&](int a, int b) { return parts[a].ohms < parts[b].ohms; }));
  const Leg rebuilt = LegOf(parts, members, series);
  EXPECT_EQ(leg.value, rebuilt.value) << text;
  return rebuilt;
}

TEST(DividerQuery, FindsTheBruteForcesBestDividersWithinBoundsAndCounts) {
  std::mt19937 random(20240611);
  const PartOrigin sets[] = {PartOrigin::E3, PartOrigin::E6, PartOrigin::E12};
  for (int round = 0; round < 120; ++round) {
    const PartOrigin set = sets[round % 3];
    const double low = std::pow(10.0, int(random() % 3));
    DividerRequest request;
    request.legParts = 1 + round % 2;
    const int decades = request.legParts == 1 ? 1 + int(random() % 2) : 1;
    request.parts = SeriesParts({&set, 1}, {low, low * std::pow(10.0, decades), {}});
    for (Part& part : request.parts) {
      part.count = int(random() % 4) - 1;
      part.tolerance = std::array{0.5, 1.0, 5.0, 20.0}[random() % 4];
    }
    if (round % 8 == 3) request.tolerance = 2.0;
    request.top = 1 + int(random() % 40);
    request.ranking = round % 4 < 2 ? Ranking::Error : Ranking::WorstCase;
    request.totalMin = low * (1 + int(random() % 20));
    request.totalMax = request.totalMin * (1 + int(random() % 50));
    // A half has dividers tied in error above and below it.
    const double wanted = round % 5 == 0 ? 0.5 : std::uniform_real_distribution(0.01, 0.99)(random);
    std::vector<Part> parts = request.parts;
    for (Part& part : parts) part.tolerance = request.tolerance.value_or(part.tolerance);

    std::vector<DividerResult> results;
    ASSERT_TRUE(DividerQuery(request).Find({wanted, OutputSource::None, 0.0}, results));
    std::vector<Rank> ranks;
    for (const DividerResult& result : results) {
      const Leg top = Rebuilt(result.top, parts);
      const Leg bottom = Rebuilt(result.bottom, parts);
      EXPECT_EQ(result.total, top.value + bottom.value);
      EXPECT_EQ(result.ratio, bottom.value / result.total);
      EXPECT_EQ(result.error, (result.ratio - wanted) / wanted * 100);
      const std::optional<Rank> rank = RankOf(request, parts, top, bottom, wanted);
      ASSERT_TRUE(rank) << result.top.text.view() << " over " << result.bottom.text.view();
      EXPECT_EQ(std::get<0>(*rank),
                request.ranking == Ranking::Error ? std::fabs(result.error) : result.worst.error);
      ranks.push_back(*rank);
    }
    EXPECT_EQ(ranks, BruteForce(request, parts, wanted)) << "round " << round;
  }
}

TEST(DividerQuery, MakesThreePointThreeVoltsFromTwelveFromE24) {
  const PartOrigin e24 = PartOrigin::E24;
  const DividerQuery query({SeriesParts({&e24, 1}, {}), 1, 5, Ranking::Error, {}, 1e3, 1e6});
  std::vector<DividerResult> results;
  ASSERT_TRUE(query.Find({3.3 / 12, OutputSource::Input, 12.0}, results));
  ASSERT_EQ(results.size(), 5u);
  EXPECT_EQ(results[0].top.text, "2k4");
  EXPECT_EQ(results[0].bottom.text, "910R");
  ASSERT_TRUE(results[0].output);
  EXPECT_EQ(results[0].output->nominal, 12.0 * results[0].ratio);
  EXPECT_EQ(results[0].output->low, 12.0 * results[0].worst.low);

  // A regulator's output rises as the ratio falls.
  ASSERT_TRUE(query.Find({0.8 / 3.3, OutputSource::Reference, 0.8}, results));
  ASSERT_TRUE(results[0].output);
  EXPECT_EQ(results[0].output->low, 0.8 / results[0].worst.high);
  EXPECT_EQ(results[0].output->high, 0.8 / results[0].worst.low);

  std::stop_source stop;
  stop.request_stop();
  EXPECT_FALSE(query.Find({0.5, OutputSource::None, 0.0}, results, stop.get_token()));
}

TEST(DividerQuery, BreaksATieInErrorByTheLowerTotal) {
  DividerRequest request;
  for (const double ohms : {1000.0, 1200.0, 1500.0, 1800.0}) {
    request.parts.push_back({ohms, 5.0, PartOrigin::Stock, 1, FormatValueText(ohms)});
  }
  request.top = 8;
  request.totalMin = 0.0;
  std::vector<DividerResult> results;
  ASSERT_TRUE(DividerQuery(request).Find({0.5, OutputSource::None, 0.0}, results));
  ASSERT_EQ(results.size(), 8u);
  // 20 % off a half, as 1k2 over 1k8 is, but 500R less in all.
  EXPECT_EQ(results[7].top.text, "1k5");
  EXPECT_EQ(results[7].bottom.text, "1k");
}

TEST(DividerQuery, RefusesATableBeyondTheMemoryOfASearch) {
  DividerRequest request;
  request.parts.resize(3000);
  for (int i = 0; i < 3000; ++i) request.parts[i].ohms = i + 1.0;
  request.legParts = 2;
  std::vector<DividerResult> results(1);
  const DividerQuery query(request);
  EXPECT_TRUE(query.SetUpFailure() && query.Find({0.5, OutputSource::None, 0.0}, results));
  EXPECT_TRUE(results.empty());
}

}  // namespace
}  // namespace tamblor
