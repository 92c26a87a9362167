#include "ui/divider_finder_window.h"

#include <variant>

#include "network/ratio_text.h"
#include "ui/divider_rows.h"
#include "ui/translated.h"

namespace tamblor {

DividerFinderWindow::DividerFinderWindow(wxWindow* parent) : FinderWindow(parent, Tr("分压器"), 5) {
  ratio_ = AddBox(Tr("分压比:"));
  ratio_->SetHint("0.275, 3.3/12");
  reference_ = AddBox(Tr("参考电压 (V):"));
  reference_->SetHint(Tr("可选: 分压比框里填输出电压"));
  auto& legs = AddOptionRow();
  legParts_ = AddSpin(legs, Tr("每臂元件数:"), 1, maxLegParts, 1);
  totalMin_ = AddRowBox(legs, Tr("总阻值最小值:"), "1k");
  totalMax_ = AddRowBox(legs, Tr("总阻值最大值:"), "1M");
  Finish({Tr("上臂"), Tr("下臂"), Tr("分压比"), Tr("误差 %"), Tr("总阻值"), Tr("最坏情况范围"),
          Tr("最坏情况误差 %"), Tr("输出电压"), Tr("输出电压范围")},
         112);
  ratio_->SetFocus();
}

void DividerFinderWindow::OnInputsChanged() {
  const std::string text = ratio_->GetValue().utf8_string();
  if (text.empty()) return ShowProblemOf(Tr("请输入分压比"));
  std::optional<double> reference;
  if (const std::string volts = reference_->GetValue().utf8_string(); !volts.empty()) {
    reference = ReadVolts(volts);
    if (!reference) return ShowProblemOf(FinderInput::Vref);
  }
  const RatioReading target = ReadRatio(text, reference);
  if (target.message) return ShowProblemOf(*target.message);
  std::variant<PartChoices, FinderInput> choices = ReadPartChoices(ChoiceTexts());
  if (const auto* input = std::get_if<FinderInput>(&choices)) return ShowProblemOf(*input);
  const std::optional<double> totalMin = ReadBound(totalMin_->GetValue().utf8_string());
  if (!totalMin) return ShowProblemOf(FinderInput::TotalMin);
  const std::optional<double> totalMax = ReadBound(totalMax_->GetValue().utf8_string());
  if (!totalMax) return ShowProblemOf(FinderInput::TotalMax);
  if (*totalMin > *totalMax) return ShowProblemOf(FinderInput::TotalMinAboveMax);
  QueryKey key{std::get<PartChoices>(std::move(choices)),
               StockGeneration(),
               legParts_->GetValue(),
               Top(),
               ChosenRanking(),
               *totalMin,
               *totalMax};
  if (key.choices.series.empty() && key.stock == 0) return ShowProblemOf(FinderInput::StockFile);

  Asked asked{key, {target.target.ratio, target.target.source, target.target.volts}};
  if (asked == lastAsked_) return;  // an event that changed nothing the search reads
  lastAsked_ = asked;
  const int search = BeginSearch();
  search_.Run([this, search, key = std::move(key), stock = StockParts(),
               wanted = target.target](std::stop_token cancel) {
    if (!query_ || builtKey_ != key) {
      query_.reset();
      query_ = std::make_unique<DividerQuery>(
          DividerRequest{ChosenParts(key.choices, *stock), key.legParts, key.top, key.ranking,
                         key.choices.tolerance, key.totalMin, key.totalMax});
      builtKey_ = key;
    }
    if (const std::optional<InputMessage> failure = query_->SetUpFailure()) {
      CallAfter([this, search, failure = *failure] { ShowSearchProblem(search, failure); });
      return;
    }
    if (!query_->Find(wanted, results_, cancel)) return;
    CallAfter([this, search, rows = DividerRows(results_, query_->Parts())]() mutable {
      ShowResults(search, std::move(rows));
    });
  });
}

}  // namespace tamblor
