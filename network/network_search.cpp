#include "network/network_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace tamblor {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Every network of n parts is a series or parallel join of smaller ones and its value rises with
// each of them, so each shape walks its first members and searches a sorted table for the last
// one: from the value that would hit the target outward, nearer side first, while a network
// could still enter the list. Each network has one decomposition here (members in index order
// where a join's members could swap), and the list drops the rest.
class Searcher {
 public:
  Searcher(const NetworkTables& tables, Ranking ranking, double target, SearchScratch& scratch,
           std::stop_token cancel)
      : tables_(tables),
        ohms_(tables.partOhms),
        pairOhms_(tables.pairOhms),
        target_(target),
        percentPerOhm_(100.0 / target),
        worstCase_(ranking == Ranking::WorstCase),
        // Any tolerance below the lowest gives a lower bound; a half keeps it rising away from
        // the target even where tolerances reach 100 %.
        boundTolerance_(std::min(tables.lowestTolerance, 0.5)),
        top_(scratch.top),
        cancel_(std::move(cancel)) {}

  bool OnePart();
  bool TwoParts();
  bool ThreeParts();
  bool FourParts();

 private:
  // A lower bound of a network's key from its value: its error's size, or for the worst case
  // |value - target| + value × the lowest tolerance (the nearer limit is that far at least).
  double Key(double value) const {
    const double distance = std::fabs(value - target_);
    return (worstCase_ ? distance + value * boundTolerance_ : distance) * percentPerOhm_;
  }

  // Whether a network of this key, computed in the search's order, may enter the list: the
  // canonical order can round its value differently by a few units in the last place.
  static bool MayEnter(double key, const TopNetworks& top) {
    return key <= top.Bound() + 1e-10 * (2.0 + key / 100.0);
  }
  bool MayEnter(double value, int parts) const { return MayEnter(Key(value), top_[parts - 1]); }

  bool Stopped() const { return cancel_.stop_requested(); }

  // The values a network of `parts` parts may have and still enter the list, wider than MayEnter
  // takes them by a margin far above the rounding of the sums and quotients that carry them over
  // to the value a member needs.
  struct Window {
    double low;
    double high;
  };
  Window Reach(int parts) const {
    const double reach = top_[parts - 1].Bound() / percentPerOhm_;
    const double margin = 1e-9 * (target_ + reach);
    return {target_ - reach - margin, target_ + reach + margin};
  }

  // Whether a pair's value lies in [low, high]: most members searched have none there, and this
  // tells so before a scan computes the networks on either side of the need.
  bool PairWithin(double low, double high) const {
    const std::size_t j = PairAtOrAbove(low);
    return j < pairOhms_.size() && pairOhms_[j] <= high;
  }

  // Scans entries [from, to) of a table, each giving a network of the value valueAt(entry),
  // rising with the entry, from the one nearest `need` outward while a network could enter.
  template <typename ValueAt, typename Consider>
  void ScanOutward(std::size_t from, std::size_t to, std::size_t start, const TopNetworks& top,
                   ValueAt valueAt, Consider consider) const;

  std::size_t PartAtOrAbove(double need) const {
    return std::lower_bound(ohms_.begin(), ohms_.end(), need) - ohms_.begin();
  }
  std::size_t PairAtOrAbove(double need) const {
    return tables_.pairIndex.LowerBound(pairOhms_, need);
  }

  int AddPair(NetworkSketch& sketch, std::size_t pair) const {
    const PairMembers& members = tables_.pairs[pair];
    return sketch.AddJoin(members.join, sketch.AddPart(members.first),
                          sketch.AddPart(members.second));
  }

  void Offer(const NetworkSketch& sketch, int parts);

  bool TwoPartSeries();
  bool TwoPartParallel();
  bool PartInSeriesWithPair();
  bool PartInParallelWithPair();
  bool PairsInSeries();
  bool PairsInParallel();
  bool PartInSeriesWithPartParallelToPair();
  bool PartParallelToPartInSeriesWithPair();

  const NetworkTables& tables_;
  std::span<const double> ohms_;
  std::span<const double> pairOhms_;
  double target_;
  double percentPerOhm_;
  bool worstCase_;
  double boundTolerance_;
  std::array<TopNetworks, maxNetworkParts>& top_;
  std::stop_token cancel_;
};

template <typename ValueAt, typename Consider>
void Searcher::ScanOutward(std::size_t from, std::size_t to, std::size_t start,
                           const TopNetworks& top, ValueAt valueAt, Consider consider) const {
  const std::size_t end = to;
  std::size_t up = std::clamp(start, from, to);
  std::size_t down = up;
  double upKey = up < end ? Key(valueAt(up)) : infinity;
  double downKey = down > from ? Key(valueAt(down - 1)) : infinity;
  while (up < end || down > from) {
    const bool goUp = up < end && (down == from || upKey <= downKey);
    if (!MayEnter(goUp ? upKey : downKey, top)) return;
    if (goUp) {
      consider(up);
      if (++up < end) upKey = Key(valueAt(up));
    } else {
      consider(--down);
      if (down > from) downKey = Key(valueAt(down - 1));
    }
  }
}

