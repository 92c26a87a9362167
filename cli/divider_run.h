#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json_line.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/text_columns.h"
#include "network/divider_query.h"
#include "network/input_message.h"
#include "network/ratio_text.h"

namespace tamblor::cli {

// Finds the dividers for one ratio after another with one query built for the whole run, writes
// them in the human layout or as JSON lines, and notes whether any value had none.
class DividerRun {
 public:
  // The results go to `output`, which must outlive the run.
  DividerRun(const CommandLine& commandLine, Output& output);

  void Value(std::string_view input);
  void Flush() { output_.Flush(); }
  bool AnyWithoutResult() const { return anyWithoutResult_; }

 private:
  void AppendJson(std::string_view input, const RatioReading& reading,
                  const std::optional<InputMessage>& message);
  void AppendLegJson(const DividerLeg& leg);
  void AppendHuman(std::string_view input, const RatioReading& reading,
                   const std::optional<InputMessage>& message);
  void AppendLegRemark(std::string_view name, const DividerLeg& leg);

  bool json_;
  std::optional<double> referenceVolts_;
  DividerQuery query_;
  std::optional<InputMessage> setUpFailure_;
  std::vector<DividerResult> results_;
  Output& output_;
  JsonLineWriter jsonWriter_;
  TextColumns columns_;
  std::string remark_;
  std::string ratioRange_;  // "low .. high" of the row at hand
  std::string voltageRange_;
  long valueCount_ = 0;
  bool anyWithoutResult_ = false;
};

}  // namespace tamblor::cli
