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
  bool TwoPartsInSeriesWithPair();
  bool TwoPartsInParallelWithPair();
  bool PartInSeriesWithPartParallelToPair();
  bool PartParallelToPartInSeriesWithPair();
  bool ParallelPairsInSeries();
  bool SeriesPairsInParallel();

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
  return TwoPartsInSeriesWithPair() && TwoPartsInParallelWithPair() &&
         PartInSeriesWithPartParallelToPair() && PartParallelToPartInSeriesWithPair() &&
         ParallelPairsInSeries() && SeriesPairsInParallel();
}

// x + z + (a + b) with x ≤ z ≤ a, and x + z + (a || b) with x ≤ z.
bool Searcher::TwoPartsInSeriesWithPair() {
  const double lowestPair = pairOhms_.front();
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x + x + lowestPair > target_ && !MayEnter(x + x + lowestPair, 4)) break;
    for (std::size_t k = i; k < ohms_.size(); ++k) {
      const double sum = x + ohms_[k];
      if (sum + lowestPair > target_ && !MayEnter(sum + lowestPair, 4)) break;
      ScanOutward(
          0, pairOhms_.size(), PairAtOrAbove(target_ - sum), top_[3],
          [&](std::size_t j) { return sum + pairOhms_[j]; },
          [&](std::size_t j) {
            const PairMembers& pair = tables_.pairs[j];
            if (pair.join == Join::Series && pair.first < k) return;
            NetworkSketch sketch;
            const int parts = sketch.AddJoin(Join::Series, sketch.AddPart(static_cast<int>(i)),
                                             sketch.AddPart(static_cast<int>(k)));
            sketch.AddJoin(Join::Series, parts, AddPair(sketch, j));
            Offer(sketch, 4);
          });
    }
  }
  return true;
}

// x || z || (a || b) with x ≤ z ≤ a, and x || z || (a + b) with x ≤ z.
bool Searcher::TwoPartsInParallelWithPair() {
  const double lowestPair = pairOhms_.front();
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x < target_ && !MayEnter(x, 4)) continue;
    const double lowest = 1.0 / (2.0 / x + 1.0 / lowestPair);
    if (lowest > target_ && !MayEnter(lowest, 4)) break;
    for (std::size_t k = i; k < ohms_.size(); ++k) {
      const double g = 1.0 / x + 1.0 / ohms_[k];
      if (1.0 / g < target_ && !MayEnter(1.0 / g, 4)) continue;
      const double lowestHere = 1.0 / (g + 1.0 / lowestPair);
      if (lowestHere > target_ && !MayEnter(lowestHere, 4)) break;
      ScanOutward(
          0, pairOhms_.size(), PairAtOrAbove(ParallelNeed(target_, g)), top_[3],
          [&](std::size_t j) { return 1.0 / (g + 1.0 / pairOhms_[j]); },
          [&](std::size_t j) {
            const PairMembers& pair = tables_.pairs[j];
            if (pair.join == Join::Parallel && pair.first < k) return;
            NetworkSketch sketch;
            const int parts = sketch.AddJoin(Join::Parallel, sketch.AddPart(static_cast<int>(i)),
                                             sketch.AddPart(static_cast<int>(k)));
            sketch.AddJoin(Join::Parallel, parts, AddPair(sketch, j));
            Offer(sketch, 4);
          });
    }
  }
  return true;
}

// x + (z || (a || b)) with z ≤ a, and x + (z || (a + b)).
bool Searcher::PartInSeriesWithPartParallelToPair() {
  const double lowestPair = pairOhms_.front();
  for (std::size_t i = 0; i < ohms_.size(); ++i) {
    if (Stopped()) return false;
    const double x = ohms_[i];
    if (x > target_ && !MayEnter(x, 4)) break;
    const double rest = target_ - x;
    for (std::size_t k = 0; k < ohms_.size(); ++k) {
      const double z = ohms_[k];
      if (x + z < target_ && !MayEnter(x + z, 4)) continue;
      const double g = 1.0 / z;
      const double lowest = x + 1.0 / (g + 1.0 / lowestPair);
      if (lowest > target_ && !MayEnter(lowest, 4)) break;
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
    for (std::size_t k = 0; k < ohms_.size(); ++k) {
      const double z = ohms_[k];
      const double highestHere = 1.0 / (g + 1.0 / (z + highestPair));
      if (highestHere < target_ && !MayEnter(highestHere, 4)) continue;
      const double lowestHere = 1.0 / (g + 1.0 / (z + lowestPair));
      if (lowestHere > target_ && !MayEnter(lowestHere, 4)) break;
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

// (a || b) + (c || d), the first pair no later in the table than the second. The second is walked
// outward from half the target, which leaves far fewer to search than the first from the smallest.
bool Searcher::ParallelPairsInSeries() {
  const auto searchFirst = [this](std::size_t second) {
    const double y = pairOhms_[second];
    ScanOutward(
        0, second + 1, PairAtOrAbove(target_ - y), top_[3],
        [&](std::size_t j) { return pairOhms_[j] + y; },
        [&](std::size_t j) {
          if (tables_.pairs[j].join != Join::Parallel) return;
          NetworkSketch sketch;
          const int left = AddPair(sketch, j);
          sketch.AddJoin(Join::Series, left, AddPair(sketch, second));
          Offer(sketch, 4);
        });
  };
  const std::size_t middle = PairAtOrAbove(target_ / 2.0);
  for (std::size_t second = middle; second < pairOhms_.size(); ++second) {
    if (tables_.pairs[second].join != Join::Parallel) continue;
    if (second % 4096 == 0 && Stopped()) return false;
    if (pairOhms_[second] > target_ && !MayEnter(pairOhms_[second], 4)) break;
    searchFirst(second);
  }
  for (std::size_t second = middle; second-- > 0;) {
    if (tables_.pairs[second].join != Join::Parallel) continue;
    if (second % 4096 == 0 && Stopped()) return false;
    if (!MayEnter(2.0 * pairOhms_[second], 4)) break;
    searchFirst(second);
  }
  return !Stopped();
}

// (a + b) || (c + d), the first pair no later in the table than the second.
bool Searcher::SeriesPairsInParallel() {
  for (std::size_t first = 0; first < pairOhms_.size(); ++first) {
    if (tables_.pairs[first].join != Join::Series) continue;
    if (first % 4096 == 0 && Stopped()) return false;
    const double y = pairOhms_[first];
    if (y < target_ && !MayEnter(y, 4)) continue;
    if (y / 2.0 > target_ && !MayEnter(y / 2.0, 4)) break;
    const double g = 1.0 / y;
    ScanOutward(
        first, pairOhms_.size(), PairAtOrAbove(ParallelNeed(target_, g)), top_[3],
        [&](std::size_t j) { return 1.0 / (g + 1.0 / pairOhms_[j]); },
        [&](std::size_t j) {
          if (tables_.pairs[j].join != Join::Series) return;
          NetworkSketch sketch;
          const int left = AddPair(sketch, first);
          sketch.AddJoin(Join::Parallel, left, AddPair(sketch, j));
          Offer(sketch, 4);
        });
  }
  return !Stopped();
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