void Searcher::Offer(const NetworkSketch& sketch, int parts) {
  RankedNetwork network;
  network.result = CanonicalResult(sketch, tables_.parts, target_);
  const NetworkResult& result = network.result;
  if (tables_.limitedCounts) {
    for (int i = 0; i < result.parts; ++i) {
      const int part = result.resistors[i];
      const int uses = static_cast<int>(
          std::count(result.resistors.begin(), result.resistors.begin() + parts, part));
      if (!CountAllows(tables_.parts[part], uses)) return;
    }
  }
  network.key = worstCase_ ? result.worst.error : std::fabs(result.error);
  network.distinctValues = DistinctValues(result, tables_.parts);
  top_[parts - 1].Offer(network);
}

bool Searcher::OnePart() {
  ScanOutward(
      0, ohms_.size(), PartAtOrAbove(target_), top_[0], [this](std::size_t i) { return ohms_[i]; },
      [this](std::size_t i) {
        NetworkSketch sketch;
        sketch.AddPart(static_cast<int>(i));
        Offer(sketch, 1);
      });
  return !Stopped();
}

bool Searcher::TwoParts() { return TwoPartSeries() && TwoPartParallel(); }

bool Searcher::TwoPartSeries() {
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x + x > target_ && !MayEnter(x + x, 2)) break;
    ScanOutward(
        i, ohms_.size(), PartAtOrAbove(target_ - x), top_[1],
        [&](std::size_t k) { return x + ohms_[k]; },
        [&](std::size_t k) {
          NetworkSketch sketch;
          sketch.AddJoin(Join::Series, sketch.AddPart(static_cast<int>(i)),
                         sketch.AddPart(static_cast<int>(k)));
          Offer(sketch, 2);
        });
  }
  return true;
}

// The value that, in parallel with conductance g, gives the target; infinity where none does.
double ParallelNeed(double target, double conductance) {
  const double rest = 1.0 / target - conductance;
  return rest > 0.0 ? 1.0 / rest : infinity;
}

bool Searcher::TwoPartParallel() {
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x < target_ && !MayEnter(x, 2)) continue;
    if (x / 2.0 > target_ && !MayEnter(x / 2.0, 2)) break;
    const double g = 1.0 / x;
    ScanOutward(
        i, ohms_.size(), PartAtOrAbove(ParallelNeed(target_, g)), top_[1],
        [&](std::size_t k) { return 1.0 / (g + 1.0 / ohms_[k]); },
        [&](std::size_t k) {
          NetworkSketch sketch;
          sketch.AddJoin(Join::Parallel, sketch.AddPart(static_cast<int>(i)),
                         sketch.AddPart(static_cast<int>(k)));
          Offer(sketch, 2);
        });
  }
  return true;
}

bool Searcher::ThreeParts() { return PartInSeriesWithPair() && PartInParallelWithPair(); }

// x + (a + b) with x ≤ a, and x + (a || b).
bool Searcher::PartInSeriesWithPair() {
  const double lowestPair = pairOhms_.front();
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x + lowestPair > target_ && !MayEnter(x + lowestPair, 3)) break;
    ScanOutward(
        0, pairOhms_.size(), PairAtOrAbove(target_ - x), top_[2],
        [&](std::size_t j) { return x + pairOhms_[j]; },
        [&](std::size_t j) {
          const PairMembers& pair = tables_.pairs[j];
          if (pair.join == Join::Series && pair.first < i) return;
          NetworkSketch sketch;
          const int part = sketch.AddPart(static_cast<int>(i));
          sketch.AddJoin(Join::Series, part, AddPair(sketch, j));
          Offer(sketch, 3);
        });
  }
  return true;
}

// x || (a || b) with x ≤ a, and x || (a + b).
bool Searcher::PartInParallelWithPair() {
  const double lowestPair = pairOhms_.front();
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x < target_ && !MayEnter(x, 3)) continue;
    const double g = 1.0 / x;
    const double lowest = 1.0 / (g + 1.0 / lowestPair);
    if (lowest > target_ && !MayEnter(lowest, 3)) break;
    ScanOutward(
        0, pairOhms_.size(), PairAtOrAbove(ParallelNeed(target_, g)), top_[2],
        [&](std::size_t j) { return 1.0 / (g + 1.0 / pairOhms_[j]); },
        [&](std::size_t j) {
          const PairMembers& pair = tables_.pairs[j];
          if (pair.join == Join::Parallel && pair.first < i) return;
          NetworkSketch sketch;
          const int part = sketch.AddPart(static_cast<int>(i));
          sketch.AddJoin(Join::Parallel, part, AddPair(sketch, j));
          Offer(sketch, 3);
        });
  }
  return true;
}

