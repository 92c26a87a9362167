#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/calculate_command.h"
#include "engine/combination_table.h"

namespace tamblor {
namespace {

// Required values from 1 ohm to 10 megohms: standard values, exact pairs and inexact ones.
constexpr std::array<std::string_view, 12> requiredTexts{
    "1R", "2R87", "47R5", "289", "219", "5k", "12k34", "68k1", "219k", "3M3", "7M77", "10M"};

// A form that answers the boxes and ignores every write. Its E96 maximum of 10M lets every
// required value above pass the range check under all three selections.
class SilentForm : public FormControls {
 public:
  std::string_view required;

  std::string_view BoxText(ControlId box) override {
    switch (box) {
      case IDC_E24_MIN:
      case IDC_E96_MIN:
        return "1R";
      case IDC_E24_MAX:
      case IDC_E96_MAX:
        return "10M";
      default:
        return required;
    }
  }
  void SetFieldText(ControlId, std::string_view) override {}
  int MatchListCount() override { return 0; }
  void MatchListAdd(std::string_view) override {}
  void MatchListDelete(int) override {}
  void ShowStopMessage(std::string_view, std::string_view) override {}
};

// Argument: 0 E24, 1 E96 at 1 %, 2 E96 at 0.1 %.
void BM_OnCalculate(benchmark::State& run) {
  SharedCombinationTable();
  CalculatorState state;
  state.E24ONLY = run.range(0) == 0;
  state.USE_1PC = run.range(0) != 2;
  SilentForm form;
  std::size_t next = 0;
  for (auto _ : run) {
    form.required = requiredTexts[next];
    next = (next + 1) % requiredTexts.size();
    OnCalculate(state, form);
    benchmark::DoNotOptimize(state.bestAbsError);
  }
}
BENCHMARK(BM_OnCalculate)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
}  // namespace tamblor
