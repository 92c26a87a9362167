#include "network/divider_query.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <tuple>

#include "network/network_tables.h"

namespace tamblor {

namespace {

// Top legs walked between checks of the cancellation flag.
constexpr std::size_t legsPerCancelCheck = 4096;

// A bound on a rank key may exceed the key of the same divider by a few rounding steps; this much
// (in percent) keeps every divider that could still tie or win in the scan.
constexpr double boundSlack = 1e-9;

// As the network search joins two members: conductances add in parallel.
double Joined(Join join, double a, double b) {
  return join == Join::Series ? a + b : 1.0 / (1.0 / a + 1.0 / b);
}

double RatioOf(double top, double bottom) { return bottom / (top + bottom); }

double ErrorOf(double ratio, double wanted) { return (ratio - wanted) / wanted * 100.0; }

}  // namespace

struct DividerQuery::Candidate {
  double key = 0.0;  // the size of the error or the worst-case error, in percent
  int parts = 0;
  int distinct = 0;
  double total = 0.0;
  std::size_t top = 0;
  std::size_t bottom = 0;

  friend bool operator<(const Candidate& a, const Candidate& b) {
    return std::tie(a.key, a.parts, a.distinct, a.total, a.top, a.bottom) <
           std::tie(b.key, b.parts, b.distinct, b.total, b.top, b.bottom);
  }
};

// The best candidates so far, in order, in a fixed array: no allocation per target.
class DividerQuery::Ranked {
 public:
  explicit Ranked(int capacity) : capacity_(capacity) {}

  // The largest key a candidate may have and still enter.
  double Bar() const {
    return size_ < capacity_ ? std::numeric_limits<double>::infinity()
                             : items_[size_ - 1].key + boundSlack;
  }

  void Offer(const Candidate& candidate) {
    if (size_ == capacity_ && !(candidate < items_[size_ - 1])) return;
    const auto end = items_.begin() + size_;
    const auto at = std::upper_bound(items_.begin(), end, candidate);
    std::move_backward(at, end - (size_ == capacity_ ? 1 : 0), end + (size_ == capacity_ ? 0 : 1));
    *at = candidate;
    size_ = std::min(size_ + 1, capacity_);
  }

  std::span<const Candidate> Items() const { return {items_.data(), std::size_t(size_)}; }