bool Searcher::FourParts() {
  return PairsInSeries() && PairsInParallel() && PartInSeriesWithPartParallelToPair() &&
         PartParallelToPartInSeriesWithPair();
}

// A pair of either kind in series with another, the first no later in the table than the second,
// and of x + z + a + b only (x + z) + (a + b) with x ≤ z ≤ a ≤ b, which ties in the table keep in
// that order. The second is walked outward from half the target, which leaves far fewer to search
// than the first from the smallest.
bool Searcher::PairsInSeries() {
  const auto searchFirst = [this](std::size_t second) {
    const double y = pairOhms_[second];
    const Window reach = Reach(4);
    if (!PairWithin(reach.low - y, reach.high - y)) return;
    const PairMembers& last = tables_.pairs[second];
    ScanOutward(
        0, second + 1, PairAtOrAbove(target_ - y), top_[3],
        [&](std::size_t j) { return pairOhms_[j] + y; },
        [&](std::size_t j) {
          const PairMembers& first = tables_.pairs[j];
          const bool allSeries = first.join == Join::Series && last.join == Join::Series;
          if (allSeries && first.second > last.first) return;
          NetworkSketch sketch;
          const int left = AddPair(sketch, j);
          sketch.AddJoin(Join::Series, left, AddPair(sketch, second));
          Offer(sketch, 4);
        });
  };
  const std::size_t middle = PairAtOrAbove(target_ / 2.0);
  for (std::size_t second = middle; second < pairOhms_.size(); ++second) {
    if (second % 4096 == 0 && Stopped()) return false;
    if (pairOhms_[second] > target_ && !MayEnter(pairOhms_[second], 4)) break;
    searchFirst(second);
  }
  for (std::size_t second = middle; second-- > 0;) {
    if (second % 4096 == 0 && Stopped()) return false;
    if (!MayEnter(2.0 * pairOhms_[second], 4)) break;
    searchFirst(second);
  }
  return !Stopped();
}

// A pair of either kind in parallel with another, the first no later in the table than the
// second, and of x || z || a || b only (x || z) || (a || b) with x ≤ z ≤ a ≤ b.
bool Searcher::PairsInParallel() {
  const auto tooLow = [this](double y) { return y < target_ && !MayEnter(y, 4); };
  const std::size_t begin =
      std::partition_point(pairOhms_.begin(), pairOhms_.end(), tooLow) - pairOhms_.begin();
  for (std::size_t first = begin; first < pairOhms_.size(); ++first) {
    if (first % 4096 == 0 && Stopped()) return false;
    const double y = pairOhms_[first];
    if (y / 2.0 > target_ && !MayEnter(y / 2.0, 4)) break;
    const PairMembers& lower = tables_.pairs[first];
    const double g = 1.0 / y;
    // y || p in the reach; where no p gives its low end, a negative bound lets all in.
    const Window reach = Reach(4);
    const double beyondHigh = 1.0 / reach.high - g;
    const double pairHigh = beyondHigh > 0.0 ? 1.0 / beyondHigh : infinity;
    if (!PairWithin(1.0 / (1.0 / reach.low - g), pairHigh)) continue;
    ScanOutward(
        first, pairOhms_.size(), PairAtOrAbove(ParallelNeed(target_, g)), top_[3],
        [&](std::size_t j) { return 1.0 / (g + 1.0 / pairOhms_[j]); },
        [&](std::size_t j) {
          const PairMembers& last = tables_.pairs[j];
          const bool allParallel = lower.join == Join::Parallel && last.join == Join::Parallel;
          if (allParallel && lower.second > last.first) return;
          NetworkSketch sketch;
          const int left = AddPair(sketch, first);
          sketch.AddJoin(Join::Parallel, left, AddPair(sketch, j));
          Offer(sketch, 4);
        });
  }
  return !Stopped();
}

