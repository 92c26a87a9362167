#include "ui/network_finder_window.h"

#include <variant>

#include "network/target_text.h"
#include "ui/network_rows.h"
#include "ui/translated.h"

namespace tamblor {

NetworkFinderWindow::NetworkFinderWindow(wxWindow* parent)
    : FinderWindow(parent, Tr("电阻网络"), 3) {
  value_ = AddBox(Tr("所需值:"));
  maxParts_ = AddSpin(AddOptionRow(), Tr("最多元件数:"), 1, maxNetworkParts, 3);
  Finish({Tr("元件数"), Tr("网络"), Tr("阻值"), Tr("误差 %"), Tr("最坏情况范围"),
          Tr("最坏情况误差 %")},
         96);
  value_->SetFocus();
}

void NetworkFinderWindow::OnInputsChanged() {
  const std::string text = value_->GetValue().utf8_string();
  if (text.empty()) return ShowProblemOf(Tr("请输入所需值"));
  const TargetReading target = ReadTarget(text);
  if (target.message) return ShowProblemOf(*target.message);
  std::variant<PartChoices, FinderInput> choices = ReadPartChoices(ChoiceTexts());
  if (const auto* input = std::get_if<FinderInput>(&choices)) return ShowProblemOf(*input);
  QueryKey key{std::get<PartChoices>(std::move(choices)), StockGeneration(), maxParts_->GetValue(),
               Top(), ChosenRanking()};
  if (key.choices.series.empty() && key.stock == 0) return ShowProblemOf(FinderInput::StockFile);

  Asked asked{key, target.ohms};
  if (asked == lastAsked_) return;  // an event that changed nothing the search reads
  lastAsked_ = asked;
  const int search = BeginSearch();
  search_.Run([this, search, key = std::move(key), stock = StockParts(),
               ohms = target.ohms](std::stop_token cancel) {
    if (!query_ || builtKey_ != key) {
      query_.reset();
      query_ = std::make_unique<NetworkQuery>(NetworkRequest{ChosenParts(key.choices, *stock),
                                                             key.maxParts, key.top, key.ranking,
                                                             key.choices.tolerance});
      builtKey_ = key;
    }
    if (const std::optional<InputMessage> failure = query_->SetUpFailure()) {
      CallAfter([this, search, failure = *failure] { ShowSearchProblem(search, failure); });
      return;
    }
    if (!query_->Find(ohms, results_, cancel)) return;
    CallAfter([this, search,
               rows = NetworkRows(results_, query_->Parts(), key.choices.tolerance)]() mutable {
      ShowResults(search, std::move(rows));
    });
  });
}

}  // namespace tamblor
