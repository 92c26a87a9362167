#include "network/network_query.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>

#include "network/network_sketch.h"
#include "network/part_set.h"

namespace tamblor {
namespace {

// A network of the brute force: its key is the sorted, flattened structure, so that every
// network is counted once however it was put together.
struct Brute {
  double value = 0.0;
  double low = 0.0;
  double high = 0.0;
  char join = 0;  // 0 for a part
  std::vector<std::string> members;
  std::string key;
  std::vector<int> parts;
};

Brute Combine(const Brute& a, const Brute& b, char join) {
  Brute net;
  net.join = join;
  const auto fold = [join](double x, double y) {
    return join == '+' ? x + y : 1 / (1 / x + 1 / y);
  };
  net.value = fold(a.value, b.value);
  net.low = fold(a.low, b.low);
  net.high = fold(a.high, b.high);
  for (const Brute* side : {&a, &b}) {
    if (side->join == join) {
      net.members.insert(net.members.end(), side->members.begin(), side->members.end());
    } else {
      net.members.push_back(side->key);
    }
    net.parts.insert(net.parts.end(), side->parts.begin(), side->parts.end());
  }
  std::sort(net.members.begin(), net.members.end());
  net.key = join;
  for (const std::string& member : net.members) net.key += "(" + member + ")";
  return net;
}

// Every network of 1 to 4 parts that the counts allow, by part count.
std::array<std::vector<Brute>, 4> AllNetworks(const std::vector<Part>& parts, int maxParts) {
  std::array<std::vector<Brute>, 4> nets;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Part& p = parts[i];
    nets[0].push_back({p.ohms,
                       p.ohms * (1 - p.tolerance / 100),
                       p.ohms * (1 + p.tolerance / 100),
                       0,
                       {},
                       std::to_string(i),
                       {static_cast<int>(i)}});
  }
  for (int n = 2; n <= maxParts; ++n) {
    std::map<std::string, Brute> unique;
    for (int k = 1; k <= n / 2; ++k) {
      for (const Brute& a : nets[k - 1]) {
        for (const Brute& b : nets[n - k - 1]) {
          for (const char join : {'+', '|'}) {
            Brute net = Combine(a, b, join);
            const bool allowed = std::all_of(net.parts.begin(), net.parts.end(), [&](int part) {
              const int uses = std::count(net.parts.begin(), net.parts.end(), part);
              return parts[part].count == unlimitedCount || uses <= parts[part].count;
            });
            if (allowed) unique.emplace(net.key, std::move(net));
          }
        }
      }
    }
    for (auto& entry : unique) nets[n - 1].push_back(std::move(entry.second));
  }
  return nets;
}

double BruteKey(const Brute& net, double target, Ranking ranking) {
  if (ranking == Ranking::Error) return std::fabs(net.value - target) / target * 100;
  return std::max(std::fabs(net.low - target), std::fabs(net.high - target)) / target * 100;
}

// Reads a result's text back, part by part in `resistors` order, and computes its value and
// worst case in the documented order; checks the canonical form on the way.
class TextReader {
 public:
  TextReader(const NetworkResult& result, const std::vector<Part>& parts)
      : text_(result.text.view()), result_(result), parts_(parts) {}

  std::array<double, 3> Read() {
    const ReadNetwork network = Network();
    EXPECT_EQ(position_, text_.size()) << text_;
    EXPECT_EQ(next_, result_.parts) << text_;
    return network.values;
  }

 private:
  struct ReadNetwork {
    std::array<double, 3> values{};  // value, low, high
    char join = 0;                   // 0 for a part
  };

  // A join, or a part, up to the end or a ')'.
  ReadNetwork Network() {
    std::vector<ReadNetwork> members{Member()};
    std::vector<bool> bracketed{bracketed_};
    char join = 0;
    while (position_ < text_.size() && text_[position_] != ')') {
      const bool series = text_.substr(position_, 3) == " + ";
      EXPECT_TRUE(series || text_.substr(position_, 4) == " || ") << text_;
      const char here = series ? '+' : '|';
      EXPECT_TRUE(join == 0 || join == here) << "mixed joins: " << text_;
      join = here;
      position_ += series ? 3 : 4;
      members.push_back(Member());
      bracketed.push_back(bracketed_);
      EXPECT_LE(members[members.size() - 2].values[0], members.back().values[0]) << text_;
    }
    if (join == 0) return members[0];
    ReadNetwork network{{}, join};
    for (std::size_t m = 0; m < members.size(); ++m) {
      EXPECT_EQ(bracketed[m], members[m].join != 0) << text_;
      EXPECT_NE(members[m].join, join) << "nested join of one kind: " << text_;
      for (int i = 0; i < 3; ++i) {
        network.values[i] += join == '+' ? members[m].values[i] : 1.0 / members[m].values[i];
      }
    }
    if (join == '|') {
      for (double& value : network.values) value = 1.0 / value;
    }
    return network;
  }