// x + (z || (a || b)) with z ≤ a, and x + (z || (a + b)).
bool Searcher::PartInSeriesWithPartParallelToPair() {
  const double lowestPair = pairOhms_.front();
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x > target_ && !MayEnter(x, 4)) break;
    const double rest = target_ - x;
    const Window reach = Reach(4);
    const double restLow = reach.low - x;
    const double restHigh = reach.high - x;
    const auto tooLow = [&](double z) { return x + z < target_ && !MayEnter(x + z, 4); };
    const std::size_t begin =
        std::partition_point(ohms_.begin(), ohms_.end(), tooLow) - ohms_.begin();
    for (std::size_t k = begin; k < ohms_.size(); ++k) {
      const double z = ohms_[k];
      const double g = 1.0 / z;
      // z || p in [restLow, restHigh]; where no p gives restLow, a negative bound lets all in.
      const double pairLow = restLow > 0.0 ? 1.0 / (1.0 / restLow - g) : 0.0;
      const double beyondHigh = 1.0 / restHigh - g;
      const double pairHigh = beyondHigh > 0.0 ? 1.0 / beyondHigh : infinity;
      if (pairHigh < lowestPair) break;
      if (!PairWithin(pairLow, pairHigh)) continue;
      const double need = rest <= 0.0 ? 0.0 : ParallelNeed(rest, g);
      ScanOutward(
          0, pairOhms_.size(), PairAtOrAbove(need), top_[3],
          [&](std::size_t j) { return x + 1.0 / (g + 1.0 / pairOhms_[j]); },
          [&](std::size_t j) {
            const PairMembers& pair = tables_.pairs[j];
            if (pair.join == Join::Parallel && pair.first < k) return;
            NetworkSketch sketch;
            const int part = sketch.AddPart(static_cast<int>(i));
            const int branch = sketch.AddPart(static_cast<int>(k));
            const int parallel = sketch.AddJoin(Join::Parallel, branch, AddPair(sketch, j));
            sketch.AddJoin(Join::Series, part, parallel);
            Offer(sketch, 4);
          });
    }
  }
  return true;
}

// x || (z + (a + b)) with z ≤ a, and x || (z + (a || b)).
bool Searcher::PartParallelToPartInSeriesWithPair() {
  const double lowestPair = pairOhms_.front();
  const double highestPair = pairOhms_.back();
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x < target_ && !MayEnter(x, 4)) continue;
    const double g = 1.0 / x;
    const double lowest = 1.0 / (g + 1.0 / (ohms_.front() + lowestPair));
    if (lowest > target_ && !MayEnter(lowest, 4)) break;
    const double branchNeed = ParallelNeed(target_, g);
    // x || b in the reach; where no b gives its low end, a negative bound lets all in.
    const Window reach = Reach(4);
    const double branchLow = 1.0 / (1.0 / reach.low - g);
    const double beyondHigh = 1.0 / reach.high - g;
    const double branchHigh = beyondHigh > 0.0 ? 1.0 / beyondHigh : infinity;
    const auto tooLow = [&](double z) {
      const double highest = 1.0 / (g + 1.0 / (z + highestPair));
      return highest < target_ && !MayEnter(highest, 4);
    };
    const std::size_t begin =
        std::partition_point(ohms_.begin(), ohms_.end(), tooLow) - ohms_.begin();
    for (std::size_t k = begin; k < ohms_.size(); ++k) {
      const double z = ohms_[k];
      if (branchHigh - z < lowestPair) break;
      if (!PairWithin(branchLow - z, branchHigh - z)) continue;
      ScanOutward(
          0, pairOhms_.size(), PairAtOrAbove(branchNeed - z), top_[3],
          [&](std::size_t j) { return 1.0 / (g + 1.0 / (z + pairOhms_[j])); },
          [&](std::size_t j) {
            const PairMembers& pair = tables_.pairs[j];
            if (pair.join == Join::Series && pair.first < k) return;
            NetworkSketch sketch;
            const int part = sketch.AddPart(static_cast<int>(i));
            const int branch = sketch.AddPart(static_cast<int>(k));
            const int series = sketch.AddJoin(Join::Series, branch, AddPair(sketch, j));
            sketch.AddJoin(Join::Parallel, part, series);
            Offer(sketch, 4);
          });
    }
  }
  return true;
}

}  // namespace

bool SearchNetworks(const NetworkTables& tables, const SearchChoices& choices, double target,
                    SearchScratch& scratch, std::vector<NetworkResult>& results,
                    std::stop_token cancel) {
  results.clear();
  for (int parts = 1; parts <= maxNetworkParts; ++parts) {
    scratch.top[parts - 1].Reset(parts <= choices.maxParts ? choices.top : 0);
  }
  if (!(target > 0.0 && target < infinity) || tables.parts.empty()) return true;

  Searcher searcher(tables, choices.ranking, target, scratch, std::move(cancel));
  // Without a 2-part network (one part, allowed once) there is none of 3 or 4 parts either.
  const int maxParts = tables.pairOhms.empty() ? std::min(choices.maxParts, 2) : choices.maxParts;
  const bool done = searcher.OnePart() && (maxParts < 2 || searcher.TwoParts()) &&
                    (maxParts < 3 || searcher.ThreeParts()) &&
                    (maxParts < 4 || searcher.FourParts());
  if (!done) return false;
  for (const TopNetworks& top : scratch.top) {
    for (const RankedNetwork& network : top.Ranked()) results.push_back(network.result);
  }
  return true;
}

}  // namespace tamblor
