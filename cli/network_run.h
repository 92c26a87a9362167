#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json_line.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/text_columns.h"
#include "network/input_message.h"
#include "network/network_query.h"
#include "network/target_text.h"

namespace tamblor::cli {

// Finds the networks for one value after another with one query built for the whole run, writes
// them in the human layout or as JSON lines, and notes whether any value had none.
class NetworkRun {
 public:
  // The results go to `output`, which must outlive the run.
  NetworkRun(const CommandLine& commandLine, Output& output);

  void Value(std::string_view input);
  void Flush() { output_.Flush(); }
  bool AnyWithoutResult() const { return anyWithoutResult_; }

 private:
  void AppendJson(std::string_view input, const TargetReading& target,
                  const std::optional<InputMessage>& message);
  void AppendHuman(std::string_view input, const std::optional<InputMessage>& message);

  bool json_;
  NetworkQuery query_;
  std::optional<InputMessage> setUpFailure_;
  std::vector<NetworkResult> results_;
  Output& output_;
  JsonLineWriter jsonWriter_;
  TextColumns columns_;
  std::string remark_;
  long valueCount_ = 0;
  bool anyWithoutResult_ = false;
};

}  // namespace tamblor::cli