  ReadNetwork Member() {
    if (position_ < text_.size() && text_[position_] == '(') {
      ++position_;
      const ReadNetwork inner = Network();
      EXPECT_EQ(text_.substr(position_, 1), ")") << text_;
      ++position_;
      bracketed_ = true;
      return inner;
    }
    bracketed_ = false;
    const std::size_t end = std::min(text_.find(' ', position_), text_.find(')', position_));
    const std::string_view partText = text_.substr(position_, end - position_);
    position_ = std::min(end, text_.size());
    EXPECT_LT(next_, result_.parts) << text_;
    const Part& part = parts_[result_.resistors[std::min(next_++, maxNetworkParts - 1)]];
    EXPECT_EQ(part.text.view(), partText) << text_;
    return {{part.ohms, part.ohms * (1 - part.tolerance / 100),
             part.ohms * (1 + part.tolerance / 100)}};
  }

  std::string_view text_;
  const NetworkResult& result_;
  const std::vector<Part>& parts_;
  std::size_t position_ = 0;
  int next_ = 0;
  bool bracketed_ = false;
};

struct Case {
  std::vector<Part> parts;
  int maxParts;
  int top;
  Ranking ranking;
  std::optional<double> tolerance;
};

void CheckAgainstBruteForce(const Case& c, double target, const std::string& label) {
  NetworkQuery query({c.parts, c.maxParts, c.top, c.ranking, c.tolerance});
  ASSERT_FALSE(query.SetUpFailure());
  std::vector<Part> counted = query.Parts();
  std::vector<NetworkResult> results;
  ASSERT_TRUE(query.Find(target, results));
  const auto nets = AllNetworks(counted, c.maxParts);

  for (int n = 1; n <= c.maxParts; ++n) {
    std::vector<double> expected;
    for (const Brute& net : nets[n - 1]) expected.push_back(BruteKey(net, target, c.ranking));
    std::sort(expected.begin(), expected.end());
    expected.resize(std::min<std::size_t>(expected.size(), c.top));

    std::vector<double> found;
    std::set<std::pair<std::string, std::array<int, maxNetworkParts>>> seen;
    for (const NetworkResult& result : results) {
      if (result.parts != n) continue;
      SCOPED_TRACE(label + " " + std::string(result.text.view()));
      found.push_back(c.ranking == Ranking::Error ? std::fabs(result.error) : result.worst.error);
      EXPECT_TRUE(seen.insert({std::string(result.text.view()), result.resistors}).second);
      const std::array<double, 3> read = TextReader(result, counted).Read();
      EXPECT_EQ(read[0], result.value);
      EXPECT_EQ(read[1], result.worst.low);
      EXPECT_EQ(read[2], result.worst.high);
      EXPECT_EQ(result.error, (result.value - target) / target * 100);
      for (int i = 0; i < n; ++i) {
        const Part& part = counted[result.resistors[i]];
        const int uses =
            std::count(result.resistors.begin(), result.resistors.begin() + n, result.resistors[i]);
        EXPECT_TRUE(part.count == unlimitedCount || uses <= part.count);
      }
    }
    ASSERT_EQ(found.size(), expected.size()) << label << " parts " << n;
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end())) << label;
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_NEAR(found[i], expected[i], 1e-9 * (1 + expected[i])) << label << " parts " << n;
    }
  }
}

std::vector<Part> RandomParts(std::mt19937& random, int maxParts) {
  const std::array<PartOrigin, 3> sets{PartOrigin::E3, PartOrigin::E6, PartOrigin::E12};
  const double low = std::pow(10.0, std::uniform_int_distribution(0, 3)(random));
  const double high =
      low * std::uniform_real_distribution(2.0, maxParts == 4 ? 12.0 : 80.0)(random);
  if (std::bernoulli_distribution(0.3)(random)) {
    std::vector<Part> stock = SeriesParts(std::span(&sets[2], 1), {low, high, {}});
    for (Part& part : stock) {
      part.origin = PartOrigin::Stock;
      part.count = std::uniform_int_distribution(0, 3)(random);
      if (part.count == 0) part.count = unlimitedCount;
      part.tolerance = std::array{1.0, 5.0, 10.0}[std::uniform_int_distribution(0, 2)(random)];
    }
    return stock;
  }
  std::vector<PartOrigin> chosen{sets[std::uniform_int_distribution(0, 2)(random)]};
  if (std::bernoulli_distribution(0.3)(random)) chosen.push_back(sets[0]);
  PartBounds bounds{low, high, {}};
  std::vector<Part> all = SeriesParts(chosen, bounds);
  for (int i = 0; i < 2 && !all.empty(); ++i) {
    bounds.excluded.push_back(
        all[std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(random)].ohms);
  }
  return SeriesParts(chosen, bounds);
}

