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
#include "network/nearest.h"
#include "network/target_text.h"

namespace tamblor::cli {

// Finds the nearest standard values of each set for one value after another, writes them in the
// human layout or as JSON lines, and notes whether any value stopped at a message.
class NearestRun {
 public:
  // The results go to `output`, which must outlive the run.
  NearestRun(const CommandLine& commandLine, Output& output);

  void Value(std::string_view input);
  void Flush() { output_.Flush(); }
  bool AnyWithoutResult() const { return anyWithoutResult_; }

 private:
  void AppendJson(std::string_view input, const TargetReading& target);
  void AppendStandardValue(const std::optional<StandardValueMatch>& match);
  void AppendHuman(std::string_view input, const std::optional<InputMessage>& message);

  bool json_;
  std::vector<PartOrigin> series_;
  std::vector<NearestValues> found_;  // per set of series_, for the value at hand
  Output& output_;
  JsonLineWriter jsonWriter_;
  TextColumns columns_;
  std::string markings_;  // of the nearest value, for the human layout
  long valueCount_ = 0;
  bool anyWithoutResult_ = false;
};

}  // namespace tamblor::cli
