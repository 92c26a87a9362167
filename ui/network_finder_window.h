#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "network/network_query.h"
#include "ui/finder_window.h"
#include "ui/latest_search.h"

namespace tamblor {

// "电阻网络": the best networks of up to four parts for the value typed, as `tamblor-cli network`
// finds them with the same choices.
class NetworkFinderWindow : public FinderWindow {
 public:
  explicit NetworkFinderWindow(wxWindow* parent);

  wxTextCtrl& valueBox() { return *value_; }
  wxSpinCtrl& maxPartsBox() { return *maxParts_; }

 private:
  // Everything a query is built from: a change of any of it builds another.
  struct QueryKey {
    PartChoices choices;
    int stock = 0;
    int maxParts = 0;
    int top = 0;
    Ranking ranking = Ranking::Error;
    friend bool operator==(const QueryKey&, const QueryKey&) = default;
  };

  // What a search was last asked; reset when a problem is shown instead.
  struct Asked {
    QueryKey key;
    double target;
    friend bool operator==(const Asked&, const Asked&) = default;
  };

  void OnInputsChanged() override;
  void ShowProblemOf(auto reason) {
    lastAsked_.reset();
    ShowProblem(reason);
  }

  wxTextCtrl* value_;
  wxSpinCtrl* maxParts_;
  std::optional<Asked> lastAsked_;
  // Only the search thread touches these.
  std::optional<QueryKey> builtKey_;
  std::unique_ptr<NetworkQuery> query_;
  std::vector<NetworkResult> results_;
  LatestSearch search_;  // last: stops before what its searches touch goes
};

}  // namespace tamblor
