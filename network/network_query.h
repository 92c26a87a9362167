#pragma once

#include <array>
#include <memory>
#include <optional>
#include <stop_token>
#include <vector>

#include "network/input_message.h"
#include "network/part.h"
#include "values/fixed_text.h"

namespace tamblor {

inline constexpr int maxNetworkParts = 4;
inline constexpr int maxTopCount = 100;

enum class Ranking : std::uint8_t { Error, WorstCase };

// The extremes of a network's value with every part at its lower or at its upper limit, and
// the larger distance of either from the target, in percent of the target (≥ 0).
struct WorstCase {
  double low = 0.0;
  double high = 0.0;
  double error = 0.0;
};

// Room for four parts of the longest value text, the joins and the parentheses.
using NetworkText = FixedText<192>;

struct NetworkResult {
  int parts = 0;
  NetworkText text;  // "1k + (2k2 || 3k3)": canonical, so one network has one text
  // Ohms, computed from the parts in the text's order, one join at a time from the innermost: a
  // series join sums its members left to right, a parallel join is 1 / (1/a + 1/b + …) with the
  // conductances summed left to right. The worst case takes the same steps.
  double value = 0.0;
  double error = 0.0;  // (value - target) / target * 100
  WorstCase worst;
  std::array<int, maxNetworkParts> resistors{};  // indices into Parts(), in text order
};

struct NetworkRequest {
  std::vector<Part> parts;  // the allowed parts, ascending by value
  int maxParts = 3;         // 1 to maxNetworkParts
  int top = 3;              // results per part count, 1 to maxTopCount
  Ranking ranking = Ranking::Error;
  std::optional<double> tolerance;  // percent, overriding every part's own; 0 to 100 counts
};

// The best networks of 1 to maxParts parts for one target after another. Built once per set of
// parts and choices (the tables it sorts), then asked for any number of targets.
class NetworkQuery {
 public:
  explicit NetworkQuery(NetworkRequest request);
  NetworkQuery(NetworkQuery&&) noexcept;
  NetworkQuery& operator=(NetworkQuery&&) noexcept;
  ~NetworkQuery();

  // Set when the tables would need more memory than a search may take; Find then finds nothing.
  std::optional<InputMessage> SetUpFailure() const;
  // The parts searched: those given with a positive value, ascending.
  const std::vector<Part>& Parts() const;

  // Fills `results` (cleared first) by part count, then by rank, for a target in ohms (> 0).
  // Returns false, with `results` unspecified, once `cancel` is requested.
  bool Find(double target, std::vector<NetworkResult>& results, std::stop_token cancel = {}) const;

 private:
  // The tables and the lists a search fills; one thread at a time may call Find.
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tamblor