TEST(NetworkQuery, FindsWhatABruteForceFindsInRankOrder) {
  std::mt19937 random(19);
  for (int round = 0; round < 40; ++round) {
    Case c;
    c.maxParts = std::uniform_int_distribution(1, 4)(random);
    c.parts = RandomParts(random, c.maxParts);
    if (c.maxParts == 4 && c.parts.size() > 12) c.parts.resize(12);
    c.top = std::array{1, 3, 10}[std::uniform_int_distribution(0, 2)(random)];
    c.ranking = std::bernoulli_distribution(0.3)(random) ? Ranking::WorstCase : Ranking::Error;
    if (std::bernoulli_distribution(0.2)(random)) c.tolerance = 2.0;
    const double low = c.parts.empty() ? 1.0 : c.parts.front().ohms / 3;
    const double high = c.parts.empty() ? 1.0 : c.parts.back().ohms * 3;
    for (int t = 0; t < 4; ++t) {
      const double target =
          low * std::pow(high / low, std::uniform_real_distribution(0.0, 1.0)(random));
      CheckAgainstBruteForce(
          c, target, "round " + std::to_string(round) + " target " + std::to_string(target));
    }
  }
}

TEST(NetworkQuery, FindsTheWorkedExample) {
  const PartOrigin e24 = PartOrigin::E24;
  NetworkQuery query({SeriesParts({&e24, 1}, {}), 2, 1, Ranking::Error, std::nullopt});
  std::vector<NetworkResult> results;
  ASSERT_TRUE(query.Find(289.0, results));
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[1].text, "470R || 750R");
  EXPECT_NEAR(results[1].value, 288.934426, 1e-6);
  EXPECT_NEAR(results[1].error, -0.022690, 1e-6);
  EXPECT_NEAR(results[1].worst.low, 274.487705, 1e-6);
  EXPECT_NEAR(results[1].worst.high, 303.381148, 1e-6);
  EXPECT_NEAR(results[1].worst.error, 5.021555, 1e-6);  // the low limit is the farther
}

NetworkText TextOf(const std::vector<Part>& parts, auto build) {
  NetworkSketch sketch;
  build(sketch, [&sketch](int part) { return sketch.AddPart(part); });
  return CanonicalResult(sketch, parts, 1000.0).text;
}

TEST(CanonicalResult, OrdersMembersByValueAndFlattensJoinsOfOneKind) {
  std::vector<Part> parts;
  for (const double ohms : {1000.0, 2200.0, 3300.0, 4700.0}) {
    parts.push_back({ohms, 5.0, PartOrigin::E24, unlimitedCount, FormatValueText(ohms)});
  }
  using S = NetworkSketch;
  EXPECT_EQ(TextOf(parts,
                   [](S& s, auto part) {
                     s.AddJoin(Join::Series, s.AddJoin(Join::Parallel, part(2), part(1)), part(0));
                   }),
            "1k + (2k2 || 3k3)");
  EXPECT_EQ(TextOf(parts,
                   [](S& s, auto part) {
                     const int right = s.AddJoin(Join::Series, part(3), part(2));
                     s.AddJoin(Join::Parallel, right, s.AddJoin(Join::Series, part(1), part(0)));
                   }),
            "(1k + 2k2) || (3k3 + 4k7)");
  EXPECT_EQ(TextOf(parts,
                   [](S& s, auto part) {
                     const int inner = s.AddJoin(Join::Parallel, part(3), part(2));
                     s.AddJoin(Join::Parallel, s.AddJoin(Join::Series, part(1), inner), part(0));
                   }),
            "1k || ((3k3 || 4k7) + 2k2)");
  EXPECT_EQ(TextOf(parts,
                   [](S& s, auto part) {
                     const int right = s.AddJoin(Join::Series, part(3), part(0));
                     s.AddJoin(Join::Series, right, s.AddJoin(Join::Series, part(2), part(1)));
                   }),
            "1k + 2k2 + 3k3 + 4k7");
}

TEST(NetworkQuery, RefusesTablesOverTheMemoryLimitAndStopsWhenCancelled) {
  const PartOrigin e192 = PartOrigin::E192;
  const std::vector<Part> wide = SeriesParts({&e192, 1}, {0.1, 1e20, {}});
  std::vector<NetworkResult> results;
  NetworkQuery tooLarge({wide, 4, 1, Ranking::Error, std::nullopt});
  ASSERT_TRUE(tooLarge.SetUpFailure());
  EXPECT_EQ(tooLarge.SetUpFailure()->title, "Search Too Large");
  EXPECT_TRUE(tooLarge.Find(1000.0, results));
  EXPECT_TRUE(results.empty());

  NetworkQuery pairsOnly({wide, 2, 1, Ranking::Error, std::nullopt});
  EXPECT_FALSE(pairsOnly.SetUpFailure());
  std::stop_source stop;
  stop.request_stop();
  EXPECT_FALSE(pairsOnly.Find(1000.0, results, stop.get_token()));
  EXPECT_TRUE(pairsOnly.Find(1000.0, results));
  EXPECT_EQ(results.size(), 2u);
}

}  // namespace
}  // namespace tamblor
