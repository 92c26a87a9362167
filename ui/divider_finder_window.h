#pragma once

#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "network/divider_query.h"
#include "ui/finder_window.h"
#include "ui/latest_search.h"

namespace tamblor {

// "分压器": the best dividers for the ratio typed, or for an output voltage over a reference, as
// `tamblor-cli divider` finds them with the same choices.
class DividerFinderWindow : public FinderWindow {
 public:
  explicit DividerFinderWindow(wxWindow* parent);

  wxTextCtrl& ratioBox() { return *ratio_; }
  wxTextCtrl& referenceBox() { return *reference_; }

 private:
  // Everything a query is built from: a change of any of it builds another.
  struct QueryKey {
    PartChoices choices;
    int stock = 0;
    int legParts = 0;
    int top = 0;
    Ranking ranking = Ranking::Error;
    double totalMin = 0.0;
    double totalMax = 0.0;
    friend bool operator==(const QueryKey&, const QueryKey&) = default;
  };

  // What a search was last asked; reset when a problem is shown instead.
  struct Asked {
    QueryKey key;
    std::tuple<double, OutputSource, double> target;  // a DividerTarget's members
    friend bool operator==(const Asked&, const Asked&) = default;
  };

  void OnInputsChanged() override;
  void ShowProblemOf(auto reason) {
    lastAsked_.reset();
    ShowProblem(reason);
  }

  wxTextCtrl* ratio_;
  wxTextCtrl* reference_;
  wxSpinCtrl* legParts_;
  wxTextCtrl* totalMin_;
  wxTextCtrl* totalMax_;
  std::optional<Asked> lastAsked_;
  // Only the search thread touches these.
  std::optional<QueryKey> builtKey_;
  std::unique_ptr<DividerQuery> query_;
  std::vector<DividerResult> results_;
  LatestSearch search_;  // last: stops before what its searches touch goes
};

}  // namespace tamblor
