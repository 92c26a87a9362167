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

double Parallel(double a, double b) { return 1.0 / (1.0 / a + 1.0 / b); }

// A leg of the brute force: its nominal, lowest and highest value and the parts it uses.
struct BruteLeg {
  double value, low, high;
  std::vector<int> parts;
};

std::vector<BruteLeg> AllLegs(const std::vector<Part>& parts, int legParts) {
  std::vector<BruteLeg> legs;
  const auto low = [&](int i) { return parts[i].ohms * (1 - parts[i].tolerance / 100); };
  const auto high = [&](int i) { return parts[i].ohms * (1 + parts[i].tolerance / 100); };
  for (int i = 0; i < int(parts.size()); ++i) {
    legs.push_back({parts[i].ohms, low(i), high(i), {i}});
    for (int j = 0; legParts == 2 && j <= i; ++j) {
      legs.push_back({parts[i].ohms + parts[j].ohms, low(i) + low(j), high(i) + high(j), {i, j}});
      legs.push_back({Parallel(parts[i].ohms, parts[j].ohms),
                      Parallel(low(i), low(j)),
                      Parallel(high(i), high(j)),
                      {i, j}});
    }
  }
  return legs;
}

bool WithinCounts(const std::vector<Part>& parts, std::vector<int> used) {
  return std::all_of(used.begin(), used.end(), [&](int i) {
    return parts[i].count < 0 || std::count(used.begin(), used.end(), i) <= parts[i].count;
  });
}

using Rank = std::tuple<double, int, int, double>;  // key, parts, distinct values, total

std::vector<Rank> BruteForce(const DividerSearchSpec& spec, double wanted) {
  std::vector<Rank> ranks;
  std::vector<Part> parts = spec.parts;
  for (Part& part : parts) part.tolerance = spec.tolerance.value_or(part.tolerance);
  const std::vector<BruteLeg> legs = AllLegs(parts, spec.legParts);
  for (const BruteLeg& top : legs) {
    for (const BruteLeg& bottom : legs) {
      const double total = top.value + bottom.value;
      if (total < spec.totalMin || total > spec.totalMax) continue;
      std::vector<int> used = top.parts;
      used.insert(used.end(), bottom.parts.begin(), bottom.parts.end());
      if (!WithinCounts(parts, used)) continue;
      const double ratio = bottom.value / total;
      const double low = bottom.low / (top.high + bottom.low);
      const double high = bottom.high / (top.low + bottom.high);
      const double key =
          spec.ranking == Ranking::Error
              ? std::fabs((ratio - wanted) / wanted * 100)
              : std::max(std::fabs(low - wanted), std::fabs(high - wanted)) / wanted * 100;
      std::vector<double> values;
      for (const int i : used) values.push_back(spec.parts[i].ohms);
      std::sort(values.begin(), values.end());
      const int distinct = int(std::unique(values.begin(), values.end()) - values.begin());
      ranks.emplace_back(key, int(used.size()), distinct, total);
    }
  }
  std::sort(ranks.begin(), ranks.end());
  ranks.resize(std::min(ranks.size(), std::size_t(spec.top)));
  return ranks;
}

// A leg's value from its parts as its text joins them, in ascending order.
double LegValue(const DividerLeg& leg, const std::vector<Part>& parts) {
  const Part& first = parts[leg.resistors[0]];
  if (leg.parts == 1) return leg.text == first.text.view() ? first.ohms : NAN;
  const Part& second = parts[leg.resistors[1]];
  const std::string joined = std::string(first.text.view()) + "|" + std::string(second.text.view());
  if (first.ohms > second.ohms) return NAN;
  if (leg.text == std::string(joined).replace(joined.find('|'), 1, " + ")) {
    return first.ohms + second.ohms;
  }
  if (leg.text == std::string(joined).replace(joined.find('|'), 1, " || ")) {
    return Parallel(first.ohms, second.ohms);
  }
  return NAN;
}

TEST(DividerQuery, FindsTheBruteForcesBestDividersWithinBoundsAndCounts) {
  std::mt19937 random(20240611);
  const PartOrigin sets[] = {PartOrigin::E3, PartOrigin::E6, PartOrigin::E12};
  for (int round = 0; round < 120; ++round) {
    const PartOrigin set = sets[round % 3];
    const double low = std::pow(10.0, int(random() % 3));
    DividerSearchSpec spec;
    spec.parts = SeriesParts({&set, 1}, {low, low * std::pow(10.0, 1 + int(random() % 2)), {}});
    for (Part& part : spec.parts) {
      part.count = int(random() % 4) - 1;
      part.tolerance = std::array{0.5, 1.0, 5.0, 20.0}[random() % 4];
    }
    if (round % 8 == 3) spec.tolerance = 2.0;
    spec.legParts = 1 + round % 2;
    spec.top = 1 + int(random() % 12);
    spec.ranking = round % 4 < 2 ? Ranking::Error : Ranking::WorstCase;
    spec.totalMin = low * (1 + int(random() % 20));
    spec.totalMax = spec.totalMin * (1 + int(random() % 50));
    const double wanted = std::uniform_real_distribution(0.01, 0.99)(random);
    const DividerQuery query(spec);

    std::vector<DividerResult> results;
    ASSERT_TRUE(query.Find({wanted, OutputSource::None, 0.0}, results));
    std::vector<Rank> ranks;
    for (const DividerResult& result : results) {
      std::vector<int> used;
      for (const DividerLeg* leg : {&result.top, &result.bottom}) {
        EXPECT_EQ(leg->value, LegValue(*leg, query.Parts())) << leg->text.view();
        used.insert(used.end(), leg->resistors.begin(), leg->resistors.begin() + leg->parts);
      }
      EXPECT_TRUE(WithinCounts(query.Parts(), used)) << result.top.text.view();
      EXPECT_EQ(result.total, result.top.value + result.bottom.value);
      EXPECT_TRUE(spec.totalMin <= result.total && result.total <= spec.totalMax);
      EXPECT_EQ(result.ratio, result.bottom.value / result.total);
      EXPECT_EQ(result.error, (result.ratio - wanted) / wanted * 100);
      EXPECT_TRUE(result.worst.low <= result.ratio && result.ratio <= result.worst.high);
      std::vector<double> values;
      for (const int i : used) values.push_back(query.Parts()[i].ohms);
      std::sort(values.begin(), values.end());
      const int distinct = int(std::unique(values.begin(), values.end()) - values.begin());
      const double key =
          spec.ranking == Ranking::Error ? std::fabs(result.error) : result.worst.error;
      ranks.emplace_back(key, result.parts, distinct, result.total);
    }
    EXPECT_EQ(ranks, BruteForce(spec, wanted)) << "round " << round;
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

TEST(DividerQuery, RefusesATableBeyondTheMemoryOfASearch) {
  DividerSearchSpec spec;
  spec.parts.resize(3000);
  for (int i = 0; i < 3000; ++i) spec.parts[i].ohms = i + 1.0;
  spec.legParts = 2;
  const DividerQuery query(spec);
  ASSERT_TRUE(query.SetUpFailure());
  std::vector<DividerResult> results;
  EXPECT_TRUE(query.Find({0.5, OutputSource::None, 0.0}, results));
  EXPECT_TRUE(results.empty());
}

}  // namespace
}  // namespace tamblor
