#include "network/network_query.h"

#include <algorithm>

#include "network/network_search.h"

namespace tamblor {

namespace {

const std::vector<Part> noParts;

}  // namespace

struct NetworkQuery::State {
  SearchChoices choices;
  std::optional<NetworkTables> tables;
  SearchScratch scratch;
};

NetworkQuery::NetworkQuery(NetworkRequest request) : state_(std::make_unique<State>()) {
  state_->choices.maxParts = std::clamp(request.maxParts, 1, maxNetworkParts);
  state_->choices.top = std::clamp(request.top, 1, maxTopCount);
  state_->choices.ranking = request.ranking;
  state_->tables =
      BuildNetworkTables(std::move(request.parts), state_->choices.maxParts, request.tolerance);
}

NetworkQuery::NetworkQuery(NetworkQuery&&) noexcept = default;
NetworkQuery& NetworkQuery::operator=(NetworkQuery&&) noexcept = default;
NetworkQuery::~NetworkQuery() = default;

std::optional<InputMessage> NetworkQuery::SetUpFailure() const {
  if (state_->tables) return std::nullopt;
  return InputMessage{
      "Search Too Large",
      "The tables for networks of 3 or 4 parts from this many values would need "
      "more than 256 MB: narrow the bounds, choose a smaller set, shorten the stock "
      "list or allow fewer parts."};
}

const std::vector<Part>& NetworkQuery::Parts() const {
  return state_->tables ? state_->tables->parts : noParts;
}

bool NetworkQuery::Find(double target, std::vector<NetworkResult>& results,
                        std::stop_token cancel) const {
  if (!state_->tables) {
    results.clear();
    return !cancel.stop_requested();
  }
  return SearchNetworks(*state_->tables, state_->choices, target, state_->scratch, results,
                        std::move(cancel));
}

}  // namespace tamblor
