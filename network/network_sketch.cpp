#include "network/network_sketch.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <string_view>
#include <tuple>

namespace tamblor {

namespace {

// A member of a join in canonical form, with the values its text stands for.
struct Canonical {
  double value = 0.0;
  double low = 0.0;
  double high = 0.0;
  NetworkText text;
  std::array<int, maxNetworkParts> resistors{};
  int parts = 0;
  bool isJoin = false;
};

bool CanonicalOrder(const Canonical& a, const Canonical& b) {
  return std::forward_as_tuple(a.value, a.text.view(), a.resistors) <
         std::forward_as_tuple(b.value, b.text.view(), b.resistors);
}

// At most four members: an insertion sort, which also keeps GCC's bounds analysis of a sort
// over a fixed array quiet.
void SortMembers(std::span<Canonical> members) {
  for (std::size_t i = 1; i < members.size(); ++i) {
    for (std::size_t k = i; k > 0 && CanonicalOrder(members[k], members[k - 1]); --k) {
      std::swap(members[k], members[k - 1]);
    }
  }
}

class Canonicaliser {
 public:
  Canonicaliser(std::span<const Part> parts) : parts_(parts) {}

  template <typename Node, std::size_t N>
  Canonical Of(const std::array<Node, N>& nodes, int index) const {
    const Node& node = nodes[index];
    if (node.part >= 0) return OfPart(node.part);

    std::array<Canonical, maxNetworkParts> members;
    int count = 0;
    CollectMembers(nodes, index, node.join, members, count);
    SortMembers(std::span(members.data(), count));
    return Joined(node.join, std::span(members.data(), count));
  }

 private:
  Canonical OfPart(int part) const {
    const Part& p = parts_[part];
    Canonical member;
    member.value = p.ohms;
    member.low = p.ohms * (1.0 - p.tolerance / 100.0);
    member.high = p.ohms * (1.0 + p.tolerance / 100.0);
    member.text = NetworkText(p.text.view());
    member.resistors[0] = part;
    member.parts = 1;
    return member;
  }

  // A member of the same kind of join gives its own members: "a + (b + c)" is "a + b + c".
  template <typename Node, std::size_t N>
  void CollectMembers(const std::array<Node, N>& nodes, int index, Join join,
                      std::array<Canonical, maxNetworkParts>& members, int& count) const {
    for (const int member : nodes[index].members) {
      const Node& node = nodes[member];
      if (node.part < 0 && node.join == join) {
        CollectMembers(nodes, member, join, members, count);
      } else {
        members[count++] = Of(nodes, member);
      }
    }
  }

  static Canonical Joined(Join join, std::span<const Canonical> members) {
    const bool series = join == Join::Series;
    const std::string_view separator = series ? " + " : " || ";
    std::array<char, NetworkText::maxLength> text{};
    std::size_t length = 0;
    const auto append = [&text, &length](std::string_view piece) {
      assert(length + piece.size() <= text.size());
      length += piece.copy(text.data() + length, piece.size());
    };

    Canonical joined;
    joined.isJoin = true;
    double value = 0.0;
    double low = 0.0;
    double high = 0.0;
    for (std::size_t i = 0; i < members.size(); ++i) {
      const Canonical& member = members[i];
      value += series ? member.value : 1.0 / member.value;
      low += series ? member.low : 1.0 / member.low;
      high += series ? member.high : 1.0 / member.high;
      if (i > 0) append(separator);
      if (member.isJoin) append("(");
      append(member.text.view());
      if (member.isJoin) append(")");
      std::copy_n(member.resistors.begin(), member.parts, joined.resistors.begin() + joined.parts);
      joined.parts += member.parts;
    }
    joined.value = series ? value : 1.0 / value;
    joined.low = series ? low : 1.0 / low;
    joined.high = series ? high : 1.0 / high;
    joined.text = NetworkText(std::string_view(text.data(), length));
    return joined;
  }

  std::span<const Part> parts_;
};

}  // namespace

int NetworkSketch::AddPart(int part) {
  nodes_[size_] = Node{part, Join::Series, {}};
  return size_++;
}

int NetworkSketch::AddJoin(Join join, int first, int second) {
  nodes_[size_] =
      Node{-1, join, {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second)}};
  return size_++;
}

NetworkResult CanonicalResult(const NetworkSketch& sketch, std::span<const Part> parts,
                              double target) {
  const Canonical network = Canonicaliser(parts).Of(sketch.nodes_, sketch.size_ - 1);
  NetworkResult result;
  result.parts = network.parts;
  result.text = network.text;
  result.value = network.value;
  result.error = (network.value - target) / target * 100.0;
  result.worst.low = network.low;
  result.worst.high = network.high;
  result.worst.error =
      std::max(std::fabs(network.low - target), std::fabs(network.high - target)) / target * 100.0;
  result.resistors = network.resistors;
  return result;
}

int DistinctValues(const NetworkResult& result, std::span<const Part> parts) {
  int distinct = 0;
  for (int i = 0; i < result.parts; ++i) {
    bool seen = false;
    for (int j = 0; j < i; ++j)
      seen = seen || parts[result.resistors[j]].ohms == parts[result.resistors[i]].ohms;
    if (!seen) ++distinct;
  }
  return distinct;
}

}  // namespace tamblor