 private:
  std::array<Candidate, maxTopCount> items_{};
  int capacity_ = 0;
  int size_ = 0;
};

DividerQuery::DividerQuery(DividerRequest request) : request_(std::move(request)) {
  request_.legParts = std::clamp(request_.legParts, 1, maxLegParts);
  request_.top = std::clamp(request_.top, 1, maxTopCount);
  // The network search's rules for which parts count and at which tolerance.
  request_.parts =
      std::move(BuildNetworkTables(std::move(request_.parts), 1, request_.tolerance)->parts);
  const std::size_t count = request_.parts.size();
  const double legCount = count + (request_.legParts == 2 ? count * (count + 1.0) : 0.0);
  if (legCount * sizeof(Leg) > maxTableBytes) {
    setUpFailure_ = InputMessage{
        "Search Too Large",
        "The table of divider legs of 2 parts from this many values would need more than 256 MB: "
        "narrow the bounds, choose a smaller set, shorten the stock list or allow 1 part a leg."};
    return;
  }

  std::vector<double> lows;
  std::vector<double> highs;
  for (const Part& part : request_.parts) {
    countsLimited_ = countsLimited_ || part.count != unlimitedCount;
    lows.push_back(part.ohms * (1.0 - part.tolerance / 100.0));
    highs.push_back(part.ohms * (1.0 + part.tolerance / 100.0));
  }
  legs_.reserve(static_cast<std::size_t>(legCount));
  const auto add = [this](const Leg& leg) {
    if (leg.value <= request_.totalMax) legs_.push_back(leg);
  };
  for (std::size_t i = 0; i < count; ++i) {
    const auto first = static_cast<std::int32_t>(i);
    add({request_.parts[i].ohms, lows[i], highs[i], first});
    if (request_.legParts < 2) continue;
    for (std::size_t k = CountAllows(request_.parts[i], 2) ? i : i + 1; k < count; ++k) {
      const auto second = static_cast<std::int32_t>(k);
      for (const Join join : {Join::Series, Join::Parallel}) {
        add({Joined(join, request_.parts[i].ohms, request_.parts[k].ohms),
             Joined(join, lows[i], lows[k]), Joined(join, highs[i], highs[k]), first, second,
             join});
      }
    }
  }
  std::sort(legs_.begin(), legs_.end(), [](const Leg& a, const Leg& b) {
    return std::tie(a.value, a.second, a.join, a.first) <
           std::tie(b.value, b.second, b.join, b.first);
  });
  largestLowFactor_ = 0.0;
  smallestHighFactor_ = std::numeric_limits<double>::infinity();
  for (const Leg& leg : legs_) {
    largestLowFactor_ = std::max(largestLowFactor_, leg.low / leg.value);
    smallestHighFactor_ = std::min(smallestHighFactor_, leg.high / leg.value);
  }
}

std::optional<InputMessage> DividerQuery::SetUpFailure() const { return setUpFailure_; }

const std::vector<Part>& DividerQuery::Parts() const { return request_.parts; }

bool DividerQuery::Allowed(const Leg& top, const Leg& bottom) const {
  const std::array<std::int32_t, 4> used{top.first, top.second, bottom.first, bottom.second};
  for (const std::int32_t part : used) {
    if (part >= 0 && !CountAllows(request_.parts[part],
                                  static_cast<int>(std::count(used.begin(), used.end(), part)))) {
      return false;
    }
  }
  return true;
}

// Lower bounds of a divider's rank key that rise (or fall) with the bottom leg's value, so that a
// scan away from the wanted ratio can stop at the first divider above the bar. The worst case is
// at least as far from the wanted ratio as the highest (lowest) ratio any bottom leg of this
// value could give.
double DividerQuery::RisingBound(const Leg& top, const Leg& bottom, double wanted) const {
  if (request_.ranking == Ranking::Error) return ErrorOf(RatioOf(top.value, bottom.value), wanted);
  return ErrorOf(RatioOf(top.low, bottom.value * smallestHighFactor_), wanted);
}

double DividerQuery::FallingBound(const Leg& top, const Leg& bottom, double wanted) const {
  if (request_.ranking == Ranking::Error) return -ErrorOf(RatioOf(top.value, bottom.value), wanted);
  return -ErrorOf(RatioOf(top.high, bottom.value * largestLowFactor_), wanted);
}

void DividerQuery::Consider(const DividerTarget& target, std::size_t top, std::size_t bottom,
                            Ranked& ranked) const {
  const Leg& upper = legs_[top];
  const Leg& lower = legs_[bottom];
  if (countsLimited_ && !Allowed(upper, lower)) return;
  Candidate candidate;
  if (request_.ranking == Ranking::Error) {
    candidate.key = std::fabs(ErrorOf(RatioOf(upper.value, lower.value), target.ratio));
  } else {
    const double low = RatioOf(upper.high, lower.low);
    const double high = RatioOf(upper.low, lower.high);
    candidate.key = std::max(std::fabs(low - target.ratio), std::fabs(high - target.ratio)) /
                    target.ratio * 100.0;
  }
  if (candidate.key > ranked.Bar()) return;
  const auto partsOf = [](const Leg& leg) { return leg.second < 0 ? 1 : 2; };
  candidate.parts = partsOf(upper) + partsOf(lower);
  std::array<double, 4> values{};
  std::size_t used = 0;
  for (const Leg* leg : {&upper, &lower}) {
    values[used++] = request_.parts[leg->first].ohms;
    if (leg->second >= 0) values[used++] = request_.parts[leg->second].ohms;
  }
  for (std::size_t i = 0; i < used; ++i) {
    if (std::find(values.begin(), values.begin() + i, values[i]) == values.begin() + i) {
      ++candidate.distinct;
    }
  }
  candidate.total = upper.value + lower.value;
  candidate.top = top;
  candidate.bottom = bottom;
  ranked.Offer(candidate);
}

bool DividerQuery::Find(const DividerTarget& target, std::vector<DividerResult>& results,
                        std::stop_token cancel) const {
  results.clear();
  if (setUpFailure_) return true;
  Ranked ranked(request_.top);
  const double wanted = target.ratio;
  const double bottomPerTop = wanted / (1.0 - wanted);
  const std::size_t count = legs_.size();
  // As the top leg rises, the bottom legs within the total's bounds and the one the wanted ratio
  // asks for move down, down and up: each index walks the table once.
  std::size_t firstInTotal = count;
  std::size_t pastTotal = count;
  std::size_t wantedAt = 0;
  for (std::size_t top = 0; top < count; ++top) {
    if (top % legsPerCancelCheck == 0 && cancel.stop_requested()) return false;
    const Leg& upper = legs_[top];
    while (pastTotal > 0 && upper.value + legs_[pastTotal - 1].value > request_.totalMax)
      --pastTotal;
    if (pastTotal == 0) break;
    while (firstInTotal > 0 && upper.value + legs_[firstInTotal - 1].value >= request_.totalMin) {
      --firstInTotal;
    }
    const double bottomWanted = upper.value * bottomPerTop;
    while (wantedAt < count && legs_[wantedAt].value < bottomWanted) ++wantedAt;

    const std::size_t start = std::clamp(wantedAt, firstInTotal, std::max(firstInTotal, pastTotal));
    for (std::size_t bottom = start; bottom < pastTotal; ++bottom) {
      if (RisingBound(upper, legs_[bottom], wanted) > ranked.Bar()) break;
      Consider(target, top, bottom, ranked);
    }
    for (std::size_t bottom = start; bottom > firstInTotal; --bottom) {
      if (FallingBound(upper, legs_[bottom - 1], wanted) > ranked.Bar()) break;
      Consider(target, top, bottom - 1, ranked);
    }
  }
  for (const Candidate& candidate : ranked.Items()) results.push_back(ResultOf(target, candidate));
  return true;
}

DividerLeg DividerQuery::Describe(const Leg& leg) const {
  NetworkSketch sketch;
  const int first = sketch.AddPart(leg.first);
  if (leg.second >= 0) sketch.AddJoin(leg.join, first, sketch.AddPart(leg.second));
  const NetworkResult network = CanonicalResult(sketch, request_.parts, leg.value);
  DividerLeg described;
  described.parts = network.parts;
  described.text = network.text;
  described.value = network.value;
  std::copy_n(network.resistors.begin(), maxLegParts, described.resistors.begin());
  return described;
}

DividerResult DividerQuery::ResultOf(const DividerTarget& target,
                                     const Candidate& candidate) const {
  const Leg& upper = legs_[candidate.top];
  const Leg& lower = legs_[candidate.bottom];
  DividerResult result;
  result.top = Describe(upper);
  result.bottom = Describe(lower);
  result.parts = candidate.parts;
  result.total = result.top.value + result.bottom.value;
  result.ratio = RatioOf(result.top.value, result.bottom.value);
  result.error = ErrorOf(result.ratio, target.ratio);
  result.worst.low = RatioOf(upper.high, lower.low);
  result.worst.high = RatioOf(upper.low, lower.high);
  result.worst.error = std::max(std::fabs(result.worst.low - target.ratio),
                                std::fabs(result.worst.high - target.ratio)) /
                       target.ratio * 100.0;
  switch (target.source) {
    case OutputSource::Input:
      result.output = OutputVoltage{target.volts * result.ratio, target.volts * result.worst.low,
                                    target.volts * result.worst.high};
      break;
    case OutputSource::Reference:
      result.output = OutputVoltage{target.volts / result.ratio, target.volts / result.worst.high,
                                    target.volts / result.worst.low};
      break;
    case OutputSource::None:
      break;
  }
  return result;
}

}  // namespace tamblor
